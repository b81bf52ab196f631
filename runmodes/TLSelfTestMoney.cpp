// The self-test's Money Plan section: arithmetic on small plans in memory,
// amounts read and shown, the plan file across two processes, the example
// plan and its PDF and CSV report, the tips and the help topic.

#include "runmodes/TLSelfTestSections.h"

#include "app/TLHelp.h"
#include "data/CSV.h"
#include "data/ReferenceData.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKit.h"
#include "money/Money.h"
#include "money/MoneyActions.h"
#include "money/MoneyReport.h"
#include "money/MoneyStore.h"
#include "money/MoneyTips.h"
#include "money/ui/MoneyReportPDF.h"
#include "runmodes/TLMoneyExample.h"
#include "runmodes/TLTestRun.h"
#include "services/TLInfo.h"

#include <QFile>
#include <QUuid>

#include <memory>

namespace {

using K = MoneyKind;
using F = MoneyFrequency;
using P = MoneyPeriod;
using TLSelfTest::PdfRead;
using TLSelfTest::readPdf;

MoneyEntry entry(MoneyKind kind, const char *category, qint64 cents, MoneyFrequency frequency)
{
    return MoneyEntry{QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(), kind,
                      QString::fromLatin1(category), QString(), cents, frequency, 0};
}

MoneyPlan plan(QList<MoneyEntry> entries, qint64 cash = 0, qint64 goal = 0, qint64 saved = 0)
{
    MoneyPlan p;
    p.entries = std::move(entries);
    p.cashOnHandCents = cash;
    p.goalCents = goal;
    p.savedCents = saved;
    return p;
}

// An absent figure never reads as 0.
bool is(const std::optional<qint64> &value, qint64 expected)
{
    return value && *value == expected;
}

MoneyPlan f20(qint64 cash)
{
    return plan({entry(K::expense, "food", 2000, F::day)}, cash);
}

MoneyPlan mixed()
{
    return plan({entry(K::income, "gig", 9000, F::week), entry(K::income, "benefits", 29200, F::month),
                 entry(K::expense, "food", 1400, F::day), entry(K::expense, "fuel", 7000, F::week),
                 entry(K::expense, "vehicle", 11000, F::month)},
                50000);
}

qint64 sumOf(const MoneyPlan &p, MoneyKind kind, MoneyPeriod period)
{
    qint64 sum = 0;
    for (const MoneyEntry &e : p.entriesOf(kind))
        sum += MoneyPlan::amount(e, period);
    return sum;
}

void arithmeticChecks(TLTestRun &run)
{
    const QDateTime now = QDateTime::currentDateTime();
    const MoneyPlan empty;
    run.check(QStringLiteral("no entries: every total is $0.00"), [&] {
        return empty.total(K::income, P::week) == 0 && empty.total(K::expense, P::month) == 0
            && empty.leftOver(P::week) == 0 && empty.leftOver(P::month) == 0;
    });
    run.check(QStringLiteral("no entries: no runway number, a plain prompt instead"), [&] {
        return !empty.runwayDays()
            && empty.runwayText(now) == QStringLiteral("Add what comes in and goes out to see this.");
    });
    const MoneyPlan e5 = plan({}, 5000);
    run.check(QStringLiteral("money on hand but zero income and zero spending: money does not run out"),
              [&] { return !e5.runwayDays(); });
    run.check(QStringLiteral("no goal: 0%, no weeks, plain text"), [&] {
        return e5.savingsPercent() == 0 && !e5.goalReached() && !e5.weeksToGoal()
            && e5.savingsText() == QStringLiteral("No savings goal yet.");
    });
    const MoneyPlan p1 = plan({entry(K::income, "job", 10000, F::week)});
    run.check(QStringLiteral(u"one entry: $100.00 a week = $433.33 a month (100 × 52 ÷ 12 = 433.333…)"), [&] {
        return p1.total(K::income, P::week) == 10000 && p1.total(K::income, P::month) == 43333
            && p1.leftOver(P::month) == 43333;
    });
    run.check(QStringLiteral("zero spending: nothing runs out"),
              [&] { return p1.total(K::expense, P::week) == 0 && !p1.runwayDays(); });
    run.check(QStringLiteral(u"one entry: $1,000.00 a month = $230.77 a week (1000 × 12 ÷ 52 = 230.769…)"), [] {
        const MoneyPlan p = plan({entry(K::expense, "phone", 100000, F::month)});
        return p.total(K::expense, P::month) == 100000 && p.total(K::expense, P::week) == 23077;
    });
    run.check(QStringLiteral(u"rounding boundary: 26¢ a day = 182.5¢ a week → 183¢ (half rounds up); "
                             u"26 × 365 ÷ 12 = 790.8¢ → 791¢"),
              [] {
                  const MoneyPlan p = plan({entry(K::expense, "other", 26, F::day)});
                  return p.total(K::expense, P::week) == 183 && p.total(K::expense, P::month) == 791;
              });
    run.check(QStringLiteral("rounding helper: halves round away from zero, below half rounds down"), [] {
        return Money::divRound(-365, 2) == -183 && Money::divRound(0, 52) == 0 && Money::divRound(51, 52) == 1
            && Money::divRound(25, 52) == 0;
    });
    run.check(QStringLiteral("income equals spending: left over $0.00 and money does not run out"), [] {
        const MoneyPlan p =
            plan({entry(K::income, "job", 5000, F::week), entry(K::expense, "food", 5000, F::week)}, 100);
        return p.leftOver(P::week) == 0 && !p.runwayDays();
    });
    run.check(QStringLiteral("zero income, $20 a day spending, $300 on hand: 15 days"), [] {
        const MoneyPlan p = f20(30000);
        return p.total(K::income, P::week) == 0 && is(p.runwayDays(), 15);
    });
    run.check(QStringLiteral("no money on hand and spending more than comes in: 0 days"), [&] {
        const MoneyPlan p = f20(0);
        return is(p.runwayDays(), 0) && p.runwayText(now).startsWith(QStringLiteral("0 days"));
    });
    run.check(QStringLiteral("$19.99 on hand at $20 a day: 0 whole days (rounded down)"),
              [] { return is(f20(1999).runwayDays(), 0); });
    run.check(QStringLiteral("$20.00 on hand at $20 a day: exactly 1 day"),
              [] { return is(f20(2000).runwayDays(), 1); });
    const MoneyPlan m = mixed();
    run.check(QStringLiteral("mixed day / week / month entries: runway 96 days (exact yearly math)"), [&] {
        return m.yearly(K::income) == 818400 && m.yearly(K::expense) == 1007000 && is(m.runwayDays(), 96);
    });
    run.check(QStringLiteral("runway date is today + the days"), [&] {
        const QDateTime d = QDateTime::fromSecsSinceEpoch(1793000000);
        const std::optional<QDateTime> date = m.runwayDate(d);
        return date && *date == d.addDays(96);
    });
    run.check(QStringLiteral("weekly view: the lines add up exactly to the totals "
                             "($90.00 + $67.38 in; $98.27 + $70.00 + $25.38 out)"),
              [&] {
                  const qint64 in = sumOf(m, K::income, P::week);
                  const qint64 out = sumOf(m, K::expense, P::week);
                  return in == m.total(K::income, P::week) && out == m.total(K::expense, P::week)
                      && m.leftOver(P::week) == in - out && m.total(K::income, P::week) == 15738
                      && m.total(K::expense, P::week) == 19365;
              });
    run.check(QStringLiteral("monthly view: $390.00 + $292.00 in; $425.83 + $303.33 + $110.00 out"), [&] {
        return m.total(K::income, P::month) == 68200 && m.total(K::expense, P::month) == 83916;
    });
    run.check(QStringLiteral("spending by kind, largest first"), [&] {
        const QList<MoneyPlan::CategoryTotal> items = m.categoryTotals(K::expense, P::month);
        QStringList ids;
        for (const MoneyPlan::CategoryTotal &item : items)
            ids << item.id;
        return ids == QStringList{QStringLiteral("food"), QStringLiteral("fuel"), QStringLiteral("vehicle")}
            && items.first().cents == 42583;
    });
}

void savingsChecks(TLTestRun &run)
{
    run.check(QStringLiteral("savings: $50 of $200 = 25%, $150 to go"), [] {
        const MoneyPlan p = plan({}, 0, 20000, 5000);
        return p.savingsPercent() == 25 && !p.goalReached() && p.stillToSave() == 15000;
    });
    run.check(QStringLiteral("savings: $150 to go at $40 left over a week = 4 weeks (3.75 rounded up)"), [] {
        return is(plan({entry(K::income, "job", 4000, F::week)}, 0, 20000, 5000).weeksToGoal(), 4);
    });
    run.check(QStringLiteral("savings: exactly the goal = 100%, reached"), [] {
        const MoneyPlan p = plan({}, 0, 20000, 20000);
        return p.savingsPercent() == 100 && p.goalReached() && !p.weeksToGoal()
            && p.savingsText().contains(QStringLiteral("Goal reached"));
    });
    run.check(QStringLiteral("savings: more than the goal stays at 100%"),
              [] { return plan({}, 0, 20000, 25000).savingsPercent() == 100; });
    run.check(QStringLiteral("savings: $199.99 of $200 = 99% (rounded down, never shows 100% early)"),
              [] { return plan({}, 0, 20000, 19999).savingsPercent() == 99; });
    run.check(QStringLiteral("savings: nothing left over each week = no week estimate"), [] {
        const MoneyPlan p = plan({entry(K::expense, "food", 4000, F::week)}, 0, 20000, 0);
        return !p.weeksToGoal() && p.savingsPercent() == 0;
    });
}

void amountChecks(TLTestRun &run)
{
    run.check(QStringLiteral("amounts people type are read right: 12, 12.5, $1,234.56, .75"), [] {
        return Money::parse(QStringLiteral("12")) == 1200 && Money::parse(QStringLiteral("12.5")) == 1250
            && Money::parse(QStringLiteral("$1,234.56")) == 123456
            && Money::parse(QStringLiteral(" .75 ")) == 75 && Money::parse(QStringLiteral("0")) == 0;
    });
    run.check(QStringLiteral("bad amounts are refused (empty, words, negative, 3 decimals)"), [] {
        for (const QString &bad : {QString(), QStringLiteral("abc"), QStringLiteral("-5"), QStringLiteral("1.234"),
                                   QStringLiteral(".")}) {
            if (Money::parse(bad))
                return false;
        }
        return true;
    });
    run.check(QStringLiteral("money is shown as $1,234.56"), [] {
        return Money::text(123456) == QStringLiteral("$1,234.56") && Money::text(5) == QStringLiteral("$0.05")
            && Money::text(-1230) == QStringLiteral("-$12.30") && Money::text(0) == QStringLiteral("$0.00")
            && Money::plain(-1230) == QStringLiteral("-12.30")
            && Money::text(100000000) == QStringLiteral("$1,000,000.00");
    });
}

void planFileChecks(TLSelfTest::Context &c)
{
    TLTestRun &run = c.run;
    const QString path = c.file(QStringLiteral("money-plan.sqlite"));
    run.check(QStringLiteral("the Money Plan written by one run of the app is there in the next run "
                             "(two separate app processes)"),
              [&] {
                  const auto [written, ignored] =
                      TLSelfTest::runChild({QStringLiteral("--tl-child-money-write"), path});
                  const auto [read, text] = TLSelfTest::runChild({QStringLiteral("--tl-child-money-read"), path});
                  return written == 0 && read == 0
                      && text.contains(QStringLiteral("MONEY|Test Person|12345|Room deposit|50000|12500"))
                      && text.contains(QStringLiteral("ENTRY|income|gig|Deliveries|9000|week"))
                      && text.contains(QStringLiteral("ENTRY|expense|food|Groceries|1250|day"));
              });

    std::unique_ptr<MoneyStore> store;
    try {
        store = std::make_unique<MoneyStore>(path);
    } catch (...) {
        run.check(false, QStringLiteral("Money Plan opens"));
        return;
    }
    const qsizetype entriesAtOpen = store->plan().entries.size();
    run.check(QStringLiteral("a $0.00 line is refused"), [&] {
        return !MoneyActions::add(K::expense, QStringLiteral("fuel"), QString(), 0, F::week, *store);
    });
    run.check(QStringLiteral("reopening shows the same plan"), [&] {
        const MoneyStore again(path);
        return again.plan().entries.size() == entriesAtOpen && again.plan().cashOnHandCents == 12345;
    });
}

// The first row of the table with this Section and Category.
std::optional<CSV::Row> row(const QString &section, const QString &category, const CSV::Table &table)
{
    for (const CSV::Row &r : table.rows) {
        const auto s = r.constFind(QStringLiteral("Section"));
        const auto c = r.constFind(QStringLiteral("Category"));
        if (s != r.constEnd() && c != r.constEnd() && *s == section && *c == category)
            return r;
    }
    return std::nullopt;
}

// A cell of a row that may be missing; a missing row or cell never matches.
bool cellIs(const std::optional<CSV::Row> &r, const QString &column, const QString &expected)
{
    if (!r)
        return false;
    const auto it = r->constFind(column);
    return it != r->constEnd() && *it == expected;
}

QString readUtf8(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// The pages written, 0 when writing failed.
int writePdf(const MoneyReport &report, const QString &path)
{
    try {
        return MoneyReportPDF::writePDF(report, path);
    } catch (...) {
        return 0;
    }
}

bool containsAll(const QString &text, const QStringList &parts)
{
    for (const QString &part : parts) {
        if (!text.contains(part))
            return false;
    }
    return true;
}

void examplePdfChecks(TLSelfTest::Context &c, const MoneyPlan &x, const MoneyReport &r)
{
    TLTestRun &run = c.run;
    const QString path = c.file(QStringLiteral("Money Plan.pdf"));
    const int pages = writePdf(r, path);
    const PdfRead pdf = readPdf(path);
    run.check(pages > 0 && pdf.pages == pages,
              QStringLiteral("Money Plan PDF is written (") + QString::number(pages) + QStringLiteral(" pages)"));

    const QString inMonth = Money::text(x.total(K::income, P::month));
    const QString outMonth = Money::text(x.total(K::expense, P::month));
    const QString leftMonth = Money::text(x.leftOver(P::month));
    run.check(containsAll(pdf.text, {Money::text(x.total(K::income, P::week)), inMonth,
                                     Money::text(x.total(K::expense, P::week)), outMonth, leftMonth,
                                     QStringLiteral("83 days"), QStringLiteral("$186.40"),
                                     QStringLiteral("Deposit for a room"), QStringLiteral("14%")}),
              QStringLiteral("the PDF shows the right totals (in ") + inMonth + QStringLiteral(", out ") + outMonth
                  + QStringLiteral(", left over ") + leftMonth + QStringLiteral(" a month), 83 days and the goal"));
    run.check(pdf.text.contains(MoneyReport::footer()), QStringLiteral("the PDF footer credits MRBY with the website"));

    bool foodBank = true;
    const QList<Listing> banks = c.data.stateListings(QStringLiteral("CO"), QStringLiteral("food_bank"));
    if (!banks.isEmpty())
        foodBank = pdf.text.contains(banks.first().name);
    run.check(pdf.text.contains(QStringLiteral("Spend less on food")) && foodBank,
              QStringLiteral("the PDF tips use the app's Colorado food banks"));
}

void emptyPlanCheck(TLSelfTest::Context &c)
{
    const MoneyReport r0(MoneyPlan(), QString(), &c.data);
    const CSV::Table t0 = CSV::table(r0.csv());
    const int pages = writePdf(r0, c.file(QStringLiteral("empty.pdf")));
    const auto comingIn = [&] {
        for (const CSV::Row &row : t0.rows) {
            if (cellIs(row, QStringLiteral("Category"), QStringLiteral("Coming in")))
                return cellIs(row, QStringLiteral("Per week"), QStringLiteral("0.00"));
        }
        return false;
    };
    c.run.check(pages == 1 && t0.malformed == 0 && comingIn(),
                QStringLiteral("an empty plan still makes a 1-page PDF and a CSV with $0.00 totals"));
}

void examplePlanChecks(TLSelfTest::Context &c)
{
    TLTestRun &run = c.run;
    std::unique_ptr<MoneyStore> store;
    try {
        store = std::make_unique<MoneyStore>(c.file(QStringLiteral("example-money.sqlite")));
        TLMoneyExample::fill(*store);
    } catch (...) {
        run.check(false, QStringLiteral("example Money Plan is made"));
        return;
    }
    const MoneyPlan x = store->plan();
    const MoneyReport r(x, QStringLiteral("CO"), &c.data);

    run.check(QStringLiteral(u"example plan: $13,384 a year in, $14,198 out, $186.40 on hand → 83 days"), [&] {
        return x.yearly(K::income) == 1338400 && x.yearly(K::expense) == 1419800 && is(x.runwayDays(), 83);
    });
    examplePdfChecks(c, x, r);

    const QString csvPath = c.file(QStringLiteral("Money Plan.csv"));
    TLMoneyExample::writeCSV(r, csvPath); // a failed write shows in the checks that read it back
    const CSV::Table t = CSV::table(readUtf8(csvPath));
    run.check(QStringLiteral("CSV: 12 lines, every row has 8 columns"), [&] {
        const QStringList header{QStringLiteral("Section"),     QStringLiteral("Type"),
                                 QStringLiteral("Category"),    QStringLiteral("Description"),
                                 QStringLiteral("Amount"),      QStringLiteral("How often"),
                                 QStringLiteral("Per week"),    QStringLiteral("Per month")};
        qsizetype lines = 0;
        for (const CSV::Row &row : t.rows) {
            const QString section = CSV::cell(row, QStringLiteral("Section"));
            lines += section == QStringLiteral("Income") || section == QStringLiteral("Spending");
        }
        return t.malformed == 0 && t.header == header && lines == 12;
    });
    run.check(QStringLiteral("CSV: totals, left over, 83 days and 14% match the plan"), [&] {
        const QString week = QStringLiteral("Per week");
        const QString month = QStringLiteral("Per month");
        const QString totals = QStringLiteral("Totals");
        const auto coming = row(totals, QStringLiteral("Coming in"), t);
        return cellIs(coming, week, Money::plain(x.total(K::income, P::week)))
            && cellIs(coming, month, Money::plain(x.total(K::income, P::month)))
            && cellIs(row(totals, QStringLiteral("Going out"), t), month, Money::plain(x.total(K::expense, P::month)))
            && cellIs(row(totals, QStringLiteral("Left over"), t), month, Money::plain(x.leftOver(P::month)))
            && cellIs(row(QStringLiteral("Summary"), QStringLiteral("Days until money runs out"), t),
                      QStringLiteral("Amount"), QStringLiteral("83"))
            && cellIs(row(QStringLiteral("Savings"), QStringLiteral("Progress"), t), QStringLiteral("Amount"),
                      QStringLiteral("14%"));
    });
    run.check(QStringLiteral("CSV: the spending lines add up to the weekly total (")
                  + Money::plain(x.total(K::expense, P::week)) + QLatin1Char(')'),
              [&] {
                  qint64 sum = 0;
                  for (const CSV::Row &row : t.rows) {
                      if (CSV::cell(row, QStringLiteral("Section")) != QStringLiteral("Spending"))
                          continue;
                      if (const std::optional<qint64> cents = Money::parse(CSV::cell(row, QStringLiteral("Per week"))))
                          sum += *cents;
                  }
                  return sum == x.total(K::expense, P::week);
              });
    run.check(QStringLiteral("CSV ends with the MRBY footer"), [&] {
        for (const CSV::Row &row : t.rows) {
            if (cellIs(row, QStringLiteral("Category"), MoneyReport::footer()))
                return true;
        }
        return false;
    });
    run.check(QStringLiteral("CSV: commas and quotes are escaped, formulas are made harmless, "
                             "negative numbers stay numbers"),
              [] {
                  return MoneyReport::csvField(QStringLiteral("=SUM(A1)")) == QStringLiteral("'=SUM(A1)")
                      && MoneyReport::csvField(QStringLiteral("a, \"b\"")) == QStringLiteral("\"a, \"\"b\"\"\"")
                      && MoneyReport::csvField(QStringLiteral("-12.30")) == QStringLiteral("-12.30");
              });
    emptyPlanCheck(c);

    const QList<MoneyTip> tips = MoneyTips::tips(x, QStringLiteral("CO"), &c.data);
    QStringList ids;
    for (const MoneyTip &tip : tips)
        ids << QLatin1Char('"') + tip.id + QLatin1Char('"');
    run.check(QStringLiteral("tips follow the biggest spending and point to real listings in the app (")
                  + QLatin1Char('[') + ids.join(QStringLiteral(", ")) + QStringLiteral("])"),
              [&] {
                  bool everyHasListings = true;
                  for (const MoneyTip &tip : tips)
                      everyHasListings = everyHasListings && !tip.listings.isEmpty();
                  return tips.size() == 5 && ids.contains(QStringLiteral("\"food\""))
                      && ids.contains(QStringLiteral("\"income\"")) && everyHasListings;
              });
    run.check(QStringLiteral("a shower budget gets the shower listings"), [&] {
        const QList<MoneyTip> tips =
            MoneyTips::tips(plan({entry(K::expense, "hygiene", 500, F::day)}), QString(), &c.data);
        for (const MoneyTip &tip : tips) {
            if (tip.id != QStringLiteral("hygiene"))
                continue;
            for (const Listing &l : tip.listings) {
                if (l.name.startsWith(QStringLiteral("Love's")))
                    return true;
            }
        }
        return false;
    });
}

void helpTopicCheck(TLTestRun &run)
{
    run.check(QStringLiteral("Help has a Money Plan topic (search \"budget\")"), [] {
        // The help search needs the kit with the application's topics, as
        // the normal start installs it.
        MRBYKit::install(TLInfo::appName, TLHelp::topics(), TLThemes::extras());
        const auto found = [](const QString &query) {
            for (const MRBYHelpTopic &t : MRBYHelp::search(query)) {
                if (t.id == QStringLiteral("money"))
                    return true;
            }
            return false;
        };
        if (!found(QStringLiteral("budget")) || !found(QStringLiteral("runway")))
            return false;
        for (const MRBYHelpTopic &t : TLHelp::topics()) {
            if (t.id == QStringLiteral("money"))
                return t.body.contains(QStringLiteral("Days until money runs out"));
        }
        return false;
    });
}

} // namespace

namespace TLSelfTest {

void moneyPlanChecks(Context &context)
{
    arithmeticChecks(context.run);
    savingsChecks(context.run);
    amountChecks(context.run);
    planFileChecks(context);
    examplePlanChecks(context);
    helpTopicCheck(context.run);
}

} // namespace TLSelfTest
