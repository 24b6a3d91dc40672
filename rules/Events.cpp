// What the rules report while they change the game.
#include "rules/Events.h"

#include <utility>

namespace zarvelo {

void Events::Report(Event event) {
    if (sink_) sink_->Play(event);
    list_.push_back(std::move(event));
}

void Events::Sound(platform::Sound sound) { Report({.kind = EventKind::Sound, .sound = sound}); }

void Events::Box(const QString& text, const QString& title, platform::MessageIcon icon) {
    Report({.kind = EventKind::Box, .icon = icon, .text = text, .title = title});
}

void Events::MessageLine(const QString& text) {
    Report({.kind = EventKind::MessageLine, .text = text});
}

void Events::Screen(Show what) { Report({.kind = EventKind::Show, .show = what}); }

void Events::MoneyMoved(Money why, Counter amount, const QString& hand) {
    Report({.kind = EventKind::Money, .money = why, .amount = amount, .text = hand});
}

void Events::PickRefused(Refusal why, int slot) {
    Report({.kind = EventKind::PickRefused, .refusal = why, .amount = slot});
}

void Events::SaveWanted(EventKind kind, const QString& player, const GameState& s) {
    Report({.kind = kind, .text = player, .record = s.PlayerRecord, .ranking = s.Ranking});
}

}  // namespace zarvelo
