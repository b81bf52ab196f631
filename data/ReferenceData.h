#pragma once

#include "data/AppCategory.h"
#include "data/FileReport.h"
#include "data/Listing.h"
#include "data/SQLiteDB.h"
#include "data/SearchHit.h"
#include "data/Video.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The read-only body of help information: every listing and video of the
// five data files and the guide chapters, with an in-memory SQLite database
// and its FTS5 index for search. Built once; nothing changes it afterwards.
class ReferenceData final
{
public:
    struct State
    {
        QString code;
        QString name;
        friend bool operator==(const State &, const State &) = default;
    };

    // TL_DATA_DIR when set and not empty (taken as given); else the data
    // folder beside the executable; else the installed share/tenterly/data.
    static QString bundledDataFolder();

    // Reads the five files of folder and builds everything. Throws DBError:
    // "Missing data file <name>" for a file that cannot be read as UTF-8
    // (the state file is read first), or SQLite's message.
    explicit ReferenceData(const QString &folder = bundledDataFolder());

    ReferenceData(const ReferenceData &) = delete;
    ReferenceData &operator=(const ReferenceData &) = delete;

    // The in-memory database (tables listings and fts); only read after loading.
    SQLiteDB &db() const { return *m_db; }
    // National, state, parking and jobs listings, in file and row order.
    const QList<Listing> &listings() const { return m_listings; }
    const QHash<QString, Listing> &byUID() const { return m_byUID; }
    const QList<Video> &videos() const { return m_videos; }
    // The states named in the state file, sorted by name.
    const QList<State> &states() const { return m_states; }
    // National, state, parking, jobs, videos.
    const QList<FileReport> &reports() const { return m_reports; }
    // Rows of the state file per category word.
    const QMap<QString, int> &stateCategoryCounts() const { return m_stateCategoryCounts; }

    // Full-text search over listings, videos and guide chapters, best first.
    // With a non-empty state, other states' listings are left out. Never
    // throws: odd input or a failing query gives no hits.
    QList<SearchHit> search(const QString &query,
                            const std::optional<QString> &state = std::nullopt,
                            int limit = 150) const;
    // The query's words as the index sees them: at most twelve lowercased
    // runs of letters, marks and digits.
    static QStringList searchTokens(const QString &query);
    // Each token as a quoted prefix term, joined with spaces.
    static QString matchExpression(const QStringList &tokens);

    // True when the index answers a query for "food".
    bool ftsAvailable() const;

    std::optional<Listing> listing(const QString &uid) const;
    // The state's full name, or the code itself when unknown.
    QString stateName(const QString &code) const;
    // Listings of a help topic: with a state, the nationwide ones and that
    // state's (an empty state gives only nationwide ones); without, all.
    QList<Listing> listings(AppCategory category,
                            const std::optional<QString> &state = std::nullopt) const;
    QList<Listing> stateListings(const QString &state, const QString &dataCategory) const;
    // The first nationwide listing whose name begins with prefix (any case).
    std::optional<Listing> national(const QString &namePrefix) const;
    // The state's parking rule listing.
    std::optional<Listing> parkingRule(const QString &state) const;
    // The nationwide camping rules.
    QList<Listing> parkingGeneral() const;
    QList<Listing> crisisListings() const;

private:
    struct Loaded
    {
        CSV::Table table;
        QString text;
    };

    static Loaded load(const QString &folder, SourceFile file);
    void add(Listing listing);
    void addReport(SourceFile file, const Loaded &loaded);
    void addVideos(const CSV::Table &table);
    void indexGuide();

    std::unique_ptr<SQLiteDB> m_db;
    QList<Listing> m_listings;
    QHash<QString, Listing> m_byUID;
    QList<Video> m_videos;
    QList<State> m_states;
    QList<FileReport> m_reports;
    QMap<QString, int> m_stateCategoryCounts;
};
