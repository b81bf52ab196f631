// Kit views: the search field and its clear button, the fixed-size font,
// the panel's insets, the credit line, and where the focus goes when the
// control holding it is hidden.

#include "look/kit/MBFont.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBLicCredit.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSearchField.h"
#include "look/kit/MBWindowFrame.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/Prefs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

// One case of a focused control that goes: the button pressed, the widget
// its press hides, and the widget that is to take the focus (null: the page).
struct Going
{
    QPushButton *pressed = nullptr;
    QWidget *goes = nullptr;
    QWidget *lands = nullptr;
};
using MakeGoing = std::function<Going(QWidget *content)>;
Q_DECLARE_METATYPE(MakeGoing)

class KitViewsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Prefs::shared().clear(); }

    // A window never opens taller or wider than the screen's free area, and
    // opens centred in it; a saved frame keeps its place when it still fits.
    void windowsFitTheScreen_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<std::optional<QPoint>>("at");
        QTest::addColumn<QRect>("expected");
        const QRect laptop(0, 0, 1366, 740); // 1366 x 768 less a panel
        QTest::newRow("default on 1366 x 768") << QSize(1280, 880) << laptop << std::optional<QPoint>()
                                               << QRect(43, 32, 1280, 708);
        QTest::newRow("default on a large screen") << QSize(1280, 880) << QRect(0, 0, 1920, 1050)
                                                   << std::optional<QPoint>() << QRect(320, 101, 1280, 880);
        QTest::newRow("never below the minimum") << QSize(1280, 880) << QRect(0, 0, 800, 500)
                                                 << std::optional<QPoint>() << QRect(-10, -14, 820, 560);
        QTest::newRow("saved place that fits") << QSize(900, 600) << laptop << std::optional(QPoint(10, 20))
                                               << QRect(10, 52, 900, 600);
        QTest::newRow("saved frame from a larger screen")
            << QSize(1800, 1000) << laptop << std::optional(QPoint(50, 50)) << QRect(0, 32, 1366, 708);
    }

    void windowsFitTheScreen()
    {
        QFETCH(QSize, wanted);
        QFETCH(QRect, available);
        QFETCH(std::optional<QPoint>, at);
        QFETCH(QRect, expected);
        QCOMPARE(MBWindowFrame::fitted(wanted, QSize(820, 560), available,
                                       MBWindowFrame::decorationAllowance, at),
                 expected);
    }

    void searchFieldClearButton()
    {
        MBSearchField field(QStringLiteral("Search help"));
        field.resize(260, field.sizeHint().height());
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        QSignalSpy spy(&field, &MBSearchField::textChanged);

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

        // Written from outside: the button follows too. Return changes nothing.
        field.setText(QStringLiteral("tire"));
        QVERIFY(!field.clearButton()->isHidden());
        const int changes = spy.count();
        QTest::keyClick(field.lineEdit(), Qt::Key_Return);
        QCOMPARE(field.text(), QStringLiteral("tire"));
        QCOMPARE(spy.count(), changes);
    }

    void fontSizes_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("weight");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<int>("qtWeight");
        QTest::newRow("13.5 keeps fraction") << 13.5 << int(FontWeight::Regular) << 1.0 << 13.5 << int(QFont::Normal);
        QTest::newRow("22 heavy") << 22.0 << int(FontWeight::Heavy) << 1.0 << 22.0 << int(QFont::ExtraBold);
        QTest::newRow("zoomed window") << 12.0 << int(FontWeight::Bold) << 1.5 << 18.0 << int(QFont::Bold);
    }

    void fontSizes()
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
    }

    void panelInsets()
    {
        auto *content = new QWidget;
        content->setMinimumSize(100, 50);
        MBPanel panel(content);
        panel.resize(124, 74);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(content->geometry(), QRect(12, 12, 100, 50));

        // The fill has round corners: the very corner shows through.
        QImage img(panel.size(), QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        panel.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(qAlpha(img.pixel(1, 1)), 0);
        QCOMPARE(qAlpha(img.pixel(62, 37)), 255);
    }

    void creditLine()
    {
        const QUrl site = MRBYKitHost::creditURL();
        QCOMPARE(site.scheme(), QStringLiteral("https"));
        MBLicCredit credit;
        QCOMPARE(credit.text(), QStringLiteral("by Marrowby (MRBY) \u00B7 ") + site.host());

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

    // A focused button hidden by its own press: the focus goes to a whole
    // (markHolder) beside it, else for a part the whole around it, else the
    // page; never to a button beside it by its class, where the next Space
    // would press it. The wholes here are plain widgets, of no class of
    // their own.
    void handedFocusGoesToAWholeOrThePage_data()
    {
        QTest::addColumn<MakeGoing>("make");
        const auto button = [](QWidget *in) {
            auto *b = new QPushButton(QStringLiteral("Remove"), in);
            in->layout()->addWidget(b);
            return b;
        };
        const auto whole = [](QWidget *in) {
            auto *w = new QWidget(in);
            new QVBoxLayout(w);
            in->layout()->addWidget(w);
            MBKeyboard::markHolder(w);
            return w;
        };
        // A card of `count` lines, each a whole with its own button.
        const auto lines = [=](QWidget *content, int count) {
            QWidget *card = whole(content);
            QList<QWidget *> made;
            for (int i = 0; i < count; ++i) {
                made << whole(card);
                button(made.last());
            }
            return made;
        };
        const auto buttonOf = [](QWidget *line) { return line->findChild<QPushButton *>(); };
        QTest::newRow("a button beside one like it, in a whole") << MakeGoing([=](QWidget *content) {
            QWidget *card = whole(content);
            QPushButton *first = button(card);
            button(card);
            return Going{first, first, card};
        });
        QTest::newRow("a button beside one like it, on the page") << MakeGoing([=](QWidget *content) {
            QPushButton *first = button(content);
            button(content);
            return Going{first, first, nullptr};
        });
        QTest::newRow("a line: the one below") << MakeGoing([=](QWidget *content) {
            const QList<QWidget *> made = lines(content, 3);
            return Going{buttonOf(made.at(1)), made.at(1), made.at(2)};
        });
        QTest::newRow("the last line: the one above") << MakeGoing([=](QWidget *content) {
            const QList<QWidget *> made = lines(content, 3);
            return Going{buttonOf(made.at(2)), made.at(2), made.at(1)};
        });
        QTest::newRow("the only line: the page, not its card") << MakeGoing([=](QWidget *content) {
            const QList<QWidget *> made = lines(content, 1);
            return Going{buttonOf(made.at(0)), made.at(0), nullptr};
        });
    }

    void handedFocusGoesToAWholeOrThePage()
    {
        QFETCH(MakeGoing, make);
        QScrollArea page;
        page.setWidgetResizable(true);
        auto *content = new QWidget;
        new QVBoxLayout(content);
        const Going going = make(content);
        page.setWidget(content);
        MBKeyboard::markPage(&page);
        int presses = 0;
        for (QPushButton *b : content->findChildren<QPushButton *>())
            connect(b, &QPushButton::clicked, &page, [&presses] { ++presses; });
        connect(going.pressed, &QPushButton::clicked, going.goes, &QWidget::hide);
        page.resize(400, 600);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        going.pressed->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), going.pressed);

        QTest::keyClick(going.pressed, Qt::Key_Space);
        QCOMPARE(presses, 1);
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus, going.lands ? going.lands : &page);
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(presses, 1);
    }
};

QTEST_MAIN(KitViewsTest)
#include "tst_KitViews.moc"
