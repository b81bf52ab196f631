#include "money/MoneyReport.h"

#include "data/LineBreaks.h"
#include "data/ReferenceData.h"
#include "money/Money.h"
#include "money/MoneyCategory.h"
#include "money/MoneyTips.h"

#include <QLocale>

#include <cstdlib>
#include <locale.h>

namespace {

// Whole text a number to strtod in the C locale, whatever the process's
// locale: "-12.50", "-1e3", "-inf", "-0x1p3".
bool isCNumber(const QString &text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty() || std::isspace(static_cast<unsigned char>(bytes.front())))
        return false;
    char *end = nullptr;
    strtod_l(bytes.constData(), &end, cLocale);
    return end == bytes.constData() + bytes.size();
}

} // namespace

MoneyReport::MoneyReport(const MoneyPlan &plan_, const QString &state, const ReferenceData *data,
                         const QDateTime &now_)
    : plan(plan_),
      tips(MoneyTips::tips(plan_, state, data, 5)),
      stateName(state.isEmpty() ? QString() : data ? data->stateName(state) : state),
      now(now_)
{
}

QString MoneyReport::footer()
{
    return QStringLiteral(TL_APP_NAME " by " TL_MAKER_NAME " \u2014 " TL_MAKER_URL);
}

QString MoneyReport::title() const
{
    if (plan.name.isEmpty())
        return QStringLiteral("Money Plan");
    return QStringLiteral("Money Plan \u2014 ") + plan.name;
}

QString MoneyReport::dateText() const
{
    return QLocale::c().toString(now.toLocalTime().date(), u"MMMM d, yyyy");
}

QString MoneyReport::entryLine(const MoneyEntry &entry)
{
    return Money::text(entry.cents) + u' ' + entry.frequency.shortText() + QStringLiteral(" = ")
        + Money::text(MoneyPlan::amount(entry, MoneyPeriod::week)) + QStringLiteral(" a week \u00b7 ")
        + Money::text(MoneyPlan::amount(entry, MoneyPeriod::month)) + QStringLiteral(" a month");
}

QString MoneyReport::csvField(const QString &cell)
{
    QString out = cell;
    static const QString formulaStarts = QStringLiteral("=+-@");
    if (!out.isEmpty() && formulaStarts.contains(out.front()) && !isCNumber(out))
        out.prepend(u'\'');
    if (out.contains(u',') || out.contains(u'"') || out.contains(u'\n') || out.contains(u'\r')) {
        out.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        out = u'"' + out + u'"';
    }
    return out;
}

QList<QStringList> MoneyReport::csvRows() const
{
    const QString none;
    QList<QStringList> rows;
    rows << QStringList{QStringLiteral("Section"), QStringLiteral("Type"), QStringLiteral("Category"),
                        QStringLiteral("Description"), QStringLiteral("Amount"), QStringLiteral("How often"),
                        QStringLiteral("Per week"), QStringLiteral("Per month")};

    const auto entryRows = [&](MoneyKind kind, const QString &section) {
        for (const MoneyEntry &e : plan.entriesOf(kind)) {
            rows << QStringList{section, kind.rawValue(), e.categoryTitle(), e.label, Money::plain(e.cents),
                                e.frequency.title(), Money::plain(MoneyPlan::amount(e, MoneyPeriod::week)),
                                Money::plain(MoneyPlan::amount(e, MoneyPeriod::month))};
        }
    };
    entryRows(MoneyKind::income, QStringLiteral("Income"));
    entryRows(MoneyKind::expense, QStringLiteral("Spending"));

    const QList<MoneyPlan::CategoryTotal> weekly = plan.categoryTotals(MoneyKind::expense, MoneyPeriod::week);
    for (const MoneyPlan::CategoryTotal &item : plan.categoryTotals(MoneyKind::expense, MoneyPeriod::month)) {
        qint64 perWeek = 0;
        for (const MoneyPlan::CategoryTotal &w : weekly) {
            if (w.id == item.id) {
                perWeek = w.cents;
                break;
            }
        }
        rows << QStringList{QStringLiteral("Spending by kind"), QStringLiteral("expense"), item.title, none,
                            none, none, Money::plain(perWeek), Money::plain(item.cents)};
    }

    const auto totalRow = [&](const QString &what, qint64 week, qint64 month) {
        rows << QStringList{QStringLiteral("Totals"), none, what, none, none, none, Money::plain(week),
                            Money::plain(month)};
    };
    totalRow(QStringLiteral("Coming in"), plan.total(MoneyKind::income, MoneyPeriod::week),
             plan.total(MoneyKind::income, MoneyPeriod::month));
    totalRow(QStringLiteral("Going out"), plan.total(MoneyKind::expense, MoneyPeriod::week),
             plan.total(MoneyKind::expense, MoneyPeriod::month));
    totalRow(QStringLiteral("Left over"), plan.leftOver(MoneyPeriod::week), plan.leftOver(MoneyPeriod::month));

    const auto fourCells = [&](const QString &section, const QString &what, const QString &description,
                               const QString &amount) {
        rows << QStringList{section, none, what, description, amount, none, none, none};
    };
    fourCells(QStringLiteral("Summary"), QStringLiteral("Money on hand"), none,
              Money::plain(plan.cashOnHandCents));
    const std::optional<qint64> days = plan.runwayDays();
    fourCells(QStringLiteral("Summary"), QStringLiteral("Days until money runs out"),
              days ? plan.runwayText(now) : QStringLiteral("Does not run out at this pace"),
              days ? QString::number(*days) : none);
    fourCells(QStringLiteral("Savings"), QStringLiteral("Goal"), plan.goalName, Money::plain(plan.goalCents));
    fourCells(QStringLiteral("Savings"), QStringLiteral("Saved so far"), none,
              Money::plain(std::max<qint64>(plan.savedCents, 0)));
    fourCells(QStringLiteral("Savings"), QStringLiteral("Progress"), plan.savingsText(),
              QString::number(plan.savingsPercent()) + u'%');
    fourCells(QStringLiteral("Made"), dateText(), title(), none);
    fourCells(QStringLiteral("Footer"), footer(), none, none);
    return rows;
}

QString MoneyReport::csv() const
{
    QString out;
    for (const QStringList &row : csvRows()) {
        QStringList cells;
        cells.reserve(row.size());
        // A label or name typed on several lines stays on several lines
        // in its cell, whatever breaks it was typed with.
        for (const QString &cell : row)
            cells << csvField(normalizedLineBreaks(cell));
        out += cells.join(u',') + u'\n';
    }
    return out;
}
