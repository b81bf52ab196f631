#include "TestSupport.h"

#include "data/ContactParser.h"
#include "data/LinkDetector.h"
#include "data/Listing.h"

#include <QtTest>

#include <limits>

namespace {

// "kind|label|url" for each action, so a failing row shows the whole list.
QStringList describe(const QList<ContactAction> &actions)
{
    QStringList out;
    for (const ContactAction &a : actions)
        out << ContactAction::rawValue(a.kind) + u'|' + a.label + u'|' + a.url;
    return out;
}

} // namespace

class tst_ContactParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void actions_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("contact");
        QTest::addColumn<QString>("textContact");
        QTest::addColumn<QString>("web");
        QTest::addColumn<QStringList>("expected");

        const QString none;
        QTest::newRow("call or text 988") << none << "Call or text 988, or chat online." << none << none
            << QStringList{"call|Call 988|tel:988", "text|Text 988|sms:988"};
        QTest::newRow("text 988 alone") << none << "Text 988" << none << none
            << QStringList{"text|Text 988|sms:988"};
        QTest::newRow("call 988 or text 988") << none << "call 988 or text 988" << none << none
            << QStringList{"call|Call 988|tel:988", "text|Text 988|sms:988"};
        QTest::newRow("211 after a ten-digit number") << "(866) 348-6479 or 211" << none << none << none
            << QStringList{"call|Call 211|tel:211", "call|Call (866) 348-6479|tel:18663486479"};
        QTest::newRow("211 before a ten-digit number") << "211; 1-866-348-6479" << none << none << none
            << QStringList{"call|Call 211|tel:211", "call|Call (866) 348-6479|tel:18663486479"};
        QTest::newRow("one number in three layouts")
            << "1-866-348-6479" << "Or (866) 348-6479, or +1.866.348.6479." << none << none
            << QStringList{"call|Call (866) 348-6479|tel:18663486479"};
        QTest::newRow("text-only number in its own clause")
            << none << "Call 211. Text your zip code to 914-342-7744" << none << none
            << QStringList{"call|Call 211|tel:211",
                           "text|Text your zip code to 9143427744|sms:9143427744"};
        QTest::newRow("texting number in a clause that says call")
            << none << "Call us, or text your zip code to 914-342-7744" << none << none
            << QStringList{"call|Call (914) 342-7744|tel:19143427744",
                           "text|Text your zip code to 9143427744|sms:9143427744"};
        QTest::newRow("capital keyword") << none << "Text HOME to 741741." << none << none
            << QStringList{"text|Text HOME to 741741|sms:741741?body=HOME"};
        QTest::newRow("small-letter keyword") << none << "text home to 741741" << none << none
            << QStringList{};
        QTest::newRow("keyword with a hyphenated short number") << none << "text START to 678-678" << none << none
            << QStringList{"text|Text START to 678678|sms:678678?body=START"};
        QTest::newRow("a keyword phrase") << none << "Text a keyword such as FOOD to 898-211" << none << none
            << QStringList{"text|Text a keyword such as FOOD to 898211|sms:898211"};
        QTest::newRow("text 838255") << none << "Veterans: press 1, or text 838255." << none << none
            << QStringList{"text|Text 838255|sms:838255"};
        QTest::newRow("WhatsApp just before") << none << "wHaTsApp: 305-555-0100" << none << none
            << QStringList{};
        QTest::newRow("TTY just before") << "TTY 1-800-555-0199" << none << none << none << QStringList{};
        QTest::newRow("TTY far before") << none << "TTY users can ask at the front desk, or call 800-555-0199"
            << none << none << QStringList{"call|Call (800) 555-0199|tel:18005550199"};
        QTest::newRow("text the same number") << none << "Call 800-555-0150; to text the same 800-555-0150"
            << none << none << QStringList{"call|Call (800) 555-0150|tel:18005550150"};
        QTest::newRow("not service numbers") << "2110 or 211-1234 or 411 or 9110" << none << none << none
            << QStringList{};
        QTest::newRow("text 911 is no call") << none << "In some places you can text 911." << none << none
            << QStringList{};
        // Mended: a number after "call or text" is a call too, as 211, 988 and 911 are.
        QTest::newRow("call or text a ten-digit number") << none << "Call or text 800-555-0123" << none << none
            << QStringList{"call|Call (800) 555-0123|tel:18005550123"};
        QTest::newRow("text a ten-digit number") << none << "Or text 800-555-0123" << none << none
            << QStringList{};
        QTest::newRow("order: calls, texts, web field, links")
            << "211" << "Call or text 988; write to Help@Example.org or see www.example.net/x."
            << "Text HOME to 741741" << "https://www.example.org/help"
            << QStringList{"call|Call 211|tel:211", "call|Call 988|tel:988",
                           "text|Text HOME to 741741|sms:741741?body=HOME", "text|Text 988|sms:988",
                           "web|example.org|https://www.example.org/help",
                           "email|Email Help@Example.org|mailto:Help@Example.org",
                           "web|example.net|http://www.example.net/x"};
        QTest::newRow("web field address found again") << none << "Visit https://www.example.org." << none
            << "https://www.example.org"
            << QStringList{"web|example.org|https://www.example.org"};
        QTest::newRow("URLs differing in case") << none << "see https://example.org/A" << none
            << "https://EXAMPLE.org/a" << QStringList{"web|EXAMPLE.org|https://EXAMPLE.org/a"};
        // The 988 of the address stands alone by the service-number rule: a call too.
        QTest::newRow("bare address") << none << "Chat at 988lifeline.org (24/7)." << none << none
            << QStringList{"call|Call 988|tel:988", "web|988lifeline.org|http://988lifeline.org"};
        QTest::newRow("mailto with a subject") << none << "mailto:help@example.org?subject=ID" << none << none
            << QStringList{"email|Email help@example.org?subject=ID|mailto:help@example.org?subject=ID"};
        QTest::newRow("other schemes in the text") << none << "ftp://example.org/files and file:///etc"
            << none << none << QStringList{};
        // Mended: the web field opens only http and https addresses.
        QTest::newRow("web http") << none << none << none << "http://example.org/a?b=1"
            << QStringList{"web|example.org|http://example.org/a?b=1"};
        QTest::newRow("web httpx") << none << none << none << "httpx://example.org" << QStringList{};
        QTest::newRow("web javascript") << none << none << none << "javascript:alert(1)" << QStringList{};
        QTest::newRow("web without scheme") << none << none << none << "www.example.org" << QStringList{};
        QTest::newRow("web with a space") << none << none << none << "https://example.org/a b" << QStringList{};
        QTest::newRow("web without host") << none << none << none << "https://" << QStringList{};
        QTest::newRow("address with a non-ASCII host") << none << "Menu: https://caf\u00e9.example.org/menu"
            << none << none
            << QStringList{"web|caf\u00e9.example.org|https://caf\u00e9.example.org/menu"};
        QTest::newRow("nothing") << none << "Walk in, Monday to Friday." << none << none << QStringList{};
    }

    void actions()
    {
        QFETCH(QString, phone);
        QFETCH(QString, contact);
        QFETCH(QString, textContact);
        QFETCH(QString, web);
        QFETCH(QStringList, expected);
        QCOMPARE(describe(ContactParser::actions({phone, contact, textContact, web})), expected);
    }

    void listingFieldsAndExactURLs()
    {
        Listing l;
        l.textContact = QStringLiteral("Text HOME to 741741");
        l.contact = QStringLiteral("Text your zip code to 914-342-7744");
        l.summary = QStringLiteral("Call 911"); // not a contact field
        const QList<ContactAction> got = ContactParser::actions(l);
        QCOMPARE(describe(got), (QStringList{"text|Text HOME to 741741|sms:741741?body=HOME",
                                             "text|Text your zip code to 9143427744|sms:9143427744"}));
        QCOMPARE(got[0].id(), QStringLiteral("textsms:741741?body=HOME"));
        // As a handler reads it (RFC 5724): the number, then the message.
        const QUrl sms(got[0].url);
        QCOMPARE(sms.path(), QStringLiteral("741741"));
        QCOMPARE(sms.query(), QStringLiteral("body=HOME"));
    }

    void detectorFindsAddresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("punctuation after") << "See https://example.org/a_b). Or example.gov, or WWW.Example.com!"
            << QStringList{"https://example.org/a_b", "http://example.gov", "http://WWW.Example.com"};
        QTest::newRow("brackets kept inside") << "(https://example.org/wiki/A_(b))"
            << QStringList{"https://example.org/wiki/A_(b)"};
        QTest::newRow("e-mail is not also a web address") << "first.last@state.mi.us;"
            << QStringList{"mailto:first.last@state.mi.us"};
        QTest::newRow("not addresses") << "9 a.m. to 5 p.m., U.S. only, 2.5 miles, No.1, e.g. this"
            << QStringList{};
        QTest::newRow("non-ASCII host kept whole") << "Menu: https://caf\u00e9.example.org/menu."
            << QStringList{"https://caf\u00e9.example.org/menu"};
        QTest::newRow("non-ASCII path kept whole") << "https://es.wikipedia.org/wiki/Ni\u00f1o and example.org/Ni\u00f1o"
            << QStringList{"https://es.wikipedia.org/wiki/Ni\u00f1o", "http://example.org/Ni\u00f1o"};
        QTest::newRow("bare non-ASCII host: none rather than part")
            << "caf\u00e9.example.org or www.caf\u00e9.org" << QStringList{};
        QTest::newRow("ends at non-ASCII") << "\u201Cexample.org/path\u201D\u2014or call"
            << QStringList{"http://example.org/path"};
    }

    void detectorFindsAddresses()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(LinkDetector::links(text), expected);
    }

    // Hostile texts: the parser's time grows with the text, never with its
    // square. Timed against the same text an eighth as long, in the same run,
    // so a slow machine slows both alike: eight times the text takes
    // about eight times as long, where the square would take 64 times.
    void longTextsStayFast_data()
    {
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("unit");
        QTest::newRow("keyword phrase then blanks") << QStringLiteral("Text a keyword") << QStringLiteral(" ");
        QTest::newRow("911 repeated") << QString() << QStringLiteral("911 ");
        QTest::newRow("keyword phrases, no number") << QString() << QStringLiteral("Text a keyword x ");
        QTest::newRow("ten-digit numbers in one clause") << QString() << QStringLiteral("800-555-0100 ");
        QTest::newRow("one long word") << QString() << QStringLiteral("a");
        QTest::newRow("dotted labels") << QString() << QStringLiteral("a.");
        QTest::newRow("closing brackets") << QStringLiteral("https://example.org/") << QStringLiteral(")");
        QTest::newRow("text before many numbers") << QStringLiteral("text ") << QStringLiteral("5 ");
    }

    void longTextsStayFast()
    {
        QFETCH(QString, head);
        QFETCH(QString, unit);
        const auto text = [&](int length) { return head + unit.repeated(length / unit.size()); };
        const QString whole = text(50000);
        const QString eighth = text(50000 / 8);
        // Processor time, not the wall clock, which runs on while the test
        // waits for a core another program holds.
        const auto nsToParse = [](const QString &t) {
            const qint64 start = testsupport::threadCpuNs();
            ContactParser::actions({t, t, t, t});
            return testsupport::threadCpuNs() - start;
        };
        // The quickest of a few runs, taken in turn: one slowed by a program
        // sharing the core says nothing of the parser.
        qint64 wholeNs = std::numeric_limits<qint64>::max();
        qint64 eighthNs = wholeNs;
        for (int n = 0; n < 5; ++n) {
            eighthNs = std::min(eighthNs, nsToParse(eighth));
            wholeNs = std::min(wholeNs, nsToParse(whole));
        }
        QVERIFY2(wholeNs < 20 * eighthNs, qPrintable(QStringLiteral("%1 ms, an eighth of the text %2 ms")
                                                          .arg(wholeNs / 1e6, 0, 'f', 2)
                                                          .arg(eighthNs / 1e6, 0, 'f', 2)));
    }

    void shortHosts()
    {
        QCOMPARE(ContactParser::shortHost(QStringLiteral("https://user@VeteransCrisisLine.net:443/Chat")),
                 QStringLiteral("VeteransCrisisLine.net"));
        QCOMPARE(ContactParser::shortHost(QStringLiteral("http://WWW.Example.org")), QStringLiteral("WWW.Example.org"));
        QCOMPARE(ContactParser::shortHost(QStringLiteral("mailto:a@b.org")), QStringLiteral("mailto:a@b.org"));
        QVERIFY(!ContactAction::kindFromRawValue(QStringLiteral("Call")));
    }
};

QTEST_GUILESS_MAIN(tst_ContactParser)
#include "tst_ContactParser.moc"
