#include "look/app/TLCard.h"
#include "look/app/TLLookSetup.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/DisplayView.h"
#include "services/TLInfo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

class tst_DisplayView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLLookSetup::install(TLInfo::appName);
    }

    void init() { Prefs::shared().clear(); }

    void firstRunAndZoomButtons()
    {
        DisplayView view;
        QCOMPARE(view.textSizePicker()->current(), 0);
        QCOMPARE(view.themePicker()->currentText(), QStringLiteral("Warm Sand (calm, light)"));
        QCOMPARE(view.zoomLabel()->text(), QStringLiteral("Zoom the whole window: 100%"));
        // Showing the settings stored nothing.
        QVERIFY(!Prefs::shared().contains(TLPrefs::textSizeKey));
        QVERIFY(!Prefs::shared().contains(MRBYThemes::key));

        QStringList seen;
        for (int i = 0; i < 8; ++i) {
            view.biggerButton()->click();
            seen << view.zoomLabel()->text().section(QLatin1Char(' '), -1);
        }
        QCOMPARE(seen, (QStringList{"115%", "130%", "145%", "160%", "175%", "190%", "200%", "200%"}));
        QCOMPARE(MBZoom::value(), 2.0);
        view.actualSizeButton()->click();
        QCOMPARE(MBZoom::value(), 1.0);
        for (int i = 0; i < 2; ++i) {
            view.smallerButton()->click();
            QCOMPARE(view.zoomLabel()->text(), QStringLiteral("Zoom the whole window: 85%"));
        }
        QCOMPARE(MBZoom::value(), 0.85);
        view.actualSizeButton()->click();
        QCOMPARE(view.zoomLabel()->text(), QStringLiteral("Zoom the whole window: 100%"));
    }

    // Cards stand 16 points apart and at the column's padding, at any zoom:
    // the room their shadows take is not counted as spacing.
    void cardsSpacedByTheirPanels_data()
    {
        QTest::addColumn<double>("zoom");
        QTest::newRow("100 %") << 1.0;
        QTest::newRow("150 %") << 1.5;
    }

    void cardsSpacedByTheirPanels()
    {
        QFETCH(double, zoom);
        MBZoomScope scope(zoom);
        DisplayView view;
        view.resize(int(900 * zoom), int(1200 * zoom));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QList<TLCard *> cards = view.findChildren<TLCard *>();
        QCOMPARE(cards.size(), 3);
        std::sort(cards.begin(), cards.end(), [](TLCard *a, TLCard *b) { return a->y() < b->y(); });
        for (int i = 0; i + 1 < cards.size(); ++i)
            QCOMPARE(cards[i + 1]->y() - cards[i]->geometry().bottom() - 1, ipx(16));
        for (TLCard *card : cards) {
            QCOMPARE(card->x(), ipx(24));
            QCOMPARE(card->panelRect(), QRectF(card->rect()));
        }
    }

    void zoomLineClampsStoredValue_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("percent");
        QTest::newRow("above") << 3.0 << "200%";
        QTest::newRow("below") << 0.5 << "85%";
        QTest::newRow("between") << 1.234 << "123%";
        QTest::newRow("zero reads as 100") << 0.0 << "100%";
    }

    void zoomLineClampsStoredValue()
    {
        QFETCH(double, stored);
        QFETCH(QString, percent);
        Prefs::shared().setNumber(MBZoom::key, stored);
        QCOMPARE(DisplayView::zoomLine(), QStringLiteral("Zoom the whole window: ") + percent);
    }

    void textSizeSegments()
    {
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 7);
        DisplayView view;
        QCOMPARE(view.textSizePicker()->current(), -1); // out of range: none chosen
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        SegmentedPicker *picker = view.textSizePicker();
        const QRect r = picker->rect();
        QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(r.width() * 5 / 6, r.height() / 2));
        QCOMPARE(Prefs::shared().integer(TLPrefs::textSizeKey), 2);
        QCOMPARE(picker->current(), 2);
        QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(r.width() / 2, r.height() / 2));
        QCOMPARE(Prefs::shared().integer(TLPrefs::textSizeKey), 1);
    }

    void highContrastToggle()
    {
        // Off goes back to the theme before it.
        MRBYThemes::setCurrentID(TLThemes::emberID);
        DisplayView view;
        view.highContrastToggle()->click();
        QCOMPARE(MRBYThemes::currentID(), TLThemes::highContrastID);
        QCOMPARE(view.themePicker()->currentData().toString(), TLThemes::highContrastID);
        view.highContrastToggle()->click();
        QCOMPARE(MRBYThemes::currentID(), TLThemes::emberID);
        QCOMPARE(view.themePicker()->currentData().toString(), TLThemes::emberID);
    }

    void themePickerWithoutToggle()
    {
        DisplayView view;
        QComboBox *picker = view.themePicker();
        const int hc = picker->findData(TLThemes::highContrastID);
        QVERIFY(hc >= 0);
        picker->setCurrentIndex(hc);
        picker->activated(hc);
        QVERIFY(view.highContrastToggle()->isChecked());
        QVERIFY(!Prefs::shared().contains(TLPrefs::previousThemeKey));
        // Off with nothing remembered: Warm Sand.
        view.highContrastToggle()->click();
        QCOMPARE(MRBYThemes::currentID(), TLThemes::warmID);
        QCOMPARE(picker->currentText(), QStringLiteral("Warm Sand (calm, light)"));
    }

    void followsChangesFromElsewhere()
    {
        DisplayView view;
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        MRBYThemes::setCurrentID(TLThemes::emberID);
        MBZoom::zoomIn();
        QCOMPARE(view.textSizePicker()->current(), 2);
        QCOMPARE(view.themePicker()->currentData().toString(), TLThemes::emberID);
        QCOMPARE(view.zoomLabel()->text(), QStringLiteral("Zoom the whole window: 115%"));
    }
};

QTEST_MAIN(tst_DisplayView)
#include "tst_DisplayView.moc"
