// Renders a card with a title, a badge, a section title and two buttons in
// four looks, saves the pictures and checks that nothing is cut.

#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLProxyStyle.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemeRoot.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemeRoot.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

constexpr int kWidth = 600; // the same window width for every look

QLabel *wrapped(const QString &text, double size, FontWeight weight = FontWeight::Regular)
{
    auto *l = new QLabel(text);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setFont(tlFont(size, weight));
    return l;
}

QWidget *cardPage()
{
    const TLPalette p = TLPalette::current();
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(ipx(20), ipx(20), ipx(20), ipx(20));
    column->setSpacing(ipx(12));

    column->addWidget(new TLSectionTitle(QStringLiteral("Help by topic")));

    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("card"));
    auto *title = wrapped(QStringLiteral("Food Bank of the Rockies & Community Pantry (Denver, open to everyone)"),
                          20, FontWeight::Bold);
    title->setObjectName(QStringLiteral("title"));
    card->addWidget(title);

    auto *badgeRow = new QHBoxLayout;
    badgeRow->addWidget(new TLBadge(QStringLiteral("Unconfirmed: call or check before you go")));
    badgeRow->addStretch(1);
    card->body()->addLayout(badgeRow);

    card->addWidget(
        wrapped(QStringLiteral("Free groceries every weekday. Bring a bag. No ID needed for the first visit."), 14));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(ipx(10));
    buttons->addWidget(new TLButton(QStringLiteral("Call 211"), TLButtonStyle{p.accent, p.onAccent, true},
                                    QStringLiteral("phone.fill")));
    buttons->addWidget(new TLButton(QStringLiteral("Save && note"), TLButtonStyle{}, QStringLiteral("bookmark")));
    buttons->addStretch(1);
    card->body()->addLayout(buttons);

    column->addWidget(card);
    return page;
}

} // namespace

class LookRenderTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        MRBYThemes::setDefaultID(TLThemes::warmID);
        MRBYThemes::registerThemes(TLThemes::extras());
        QVERIFY(QDir().mkpath(QStringLiteral(TL_BUILD_DIR "/look-shots")));
    }

    void render_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<int>("textSize");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QString>("file");
        QTest::newRow("warm") << TLThemes::warmID << 0 << 1.0 << "warm.png";
        QTest::newRow("high contrast") << TLThemes::highContrastID << 0 << 1.0 << "high-contrast.png";
        QTest::newRow("extra large text") << TLThemes::warmID << 2 << 1.0 << "text-extra-large.png";
        QTest::newRow("zoom 200") << TLThemes::warmID << 0 << 2.0 << "zoom-200.png";
    }

    void render()
    {
        QFETCH(QString, theme);
        QFETCH(int, textSize);
        QFETCH(double, zoom);
        QFETCH(QString, file);
        Prefs::shared().clear();
        MRBYThemes::setCurrentID(theme);
        TLStyle::setTextSize(textSize);

        // Built at the zoom, painted and laid out later outside it, as in the window.
        std::unique_ptr<TLThemeRoot> built;
        {
            MBZoomScope scope(zoom);
            built = std::make_unique<TLThemeRoot>(&cardPage);
        }
        TLThemeRoot &root = *built;
        root.layout()->activate();
        QVERIFY(root.hasHeightForWidth());
        // Zoom makes the window larger as well; text size does not.
        const int width = int(kWidth * zoom);
        const int height = root.heightForWidth(width);
        root.resize(width, std::max(height, root.minimumSizeHint().height()));
        QVERIFY2(root.minimumSizeHint().width() <= width, "content wider than the window");
        root.layout()->activate();

        const QImage shot = root.grab().toImage();
        QVERIFY(shot.save(QStringLiteral(TL_BUILD_DIR "/look-shots/") + file));

        // Nothing is cut: every child lies inside the card's panel and has at
        // least the height its text needs at its width.
        auto *card = root.findChild<TLCard *>(QStringLiteral("card"));
        QVERIFY(card);
        QVERIFY(card->geometry().bottom() <= root.content()->height());
        const QRectF panel = card->panelRect();
        // The panel keeps the padding it was built with (16 points, zoomed).
        QCOMPARE(card->body()->contentsMargins().left() - panel.left(), std::round(16 * zoom));
        QCOMPARE(card->body()->contentsMargins().top() - panel.top(), std::round(16 * zoom));
        for (QWidget *w : card->findChildren<QWidget *>()) {
            const QRect g = w->geometry();
            QVERIFY2(panel.contains(QRectF(g)), qPrintable(w->metaObject()->className()));
            if (w->hasHeightForWidth())
                QVERIFY2(g.height() >= w->heightForWidth(g.width()), qPrintable(w->metaObject()->className()));
            QVERIFY2(g.width() >= w->minimumSizeHint().width(), qPrintable(w->metaObject()->className()));
            if (auto *b = qobject_cast<TLButton *>(w))
                QVERIFY(g.size() == b->sizeHint());
        }
        auto *title = card->findChild<QLabel *>(QStringLiteral("title"));
        // The title wraps at these sizes, and the card grows with it.
        QVERIFY(title->height() > QFontMetrics(title->font()).height() * 1.5);

        // The background is the theme's: plain black in high contrast.
        const QColor corner(shot.pixel(2, shot.height() - 2));
        if (theme == TLThemes::highContrastID)
            QCOMPARE(corner, QColor(Qt::black));
        else
            QVERIFY(corner.lightnessF() > 0.8);
    }

    void buttonLooks()
    {
        Prefs::shared().clear();
        MRBYThemes::setCurrentID(TLThemes::warmID);
        TLButton plain(QStringLiteral("Back"));
        QCOMPARE(plain.fillColor().alphaF(), 1.0f);
        // Colours are read when drawn, not when built.
        MRBYThemes::setCurrentID(TLThemes::emberID);
        QCOMPARE(plain.fillColor().alphaF(), 0.6f);
        QCOMPARE(plain.outlineColor(), QColor::fromRgbF(1, 1, 1, 0.16f));

        TLButton red(QStringLiteral("Call 911"), TLButtonStyle{TLPalette::red911(), std::nullopt, true});
        QCOMPARE(red.labelSize(), 15.0);
        QCOMPARE(red.labelColor(), QColor(Qt::white));
        MRBYThemes::setCurrentID(TLThemes::highContrastID);
        QCOMPARE(red.outlineColor(), QColor(Qt::white));
        QCOMPARE(red.outlineWidth(), 2.0);

        TLStyle::setTextSize(2);
        TLButton large(QStringLiteral("Call 911"), TLButtonStyle{TLPalette::red911(), std::nullopt, true});
        QCOMPARE(large.labelSize(), 22.5);
        QCOMPARE(TLButton(QStringLiteral("Shelter && Parking")).accessibleName(), QStringLiteral("Shelter & Parking"));
    }

    void badgeAndTitle()
    {
        Prefs::shared().clear();
        TLBadge badge(QStringLiteral("Unconfirmed: call or check before you go"));
        QCOMPARE(badge.color(), TLPalette::amberBadge());
        QCOMPARE(badge.accessibleName(), badge.text());
        // Narrow: the text wraps and the badge grows instead of cutting it.
        const int oneLine = badge.heightForWidth(badge.sizeHint().width());
        QVERIFY(badge.heightForWidth(120) > oneLine * 1.5);
        QVERIFY(badge.minimumSizeHint().width() < 200);

        TLStyle::setTextSize(2);
        QCOMPARE(TLBadge(QStringLiteral("x")).textSize(), 18.0);
        QCOMPARE(TLSectionTitle(QStringLiteral("Help by topic")).shownText(), QStringLiteral("HELP BY TOPIC"));
    }

    // Every scroll bar's thumb stands out from its groove (3:1 or more) in
    // every theme, in the application's windows and the kit's.
    void scrollBarsShowInEveryTheme()
    {
        const auto ratio = [](const QColor &a, const QColor &b) {
            return MRBYTheme::RGB::contrast(MRBYTheme::RGB(a.redF(), a.greenF(), a.blueF()),
                                            MRBYTheme::RGB(b.redF(), b.greenF(), b.blueF()));
        };
        for (const MRBYTheme &theme : MRBYThemes::all()) {
            MRBYThemes::setCurrentID(theme.id);
            TLThemeRoot::applyApplicationLook();
            for (const QPalette &palette :
                 {TLPalette::current().qpalette(), MRBYThemeRoot::kitPalette(theme.kitTheme())}) {
                const QColor groove = TLProxyStyle::grooveColor(palette);
                QVERIFY2(ratio(TLProxyStyle::thumbColor(palette), groove) >= 3.0, qPrintable(theme.id));
            }
            // Drawn as computed: sample the middle of the thumb and the groove.
            QScrollBar bar(Qt::Vertical);
            bar.setRange(0, 100);
            bar.setPageStep(100);
            bar.resize(12, 400);
            const QImage image = bar.grab().toImage();
            const QColor thumb = image.pixelColor(6, 100);
            const QColor groove = image.pixelColor(6, 390);
            QVERIFY2(ratio(thumb, groove) >= 3.0,
                     qPrintable(theme.id + u' ' + thumb.name() + u' ' + groove.name()));
        }
        MRBYThemes::setCurrentID(TLThemes::warmID);
    }

    // In high contrast a pop-up button and a menu carry the theme's outline
    // (white on black), which Fusion alone draws in black.
    void popUpsOutlinedInHighContrast()
    {
        MRBYThemes::setCurrentID(TLThemes::highContrastID);
        TLThemeRoot::applyApplicationLook();
        const auto bright = [](const QImage &image, QPoint at) {
            return image.pixelColor(at).lightnessF() > 0.8;
        };
        QComboBox combo;
        combo.addItem(QStringLiteral("Choose your state\u2026"));
        combo.resize(220, 32);
        const QImage comboImage = combo.grab().toImage();
        QVERIFY(bright(comboImage, QPoint(0, 16)));
        QVERIFY(bright(comboImage, QPoint(110, 0)));

        QMenu menu;
        menu.addAction(QStringLiteral("Zoom In"));
        menu.addAction(QStringLiteral("Zoom Out"));
        menu.ensurePolished();
        menu.resize(menu.sizeHint());
        const QImage menuImage = menu.grab().toImage();
        QVERIFY(bright(menuImage, QPoint(0, menuImage.height() / 2)));
        QVERIFY(bright(menuImage, QPoint(menuImage.width() - 1, menuImage.height() / 2)));
        MRBYThemes::setCurrentID(TLThemes::warmID);
        TLThemeRoot::applyApplicationLook();
    }

    // A menu bar too narrow for its menus shows its overflow button with a
    // symbol in the current theme's text colour, also after a theme change.
    void menuBarOverflowButton()
    {
        TLThemeRoot::applyApplicationLook();
        QMenuBar bar;
        for (const char *title : {"File", "View", "Theme", "Help", "More", "Other"})
            bar.addMenu(QString::fromLatin1(title));
        bar.resize(90, bar.sizeHint().height());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        auto *overflow = bar.findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(overflow);
        QVERIFY(overflow->isVisible());
        for (const QString &theme : {TLThemes::warmID, TLThemes::highContrastID}) {
            MRBYThemes::setCurrentID(theme);
            const QImage image =
                overflow->icon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
            // Thin strokes stay partly transparent: the most opaque pixel
            // carries the colour.
            QRgb strongest = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) > qAlpha(strongest))
                        strongest = image.pixel(x, y);
            const QColor ink = TLPalette::current().text;
            const bool inked = qAlpha(strongest) > 128 && std::abs(qRed(strongest) - ink.red()) <= 2
                && std::abs(qGreen(strongest) - ink.green()) <= 2 && std::abs(qBlue(strongest) - ink.blue()) <= 2;
            QVERIFY2(inked, qPrintable(theme));
        }
        MRBYThemes::setCurrentID(TLThemes::warmID);
    }
};

QTEST_MAIN(LookRenderTest)
#include "tst_LookRender.moc"
