#include "look/kit/MBSymbols.h"

#include "look/kit/KitFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace MBSymbols {
namespace {

const QHash<QString, char16_t> &table()
{
    // Symbol name → Material Icons code point (closest meaning).
    static const QHash<QString, char16_t> t = {
        {QStringLiteral("banknote.fill"), 0xef63},               // payments
        {QStringLiteral("bed.double.fill"), 0xefdf},             // bed
        {QStringLiteral("bolt.fill"), 0xea0b},                   // bolt
        {QStringLiteral("book.fill"), 0xea19},                   // menu_book
        {QStringLiteral("bookmark"), 0xe867},                    // bookmark_border
        {QStringLiteral("bookmark.fill"), 0xe866},               // bookmark
        {QStringLiteral("briefcase.fill"), 0xe8f9},              // work
        {QStringLiteral("bubble.left.and.bubble.right.fill"), 0xe0bf}, // forum
        {QStringLiteral("building.columns.fill"), 0xe84f},       // account_balance
        {QStringLiteral("car.fill"), 0xe531},                    // directions_car
        {QStringLiteral("checkmark"), 0xe5ca},                   // check
        {QStringLiteral("checkmark.circle.fill"), 0xe86c},       // check_circle
        {QStringLiteral("checkmark.seal"), 0xef76},              // verified
        {QStringLiteral("checkmark.seal.fill"), 0xef76},         // verified
        {QStringLiteral("chevron.down"), 0xe5cf},                // expand_more
        {QStringLiteral("chevron.right"), 0xe5cc},               // chevron_right
        {QStringLiteral("chevron.right.2"), 0xeac9},             // keyboard_double_arrow_right
        {QStringLiteral("circle.fill"), 0xef4a},                 // circle
        {QStringLiteral("cross.case.fill"), 0xf109},             // medical_services
        {QStringLiteral("doc.plaintext"), 0xe873},               // description
        {QStringLiteral("doc.richtext"), 0xef42},                // article
        {QStringLiteral("dollarsign.circle.fill"), 0xe263},      // monetization_on
        {QStringLiteral("ellipsis.circle.fill"), 0xe5d3},        // more_horiz
        {QStringLiteral("envelope"), 0xe0e1},                    // mail_outline
        {QStringLiteral("envelope.fill"), 0xe158},               // mail
        {QStringLiteral("exclamationmark.triangle.fill"), 0xe002}, // warning
        {QStringLiteral("flag"), 0xe16e},                        // outlined_flag
        {QStringLiteral("flag.fill"), 0xe153},                   // flag
        {QStringLiteral("fork.knife"), 0xe56c},                  // restaurant
        {QStringLiteral("fuelpump.fill"), 0xe546},               // local_gas_station
        {QStringLiteral("globe"), 0xe80b},                       // public
        {QStringLiteral("globe.badge.chevron.backward"), 0xe2db}, // travel_explore
        {QStringLiteral("hammer.fill"), 0xea59},                 // hardware
        {QStringLiteral("heart.circle.fill"), 0xea70},           // volunteer_activism
        {QStringLiteral("heart.fill"), 0xe87d},                  // favorite
        {QStringLiteral("heart.text.square.fill"), 0xea4a},      // psychology
        {QStringLiteral("hourglass"), 0xe88b},                   // hourglass_empty
        {QStringLiteral("house.fill"), 0xe88a},                  // home
        {QStringLiteral("info.circle.fill"), 0xe88e},            // info
        {QStringLiteral("iphone"), 0xe325},                      // phone_iphone
        {QStringLiteral("lightbulb.fill"), 0xe0f0},              // lightbulb
        {QStringLiteral("magnifyingglass"), 0xe8b6},             // search
        {QStringLiteral("map.fill"), 0xe55b},                    // map
        {QStringLiteral("message.fill"), 0xe0c9},                // message
        {QStringLiteral("minus.circle.fill"), 0xe15c},           // remove_circle
        {QStringLiteral("newspaper.fill"), 0xeb81},              // newspaper
        {QStringLiteral("phone.fill"), 0xe0cd},                  // phone
        {QStringLiteral("play.fill"), 0xe037},                   // play_arrow
        {QStringLiteral("play.rectangle.fill"), 0xf06a},         // smart_display
        {QStringLiteral("plus.circle.fill"), 0xe147},            // add_circle
        {QStringLiteral("printer.fill"), 0xe8ad},                // print
        {QStringLiteral("questionmark.circle"), 0xe8fd},         // help_outline
        {QStringLiteral("questionmark.circle.fill"), 0xe887},    // help
        {QStringLiteral("safari"), 0xe87a},                      // explore
        {QStringLiteral("shippingbox.fill"), 0xe1a1},            // inventory_2
        {QStringLiteral("shower.fill"), 0xf061},                 // shower
        {QStringLiteral("star.fill"), 0xe838},                   // star
        {QStringLiteral("staroflife.fill"), 0xe1eb},             // emergency
        {QStringLiteral("tablecells"), 0xe265},                  // table_chart
        {QStringLiteral("tent.fill"), 0xea68},                   // festival
        {QStringLiteral("textformat.size"), 0xe245},             // format_size
        {QStringLiteral("trash"), 0xe872},                       // delete
        {QStringLiteral("washer.fill"), 0xe54a},                 // local_laundry_service
        {QStringLiteral("wifi.slash"), 0xe648},                  // wifi_off
        {QStringLiteral("xmark.circle.fill"), 0xe5c9},           // cancel
    };
    return t;
}

class SymbolIconEngine final : public QIconEngine
{
public:
    SymbolIconEngine(QString glyph, std::function<QColor()> color)
        : m_glyph(std::move(glyph)), m_color(std::move(color))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const double side = std::min(rect.width(), rect.height());
        painter->save();
        painter->setFont(font(side * 0.9));
        painter->setPen(m_color ? m_color() : QColor(Qt::black));
        painter->drawText(QRectF(rect), Qt::AlignCenter, m_glyph);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` counts device pixels; the glyph is laid out in logical ones.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paint(&painter, QRect(QPoint(0, 0), (QSizeF(size) / scale).toSize()), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new SymbolIconEngine(m_glyph, m_color); }

private:
    QString m_glyph;
    std::function<QColor()> m_color;
};

} // namespace

char16_t codePoint(const QString &name) { return table().value(name, 0); }

QString glyph(const QString &name)
{
    const char16_t c = codePoint(name);
    return c ? QString(QChar(c)) : QString();
}

QStringList names()
{
    QStringList list = table().keys();
    std::sort(list.begin(), list.end());
    return list;
}

QIcon icon(const QString &name, std::function<QColor()> color)
{
    return QIcon(new SymbolIconEngine(glyph(name), std::move(color)));
}

QString family() { return QStringLiteral("Material Icons"); }

void preferTrueTypeFile()
{
    // The same family also ships as WOFF2, and fontconfig may list that copy
    // last, so Qt would unpack the whole compressed font at start. The copy
    // added here is the one Qt uses.
    static const QString kTrueType =
        QStringLiteral("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf");
    if (!QFile::exists(kTrueType))
        return;
    // Only a font added after the system's fonts are listed takes their place.
    if (QFontDatabase::families().contains(family()))
        QFontDatabase::addApplicationFont(kTrueType);
}

QFont font(double px)
{
    QFont f(family());
    f.setPointSizeF(px > 0.0 ? px / KitFont::pixelsPerPoint() : 1.0);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

} // namespace MBSymbols
