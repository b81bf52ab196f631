// The self-test's data sections: every row of the shipped files arrives with
// the counts they were built with, search finds what people type, the
// unconfirmed badge sits on exactly the rows that need it, and the emergency
// buttons and crisis lines work.

#include "runmodes/TLSelfTestSections.h"

#include "data/Badges.h"
#include "data/ReferenceData.h"
#include "runmodes/TLDataFigures.h"
#include "runmodes/TLTestRun.h"
#include "services/EmergencyAction.h"

#include <QSet>

#include <functional>
#include <memory>

namespace {

using TLSelfTest::quotedList;

const TLDataFigures::File *shipped(const QString &fileName)
{
    for (const TLDataFigures::File &f : TLDataFigures::files()) {
        if (f.fileName == fileName)
            return &f;
    }
    return nullptr;
}

// [(key: "needs-check", value: 3), …] in key order.
QString countsText(const QMap<QString, int> &counts)
{
    QStringList items;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        items << QStringLiteral("(key: \"%1\", value: %2)").arg(it.key()).arg(it.value());
    return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
}

// The state categories in the order and words of the check's name.
const QList<std::pair<QString, QString>> &stateKinds()
{
    static const QList<std::pair<QString, QString>> kinds = {
        {QStringLiteral("211"), QStringLiteral("211")},
        {QStringLiteral("snap_application"), QStringLiteral("SNAP")},
        {QStringLiteral("medicaid_application"), QStringLiteral("Medicaid")},
        {QStringLiteral("unemployment_insurance"), QStringLiteral("UI")},
        {QStringLiteral("coc_homeless_contact"), QStringLiteral("CoC")},
        {QStringLiteral("food_bank"), QStringLiteral("food banks")},
    };
    return kinds;
}

QString checkedLabels()
{
    QStringList labels;
    for (const auto &[date, label] : TLDataFigures::checkLabels()) {
        const QString quoted = QLatin1Char('"') + label + QLatin1Char('"');
        if (!labels.contains(quoted))
            labels << quoted;
    }
    return labels.join(QStringLiteral(" or "));
}

// The label a row of that check date must show; none for a date the shipped
// files do not have.
std::optional<QString> expectedLabel(const QString &date)
{
    for (const auto &[d, label] : TLDataFigures::checkLabels()) {
        if (d == date)
            return label;
    }
    return std::nullopt;
}

void reportChecks(TLSelfTest::Context &c)
{
    TLTestRun &run = c.run;
    for (const FileReport &r : c.data.reports()) {
        const TLDataFigures::File *f = shipped(r.file.fileName());
        const int n = f ? f->rows : -1;
        run.check(r.csvRecords == n && r.imported == n && r.independentCount == n && r.malformed == 0,
                  QStringLiteral("%1: %2 imported = %3 CSV records = %4 counted straight from the file text "
                                 "(expected %5); %6 malformed")
                      .arg(r.file.fileName())
                      .arg(r.imported)
                      .arg(r.csvRecords)
                      .arg(r.independentCount)
                      .arg(n)
                      .arg(r.malformed));
    }
    run.check(c.data.reports().size() == 5, QStringLiteral("all 5 data files loaded"));
    for (const FileReport &r : c.data.reports()) {
        if (r.file == SourceFile::videos)
            continue;
        const TLDataFigures::File *f = shipped(r.file.fileName());
        run.check(f && r.confidence == f->confidence,
                  r.file.fileName() + QStringLiteral(": confidence counts match the notes file ")
                      + countsText(r.confidence));
    }
}

void listingChecks(TLSelfTest::Context &c)
{
    TLTestRun &run = c.run;
    const ReferenceData &data = c.data;

    QStringList kinds;
    QSet<QString> expectedKeys;
    for (const auto &[key, word] : stateKinds()) {
        kinds << word + QLatin1Char(' ') + QString::number(TLDataFigures::stateCategories().value(key));
        expectedKeys.insert(key);
    }
    run.check(QStringLiteral("state rows by kind: ") + kinds.join(QStringLiteral(", ")), [&] {
        const QMap<QString, int> &shippedCounts = TLDataFigures::stateCategories();
        const QList<QString> keys = shippedCounts.keys();
        return data.stateCategoryCounts() == shippedCounts && QSet<QString>(keys.cbegin(), keys.cend()) == expectedKeys;
    });
    run.check(data.states().size() == 51,
              QStringLiteral("50 states + DC to choose from (%1)").arg(data.states().size()));
    run.check(QStringLiteral("every listing keeps its source link (only the DC rest-area row has none in the "
                             "data, and it is marked unconfirmed)"),
              [&] {
                  QStringList without;
                  for (const Listing &l : data.listings()) {
                      if (l.sourceURL.isEmpty())
                          without << l.name;
                  }
                  return without == QStringList{QStringLiteral("District of Columbia: highway rest areas")};
              });
    run.check(QStringLiteral("every listing and video shows ") + checkedLabels(), [&] {
        for (const Listing &l : data.listings()) {
            const std::optional<QString> label = expectedLabel(l.retrievedAt);
            if (!label || l.checkedLabel() != *label)
                return false;
        }
        for (const Video &v : data.videos()) {
            const std::optional<QString> label = expectedLabel(v.retrievedAt);
            if (!label || v.checkedLabel() != *label)
                return false;
        }
        return true;
    });
    run.check(QStringLiteral("every listing has its own id"), [&] {
        QSet<QString> ids;
        for (const Listing &l : data.listings())
            ids.insert(l.uid);
        return ids.size() == data.listings().size();
    });

    std::unique_ptr<ReferenceData> again;
    try {
        again = std::make_unique<ReferenceData>(c.dataFolder);
    } catch (...) {
        return; // nothing to compare with
    }
    run.check(QStringLiteral("ids are the same on every launch (My List stays linked)"), [&] {
        if (again->listings().size() != data.listings().size())
            return false;
        for (qsizetype i = 0; i < data.listings().size(); ++i) {
            if (again->listings().at(i).uid != data.listings().at(i).uid)
                return false;
        }
        return true;
    });
}

bool anyListing(const QList<SearchHit> &hits, const std::function<bool(const Listing &)> &test)
{
    for (const SearchHit &hit : hits) {
        if (const Listing *l = hit.listing(); l && test(*l))
            return true;
    }
    return false;
}

bool hasStateRow(const QList<SearchHit> &hits, const QString &state, const QString &category)
{
    return anyListing(hits, [&](const Listing &l) { return l.state == state && l.dataCategory == category; });
}

bool nameStarts(const QList<SearchHit> &hits, const QString &prefix)
{
    return anyListing(hits, [&](const Listing &l) { return l.name.startsWith(prefix); });
}

} // namespace

