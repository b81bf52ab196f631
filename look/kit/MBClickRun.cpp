#include "look/kit/MBClickRun.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

namespace {

// Eats a held button's presses and the releases that end them, so the
// button is never down and no click comes of them.
class MouseHold final : public QObject
{
public:
    MouseHold(QAbstractButton *button, std::function<bool()> holding)
        : QObject(button), m_holding(std::move(holding))
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && m_holding()) {
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
    std::function<bool()> m_holding;
    bool m_eaten = false;
};

} // namespace

bool MBClickRun::within() const
{
    return m_last.isValid() && m_last.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

bool MBClickRun::press()
{
    const bool repeat = within();
    m_last.start();
    return repeat;
}

void MBClickRun::holdMouse(QAbstractButton *button, std::function<bool()> holding)
{
    new MouseHold(button, std::move(holding));
}
