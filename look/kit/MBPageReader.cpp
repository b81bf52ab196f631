#include "look/kit/MBPageReader.h"

#include "look/kit/MBAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QScrollArea>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>

namespace {

const char *const kReader = "mbPageReader";
// Where the caret stands, as an offset into the page's text.
const char *const kCaret = "mbPageReaderCaret";
// The scroll bar's value at the last scroll, to tell down from up.
const char *const kLastScroll = "mbPageReaderLastScroll";
// Set while a step back scrolls, which keeps the caret where the step put it.
const char *const kSteppingBack = "mbPageReaderSteppingBack";

struct Paragraph
{
    QString text;
    QRect place; // in the page's content
    qsizetype start = 0;
};

// The page's paragraphs as last read, kept while its content stays the same
// widget at the same size: a scroll asks for them every time.
class Paragraphs final : public QObject
{
public:
    explicit Paragraphs(QScrollArea *page) : QObject(page) { setObjectName(QStringLiteral("mbPageReaderText")); }

    const QList<Paragraph> &of(const QScrollArea *page)
    {
        QWidget *content = page->widget();
        if (content != m_content || !content || content->size() != m_size) {
            m_content = content;
            m_size = content ? content->size() : QSize();
            m_all = read(content);
        }
        return m_all;
    }

private:
    // The labels top to bottom, one paragraph each; a bullet's mark alone is
    // no paragraph.
    static QList<Paragraph> read(QWidget *content)
    {
        QList<Paragraph> out;
        if (!content)
            return out;
        for (QLabel *label : content->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(content))
                continue;
            const QString text = MBAccessible::shownText(label).simplified();
            if (text.size() < 2)
                continue;
            out.append({text, QRect(label->mapTo(content, QPoint(0, 0)), label->size())});
        }
        std::stable_sort(out.begin(), out.end(), [](const Paragraph &a, const Paragraph &b) {
            return a.place.top() != b.place.top() ? a.place.top() < b.place.top() : a.place.left() < b.place.left();
        });
        // Read after the last one, below it, so that a step on at the foot
        // of the page says where the reader is.
        if (!out.isEmpty())
            out.append({QStringLiteral("End of the page."), QRect(0, content->height(), content->width(), 0)});
        qsizetype at = 0;
        for (Paragraph &p : out) {
            p.start = at;
            at += p.text.size() + 1;
        }
        return out;
    }

    QPointer<QWidget> m_content;
    QSize m_size;
    QList<Paragraph> m_all;
};

QList<Paragraph> paragraphs(const QScrollArea *page)
{
    auto *cache = page->findChild<Paragraphs *>(QStringLiteral("mbPageReaderText"), Qt::FindDirectChildrenOnly);
    return cache ? cache->of(page) : QList<Paragraph>();
}

// The paragraph that holds `offset` (the last one past the end).
qsizetype paragraphAt(const QList<Paragraph> &all, qsizetype offset)
{
    qsizetype i = 0;
    while (i + 1 < all.size() && all.at(i + 1).start <= offset)
        ++i;
    return i;
}

// The first paragraph whose foot shows below the top of the view.
qsizetype topInView(const QScrollArea *page, const QList<Paragraph> &all)
{
    const int top = page->verticalScrollBar()->value();
    for (qsizetype i = 0; i < all.size(); ++i)
        if (all.at(i).place.bottom() > top)
            return i;
    return std::max<qsizetype>(0, all.size() - 1);
}

class Reader final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit Reader(QScrollArea *page) : QAccessibleWidget(page, QAccessible::Client) {}

    QScrollArea *page() const { return static_cast<QScrollArea *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return whole().mid(start, end - start); }
    int characterCount() const override { return int(whole().size()); }
    int cursorPosition() const override { return page()->property(kCaret).toInt(); }

    void setCursorPosition(int position) override
    {
        const QList<Paragraph> all = paragraphs(page());
        if (all.isEmpty())
            return;
        // Reading along: the paragraph read comes to the top of the view.
        const Paragraph &p = all.at(paragraphAt(all, position));
        // Set before the scroll, so it is not taken for a move of its own,
        // and again after, where the scroll settled on a paragraph beside it.
        page()->setProperty(kCaret, position);
        page()->verticalScrollBar()->setValue(p.place.top());
        page()->setProperty(kCaret, position);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        const QString all = whole();
        offset = std::clamp(offset, 0, int(all.size()));
        int from = 0;
        int to = int(all.size());
        switch (boundary) {
        case QAccessible::CharBoundary:
            from = offset;
            to = std::min(offset + 1, int(all.size()));
            break;
        case QAccessible::WordBoundary:
            from = offset;
            while (from > 0 && !all.at(from - 1).isSpace())
                --from;
            to = offset;
            while (to < all.size() && !all.at(to).isSpace())
                ++to;
            break;
        case QAccessible::NoBoundary:
            break;
        default: {
            // A sentence, a line, a paragraph: the paragraph.
            const QList<Paragraph> ps = paragraphs(page());
            if (ps.isEmpty())
                break;
            const Paragraph &p = ps.at(paragraphAt(ps, offset));
            from = int(p.start);
            to = int(p.start + p.text.size());
            break;
        }
        }
        *start = from;
        *end = to;
        return all.mid(from, to - from);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        int from = 0;
        int to = 0;
        textAtOffset(offset, boundary, &from, &to);
        if (from <= 0) {
            *start = *end = 0;
            return QString();
        }
        return textAtOffset(from - 1, boundary, start, end);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        int from = 0;
        int to = 0;
        textAtOffset(offset, boundary, &from, &to);
        if (to + 1 >= characterCount()) {
            *start = *end = characterCount();
            return QString();
        }
        return textAtOffset(to + 1, boundary, start, end);
    }

    QRect characterRect(int offset) const override
    {
        const QList<Paragraph> all = paragraphs(page());
        if (all.isEmpty() || !page()->widget())
            return QRect();
        const QRect r = all.at(paragraphAt(all, offset)).place;
        return QRect(page()->widget()->mapToGlobal(r.topLeft()), r.size());
    }

    int offsetAtPoint(const QPoint &point) const override
    {
        QWidget *content = page()->widget();
        if (!content)
            return -1;
        const QPoint at = content->mapFromGlobal(point);
        for (const Paragraph &p : paragraphs(page()))
            if (p.place.contains(at))
                return int(p.start);
        return -1;
    }

    void scrollToSubstring(int start, int) override { setCursorPosition(start); }

    QString attributes(int offset, int *start, int *end) const override
    {
        textAtOffset(offset, QAccessible::ParagraphBoundary, start, end);
        return QString();
    }

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

