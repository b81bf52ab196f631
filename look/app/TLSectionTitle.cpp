#include "look/app/TLSectionTitle.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBZoom.h"

#include <QPainter>

#include <cmath>

namespace {
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
}

TLSectionTitle::TLSectionTitle(const QString &text, QWidget *parent)
    : QWidget(parent), m_text(text)
{
    MBAccessible::markRole(this, QAccessible::Heading);
    QFont f = tlFont(11, FontWeight::Heavy);
    f.setLetterSpacing(QFont::AbsoluteSpacing, px(1.0));
    setFont(f);
    setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred, QSizePolicy::Label));
    setAccessibleName(text);
}

QSize TLSectionTitle::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return QSize(fm.horizontalAdvance(shownText()) + 2, fm.height());
}

QSize TLSectionTitle::minimumSizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    int widest = 0;
    for (const QString &w : shownText().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        widest = std::max(widest, fm.horizontalAdvance(w));
    return QSize(widest + 2, fm.height());
}

int TLSectionTitle::heightForWidth(int width) const
{
    return fontMetrics().boundingRect(QRect(0, 0, std::max(1, width), 100000), kFlags, shownText()).height();
}

void TLSectionTitle::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(TLPalette::current().dim);
    p.drawText(rect(), kFlags, shownText());
}
