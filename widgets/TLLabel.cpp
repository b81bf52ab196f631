#include "widgets/TLLabel.h"

#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A word wider than this many average characters may be broken anywhere:
// typed text (a name, a note) can hold a word far wider than any page.
constexpr int kLongWord = 20;

// A label that remembers its height for the last few widths asked. Qt lays
// the text out again on every ask (nested layouts ask each label several
// times per pass), and a selectable label repaints itself while doing so: a
// page of cards laid out again for one small change would lay out and
// repaint every label on it.
//
// A wrapping label whose text holds a word too long for a line breaks that
// word anywhere (QLabel only breaks between words, and would be as wide as
// the word), and lays out and paints such text itself.
class TextLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override
    {
        refresh();
        for (const auto &[w, h] : m_heights) {
            if (w == width)
                return h;
        }
        const int h = m_breaksWords ? wrappedHeight(width) : QLabel::heightForWidth(width);
        m_heights[m_next] = {width, h};
        m_next = (m_next + 1) % m_heights.size();
        return h;
    }

    QSize minimumSizeHint() const override
    {
        refresh();
        if (!m_breaksWords)
            return QLabel::minimumSizeHint();
        const int width = longWord() + frame().width();
        return {width, std::min(wrappedHeight(QWIDGETSIZE_MAX), heightForWidth(width))};
    }

    QSize sizeHint() const override
    {
        refresh();
        if (!m_breaksWords)
            return QLabel::sizeHint();
        const int width = std::min(QLabel::sizeHint().width(), 4 * longWord() + frame().width());
        return {width, heightForWidth(width)};
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        refresh();
        if (!m_breaksWords) {
            QLabel::paintEvent(event);
            return;
        }
        const QRect box = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
        QTextLayout layout(shownText(), font());
        const int height = lay(layout, box.width());
        int top = box.top();
        if (alignment() & Qt::AlignVCenter)
            top += (box.height() - height) / 2;
        else if (alignment() & Qt::AlignBottom)
            top += box.height() - height;
        QPainter p(this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        layout.draw(&p, QPointF(box.left(), top));
    }

private:
    // Plain text that wraps and is only read (a selectable or rich-text
    // label is QLabel's to lay out), with a word longer than a line can be.
    void refresh() const
    {
        const State state{text(),   font(),           wordWrap(),          margin(),
                          indent(), contentsMargins(), int(textFormat()), int(textInteractionFlags())};
        if (state == m_state)
            return;
        m_state = state;
        m_heights.fill({-1, -1});
        m_breaksWords = false;
        const Qt::TextInteractionFlags control =
            Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
        if (!wordWrap() || textFormat() != Qt::PlainText || (textInteractionFlags() & control))
            return;
        static const QRegularExpression space(QStringLiteral("\\s+"));
        const QFontMetrics metrics(font());
        int widest = 0;
        for (const QString &word : text().split(space, Qt::SkipEmptyParts))
            widest = std::max(widest, metrics.horizontalAdvance(word));
        m_breaksWords = widest > longWord();
    }

    int longWord() const { return kLongWord * fontMetrics().averageCharWidth(); }
    QSize frame() const
    {
        const QMargins m = contentsMargins();
        return {m.left() + m.right() + 2 * margin(), m.top() + m.bottom() + 2 * margin()};
    }
    // The text as QTextLayout takes it: a new line is a line separator.
    QString shownText() const
    {
        QString out = text();
        out.replace(u'\n', QChar::LineSeparator);
        return out;
    }
    int wrappedHeight(int width) const
    {
        QTextLayout layout(shownText(), font());
        return lay(layout, width - frame().width()) + frame().height();
    }
    // Lays the text out in lines of `width` as QLabel spaces its lines, and
    // returns its height.
    int lay(QTextLayout &layout, int width) const
    {
        QTextOption option(QFlag(int(alignment() & Qt::AlignHorizontal_Mask)));
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        const qreal leading = QFontMetricsF(font()).leading();
        qreal height = -leading;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(std::max(1, width));
            height = std::ceil(height + leading);
            line.setPosition(QPointF(0, height));
            height += line.height();
        }
        layout.endLayout();
        return int(std::ceil(std::max<qreal>(0, height)));
    }

    // Everything besides the width that the height depends on.
    struct State
    {
        QString text;
        QFont font;
        bool wrap = false;
        int margin = 0;
        int indent = 0;
        QMargins contents;
        int format = 0;
        int interaction = 0;
        bool operator==(const State &) const = default;
    };
    mutable State m_state;
    mutable std::array<std::pair<int, int>, 4> m_heights{{{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}}};
    mutable size_t m_next = 0;
    mutable bool m_breaksWords = false;
};

} // namespace

QLabel *tlLabel(const QString &text, double size, FontWeight weight, std::optional<QColor> color,
                bool wrap, QWidget *parent)
{
    auto *label = new TextLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(tlFont(size, weight));
    label->setWordWrap(wrap);
    // Inside a button a label would take the button's text role otherwise.
    label->setForegroundRole(QPalette::WindowText);
    if (color)
        tlSetTextColor(label, *color);
    return label;
}

QLabel *tlHeading(const QString &text, double size)
{
    // Marked before its text is set, when Qt makes the label's view.
    QLabel *title = tlLabel(QString(), size, FontWeight::Heavy);
    MBAccessible::markRole(title, QAccessible::Heading);
    title->setText(text);
    return title;
}

void tlSetTextColor(QWidget *widget, const QColor &color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    widget->setPalette(p);
}
