#include "app/MainWindow.h"

#include "app/EmergencyBar.h"
#include "app/ScreenHost.h"
#include "app/Sidebar.h"
#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MBZoomHost.h"
#include "services/AppModel.h"

#include <QHBoxLayout>
#include <QPainter>
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
    auto *column = mbColumn(this, 0);

    m_bar = new EmergencyBar;
    MBZoomHost::markPinned(m_bar);
    column->addWidget(m_bar);

    auto *row = mbRow(nullptr, 0);
    m_sidebar = new Sidebar(model);
    m_sidebar->setFixedWidth(ipx(250));
    row->addWidget(m_sidebar);
    row->addWidget(new VerticalRule);
    m_host = new ScreenHost(model);
    m_host->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(m_host, 1);
    column->addLayout(row, 1);
}
