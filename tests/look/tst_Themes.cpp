// Themes, registry, kit install, high contrast, palette and text size.

#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/KitFont.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QApplication>
#include <QRawFont>
#include <QtTest>

using RGB = MRBYTheme::RGB;

class ThemesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void rgbAndLuminance();
    void contrastFigures_data();
    void contrastFigures();
    void registryFallbacks();
    void registerKeepsFirst();
    void installTwice();
    void highContrastSwitch_data();
    void highContrastSwitch();
    void highContrastOnTwiceKeepsPrevious();
    void palettes();
    void textSizeTable_data();
    void textSizeTable();
    void tlFontSize();
    void prefsNumbers();
    void symbolsExistInFont();
};

void ThemesTest::init()
{
    Prefs::shared().clear();
    MRBYThemes::setDefaultID(QStringLiteral("cobalt-gunmetal"));
}

void ThemesTest::rgbAndLuminance()
{
    const RGB c = RGB::fromHex(0x14181F);
    QCOMPARE(c, RGB(20 / 255.0, 24 / 255.0, 31 / 255.0));
    QCOMPARE(RGB::fromHex(0xFF000000), RGB(0, 0, 0));
    const RGB white = RGB::fromHex(0xFFFFFF), black = RGB::fromHex(0);
    QCOMPARE(white.luminance(), 1.0);
    QCOMPARE(black.luminance(), 0.0);
    QCOMPARE(RGB::contrast(white, black), 21.0);
    QCOMPARE(RGB::contrast(black, white), 21.0);
    QCOMPARE(RGB::contrast(c, c), 1.0);
    // Exactly 0.03928 takes the linear branch.
    QCOMPARE(RGB(0.03928, 0.03928, 0.03928).luminance(), 0.03928 / 12.92);
    QCOMPARE(MRBYThemes::named("rose-gold").kitTheme().rim, QColor::fromRgbF(1, 1, 1, 0.25f));
}

void ThemesTest::contrastFigures_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<double>("text");
    QTest::addColumn<double>("dim");
    // text : bg and dim : bg, to two decimals.
    QTest::newRow("cobalt") << "cobalt-gunmetal" << 16.28 << 7.94;
    QTest::newRow("candy") << "candy-red-titanium" << 16.38 << 8.20;
    QTest::newRow("rose") << "rose-gold" << 15.96 << 8.88;
    QTest::newRow("lavender") << "lavender-pearl" << 15.89 << 8.72;
    QTest::newRow("midnight") << "midnight-black" << 20.37 << 7.62;
    QTest::newRow("gray") << "brushed-gray" << 10.90 << 7.93;
    QTest::newRow("warm") << "tl-warm-sand" << 13.72 << 7.35;
    QTest::newRow("ember") << "tl-evening-ember" << 16.15 << 10.23;
    QTest::newRow("high contrast") << "tl-high-contrast" << 21.0 << 18.76;
}

void ThemesTest::contrastFigures()
{
    QFETCH(QString, id);
    QFETCH(double, text);
    QFETCH(double, dim);
    MRBYThemes::registerThemes(TLThemes::extras());
    const MRBYTheme t = MRBYThemes::named(id);
    QCOMPARE(t.id, id);
    const double ct = RGB::contrast(t.text, t.bg);
    const double cd = RGB::contrast(t.dim, t.bg);
    QVERIFY2(qAbs(ct - text) < 0.005, qPrintable(QString::number(ct)));
    QVERIFY2(qAbs(cd - dim) < 0.005, qPrintable(QString::number(cd)));
    QVERIFY(ct >= 7.0);
    QVERIFY(cd >= 4.5);
}

