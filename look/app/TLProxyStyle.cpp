#include "look/app/TLProxyStyle.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MRBYTheme.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr auto contrast = &MRBYTheme::contrast;

// The least mix of `ink` into `ground` that reaches `ratio` against `ground`.
QColor standingOut(const QColor &ink, const QColor &ground, double ratio)
{
    for (int step = 3; step <= 10; ++step) {
        const QColor c = MRBYTheme::mix(ink, ground, step / 10.0);
        if (contrast(c, ground) >= ratio)
            return c;
    }
    return ink;
}

// High contrast's outline on a pop-up's edge; nothing in the other themes.
void outlineInHighContrast(QPainter *painter, const QRectF &rect, double radius)
{
    const TLPalette p = TLPalette::current();
    if (!p.highContrast)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    MBPanel::strokeInside(*painter, rect, radius, p.outlinePen(1.0));
    painter->restore();
}

} // namespace

TLProxyStyle::TLProxyStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("tl"));
}

QColor TLProxyStyle::grooveColor(const QPalette &palette)
{
    return MRBYTheme::mix(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.06);
}

QColor TLProxyStyle::thumbColor(const QPalette &palette, bool active)
{
    const QColor groove = grooveColor(palette);
    return standingOut(palette.color(QPalette::WindowText), groove, active ? 4.5 : 3.0);
}

int TLProxyStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ScrollBarExtent: return 12;
    case PM_ScrollBarSliderMin: return 32;
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

// A groove without arrow buttons; the thumb's length shows the part in view.
QRect TLProxyStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl sub, const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const QRect r = bar->rect;
    const bool across = bar->orientation == Qt::Horizontal;
    const int length = across ? r.width() : r.height();
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    int thumb = length;
    if (range > 0) {
        thumb = int(qint64(length) * bar->pageStep / (range + bar->pageStep));
        thumb = std::clamp(thumb, std::min(length, pixelMetric(PM_ScrollBarSliderMin)), length);
    }
    const int start = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                              length - thumb, bar->upsideDown);
    const auto span = [&](int from, int size) {
        return across ? QRect(r.left() + from, r.top(), size, r.height())
                      : QRect(r.left(), r.top() + from, r.width(), size);
    };
    switch (sub) {
    case SC_ScrollBarSlider: return span(start, thumb);
    case SC_ScrollBarSubPage: return span(0, start);
    case SC_ScrollBarAddPage: return span(start + thumb, length - start - thumb);
    case SC_ScrollBarGroove: return r;
    case SC_ScrollBarAddLine:
    case SC_ScrollBarSubLine:
    case SC_ScrollBarFirst:
    case SC_ScrollBarLast: return QRect();
    default: return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

void TLProxyStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    if (control == CC_ScrollBar) {
        const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (!bar)
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillRect(bar->rect, grooveColor(bar->palette));
        if (bar->maximum > bar->minimum) {
            const bool active = (bar->activeSubControls & SC_ScrollBarSlider)
                && (bar->state & (State_Sunken | State_MouseOver));
            const QRectF thumb =
                QRectF(subControlRect(control, option, SC_ScrollBarSlider, widget)).adjusted(2, 2, -2, -2);
            const double radius = std::min(thumb.width(), thumb.height()) / 2;
            painter->setPen(Qt::NoPen);
            painter->setBrush(thumbColor(bar->palette, active));
            painter->drawRoundedRect(thumb, radius, radius);
        }
        painter->restore();
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox) {
        outlineInHighContrast(painter, QRectF(option->rect), 2.0);
        // Fusion marks focus only after a key press in the window; ours
        // always shows, like every other control's.
        if (option->state & State_HasFocus)
            MBFocusRing::paint(*painter, QRectF(option->rect), 3.0, TLPalette::current().accentIcon(), 1.0);
    }
}

void TLProxyStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameMenu || element == PE_PanelMenu)
        outlineInHighContrast(painter, QRectF(option->rect), 0.0);
}

QIcon TLProxyStyle::standardIcon(StandardPixmap pixmap, const QStyleOption *option, const QWidget *widget) const
{
    if (pixmap == SP_ToolBarHorizontalExtensionButton || pixmap == SP_ToolBarVerticalExtensionButton)
        return MBSymbols::icon(QStringLiteral("chevron.right.2"), [] { return TLPalette::current().text; });
    return QProxyStyle::standardIcon(pixmap, option, widget);
}
