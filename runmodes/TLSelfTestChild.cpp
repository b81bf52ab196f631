// The self-test's child operations: one store file written by one run of the
// application and read back by another, and the routine that starts a child.

#include "runmodes/TLSelfTest.h"

#include "data/FavoritesStore.h"
#include "money/MoneyStore.h"
#include "runmodes/TLRunModes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// Exit codes of a child.
constexpr int kDone = 0;
constexpr int kCannotOpen = 3;
constexpr int kWriteFailed = 4;

// The reading children's lines: fields joined with "|", nothing escaped.
void printLine(const QString &kind, const QStringList &fields)
{
    QTextStream out(stdout);
    out << kind << QLatin1Char('|') << fields.join(QLatin1Char('|')) << QLatin1Char('\n');
}

// The store on the file, or none when it cannot be opened.
template <class Store>
std::unique_ptr<Store> open(const QString &path)
{
    try {
        return std::make_unique<Store>(path);
    } catch (...) {
        return nullptr;
    }
}

int favoritesWrite(const QString &path)
{
    const std::unique_ptr<FavoritesStore> store = open<FavoritesStore>(path);
    if (!store)
        return kCannotOpen;
    try {
        store->add(QStringLiteral("test:alpha"), QStringLiteral("Alpha Food Bank"));
        store->add(QStringLiteral("test:beta"), QStringLiteral("Beta 211"));
        store->setNote(QStringLiteral("test:alpha"), QStringLiteral("Open at 6 pm, ask for Rosa"));
    } catch (...) {
        return kWriteFailed;
    }
    return kDone;
}

int favoritesRead(const QString &path)
{
    const std::unique_ptr<FavoritesStore> store = open<FavoritesStore>(path);
    if (!store)
        return kCannotOpen;
    for (const Favorite &f : store->items())
        printLine(QStringLiteral("FAV"), {f.uid, f.name, f.note});
    return kDone;
}

int moneyWrite(const QString &path)
{
    const std::unique_ptr<MoneyStore> store = open<MoneyStore>(path);
    if (!store)
        return kCannotOpen;
    try {
        store->setName(QStringLiteral("Test Person"));
        store->setCash(12345);
        store->add(MoneyKind::income, QStringLiteral("gig"), QStringLiteral("Deliveries"), 9000, MoneyFrequency::week);
        store->add(MoneyKind::expense, QStringLiteral("food"), QStringLiteral("Groceries"), 1250, MoneyFrequency::day);
        store->setGoal(QStringLiteral("Room deposit"), 50000, 12500);
    } catch (...) {
        return kWriteFailed;
    }
    return kDone;
}

int moneyRead(const QString &path)
{
    const std::unique_ptr<MoneyStore> store = open<MoneyStore>(path);
    if (!store)
        return kCannotOpen;
    const MoneyPlan &plan = store->plan();
    printLine(QStringLiteral("MONEY"), {plan.name, QString::number(plan.cashOnHandCents), plan.goalName,
                                        QString::number(plan.goalCents), QString::number(plan.savedCents)});
    for (const MoneyEntry &e : plan.entries)
        printLine(QStringLiteral("ENTRY"), {e.kind.rawValue(), e.category, e.label, QString::number(e.cents),
                                            e.frequency.rawValue()});
    return kDone;
}

struct ChildOperation
{
    QString option;
    int (*perform)(const QString &path);
};

} // namespace

namespace TLSelfTest {

std::optional<int> handleChild(const QStringList &arguments)
{
    // Tried in this order; the first that has a path after it runs.
    const ChildOperation operations[] = {
        {QStringLiteral("--tl-child-fav-write"), favoritesWrite},
        {QStringLiteral("--tl-child-money-write"), moneyWrite},
        {QStringLiteral("--tl-child-money-read"), moneyRead},
        {QStringLiteral("--tl-child-fav-read"), favoritesRead},
    };
    for (const ChildOperation &op : operations) {
        if (const std::optional<QString> path = TLRunModes::argumentAfter(arguments, op.option)) {
            const int code = op.perform(QFileInfo(*path).absoluteFilePath());
            std::fflush(stdout);
            return code;
        }
    }
    return std::nullopt;
}

std::pair<int, QString> runChild(const QStringList &arguments)
{
    if (!QCoreApplication::instance())
        return {99, QString()};
    return runChild(QCoreApplication::applicationFilePath(), arguments);
}

std::pair<int, QString> runChild(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return {99, QString()};
    QProcess child;
    child.setProgram(program);
    child.setArguments(arguments);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(QIODevice::ReadOnly);
    if (!child.waitForStarted(-1))
        return {98, QString()};
    // No time limit: a slow old laptop is not a failure.
    child.waitForFinished(-1);
    const QByteArray bytes = child.readAllStandardOutput();

    int status = child.exitCode();
    if (child.exitStatus() == QProcess::CrashExit)
        status = 128 + qMax(1, status); // the signal, as a shell reports it; never 0

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text.clear();
    return {status, text};
}

} // namespace TLSelfTest