namespace TLSelfTest {

QString cprVideosMissing()
{
    if (TLDataFigures::cprVideos() > 0)
        return QString();
    return QStringLiteral("\"CPR\" finds the CPR videos (the shipped video file has no CPR video)");
}

QString failedWebsitesMissing()
{
    if (TLDataFigures::failedWebsiteRows() > 0)
        return QString();
    return QStringLiteral("rows whose website failed are unconfirmed and say so (no website of the shipped data "
                          "failed its check)");
}

QString quotedList(const QStringList &texts)
{
    QStringList quoted;
    for (const QString &t : texts)
        quoted << QLatin1Char('"') + t + QLatin1Char('"');
    return QLatin1Char('[') + quoted.join(QStringLiteral(", ")) + QLatin1Char(']');
}

void dataChecks(Context &context)
{
    reportChecks(context);
    listingChecks(context);
}

void searchChecks(Context &c)
{
    TLTestRun &run = c.run;
    const ReferenceData &data = c.data;
    const QString co = QStringLiteral("CO");
    const auto search = [&](const char *text, const std::optional<QString> &state = std::nullopt) {
        return data.search(QString::fromUtf8(text), state);
    };

    run.check(QStringLiteral("FTS5 full-text index works on this computer"), [&] { return data.ftsAvailable(); });
    // Search never throws: odd input or a failing query gives no hits.
    const QList<SearchHit> hits = search("211", co);
    run.check(QStringLiteral("\"211\" in Colorado finds Colorado's 211 lines"),
              [&] { return hasStateRow(hits, co, QStringLiteral("211")); });
    run.check(QStringLiteral("a chosen state shows only that state + nationwide help"), [&] {
        return !anyListing(hits, [&](const Listing &l) { return l.state != co && !l.state.isEmpty(); });
    });
    run.check(QStringLiteral("\"SNAP\" in Colorado finds the Colorado SNAP application"),
              [&] { return hasStateRow(search("SNAP", co), co, QStringLiteral("snap_application")); });
    run.check(QStringLiteral("everyday words: \"food stamps\" finds SNAP"),
              [&] { return hasStateRow(search("food stamps", co), co, QStringLiteral("snap_application")); });

    QStringList snapMissing;
    QStringList missing211;
    int with211 = 0;
    for (const ReferenceData::State &s : data.states()) {
        if (!hasStateRow(search("SNAP", s.code), s.code, QStringLiteral("snap_application")))
            snapMissing << s.code;
        if (data.stateListings(s.code, QStringLiteral("211")).isEmpty())
            continue;
        ++with211;
        if (!hasStateRow(search("211", s.code), s.code, QStringLiteral("211")))
            missing211 << s.code;
    }
    run.check(snapMissing.isEmpty(),
              QStringLiteral("every state's SNAP application is found by searching \"SNAP\" (missing: %1)")
                  .arg(quotedList(snapMissing)));
    run.check(missing211.isEmpty() && with211 >= 50,
              QStringLiteral("every state's 211 is found by searching \"211\" (%1 states have 211 rows; missing: %2)")
                  .arg(with211)
                  .arg(quotedList(missing211)));

    run.check(QStringLiteral("\"Medicaid\" in Texas finds the Texas application"), [&] {
        return hasStateRow(search("Medicaid", QStringLiteral("TX")), QStringLiteral("TX"),
                           QStringLiteral("medicaid_application"));
    });
    run.check(QStringLiteral("\"988\" finds the 988 Lifeline"),
              [&] { return nameStarts(search("988"), QStringLiteral("988 Suicide")); });
    run.check(QStringLiteral("\"show\" (start of a word) finds Love's showers"),
              [&] { return nameStarts(search("show", co), QStringLiteral("Love's")); });
    run.check(QStringLiteral("\"Colorado food bank\" (no state chosen) finds Colorado food banks"),
              [&] { return hasStateRow(search("Colorado food bank"), co, QStringLiteral("food_bank")); });
    if (cprVideosMissing().isEmpty()) {
        run.check(QStringLiteral("\"CPR\" finds the CPR videos"), [&] {
            for (const SearchHit &hit : search("CPR")) {
                if (hit.video())
                    return true;
            }
            return false;
        });
    }
    run.check(QStringLiteral("\"carbon monoxide\" finds Survival Guide chapter 2"), [&] {
        for (const SearchHit &hit : search("carbon monoxide")) {
            if (hit.guide() && hit.guide()->number == 2)
                return true;
        }
        return false;
    });
    run.check(QStringLiteral("odd characters and empty searches don't break search"), [&] {
        search("\"*(:)^ OR NEAR");
        return search("   ").isEmpty();
    });
}

void badgeChecks(Context &c)
{
    TLTestRun &run = c.run;
    const QList<Listing> &listings = c.data.listings();

    // The unconfirmed rows per listing file, as the shipped files count them.
    const QList<std::pair<SourceFile, QString>> parts = {{SourceFile::national, QStringLiteral("nationwide")},
                                                         {SourceFile::state, QStringLiteral("state")},
                                                         {SourceFile::parking, QStringLiteral("parking")},
                                                         {SourceFile::jobs, QStringLiteral("job")}};
    QStringList breakdown;
    int expected = 0;
    for (const auto &[file, word] : parts) {
        const TLDataFigures::File *f = shipped(file.fileName());
        const int n = f ? f->unconfirmed : 0;
        expected += n;
        breakdown << QString::number(n) + QLatin1Char(' ') + word
                + (file == SourceFile::jobs && n != 1 ? QStringLiteral("s") : QString());
    }
    int unconfirmed = 0;
    for (const Listing &l : listings)
        unconfirmed += l.isUnconfirmed();
    run.check(unconfirmed == expected, QStringLiteral("%1 rows show \"%2\" (%3): %4")
                                           .arg(expected)
                                           .arg(Badges::unconfirmedText, breakdown.join(QStringLiteral(" + ")))
                                           .arg(unconfirmed));

    run.check(QStringLiteral("every needs-check row shows the badge"), [&] {
        for (const Listing &l : listings) {
            if (l.confidence == QStringLiteral("needs-check") && !l.isUnconfirmed())
                return false;
        }
        return true;
    });
    run.check(QStringLiteral("no checked row shows the badge"), [&] {
        for (const Listing &l : listings) {
            if (l.confidence.startsWith(QStringLiteral("verified")) && l.isUnconfirmed())
                return false;
        }
        return true;
    });

    int summary = 0;
    bool summaryBadged = true;
    for (const Listing &l : listings) {
        if (!l.publisher.contains(QStringLiteral("Boondockers")))
            continue;
        ++summary;
        summaryBadged = summaryBadged && l.isUnconfirmed();
    }
    run.check(summary == TLDataFigures::privateSummaryRows() && summaryBadged,
              QStringLiteral("the %1 rest-area states from the 2021 private summary are all labelled unconfirmed (%2)")
                  .arg(TLDataFigures::privateSummaryRows())
                  .arg(summary));

    if (failedWebsitesMissing().isEmpty()) {
        int failed = 0;
        bool failedSaySo = true;
        for (const Listing &l : listings) {
            if (!l.linkStatus.startsWith(QStringLiteral("broken"))
                && !l.linkStatus.startsWith(QStringLiteral("no-response")))
                continue;
            ++failed;
            failedSaySo = failedSaySo && l.isUnconfirmed() && l.linkNote().has_value();
        }
        run.check(failed > 0 && failedSaySo,
                  QStringLiteral("rows whose website failed are unconfirmed and say so (%1)").arg(failed));
    }

    run.check(Badges::unconfirmedText == QStringLiteral("Unconfirmed: call or check before you go"),
              QStringLiteral("badge wording"));

    const QString need = QStringLiteral("What you need to start");
    QList<Listing> jobs;
    for (const Listing &l : listings) {
        if (l.source == SourceFile::jobs && l.dataCategory != QStringLiteral("warning"))
            jobs << l;
    }
    run.check(QStringLiteral("jobs list the gear / papers you need to start"), [&] {
        for (const Listing &l : jobs) {
            bool found = false;
            for (const Detail &d : l.details)
                found = found || (d.label == need && !d.value.isEmpty());
            if (!found)
                return false;
        }
        return true;
    });
    run.check(QStringLiteral("no startup dollar costs are shown (the only $ is DoorDash's own cash-out fee)"), [&] {
        for (const Listing &l : jobs) {
            for (const Detail &d : l.details) {
                if (d.label.toLower().contains(QStringLiteral("cost")))
                    return false;
                if (d.label == need && d.value.contains(QLatin1Char('$')) && !d.value.contains(QStringLiteral("fee")))
                    return false;
            }
        }
        return true;
    });
}

void emergencyChecks(Context &c)
{
    TLTestRun &run = c.run;
    run.check(QStringLiteral("one click opens 911, 988 (call), 988 (text) and 211"), [&] {
        c.openedURLs.clear();
        for (const EmergencyAction &action : EmergencyAction::allCases()) {
            if (!action.perform())
                return false;
        }
        return c.openedURLs == QStringList{QStringLiteral("tel:911"), QStringLiteral("tel:988"),
                                           QStringLiteral("sms:988"), QStringLiteral("tel:211")};
    });

    const QList<Listing> crisis = c.data.crisisListings();
    run.check(QStringLiteral("crisis resources are flagged (%1)").arg(crisis.size()), [&] {
        for (const char *name : {"911", "988", "Veterans Crisis Line", "Crisis Text Line", "National Domestic Violence",
                                 "Poison Help", "SAMHSA National Helpline"}) {
            bool found = false;
            for (const Listing &l : crisis)
                found = found || l.name.startsWith(QString::fromUtf8(name));
            if (!found)
                return false;
        }
        return true;
    });
}

} // namespace TLSelfTest
