#include "data/FileReport.h"

#include "data/ScalarOrder.h"

#include <QRegularExpression>

namespace {

const QString kConfidence = QStringLiteral("confidence");
const QString kRetrievedAt = QStringLiteral("retrieved_at");

const QRegularExpression &listingRecordPattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"(,\d{4}-\d{2}-\d{2},(verified-official|verified-secondary|needs-check))"),
        QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

const QRegularExpression &videoLinkPattern()
{
    static const QRegularExpression re(QStringLiteral(R"(youtube\.com/watch\?v=)"),
                                       QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

} // namespace

int FileReport::countRecords(SourceFile file, const QString &text)
{
    const QRegularExpression &re =
        file == SourceFile::videos ? videoLinkPattern() : listingRecordPattern();
    if (!re.isValid())
        return 0;
    int count = 0;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    return count;
}

FileReport FileReport::make(SourceFile file, const CSV::Table &table, const QString &text,
                            int imported)
{
    FileReport report{file,       int(table.rows.size()), imported, table.malformed,
                      countRecords(file, text), {}, {}, 0};

    for (const CSV::Row &row : table.rows) {
        const auto conf = row.constFind(kConfidence);
        // A file without the column (the videos) counts as checked and playable.
        ++report.confidence[conf == row.constEnd() ? QStringLiteral("checked-playable") : *conf];

        const auto date = row.constFind(kRetrievedAt);
        if (date != row.constEnd() && scalarLess(report.latestChecked, *date))
            report.latestChecked = *date;
    }
    return report;
}
