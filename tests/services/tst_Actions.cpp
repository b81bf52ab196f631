#include "TestSupport.h"

#include "data/FavoritesStore.h"
#include "data/Listing.h"
#include "data/ReferenceData.h"
#include "data/SQLiteDB.h"
#include "data/Video.h"
#include "services/EmergencyAction.h"
#include "services/MyListActions.h"
#include "services/Opener.h"
#include "services/ReportLink.h"
#include "services/TLInfo.h"
#include "services/VideoActions.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>

class tst_Actions : public QObject
{
    Q_OBJECT

private:
    QStringList m_opened;
    Opener::Function m_previous;

    static Listing coloradoListing()
    {
        Listing l;
        l.uid = QStringLiteral("s:CO:abc123");
        l.source = SourceFile::state;
        l.state = QStringLiteral("CO");
        l.stateName = QStringLiteral("Colorado");
        l.name = QStringLiteral("Food & Shelter? #1 line");
        l.sourceURL = QStringLiteral("https://example.org/co");
        l.publisher = QStringLiteral("United Way");
        l.retrievedAt = QStringLiteral("2026-10-24");
        return l;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_previous = Opener::replace([this](const QString &url) { m_opened << url; });
    }
    void cleanupTestCase() { Opener::replace(m_previous); }
    void init() { m_opened.clear(); }

    void emergencyActionsInBarOrder()
    {
        QStringList ids;
        for (EmergencyAction a : EmergencyAction::allCases()) {
            QVERIFY(a.perform());
            ids << a.id();
        }
        QCOMPARE(ids, (QStringList{"call911", "call988", "text988", "call211"}));
        QCOMPARE(m_opened, (QStringList{"tel:911", "tel:988", "sms:988", "tel:211"}));
        QCOMPARE(EmergencyAction::fromRawValue(QStringLiteral("text988")),
                 std::optional<EmergencyAction>(EmergencyAction::text988));
        QCOMPARE(EmergencyAction::fromRawValue(QStringLiteral("Text988")), std::nullopt);
    }

    void followUpsUseThisPlatformsWords()
    {
        QVERIFY(EmergencyAction(EmergencyAction::call988).followUp().contains(
            QStringLiteral("chat at 988lifeline.org (needs internet).")));
        for (EmergencyAction a : EmergencyAction::allCases()) {
            const QString text = a.followUp();
            QVERIFY2(!text.contains(QStringLiteral("Mac")) && !text.contains(QStringLiteral("Messages")),
                     qPrintable(text));
        }
    }

    void chatAddressMatchesTheShipped988Listing()
    {
        const QString folder = testsupport::sourceDir() + QStringLiteral("/resources/data");
        if (!QFileInfo::exists(folder + QStringLiteral("/national_resources.csv")))
            QSKIP("the shipped data files are not there yet");
        const ReferenceData data(folder);
        const std::optional<Listing> lifeline = data.national(QStringLiteral("988"));
        QVERIFY(lifeline);
        QVERIFY2(lifeline->contact.contains(TLInfo::chat988URL), qPrintable(lifeline->contact));
        QVERIFY(TLInfo::chat988URL.endsWith(TLInfo::chat988Text));
        QVERIFY(TLInfo::chat988Text.startsWith(TLInfo::chat988Host + QLatin1Char('/')));
    }

    void reportWithoutListing()
    {
        const QString v = TLInfo::shortVersion;
        QCOMPARE(ReportLink::mailto(nullptr),
                 QStringLiteral("mailto:support@marrowby.com"
                                "?subject=Wrong%20listing%20in%20MRBY%20Tenterly"
                                "&body=Hello%20MRBY,%0A%0AI%20think%20this%20listing%20in%20MRBY%20Tenterly"
                                "%20is%20wrong%20or%20out%20of%20date.%0A%0AWhat%20is%20wrong%20(for%20example"
                                "%20a%20phone%20number,%20address,%20website%20or%20rule):%0A%0A%0A"
                                "(Sent%20from%20MRBY%20Tenterly%20")
                     + v + QStringLiteral(")"));
    }

