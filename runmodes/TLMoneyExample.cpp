#include "runmodes/TLMoneyExample.h"

#include "data/ReferenceData.h"
#include "money/Money.h"
#include "money/MoneyReport.h"
#include "money/MoneyStore.h"
#include "money/ui/MoneyReportPDF.h"
#include "runmodes/TLRunModes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <memory>

namespace {

struct Line
{
    const char *category;
    const char *label;
    qint64 cents;
    MoneyFrequency frequency;
};

const Line kIncome[] = {
    {"job", "Dishwasher shifts (part-time)", 10000, MoneyFrequency::week},
    {"gig", "Food delivery", 9000, MoneyFrequency::week},
    {"benefits", "SNAP (food money on EBT)", 29200, MoneyFrequency::month},
};

const Line kExpense[] = {
    {"food", "Groceries and meals", 1400, MoneyFrequency::day},
    {"fuel", "Gas", 7000, MoneyFrequency::week},
    {"phone", "Prepaid phone plan", 3000, MoneyFrequency::month},
    {"storage", "Small storage unit", 6500, MoneyFrequency::month},
    {"laundry", "Laundromat", 900, MoneyFrequency::week},
    {"hygiene", "Gym membership (showers)", 1500, MoneyFrequency::month},
    {"campsite", "Campground fees", 2500, MoneyFrequency::week},
    {"vehicle", "Car insurance", 11000, MoneyFrequency::month},
    {"other", "Toiletries and small things", 2000, MoneyFrequency::week},
};

const QString kCouldNotWritePlan = QStringLiteral("could not write the example plan");

// Every run starts from an empty plan: the old file and its journals go.
// False when an old file stays, since the run would then add to it.
bool removeOldPlan(const QString &path)
{
    bool gone = true;
    for (const QString &suffix : {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"),
                                  QStringLiteral("-shm")}) {
        const QString file = path + suffix;
        if (QFileInfo(file).exists() || QFileInfo(file).isSymLink())
            gone = QFile::remove(file) && gone;
    }
    return gone;
}

QString figures(const MoneyPlan &plan, MoneyPeriod period)
{
    return QStringLiteral("%1: in %2 out %3 left %4")
        .arg(period.rawValue(), Money::text(plan.total(MoneyKind::income, period)),
             Money::text(plan.total(MoneyKind::expense, period)), Money::text(plan.leftOver(period)));
}

// The lines after the files: week, month, money on hand, tips.
QStringList summary(const MoneyReport &report)
{
    const MoneyPlan &plan = report.plan;
    QStringList titles;
    for (const MoneyTip &tip : report.tips)
        titles << tip.title;
    return {
        figures(plan, MoneyPeriod::week),
        figures(plan, MoneyPeriod::month),
        QStringLiteral("on hand ") + Money::text(plan.cashOnHandCents) + QStringLiteral("; runway ")
            + plan.runwayText(report.now) + QStringLiteral("; savings ") + plan.savingsText(),
        QStringLiteral("tips: ") + titles.join(QStringLiteral(" | ")),
    };
}

} // namespace

namespace TLMoneyExample {

void fill(MoneyStore &store)
{
    store.setName(QStringLiteral("Kim T. (example)"));
    store.setCash(18640);
    for (const Line &l : kIncome)
        store.add(MoneyKind::income, QString::fromUtf8(l.category), QString::fromUtf8(l.label), l.cents, l.frequency);
    for (const Line &l : kExpense)
        store.add(MoneyKind::expense, QString::fromUtf8(l.category), QString::fromUtf8(l.label), l.cents, l.frequency);
    store.setGoal(QStringLiteral("Deposit for a room"), 60000, 8500);
}

bool writeCSV(const MoneyReport &report, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = report.csv().toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<int> handle(const QStringList &arguments, QTextStream &out)
{
    const std::optional<QString> target = TLRunModes::argumentAfter(arguments, QStringLiteral("--tl-money-example"));
    if (!target)
        return std::nullopt;
    const QDir folder(QFileInfo(*target).absoluteFilePath());
    folder.mkpath(QStringLiteral(".")); // a folder that cannot be made shows when the plan cannot be written

    const auto fail = [&out](const QString &line) {
        out << line << '\n';
        out.flush();
        return 1;
    };
    const QString planPath = folder.filePath(planFile);
    if (!removeOldPlan(planPath))
        return fail(kCouldNotWritePlan + QStringLiteral(" (the old ") + planFile
                    + QStringLiteral(" could not be removed)"));
    std::unique_ptr<MoneyStore> store;
    try {
        store = std::make_unique<MoneyStore>(planPath);
        fill(*store);
    } catch (...) {
        return fail(kCouldNotWritePlan);
    }

    std::unique_ptr<ReferenceData> data;
    try {
        data = std::make_unique<ReferenceData>();
    } catch (...) {
        // Without the data the report has no tips and names the state by its code.
    }
    const MoneyReport report(store->plan(), QStringLiteral("CO"), data.get());

    int pages = 0;
    try {
        pages = MoneyReportPDF::writePDF(report, folder.filePath(pdfFile));
    } catch (...) {
        // Shown below: the PDF is left out of the files written.
    }
    const bool csvWritten = writeCSV(report, folder.filePath(csvFile));

    // Never "wrote" for a file that is not there.
    QString wrote = QStringLiteral("wrote ") + planFile;
    if (pages > 0)
        wrote += QStringLiteral(", ") + pdfFile + QStringLiteral(" (") + QString::number(pages)
            + (pages == 1 ? QStringLiteral(" page)") : QStringLiteral(" pages)"));
    if (csvWritten)
        wrote += QStringLiteral(", ") + csvFile;
    QStringList lines{wrote};
    if (pages < 1)
        lines << QStringLiteral("could not write ") + pdfFile;
    if (!csvWritten)
        lines << QStringLiteral("could not write ") + csvFile;
    lines << summary(report);
    for (const QString &line : lines)
        out << line << '\n';
    out.flush();
    return pages > 0 && csvWritten ? 0 : 1;
}

} // namespace TLMoneyExample
