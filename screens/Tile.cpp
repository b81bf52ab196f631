#include "screens/Tile.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

Tile::Tile(const QString &icon, const QString &title, bool prominent, QWidget *parent)
    : QAbstractButton(parent), m_icon(icon), m_title(title), m_prominent(prominent), m_zoom(MBZoomScope::current())
{
    setObjectName(QStringLiteral("tile"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(title);
    const TLPalette palette = TLPalette::current();
    const double scale = TLStyle::scale();

    auto *row = new QHBoxLayout(this);
    const int vpad = ipx(prominent ? 18 : 12);
    row->setContentsMargins(ipx(14), vpad, ipx(14), vpad);
    row->setSpacing(ipx(12));

    auto *symbol = new MBSymbolView(icon, px((prominent ? 22 : 17) * scale));
    symbol->setBoxWidth(px(34 * scale));
    symbol->setColor(prominent ? palette.onAccent : palette.accentIcon());
    row->addWidget(symbol, 0, Qt::AlignVCenter);

    m_label = tlLabel(title, prominent ? 16 : 14, FontWeight::Bold, prominent ? palette.onAccent : palette.text);
    m_label->setObjectName(QStringLiteral("tileTitle"));
    row->addWidget(m_label, 1, Qt::AlignVCenter);

    auto *chevron = new MBSymbolView(QStringLiteral("chevron.right"), tlPx(prominent ? 16 : 14));
    QColor chevronColor = prominent ? palette.onAccent : palette.dim;
    if (prominent)
        chevronColor.setAlphaF(0.8f);
    chevron->setColor(chevronColor);
    row->addWidget(chevron, 0, Qt::AlignVCenter);

    setMinimumHeight(ipx((prominent ? 70 : 50) * scale));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

double Tile::outlineWidth() const
{
    return (TLPalette::current().highContrast ? 2.0 : 1.0) * m_zoom;
}

void Tile::paintEvent(QPaintEvent *)
{
    const TLPalette p = TLPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (isDown())
        painter.setOpacity(0.8);
    const QRectF r(rect());
    const double radius = 16 * m_zoom;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (m_prominent) {
        QColor top = p.accent;
        top.setAlphaF(0.88f);
        fill.setColorAt(0, top);
        fill.setColorAt(1, p.accent);
    } else {
        fill.setColorAt(0, p.panelTop);
        fill.setColorAt(1, p.panelBottom);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(MBPanel::shape(r, radius));
    MBPanel::strokeInside(painter, r, radius, QPen(p.border, outlineWidth()));
    if (hasFocus())
        MBFocusRing::paint(painter, r, radius, m_prominent ? p.onAccent : p.accentIcon(), m_zoom);
}
