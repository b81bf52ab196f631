#include "widgets/TLLabel.h"

#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"

#include <array>

namespace {

// A label that remembers its height for the last few widths asked. Qt lays
// the text out again on every ask (nested layouts ask each label several
// times per pass), and a selectable label repaints itself while doing so: a
// page of cards laid out again for one small change would lay out and
// repaint every label on it.
class TextLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override
    {
        const State state{text(), font(), wordWrap(), margin(), indent(), contentsMargins()};
        if (!(state == m_state)) {
            m_state = state;
            m_heights.fill({-1, -1});
        }
        for (const auto &[w, h] : m_heights) {
            if (w == width)
                return h;
        }
        const int h = QLabel::heightForWidth(width);
        m_heights[m_next] = {width, h};
        m_next = (m_next + 1) % m_heights.size();
        return h;
    }

private:
    // Everything besides the width that the height depends on.
    struct State
    {
        QString text;
        QFont font;
        bool wrap = false;
        int margin = 0;
        int indent = 0;
        QMargins contents;
        bool operator==(const State &) const = default;
    };
    mutable State m_state;
    mutable std::array<std::pair<int, int>, 4> m_heights{{{-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}}};
    mutable size_t m_next = 0;
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
