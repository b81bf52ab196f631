#include "data/CSV.h"

#include "data/HorizontalSpace.h"

namespace CSV {

// Every character that steers the state machine is a single UTF-16 unit, so
// walking code units treats surrogate pairs as plain cell text, as it should.
QList<QStringList> parse(const QString &text)
{
    QList<QStringList> finished;
    QStringList row;
    QString cell;
    bool inQuotes = false;

    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    cell.append(u'"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                cell.append(c);
            }
            continue;
        }
        switch (c.unicode()) {
        case u'\n':
            row.append(cell);
            finished.append(row);
            cell.clear();
            row.clear();
            break;
        case u'\r':
            break;
        case u'"':
            inQuotes = true;
            break;
        case u',':
            row.append(cell);
            cell.clear();
            break;
        case 0xFEFF:
            if (i != 0)
                cell.append(c);
            break;
        default:
            cell.append(c);
            break;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row.append(cell);
        finished.append(row);
    }

    QList<QStringList> kept;
    kept.reserve(finished.size());
    for (QStringList &r : finished) {
        if (r.size() == 1 && r.first().isEmpty())
            continue;
        kept.append(std::move(r));
    }
    return kept;
}

Table table(const QString &text)
{
    const QList<QStringList> all = parse(text);
    Table result;
    if (all.isEmpty())
        return result;

    for (const QString &name : all.first())
        result.header.append(trimmedHorizontal(name));

    const qsizetype columns = result.header.size();
    result.rows.reserve(all.size() - 1);
    for (qsizetype r = 1; r < all.size(); ++r) {
        const QStringList &cells = all.at(r);
        if (cells.size() != columns)
            ++result.malformed;
        Row row;
        const qsizetype shared = qMin(columns, cells.size());
        for (qsizetype c = 0; c < shared; ++c)
            row.insert(result.header.at(c), cells.at(c).trimmed());
        result.rows.append(std::move(row));
    }
    return result;
}

} // namespace CSV
