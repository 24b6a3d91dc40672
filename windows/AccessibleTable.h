// The card table as assistive technology sees it: the current card and the five row cards as
// objects that say the card, whether it may be taken and take it when pressed, and a notification
// that announces what happened.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <array>

#include "state/GameState.h"

namespace zarvelo {

class TableView;

class AccessibleTable : public QAccessibleWidget {
public:
    explicit AccessibleTable(TableView* table);

    // Children 0 to 5 are the card places (0 the current card, 1 to 5 the row), child 6 the
    // announcements; the table's widgets follow.
    static constexpr int kAnnouncements = kTableSlots;
    static constexpr int kOwnChildren = kTableSlots + 1;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    TableView* table() const;
    // What a place shows and whether its card may be taken (its frame is shown).
    CardNumber cardAt(int slot) const;
    bool playableAt(int slot) const;
    QString announcement() const { return announcement_; }

    // Runs sync() once the event being handled is done; more requests before then add nothing.
    void syncLater();
    // Sends the events for every place that changed since the last time.
    void sync();
    // Shows the notification anew with the text.
    void announce(const QString& text);

protected:
    ~AccessibleTable() override;

private:
    // What the table told assistive technology last.
    struct Seen {
        std::array<CardNumber, kTableSlots> cards{};
        std::array<bool, kTableSlots> playable{};
    };
    Seen look() const;

    std::array<QAccessibleInterface*, kOwnChildren> own_{};
    std::array<QAccessible::Id, kOwnChildren> ownIds_{};
    Seen told_;
    QString announcement_;
    bool syncPending_ = false;
};

// The name of a card place: "Seven of Hearts" or "empty" for the row, "Current card: Seven of
// Hearts" for slot 0.
QString PlaceName(int slot, CardNumber card);

}  // namespace zarvelo
