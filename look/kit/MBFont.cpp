#include "look/kit/MBFont.h"

#include "look/kit/MBZoom.h"

#include <QLabel>

QFont mbFont(double size, FontWeight weight)
{
    return KitFont::font(px(size), weight);
}

QString mbPlain(const QString &title)
{
    return title;
}

QString mbMenuText(const QString &title)
{
    QString t = mbPlain(title);
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}

QString mbShownText(const QString &menuText)
{
    QString out;
    for (qsizetype i = 0; i < menuText.size(); ++i) {
        if (menuText[i] == QLatin1Char('&') && i + 1 < menuText.size())
            ++i;
        out += menuText[i];
    }
    return out;
}

QLabel *mbLabel(const QString &text, const QFont &font, const QColor &color)
{
    auto *l = new QLabel;
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setWordWrap(true);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette pal = l->palette();
    for (auto g : {QPalette::Active, QPalette::Inactive})
        pal.setColor(g, QPalette::WindowText, color);
    l->setPalette(pal);
    return l;
}
