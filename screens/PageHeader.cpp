#include "screens/PageHeader.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYTheme.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr float kTint = 0.13f;

// The symbol in a circle of the accent at low opacity; colours are read at
// every paint so the badge follows the theme.
class IconBadge final : public QWidget
{
public:
    IconBadge(const QString &icon, double side, double glyph, QWidget *parent = nullptr)
        : QWidget(parent), m_icon(icon), m_glyph(glyph)
    {
        const int s = qRound(side);
        setFixedSize(s, s);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const TLPalette palette = TLPalette::current();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor tint = palette.accent;
        tint.setAlphaF(kTint);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawEllipse(QRectF(rect()));
        // The tint lies over the window's background, lit toward the top.
        p.setPen(palette.readable(palette.accent,
                                    {MRBYTheme::mix(palette.accent, palette.bg, kTint),
                                     MRBYTheme::mix(palette.accent, palette.panelTop, kTint)},
                                    TLPalette::figureRatio));
        p.setFont(MBSymbols::font(m_glyph));
        p.drawText(rect(), Qt::AlignCenter, MBSymbols::glyph(m_icon));
    }

private:
    QString m_icon;
    double m_glyph;
};

} // namespace

PageHeader::PageHeader(const QString &icon, const QString &title, const QString &text,
                       QWidget *parent)
    : QWidget(parent), m_icon(icon), m_title(title), m_text(text)
{
    m_badge = new IconBadge(icon, tlPx(52), tlPx(26));

    m_titleLabel = tlHeading(title, 25);
    m_textLabel = tlLabel(text, 14.5, FontWeight::Regular, TLPalette::current().dim);

    auto *texts = mbColumn(nullptr, ipx(4));
    texts->addWidget(m_titleLabel);
    texts->addWidget(m_textLabel);

    auto *row = mbRow(this, ipx(14));
    row->addWidget(m_badge, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
}
