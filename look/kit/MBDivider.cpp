#include "look/kit/MBDivider.h"

#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"

#include <QPainter>

MBDivider::MBDivider(double vertical, double horizontal, QWidget *parent)
    : QWidget(parent), m_vertical(ipx(vertical)), m_horizontal(ipx(horizontal))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize MBDivider::sizeHint() const { return QSize(2 * m_horizontal + 1, 2 * m_vertical + 1); }

QSize MBDivider::minimumSizeHint() const { return sizeHint(); }

void MBDivider::paintEvent(QPaintEvent *)
{
    // A separator follows the text colour faintly, so it shows on light and
    // dark themes alike.
    QColor c = MRBYKitHost::theme().text;
    c.setAlphaF(0.22f);
    QPainter p(this);
    const int y = m_vertical;
    p.fillRect(QRect(m_horizontal, y, std::max(0, width() - 2 * m_horizontal), 1), c);
}
