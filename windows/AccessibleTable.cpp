// The card places and the announcements of the table, and the events that keep a screen reader
// up to date with them.
#include "windows/AccessibleTable.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "rules/Game.h"
#include "rules/TableGeometry.h"
#include "rules/TableSlots.h"
#include "screen/CardNames.h"
#include "windows/Accessibility.h"
#include "windows/MainForm.h"
#include "windows/TableView.h"

namespace zarvelo {

namespace {

// An object of the table that is not a widget: it lives as long as the table's interface.
class TablePart : public QAccessibleInterface {
public:
    explicit TablePart(AccessibleTable* table) : table_(table) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !table_->table()->isVisible();
        return state;
    }

protected:
    AccessibleTable* table_;
};

// The current card (slot 0) or a card of the row (1 to 5). A row card is pressed as it is
// clicked, which is also what its key does.
class CardPlace : public TablePart, public QAccessibleActionInterface {
public:
    CardPlace(AccessibleTable* table, int slot) : TablePart(table), slot_(slot) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: return PlaceName(slot_, table_->cardAt(slot_));
            case QAccessible::Description:
                if (slot_ == 0) return QString();
                return table_->playableAt(slot_) ? QStringLiteral("playable")
                                                 : QStringLiteral("not playable");
            default: return QString();
        }
    }
    QRect rect() const override {
        const TableView* view = table_->table();
        const QRect slot = SlotRect(slot_);
        return QRect(view->mapToGlobal(slot.topLeft()), slot.size());
    }
    QAccessible::Role role() const override {
        return slot_ == 0 ? QAccessible::Graphic : QAccessible::Button;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface && slot_ > 0)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction()) return {};
        return {QString::number(slot_)};
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !isValid()) return;
        // After the caller has its answer, as a button's animated click comes: a press may end
        // in a modal message box, and the screen reader must not wait for it to close.
        MainForm* form = table_->table()->form();
        QMetaObject::invokeMethod(
            form,
            [form, slot = slot_] {
                // A click cannot reach the table while a modal box is open, and neither can this.
                if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != form)
                    return;
                form->PressSlot(slot);
            },
            Qt::QueuedConnection);
    }

private:
    int slot_;
};

// The text of the last announcement: a label of the notification, which is what a screen reader
// speaks of it and keeps in its list of notifications to hear again.
class AnnouncementText : public TablePart {
public:
    using TablePart::TablePart;

    QAccessibleInterface* parent() const override {
        return table_->child(AccessibleTable::kAnnouncements);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? table_->announcement() : QString();
    }
    QRect rect() const override { return parent()->rect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
};

// A notification that holds the last announcement. It is shown anew for each one, which is
// what makes a screen reader speak a notification wherever the focus is. Its own name stays
// empty: a screen reader speaks its label once, and keeps that label's text.
class Announcements : public TablePart {
public:
    explicit Announcements(AccessibleTable* table)
        : TablePart(table), text_(new AnnouncementText(table)) {
        // Registered, the text is the accessibility framework's to delete.
        textId_ = QAccessible::registerAccessibleInterface(text_);
    }
    ~Announcements() override { QAccessible::deleteAccessibleInterface(textId_); }

    QString text(QAccessible::Text) const override { return QString(); }
    QRect rect() const override {
        const TableView* view = table_->table();
        return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override { return index == 0 ? text_ : nullptr; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == text_ ? 0 : -1;
    }

private:
    AnnouncementText* text_;
    QAccessible::Id textId_ = 0;
};

void Notify(QWidget* table, int child, QAccessible::Event type) {
    QAccessibleEvent event(table, type);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

QString PlaceName(int slot, CardNumber card) {
    const QString name = card != 0 ? CardName(card) : QStringLiteral("empty");
    return slot == 0 ? QStringLiteral("Current card: ") + name : name;
}

AccessibleTable::AccessibleTable(TableView* table) : QAccessibleWidget(table, QAccessible::Canvas) {
    for (int i = 0; i < kOwnChildren; ++i) {
        const auto at = static_cast<size_t>(i);
        own_[at] = i == kAnnouncements ? static_cast<QAccessibleInterface*>(new Announcements(this))
                                       : new CardPlace(this, i);
        ownIds_[at] = QAccessible::registerAccessibleInterface(own_[at]);
    }
}

AccessibleTable::~AccessibleTable() {
    for (QAccessible::Id id : ownIds_) QAccessible::deleteAccessibleInterface(id);
}

QString AccessibleTable::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    // Short, as focus lands here often: the table and the card to match, nothing else.
    const CardNumber current = cardAt(0);
    return current != 0 ? QStringLiteral("Card table, current card ") + CardName(current)
                        : QStringLiteral("Card table");
}

int AccessibleTable::childCount() const { return kOwnChildren + QAccessibleWidget::childCount(); }

QAccessibleInterface* AccessibleTable::child(int index) const {
    if (index < 0) return nullptr;
    if (index < kOwnChildren) return own_[static_cast<size_t>(index)];
    return QAccessibleWidget::child(index - kOwnChildren);
}

int AccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < kOwnChildren; ++i)
        if (own_[static_cast<size_t>(i)] == child) return i;
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : kOwnChildren + widgetIndex;
}

TableView* AccessibleTable::table() const { return static_cast<TableView*>(widget()); }

CardNumber AccessibleTable::cardAt(int slot) const {
    return ViewOfTable(State())[static_cast<size_t>(slot)].card;
}

bool AccessibleTable::playableAt(int slot) const {
    return ViewOfTable(State())[static_cast<size_t>(slot)].playable;
}

AccessibleTable::Seen AccessibleTable::look() const {
    Seen seen;
    for (int slot = 0; slot < kTableSlots; ++slot) {
        seen.cards[static_cast<size_t>(slot)] = cardAt(slot);
        seen.playable[static_cast<size_t>(slot)] = playableAt(slot);
    }
    return seen;
}

void AccessibleTable::syncLater() {
    if (syncPending_) return;
    syncPending_ = true;
    TableView* view = table();
    QMetaObject::invokeMethod(
        view,
        [view] {
            if (auto* table =
                    dynamic_cast<AccessibleTable*>(QAccessible::queryAccessibleInterface(view)))
                table->sync();
        },
        Qt::QueuedConnection);
}

void AccessibleTable::sync() {
    syncPending_ = false;
    const Seen now = look();
    for (int slot = 0; slot < kTableSlots; ++slot) {
        const auto at = static_cast<size_t>(slot);
        if (now.cards[at] != told_.cards[at]) Notify(widget(), slot, QAccessible::NameChanged);
        if (now.playable[at] != told_.playable[at])
            Notify(widget(), slot, QAccessible::DescriptionChanged);
    }
    told_ = now;
}

void AccessibleTable::announce(const QString& text) {
    // The places tell their new names first, so that the table reads as announced.
    sync();
    announcement_ = text;
    Notify(widget(), kAnnouncements, QAccessible::ObjectHide);
    Notify(widget(), kAnnouncements, QAccessible::ObjectShow);
}

void AnnounceOnTable(TableView* table, const QString& text) {
    if (auto* accessible =
            dynamic_cast<AccessibleTable*>(QAccessible::queryAccessibleInterface(table)))
        accessible->announce(text);
}

void AnnounceTableChanges(TableView* table) {
    if (auto* accessible =
            dynamic_cast<AccessibleTable*>(QAccessible::queryAccessibleInterface(table)))
        accessible->syncLater();
}

}  // namespace zarvelo