void ThemesTest::registryFallbacks()
{
    // Nothing stored, default untouched.
    QCOMPARE(MRBYThemes::current().id, QStringLiteral("cobalt-gunmetal"));
    // Default pointing at an application theme that is not registered yet: the
    // first built-in stands in. This program registers the extras lazily, so
    // test it against an id nobody registers.
    MRBYThemes::setDefaultID(QStringLiteral("no-such-default"));
    QCOMPARE(MRBYThemes::current().id, QStringLiteral("cobalt-gunmetal"));
    MRBYThemes::setDefaultID(TLThemes::warmID);
    MRBYThemes::registerThemes(TLThemes::extras());
    QCOMPARE(MRBYThemes::current().id, TLThemes::warmID);
    QCOMPARE(MRBYThemes::named(QString()).id, TLThemes::warmID);
    QCOMPARE(MRBYThemes::named(QStringLiteral("Rose-Gold")).id, TLThemes::warmID);

    MRBYThemes::setCurrentID(QStringLiteral("midnight-black"));
    QCOMPARE(MRBYThemes::current().name, QStringLiteral("Midnight Black"));
    MRBYThemes::setCurrentID(QStringLiteral("unknown"));
    QCOMPARE(MRBYThemes::current().id, TLThemes::warmID);
    QCOMPARE(MRBYThemes::currentID(), QStringLiteral("unknown"));
    // The kit colours follow the stored id without any other step.
    MRBYThemes::setCurrentID(QStringLiteral("rose-gold"));
    QCOMPARE(MRBYKitHost::theme().text, RGB::fromHex(0xFFF2F5).color());
}

void ThemesTest::registerKeepsFirst()
{
    MRBYTheme impostor = MRBYThemes::named("rose-gold");
    impostor.name = "Other";
    impostor.bg = RGB(1, 1, 1);
    const QList<MRBYTheme> before = MRBYThemes::all();
    MRBYThemes::registerThemes({impostor});
    MRBYThemes::registerThemes({});
    QCOMPARE(MRBYThemes::all().size(), before.size());
    QCOMPARE(MRBYThemes::named("rose-gold").name, QStringLiteral("Rose Gold"));
    QCOMPARE(MRBYTheme::familyFromName("gray"), MRBYTheme::Family::Gray);
    QVERIFY(!MRBYTheme::familyFromName("Gray"));
}

void ThemesTest::installTwice()
{
    const MRBYHelpTopic a{"a", "A", "", {}};
    const MRBYHelpTopic b{"b", "B", "", {}};
    MRBYKit::install(std::nullopt, {a}, TLThemes::extras());
    QCOMPARE(MRBYKitHost::appName(), QStringLiteral("MRBY Tenterly"));
    MRBYKit::install(QStringLiteral("Other"), {b}, TLThemes::extras());
    QCOMPARE(MRBYKitHost::appName(), QStringLiteral("Other"));
    QCOMPARE(MRBYHelp::topics(), QList<MRBYHelpTopic>{b});
    const QList<MRBYTheme> all = MRBYThemes::all();
    QCOMPARE(all.size(), 9);
    QStringList ids;
    for (const MRBYTheme &t : all)
        ids << t.id;
    QCOMPARE(ids, QStringList({"cobalt-gunmetal", "candy-red-titanium", "rose-gold", "lavender-pearl",
                               "midnight-black", "brushed-gray", "tl-warm-sand", "tl-evening-ember",
                               "tl-high-contrast"}));
    MRBYKit::install(QStringLiteral("Only name"));
    QVERIFY(MRBYHelp::topics().isEmpty());
    QCOMPARE(MRBYThemes::all().size(), 9);
    MRBYKit::install(MRBYKit::productName);
}

void ThemesTest::highContrastSwitch_data()
{
    QTest::addColumn<QString>("start");     // stored theme before, "" = none
    QTest::addColumn<QString>("previous");  // stored previous theme, "" = none
    QTest::addColumn<QString>("afterOff");
    QTest::newRow("warm") << "tl-warm-sand" << "" << "tl-warm-sand";
    QTest::newRow("rose gold") << "rose-gold" << "" << "rose-gold";
    QTest::newRow("nothing stored, app default") << "" << "" << "tl-warm-sand";
}

