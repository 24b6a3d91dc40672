// What a player who listens rather than looks is told: one announcement per input, made of a
// sentence for each thing the rules say happened, in their order.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "rules/Events.h"
#include "rules/TableSlots.h"

namespace zarvelo {

class Announcer {
public:
    // Where an announcement goes: the screen reader's notification.
    using Output = std::function<void(const QString&)>;
    void setOutput(Output output) { output_ = std::move(output); }

    // An event as it happens, read with the state as it is at that moment.
    void Hear(const Event& event, const GameState& s);
    // A sentence of the window's own, such as why a key did nothing.
    void Say(const QString& sentence);
    // Sends what was heard since the last time as one announcement; nothing when nothing was.
    void Flush(const GameState& s);

    // Whether something heard waits to be said.
    bool pending() const { return !items_.empty(); }
    QString last() const { return last_; }
    // No output and nothing heard: the window it spoke for is gone.
    void Forget() { *this = Announcer(); }

    // The table read whole, and the money, for the keys that ask for them.
    static QString TableText(const GameState& s);
    static QString MoneyText(const GameState& s);

private:
    struct Pick {
        int slot = 0;
        CardNumber card = 0;
    };
    // A sentence, or a place where what the table now shows is said.
    struct Item {
        QString text;
        enum class Kind { Text, Stake, Pick, Deal } kind = Kind::Text;
        Pick pick;
    };
    void Add(Item item);
    QString Sentence(const Item& item, const GameState& s) const;
    void Send(const QString& text);

    Output output_;
    std::vector<Item> items_;
    QString last_;
};

// The main window's announcer.
Announcer& WindowAnnouncer();

// "playable 1, 3", "nothing playable", "every card playable".
QString PlayableText(const TableSlotViews& view, bool firstPick);

}  // namespace zarvelo
