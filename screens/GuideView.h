#pragma once
// The Survival Guide: the list of chapters on the left, scrolling on its
// own, and the chosen chapter as a page on the right, with its check line,
// sources, the disclaimer and buttons to the chapters before and after.
//
// The chapter is the model's guide chapter. When it changes only the page is
// built again (it opens at its top); the list stays, so its scroll position
// is kept and just the highlight moves. The focus goes to the new page.

#include <QList>
#include <QWidget>

class AppModel;
class Page;
class QAbstractButton;
class QHBoxLayout;
class TLScroll;
struct GuideChapter;

class GuideView : public QWidget
{
    Q_OBJECT
public:
    explicit GuideView(AppModel &model, QWidget *parent = nullptr);

    // The chapter with that number, else the first chapter.
    static const GuideChapter &chapterFor(int number);
    // The card under a chapter: its check line, its web sources as links
    // (any other address is left out) and the guide's disclaimer.
    static QWidget *sourcesCard(const GuideChapter &chapter);

    // What a screen reader calls a chapter's page.
    static QString pageName(const GuideChapter &chapter);

    // The number of the chapter shown now.
    int shownChapter() const { return m_shown; }
    TLScroll *chapterList() const { return m_list; }
    QList<QAbstractButton *> chapterButtons() const { return m_rows; }
    Page *chapterPage() const { return m_page; }

private:
    // Follows the model's chapter: moves the highlight, builds the page.
    void showChapter();
    Page *buildPage(const GuideChapter &chapter);

    AppModel &m_model;
    TLScroll *m_list;
    QList<QAbstractButton *> m_rows;
    QHBoxLayout *m_layout;
    Page *m_page = nullptr;
    double m_zoom;
    int m_shown = 0;
};
