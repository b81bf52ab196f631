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
    void init()
    {
        Prefs::shared().clear();
        MRBYThemes::setDefaultID(QStringLiteral("cobalt-gunmetal"));
    }

    void rgbAndLuminance()
    {
        QCOMPARE(RGB::fromHex(0x14181F), RGB(20 / 255.0, 24 / 255.0, 31 / 255.0));
        QCOMPARE(RGB::fromHex(0xFF000000), RGB(0, 0, 0)); // bits above the colour are ignored
        // The order of the two colours does not matter.
        QCOMPARE(RGB::contrast(RGB::fromHex(0), RGB::fromHex(0xFFFFFF)), 21.0);
        // Exactly 0.03928 takes the linear branch.
        QCOMPARE(RGB(0.03928, 0.03928, 0.03928).luminance(), 0.03928 / 12.92);
    }

    void contrastFigures_data()
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

    void contrastFigures()
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

    void registryFallbacks()
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

    void registrationKeepsFirst()
    {
        // The first theme with an id wins; installing twice adds nothing.
        MRBYTheme impostor = MRBYThemes::named("rose-gold");
        impostor.name = "Other";
        MRBYKit::install(std::nullopt, {{"a", "A", "", {}}}, TLThemes::extras());
        MRBYThemes::registerThemes({impostor});
        MRBYKit::install(QStringLiteral("Other"), {{"b", "B", "", {}}}, TLThemes::extras());
        QCOMPARE(MRBYThemes::all().size(), 9);
        QCOMPARE(MRBYThemes::named("rose-gold").name, QStringLiteral("Rose Gold"));
        QCOMPARE(MRBYKitHost::appName(), QStringLiteral("Other"));
        QCOMPARE(MRBYHelp::topics().size(), 1);
        QCOMPARE(MRBYHelp::topics().first().id, QStringLiteral("b"));
        MRBYKit::install(MRBYKit::productName);
        QVERIFY(MRBYHelp::topics().isEmpty());
        QCOMPARE(MRBYKitHost::appName(), QStringLiteral("MRBY Tenterly"));
    }

    void highContrastSwitch_data()
    {
        QTest::addColumn<QString>("start");      // stored theme before, "" = none
        QTest::addColumn<int>("turnsOn");        // how often it is switched on
        QTest::addColumn<QString>("remembered"); // written over the remembered theme, "-" = removed
        QTest::addColumn<QString>("afterOff");
        QTest::newRow("warm") << "tl-warm-sand" << 1 << "" << "tl-warm-sand";
        QTest::newRow("rose gold") << "rose-gold" << 1 << "" << "rose-gold";
        QTest::newRow("nothing stored, app default") << "" << 1 << "" << "tl-warm-sand";
        QTest::newRow("on twice keeps previous") << "rose-gold" << 2 << "" << "rose-gold";
        QTest::newRow("remembered high contrast: warm")
            << "midnight-black" << 1 << "tl-high-contrast" << "tl-warm-sand";
        QTest::newRow("nothing remembered: warm") << "midnight-black" << 1 << "-" << "tl-warm-sand";
    }

    void highContrastSwitch()
    {
        QFETCH(QString, start);
        QFETCH(int, turnsOn);
        QFETCH(QString, remembered);
        QFETCH(QString, afterOff);
        MRBYThemes::registerThemes(TLThemes::extras());
        MRBYThemes::setDefaultID(TLThemes::warmID);
        if (!start.isEmpty())
            MRBYThemes::setCurrentID(start);
        QCOMPARE(TLThemes::highContrastMenuTitle(), QStringLiteral("Turn On High Contrast"));
        for (int i = 0; i < turnsOn; ++i)
            TLThemes::setHighContrast(true);
        QVERIFY(TLThemes::isHighContrast());
        QCOMPARE(TLThemes::highContrastMenuTitle(), QStringLiteral("Turn Off High Contrast"));
        QCOMPARE(MRBYThemes::current().id, TLThemes::highContrastID);
        if (remembered == QStringLiteral("-"))
            Prefs::shared().remove(TLPrefs::previousThemeKey);
        else if (!remembered.isEmpty())
            Prefs::shared().setString(TLPrefs::previousThemeKey, remembered);
        TLThemes::setHighContrast(false);
        QVERIFY(!TLThemes::isHighContrast());
        QCOMPARE(MRBYThemes::currentID(), afterOff);
    }

    void palettes()
    {
        MRBYThemes::registerThemes(TLThemes::extras());
        const struct
        {
            QString id;
            bool light;
            QColor onAccent;
        } rows[] = {{TLThemes::warmID, true, Qt::white},
                    {TLThemes::emberID, false, Qt::black},
                    {TLThemes::highContrastID, false, Qt::black}};
        for (const auto &r : rows) {
            MRBYThemes::setCurrentID(r.id);
            const TLPalette p = TLPalette::current();
            QVERIFY2(p.isLight == r.light, qPrintable(r.id));
            QCOMPARE(p.onAccent, r.onAccent);
            QCOMPARE(p.highContrast, r.id == TLThemes::highContrastID);
            QCOMPARE(p.qpalette().color(QPalette::Window), p.bg);
        }
        QCOMPARE(TLPalette::current().border, QColor(Qt::white));
        for (const MRBYTheme &t : MRBYThemes::builtIn()) {
            MRBYThemes::setCurrentID(t.id);
            QVERIFY2(!TLPalette::current().isLight, qPrintable(t.id));
        }
        // White on each signal colour reads at better than 6:1.
        for (const QColor &c : {TLPalette::red911(), TLPalette::blue988(), TLPalette::green211(),
                                TLPalette::amberBadge(), TLPalette::slateBadge()})
            QVERIFY(RGB::contrast(RGB(c.redF(), c.greenF(), c.blueF()), RGB(1, 1, 1)) > 6.0);
    }

    // In every theme text on the accent, the secondary text and the accent
    // as text read 4.5:1 on what they stand on; a colour that already does
    // is kept as the theme gives it.
    void paletteReads()
    {
        MRBYThemes::registerThemes(TLThemes::extras());
        for (const MRBYTheme &t : MRBYThemes::all()) {
            MRBYThemes::setCurrentID(t.id);
            const TLPalette p = TLPalette::current();
            QVERIFY2(MRBYTheme::contrast(p.onAccent, p.accent) >= TLPalette::textRatio, qPrintable(t.id));
            for (const QColor &ground : {p.bg, p.panelTop, p.panelBottom}) {
                QVERIFY2(MRBYTheme::contrast(p.dim, ground) >= TLPalette::textRatio, qPrintable(t.id));
                QVERIFY2(MRBYTheme::contrast(p.accentText(), ground) >= TLPalette::textRatio, qPrintable(t.id));
            }
        }
        MRBYThemes::setCurrentID(TLThemes::warmID);
        QCOMPARE(TLPalette::current().accentText(), TLPalette::current().accent);
    }

    void textSizeTable_data()
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

    void textSizeTable()
    {
        QFETCH(QString, stored);
        QFETCH(int, size);
        QFETCH(double, scale);
        if (!stored.isEmpty())
            Prefs::shared().setString(TLPrefs::textSizeKey, stored);
        QCOMPARE(TLStyle::textSize(), size);
        QCOMPARE(TLStyle::scale(), scale);
    }

    void tlFontSize()
    {
        TLStyle::setTextSize(2);
        const QFont f = tlFont(16, FontWeight::Bold);
        QCOMPARE(KitFont::pixelSize(f), 24.0);
        QCOMPARE(f.weight(), QFont::Bold);
        // What the font system makes of it: Inter at 24 pixels.
        const QFontInfo info(f);
        QCOMPARE(info.family(), QStringLiteral("Inter"));
        QCOMPARE(info.pixelSize(), 24);
        TLStyle::setTextSize(1);
        // Fractions are kept: 13 × 1.25 = 16.25.
        QVERIFY(qAbs(KitFont::pixelSize(tlFont(13)) - 16.25) < 1e-9);
    }

    void prefsNumbers()
    {
        QSignalSpy spy(&Prefs::shared(), &Prefs::changed);
        Prefs::shared().setNumber(QStringLiteral("x.y"), 1.3);
        QCOMPARE(spy.size(), 1);
        // Stored as C-locale text.
        QCOMPARE(Prefs::shared().value(QStringLiteral("x.y")).toString(), QStringLiteral("1.3"));
        QCOMPARE(Prefs::shared().number(QStringLiteral("x.y")), 1.3);
        QCOMPARE(Prefs::shared().number(QStringLiteral("absent")), 0.0);
    }

    void symbolsExistInFont()
    {
        const QRawFont raw = QRawFont::fromFont(MBSymbols::font(24));
        QVERIFY(raw.isValid());
        QCOMPARE(raw.familyName(), MBSymbols::family());
        for (const QString &name : MBSymbols::names())
            QVERIFY2(raw.supportsCharacter(QChar(MBSymbols::codePoint(name))), qPrintable(name));
        QVERIFY(MBSymbols::glyph(QStringLiteral("no.such.symbol")).isEmpty());
    }

    // Runs after the test above: from here on the icons come from the
    // TrueType copy, which must hold every symbol of the table too.
    void symbolsExistInTrueTypeCopy()
    {
        MBSymbols::preferTrueTypeFile();
        MBSymbols::preferTrueTypeFile(); // a second call changes nothing
        const QRawFont raw = QRawFont::fromFont(MBSymbols::font(24));
        QVERIFY(raw.isValid());
        QCOMPARE(raw.familyName(), MBSymbols::family());
        for (const QString &name : MBSymbols::names())
            QVERIFY2(raw.supportsCharacter(QChar(MBSymbols::codePoint(name))), qPrintable(name));
    }

    // A symbol icon takes its colour when it is drawn, so a theme change
    // after it was made still shows; an unknown name draws nothing.
    void symbolIconColourAndScale()
    {
        QColor colour(200, 0, 0);
        const QIcon icon = MBSymbols::icon(QStringLiteral("phone.fill"), [&colour] { return colour; });
        const auto inks = [](const QPixmap &pixmap) {
            QSet<QRgb> found;
            const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) == 255)
                        found.insert(image.pixel(x, y));
            return found;
        };
        QCOMPARE(inks(icon.pixmap(QSize(24, 24))), QSet<QRgb>{qRgb(200, 0, 0)});
        colour = QColor(0, 0, 180);
        QCOMPARE(inks(icon.pixmap(QSize(24, 24))), QSet<QRgb>{qRgb(0, 0, 180)});

        const QPixmap sharp = icon.pixmap(QSize(24, 24), 2.0);
        QCOMPARE(sharp.size(), QSize(48, 48));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QVERIFY(!inks(sharp).isEmpty());

        const QIcon unknown = MBSymbols::icon(QStringLiteral("no.such.symbol"), [] { return QColor(Qt::black); });
        QVERIFY(inks(unknown.pixmap(QSize(24, 24))).isEmpty());
    }
};

QTEST_MAIN(ThemesTest)
#include "tst_Themes.moc"
