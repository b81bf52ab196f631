#include "app/TLAccessible.h"

#include "look/kit/MBLink.h"
#include "screens/SegmentedPicker.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

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

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SegmentedPicker"))
        return new PickerGroup(static_cast<SegmentedPicker *>(object));
    if (className == QLatin1String("MBLink"))
        return new LinkInterface(static_cast<MBLink *>(object));
    if (className == QLatin1String("TLCard"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Grouping);
    if (className == QLatin1String("TLBadge"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StaticText);
    return nullptr;
}

} // namespace

namespace TLAccessible {

void install()
{
    QAccessible::installFactory(factory);
}

} // namespace TLAccessible
