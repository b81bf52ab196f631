#pragma once
// The vertical scroll container of pages and the sidebar. With
// TLRender::snapshotMode on it does not scroll: the content keeps its natural
// height at the top and empty space takes the rest.

#include <QWidget>

class QScrollArea;

class TLScroll : public QWidget
{
    Q_OBJECT
public:
    // Takes ownership of `content`.
    explicit TLScroll(QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    // The scroll area, or null when built in snapshot mode.
    QScrollArea *scrollArea() const { return m_scroll; }

private:
    QWidget *m_content;
    QScrollArea *m_scroll = nullptr;
};
