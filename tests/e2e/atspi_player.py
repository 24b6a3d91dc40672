#!/usr/bin/env python3
"""Plays one game of the running program through AT-SPI alone, as a screen reader's user would.

It stakes and starts with the buttons' actions, reads the table cards by their names, takes
playable cards with their actions until the game is over, and checks at every step that what
the names say agrees with the rest of the game: the card chart, the score, the frames of the
playable cards, the announcements, and at the end the files the game saved.

Usage: atspi_player.py PROGRAM_DIR [--tree FILE]
Exit status: 0 played and checked, 1 a check failed.
"""

import argparse
import os
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60.0  # a busy machine may take long; a wait ends as soon as it can
RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack",
         "Queen", "King"]
CHART_RANKS = ["A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"]
SUITS = ["Clubs", "Diamonds", "Hearts", "Spades"]
FIGURES = ["HI SCORE", "Score", "Your Bet", "Credit", "Your Win"]


class Failure(Exception):
    pass


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe (pumping the event loop) until it returns something true, and returns it."""
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except (GLib.Error, LookupError):
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure("timed out waiting for " + what + (" (last: %r)" % (value,)))
        time.sleep(0.05)


def card(name):
    """(rank index, suit index) of a name such as "Seven of Hearts"."""
    parts = name.split(" of ")
    if len(parts) != 2 or parts[0] not in RANKS or parts[1] not in SUITS:
        raise Failure("not the name of a card: %r" % name)
    return RANKS.index(parts[0]), SUITS.index(parts[1])


def children(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def descendants(obj):
    for child in children(obj):
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            if not action.doAction(i):
                raise Failure("the press of %r was refused" % obj.name)
            return
    raise Failure("%r has no press action" % obj.name)


def print_tree(obj, out, depth=0):
    line = "  " * depth + "[%s] %r" % (obj.getRoleName(), obj.name)
    if obj.description:
        line += " (%s)" % obj.description
    try:
        action = obj.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        keys = [action.getKeyBinding(i) for i in range(action.nActions)]
        if names:
            line += " actions=%s" % names
        if any(keys):
            line += " keys=%s" % keys
    except NotImplementedError:
        pass
    states = obj.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        line += " not showing"
    out.write(line + "\n")
    for child in children(obj):
        if child is not None:
            print_tree(child, out, depth + 1)


class Game:
    """The program as the accessibility bus shows it."""

    def __init__(self, program_dir):
        self.program_dir = program_dir
        self.announcements = []  # names of the notifications shown, in order
        self.renamed = []  # objects whose name-change events arrived
        self.redescribed = []  # objects whose description-change events arrived
        pyatspi.Registry.registerEventListener(
            self.on_event, "object:state-changed:showing", "object:property-change:accessible-name",
            "object:property-change:accessible-description")
        self.app = wait_for("the program on the accessibility bus", self.find_app)
        # Names are read afresh each time; the events are checked on their own.
        self.app.set_cache_mask(pyatspi.Atspi.Cache.NONE)
        self.window = wait_for("the main window", lambda: next(
            (w for w in children(self.app) if w is not None and w.name == "Zarvelo?(NewPlayer)"
             and showing(w)), None))
        self.table = wait_for("the card table", lambda: next(
            (o for o in descendants(self.window) if o.name.startswith("Card table")), None))
        own = children(self.table)
        self.current = own[0]
        self.row = own[1:6]
        self.notification = own[6]
        if self.notification.getRole() != pyatspi.ROLE_NOTIFICATION:
            raise Failure("the table has no notification for its announcements")
        labels = [o for o in descendants(self.window) if o.getRole() == pyatspi.ROLE_LABEL]
        self.figures = {}
        for caption in FIGURES:
            found = [o for o in labels if o.name.startswith(caption + " ")
                     and o.name[len(caption) + 1:].lstrip("-").isdigit()]
            if len(found) != 1:
                raise Failure("no single figure read as %r: %s" % (caption, [o.name for o in found]))
            self.figures[caption] = found[0]
        self.chart = {}
        for suit in SUITS:
            rows = [o for o in labels if o.name.startswith(suit + ": ")]
            if len(rows) != 1:
                raise Failure("no single chart row for %s" % suit)
            self.chart[suit] = rows[0]
        self.message = next((o for o in labels if o.name == "Please bet and start"), None)
        if self.message is None:
            raise Failure("the message line does not read 'Please bet and start' at start-up")
        buttons = {o.name: o for o in descendants(self.window)
                   if o.getRole() == pyatspi.ROLE_PUSH_BUTTON}
        self.bet, self.start = buttons["1 Bet"], buttons["Start"]

    @staticmethod
    def find_app():
        desktop = pyatspi.Registry.getDesktop(0)
        return next((a for a in children(desktop) if a is not None and a.name == "zarvelo"), None)

    def on_event(self, event):
        try:
            if event.type.startswith("object:state-changed:showing"):
                if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    # A notification speaks its label.
                    self.announcements.append(event.source.getChildAtIndex(0).name)
            elif event.type.endswith("accessible-description"):
                self.redescribed.append(event.source)
            else:
                self.renamed.append(event.source)
        except GLib.Error as error:
            print("atspi: an event could not be read: %s" % error, file=sys.stderr)

    def figure(self, caption):
        return int(self.figures[caption].name[len(caption) + 1:])

    def row_names(self):
        return [place.name for place in self.row]

    def chart_missing(self):
        """The cards the chart no longer lists, as (rank, suit) pairs."""
        missing = set()
        for s, suit in enumerate(SUITS):
            ranks = self.chart[suit].name[len(suit) + 2:].split()
            if ranks == ["none"]:
                ranks = []
            for r, rank in enumerate(CHART_RANKS):
                if rank not in ranks:
                    missing.add((r, s))
        return missing

    def dialog(self):
        """A message box over the main window, if one is open."""
        for window in children(self.app):
            if window is not None and window is not self.window and showing(window) and \
                    window.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
                return window
        return None

    def announced(self, what, since):
        return wait_for("an announcement with %r" % what, lambda: any(
            what in a for a in self.announcements[since:]))


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_playable(game, first_pick):
    """Frames shown exactly on the cards that may be taken: any card at the first pick, else
    those of the current card's suit or rank."""
    current = game.current.name
    check(current.startswith("Current card: "), "the current card is not named as such: %r" % current)
    taken = None if first_pick else card(current[len("Current card: "):])
    playable = []
    for slot, place in enumerate(game.row, 1):
        name, description = place.name, place.description
        if name == "empty":
            may = False
        else:
            rank, suit = card(name)
            may = first_pick or rank == taken[0] or suit == taken[1]
        check(description == ("playable" if may else "not playable"),
              "slot %d (%s) reads %r beside %r" % (slot, name, description, current))
        if may:
            playable.append(slot)
    return playable


