#include "widgets/TLAnnouncer.h"

#include "look/kit/MBAccessible.h"

#include <QString>
#include <QWidget>

namespace {

// A status line of one pixel in the window's corner, under everything else:
// screen readers find it, the eye and the mouse do not.
class TLStatusLine final : public QWidget
{
public:
    explicit TLStatusLine(QWidget *window) : QWidget(window)
    {
        MBAccessible::markRole(this, QAccessible::StatusBar);
        setObjectName(QStringLiteral("tlStatusLine"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
        m_notice = new QWidget(this);
        MBAccessible::markRole(m_notice, QAccessible::Notification);
        m_notice->setObjectName(QStringLiteral("tlAnnouncement"));
        m_notice->setGeometry(0, 0, 1, 1);
        lower();
        show();
    }

    void say(const QString &sentence)
    {
        // Shown anew each time: a screen reader speaks a notification when it
        // appears.
        m_notice->hide();
        m_notice->setAccessibleName(sentence);
        m_notice->show();
    }

    QString said() const { return m_notice->accessibleName(); }

private:
    QWidget *m_notice;
};

TLStatusLine *lineOf(const QWidget *window)
{
    return static_cast<TLStatusLine *>(
        window->findChild<QWidget *>(QStringLiteral("tlStatusLine"), Qt::FindDirectChildrenOnly));
}

} // namespace

namespace TLAnnouncer {

void say(QWidget *from, const QString &sentence)
{
    if (!from || sentence.isEmpty())
        return;
    QWidget *window = from->window();
    TLStatusLine *line = lineOf(window);
    if (!line)
        line = new TLStatusLine(window);
    line->say(sentence);
}

QString lastSaid(const QWidget *window)
{
    const TLStatusLine *line = window ? lineOf(window) : nullptr;
    return line ? line->said() : QString();
}

} // namespace TLAnnouncer
