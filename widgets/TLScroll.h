#pragma once
// The vertical scroll container of pages and the sidebar. A page also
// scrolls sideways when its area is narrower than its content can wrap to
// (a large zoom in a small window), so both its scroll bars stay at the
// window's edges. With TLRender::snapshotMode on it does not scroll: the
// content keeps its natural height at the top and empty space takes the rest.

#include <QWidget>

class QScrollArea;

class TLScroll : public QWidget
{
    Q_OBJECT
public:
    // Takes ownership of `content`; scrolls up and down, and sideways too
    // when `directions` holds Qt::Horizontal.
    explicit TLScroll(QWidget *content, QWidget *parent = nullptr, Qt::Orientations directions = Qt::Vertical);

    QWidget *content() const { return m_content; }
    // The scroll area, or null when built in snapshot mode.
    QScrollArea *scrollArea() const { return m_scroll; }

private:
    QWidget *m_content;
    QScrollArea *m_scroll = nullptr;
};
