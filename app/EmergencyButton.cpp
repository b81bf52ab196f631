#include "app/EmergencyButton.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

EmergencyButton::EmergencyButton(EmergencyAction action, Tap tap, QWidget *parent)
    : QAbstractButton(parent),
      m_action(action),
      m_tap(std::move(tap)),
      m_symbolFont(MBSymbols::font(tlPx(15))),
      m_titleFont(tlFont(15, FontWeight::Heavy)),
      m_subtitleFont(tlFont(10, FontWeight::Semibold)),
      m_zoom(MBZoomScope::current()),
      m_padX(px(14)),
      m_padY(px(7)),
      m_gap(px(8)),
      // Room for the soft shadow below the capsule.
      m_shadow(ipx(3), ipx(2), ipx(3), ipx(6))
{
    setObjectName(action.id());
    setText(action.title());
    setToolTip(action.title() + QStringLiteral(" \u2014 ") + action.subtitle());
    setAccessibleName(action.title() + QStringLiteral(", ") + action.subtitle());
    // What a press does, not the name again (Qt would read the tooltip).
    setAccessibleDescription(MBAccessible::describeURL(action.url()));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    // Tab, Shift+Tab or a click bring the focus here, never a window opening
    // or a screen going away: Space or Return here calls.
    MBKeyboard::guardFocus(this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Many people double-click by habit, or click again while nothing seems
    // to happen: a run of clicks calls once.
    MBClickRun::holdMouse(this);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_tap)
            m_tap();
    });
}

QColor EmergencyButton::colorFor(EmergencyAction action)
{
    switch (action.value()) {
    case EmergencyAction::call911: return TLPalette::red911();
    case EmergencyAction::call211: return TLPalette::green211();
    case EmergencyAction::call988:
    case EmergencyAction::text988: break;
    }
    return TLPalette::blue988();
}

QColor EmergencyButton::borderColor() const
{
    QColor white(Qt::white);
    if (!TLPalette::current().highContrast)
        white.setAlphaF(0.35);
    return white;
}

double EmergencyButton::borderWidth() const
{
    return TLPalette::current().outlineWidth(m_zoom);
}

void EmergencyButton::setShrink(double factor)
{
    factor = std::clamp(factor, 0.1, 1.0);
    if (qFuzzyCompare(factor, m_shrink))
        return;
    m_shrink = factor;
    updateGeometry();
    update();
}

QSize EmergencyButton::sizeHint() const
{
    const QSize full = fullSize();
    return QSize(int(std::floor(full.width() * m_shrink)), int(std::floor(full.height() * m_shrink)));
}

QSize EmergencyButton::fullSize() const
{
    const QFontMetricsF sym(m_symbolFont);
    const QFontMetricsF title(m_titleFont);
    const QFontMetricsF sub(m_subtitleFont);
    const QString glyph = MBSymbols::glyph(m_action.icon());
    const double textW = std::max(title.horizontalAdvance(m_action.title()),
                                  sub.horizontalAdvance(m_action.subtitle()));
    const double w = 2 * m_padX + sym.horizontalAdvance(glyph) + m_gap + textW;
    const double h = 2 * m_padY + std::max(sym.height(), title.height() + sub.height());
    return QSize(int(std::ceil(w)) + m_shadow.left() + m_shadow.right(),
                 int(std::ceil(h)) + m_shadow.top() + m_shadow.bottom());
}

QRectF EmergencyButton::capsuleRect() const
{
    // In the unshrunk coordinates that painting uses.
    const QSize full = fullSize();
    return QRectF(QRect(QPoint(0, 0), full).marginsRemoved(m_shadow));
}

bool EmergencyButton::hitButton(const QPoint &pos) const
{
    const QRectF r = capsuleRect();
    return MBPanel::shape(r, r.height() / 2).contains(QPointF(pos) / m_shrink);
}

void EmergencyButton::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    const QColor base = color();
    const QRectF r = capsuleRect();
    const double radius = r.height() / 2;

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(m_shrink, m_shrink);

    // Shadow in the button's colour, 2 points down, softened by a few rings.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 0; --i) {
        QColor shade = base;
        shade.setAlphaF(0.35 * (i == 0 ? 0.5 : 0.5 / (i + 1)));
        const double grow = i * m_zoom;
        const QRectF s = r.translated(0, 2 * m_zoom).adjusted(-grow, -grow, grow, grow);
        p.setBrush(shade);
        p.drawRoundedRect(s, s.height() / 2, s.height() / 2);
    }

    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    QColor top = base;
    top.setAlphaF(0.92);
    fill.setColorAt(0, top);
    fill.setColorAt(1, base);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    if (isDown()) {
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(r, radius, radius);
    }

    MBPanel::strokeInside(p, r, radius, QPen(borderColor(), borderWidth()));

    if (hasFocus())
        MBFocusRing::paint(p, r, radius, palette.accentIcon(), m_zoom, MBFocusRing::Side::Outside);

    // Label: symbol, then title over subtitle, all white.
    const QFontMetricsF sym(m_symbolFont);
    const QFontMetricsF title(m_titleFont);
    const QFontMetricsF sub(m_subtitleFont);
    const QString glyph = MBSymbols::glyph(m_action.icon());
    const double glyphW = sym.horizontalAdvance(glyph);
    double x = r.left() + m_padX;
    p.setPen(Qt::white);
    p.setFont(m_symbolFont);
    p.drawText(QRectF(x, r.top(), glyphW + 1, r.height()), Qt::AlignVCenter | Qt::AlignLeft, glyph);
    x += glyphW + m_gap;

    const double textH = title.height() + sub.height();
    const double y = r.top() + (r.height() - textH) / 2;
    p.setFont(m_titleFont);
    p.drawText(QRectF(x, y, r.right() - x, title.height()), Qt::AlignLeft | Qt::AlignVCenter,
               m_action.title());
    QColor subColor(Qt::white);
    subColor.setAlphaF(0.92);
    p.setPen(subColor);
    p.setFont(m_subtitleFont);
    p.drawText(QRectF(x, y + title.height(), r.right() - x, sub.height()),
               Qt::AlignLeft | Qt::AlignVCenter, m_action.subtitle());
}
