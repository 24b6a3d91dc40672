// The accessible interfaces of the game's own widgets, and what the main window tells of itself
// through them.
#include "windows/Accessibility.h"

#include <QAccessibleWidget>
#include <functional>

#include "screen/CardNames.h"
#include "screen/Controls.h"
#include "windows/AccessibleTable.h"
#include "windows/SecondaryForms.h"
#include "windows/TableView.h"

namespace zarvelo {

namespace {

// The dynamic property that marks a card chart row with the suit it lists.
constexpr char kChartRowSuit[] = "zarveloChartRowSuit";
// The dynamic property that marks a label read as part of another: a screen reader skips it.
constexpr char kReadWithAnother[] = "zarveloReadWithAnother";

// A widget of a fixed role whose name is worked out whenever it is asked for.
class NamedWidget : public QAccessibleWidget {
public:
    NamedWidget(QWidget* widget, QAccessible::Role role, std::function<QString()> name)
        : QAccessibleWidget(widget, role), name_(std::move(name)) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? name_() : QAccessibleWidget::text(t);
    }

private:
    std::function<QString()> name_;
};

// The label whose buddy the figure is: its caption.
const QLabel* CaptionOf(const QWidget* figure) {
    const QWidget* parent = figure->parentWidget();
    if (!parent) return nullptr;
    for (const QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->buddy() == figure) return label;
    return nullptr;
}

// A label reads as its text, a figure with its caption before it, a chart row with its suit.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* label = static_cast<const Label*>(widget());
        if (!label->accessibleName().isEmpty()) return label->accessibleName();
        if (label->spokenName()) return label->spokenName()();
        const QVariant suit = label->property(kChartRowSuit);
        if (suit.isValid()) return ChartRowName(suit.toInt(), label->text());
        if (const QLabel* caption = CaptionOf(label))
            return caption->text() + QLatin1Char(' ') + label->text();
        return label->text();
    }

    // A caption or a part of a row is read with the figure or row it belongs to, not again.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (widget()->property(kReadWithAnother).toBool()) state.invisible = true;
        return state;
    }

    // The figure is labelled by its caption (the widget's own relations say so); the caption
    // says which figure it labels.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        const auto* label = static_cast<const Label*>(widget());
        if ((match & QAccessible::Labelled) && label->buddy()) {
            if (QAccessibleInterface* figure =
                    QAccessible::queryAccessibleInterface(label->buddy()))
                found.append({figure, QAccessible::Labelled});
        }
        return found;
    }
};

QAccessibleInterface* GameWidgetInterface(const QString& className, QObject* object) {
    // The game's widgets have no meta-object of their own: they are asked for under the name of
    // the Qt class they derive from.
    if (className == QLatin1String("QLabel")) {
        if (auto* label = dynamic_cast<Label*>(object)) return new LabelAccessible(label);
    } else if (className == QLatin1String("QWidget")) {
        if (auto* table = dynamic_cast<TableView*>(object)) return new AccessibleTable(table);
        // The small windows are dialogs named by their titles (the help window shows none).
        if (auto* form = dynamic_cast<ActivatedForm*>(object))
            return new NamedWidget(form, QAccessible::Dialog,
                                   [form] { return form->windowTitle(); });
        if (auto* frame = dynamic_cast<CaptionFrame*>(object))
            return new NamedWidget(frame, QAccessible::Grouping,
                                   [frame] { return frame->caption(); });
        if (auto* picture = dynamic_cast<SuitPicture*>(object)) {
            return new NamedWidget(picture, QAccessible::Graphic,
                                   [picture] { return SuitName(picture->suit()); });
        }
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(&GameWidgetInterface); }

void ReadWithCaption(Label* figure, Label* caption) {
    caption->setBuddy(figure);
    caption->setProperty(kReadWithAnother, true);
}

void ReadAs(Label* label, std::function<QString()> name, std::initializer_list<Label*> parts) {
    label->setSpokenName(std::move(name));
    for (Label* part : parts) part->setProperty(kReadWithAnother, true);
}

void ReadAsChartRow(Label* row, int suit) { row->setProperty(kChartRowSuit, suit); }

}  // namespace zarvelo
