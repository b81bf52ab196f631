#include "look/kit/MBClickRun.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace {

// Notes a button's presses on its run and eats those that go on it, with the
// releases that end them, so the button is never down and no click comes of
// them.
class MouseHold final : public QObject
{
public:
    MouseHold(QAbstractButton *button, MBClickRun *run)
        : QObject(button), m_run(run)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_run->press()) {
                m_eaten = true;
                return true;
            }
            m_eaten = false;
            return false;
        case QEvent::MouseButtonRelease:
            if (m_eaten && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                m_eaten = false;
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    MBClickRun *m_run;
    bool m_eaten = false;
};

} // namespace

bool MBClickRun::press()
{
    const bool repeat =
        m_last.isValid() && m_last.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
    m_last.start();
    return repeat;
}

void MBClickRun::holdMouse(QAbstractButton *button, MBClickRun *run)
{
    new MouseHold(button, run);
}
