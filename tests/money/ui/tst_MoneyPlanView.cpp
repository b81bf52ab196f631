#include "money/ui/MoneyUIFixture.h"

#include "app/TLSetup.h"
#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYTheme.h"
#include "look/kit/MRBYThemes.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLSectionTitle.h"
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
#include "screens/ContactButtons.h"
#include "pdf/PdfPrint.h"
#include "screens/FileReveal.h"
#include "screens/SaveFile.h"
#include "screens/SegmentedPicker.h"
#include "screens/TLPopUp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
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
    QString m_answer;
    QList<SaveFile::Request> m_requests;
    QStringList m_revealed;
    SaveFile::Dialog m_oldDialog;
    FileReveal::Function m_oldReveal;

    MoneyStore &store() { return *m_model->money(); }

private Q_SLOTS:
    void initTestCase()
    {
        m_oldBeep = PdfPrint::replaceBeep([this] { ++m_beeps; });
        m_oldDialog = SaveFile::replaceDialog([this](QWidget *, const SaveFile::Request &r) {
            m_requests << r;
            return m_answer;
        });
        m_oldReveal = FileReveal::replace([this](const QString &path) { m_revealed << path; });
    }

    void cleanupTestCase()
    {
        PdfPrint::replaceBeep(m_oldBeep);
        SaveFile::replaceDialog(m_oldDialog);
        FileReveal::replace(m_oldReveal);
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
        m_answer.clear();
        m_requests.clear();
        m_revealed.clear();
    }

    void cashCommit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("stored"); // -1: refused
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << u"45"_qs << qint64(4500) << u"45.00"_qs;
        QTest::newRow("dollars and comma") << u"$1,250.5"_qs << qint64(125050) << u"1250.50"_qs;
        QTest::newRow("zero") << u"0"_qs << qint64(0) << u"0.00"_qs;
        QTest::newRow("empty") << QString() << qint64(-1) << QString();
        QTest::newRow("minus") << u"-"_qs << qint64(-1) << u"-"_qs;
        QTest::newRow("letters") << u"lots"_qs << qint64(-1) << u"lots"_qs;
        QTest::newRow("three decimals") << u"1.234"_qs << qint64(-1) << u"1.234"_qs;
    }

    void cashCommit()
    {
        QFETCH(QString, typed);
        QFETCH(qint64, stored);
        QFETCH(QString, shown);
        store().setCash(777);
        CashEditor editor(store());
        QCOMPARE(editor.field()->text(), u"7.77"_qs);
        type(editor.field(), typed);
        // Return in the field stores nothing.
        QTest::keyClick(editor.field()->lineEdit(), Qt::Key_Return);
        QCOMPARE(store().plan().cashOnHandCents, qint64(777));
        QTest::mouseClick(editor.button(), Qt::LeftButton);
        QCOMPARE(editor.field()->text(), shown);
        QCOMPARE(m_beeps, 0);
        if (stored < 0) {
            QCOMPARE(editor.error(), u"Type an amount, like 45 or 45.50."_qs);
            QCOMPARE(store().plan().cashOnHandCents, qint64(777));
            // A valid amount takes the sentence away.
            type(editor.field(), u"5"_qs);
            editor.update();
            QCOMPARE(editor.error(), QString());
        } else {
            QCOMPARE(editor.error(), QString());
            QCOMPARE(store().plan().cashOnHandCents, stored);
        }
    }

    void nameCommit()
    {
        store().setName(u"Sam"_qs);
        NameEditor editor(store());
        QCOMPARE(editor.field()->text(), u"Sam"_qs);
        type(editor.field(), u"  Jo  "_qs);
        QTest::keyClick(editor.field()->lineEdit(), Qt::Key_Return);
        QCOMPARE(store().plan().name, u"Sam"_qs);
        editor.save();
        QCOMPARE(store().plan().name, u"Jo"_qs);
        QCOMPARE(editor.field()->text(), u"  Jo  "_qs);
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
        QTest::newRow("both") << u"600"_qs << u"85"_qs << false << qint64(60000) << qint64(8500);
        QTest::newRow("both empty") << QString() << QString() << false << qint64(0) << qint64(0);
        QTest::newRow("spaces") << u"  "_qs << u"1"_qs << true << qint64(100) << qint64(50);
        QTest::newRow("bad saved") << u"5"_qs << u"x"_qs << true << qint64(100) << qint64(50);
        QTest::newRow("both bad") << u"x"_qs << u"y"_qs << true << qint64(100) << qint64(50);
    }

    void goalCommit()
    {
        QFETCH(QString, goal);
        QFETCH(QString, saved);
        QFETCH(bool, refused);
        QFETCH(qint64, goalCents);
        QFETCH(qint64, savedCents);
        store().setGoal(u"Old"_qs, 100, 50);
        SavingsCard card(store());
        QCOMPARE(card.goalField()->text(), u"1.00"_qs);
        QCOMPARE(card.savedField()->text(), u"0.50"_qs);
        type(card.nameField(), u"Room"_qs);
        type(card.goalField(), goal);
        type(card.savedField(), saved);
        QTest::mouseClick(card.button(), Qt::LeftButton);
        QCOMPARE(card.error(), refused ? u"Type amounts like 300 or 25.50."_qs : QString());
        QCOMPARE(store().plan().goalCents, goalCents);
        QCOMPARE(store().plan().savedCents, savedCents);
        QCOMPARE(m_beeps, 0);
        // The fields keep what was typed; the heading and bar follow the plan.
        QCOMPARE(card.goalField()->text(), goal);
        card.refresh();
        QCOMPARE(card.heading(), refused ? u"Savings goal: Old"_qs : u"Savings goal: Room"_qs);
        QCOMPARE(card.bar()->percent(), store().plan().savingsPercent());
    }

    void savingsCardStart()
    {
        SavingsCard card(store());
        QCOMPARE(card.heading(), u"Savings goal"_qs);
        QCOMPARE(card.sentence(), u"No savings goal yet."_qs);
        QCOMPARE(card.goalField()->text(), QString());
        QCOMPARE(card.bar()->percent(), 0);
        QCOMPARE(card.bar()->accessibleName(), u"Savings 0 percent"_qs);
        store().setGoal(u"Deposit"_qs, 60000, 8500);
        card.refresh();
        QCOMPARE(card.bar()->percent(), 14);
        QCOMPARE(card.bar()->accessibleName(), u"Savings 14 percent"_qs);
    }

    void addForm_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<qint64>("stored"); // -1: refused
        QTest::newRow("empty") << QString() << qint64(-1);
        QTest::newRow("zero") << u"0"_qs << qint64(-1);
        QTest::newRow("zero cents") << u"0.00"_qs << qint64(-1);
        QTest::newRow("three decimals") << u"12.345"_qs << qint64(-1);
        QTest::newRow("two points") << u"12.3.4"_qs << qint64(-1);
        QTest::newRow("comma is thousands") << u"12,50"_qs << qint64(125000);
        QTest::newRow("dollar") << u"$12.5"_qs << qint64(1250);
        QTest::newRow("one cent") << u"0.01"_qs << qint64(1);
    }

    void addForm()
    {
        QFETCH(QString, amount);
        QFETCH(qint64, stored);
        EntryForm form(MoneyKind::expense, store());
        QCOMPARE(form.category(), u"food"_qs);
        QCOMPARE(form.kindPicker()->currentText(), u"Food"_qs);
        QCOMPARE(form.frequency(), MoneyFrequency::week);
        form.kindPicker()->setCurrentIndex(1);
        form.frequencyPicker()->setCurrent(2);
        type(form.labelField(), u"Gas"_qs);
        type(form.amountField(), amount);
        QTest::keyClick(form.amountField()->lineEdit(), Qt::Key_Return);
        QVERIFY(store().plan().entries.isEmpty());
        QTest::mouseClick(form.button(), Qt::LeftButton);
        QCOMPARE(m_beeps, 0);
        if (stored < 0) {
            QCOMPARE(form.error(), u"Type an amount more than zero, like 12 or 12.50."_qs);
            QVERIFY(store().plan().entries.isEmpty());
            QCOMPARE(form.labelField()->text(), u"Gas"_qs);
            QCOMPARE(form.amountField()->text(), amount);
            return;
        }
        QCOMPARE(form.error(), QString());
        QCOMPARE(store().plan().entries.size(), 1);
        const MoneyEntry e = store().plan().entries.first();
        QCOMPARE(e.cents, stored);
        QCOMPARE(e.category, u"fuel"_qs);
        QCOMPARE(e.label, u"Gas"_qs);
        QCOMPARE(e.frequency, MoneyFrequency::month);
        QCOMPARE(form.labelField()->text(), QString());
        QCOMPARE(form.amountField()->text(), QString());
        QCOMPARE(form.category(), u"fuel"_qs);
        QCOMPARE(form.frequency(), MoneyFrequency::month);
    }

    void incomeFormStartsOnJob()
    {
        EntryForm form(MoneyKind::income, store());
        QCOMPARE(form.kindPicker()->currentText(), u"Job"_qs);
        QCOMPARE(form.kindPicker()->count(), 4);
        QCOMPARE(form.labelField()->lineEdit()->placeholderText(), u"Kitchen job, deliveries\u2026"_qs);
    }

    void periodIsKept()
    {
        store().add(MoneyKind::expense, u"food"_qs, QString(), 1400, MoneyFrequency::day);
        {
            MoneyPlanView view(*m_model);
            auto *picker = child<SegmentedPicker>(view, "periodPicker");
            QCOMPARE(picker->current(), 0);
            QCOMPARE(child<QLabel>(*child<MoneyStat>(view, "statOut"), "statAmount")->text(), u"$98.27"_qs);
            QTest::mouseClick(picker, Qt::LeftButton, {}, QPoint(picker->width() * 3 / 4, picker->height() / 2));
            QCOMPARE(Prefs::shared().string(TLPrefs::moneyPeriodKey), std::optional<QString>(u"month"_qs));
            QCOMPARE(child<QLabel>(*child<MoneyStat>(view, "statOut"), "statAmount")->text(), u"$425.83"_qs);
            QVERIFY(labelTexts(&view).contains(u"each month"_qs));
            QVERIFY(!labelTexts(&view).contains(u"each week"_qs));
            QVERIFY(labelTexts(child<EntriesCard>(view, "expenseCard")).contains(u"/ month"_qs));
        }
        // A new screen (the next start) shows the month again.
        MoneyPlanView again(*m_model);
        QCOMPARE(child<SegmentedPicker>(again, "periodPicker")->current(), 1);
        // An unknown value shows weekly amounts and no chosen segment.
        Prefs::shared().setString(TLPrefs::moneyPeriodKey, u"fortnight"_qs);
        QCOMPARE(MoneyPlanView::period(), MoneyPeriod::week);
        QCOMPARE(child<SegmentedPicker>(again, "periodPicker")->current(), -1);
        QCOMPARE(child<QLabel>(*child<MoneyStat>(again, "statOut"), "statAmount")->text(), u"$98.27"_qs);
    }

    void colours()
    {
        QCOMPARE(MoneyStat::leftOverColor(-1), TLPalette::red911());
        QCOMPARE(MoneyStat::leftOverColor(0), TLPalette::green211());
        QCOMPARE(MoneyStat::leftOverColor(1), TLPalette::green211());
        const QColor accent = TLPalette::current().accent;
        QCOMPARE(MoneyPlanView::runwayColor(0), TLPalette::red911());
        QCOMPARE(MoneyPlanView::runwayColor(29), TLPalette::red911());
        QCOMPARE(MoneyPlanView::runwayColor(30), accent);
        QCOMPARE(MoneyPlanView::runwayColor(std::nullopt), accent);

        // On the screen: an empty plan is green with the accent hourglass.
        MoneyPlanView view(*m_model);
        QCOMPARE(child<MoneyStat>(view, "statLeft")->color(), TLPalette::green211());
        QCOMPARE(child<QLabel>(view, "runwayText")->text(), u"Add what comes in and goes out to see this."_qs);
        // One cent a month is no cent a week: still green.
        store().add(MoneyKind::expense, u"food"_qs, QString(), 1, MoneyFrequency::month);
        QCOMPARE(child<MoneyStat>(view, "statLeft")->color(), TLPalette::green211());
        store().add(MoneyKind::expense, u"food"_qs, QString(), 100, MoneyFrequency::month);
        QCOMPARE(child<QLabel>(*child<MoneyStat>(view, "statLeft"), "statAmount")->text(), u"-$0.23"_qs);
        QCOMPARE(child<MoneyStat>(view, "statLeft")->color(), TLPalette::red911());
    }

    void tileAmountsRead()
    {
        TLSetup::configure();
        const auto rgb = [](const QColor &c) { return MRBYTheme::RGB(c.redF(), c.greenF(), c.blueF()); };
        for (const QString &theme : {TLThemes::warmID, TLThemes::emberID}) {
            Prefs::shared().setString(MRBYThemes::key, theme);
            const TLPalette palette = TLPalette::current();
            for (const QColor &tint : {TLPalette::green211(), TLPalette::blue988(), TLPalette::red911()}) {
                const QColor shown = MoneyStat(u"t"_qs, 0, MoneyPeriod::week, tint).amountColor();
                QVERIFY2(MRBYTheme::RGB::contrast(rgb(shown), rgb(palette.panelTop)) >= 3.0, qPrintable(theme));
                if (palette.isLight)
                    QCOMPARE(shown, tint);
            }
        }
        Prefs::shared().setString(MRBYThemes::key, TLThemes::highContrastID);
        QCOMPARE(MoneyStat(u"t"_qs, 0, MoneyPeriod::week, TLPalette::blue988()).amountColor(),
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
        QTest::newRow("named") << u"Sam"_qs << int(MoneyPlanView::Kind::pdf) << u"Money Plan - Sam.pdf"_qs;
        QTest::newRow("unnamed") << QString() << int(MoneyPlanView::Kind::csv) << u"Money Plan.csv"_qs;
        QTest::newRow("slash and dash") << u"a/b \u2014 c"_qs << int(MoneyPlanView::Kind::pdf)
                                        << u"Money Plan - a-b - c.pdf"_qs;
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

    void typedTextSurvivesRedraws()
    {
        moneyui::fillExample(store());
        MoneyPlanView view(*m_model);
        auto *cash = child<CashEditor>(view, "cashEditor");
        auto *name = child<NameEditor>(view, "nameEditor");
        auto *savings = child<SavingsCard>(view, "savingsCard");
        auto *form = child<EntriesCard>(view, "expenseCard")->form();
        type(cash->field(), u"12"_qs);
        type(name->field(), u"New name"_qs);
        type(savings->goalField(), u"999"_qs);
        type(form->labelField(), u"Half typed"_qs);
        type(form->amountField(), u"3"_qs);
        form->frequencyPicker()->setCurrent(0);
        form->amountField()->setFocus();

        const auto unchanged = [&] {
            QCOMPARE(cash->field()->text(), u"12"_qs);
            QCOMPARE(name->field()->text(), u"New name"_qs);
            QCOMPARE(savings->goalField()->text(), u"999"_qs);
            QCOMPARE(form->labelField()->text(), u"Half typed"_qs);
            QCOMPARE(form->amountField()->text(), u"3"_qs);
            QCOMPARE(form->frequency(), MoneyFrequency::day);
        };
        // A plan change from elsewhere, a period change and a state change.
        store().add(MoneyKind::income, u"gig"_qs, u"Tips"_qs, 500, MoneyFrequency::week);
        QCoreApplication::processEvents();
        unchanged();
        QVERIFY(labelTexts(child<EntriesCard>(view, "incomeCard")).contains(u"Tips"_qs));
        Prefs::shared().setString(TLPrefs::moneyPeriodKey, u"month"_qs);
        unchanged();
        m_model->setStateCode(u"CO"_qs);
        QCoreApplication::processEvents();
        unchanged();
        QCOMPARE(child<TLSectionTitle>(view, "tipsTitle")->text(), u"Ways to spend less or bring in more in Colorado"_qs);
        // Adding a line on the other card leaves this form as it was.
        auto *incomeForm = child<EntriesCard>(view, "incomeCard")->form();
        type(incomeForm->amountField(), u"20"_qs);
        incomeForm->add();
        unchanged();
    }

    void linesAndRemove()
    {
        store().add(MoneyKind::expense, u"food"_qs, QString(), 1400, MoneyFrequency::day);
        store().add(MoneyKind::expense, u"nope"_qs, u"<b>bold</b>"_qs, 100, MoneyFrequency::week);
        MoneyPlanView view(*m_model);
        auto *card = child<EntriesCard>(view, "expenseCard");
        QStringList texts = labelTexts(card);
        QVERIFY(texts.contains(u"Food"_qs));
        QVERIFY(texts.contains(u"Food \u00b7 $14.00 a day"_qs));
        QVERIFY(texts.contains(u"Other \u00b7 $1.00 a week"_qs));
        QVERIFY(texts.contains(u"$273.03 a week"_qs.replace(u"273.03"_qs, u"99.27"_qs)));
        for (const QLabel *l : card->findChildren<QLabel *>(u"entryLabel"_qs))
            QCOMPARE(l->textFormat(), Qt::PlainText);
        QVERIFY(texts.contains(u"<b>bold</b>"_qs));
        store().setGoal(u"<i>room</i>"_qs, 100, 0);
        const auto *heading = child<QLabel>(view, "savingsHeading");
        QCOMPARE(heading->text(), u"Savings goal: <i>room</i>"_qs);
        QCOMPARE(heading->textFormat(), Qt::PlainText);
        // Only table categories get a bar.
        QVERIFY(card->findChild<KindBar *>(u"kindBar-food"_qs));
        QCOMPARE(card->findChildren<KindBar *>().size(), 1);
        QVERIFY(labelTexts(child<EntriesCard>(view, "incomeCard")).contains(EntriesCard::emptyText(MoneyKind::income)));
        QVERIFY(!child<EntriesCard>(view, "incomeCard")->findChild<QWidget *>(u"byKind"_qs));

        const auto removes = card->findChildren<TLButton *>(u"removeButton"_qs);
        QCOMPARE(removes.size(), 2);
        QCOMPARE(removes.first()->toolTip(), u"Remove this line"_qs);
        QTest::mouseClick(removes.first(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(store().plan().entries.size(), 1);
        QCOMPARE(store().plan().entries.first().label, u"<b>bold</b>"_qs);
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
        m_model->setStateCode(u"CO"_qs);
        MoneyPlanView view(*m_model);
        m_answer = m_dir->filePath(u"plan.pdf"_qs);
        QTest::mouseClick(child<TLButton>(view, "moneySavePDF"), Qt::LeftButton);
        QCOMPARE(m_requests.size(), 1);
        QCOMPARE(QFileInfo(m_requests.first().suggestedPath).fileName(), u"Money Plan - Kim T. (example).pdf"_qs);
        QCOMPARE(view.message(), u"Saved: plan.pdf"_qs);
        QCOMPARE(child<QLabel>(view, "moneyMessage")->text(), u"Saved: plan.pdf"_qs);
        QCOMPARE(m_revealed, QStringList{m_answer});
        QPdfDocument pdf;
        QCOMPARE(pdf.load(m_answer), QPdfDocument::Error::None);
        QVERIFY(pdf.getAllText(0).text().contains(u"$1,115.33"_qs));

        m_answer = m_dir->filePath(u"plan.csv"_qs);
        view.save(MoneyPlanView::Kind::csv);
        QCOMPARE(view.message(), u"Saved: plan.csv"_qs);
        QFile csv(m_answer);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(csv.readAll());
        QVERIFY(text.startsWith(u"Section,Type,Category,Description,Amount,How often,Per week,Per month\n"_qs));
        QVERIFY(text.contains(u"Totals,,Left over,,,,-15.65,-67.83\n"_qs));

        // A cancelled dialog keeps the line; a failed write says why and reveals nothing.
        m_answer.clear();
        view.save(MoneyPlanView::Kind::pdf);
        QCOMPARE(view.message(), u"Saved: plan.csv"_qs);
        m_answer = m_dir->filePath(u"no/such/folder/plan.pdf"_qs);
        view.save(MoneyPlanView::Kind::pdf);
        QCOMPARE(view.message(), u"Could not save: Could not create the PDF file."_qs);
        m_answer = m_dir->filePath(u"no/such/folder/plan.csv"_qs);
        view.save(MoneyPlanView::Kind::csv);
        QVERIFY(view.message().startsWith(u"Could not save: The file could not be written"_qs));
        QCOMPARE(m_revealed.size(), 2);
    }

    void storeMissing()
    {
        QVERIFY(testsupport::writeFile(m_dir->filePath(u"file"_qs), "x"));
        AppModel broken(m_dir->filePath(u"data"_qs), m_dir->filePath(u"list.sqlite"_qs),
                        m_dir->filePath(u"file/money.sqlite"_qs));
        QVERIFY(!broken.money());
        MoneyPlanView view(broken);
        QVERIFY(child<QWidget>(view, "moneyUnavailable"));
        QVERIFY(labelTexts(&view).contains(
            u"The Money Plan could not be opened. The rest of the app still works."_qs));
        QVERIFY(!child<QWidget>(view, "summaryCard"));
    }

    void tipsFollowTheState()
    {
        MoneyPlanView view(*m_model);
        auto *title = child<TLSectionTitle>(view, "tipsTitle");
        QVERIFY(title);
        QCOMPARE(title->text(), u"Ways to spend less or bring in more"_qs);
        QVERIFY(view.findChild<QWidget *>(u"tipsSection"_qs)->findChild<QWidget *>(u"statePrompt"_qs)
                || labelTexts(&view).contains(u"Pick your state to see local phone numbers."_qs));
        m_model->setStateCode(u"CO"_qs);
        QCOMPARE(child<TLSectionTitle>(view, "tipsTitle")->text(), u"Ways to spend less or bring in more in Colorado"_qs);
        QVERIFY(!labelTexts(&view).contains(u"Pick your state to see local phone numbers."_qs));
        auto *open = child<TLButton>(view, "openTopic");
        QVERIFY(open);
        QVERIFY(open->text().startsWith(u"Open "_qs));
        QTest::mouseClick(open, Qt::LeftButton);
        QCOMPARE(m_model->screen().value(), Screen::category);
    }

    void tipCardLimits()
    {
        MoneyTip tip{u"t"_qs, u"Title"_qs, u"Text"_qs, {}, std::nullopt};
        for (int i = 0; i < 6; ++i) {
            Listing l;
            l.uid = QString::number(i);
            l.name = u"Place %1"_qs.arg(i);
            l.confidence = i == 1 ? u"needs-check"_qs : u"verified-official"_qs;
            if (i == 0)
                l.phone = u"Call (303) 555-0101, (303) 555-0102, (303) 555-0103 or (303) 555-0104; text 988"_qs;
            tip.listings << l;
        }
        TipCard card(tip, *m_model);
        settle();
        QCOMPARE(card.findChildren<QWidget *>(u"tipListing"_qs).size(), 4);
        const auto buttons = card.findChildren<ContactButtons *>();
        QCOMPARE(buttons.size(), 4);
        QCOMPARE(buttons.first()->actions().size(), 3);
        QCOMPARE(card.findChildren<TLBadge *>().size(), 1);
        QVERIFY(!card.findChild<TLButton *>(u"openTopic"_qs));
    }
};

QTEST_MAIN(tst_MoneyPlanView)
#include "tst_MoneyPlanView.moc"
