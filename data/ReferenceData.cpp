#include "data/ReferenceData.h"

#include "data/GuideContent.h"
#include "data/ListingRows.h"
#include "data/Log.h"
#include "data/ScalarOrder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QString kSchema = QStringLiteral(
    "CREATE TABLE listings(uid TEXT PRIMARY KEY, source TEXT, state TEXT, category TEXT, "
    "name TEXT, confidence TEXT);\n"
    "CREATE VIRTUAL TABLE fts USING fts5(uid UNINDEXED, kind UNINDEXED, state UNINDEXED, "
    "title, body,\n"
    "    tokenize = 'unicode61 remove_diacritics 2');");
const QString kInsertListing = QStringLiteral("INSERT INTO listings VALUES (?,?,?,?,?,?)");
const QString kInsertFts =
    QStringLiteral("INSERT INTO fts(uid, kind, state, title, body) VALUES (?,?,?,?,?)");
const QString kCountSource = QStringLiteral("SELECT COUNT(*) FROM listings WHERE source = ?");

constexpr int kMaxTokens = 12;

bool isAlphanumeric(char32_t cp)
{
    switch (QChar::category(cp)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

QString videoIndexText(const Video &v)
{
    return QStringList{v.topic, v.channel, v.note, Video::categoryTitle(v.category),
                       QStringLiteral("video watch YouTube")}
        .join(u' ');
}

// A state's full name to its code, from the rows of the state file that give both.
QHash<QString, QString> stateCodes(const CSV::Table &table)
{
    const QString stateKey = QStringLiteral("state");
    const QString nameKey = QStringLiteral("state_name");
    QHash<QString, QString> codes;
    for (const CSV::Row &row : table.rows) {
        const auto code = row.constFind(stateKey);
        const auto name = row.constFind(nameKey);
        if (code == row.constEnd() || name == row.constEnd() || code->isEmpty())
            continue;
        codes.insert(*name, *code);
    }
    return codes;
}

} // namespace

QString ReferenceData::bundledDataFolder()
{
    const QString env = qEnvironmentVariable("TL_DATA_DIR");
    if (!env.isEmpty())
        return env;
    if (!QCoreApplication::instance())
        return QStringLiteral("./data");
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString beside = exeDir + QStringLiteral("/data");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed = QDir::cleanPath(exeDir + QStringLiteral("/../share/tenterly/data"));
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}

ReferenceData::Loaded ReferenceData::load(const QString &folder, SourceFile file)
{
    const DBError missing(QStringLiteral("Missing data file ") + file.fileName());
    QFile f(QDir(folder).filePath(file.fileName()));
    if (!f.open(QIODevice::ReadOnly))
        throw missing;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw missing;
    // Stateless: a file that ends inside a character is an error, not a
    // sequence waiting for more bytes.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw missing;
    CSV::Table table = CSV::table(text);
    return {std::move(table), std::move(text)};
}

void ReferenceData::add(Listing listing)
{
    if (m_byUID.contains(listing.uid)) {
        for (int n = 2;; ++n) {
            const QString candidate = listing.uid + u'-' + QString::number(n);
            if (!m_byUID.contains(candidate)) {
                listing = listing.withUID(candidate);
                break;
            }
        }
    }
    m_byUID.insert(listing.uid, listing);
    m_db->run(kInsertListing, {listing.uid, listing.source.rawValue(), listing.state,
                               listing.dataCategory, listing.name, listing.confidence});
    m_db->run(kInsertFts, {listing.uid, QStringLiteral("listing"), listing.state, listing.name,
                           listing.searchBody()});
    m_listings.append(std::move(listing));
}

void ReferenceData::addReport(SourceFile file, const Loaded &loaded)
{
    const int imported = int(m_db->scalar(kCountSource, {file.rawValue()}));
    m_reports.append(FileReport::make(file, loaded.table, loaded.text, imported));
}

void ReferenceData::addVideos(const CSV::Table &table)
{
    QSet<QString> uids;
    for (const CSV::Row &row : table.rows) {
        Video v = ListingRows::video(row);
        // A repeated address gets the number of videos read before it; the
        // suffixed text is unique because that number only grows.
        if (uids.contains(v.uid))
            v.uid += u'-' + QString::number(m_videos.size());
        uids.insert(v.uid);
        m_db->run(kInsertListing, {v.uid, QStringLiteral("video_library"), QString(), v.category,
                                   v.title, QStringLiteral("checked-playable")});
        m_db->run(kInsertFts,
                  {v.uid, QStringLiteral("video"), QString(), v.title, videoIndexText(v)});
        m_videos.append(std::move(v));
    }
}

void ReferenceData::indexGuide()
{
    for (const GuideChapter &chapter : GuideContent::chapters()) {
        m_db->run(kInsertFts, {SearchHit::guideID(chapter.number), QStringLiteral("guide"),
                               QString(),
                               QStringLiteral("Chapter ") + QString::number(chapter.number)
                                   + QStringLiteral(". ") + chapter.title,
                               chapter.plainText() + QStringLiteral(" survival guide chapter")});
    }
}

ReferenceData::ReferenceData(const QString &folder)
{
    m_db = std::make_unique<SQLiteDB>(QStringLiteral(":memory:"));
    m_db->exec(kSchema);

    // The state file comes first: the parking rows need its name-to-code map.
    const Loaded stateFile = load(folder, SourceFile::state);
    const QHash<QString, QString> codes = stateCodes(stateFile.table);
    for (auto it = codes.cbegin(); it != codes.cend(); ++it)
        m_states.append({it.value(), it.key()});
    std::sort(m_states.begin(), m_states.end(),
              [](const State &a, const State &b) { return scalarLess(a.name, b.name); });

    // One transaction around every insert keeps loading fast.
    m_db->exec(QStringLiteral("BEGIN"));

    const Loaded national = load(folder, SourceFile::national);
    for (const CSV::Row &row : national.table.rows)
        add(ListingRows::nationalRow(row));
    addReport(SourceFile::national, national);

    for (const CSV::Row &row : stateFile.table.rows)
        add(ListingRows::stateRow(row));
    addReport(SourceFile::state, stateFile);
    for (const CSV::Row &row : stateFile.table.rows)
        ++m_stateCategoryCounts[CSV::cell(row, QStringLiteral("category"))];

    const Loaded parking = load(folder, SourceFile::parking);
    for (const CSV::Row &row : parking.table.rows)
        add(ListingRows::parking(row, codes));
    addReport(SourceFile::parking, parking);

    const Loaded jobs = load(folder, SourceFile::jobs);
    for (const CSV::Row &row : jobs.table.rows)
        add(ListingRows::job(row));
    addReport(SourceFile::jobs, jobs);

    const Loaded videoFile = load(folder, SourceFile::videos);
    addVideos(videoFile.table);
    addReport(SourceFile::videos, videoFile);

    indexGuide();

    m_db->exec(QStringLiteral("COMMIT"));

    for (FileReport &report : m_reports) {
        if (report.file == SourceFile::videos)
            continue;
        report.unconfirmed = int(std::count_if(
            m_listings.cbegin(), m_listings.cend(), [&](const Listing &l) {
                return l.source == report.file && l.isUnconfirmed();
            }));
    }
}

// ---- Search ----------------------------------------------------------------

QStringList ReferenceData::searchTokens(const QString &query)
{
    const QString lower = query.toLower();
    QStringList tokens;
    QString piece;
    auto finishPiece = [&] {
        if (!piece.isEmpty())
            tokens.append(piece);
        piece.clear();
    };
    for (qsizetype i = 0; i < lower.size() && tokens.size() < kMaxTokens; ++i) {
        char32_t cp = lower.at(i).unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(cp) && i + 1 < lower.size()
            && lower.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(lower.at(i), lower.at(i + 1));
            units = 2;
        }
        if (isAlphanumeric(cp))
            piece.append(lower.constData() + i, units);
        else
            finishPiece();
        i += units - 1;
    }
    if (tokens.size() < kMaxTokens)
        finishPiece();
    return tokens;
}

