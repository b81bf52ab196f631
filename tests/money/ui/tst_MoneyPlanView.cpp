#include "money/ui/MoneyUIFixture.h"
#include "ReadOnlyFolder.h"

#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLLookSetup.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYTheme.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "money/ui/CashEditor.h"
#include "money/ui/EntriesCard.h"
#include "money/ui/EntryForm.h"
#include "money/ui/KindBar.h"
#include "money/ui/MoneyPlanView.h"
#include "money/ui/MoneyStat.h"
#include "money/ui/NameEditor.h"
#include "money/ui/SavingsBar.h"
#include "money/ui/SavingsCard.h"
#include "money/ui/TLField.h"
#include "money/ui/TipCard.h"
#include "pdf/PdfPrint.h"
#include "screens/ContactButtons.h"
#include "screens/FileReveal.h"
#include "screens/Page.h"
#include "screens/RefusalCheck.h"
#include "screens/SaveAnswers.h"
#include "screens/SaveByReturn.h"
#include "screens/SaveFile.h"
#include "screens/SegmentedPicker.h"
#include "services/TLInfo.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLPopUp.h"
#include "widgets/TLScroll.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfDocument>
#include <QPrintDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Redrawn parts leave with deleteLater(); let them go before looking.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename T>
T *child(const QWidget &root, const char *name)
{
    settle();
    return root.findChild<T *>(QString::fromLatin1(name));
}

void type(TLField *field, const QString &text)
{
    field->lineEdit()->clear();
    QTest::keyClicks(field->lineEdit(), text);
}

QStringList labelTexts(const QWidget *root)
{
    settle();
    QStringList out;
    for (const QLabel *l : root->findChildren<QLabel *>())
        out << l->text();
    return out;
}

} // namespace

class tst_MoneyPlanView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppModel> m_model;
    int m_beeps = 0;
    PdfPrint::Beep m_oldBeep;
    SaveAnswers m_save;

    MoneyStore &store() { return *m_model->money(); }