void ThemesTest::highContrastSwitch()
{
    QFETCH(QString, start);
    QFETCH(QString, previous);
    QFETCH(QString, afterOff);
    MRBYThemes::registerThemes(TLThemes::extras());
    MRBYThemes::setDefaultID(TLThemes::warmID);
    if (!start.isEmpty())
        MRBYThemes::setCurrentID(start);
    QVERIFY(!TLThemes::isHighContrast());
    QCOMPARE(TLThemes::highContrastMenuTitle(), QStringLiteral("Turn On High Contrast"));
    TLThemes::setHighContrast(true);
    QVERIFY(TLThemes::isHighContrast());
    QCOMPARE(TLThemes::highContrastMenuTitle(), QStringLiteral("Turn Off High Contrast"));
    QCOMPARE(MRBYThemes::current().id, TLThemes::highContrastID);
    TLThemes::setHighContrast(false);
    QCOMPARE(MRBYThemes::currentID(), afterOff);
    // The remembered theme stays in the store.
    QVERIFY(Prefs::shared().contains(TLPrefs::previousThemeKey));
}

void ThemesTest::highContrastOnTwiceKeepsPrevious()
{
    MRBYThemes::registerThemes(TLThemes::extras());
    MRBYThemes::setCurrentID(TLThemes::warmID);
    TLThemes::setHighContrast(true);
    TLThemes::setHighContrast(true);
    QCOMPARE(*Prefs::shared().string(TLPrefs::previousThemeKey), TLThemes::warmID);
    TLThemes::setHighContrast(false);
    QCOMPARE(MRBYThemes::currentID(), TLThemes::warmID);

    // A remembered high-contrast id, or none, returns to Warm Sand.
    MRBYThemes::setCurrentID(QStringLiteral("midnight-black"));
    Prefs::shared().setString(TLPrefs::previousThemeKey, TLThemes::highContrastID);
    TLThemes::setHighContrast(false);
    QCOMPARE(MRBYThemes::currentID(), TLThemes::warmID);
    Prefs::shared().remove(TLPrefs::previousThemeKey);
    MRBYThemes::setCurrentID(QStringLiteral("midnight-black"));
    TLThemes::setHighContrast(false);
    QCOMPARE(MRBYThemes::currentID(), TLThemes::warmID);
}

void ThemesTest::palettes()
{
    MRBYThemes::registerThemes(TLThemes::extras());
    MRBYThemes::setCurrentID(TLThemes::warmID);
    TLPalette p = TLPalette::current();
    QVERIFY(p.isLight);
    QVERIFY(!p.highContrast);
    QCOMPARE(p.onAccent, QColor(Qt::white));
    QCOMPARE(p.border, QColor::fromRgbF(0, 0, 0, 0.14f));

    MRBYThemes::setCurrentID(TLThemes::emberID);
    p = TLPalette::current();
    QVERIFY(!p.isLight);
    QCOMPARE(p.onAccent, QColor(Qt::black));
    QCOMPARE(p.border, QColor::fromRgbF(1, 1, 1, 0.16f));

    MRBYThemes::setCurrentID(TLThemes::highContrastID);
    p = TLPalette::current();
    QVERIFY(!p.isLight);
    QVERIFY(p.highContrast);
    QCOMPARE(p.onAccent, QColor(Qt::black));
    QCOMPARE(p.border, QColor(Qt::white));
    QCOMPARE(p.text, QColor(Qt::white));
    QCOMPARE(p.bg, QColor(Qt::black));
    QCOMPARE(p.qpalette().color(QPalette::Window), p.bg);
    QCOMPARE(p.qpalette().color(QPalette::Highlight), p.accent);

    for (const MRBYTheme &t : MRBYThemes::builtIn()) {
        MRBYThemes::setCurrentID(t.id);
        QVERIFY2(!TLPalette::current().isLight, qPrintable(t.id));
    }
    // White on each signal colour reads at better than 6:1.
    for (const QColor &c : {TLPalette::red911(), TLPalette::blue988(), TLPalette::green211(),
                            TLPalette::amberBadge(), TLPalette::slateBadge()}) {
        const RGB rgb(c.redF(), c.greenF(), c.blueF());
        QVERIFY(RGB::contrast(rgb, RGB(1, 1, 1)) > 6.0);
    }
}

