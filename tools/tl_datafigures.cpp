// Counts the figures of the data files in a folder (rows, confidence words,
// state categories, check dates, rows tied to one publisher) and writes them
// as a C++ source file: the build makes the self-test's expectations from
// the data it ships, so they never drift from the files.

#include "data/CSV.h"
#include "data/SourceFile.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>

namespace {

QString literal(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QStringLiteral("QStringLiteral(\"") + escaped + QStringLiteral("\")");
}

QString mapLiteral(const QMap<QString, int> &map)
{
    QStringList items;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        items << QStringLiteral("{%1, %2}").arg(literal(it.key())).arg(it.value());
    return QLatin1Char('{') + items.join(QStringLiteral(", ")) + QLatin1Char('}');
}

// Written out here with its own month names, apart from the application's
// label code, so the self-test compares two separate workings.
const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString month(const QString &iso)
{
    const int m = iso.mid(5, 2).toInt();
    return m >= 1 && m <= 12 ? QString::fromLatin1(kMonths[m - 1]) : QString();
}

QString label(const QString &iso)
{
    return QStringLiteral("Checked ") + month(iso) + QLatin1Char(' ') + iso.left(4);
}

QString longDay(const QString &iso)
{
    return month(iso) + QLatin1Char(' ') + QString::number(iso.mid(8, 2).toInt()) + QStringLiteral(", ")
        + iso.left(4);
}

bool unconfirmed(const QString &confidence)
{
    const QString word = confidence.trimmed().toLower();
    return word != QStringLiteral("verified-official") && word != QStringLiteral("verified-secondary")
        && word != QStringLiteral("checked-playable");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tl_datafigures DATA-FOLDER OUTPUT.cpp\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    QStringList files;
    QMap<QString, int> categories;
    QSet<QString> dates;
    int privateSummary = 0;
    int failedWebsites = 0;
    int cprVideos = 0;
    const QRegularExpression cpr(QStringLiteral("\\bcpr\\b"), QRegularExpression::CaseInsensitiveOption);
    for (const SourceFile file : SourceFile::allCases()) {
        QFile f(folder + QLatin1Char('/') + file.fileName());
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "tl_datafigures: cannot read %s\n", qPrintable(f.fileName()));
            return 1;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8.decode(f.readAll());
        if (utf8.hasError()) {
            std::fprintf(stderr, "tl_datafigures: %s is not UTF-8\n", qPrintable(f.fileName()));
            return 1;
        }
        const CSV::Table table = CSV::table(text);
        const bool listings = file != SourceFile::videos;
        QMap<QString, int> confidence;
        int unconfirmedRows = 0;
        for (const CSV::Row &row : table.rows) {
            dates.insert(CSV::cell(row, QStringLiteral("retrieved_at")));
            if (!listings) {
                const QString about = CSV::cell(row, QStringLiteral("title")) + QLatin1Char('\n')
                    + CSV::cell(row, QStringLiteral("topic")) + QLatin1Char('\n') + CSV::cell(row, QStringLiteral("note"));
                cprVideos += about.contains(cpr);
                continue;
            }
            const QString conf = CSV::cell(row, QStringLiteral("confidence"));
            ++confidence[conf];
            unconfirmedRows += unconfirmed(conf);
            privateSummary += CSV::cell(row, QStringLiteral("publisher")).contains(QStringLiteral("Boondockers"));
            const QString status = CSV::cell(row, QStringLiteral("link_status"));
            failedWebsites += status.startsWith(QStringLiteral("broken")) || status.startsWith(QStringLiteral("no-response"));
            if (file == SourceFile::state)
                ++categories[CSV::cell(row, QStringLiteral("category"))];
        }
        files << QStringLiteral("        {%1, %2, %3, %4},")
                     .arg(literal(file.fileName()))
                     .arg(table.rows.size() + table.malformed)
                     .arg(mapLiteral(confidence))
                     .arg(unconfirmedRows);
    }
    QStringList sorted(dates.cbegin(), dates.cend());
    sorted.sort();
    QStringList labels;
    for (const QString &date : sorted)
        labels << QStringLiteral("{%1, %2}").arg(literal(date), literal(label(date)));
    const QString latest = sorted.isEmpty() ? QString() : sorted.last();

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "tl_datafigures: cannot write %s\n", argv[2]);
        return 1;
    }
    QTextStream s(&out);
    s << "// Made by tl_datafigures from the shipped data files when the application was built.\n"
      << "#include \"runmodes/TLDataFigures.h\"\n\n"
      << "namespace TLDataFigures {\n\n"
      << "const QList<File> &files()\n{\n    static const QList<File> list = {\n"
      << files.join(QLatin1Char('\n')) << "\n    };\n    return list;\n}\n\n"
      << "const QMap<QString, int> &stateCategories()\n{\n    static const QMap<QString, int> map = "
      << mapLiteral(categories) << ";\n    return map;\n}\n\n"
      << "int privateSummaryRows() { return " << privateSummary << "; }\n"
      << "int failedWebsiteRows() { return " << failedWebsites << "; }\n"
      << "int cprVideos() { return " << cprVideos << "; }\n\n"
      << "const QList<std::pair<QString, QString>> &checkLabels()\n{\n"
      << "    static const QList<std::pair<QString, QString>> list = {" << labels.join(QStringLiteral(", "))
      << "};\n    return list;\n}\n\n"
      << "QString latestCheckDate() { return " << literal(latest) << "; }\n"
      << "QString latestCheckDay() { return " << literal(longDay(latest)) << "; }\n\n"
      << "} // namespace TLDataFigures\n";
    s.flush();
    return out.commit() ? 0 : 1;
}
