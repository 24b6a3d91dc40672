// The sentences a listening player hears, built from what the rules report.
#include "windows/Announcer.h"

#include "rules/CardSelection.h"
#include "screen/CardNames.h"

namespace zarvelo {

namespace {

QString CardOrEmpty(CardNumber card) {
    return card != 0 ? CardName(card) : QStringLiteral("empty");
}

QString Points(Counter amount) {
    return amount == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(amount);
}

QString RowText(const TableSlotViews& view) {
    QStringList row;
    for (int slot = 1; slot < kTableSlots; ++slot)
        row << CardOrEmpty(view[static_cast<size_t>(slot)].card);
    return row.join(QStringLiteral(", "));
}

}  // namespace

QString PlayableText(const TableSlotViews& view, bool firstPick) {
    QStringList numbers;
    for (int slot = 1; slot < kTableSlots; ++slot) {
        const SlotView& v = view[static_cast<size_t>(slot)];
        if (v.card != 0 && v.playable) numbers << QString::number(slot);
    }
    if (numbers.isEmpty()) return QStringLiteral("nothing playable");
    if (firstPick && numbers.size() == kTableSlots - 1)
        return QStringLiteral("every card playable");
    return QStringLiteral("playable ") + numbers.join(QStringLiteral(", "));
}

void Announcer::Add(Item item) {
    // A stake said once per input: its sentence tells the stake as it ends up.
    if (item.kind == Item::Kind::Stake) {
        for (const Item& earlier : items_)
            if (earlier.kind == Item::Kind::Stake) return;
    }
    items_.push_back(std::move(item));
}

void Announcer::Hear(const Event& e, const GameState& s) {
    switch (e.kind) {
        case EventKind::Sound:
            // The sound of a taken card comes before the card leaves its slot.
            if (e.sound == platform::Sound::CardTaken) {
                const int slot = SlotAt(s.ClickX);
                Item pick{QString(), Item::Kind::Pick, {}};
                pick.pick = {slot, slot > 0 ? s.TableCards[static_cast<size_t>(slot)] : 0};
                Add(pick);
            }
            break;
        case EventKind::Show:
            if (e.show == Show::PlayingButtons)
                Add({QStringLiteral("Game started"), Item::Kind::Deal, {}});
            break;
        case EventKind::Money:
            switch (e.money) {
                case Money::Stake: Add({QString(), Item::Kind::Stake, {}}); break;
                case Money::CardPoints:
                    Add({QStringLiteral("%1 cards: %2").arg(s.CardsInStage()).arg(Points(e.amount)),
                         Item::Kind::Text,
                         {}});
                    break;
                case Money::PokerPrize:
                    Add({QStringLiteral("%1: %2").arg(e.text).arg(e.amount), Item::Kind::Text, {}});
                    break;
                case Money::Bankruptcy:
                    Add({QStringLiteral("Bankrupt: a fresh credit of %1").arg(e.amount),
                         Item::Kind::Text,
                         {}});
                    break;
                case Money::WinPaid: break;  // told with the game over
            }
            break;
        case EventKind::PickRefused:
            if (e.refusal == Refusal::NoMatch) {
                const auto slot = static_cast<size_t>(e.amount);
                Add({QStringLiteral("Slot %1, %2, is not playable")
                         .arg(e.amount)
                         .arg(CardOrEmpty(slot < kTableSlots ? s.TableCards[slot] : 0)),
                     Item::Kind::Text,
                     {}});
            } else if (e.refusal == Refusal::NoGame) {
                Add({QStringLiteral("No game is on: stake with 1 Bet, then press Start"),
                     Item::Kind::Text,
                     {}});
            }
            break;
        case EventKind::StageCleared:
            Add({QStringLiteral("Stage cleared! Stage %1").arg(e.amount), Item::Kind::Deal, {}});
            break;
        case EventKind::GameOver: {
            QString text =
                QStringLiteral("Game over: won %1, credit %2").arg(e.amount).arg(s.Credit);
            if (s.LastBet > 0)
                text += QStringLiteral(". Enter stakes %1 again and starts").arg(s.LastBet);
            Add({text, Item::Kind::Text, {}});
            break;
        }
        case EventKind::PlayerChanged:
            Add({QStringLiteral("Player %1, credit %2").arg(e.text).arg(s.Credit),
                 Item::Kind::Text,
                 {}});
            break;
        case EventKind::Box:
            // Said before the box takes the focus.
            Flush(s);
            break;
        case EventKind::MessageLine:
        case EventKind::SaveRecordAndRanking:
        case EventKind::SavePlayerFiles:
        case EventKind::ReportDataProblems: break;
    }
}

void Announcer::Say(const QString& sentence) { Add({sentence, Item::Kind::Text, {}}); }

QString Announcer::Sentence(const Item& item, const GameState& s) const {
    const TableSlotViews view = ViewOfTable(s);
    switch (item.kind) {
        case Item::Kind::Text: return item.text;
        case Item::Kind::Stake: return QStringLiteral("Bet %1, credit %2").arg(s.Bet).arg(s.Credit);
        case Item::Kind::Pick: {
            const auto slot = static_cast<size_t>(item.pick.slot);
            return QStringLiteral("Took %1; slot %2 now %3; %4")
                .arg(CardOrEmpty(item.pick.card))
                .arg(item.pick.slot)
                .arg(CardOrEmpty(slot < kTableSlots ? s.TableCards[slot] : 0))
                .arg(PlayableText(view, s.FirstSelection));
        }
        case Item::Kind::Deal:
            return item.text + QStringLiteral(". Table: ") + RowText(view) + QStringLiteral("; ") +
                   PlayableText(view, s.FirstSelection);
    }
    return QString();
}

void Announcer::Flush(const GameState& s) {
    if (items_.empty()) return;
    QStringList sentences;
    for (const Item& item : items_) {
        const QString sentence = Sentence(item, s);
        if (!sentence.isEmpty()) sentences << sentence;
    }
    items_.clear();
    if (!sentences.isEmpty()) Send(sentences.join(QStringLiteral(". ")) + QLatin1Char('.'));
}

void Announcer::Send(const QString& text) {
    last_ = text;
    if (output_) output_(text);
}

QString Announcer::TableText(const GameState& s) {
    const TableSlotViews view = ViewOfTable(s);
    if (!s.GameInProgress && !s.GameOver)
        return QStringLiteral("No game is on. Bet %1, credit %2").arg(s.Bet).arg(s.Credit);
    QString text = QStringLiteral("Current card: ") +
                   (view[0].card != 0 ? CardName(view[0].card) : QStringLiteral("none yet"));
    for (int slot = 1; slot < kTableSlots; ++slot)
        text += QStringLiteral(". Slot %1: %2")
                    .arg(slot)
                    .arg(CardOrEmpty(view[static_cast<size_t>(slot)].card));
    QString playable = PlayableText(view, s.FirstSelection);
    playable[0] = playable[0].toUpper();
    return text + QStringLiteral(". ") + playable +
           QStringLiteral(". %1 cards left in the deck.")
               .arg(kDeckSize - s.DeckPosition > 0 ? kDeckSize - s.DeckPosition : 0);
}

QString Announcer::MoneyText(const GameState& s) {
    return QStringLiteral("Credit %1, bet %2, win %3, score %4, stage %5.")
        .arg(s.Credit)
        .arg(s.Bet)
        .arg(s.Win)
        .arg(s.TotalCards)
        .arg(s.Stage);
}

Announcer& WindowAnnouncer() {
    static Announcer announcer;
    return announcer;
}

}  // namespace zarvelo
