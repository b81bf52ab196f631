#include "money/ui/TLField.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBZoom.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

TLField::TLField(const QString &placeholder, std::optional<double> width, QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit), m_zoom(MBZoomScope::current())
{
    m_edit->setFrame(false);
    m_edit->setPlaceholderText(placeholder);
    m_edit->setFont(tlFont(15));
    // The box is drawn here; the edit itself stays see-through.
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(ipx(12), ipx(8), ipx(12), ipx(8));
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    MBFocusRing::repaintWithFocus(this, m_edit);
    if (width)
        setFixedWidth(qRound(tlPx(*width)));
    setSizePolicy(width ? QSizePolicy::Fixed : QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString TLField::text() const
{
    return m_edit->text();
}

void TLField::setText(const QString &text)
{
    m_edit->setText(text);
}

double TLField::outlineWidth()
{
    return TLPalette::current().highContrast ? 2.0 : 1.0;
}

void TLField::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    const double radius = 10 * m_zoom;
    QColor fill = palette.bg;
    fill.setAlphaF(0.7f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(MBPanel::shape(box, radius));
    MBPanel::strokeInside(painter, box, radius, QPen(palette.border, outlineWidth() * m_zoom));
    if (m_edit->hasFocus())
        MBFocusRing::paint(painter, box, radius, palette.accentIcon(), m_zoom);
}
