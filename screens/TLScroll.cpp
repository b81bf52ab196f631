#include "screens/TLScroll.h"

#include "screens/TLRender.h"

#include "look/kit/MBZoom.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

TLScroll::TLScroll(QWidget *content, QWidget *parent) : QWidget(parent), m_content(content)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    if (TLRender::snapshotMode) {
        layout->addWidget(content);
        layout->addStretch(1);
        return;
    }

    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The window's background shows through.
    m_scroll->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setWidget(content);
    // setWidget() turns the content's background on; the window's shows through.
    content->setAutoFillBackground(false);
    // A slim bar without arrow buttons, in the colours of the palette.
    m_scroll->verticalScrollBar()->setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: %1px; margin: 2px 1px 2px 1px; }"
        "QScrollBar::handle:vertical { background: palette(mid); border-radius: %2px; min-height: %3px; }"
        "QScrollBar::handle:vertical:hover { background: palette(dark); }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }")
        .arg(ipx(10)).arg(ipx(4)).arg(ipx(32)));
    layout->addWidget(m_scroll);
}
