#include "look/kit/MBAccessible.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocumentFragment>
#include <QUrl>

namespace MBAccessible {
namespace {
constexpr char roleMark[] = "mbRole";
constexpr char currentMark[] = "mbCurrent";
} // namespace

void markRole(QWidget *widget, QAccessible::Role role) { widget->setProperty(roleMark, int(role)); }

QAccessible::Role markedRole(const QWidget *widget)
{
    return QAccessible::Role(widget->property(roleMark).toInt());
}

void markPlace(QAbstractButton *row) { row->setProperty(currentMark, false); }

bool isPlace(const QWidget *widget) { return widget->property(currentMark).isValid(); }

bool isCurrent(const QWidget *widget) { return widget->property(currentMark).toBool(); }

void setCurrent(QAbstractButton *row, bool current)
{
    if (isCurrent(row) == current)
        return;
    row->setProperty(currentMark, current);
    row->setAccessibleDescription(current ? QStringLiteral("current") : QString());
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(row, changed);
    QAccessible::updateAccessibility(&event);
}

void reportCaret(QLineEdit *field)
{
    if (field->text().isEmpty())
        field->setText(QString());
}

QString shownText(const QLabel *label)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
                      || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
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