QString ReferenceData::matchExpression(const QStringList &tokens)
{
    QStringList terms;
    terms.reserve(tokens.size());
    for (const QString &t : tokens)
        terms.append(u'"' + t + QStringLiteral("\"*"));
    return terms.join(u' ');
}

QList<SearchHit> ReferenceData::search(const QString &query, const std::optional<QString> &state,
                                       int limit) const
{
    const QStringList tokens = searchTokens(query);
    if (tokens.isEmpty())
        return {};

    QString sql = QStringLiteral("SELECT uid, kind FROM fts WHERE fts MATCH ?");
    SQLiteDB::Params params{matchExpression(tokens)};
    if (state && !state->isEmpty()) {
        sql += QStringLiteral(" AND (state = '' OR state = ?)");
        params.append(*state);
    }
    // SQLite reads a negative LIMIT as "no limit"; a caller's negative means none.
    sql += QStringLiteral(" ORDER BY bm25(fts, 0, 0, 0, 8.0, 1.0) LIMIT ")
        + QString::number(qMax(limit, 0));

    QList<SQLiteDB::Row> rows;
    try {
        rows = m_db->rows(sql, params);
    } catch (const DBError &e) {
        qCWarning(lcData, "The search found nothing because it failed: %s", e.what());
        return {};
    }

    QList<SearchHit> hits;
    hits.reserve(rows.size());
    for (const SQLiteDB::Row &row : rows) {
        if (row.size() < 2)
            continue;
        const QString &uid = row.at(0);
        const QString &kind = row.at(1);
        if (kind == u"listing") {
            const auto it = m_byUID.constFind(uid);
            if (it != m_byUID.constEnd())
                hits.append(SearchHit(*it));
        } else if (kind == u"video") {
            const auto it = std::find_if(m_videos.cbegin(), m_videos.cend(),
                                         [&](const Video &v) { return v.uid == uid; });
            if (it != m_videos.cend())
                hits.append(SearchHit(*it));
        } else if (kind == u"guide") {
            const QList<GuideChapter> &chapters = GuideContent::chapters();
            const auto it = std::find_if(chapters.cbegin(), chapters.cend(),
                                         [&](const GuideChapter &c) {
                                             return SearchHit::guideID(c.number) == uid;
                                         });
            if (it != chapters.cend())
                hits.append(SearchHit(*it));
        }
    }
    return hits;
}

