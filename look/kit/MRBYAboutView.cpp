#include "look/kit/MRBYAboutView.h"

#include "look/kit/MBDivider.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYAbout.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemeRoot.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

QLabel *line(const QString &text, const QFont &font, const QColor &color, const QString &name)
{
    QLabel *l = mbLabel(text, font, color);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setObjectName(name);
    return l;
}

// Stands in for a missing application icon, so the window does not open on
// an empty square: a tile in the accent colour with the car symbol.
QPixmap fallbackIcon(int side, const MBKitTheme &k)
{
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, side);
    fill.setColorAt(0.0, k.accent.lighter(115));
    fill.setColorAt(1.0, k.accent.darker(125));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, side - 4, side - 4), side * 0.22, side * 0.22);
    p.fillPath(tile, fill);
    p.setPen(MRBYThemeRoot::readableOn(k.accent));
    p.setFont(MBSymbols::font(side * 0.58));
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, MBSymbols::glyph(QStringLiteral("car.fill")));
    return pm;
}

} // namespace

MRBYAboutView::MRBYAboutView(QWidget *parent) : QWidget(parent)
{
    const MBKitTheme k = MRBYKitHost::theme();
    setMinimumSize(ipx(400), ipx(340));

    auto *stack = new QVBoxLayout(this);
    stack->setContentsMargins(ipx(26), ipx(26), ipx(26), ipx(26));
    stack->setSpacing(ipx(12));
    stack->addStretch(1);

    auto *icon = new QLabel;
    icon->setObjectName(QStringLiteral("aboutIcon"));
    icon->setTextFormat(Qt::PlainText);
    const int side = ipx(96);
    icon->setFixedSize(side, side);
    const QIcon appIcon = QGuiApplication::windowIcon();
    icon->setPixmap(appIcon.isNull() ? fallbackIcon(side, k) : appIcon.pixmap(QSize(side, side)));
    auto *shadow = new QGraphicsDropShadowEffect(icon);
    shadow->setColor(QColor::fromRgbF(0, 0, 0, 0.5f));
    shadow->setBlurRadius(px(8) * 2);
    shadow->setOffset(0, px(4));
    icon->setGraphicsEffect(shadow);
    stack->addWidget(icon, 0, Qt::AlignHCenter);

    stack->addWidget(line(MRBYKitHost::appName(), mbFont(24, FontWeight::Heavy), k.text,
                          QStringLiteral("aboutName")));
    stack->addWidget(line(MRBYAbout::version(), mbFont(12, FontWeight::Semibold), k.dim,
                          QStringLiteral("aboutVersion")));
    for (const QString &extra : MRBYAbout::extraLines())
        stack->addWidget(line(extra, mbFont(12), k.dim, QStringLiteral("aboutExtra")));
    auto *divider = new MBDivider(0, 30);
    divider->setObjectName(QStringLiteral("aboutDivider"));
    stack->addWidget(divider);
    stack->addWidget(line(MRBYAbout::creditLine, mbFont(13, FontWeight::Bold), k.text,
                          QStringLiteral("aboutCredit")));
    auto *link = new MBLink(MRBYKitHost::creditURL().host(), MRBYKitHost::creditURLText());
    link->setObjectName(QStringLiteral("aboutLink"));
    link->setFont(mbFont(13, FontWeight::Semibold));
    stack->addWidget(link, 0, Qt::AlignHCenter);
    stack->addWidget(line(MRBYAbout::copyrightLine(), mbFont(10.5), k.dim,
                          QStringLiteral("aboutCopyright")));
    stack->addStretch(1);
}