private Q_SLOTS:
    void initTestCase()
    {
        m_oldBeep = PdfPrint::replaceBeep([this] { ++m_beeps; });
    }

    void cleanupTestCase()
    {
        PdfPrint::replaceBeep(m_oldBeep);
    }

    // Every test starts from an empty plan, no settings and no state.
    void init()
    {
        Prefs::shared().clear();
        m_model.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_model = moneyui::makeModel(m_dir->path());
        QVERIFY(m_model && m_model->money() && m_model->data());
        m_beeps = 0;
        m_save.clear();
    }

    void cashCommit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("stored"); // -1: refused
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << QStringLiteral("45") << qint64(4500) << QStringLiteral("45.00");
        QTest::newRow("dollars and comma") << QStringLiteral("$1,250.5") << qint64(125050) << QStringLiteral("1250.50");
        QTest::newRow("zero") << QStringLiteral("0") << qint64(0) << QStringLiteral("0.00");
        QTest::newRow("empty") << QString() << qint64(-1) << QString();
        QTest::newRow("minus") << QStringLiteral("-") << qint64(-1) << QStringLiteral("-");
        QTest::newRow("letters") << QStringLiteral("lots") << qint64(-1) << QStringLiteral("lots");
        QTest::newRow("three decimals") << QStringLiteral("1.234") << qint64(-1) << QStringLiteral("1.234");
    }

    void cashCommit()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, stored);
        QFETCH(QString, shown);
        store().setCash(777);
        CashEditor editor(store());
        QCOMPARE(editor.field()->text(), QStringLiteral("7.77"));
        type(editor.field(), typed);
        // Return in the field stores nothing.
        QTest::keyClick(editor.field()->lineEdit(), Qt::Key_Return);
        QCOMPARE(store().plan().cashOnHandCents, qint64(777));
        QTest::mouseClick(editor.button(), Qt::LeftButton);
        QCOMPARE(editor.field()->text(), shown);
        QCOMPARE(m_beeps, 0);
        if (stored < 0) {
            QCOMPARE(editor.error(), QStringLiteral("Type an amount, like 45 or 45.50."));
            QCOMPARE(store().plan().cashOnHandCents, qint64(777));
            // A valid amount takes the sentence away.
            type(editor.field(), QStringLiteral("5"));
            editor.update();
            QCOMPARE(editor.error(), QString());
        } else {
            QCOMPARE(editor.error(), QString());
            QCOMPARE(store().plan().cashOnHandCents, stored);
        }
    }

    void nameCommit()
    {
        store().setName(QStringLiteral("Sam"));
        NameEditor editor(store());
        QCOMPARE(editor.field()->text(), QStringLiteral("Sam"));
        type(editor.field(), QStringLiteral("  Jo  "));
        QTest::keyClick(editor.field()->lineEdit(), Qt::Key_Return);
        QCOMPARE(store().plan().name, QStringLiteral("Sam"));
        editor.save();
        QCOMPARE(store().plan().name, QStringLiteral("Jo"));
        QCOMPARE(editor.field()->text(), QStringLiteral("  Jo  "));
        type(editor.field(), QString());
        editor.save();
        QCOMPARE(store().plan().name, QString());
        QCOMPARE(m_beeps, 0);
    }

    void goalCommit_data()
    {
        QTest::addColumn<QString>("goal");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<qint64>("goalCents");
        QTest::addColumn<qint64>("savedCents");
        QTest::newRow("both") << QStringLiteral("600") << QStringLiteral("85") << false << qint64(60000) << qint64(8500);
        QTest::newRow("both empty") << QString() << QString() << false << qint64(0) << qint64(0);
        QTest::newRow("spaces") << QStringLiteral("  ") << QStringLiteral("1") << true << qint64(100) << qint64(50);
        QTest::newRow("bad saved") << QStringLiteral("5") << QStringLiteral("x") << true << qint64(100) << qint64(50);
        QTest::newRow("both bad") << QStringLiteral("x") << QStringLiteral("y") << true << qint64(100) << qint64(50);
    }

    void goalCommit()
    {
        QFETCH(QString, goal);
        QFETCH(QString, saved);
        QFETCH(bool, refused);
        QFETCH(qint64, goalCents);
        QFETCH(qint64, savedCents);
        store().setGoal(QStringLiteral("Old"), 100, 50);
        SavingsCard card(store());
        QCOMPARE(card.goalField()->text(), QStringLiteral("1.00"));
        QCOMPARE(card.savedField()->text(), QStringLiteral("0.50"));
        type(card.nameField(), QStringLiteral("Room"));
        type(card.goalField(), goal);
        type(card.savedField(), saved);
        QTest::mouseClick(card.button(), Qt::LeftButton);
        QCOMPARE(card.error(), refused ? QStringLiteral("Type amounts like 300 or 25.50.") : QString());
        QCOMPARE(store().plan().goalCents, goalCents);
        QCOMPARE(store().plan().savedCents, savedCents);
        QCOMPARE(m_beeps, 0);
        // The fields keep what was typed; the heading and bar follow the plan.
        QCOMPARE(card.goalField()->text(), goal);
        card.refresh();
        QCOMPARE(card.heading(), refused ? QStringLiteral("Savings goal: Old") : QStringLiteral("Savings goal: Room"));
        QCOMPARE(card.bar()->percent(), store().plan().savingsPercent());
    }

    void savingsCardStart()
    {
        SavingsCard card(store());
        QCOMPARE(card.heading(), QStringLiteral("Savings goal"));
        QCOMPARE(card.sentence(), QStringLiteral("No savings goal yet."));
        QCOMPARE(card.goalField()->text(), QString());
        QCOMPARE(card.bar()->percent(), 0);
        QCOMPARE(card.bar()->accessibleName(), QStringLiteral("Savings 0 percent"));
        store().setGoal(QStringLiteral("Deposit"), 60000, 8500);
        card.refresh();
        QCOMPARE(card.bar()->percent(), 14);
        QCOMPARE(card.bar()->accessibleName(), QStringLiteral("Savings 14 percent"));
    }

    void addForm_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<qint64>("stored"); // -1: refused
        QTest::newRow("empty") << QString() << qint64(-1);
        QTest::newRow("zero") << QStringLiteral("0") << qint64(-1);
        QTest::newRow("zero cents") << QStringLiteral("0.00") << qint64(-1);
        QTest::newRow("three decimals") << QStringLiteral("12.345") << qint64(-1);
        QTest::newRow("two points") << QStringLiteral("12.3.4") << qint64(-1);
        QTest::newRow("comma is thousands") << QStringLiteral("12,50") << qint64(125000);
        QTest::newRow("dollar") << QStringLiteral("$12.5") << qint64(1250);
        QTest::newRow("one cent") << QStringLiteral("0.01") << qint64(1);
    }

    void addForm()
    {
        QFETCH(QString, amount);
        QFETCH(qint64, stored);
        EntryForm form(MoneyKind::expense, store());
        QCOMPARE(form.category(), QStringLiteral("food"));
        QCOMPARE(form.kindPicker()->currentText(), QStringLiteral("Food"));
        QCOMPARE(form.frequency(), MoneyFrequency::week);
        form.kindPicker()->setCurrentIndex(1);
        form.frequencyPicker()->setCurrent(2);
        type(form.labelField(), QStringLiteral("Gas"));
        type(form.amountField(), amount);
        QTest::keyClick(form.amountField()->lineEdit(), Qt::Key_Return);
        QVERIFY(store().plan().entries.isEmpty());
        QTest::mouseClick(form.button(), Qt::LeftButton);
        QCOMPARE(m_beeps, 0);
        if (stored < 0) {
            QCOMPARE(form.error(), QStringLiteral("Type an amount more than zero, like 12 or 12.50."));
            QVERIFY(store().plan().entries.isEmpty());
            QCOMPARE(form.labelField()->text(), QStringLiteral("Gas"));
            QCOMPARE(form.amountField()->text(), amount);
            return;
        }
        QCOMPARE(form.error(), QString());
        QCOMPARE(store().plan().entries.size(), 1);
        const MoneyEntry e = store().plan().entries.first();
        QCOMPARE(e.cents, stored);
        QCOMPARE(e.category, QStringLiteral("fuel"));
        QCOMPARE(e.label, QStringLiteral("Gas"));
        QCOMPARE(e.frequency, MoneyFrequency::month);
        QCOMPARE(form.labelField()->text(), QString());
        QCOMPARE(form.amountField()->text(), QString());
        QCOMPARE(form.category(), QStringLiteral("fuel"));
        QCOMPARE(form.frequency(), MoneyFrequency::month);
    }

    void incomeFormStartsOnJob()
    {
        EntryForm form(MoneyKind::income, store());
        QCOMPARE(form.kindPicker()->currentText(), QStringLiteral("Job"));
        QCOMPARE(form.kindPicker()->count(), 4);
        QCOMPARE(form.labelField()->lineEdit()->placeholderText(), QStringLiteral("Kitchen job, deliveries\u2026"));
    }

    void periodIsKept()
    {
        store().add(MoneyKind::expense, QStringLiteral("food"), QString(), 1400, MoneyFrequency::day);
        {
            MoneyPlanView view(*m_model);
            auto *picker = child<SegmentedPicker>(view, "periodPicker");
            QCOMPARE(picker->current(), 0);
            QCOMPARE(child<QLabel>(*child<MoneyStat>(view, "statOut"), "statAmount")->text(), QStringLiteral("$98.27"));
            QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() * 3 / 4, picker->height() / 2));
            QCOMPARE(Prefs::shared().string(TLPrefs::moneyPeriodKey), std::optional<QString>(QStringLiteral("month")));
            QCOMPARE(child<QLabel>(*child<MoneyStat>(view, "statOut"), "statAmount")->text(), QStringLiteral("$425.83"));
            QVERIFY(labelTexts(&view).contains(QStringLiteral("each month")));
            QVERIFY(!labelTexts(&view).contains(QStringLiteral("each week")));
            QVERIFY(labelTexts(child<EntriesCard>(view, "expenseCard")).contains(QStringLiteral("/ month")));
        }
        // A new screen (the next start) shows the month again.
        MoneyPlanView again(*m_model);
        QCOMPARE(child<SegmentedPicker>(again, "periodPicker")->current(), 1);
        // An unknown value shows weekly amounts and no chosen segment.
        Prefs::shared().setString(TLPrefs::moneyPeriodKey, QStringLiteral("fortnight"));
        QCOMPARE(MoneyPlanView::period(), MoneyPeriod::week);
        QCOMPARE(child<SegmentedPicker>(again, "periodPicker")->current(), -1);
        QCOMPARE(child<QLabel>(*child<MoneyStat>(again, "statOut"), "statAmount")->text(), QStringLiteral("$98.27"));
    }

    void colours()
    {
        QCOMPARE(MoneyStat::leftOverColor(-1), TLPalette::red911());
        QCOMPARE(MoneyStat::leftOverColor(0), TLPalette::green211());
        QCOMPARE(MoneyStat::leftOverColor(1), TLPalette::green211());
        // The hourglass: red for a short runway, else the accent, each as it reads.
        const TLPalette palette = TLPalette::current();
        const QColor red = palette.readable(TLPalette::red911(), TLPalette::figureRatio);
        QCOMPARE(MoneyPlanView::runwayColor(true), red);
        QCOMPARE(MoneyPlanView::runwayColor(false), palette.accentIcon());

        // On the screen: an empty plan is green with the accent hourglass.
        MoneyPlanView view(*m_model);
        QCOMPARE(child<MoneyStat>(view, "statLeft")->color(), TLPalette::green211());
        QCOMPARE(child<QLabel>(view, "runwayText")->text(), QStringLiteral("Add what comes in and goes out to see this."));
        // One cent a month is no cent a week: still green.
        store().add(MoneyKind::expense, QStringLiteral("food"), QString(), 1, MoneyFrequency::month);
        QCOMPARE(child<MoneyStat>(view, "statLeft")->color(), TLPalette::green211());
        store().add(MoneyKind::expense, QStringLiteral("food"), QString(), 100, MoneyFrequency::month);
        QCOMPARE(child<QLabel>(*child<MoneyStat>(view, "statLeft"), "statAmount")->text(), QStringLiteral("-$0.23"));
        QCOMPARE(child<MoneyStat>(view, "statLeft")->color(), TLPalette::red911());
    }

    // The hourglass as painted: red at 29 days, the accent at 30.
    void hourglassOnTheScreen()
    {
        const auto painted = [](const MoneyPlanView &view, const QColor &color) {
            const QImage image = child<QWidget>(view, "hourglass")->grab().toImage();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).rgb() == color.rgb())
                        return true;
            return false;
        };
        const QColor red = MoneyPlanView::runwayColor(true);
        const QColor accent = MoneyPlanView::runwayColor(false);
        QVERIFY(red.rgb() != accent.rgb());
        MoneyPlanView view(*m_model);
        view.resize(900, 1600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // $100 a month burns $3.29 a day: $96 lasts 29 days, $99 lasts 30.
        store().add(MoneyKind::expense, QStringLiteral("food"), QString(), 10000, MoneyFrequency::month);
        store().setCash(9600);
        QCOMPARE(store().plan().runwayDays(), std::optional<qint64>(29));
        QTRY_VERIFY(painted(view, red));
        QVERIFY(!painted(view, accent));
        store().setCash(9900);
        QCOMPARE(store().plan().runwayDays(), std::optional<qint64>(30));
        QTRY_VERIFY(painted(view, accent));
        QVERIFY(!painted(view, red));
    }

    void tileAmountsRead()
    {
        TLLookSetup::install(TLInfo::appName);
        const auto rgb = [](const QColor &c) { return MRBYTheme::RGB(c.redF(), c.greenF(), c.blueF()); };
        for (const QString &theme : {TLThemes::warmID, TLThemes::emberID}) {
            Prefs::shared().setString(MRBYThemes::key, theme);
            const TLPalette palette = TLPalette::current();
            for (const QColor &tint : {TLPalette::green211(), TLPalette::blue988(), TLPalette::red911()}) {
                const QColor shown = MoneyStat(QStringLiteral("t"), 0, MoneyPeriod::week, tint).amountColor();
                QVERIFY2(MRBYTheme::RGB::contrast(rgb(shown), rgb(palette.panelTop)) >= 3.0, qPrintable(theme));
                if (palette.isLight)
                    QCOMPARE(shown, tint);
            }
        }
        Prefs::shared().setString(MRBYThemes::key, TLThemes::highContrastID);
        QCOMPARE(MoneyStat(QStringLiteral("t"), 0, MoneyPeriod::week, TLPalette::blue988()).amountColor(),
                 TLPalette::current().text);
    }

    void barWidths()
    {
        QCOMPARE(KindBar::barWidth(300, 6000, 6000), 300.0);
        QCOMPARE(KindBar::barWidth(300, 2000, 6000), 100.0);
        QCOMPARE(KindBar::barWidth(300, 0, 6000), 4.0);
        QCOMPARE(KindBar::barWidth(300, 1, 6000), 4.0);
        QCOMPARE(KindBar::barWidth(300, 0, 0), 4.0);
        QCOMPARE(KindBar::barWidth(300, 0, 0, 8), 8.0);
        QCOMPARE(SavingsBar::fillWidth(14, 500), 70.0);
        QCOMPARE(SavingsBar::fillWidth(100, 500), 500.0);
        QCOMPARE(SavingsBar::fillWidth(0, 500), 0.0);
    }

    void emptySavingsTrackIsFaint_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::newRow("warm") << TLThemes::warmID;
        QTest::newRow("ember") << TLThemes::emberID;
    }

    void emptySavingsTrackIsFaint()
    {
        QFETCH(QString, theme);
        Prefs::shared().setString(MRBYThemes::key, theme);
        SavingsBar bar(0);
        bar.resize(200, bar.sizeHint().height());
        QImage image(bar.size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        bar.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        // The border colour at 0.6 of its own opacity, not a solid grey bar.
        const int expected = qRound(TLPalette::current().border.alphaF() * 0.6 * 255);
        QVERIFY(qAbs(image.pixelColor(100, bar.height() / 2).alpha() - expected) <= 1);
    }

    void savedName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("named") << QStringLiteral("Sam") << int(MoneyPlanView::Kind::pdf) << QStringLiteral("Money Plan - Sam.pdf");
        QTest::newRow("unnamed") << QString() << int(MoneyPlanView::Kind::csv) << QStringLiteral("Money Plan.csv");
        QTest::newRow("slash and dash") << QStringLiteral("a/b \u2014 c") << int(MoneyPlanView::Kind::pdf)
                                        << QStringLiteral("Money Plan - a-b - c.pdf");
        QTest::newRow("quote") << QStringLiteral("Jo \"Bo") << int(MoneyPlanView::Kind::csv)
                               << QStringLiteral("Money Plan - Jo 'Bo.csv");
    }

    void savedName()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, expected);
        MoneyPlan plan;
        plan.name = name;
        QCOMPARE(MoneyPlanView::suggestedName(MoneyReport(plan, QString(), nullptr), MoneyPlanView::Kind(kind)),
                 expected);
    }

    // A plan's name taken as offered in Qt's own save dialog, with Return,
    // is the file written and the one the line names.
    void savedAsOffered_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("offered");
        QTest::newRow("quote, pdf") << "Jo \"Bo" << int(MoneyPlanView::Kind::pdf) << "Money Plan - Jo 'Bo.pdf";
        QTest::newRow("quote, csv") << "Jo \"Bo" << int(MoneyPlanView::Kind::csv) << "Money Plan - Jo 'Bo.csv";
        QTest::newRow("slash, pdf") << "Jo/Bo" << int(MoneyPlanView::Kind::pdf) << "Money Plan - Jo-Bo.pdf";
        QTest::newRow("slash, csv") << "Jo/Bo" << int(MoneyPlanView::Kind::csv) << "Money Plan - Jo-Bo.csv";
    }

    void savedAsOffered()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, offered);
        store().setName(name);
        MoneyPlanView view(*m_model);
        // The real dialog starts where the last save went: the test's folder.
        m_save.answer = m_dir->filePath(QStringLiteral("first.csv"));
        view.save(MoneyPlanView::Kind::csv);
        QCOMPARE(SaveFile::startFolder(), m_dir->path());
        m_save.clear();
        const QDir folder(m_dir->path());
        const QStringList before = folder.entryList(QDir::Files);

        {
            SaveByReturn person;
            view.save(MoneyPlanView::Kind(kind));
            QCOMPARE(person.shown, QStringList{offered});
        }
        QCOMPARE(view.message(), QStringLiteral("Saved: ") + offered);
        QCOMPARE(m_save.revealed, QStringList{m_dir->filePath(offered)});
        QStringList written = folder.entryList(QDir::Files);
        for (const QString &file : before)
            written.removeOne(file);
        QCOMPARE(written, QStringList{offered});
        QVERIFY(QFileInfo(folder.filePath(offered)).size() > 0);
    }

    void typedTextSurvivesRedraws()
    {
        moneyui::fillExample(store());
        MoneyPlanView view(*m_model);
        auto *cash = child<CashEditor>(view, "cashEditor");
        auto *name = child<NameEditor>(view, "nameEditor");
        auto *savings = child<SavingsCard>(view, "savingsCard");
        auto *form = child<EntriesCard>(view, "expenseCard")->form();
        type(cash->field(), QStringLiteral("12"));
        type(name->field(), QStringLiteral("New name"));
        type(savings->goalField(), QStringLiteral("999"));
        type(form->labelField(), QStringLiteral("Half typed"));
        type(form->amountField(), QStringLiteral("3"));
        form->frequencyPicker()->setCurrent(0);
        form->amountField()->setFocus();

        const auto unchanged = [&] {
            QCOMPARE(cash->field()->text(), QStringLiteral("12"));
            QCOMPARE(name->field()->text(), QStringLiteral("New name"));
            QCOMPARE(savings->goalField()->text(), QStringLiteral("999"));
            QCOMPARE(form->labelField()->text(), QStringLiteral("Half typed"));
            QCOMPARE(form->amountField()->text(), QStringLiteral("3"));
            QCOMPARE(form->frequency(), MoneyFrequency::day);
        };
        // A plan change from elsewhere, a period change and a state change.
        store().add(MoneyKind::income, QStringLiteral("gig"), QStringLiteral("Tips"), 500, MoneyFrequency::week);
        QCoreApplication::processEvents();
        unchanged();
        QVERIFY(labelTexts(child<EntriesCard>(view, "incomeCard")).contains(QStringLiteral("Tips")));
        Prefs::shared().setString(TLPrefs::moneyPeriodKey, QStringLiteral("month"));
        unchanged();
        m_model->setStateCode(QStringLiteral("CO"));
        QCoreApplication::processEvents();
        unchanged();
        QCOMPARE(child<TLSectionTitle>(view, "tipsTitle")->text(), QStringLiteral("Ways to spend less or bring in more in Colorado"));
        // Adding a line on the other card leaves this form as it was.
        auto *incomeForm = child<EntriesCard>(view, "incomeCard")->form();
        type(incomeForm->amountField(), QStringLiteral("20"));
        incomeForm->add();
        unchanged();
    }

    void linesAndRemove()
    {
        store().add(MoneyKind::expense, QStringLiteral("food"), QString(), 1400, MoneyFrequency::day);
        store().add(MoneyKind::expense, QStringLiteral("nope"), QStringLiteral("<b>bold</b>"), 100, MoneyFrequency::week);
        MoneyPlanView view(*m_model);
        auto *card = child<EntriesCard>(view, "expenseCard");
        QStringList texts = labelTexts(card);
        QVERIFY(texts.contains(QStringLiteral("Food")));
        QVERIFY(texts.contains(QStringLiteral("Food \u00b7 $14.00 a day")));
        QVERIFY(texts.contains(QStringLiteral("Other \u00b7 $1.00 a week")));
        QVERIFY(texts.contains(QStringLiteral("$273.03 a week").replace(QStringLiteral("273.03"), QStringLiteral("99.27"))));
        for (const QLabel *l : card->findChildren<QLabel *>(QStringLiteral("entryLabel")))
            QCOMPARE(l->textFormat(), Qt::PlainText);
        QVERIFY(texts.contains(QStringLiteral("<b>bold</b>")));
        store().setGoal(QStringLiteral("<i>room</i>"), 100, 0);
        const auto *heading = child<QLabel>(view, "savingsHeading");
        QCOMPARE(heading->text(), QStringLiteral("Savings goal: <i>room</i>"));
        QCOMPARE(heading->textFormat(), Qt::PlainText);
        // Only table categories get a bar.
        QVERIFY(card->findChild<KindBar *>(QStringLiteral("kindBar-food")));
        QCOMPARE(card->findChildren<KindBar *>().size(), 1);
        QVERIFY(labelTexts(child<EntriesCard>(view, "incomeCard")).contains(EntriesCard::emptyText(MoneyKind::income)));
        QVERIFY(!child<EntriesCard>(view, "incomeCard")->findChild<QWidget *>(QStringLiteral("byKind")));

        const auto removes = card->findChildren<TLButton *>(QStringLiteral("removeButton"));
        QCOMPARE(removes.size(), 2);
        QCOMPARE(removes.first()->toolTip(), QStringLiteral("Remove this line"));
        QTest::mouseClick(removes.first(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(store().plan().entries.size(), 1);
        QCOMPARE(store().plan().entries.first().label, QStringLiteral("<b>bold</b>"));
        QCOMPARE(m_beeps, 0);
    }

    void widthsFollowTheTextSize()
    {
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 2);
        CashEditor cash(store());
        NameEditor name(store());
        SavingsCard savings(store());
        QCOMPARE(cash.field()->width(), 210);
        QCOMPARE(name.field()->width(), 360);
        QCOMPARE(savings.nameField()->width(), 330);
        QCOMPARE(savings.bar()->sizeHint().height(), 33);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, 0);
        QCOMPARE(TLField(QString(), 140).width(), 140);
    }

    // Large and extra large text in the page of the smallest window at
    // 100 % (557 pixels beside the sidebar): the example plan's tiles, rows,
    // editors and tips with their badges reflow to its width, so it never
    // scrolls sideways.
    void fitsTheSmallestPage_data()
    {
        QTest::addColumn<int>("textSize");
        QTest::newRow("large") << 1;
        QTest::newRow("extra large") << 2;
    }

    void fitsTheSmallestPage()
    {
        QFETCH(int, textSize);
        Prefs::shared().setInteger(TLPrefs::textSizeKey, textSize);
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("shipped")));
        std::unique_ptr<AppModel> model = moneyui::makeModel(m_dir->filePath(QStringLiteral("shipped")),
                                                             QStringLiteral(TL_BUILD_DIR "/data"));
        QVERIFY(model->money());
        moneyui::fillExample(*model->money());
        model->setStateCode(QStringLiteral("CO"));
        MoneyPlanView view(*model);
        QScrollArea *area = view.findChild<Page *>()->scroll()->scrollArea();
        view.resize(557 + area->verticalScrollBar()->sizeHint().width(), 560);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::qWait(50);
        QCOMPARE(area->viewport()->width(), 557);
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    }

    void buttonsAreNotDefault()
    {
        MoneyPlanView view(*m_model);
        for (const QPushButton *b : view.findChildren<QPushButton *>()) {
            QVERIFY2(!b->autoDefault() && !b->isDefault(), qPrintable(b->text()));
        }
    }

    void saveFiles()
    {
        moneyui::fillExample(store());
        m_model->setStateCode(QStringLiteral("CO"));
        MoneyPlanView view(*m_model);
        m_save.answer = m_dir->filePath(QStringLiteral("plan.pdf"));
        QTest::mouseClick(child<TLButton>(view, "moneySavePDF"), Qt::LeftButton);
        QCOMPARE(m_save.requests.size(), 1);
        QCOMPARE(QFileInfo(m_save.requests.first().suggestedPath).fileName(), QStringLiteral("Money Plan - Kim T. (example).pdf"));
        // The session's first save starts in the home folder.
        QCOMPARE(QFileInfo(m_save.requests.first().suggestedPath).absolutePath(), QDir::homePath());
        QCOMPARE(view.message(), QStringLiteral("Saved: plan.pdf"));
        QCOMPARE(child<QLabel>(view, "moneyMessage")->text(), QStringLiteral("Saved: plan.pdf"));
        QCOMPARE(m_save.revealed, QStringList{m_save.answer});
        QPdfDocument pdf;
        QCOMPARE(pdf.load(m_save.answer), QPdfDocument::Error::None);
        QVERIFY(pdf.getAllText(0).text().contains(QStringLiteral("$1,115.33")));

        m_save.answer = m_dir->filePath(QStringLiteral("plan.csv"));
        view.save(MoneyPlanView::Kind::csv);
        QCOMPARE(view.message(), QStringLiteral("Saved: plan.csv"));
        // The next one starts where the last went.
        QCOMPARE(QFileInfo(m_save.requests.last().suggestedPath).absolutePath(), m_dir->path());
        QFile csv(m_save.answer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(csv.readAll());
        QVERIFY(text.startsWith(QStringLiteral("Section,Type,Category,Description,Amount,How often,Per week,Per month\n")));
        QVERIFY(text.contains(QStringLiteral("Totals,,Left over,,,,-15.65,-67.83\n")));

        // A cancelled dialog keeps the line; a failed write says why and reveals nothing.
        m_save.answer.clear();
        view.save(MoneyPlanView::Kind::pdf);
        QCOMPARE(view.message(), QStringLiteral("Saved: plan.csv"));
        m_save.answer = m_dir->filePath(QStringLiteral("no/such/folder/plan.pdf"));
        view.save(MoneyPlanView::Kind::pdf);
        QCOMPARE(view.message(), QStringLiteral("Could not save: Could not create the PDF file."));
        m_save.answer = m_dir->filePath(QStringLiteral("no/such/folder/plan.csv"));
        view.save(MoneyPlanView::Kind::csv);
        QVERIFY(view.message().startsWith(QStringLiteral("Could not save: The file could not be written")));
        QCOMPARE(m_save.revealed.size(), 2);
    }

    // Print to File over a file that is there already: Qt's print dialog
    // asks first, and a plan named with markup shows in its question as
    // typed (its slash made a dash in the file's name).
    void printOverAFileAsksInPlainText()
    {
        store().setName(QStringLiteral("Sam-Lee <b>t</b>"));
        MoneyPlanView view(*m_model);
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QString file;
        QStringList asked;
        // Each step is queued: the next window may open inside it.
        QTimer person;
        connect(&person, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *question = qobject_cast<QMessageBox *>(modal)) {
                const auto *text = question->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                asked << (text->textFormat() == Qt::PlainText ? text->text() : QStringLiteral("(formatted)"));
                QTimer::singleShot(0, question->button(QMessageBox::No), &QAbstractButton::click);
            } else if (auto *dialog = qobject_cast<QPrintDialog *>(modal); dialog && !asked.isEmpty()) {
                // "No" went back to the dialog.
                QTimer::singleShot(0, dialog, &QDialog::reject);
            } else if (dialog && file.isEmpty()) {
                auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                printers->setCurrentIndex(printers->count() - 1); // Print to File
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
                file = m_dir->filePath(QFileInfo(name->text()).fileName());
                name->setText(file);
                testsupport::writeFile(file, "old");
                QTimer::singleShot(0, dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                                   &QAbstractButton::click);
            }
        });
        person.start(50);
        const PdfPrint::Dialog stand = PdfPrint::replaceDialog({}); // the real dialog
        QTest::mouseClick(child<TLButton>(view, "moneyPrint"), Qt::LeftButton);
        PdfPrint::replaceDialog(stand);
        person.stop();
        QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("MRBY Tenterly - Money Plan \u2014 Sam-Lee <b>t<-b>.pdf"));
        QCOMPARE(asked, QStringList{file + QStringLiteral(" already exists.\nDo you want to overwrite it?")});
        QCOMPARE(m_beeps, 0);
    }

    // A data folder that reads and does not write: every press of an editor
    // changes nothing, says so beside its button and to a screen reader,
    // beeps, and leaves the field with what is stored.
    void writeRefused_data()
    {
        QTest::addColumn<QString>("scope");  // where button, field and line are
        QTest::addColumn<QString>("field");  // "" for none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown"); // the field's text afterwards
        QTest::newRow("Update") << "moneyPlan" << "cashField" << "99" << "cashUpdate" << "cashError"
                                << "186.40";
        QTest::newRow("Save name") << "moneyPlan" << "nameField" << "Jo" << "nameSave" << "nameError"
                                   << "Kim T. (example)";
        QTest::newRow("Save goal") << "moneyPlan" << "goalField" << "700" << "goalSave" << "goalError"
                                   << "600.00";
        // Nothing stored stands for a line not added: what was typed stays.
        QTest::newRow("Add") << "incomeForm" << "amountField" << "12" << "addButton" << "addError" << "12";
        QTest::newRow("Remove") << "incomeCard" << "" << "" << "removeButton" << "removeError" << "";
    }

    void writeRefused()
    {
        QFETCH(QString, scope);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, line);
        QFETCH(QString, shown);
        const QString folder = m_dir->filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        {
            std::unique_ptr<AppModel> writer = moneyui::makeModel(folder, m_dir->filePath(QStringLiteral("data")));
            moneyui::fillExample(*writer->money());
        }
        QVERIFY(readonlyfolder::lock(folder));
        const auto unlock = qScopeGuard([&] { readonlyfolder::unlock(folder); });
        const QHash<QString, QByteArray> before = readonlyfolder::contents(folder);
        std::unique_ptr<AppModel> model = moneyui::makeModel(folder, m_dir->filePath(QStringLiteral("data")));
        QVERIFY(model->money());
        const int lines = int(model->money()->plan().entries.size());

        MoneyPlanView view(*model);
        view.resize(900, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QWidget *within = scope == view.objectName() ? &view : child<QWidget>(view, qPrintable(scope));
        QVERIFY(within);
        auto *press = within->findChild<TLButton *>(button);
        auto *sentence = within->findChild<QLabel *>(line);
        QVERIFY(press && sentence);
        TLField *edit = field.isEmpty() ? nullptr : within->findChild<TLField *>(field);
        if (edit)
            type(edit, typed);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^A change to the Money Plan was not saved: ")));
        QTest::mouseClick(press, Qt::LeftButton);
        QCOMPARE(m_beeps, 1);
        QCOMPARE(sentence->text(), QStringLiteral("Could not save this change. Nothing was changed."));
        QTRY_COMPARE(TLAnnouncer::lastSaid(&view), sentence->text());
        refusalcheck::besideItsControl(&view, press, sentence);
        if (edit)
            QCOMPARE(edit->text(), shown);
        settle();
        QCOMPARE(int(model->money()->plan().entries.size()), lines);
        QCOMPARE(child<EntriesCard>(view, "incomeCard")->findChildren<QWidget *>(QStringLiteral("entryRow")).size(),
                 3);
        QCOMPARE(readonlyfolder::contents(folder), before);
    }

    void storeMissing()
    {
        QVERIFY(testsupport::writeFile(m_dir->filePath(QStringLiteral("file")), "x"));
        AppModel broken(m_dir->filePath(QStringLiteral("data")), m_dir->filePath(QStringLiteral("list.sqlite")),
                        m_dir->filePath(QStringLiteral("file/money.sqlite")));
        QVERIFY(!broken.money());
        MoneyPlanView view(broken);
        QVERIFY(child<QWidget>(view, "moneyUnavailable"));
        QVERIFY(labelTexts(&view).contains(
            QStringLiteral("The Money Plan could not be opened. The rest of the app still works.")));
        // Then what happened and what to do.
        QCOMPARE(child<QLabel>(view, "moneyTrouble")->text(), broken.moneyTrouble());
        QVERIFY(broken.moneyTrouble().startsWith(QStringLiteral("The file ")));
        QVERIFY(!child<QWidget>(view, "summaryCard"));
    }

    void tipsFollowTheState()
    {
        MoneyPlanView view(*m_model);
        auto *title = child<TLSectionTitle>(view, "tipsTitle");
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("Ways to spend less or bring in more"));
        QVERIFY(view.findChild<QWidget *>(QStringLiteral("tipsSection"))->findChild<QWidget *>(QStringLiteral("statePrompt"))
                || labelTexts(&view).contains(QStringLiteral("Pick your state to see local phone numbers.")));
        m_model->setStateCode(QStringLiteral("CO"));
        QCOMPARE(child<TLSectionTitle>(view, "tipsTitle")->text(), QStringLiteral("Ways to spend less or bring in more in Colorado"));
        QVERIFY(!labelTexts(&view).contains(QStringLiteral("Pick your state to see local phone numbers.")));
        auto *open = child<TLButton>(view, "openTopic");
        QVERIFY(open);
        QVERIFY(open->text().startsWith(QStringLiteral("Open ")));
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(m_model->screen().value(), Screen::category);
    }

    void tipCardLimits()
    {
        MoneyTip tip{QStringLiteral("t"), QStringLiteral("Title"), QStringLiteral("Text"), {}, std::nullopt};
        for (int i = 0; i < 6; ++i) {
            Listing l;
            l.uid = QString::number(i);
            l.name = QStringLiteral("Place %1").arg(i);
            l.confidence = i == 1 ? QStringLiteral("needs-check") : QStringLiteral("verified-official");
            if (i == 0)
                l.phone = QStringLiteral("Call (303) 555-0101, (303) 555-0102, (303) 555-0103 or (303) 555-0104; text 988");
            tip.listings << l;
        }
        TipCard card(tip, *m_model);
        settle();
        QCOMPARE(card.findChildren<QWidget *>(QStringLiteral("tipListing")).size(), 4);
        const auto buttons = card.findChildren<ContactButtons *>();
        QCOMPARE(buttons.size(), 4);
        QCOMPARE(buttons.first()->actions().size(), 3);
        QCOMPARE(card.findChildren<TLBadge *>().size(), 1);
        QVERIFY(!card.findChild<TLButton *>(QStringLiteral("openTopic")));
    }
};

QTEST_MAIN(tst_MoneyPlanView)
#include "tst_MoneyPlanView.moc"