bool ReferenceData::ftsAvailable() const
{
    try {
        return m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM fts WHERE fts MATCH '\"food\"*'"))
            > 0;
    } catch (const DBError &e) {
        qCWarning(lcData, "The full-text index could not be queried: %s", e.what());
        return false;
    }
}

// ---- Lookups ---------------------------------------------------------------

std::optional<Listing> ReferenceData::listing(const QString &uid) const
{
    const auto it = m_byUID.constFind(uid);
    if (it == m_byUID.constEnd())
        return std::nullopt;
    return *it;
}

QString ReferenceData::stateName(const QString &code) const
{
    for (const State &s : m_states) {
        if (s.code == code)
            return s.name;
    }
    return code;
}

QList<Listing> ReferenceData::listings(AppCategory category,
                                       const std::optional<QString> &state) const
{
    QList<Listing> out;
    for (const Listing &l : m_listings) {
        if (!l.categories.contains(category))
            continue;
        if (l.state.isEmpty() || !state || l.state == *state)
            out.append(l);
    }
    return out;
}

QList<Listing> ReferenceData::stateListings(const QString &state,
                                            const QString &dataCategory) const
{
    QList<Listing> out;
    for (const Listing &l : m_listings) {
        if (l.state == state && l.dataCategory == dataCategory)
            out.append(l);
    }
    return out;
}

std::optional<Listing> ReferenceData::national(const QString &namePrefix) const
{
    const QString prefix = namePrefix.toLower();
    for (const Listing &l : m_listings) {
        if (l.source == SourceFile::national && l.name.toLower().startsWith(prefix))
            return l;
    }
    return std::nullopt;
}

std::optional<Listing> ReferenceData::parkingRule(const QString &state) const
{
    for (const Listing &l : m_listings) {
        if (l.source == SourceFile::parking && l.state == state)
            return l;
    }
    return std::nullopt;
}

QList<Listing> ReferenceData::parkingGeneral() const
{
    QList<Listing> out;
    for (const Listing &l : m_listings) {
        if (l.source == SourceFile::parking && l.state.isEmpty())
            out.append(l);
    }
    return out;
}

QList<Listing> ReferenceData::crisisListings() const
{
    QList<Listing> out;
    for (const Listing &l : m_listings) {
        if (l.isCrisis)
            out.append(l);
    }
    return out;
}
