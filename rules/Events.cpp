// What the rules report while they change the game.
#include "rules/Events.h"

#include <utility>

namespace zarvelo {

void Events::Report(Event event) {
    if (sink_) sink_->Play(event);
    list_.push_back(std::move(event));
}

void Events::Sound(platform::Sound sound) {
    Event e;
    e.kind = EventKind::Sound;
    e.sound = sound;
    Report(std::move(e));
}

void Events::Box(const QString& text, const QString& title, platform::MessageIcon icon) {
    Event e;
    e.kind = EventKind::Box;
    e.text = text;
    e.title = title;
    e.icon = icon;
    Report(std::move(e));
}

void Events::MessageLine(const QString& text) {
    Event e;
    e.kind = EventKind::MessageLine;
    e.text = text;
    Report(std::move(e));
}

void Events::Screen(Show what) {
    Event e;
    e.kind = EventKind::Show;
    e.show = what;
    Report(std::move(e));
}

void Events::MoneyMoved(Money why, Counter amount, const QString& hand) {
    Event e;
    e.kind = EventKind::Money;
    e.money = why;
    e.amount = amount;
    e.text = hand;
    Report(std::move(e));
}

void Events::PickRefused(Refusal why, int slot) {
    Event e;
    e.kind = EventKind::PickRefused;
    e.refusal = why;
    e.amount = slot;
    Report(std::move(e));
}

}  // namespace zarvelo
