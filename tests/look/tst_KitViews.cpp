// Kit views: the search field and its clear button, the fixed-size font,
// the title pass-through, the panel's insets, the credit line and the
// window backdrop.

#include "look/kit/MBFont.h"
#include "look/kit/MBLicCredit.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSearchField.h"
#include "look/kit/MBWindowBackground.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

class KitViewsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Prefs::shared().clear(); }
    void searchFieldClearButton();
    void searchFieldReturnChangesNothing();
    void fontSizes_data();
    void fontSizes();
    void plainTitles();
    void panelInsets();
    void creditLine();
    void windowBackground();
};

void KitViewsTest::searchFieldClearButton()
{
    MBSearchField field(QStringLiteral("Search help"));
    field.resize(260, field.sizeHint().height());
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    QSignalSpy spy(&field, &MBSearchField::textChanged);

    QCOMPARE(field.lineEdit()->placeholderText(), QStringLiteral("Search help"));
    QVERIFY(field.text().isEmpty());
    QVERIFY(field.clearButton()->isHidden());
    QCOMPARE(field.clearButton()->toolTip(), QStringLiteral("Clear search"));

    // A lone space counts as text.
    QTest::keyClick(field.lineEdit(), Qt::Key_Space);
    QCOMPARE(field.text(), QStringLiteral(" "));
    QVERIFY(!field.clearButton()->isHidden());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toString(), QStringLiteral(" "));

    QTest::keyClicks(field.lineEdit(), QStringLiteral("zoom"));
    QCOMPARE(spy.last().at(0).toString(), QStringLiteral(" zoom"));

    QTest::mouseClick(field.clearButton(), Qt::LeftButton);
    QVERIFY(field.text().isEmpty());
    QCOMPARE(spy.last().at(0).toString(), QString());
    QVERIFY(field.clearButton()->isHidden());

    // Written from outside: the button follows too.
    field.setText(QStringLiteral("x"));
    QVERIFY(!field.clearButton()->isHidden());
}

void KitViewsTest::searchFieldReturnChangesNothing()
{
    MBSearchField field(QStringLiteral("Search help"), QStringLiteral("tire"));
    QSignalSpy spy(&field, &MBSearchField::textChanged);
    QTest::keyClick(field.lineEdit(), Qt::Key_Return);
    QCOMPARE(field.text(), QStringLiteral("tire"));
    QCOMPARE(spy.count(), 0);
}

void KitViewsTest::fontSizes_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("weight");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("pixels");
    QTest::addColumn<int>("qtWeight");
    QTest::newRow("13 regular") << 13.0 << int(FontWeight::Regular) << 1.0 << 13.0 << int(QFont::Normal);
    QTest::newRow("22 heavy") << 22.0 << int(FontWeight::Heavy) << 1.0 << 22.0 << int(QFont::ExtraBold);
    QTest::newRow("13.5 keeps fraction") << 13.5 << int(FontWeight::Regular) << 1.0 << 13.5 << int(QFont::Normal);
    QTest::newRow("zoomed window") << 12.0 << int(FontWeight::Bold) << 1.5 << 18.0 << int(QFont::Bold);
}

void KitViewsTest::fontSizes()
{
    QFETCH(double, size);
    QFETCH(int, weight);
    QFETCH(double, zoom);
    QFETCH(double, pixels);
    QFETCH(int, qtWeight);
    // The application's text size must not matter.
    Prefs::shared().setInteger(QStringLiteral("tl.textSize"), 2);
    MBZoomScope scope(zoom);
    const QFont f = mbFont(size, FontWeight(weight));
    QVERIFY(qAbs(KitFont::pixelSize(f) - pixels) < 0.01);
    QCOMPARE(int(f.weight()), qtWeight);
    QVERIFY(f.families().contains(QStringLiteral("Inter")));
}

void KitViewsTest::plainTitles()
{
    QCOMPARE(mbPlain(QString()), QString());
    QCOMPARE(mbPlain(QStringLiteral("**MRBY** Help")), QStringLiteral("**MRBY** Help"));
    QCOMPARE(mbMenuText(QStringLiteral("Shelter & Parking")), QStringLiteral("Shelter && Parking"));
    QCOMPARE(mbMenuText(QStringLiteral("**x**")), QStringLiteral("**x**"));
}

void KitViewsTest::panelInsets()
{
    auto *content = new QWidget;
    content->setMinimumSize(100, 50);
    MBPanel panel(content);
    QCOMPARE(panel.radius(), 20.0);
    QCOMPARE(panel.padding(), 12.0);
    panel.resize(124, 74);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(content->geometry(), QRect(12, 12, 100, 50));

    MBPanel wide(new QWidget, 22, 20);
    QCOMPARE(wide.radius(), 22.0);
    QCOMPARE(wide.layout()->contentsMargins(), QMargins(20, 20, 20, 20));

    // The fill has round corners: the very corner shows through.
    QImage img(panel.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    panel.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    QCOMPARE(qAlpha(img.pixel(1, 1)), 0);
    QCOMPARE(qAlpha(img.pixel(62, 37)), 255);
}

void KitViewsTest::creditLine()
{
    const QUrl site = MRBYKitHost::creditURL();
    QVERIFY(site.isValid());
    QVERIFY(site.scheme() == QLatin1String("https"));
    MBLicCredit credit;
    QCOMPARE(credit.text(), QStringLiteral("by Marrowby (MRBY) \u00B7 ") + site.host());
    QCOMPARE(credit.textFormat(), Qt::PlainText);
    QVERIFY(qAbs(KitFont::pixelSize(credit.font()) - 11.0) < 0.01);

    QStringList opened;
    const MBLinks::Opener previous = MBLinks::opener();
    MBLinks::setOpener([&](const QString &u) { opened << u; });
    credit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&credit));
    QTest::mouseClick(&credit, Qt::LeftButton);
    QTest::keyClick(&credit, Qt::Key_Return);
    MBLinks::setOpener(previous);
    QCOMPARE(opened, (QStringList{MRBYKitHost::creditURLText(), MRBYKitHost::creditURLText()}));
}

void KitViewsTest::windowBackground()
{
    Prefs::shared().setString(MRBYThemes::key, QStringLiteral("cobalt-gunmetal"));
    const MBKitTheme k = MRBYKitHost::theme();
    QImage img(800, 600, QImage::Format_RGB32);
    {
        QPainter p(&img);
        MBWindowBackground::paint(p, QRectF(img.rect()), k);
    }
    const QColor corner = img.pixelColor(0, 0);
    const QColor farTop = img.pixelColor(799, 0);
    const QColor bottom = img.pixelColor(799, 599);
    // The accent glows from the top leading corner; the bottom is shaded.
    QVERIFY(corner.blue() > farTop.blue());
    QVERIFY(bottom.lightness() < farTop.lightness());
    // Every pixel is painted (no hole at any edge).
    QCOMPARE(img.pixelColor(400, 599).alpha(), 255);
    // The far corner is close to the theme's background.
    QVERIFY(qAbs(img.pixelColor(799, 300).red() - k.bg.red()) < 12);
}

QTEST_MAIN(KitViewsTest)
#include "tst_KitViews.moc"
