#include "app/MainWindow.h"

#include "app/AppModel.h"
#include "app/EmergencyBar.h"
#include "app/ScreenHost.h"
#include "app/Sidebar.h"
#include "look/app/TLPalette.h"
#include "look/kit/MBZoom.h"
#include "screens/TLScroll.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The rule between the sidebar and the screen, in the theme's border colour.
class VerticalRule final : public QWidget
{
public:
    VerticalRule() { setFixedWidth(std::max(1, ipx(1))); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), TLPalette::current().border);
    }
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : MainWindow(AppModel::shared(), parent) {}

MainWindow::MainWindow(AppModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("mainWindow"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_bar = new EmergencyBar;
    column->addWidget(m_bar);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_sidebar = new Sidebar(model);
    m_sidebar->setFixedWidth(ipx(250));
    row->addWidget(m_sidebar);
    row->addWidget(new VerticalRule);
    m_host = new ScreenHost(model);
    m_host->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(m_host, 1);
    // Another screen may need another width.
    connect(m_host, &ScreenHost::rebuilt, this, &MainWindow::scheduleFit);
    column->addLayout(row, 1);
}

// A zoomed window can be laid out wider than what shows; the emergency
// buttons and the centred pages keep to the visible part, the hidden width
// becoming a trailing margin.
int MainWindow::hiddenWidth() const
{
    if (!m_viewport)
        return 0;
    return std::max(0, width() - m_viewport->width());
}

void MainWindow::fitVisibleWidth()
{
    m_fitPending = false;
    const int hidden = hiddenWidth();
    m_bar->setTrailingInset(hidden);
    // A page keeps the width its column needs; what does not fit in the part
    // that shows is reached by scrolling the window, never cut off.
    int needed = 0;
    if (QWidget *screen = m_host->current()) {
        for (const TLScroll *scroll : screen->findChildren<TLScroll *>()) {
            int width = scroll->content()->minimumSizeHint().width();
            if (const QScrollArea *area = scroll->scrollArea())
                width += area->verticalScrollBar()->sizeHint().width();
            needed = std::max(needed, width);
        }
    }
    m_host->setContentsMargins(0, 0, std::clamp(hidden, 0, std::max(0, m_host->width() - needed)), 0);
}

void MainWindow::scheduleFit()
{
    if (m_fitPending)
        return;
    m_fitPending = true;
    QTimer::singleShot(0, this, [self = QPointer<MainWindow>(this)] {
        if (self)
            self->fitVisibleWidth();
    });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_viewport) {
        for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
            if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
                m_viewport = area->viewport();
                m_viewport->installEventFilter(this);
                break;
            }
        }
    }
    scheduleFit();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scheduleFit();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && event->type() == QEvent::Resize)
        scheduleFit();
    return QWidget::eventFilter(watched, event);
}
