#include "app/TLAccessible.h"

#include "look/app/TLCard.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBPageReader.h"
#include "screens/InfoRow.h"
#include "screens/SegmentedPicker.h"
#include "widgets/TLPopUp.h"

#include <QAccessibleWidget>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>

namespace {

// One option of a picker: a radio button, checked while chosen, focused
// while the picker has the keyboard and the option is chosen.
class PickerOption final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PickerOption(SegmentedPicker *picker, int index) : m_picker(picker), m_index(index) {}

    bool isValid() const override { return m_picker && m_index < m_picker->titles().size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return isValid() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_picker); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_picker->titles().at(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect local = m_picker->segmentRect(m_index).toAlignedRect();
        return QRect(m_picker->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override { return QAccessible::RadioButton; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.checkable = true;
        s.checked = m_picker->current() == m_index;
        s.focused = s.checked && m_picker->hasFocus();
        s.invisible = !m_picker->isVisible();
        s.disabled = !m_picker->isEnabled();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid() && m_picker->isEnabled())
            m_picker->choose(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<SegmentedPicker> m_picker;
    int m_index;
};

// The picker: a group whose children are its options, in order.
class PickerGroup final : public QAccessibleWidget
{
public:
    explicit PickerGroup(SegmentedPicker *picker) : QAccessibleWidget(picker, QAccessible::Grouping) {}
    ~PickerGroup() override
    {
        for (QAccessible::Id id : std::as_const(m_options))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(picker()->titles().size()); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const QAccessible::Id id = m_options.value(index))
            return QAccessible::accessibleInterface(id);
        auto *option = new PickerOption(picker(), index);
        m_options.insert(index, QAccessible::registerAccessibleInterface(option));
        return option;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_options.cbegin(); it != m_options.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }

    QAccessibleInterface *focusChild() const override
    {
        if (picker()->hasFocus() && picker()->current() >= 0)
            return child(picker()->current());
        return QAccessibleWidget::focusChild();
    }

private:
    SegmentedPicker *picker() const { return static_cast<SegmentedPicker *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_options;
};

// A link: the Link role and state, and a press that opens it.
class LinkInterface final : public QAccessibleWidget
{
public:
    explicit LinkInterface(MBLink *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            static_cast<MBLink *>(widget())->activate();
        else
            QAccessibleWidget::doAction(name);
    }
};

// A title: a heading, named by its text.
class Heading final : public QAccessibleWidget
{
public:
    explicit Heading(QWidget *w) : QAccessibleWidget(w, QAccessible::Heading) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const QLabel *>(widget()))
                return label->text();
        }
        return QAccessibleWidget::text(t);
    }
};

// One of a list of places: a button that says whether it is the current one.
class PlaceButton final : public QAccessibleWidget
{
public:
    explicit PlaceButton(QAbstractButton *b) : QAccessibleWidget(b, QAccessible::PushButton) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return mbShownText(button()->text());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = MBAccessible::isCurrent(widget());
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// A pop-up: named by its caption, which is also its labelled-by relation
// (a buddy label), with the choice shown as its value and its text, where
// screen readers read it (Qt 6.4 marks the choice in the list only while
// the list is open). The list itself is heard when it opens.
class PopUp final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PopUp(QComboBox *popUp) : QAccessibleWidget(popUp, QAccessible::ComboBox) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value || (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return shown();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = popUp()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction())
            popUp()->showPopup();
    }

    // The choice as read-only text.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return QString();
    }

private:
    QComboBox *popUp() const { return static_cast<QComboBox *>(widget()); }
    QString shown() const { return popUp()->currentText(); }
};

// A text in a card is a paragraph, elsewhere a label. A screen reader
// entering a group reads every loose label in it before the control that
// took the focus (Orca: about 500 characters on a listing's card, 40 s of
// speech, and a line's one-word name left out); paragraphs it leaves for
// review, so the card is heard by its name and badge.
QAccessible::Role textRole(const QWidget *text)
{
    for (const QWidget *w = text->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const TLCard *>(w))
            return QAccessible::Paragraph;
    }
    return QAccessible::StaticText;
}

// A text: a label named by its text as shown, a picture when it shows one,
// the label of its buddy; a badge.
class Text final : public QAccessibleWidget
{
public:
    explicit Text(QWidget *text) : QAccessibleWidget(text, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        if (label() && !label()->pixmap().isNull())
            return QAccessible::Graphic;
        return label() && label()->buddy() ? QAccessible::StaticText : textRole(widget());
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty() || !label())
            return QAccessibleWidget::text(t);
        return MBAccessible::shownText(label());
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto out = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && label() && label()->buddy()) {
            if (QAccessibleInterface *buddy = QAccessible::queryAccessibleInterface(label()->buddy()))
                out.append({buddy, QAccessible::Label});
        }
        return out;
    }

private:
    QLabel *label() const { return qobject_cast<QLabel *>(widget()); }
};

// A caption with its value ("Needs a computer: No"): one text, so neither
// is heard without the other.
class CaptionAndValue final : public QAccessibleWidget
{
public:
    explicit CaptionAndValue(InfoRow *row) : QAccessibleWidget(row, QAccessible::StaticText) {}

    QAccessible::Role role() const override { return textRole(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *row = static_cast<const InfoRow *>(widget());
        return row->labelLabel()->text() + QStringLiteral(": ") + row->valueLabel()->text();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // The types that tell more than a role.
    if (auto *picker = qobject_cast<SegmentedPicker *>(widget))
        return new PickerGroup(picker);
    if (auto *popUp = qobject_cast<TLPopUp *>(widget))
        return new PopUp(popUp);
    if (auto *row = qobject_cast<InfoRow *>(widget))
        return new CaptionAndValue(row);
    if (auto *link = qobject_cast<MBLink *>(widget))
        return new LinkInterface(link);
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && MBAccessible::isPlace(button))
        return new PlaceButton(button);
    if (auto *page = qobject_cast<QScrollArea *>(widget); page && MBPageReader::isMarked(page))
        return MBPageReader::interfaceFor(page);
    // The roles marked where the widgets are made.
    switch (const QAccessible::Role role = MBAccessible::markedRole(widget)) {
    case QAccessible::NoRole:
        return qobject_cast<QLabel *>(widget) ? new Text(widget) : nullptr;
    case QAccessible::Heading:
        return new Heading(widget);
    case QAccessible::StaticText:
        return new Text(widget);
    default:
        return new QAccessibleWidget(widget, role);
    }
}

} // namespace

namespace TLAccessible {

void install()
{
    QAccessible::installFactory(factory);
}

} // namespace TLAccessible
