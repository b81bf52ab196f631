#include "widgets/TLScroll.h"

#include "look/kit/MBBoxes.h"
#include "widgets/TLRender.h"

#include <QScrollArea>
#include <QVBoxLayout>

TLScroll::TLScroll(QWidget *content, QWidget *parent, Qt::Orientations directions)
    : QWidget(parent), m_content(content)
{
    auto *layout = mbColumn(this, 0);

    if (TLRender::snapshotMode) {
        layout->addWidget(content);
        layout->addStretch(1);
        return;
    }

    m_scroll = new QScrollArea(this);
    // Its content takes the focus, not the area itself.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(directions & Qt::Horizontal ? Qt::ScrollBarAsNeeded
                                                                       : Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The window's background shows through.
    m_scroll->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setWidget(content);
    // setWidget() turns the content's background on; the window's shows through.
    content->setAutoFillBackground(false);
    layout->addWidget(m_scroll);
}
