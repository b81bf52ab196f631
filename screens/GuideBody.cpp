#include "screens/GuideBody.h"

#include "data/GuideMarkup.h"
#include "data/HorizontalSpace.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <optional>

namespace {

using Kind = GuideBody::Line::Kind;

// A line of body text: rich text from md(), selectable, wrapping.
QLabel *lineLabel(const QString &line, FontWeight weight, std::optional<QColor> color = std::nullopt)
{
    QLabel *label = tlLabel(QString(), 15, weight, color);
    label->setTextFormat(Qt::RichText);
    label->setText(GuideBody::md(line));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The red box behind a warning line; its colour does not follow the theme.
class WarningBox final : public QWidget
{
public:
    explicit WarningBox(const QString &line) : m_radius(px(12))
    {
        setObjectName(QStringLiteral("guideWarning"));
        auto *row = new QHBoxLayout(this);
        const int pad = ipx(12);
        row->setContentsMargins(pad, pad, pad, pad);
        row->setSpacing(ipx(10));
        auto *symbol = new MBSymbolView(QStringLiteral("exclamationmark.triangle.fill"), tlPx(15));
        symbol->setColor(Qt::white);
        QLabel *text = lineLabel(line, FontWeight::Bold, QColor(Qt::white));
        text->setObjectName(QStringLiteral("guideWarningText"));
        row->addWidget(symbol, 0, Qt::AlignTop);
        row->addWidget(text, 1);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(TLPalette::red911());
        p.drawRoundedRect(QRectF(rect()), m_radius, m_radius);
    }

private:
    double m_radius;
};

QWidget *headingRow(const QString &text, const TLPalette &palette)
{
    // Shown as typed: a heading takes no inline marks.
    QLabel *label = tlLabel(text, 17, FontWeight::Bold, palette.accentText());
    label->setObjectName(QStringLiteral("guideHeading"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setContentsMargins(0, ipx(6), 0, 0);
    return label;
}

QWidget *bulletRow(const QString &text, const TLPalette &palette)
{
    auto *row = new QWidget;
    row->setObjectName(QStringLiteral("guideBullet"));
    auto *h = mbRow(row, ipx(9));
    // Same size as the text and both top-aligned, so they share the first baseline.
    QLabel *mark = tlLabel(QStringLiteral("\u2022"), 15, FontWeight::Bold, palette.accentText(), false);
    QLabel *label = lineLabel(text, FontWeight::Regular);
    label->setObjectName(QStringLiteral("guideBulletText"));
    h->addWidget(mark, 0, Qt::AlignTop);
    h->addWidget(label, 1);
    return row;
}

QWidget *paragraphRow(const QString &text)
{
    QLabel *label = lineLabel(text, FontWeight::Regular);
    label->setObjectName(QStringLiteral("guideParagraph"));
    return label;
}

struct Mark
{
    qsizetype at;
    bool canOpen;
    bool canClose;
    int partner = -1;
};

// Every "**" of the line, left to right, without overlaps. Like Markdown, a
// mark opens only before a non-space and closes only after one.
QList<Mark> boldMarks(const QString &text)
{
    const QString &bold = GuideMarkup::bold;
    QList<Mark> marks;
    for (qsizetype i = text.indexOf(bold); i >= 0; i = text.indexOf(bold, i + bold.size())) {
        const qsizetype after = i + bold.size();
        marks.append({i, after < text.size() && !text.at(after).isSpace(),
                      i > 0 && !text.at(i - 1).isSpace()});
    }
    return marks;
}

// Pairs each closing mark with the nearest open one before it, so pairs nest
// and never cross; a pair around nothing is no pair.
void pairMarks(QList<Mark> &marks)
{
    QList<int> open;
    for (int i = 0; i < marks.size(); ++i) {
        Mark &m = marks[i];
        if (m.canClose && !open.isEmpty()
            && marks.at(open.last()).at + GuideMarkup::bold.size() < m.at) {
            m.partner = open.takeLast();
            marks[m.partner].partner = i;
        } else if (m.canOpen) {
            open.append(i);
        }
    }
}

} // namespace

GuideBody::Line GuideBody::classify(const QString &line)
{
    const QString trimmed = trimmedHorizontal(line);
    if (trimmed.isEmpty())
        return {Kind::Blank, QString()};
    const std::pair<const QString &, Kind> marks[] = {
        {GuideMarkup::heading, Kind::Heading},
        {GuideMarkup::bullet, Kind::Bullet},
        {GuideMarkup::warning, Kind::Warning},
    };
    for (const auto &[mark, kind] : marks) {
        if (trimmed.startsWith(mark))
            return {kind, trimmed.mid(mark.size())};
    }
    return {Kind::Paragraph, trimmed};
}

QList<GuideBody::Line> GuideBody::lines(const QString &text)
{
    QList<Line> out;
    for (const QString &line : text.split(u'\n'))
        out.append(classify(line));
    return out;
}

QString GuideBody::md(const QString &line)
{
    // Escaping leaves "*" and spaces alone, so the marks are found as typed.
    const QString text = line.toHtmlEscaped();
    QList<Mark> marks = boldMarks(text);
    pairMarks(marks);
    QString out = QStringLiteral("<span style=\"white-space: pre-wrap\">");
    qsizetype from = 0;
    for (int i = 0; i < marks.size(); ++i) {
        const Mark &m = marks.at(i);
        if (m.partner < 0)
            continue; // stays in the text as typed
        out += text.mid(from, m.at - from);
        out += m.partner > i ? QStringLiteral("<b>") : QStringLiteral("</b>");
        from = m.at + GuideMarkup::bold.size();
    }
    out += text.mid(from);
    out += QStringLiteral("</span>");
    return out;
}

GuideBody::GuideBody(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setObjectName(QStringLiteral("guideBody"));
    const TLPalette palette = TLPalette::current();
    auto *column = mbColumn(this, ipx(9));
    for (const Line &line : lines(text)) {
        switch (line.kind) {
        case Kind::Blank:
            break; // takes no room and adds no gap
        case Kind::Heading:
            column->addWidget(headingRow(line.text, palette));
            break;
        case Kind::Bullet:
            column->addWidget(bulletRow(line.text, palette));
            break;
        case Kind::Warning:
            column->addWidget(new WarningBox(line.text));
            break;
        case Kind::Paragraph:
            column->addWidget(paragraphRow(line.text));
            break;
        }
    }
}