private:
    QString whole() const
    {
        QStringList texts;
        for (const Paragraph &p : paragraphs(page()))
            texts << p.text;
        return texts.join(u'\n');
    }
};

void moveCaret(QScrollArea *page, qsizetype offset)
{
    page->setProperty(kCaret, int(offset));
    QAccessibleTextCursorEvent moved(page, int(offset));
    QAccessible::updateAccessibility(&moved);
}

// A scroll moves the caret to the paragraph now at the top, and a screen
// reader following the focus says it; a scroll on down keeps a caret that
// stepped further than the top, and a step back keeps the caret it placed.
void followScroll(QScrollArea *page, int value)
{
    const int before = page->property(kLastScroll).toInt();
    page->setProperty(kLastScroll, value);
    if (!page->hasFocus() || page->property(kSteppingBack).toBool())
        return;
    const QList<Paragraph> all = paragraphs(page);
    if (all.isEmpty())
        return;
    const qsizetype caret = paragraphAt(all, page->property(kCaret).toInt());
    const qsizetype top = topInView(page, all);
    if (caret == top || (value > before && caret > top))
        return;
    moveCaret(page, all.at(top).start);
}

// Moves the caret to paragraph `to`. Where the step found no paragraph
// further (the first one, or the end of the page), the caret moves within it
// instead: Orca says nothing of a caret event at the place it last heard.
void stepTo(QScrollArea *page, const QList<Paragraph> &all, qsizetype to)
{
    const qsizetype start = all.at(to).start;
    moveCaret(page, page->property(kCaret).toInt() == start ? start + 1 : start);
}

// A step or a page on (Down, Page Down, Space) that brings no new paragraph
// to the top (at the foot of the page, or inside a tall paragraph) moves the
// caret to the next one, so every paragraph is read in turn. Checked once
// the scroll has landed.
void stepOnward(QScrollArea *page)
{
    const int caret = page->property(kCaret).toInt();
    QMetaObject::invokeMethod(
        page,
        [page, caret] {
            if (page->property(kCaret).toInt() != caret)
                return;
            const QList<Paragraph> all = paragraphs(page);
            if (!all.isEmpty())
                stepTo(page, all, std::min(paragraphAt(all, caret) + 1, all.size() - 1));
        },
        Qt::QueuedConnection);
}

// A step or a page back (Up, Page Up, Shift+Space) moves the caret one
// paragraph back from where it stands, not to the top of the view, which
// after reading to the foot of the page lies many paragraphs back. Done
// before the scroll, which the action brings next.
void stepBack(QScrollArea *page)
{
    const QList<Paragraph> all = paragraphs(page);
    if (all.isEmpty())
        return;
    stepTo(page, all, std::max<qsizetype>(0, paragraphAt(all, page->property(kCaret).toInt()) - 1));
    page->setProperty(kSteppingBack, true);
    QMetaObject::invokeMethod(page, [page] { page->setProperty(kSteppingBack, false); }, Qt::QueuedConnection);
}

void followStep(QScrollArea *page, int action)
{
    if (!page->hasFocus())
        return;
    if (action == QAbstractSlider::SliderSingleStepAdd || action == QAbstractSlider::SliderPageStepAdd)
        stepOnward(page);
    else if (action == QAbstractSlider::SliderSingleStepSub || action == QAbstractSlider::SliderPageStepSub)
        stepBack(page);
}

} // namespace

namespace MBPageReader {

void mark(QScrollArea *page)
{
    page->setProperty(kReader, true);
    page->setProperty(kCaret, 0);
    new Paragraphs(page);
    QScrollBar *bar = page->verticalScrollBar();
    page->setProperty(kLastScroll, bar->value());
    QObject::connect(bar, &QScrollBar::valueChanged, page, [page](int value) { followScroll(page, value); });
    QObject::connect(bar, &QScrollBar::actionTriggered, page, [page](int action) { followStep(page, action); });
}

bool isMarked(const QWidget *widget) { return widget->property(kReader).toBool(); }

QAccessibleInterface *interfaceFor(QScrollArea *page) { return new Reader(page); }

} // namespace MBPageReader
