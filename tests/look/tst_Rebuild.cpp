// The theme root rebuilds its content once per change of theme or text size,
// also when the change comes from a widget inside the content.

#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemeRoot.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBDeferredCall.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QVBoxLayout>
#include <QtTest>

class RebuildTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        MRBYThemes::setDefaultID(TLThemes::warmID);
        MRBYThemes::registerThemes(TLThemes::extras());
    }

    void init()
    {
        Prefs::shared().clear();
        m_builds = 0;
    }

    void switchFromInsideContent()
    {
        std::unique_ptr<TLThemeRoot> root(makeRoot());
        root->resize(400, 300);
        root->show();
        QVERIFY(QTest::qWaitForWindowExposed(root.get()));
        QCOMPARE(m_builds, 1);
        QCOMPARE(m_builtBg, QColor(0xF4, 0xEC, 0xE1));

        QPointer<QCheckBox> first = m_check;
        QPointer<QWidget> firstContent = root->content();
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(8, first->height() / 2));
        QVERIFY(TLThemes::isHighContrast());
        QTRY_VERIFY(firstContent.isNull());
        QTest::qWait(20);
        QCOMPARE(m_builds, 2);
        QCOMPARE(root->rebuildCount(), 1);
        QCOMPARE(m_builtBg, QColor(Qt::black));
        QVERIFY(m_check && m_check != first);
        QVERIFY(m_check->isChecked());
        QCOMPARE(root->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(QApplication::palette().color(QPalette::WindowText), QColor(Qt::white));
        // The background behind the new content is drawn in the new colours.
        const QImage shot = root->grab().toImage();
        QCOMPARE(QColor(shot.pixel(shot.width() - 2, shot.height() - 2)), QColor(Qt::black));

        // And back, again from the new check box.
        QTest::mouseClick(m_check, Qt::LeftButton, {}, QPoint(8, m_check->height() / 2));
        QTRY_COMPARE(m_builds, 3);
        QCOMPARE(MRBYThemes::currentID(), TLThemes::warmID);
        QCOMPARE(m_builtBg, QColor(0xF4, 0xEC, 0xE1));
    }

    void textSizeAndUnrelatedKeys()
    {
        std::unique_ptr<TLThemeRoot> root(makeRoot());
        QCOMPARE(m_builds, 1);
        Prefs::shared().setString(TLPrefs::stateKey, QStringLiteral("CO"));
        MRBYThemes::setCurrentID(TLThemes::warmID); // same theme as the default
        QTest::qWait(20);
        QCOMPARE(m_builds, 1);

        // Two changes in one turn: one rebuild.
        TLStyle::setTextSize(2);
        MRBYThemes::setCurrentID(TLThemes::emberID);
        QTRY_COMPARE(m_builds, 2);
        QTest::qWait(20);
        QCOMPARE(m_builds, 2);
        QCOMPARE(root->identity(), QStringLiteral("tl-evening-ember-2"));
    }

    // A burst of requests is one call on a later turn, a cancelled request
    // none, and a call whose owner went first never comes.
    void deferredCallOnce()
    {
        int calls = 0;
        auto owner = std::make_unique<QObject>();
        MBDeferredCall call(owner.get(), [&] { ++calls; });
        call.schedule();
        call.schedule();
        QCOMPARE(calls, 0);
        QTRY_COMPARE(calls, 1);
        QVERIFY(!call.pending());

        call.schedule();
        call.cancel();
        QTest::qWait(20);
        QCOMPARE(calls, 1);

        call.schedule();
        owner.reset();
        QTest::qWait(20);
        QCOMPARE(calls, 1);
    }

private:
    TLThemeRoot *makeRoot()
    {
        return new TLThemeRoot([this] {
            ++m_builds;
            m_builtBg = TLPalette::current().bg;
            auto *page = new QWidget;
            auto *column = new QVBoxLayout(page);
            auto *card = new TLCard;
            m_check = new QCheckBox(QStringLiteral("High contrast"));
            m_check->setChecked(TLThemes::isHighContrast());
            QObject::connect(m_check, &QCheckBox::toggled, m_check, [](bool on) { TLThemes::setHighContrast(on); });
            card->addWidget(m_check);
            column->addWidget(card);
            column->addStretch(1);
            return page;
        });
    }

    int m_builds = 0;
    QColor m_builtBg;
    QPointer<QCheckBox> m_check;
};

QTEST_MAIN(RebuildTest)
#include "tst_Rebuild.moc"
