#pragma once
// The frame of every content screen: a scrolling column at most 920 points
// wide, centred in the screen area, padded 24 points, its blocks stacked top
// to bottom 16 points apart and aligned to the leading edge. Narrower than
// its blocks can wrap to, it scrolls sideways too. It draws no background of
// its own. Its scroll area is the page the keyboard focus goes to
// (MBKeyboard::markPage): Space and the arrow keys scroll it.

#include <QList>
#include <QWidget>

class QVBoxLayout;
class TLScroll;

class Page : public QWidget
{
    Q_OBJECT
public:
    // No parent argument here: `Page({block})` must mean a page of one block.
    Page();
    // A page of the given blocks; null entries are absent blocks.
    explicit Page(const QList<QWidget *> &blocks, QWidget *parent = nullptr);

    // Appends a block; a null block is absent and takes no room.
    void addBlock(QWidget *block);
    QList<QWidget *> blocks() const { return m_blocks; }
    // Puts `now` where `old` stands; `old` goes (later, so a signal of its
    // own may be the caller).
    void replaceBlock(QWidget *old, QWidget *now);
    // Back to the top, as a page that shows something else opens.
    void scrollToTop();
    // Links the Tab stops of the blocks in the order their layouts stand
    // them, top to bottom: a part built after the page (a new row) otherwise
    // takes its Tab stops at the end of the window.
    void orderTabs();

    // The padded column (the blocks' parent) and the scroll around it.
    QWidget *column() const { return m_column; }
    TLScroll *scroll() const { return m_scroll; }

private:
    QList<QWidget *> m_blocks;
    QWidget *m_column;
    QVBoxLayout *m_layout;
    TLScroll *m_scroll;
};