    void reportForAListing()
    {
        const Listing l = coloradoListing();
        const QString url = ReportLink::mailto(&l);
        QCOMPARE(url,
                 QStringLiteral("mailto:support@marrowby.com"
                                "?subject=Wrong%20listing:%20Food%20%26%20Shelter%3F%20%231%20line"
                                "&body=Hello%20MRBY,%0A%0AI%20think%20this%20listing%20in%20MRBY%20Tenterly"
                                "%20is%20wrong%20or%20out%20of%20date.%0A%0AListing:%20Food%20%26%20Shelter%3F"
                                "%20%231%20line%0AState:%20Colorado%0AListing%20id:%20s:CO:abc123%0A"
                                "Source:%20United%20Way%20https://example.org/co%0AChecked%20Oct%202026%0A%0A"
                                "What%20is%20wrong%20(for%20example%20a%20phone%20number,%20address,%20website"
                                "%20or%20rule):%0A%0A%0A(Sent%20from%20MRBY%20Tenterly%20")
                     + TLInfo::shortVersion + QStringLiteral(")"));
        // "&", "?" and "#" in the name stay inside the subject.
        const QUrlQuery query(QUrl(url).query(QUrl::FullyEncoded));
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Wrong listing: Food & Shelter? #1 line"));
    }

    void reportForANationwideListing()
    {
        Listing l = coloradoListing();
        l.state.clear();
        l.stateName.clear();
        l.publisher.clear();
        l.sourceURL.clear();
        const QUrlQuery query(QUrl(ReportLink::mailto(&l)).query(QUrl::FullyEncoded));
        const QStringList body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)
                                     .split(QLatin1Char('\n'));
        QVERIFY(body.contains(QStringLiteral("State: Nationwide")));
        QVERIFY(body.contains(QStringLiteral("Source: source not listed ")));
    }

    void openerKeepsTheUrlText()
    {
        // What reaches the desktop is the text as built, not a decoded form.
        const Listing l = coloradoListing();
        for (const QString &text : {ReportLink::mailto(&l), QStringLiteral("tel:911"), QStringLiteral("sms:988")})
            QCOMPARE(Opener::toUrl(text).toString(QUrl::FullyEncoded), text);
    }

    void enc_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("the five always encoded") << "&=+?#" << "%26%3D%2B%3F%23";
        QTest::newRow("blank and line feed") << "a b\nc" << "a%20b%0Ac";
        QTest::newRow("query characters kept") << "-._~!$'()*,/:;@" << "-._~!$'()*,/:;@";
        QTest::newRow("UTF-8") << QStringLiteral(u"café – ok") << "caf%C3%A9%20%E2%80%93%20ok";
        QTest::newRow("percent") << "100%" << "100%25";
    }
    void enc()
    {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(ReportLink::enc(text), encoded);
    }

    void videoPlay_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("opens");
        const QString watch = QStringLiteral("https://www.youtube.com/watch?v=abcdefghijk");
        QTest::newRow("online") << watch << true << true;
        QTest::newRow("offline, valid address") << watch << false << false;
        QTest::newRow("not a URL") << "not a url" << true << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("not a web link") << "file:///etc/passwd" << true << false;
        QTest::newRow("script") << "javascript:alert(1)" << true << false;
    }
    void videoPlay()
    {
        QFETCH(QString, url);
        QFETCH(bool, online);
        QFETCH(bool, opens);
        Video v;
        v.url = url;
        QCOMPARE(VideoActions::play(v, online), opens);
        QCOMPARE(m_opened, opens ? QStringList{url} : QStringList{});
        QCOMPARE(VideoActions::label(online), online ? QStringLiteral("Play on YouTube")
                                                     : QStringLiteral("Needs internet"));
    }

    void myListEdits()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my-list.sqlite"));
        FavoritesStore store(path);
        const Listing l = coloradoListing();
        Listing other = l;
        other.uid = QStringLiteral("n:other");
        QVERIFY(MyListActions::add(other, store));
        QVERIFY(MyListActions::remove(other.uid, store));
        QVERIFY(store.items().isEmpty());
        QVERIFY(MyListActions::add(l, store));
        QVERIFY(MyListActions::setNote(l.uid, QStringLiteral("ask for Rosa"), store));
        QCOMPARE(store.note(l.uid), QStringLiteral("ask for Rosa"));

        // A store whose table went away refuses every edit and keeps its list.
        SQLiteDB(path).exec(QStringLiteral("DROP TABLE favorites"));
        const QList<Favorite> before = store.items();
        // Each refusal leaves one line in the log with SQLite's reason.
        for (int i = 0; i < 3; ++i)
            QTest::ignoreMessage(QtWarningMsg, "A change to My List was not saved: no such table: favorites");
        QVERIFY(!MyListActions::add(other, store));
        QVERIFY(!MyListActions::setNote(l.uid, QStringLiteral("x"), store));
        QVERIFY(!MyListActions::remove(l.uid, store));
        QCOMPARE(store.items(), before);
    }
};

QTEST_GUILESS_MAIN(tst_Actions)
#include "tst_Actions.moc"