void ThemesTest::textSizeTable_data()
{
    QTest::addColumn<QString>("stored"); // "" = absent
    QTest::addColumn<int>("size");
    QTest::addColumn<double>("scale");
    QTest::newRow("absent") << "" << 0 << 1.0;
    QTest::newRow("0") << "0" << 0 << 1.0;
    QTest::newRow("1") << "1" << 1 << 1.25;
    QTest::newRow("2") << "2" << 2 << 1.5;
    QTest::newRow("7") << "7" << 7 << 1.5;
    QTest::newRow("-3") << "-3" << -3 << 1.0;
    QTest::newRow("not a number") << "big" << 0 << 1.0;
}

void ThemesTest::textSizeTable()
{
    QFETCH(QString, stored);
    QFETCH(int, size);
    QFETCH(double, scale);
    if (!stored.isEmpty())
        Prefs::shared().setString(TLPrefs::textSizeKey, stored);
    QCOMPARE(TLStyle::textSize(), size);
    QCOMPARE(TLStyle::scale(), scale);
    QCOMPARE(TLStyle::textSizeNames(), QStringList({"Normal", "Large", "Extra large"}));
}

void ThemesTest::tlFontSize()
{
    TLStyle::setTextSize(2);
    const QFont f = tlFont(16, FontWeight::Bold);
    QCOMPARE(KitFont::pixelSize(f), 24.0);
    QCOMPARE(f.weight(), QFont::Bold);
    QVERIFY(f.families().startsWith(QStringLiteral("Inter")));
    // What the font system makes of it: Inter at 24 pixels.
    const QFontInfo info(f);
    QCOMPARE(info.family(), QStringLiteral("Inter"));
    QCOMPARE(info.pixelSize(), 24);
    TLStyle::setTextSize(1);
    // Fractions are kept: 13 × 1.25 = 16.25.
    QVERIFY(qAbs(KitFont::pixelSize(tlFont(13)) - 16.25) < 1e-9);
    // Weights grow from ultra-light to black.
    int last = 0;
    for (FontWeight w : {FontWeight::UltraLight, FontWeight::Thin, FontWeight::Light, FontWeight::Regular,
                         FontWeight::Medium, FontWeight::Semibold, FontWeight::Bold, FontWeight::Heavy,
                         FontWeight::Black}) {
        QVERIFY(KitFont::qtWeight(w) > last);
        last = KitFont::qtWeight(w);
    }
}

void ThemesTest::prefsNumbers()
{
    QSignalSpy spy(&Prefs::shared(), &Prefs::changed);
    Prefs::shared().setNumber(QStringLiteral("x.y"), 1.3);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toString(), QStringLiteral("x.y"));
    QCOMPARE(Prefs::shared().value(QStringLiteral("x.y")).toString(), QStringLiteral("1.3"));
    QCOMPARE(Prefs::shared().number(QStringLiteral("x.y")), 1.3);
    QCOMPARE(Prefs::shared().number(QStringLiteral("absent")), 0.0);
    QVERIFY(Prefs::shared().fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))
            || qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
}

void ThemesTest::symbolsExistInFont()
{
    const QRawFont raw = QRawFont::fromFont(MBSymbols::font(24));
    QVERIFY(raw.isValid());
    QCOMPARE(raw.familyName(), MBSymbols::family());
    for (const QString &name : MBSymbols::names())
        QVERIFY2(raw.supportsCharacter(QChar(MBSymbols::codePoint(name))), qPrintable(name));
    QVERIFY(MBSymbols::glyph(QStringLiteral("no.such.symbol")).isEmpty());
}

QTEST_MAIN(ThemesTest)
#include "tst_Themes.moc"
