#include "services/AppFixture.h"

#include "look/app/TLPrefs.h"
#include "look/kit/Prefs.h"
#include "widgets/StatePicker.h"
#include "widgets/StatePrompt.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

class tst_StatePicker : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;

private Q_SLOTS:
    void initTestCase()
    {
        m_model = appfixture::makeModel(m_dir.path());
        QVERIFY(m_model && m_model->data());
    }

    void init()
    {
        m_model->setStateCode(QString());
        Prefs::shared().clear();
    }

    void listsStatesAndChoosingWritesModelAndSettings()
    {
        StatePicker picker(*m_model);
        QComboBox *combo = picker.comboBox();
        QCOMPARE(combo->itemText(0), QStringLiteral("Choose your state\u2026"));
        QCOMPARE(picker.codes(), (QStringList{QString(), "CO", "TX"}));
        QCOMPARE(combo->itemText(1), QStringLiteral("Colorado"));
        QCOMPARE(combo->currentIndex(), 0);

        QSignalSpy changes(m_model.get(), &AppModel::stateCodeChanged);
        picker.comboBox()->activated(2); // what a choice in the pop-up emits
        QCOMPARE(m_model->stateCode(), QStringLiteral("TX"));
        QCOMPARE(Prefs::shared().string(TLPrefs::stateKey).value_or(QString()), QStringLiteral("TX"));
        QCOMPARE(changes.size(), 1);

        // "Choose your state…" clears the state.
        picker.comboBox()->setCurrentIndex(0);
        picker.comboBox()->activated(0);
        QCOMPARE(m_model->stateCode(), QString());
        QCOMPARE(Prefs::shared().string(TLPrefs::stateKey).value_or(QStringLiteral("?")), QString());
    }

    void modelChangesShowInEveryPicker()
    {
        StatePicker sidebarPicker(*m_model);
        StatePrompt prompt(*m_model);
        QComboBox *a = sidebarPicker.comboBox();
        QComboBox *b = prompt.picker()->comboBox();

        // One picker's choice shows in the other, and a model change in both.
        a->setCurrentIndex(1);
        a->activated(1);
        QCOMPARE(b->currentText(), QStringLiteral("Colorado"));
        b->setCurrentIndex(2);
        b->activated(2);
        QCOMPARE(a->currentText(), QStringLiteral("Texas"));
        m_model->setStateCode(QStringLiteral("CO"));
        QCOMPARE(a->currentIndex(), 1);
        QCOMPARE(b->currentIndex(), 1);
        // Showing the model's value writes nothing back.
        QCOMPARE(m_model->stateCode(), QStringLiteral("CO"));
    }

    void unknownCodeShowsNoEntry()
    {
        m_model->setStateCode(QStringLiteral("ZZ"));
        StatePicker picker(*m_model);
        QCOMPARE(picker.comboBox()->currentIndex(), -1);
        QCOMPARE(m_model->stateCode(), QStringLiteral("ZZ"));
        picker.comboBox()->activated(1);
        QCOMPARE(m_model->stateCode(), QStringLiteral("CO"));
    }

    void withoutDataOnlyTheFirstEntry()
    {
        AppModel empty(m_dir.path() + QStringLiteral("/none"), m_dir.path() + QStringLiteral("/l2.sqlite"));
        QVERIFY(!empty.data());
        empty.setStateCode(QStringLiteral("CO"));
        StatePicker picker(empty);
        QCOMPARE(picker.comboBox()->count(), 1);
        QCOMPARE(picker.comboBox()->currentIndex(), -1);
        picker.comboBox()->activated(0);
        QCOMPARE(empty.stateCode(), QString());
    }

    void wheelDoesNotChangeTheState()
    {
        // Scrolling the sidebar over the pop-up must not pick another state.
        m_model->setStateCode(QStringLiteral("CO"));
        StatePicker picker(*m_model);
        QComboBox *combo = picker.comboBox();
        for (const int delta : {-120, 120, -120}) {
            const QPointF at(combo->width() / 2.0, combo->height() / 2.0);
            QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(combo, &wheel);
            QVERIFY(!wheel.isAccepted()); // left to the scroll area around it
        }
        QCOMPARE(m_model->stateCode(), QStringLiteral("CO"));
        QCOMPARE(combo->currentIndex(), 1);
    }
};

QTEST_MAIN(tst_StatePicker)
#include "tst_StatePicker.moc"
