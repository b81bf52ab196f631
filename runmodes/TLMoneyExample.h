#pragma once
// "--tl-money-example FOLDER": writes an example Money Plan into a folder
// with its report and prints a short summary of its figures.

#include <QString>
#include <QStringList>

#include <optional>

class MoneyStore;
struct MoneyReport;
class QTextStream;

namespace TLMoneyExample {

// The plan file and the report files the mode writes into its folder.
inline const QString planFile = QStringLiteral("money-plan.sqlite");
inline const QString pdfFile = QStringLiteral("Example Money Plan - Kim T.pdf");
inline const QString csvFile = QStringLiteral("Example Money Plan - Kim T.csv");

// The exit code when the arguments ask for the mode, else none. Lines go
// to `out`: the files written, the week, month and on-hand figures and the
// tips; a file that could not be written gives a failure line and exit 1.
std::optional<int> handle(const QStringList &arguments, QTextStream &out);

// Writes the example plan through the store: name, money on hand, three
// income and nine expense lines, the savings goal. Throws the store's
// DBError at the first write that fails; what was written before stays.
void fill(MoneyStore &store);

// The report's CSV as UTF-8 through a temporary file, so a failed write
// leaves no half file; false when it could not be written.
bool writeCSV(const MoneyReport &report, const QString &path);

} // namespace TLMoneyExample
