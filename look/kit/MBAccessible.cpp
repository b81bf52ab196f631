#include "look/kit/MBAccessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QUrl>

namespace MBAccessible {
namespace {

// A screen reader's view of a widget is made once, and may already have
// been made as its text was set: made again, it follows the mark.
void forgetView(QWidget *widget)
{
    if (QAccessibleInterface *view = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(view));
}

} // namespace

void markHeading(QWidget *title)
{
    title->setProperty(headingMark, true);
    forgetView(title);
}

void setCurrent(QAbstractButton *row, bool current)
{
    const QVariant was = row->property(currentMark);
    if (was.isValid() && was.toBool() == current)
        return;
    row->setProperty(currentMark, current);
    if (!was.isValid())
        forgetView(row);
    row->setAccessibleDescription(current ? QStringLiteral("current") : QString());
    if (was.isValid()) {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(row, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void reportCaret(QLineEdit *field)
{
    if (field->text().isEmpty())
        field->setText(QString());
}

QString describeURL(const QString &url)
{
    const QUrl u(url, QUrl::TolerantMode);
    const QString scheme = u.scheme().toLower();
    if (scheme == u"tel")
        return QStringLiteral("Opens your phone or calling app");
    if (scheme == u"sms")
        return QStringLiteral("Opens your phone or texting app");
    if (scheme == u"mailto")
        return QStringLiteral("Opens your email app");
    QString host = u.host();
    if (host.startsWith(QLatin1String("www.")))
        host.remove(0, 4);
    if (host.isEmpty())
        return QStringLiteral("Opens the link in your browser");
    return QStringLiteral("Opens ") + host + QStringLiteral(" in your browser");
}

} // namespace MBAccessible