def play(program_dir, tree_file):
    game = Game(program_dir)
    check(game.current.name == "Current card: empty", "a current card before any game")
    check(game.row_names() == ["empty"] * 5, "cards on the table before any game")
    for slot, place in enumerate(game.row, 1):
        action = place.queryAction()
        check(action.getKeyBinding(0) == str(slot), "slot %d is not bound to its key" % slot)
    try:
        game.current.queryAction()
        check(game.current.queryAction().nActions == 0, "the current card can be pressed")
    except NotImplementedError:
        pass
    credit = game.figure("Credit")

    # Stake one unit and start, with the buttons' own actions.
    press(game.bet)
    wait_for("the stake", lambda: game.figure("Your Bet") == 1)
    check(game.figure("Credit") == credit - 1, "the stake was not taken from the credit")
    since = len(game.announcements)
    renamed = len(game.renamed)
    press(game.start)
    wait_for("the deal", lambda: "empty" not in game.row_names())
    dealt = game.row_names()
    cards = [card(name) for name in dealt]
    check(len(set(cards)) == 5, "the deal repeats a card: %s" % dealt)
    game.announced("Table: " + ", ".join(dealt), since)
    wait_for("every dealt card to tell its new name",
             lambda: all(place in game.renamed[renamed:] for place in game.row))
    seen = set(cards)
    check(game.chart_missing() == seen, "the chart does not lack exactly the five dealt cards")
    check(check_playable(game, True) == [1, 2, 3, 4, 5], "not every card is playable at first")
    check(not showing(game.bet), "the betting buttons still show during the game")

    taken = 0
    first_pick = True
    refused_once = False
    while True:
        playable = check_playable(game, first_pick)
        if not playable:
            break
        names = game.row_names()
        descriptions = [place.description for place in game.row]
        slot = playable[0]
        score = game.figure("Score")
        since, renamed = len(game.announcements), len(game.renamed)
        redescribed = len(game.redescribed)
        # A press on a card that may not be taken changes nothing: pressed just before a
        # playable one, only the playable one is taken.
        refused = next((s for s in range(1, 6) if s not in playable and names[s - 1] != "empty"),
                       None)
        if refused is not None and not refused_once:
            press(game.row[refused - 1])
            refused_once = True
        press(game.row[slot - 1])
        wait_for("card %d to be taken" % (taken + 1), lambda: game.figure("Score") == score + 1)
        taken += 1
        check(game.current.name == "Current card: " + names[slot - 1],
              "the current card is %r after taking %r" % (game.current.name, names[slot - 1]))
        wait_for("the current card to tell its new name",
                 lambda: game.current in game.renamed[renamed:])
        now = game.row_names()
        for s in range(1, 6):
            if s != slot:
                check(now[s - 1] == names[s - 1], "slot %d changed when slot %d was taken" % (s, slot))
        refill = now[slot - 1]
        wait_for("slot %d to tell its new name" % slot,
                 lambda: game.row[slot - 1] in game.renamed[renamed:])
        if refill != "empty":
            check(card(refill) not in seen, "%s was dealt twice in one deck" % refill)
            seen.add(card(refill))
        game.announced("Took %s; slot %d now %s" % (names[slot - 1], slot, refill), since)
        for other, place in enumerate(game.row, 1):
            if place.description != descriptions[other - 1]:
                wait_for("slot %d to tell it became %r" % (other, place.description),
                         lambda: place in game.redescribed[redescribed:])
        if tree_file and taken == 1:
            with open(tree_file, "w", encoding="utf-8") as out:
                print_tree(game.app, out)
        first_pick = False
        check(game.chart_missing() == seen, "the chart does not lack exactly the cards dealt so far")
        if now == ["empty"] * 5:
            # The whole deck was taken: a box says so, and its button deals the next one.
            box = wait_for("the stage-clear box", game.dialog)
            check(any("You did it" in o.name for o in descendants(box)), "an unexpected box")
            press(next(o for o in descendants(box) if o.getRole() == pyatspi.ROLE_PUSH_BUTTON))
            wait_for("the next stage's deal", lambda: "empty" not in game.row_names())
            check(game.current.name == "Current card: empty", "a current card in a new deal")
            seen = {card(name) for name in game.row_names()}
            first_pick = True

    # No card may be taken: the game is over.
    wait_for("'Game Over' in the message line", lambda: game.message.name == "Game Over")
    game.announced("Game over: won %d" % game.figure("Your Win"), since)
    wait_for("the betting buttons", lambda: showing(game.bet) and showing(game.start))
    check(game.figure("Score") == taken, "the score is not the number of cards taken")
    win = game.figure("Your Win")
    shown_credit = game.figure("Credit")
    # What the game saved agrees with what was read: the ranking holds this game, the record the
    # credit with its winnings, which the credit reads as (its figure shows it from the next stake).
    ranking = open(os.path.join(program_dir, "Ranking.dat"), encoding="cp932").readline()
    check(ranking.split(",")[0] == str(taken) and ranking.split(",")[2] == str(taken),
          "the ranking's first entry %r is not this game of %d cards" % (ranking, taken))
    record = open(os.path.join(program_dir, "NewPlayer.dat"), encoding="cp932").readline()
    check(record.split(",")[1] == str(shown_credit),
          "the record %r does not hold credit %d (won %d)" % (record, shown_credit, win))

    # Quit through the menu.
    quit_item = next(o for o in descendants(game.window)
                     if o.getRole() == pyatspi.ROLE_MENU_ITEM and o.name == "終了")
    try:
        press(quit_item)
    except GLib.Error:
        pass  # the program may be gone before it answers
    return taken, game.announcements


def main():
    # A call into the program gives up after 0.8 s by default: on a busy machine that drops events
    # whose source cannot be asked its role or name in time.
    pyatspi.setTimeout(int(TIMEOUT * 1000), int(TIMEOUT * 1000))
    parser = argparse.ArgumentParser()
    parser.add_argument("program_dir")
    parser.add_argument("--tree", help="file to print the accessible tree to, after a card is taken")
    args = parser.parse_args()
    try:
        taken, announcements = play(args.program_dir, args.tree)
    except Failure as failure:
        print("atspi: " + str(failure), file=sys.stderr)
        return 1
    print("atspi: played one game through the accessibility bus: %d cards taken" % taken)
    print("atspi: announcements heard:")
    for announcement in announcements:
        print("  " + announcement)
    return 0


if __name__ == "__main__":
    sys.exit(main())
