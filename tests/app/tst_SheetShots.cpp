// Renders the resources sheet screen for Colorado inside the main window to
// <build>/shots/ for a person to look at, with the sheet's PDF beside it.

#include "Shots.h"
#include "TestSupport.h"

#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/kit/Prefs.h"
#include "screens/SheetScreen.h"
#include "services/AppModel.h"
#include "widgets/TLRender.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_SheetShots : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { Prefs::shared().clear(); }

    // Pictures of the screen for Colorado with the shipped data, for a person
    // to look at: the whole page, and the smallest window.
    void shot_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("sheet-colorado") << QSize(1280, 1700);
        QTest::newRow("sheet-smallest") << QSize(820, 560);
    }

    void shot()
    {
        QFETCH(QSize, size);
        TLRender::snapshotMode = true;
        AppModel shipped(testsupport::sourceDir() + QStringLiteral("/resources/data"),
                         m_dir.filePath(QStringLiteral("shot.sqlite")));
        QVERIFY(shipped.data());
        shipped.setStateCode(QStringLiteral("CO"));
        const QList<Listing> co = shipped.data()->stateListings(QStringLiteral("CO"), QStringLiteral("food_bank"));
        QVERIFY(!co.isEmpty());
        shipped.favorites()->add(co.first().uid, co.first().name);
        shipped.favorites()->setNote(co.first().uid, QStringLiteral("Open Tuesday mornings; bring a bag."));
        TLSetup::configure();
        shipped.setScreen(Screen::sheet);
        std::unique_ptr<QMainWindow> window(TLSetup::makeMainWindow(shipped));
        QVERIFY(shots::show(window.get(), size));
        QTest::qWait(100);
        QVERIFY(window->findChild<SheetScreen *>());
        QVERIFY(shots::save(window.get()));
        QVERIFY(ResourceSheet::build(QStringLiteral("CO"), *shipped.data(), shipped.favorites()->items())
                    .writePDF(shots::dir() + QStringLiteral("sheet-colorado.pdf"))
                == 1);
        TLRender::snapshotMode = false;
    }
};

QTEST_MAIN(tst_SheetShots)
#include "tst_SheetShots.moc"
