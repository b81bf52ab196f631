#include "data/Badges.h"
#include "data/FavoritesStore.h"
#include "data/SQLiteDB.h"
#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/kit/Prefs.h"
#include "screens/ContactButtons.h"
#include "screens/InfoRow.h"
#include "screens/ListingCard.h"
#include "screens/NoteEditor.h"
#include "screens/PlainButton.h"
#include "screens/SaveButton.h"
#include "screens/VideoRow.h"
#include "services/NetStatus.h"
#include "services/Opener.h"
#include "services/ReportLink.h"

#include <QAccessible>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

Listing makeListing()
{
    Listing l;
    l.uid = QStringLiteral("s:OH:1");
    l.state = QStringLiteral("OH");
    l.stateName = QStringLiteral("Ohio");
    l.dataCategory = QStringLiteral("food_bank");
    l.name = QStringLiteral("Food <b>bank</b> &amp; pantry");
    l.summary = QStringLiteral("Meals <i>daily</i>");
    l.phone = QStringLiteral("(513) 482-4500");
    l.web = QStringLiteral("https://example.org/food");
    l.address = QStringLiteral("1 Main St <br>");
    l.details = {{QStringLiteral("Bring"), QStringLiteral("ID &lt;if any&gt;")}};
    l.sourceURL = QStringLiteral("https://example.org/source");
    l.publisher = QStringLiteral("Feeding America");
    l.retrievedAt = QStringLiteral("2026-10-01");
    l.confidence = QStringLiteral("verified-official");
    return l;
}

QStringList texts(const QWidget &w)
{
    QStringList out;
    for (const QLabel *label : w.findChildren<QLabel *>())
        out << label->text();
    for (const TLSectionTitle *t : w.findChildren<TLSectionTitle *>())
        out << t->text();
    return out;
}

} // namespace

class tst_ListingCard : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FavoritesStore> m_store;
    QStringList m_opened;

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        Opener::replace([this](const QString &url) { m_opened << url; });
    }

    void init()
    {
        m_store.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("list.sqlite")));
        m_store = std::make_unique<FavoritesStore>(m_dir.filePath(QStringLiteral("list.sqlite")));
        m_opened.clear();
        NetStatus::shared().report(QNetworkInformation::Reachability::Online);
    }

    void markupShowsLiterally()
    {
        const Listing l = makeListing();
        ListingCard card(l, m_store.get());
        const QStringList shown = texts(card);
        for (const QString &t : {l.name, l.summary, l.address, l.details.first().value})
            QVERIFY2(shown.contains(t), qPrintable(t));
        for (const QLabel *label : card.findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);

        // The note as well, on My List's card.
        const QString note = QStringLiteral("<b>call first</b> &amp; <br>");
        m_store->add(l.uid, l.name);
        m_store->setNote(l.uid, note);
        ListingCard saved(l, m_store.get(), true);
        QVERIFY(saved.noteEditor());
        QCOMPARE(saved.noteEditor()->textEdit()->toPlainText(), note);
    }

    // A narrow card (small window, large text, zoom) grows with its text:
    // no label gets less height than its wrapped text needs.
    void narrowCardShowsAllText()
    {
        Listing l = makeListing();
        l.summary = QStringLiteral("A long summary that has to wrap over several lines in a narrow card. ").repeated(4);
        l.eligibility = QStringLiteral("Anyone who needs food; bring something with your address if you have it.");
        ListingCard card(l, m_store.get());
        card.resize(320, card.heightForWidth(320));
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        for (const QLabel *label : card.findChildren<QLabel *>()) {
            if (label->isVisible() && label->wordWrap())
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
        }

        // The same for text beside a control of fixed width (the state prompt).
        TLCard prompt;
        auto *row = new QHBoxLayout;
        auto *text = new QLabel(QStringLiteral("Pick your state to see local phone numbers. ").repeated(3));
        text->setWordWrap(true);
        row->addWidget(text, 1);
        auto *fixed = new QWidget;
        fixed->setFixedSize(200, 20);
        row->addWidget(fixed);
        prompt.body()->addLayout(row);
        prompt.resize(360, prompt.heightForWidth(360));
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        QVERIFY(text->height() >= text->heightForWidth(text->width()));
    }

    void groupLineAndBadge_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("confidence");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("badge");
        QTest::addColumn<bool>("warning");
        QTest::newRow("state, confirmed") << "OH" << "verified-official" << "Ohio \u00B7 Food banks" << "" << false;
        QTest::newRow("nationwide") << "" << "verified-official" << "Nationwide" << "" << false;
        QTest::newRow("unconfirmed") << "OH" << "needs-check" << "Ohio \u00B7 Food banks" << Badges::unconfirmedText << true;
        QTest::newRow("secondary") << "" << "verified-secondary" << "Nationwide" << Badges::secondaryText << false;
    }

    void groupLineAndBadge()
    {
        QFETCH(QString, state);
        QFETCH(QString, confidence);
        QFETCH(QString, group);
        QFETCH(QString, badge);
        QFETCH(bool, warning);
        Listing l = makeListing();
        l.state = state;
        l.confidence = confidence;
        QCOMPARE(ListingCard::groupLine(l), group);
        ListingCard card(l, m_store.get());
        QCOMPARE(card.findChildren<TLBadge *>().size(), badge.isEmpty() ? 0 : 1);
        if (!badge.isEmpty())
            QCOMPARE(card.badge()->text(), badge);
        QCOMPARE(card.findChild<QLabel *>(QStringLiteral("detailsWarning")) != nullptr, warning);
    }

    // A listing with every part: each shows, top to bottom in the order the
    // card lists them, and Tab walks the card's controls in the same order.
    void everyPartInOrder()
    {
        Listing l = makeListing();
        l.confidence = QStringLiteral("needs-check");
        l.hours = QStringLiteral("9 to 5");
        l.linkStatus = QStringLiteral("broken");
        m_store->add(l.uid, l.name);
        ListingCard card(l, m_store.get(), true);
        card.resize(640, card.heightForWidth(640));
        card.show();
        card.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&card));

        const auto row = [&](const QString &label) -> QWidget * {
            for (InfoRow *r : card.findChildren<InfoRow *>())
                if (r->labelLabel()->text() == label)
                    return r;
            return nullptr;
        };
        const QList<QWidget *> parts{card.findChild<QLabel *>(QStringLiteral("listingName")),
                                     card.badge(),
                                     card.findChild<QLabel *>(QStringLiteral("listingSummary")),
                                     card.contactButtons(),
                                     row(QStringLiteral("Address")),
                                     row(QStringLiteral("Hours")),
                                     card.findChild<QLabel *>(QStringLiteral("detailsWarning")),
                                     row(QStringLiteral("Bring")),
                                     card.findChild<QLabel *>(QStringLiteral("linkNote")),
                                     card.noteEditor(),
                                     card.sourceLabel()};
        int lastTop = -1;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            QWidget *w = parts.at(i);
            QVERIFY2(w && w->isVisible() && w->height() > 0, qPrintable(QString::number(i)));
            const int top = w->mapTo(&card, QPoint()).y();
            QVERIFY2(top > lastTop, qPrintable(QString::number(i)));
            QVERIFY(top + w->height() <= card.height());
            lastTop = top;
        }
        // "Report a problem" on the source's line, to its right.
        QVERIFY(card.reportButton()->mapTo(&card, QPoint()).y() < lastTop + card.sourceLabel()->height());
        QVERIFY(card.reportButton()->mapTo(&card, QPoint()).x() > card.sourceLabel()->mapTo(&card, QPoint()).x());

        // Save, the contact buttons, the note, the source, Report, round to Save.
        card.saveButton()->setFocus();
        QCOMPARE(QApplication::focusWidget(), card.saveButton());
        QList<QWidget *> stops;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget();
        } while (stops.last() != card.saveButton() && stops.size() < 20);
        QCOMPARE(stops.last(), card.saveButton());
        const QList<QWidget *> owners{card.contactButtons(), card.noteEditor(), card.sourceLabel(),
                                      card.reportButton()};
        QVERIFY(stops.size() > owners.size());
        qsizetype owner = 0;
        for (QWidget *stop : stops.first(stops.size() - 1)) {
            while (owner < owners.size() && stop != owners.at(owner) && !owners.at(owner)->isAncestorOf(stop))
                ++owner;
            QVERIFY2(owner < owners.size(), qPrintable(stop->objectName()));
        }
        QCOMPARE(stops.at(stops.size() - 2), card.reportButton());
    }

    void factsRowsOnlyForFields()
    {
        Listing l = makeListing();
        l.details.clear();
        ListingCard card(l, m_store.get());
        const auto rows = card.findChildren<InfoRow *>();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first()->labelLabel()->text(), QStringLiteral("Address"));
        // Phone numbers and web addresses are buttons, not text.
        QVERIFY(!texts(card).contains(l.phone));
    }

    void sourceLinkOrPlainText()
    {
        Listing l = makeListing();
        ListingCard linked(l, m_store.get());
        QVERIFY(linked.sourceLabel()->inherits("MBLink"));
        l.sourceURL = QStringLiteral("not a url");
        ListingCard plain(l, m_store.get());
        QVERIFY(!plain.sourceLabel()->inherits("MBLink"));
        QCOMPARE(plain.sourceLabel()->text(), l.sourceLabel());
    }

    void reportOpensOneMail()
    {
        const Listing l = makeListing();
        ListingCard card(l, m_store.get());
        QCOMPARE(card.reportButton()->toolTip(), QStringLiteral("Email MRBY if this listing is wrong"));
        card.reportButton()->click();
        QCOMPARE(m_opened, QStringList{ReportLink::mailto(&l)});
    }

    void contactButtonsFollowTheNetwork()
    {
        ListingCard card(makeListing(), m_store.get());
        ContactButtons *buttons = card.contactButtons();
        QVERIFY(buttons);
        QCOMPARE(buttons->buttons().size(), 2);
        TLButton *call = buttons->buttons().at(0);
        TLButton *web = buttons->buttons().at(1);
        QCOMPARE(call->buttonStyle().color, TLPalette::current().accent);
        QVERIFY(!web->buttonStyle().color);
        QCOMPARE(call->toolTip(), QStringLiteral("tel:15134824500"));

        NetStatus::shared().report(QNetworkInformation::Reachability::Disconnected);
        QVERIFY(web->text().endsWith(QStringLiteral(" (needs internet)")));
        QVERIFY(!call->text().contains(QStringLiteral("internet")));
        // A screen reader hears the label as shown.
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(web);
        QVERIFY(heard->text(QAccessible::Name).endsWith(QStringLiteral(" (needs internet)")));
        // Offline, a web button still opens its address; the same button relabels in place.
        web->click();
        QCOMPARE(m_opened, QStringList{QStringLiteral("https://example.org/food")});
        NetStatus::shared().report(QNetworkInformation::Reachability::Online);
        QCOMPARE(buttons->buttons().at(1), web);
        QVERIFY(!web->text().contains(QStringLiteral("internet")));
        QVERIFY(!heard->text(QAccessible::Name).contains(QStringLiteral("internet")));
    }

    void noContactsNoRow()
    {
        Listing l = makeListing();
        l.phone.clear();
        l.web.clear();
        ListingCard card(l, m_store.get());
        QVERIFY(!card.contactButtons());
        ContactButtons empty({}, true);
        QVERIFY(empty.isHidden());
    }

    void saveFollowsTheStoreAndTwoCardsAgree()
    {
        const Listing l = makeListing();
        ListingCard a(l, m_store.get(), true);
        ListingCard b(l, m_store.get());
        QCOMPARE(a.saveButton()->text(), QStringLiteral("Save"));
        QVERIFY(!a.noteEditor());
        a.saveButton()->click();
        QVERIFY(m_store->contains(l.uid));
        QCOMPARE(m_store->note(l.uid), QString());
        QCOMPARE(b.saveButton()->text(), QStringLiteral("Saved"));
        QCOMPARE(b.saveButton()->toolTip(), QStringLiteral("Remove from My List"));
        QCOMPARE(QAccessible::queryAccessibleInterface(b.saveButton())->text(QAccessible::Name),
                 QStringLiteral("Saved, ") + l.name);
        QVERIFY(a.noteEditor());
        QVERIFY(!b.noteEditor());
        // A press reads the store now: after another card removed it, "Saved"
        // on a stale button never removes twice or adds by mistake.
        b.saveButton()->click();
        QVERIFY(!m_store->contains(l.uid));
        QCOMPARE(a.saveButton()->text(), QStringLiteral("Save"));
        QTRY_VERIFY(!a.noteEditor());
    }

    void failedSaveLeavesMyList()
    {
        const Listing l = makeListing();
        ListingCard card(l, m_store.get());
        SQLiteDB(m_store->url()).exec(QStringLiteral("DROP TABLE favorites"));
        QTest::ignoreMessage(QtWarningMsg, "A change to My List was not saved: no such table: favorites");
        card.saveButton()->click();
        QVERIFY(!m_store->contains(l.uid));
        QCOMPARE(card.saveButton()->text(), QStringLiteral("Save"));
    }

    void draftSurvivesStoreChanges()
    {
        const Listing l = makeListing();
        ListingCard card(l, m_store.get(), true);
        card.saveButton()->click();
        NoteEditor *editor = card.noteEditor();
        QVERIFY(editor);
        editor->textEdit()->setPlainText(QStringLiteral("draft"));
        m_store->add(QStringLiteral("other"), QStringLiteral("Other"));
        QCOMPARE(card.noteEditor(), editor);
        QCOMPARE(editor->text(), QStringLiteral("draft"));
    }

    void withoutStoreNoSaveNoNote()
    {
        ListingCard card(makeListing(), nullptr, true);
        QVERIFY(!card.saveButton());
        QVERIFY(!card.noteEditor());
        QVERIFY(card.contactButtons());
    }

    void noteRoundTrip_data()
    {
        QTest::addColumn<QString>("note");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks and lines kept") << QStringLiteral("  two\n\nlines  \n");
        QTest::newRow("nul") << QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b");
        QTest::newRow("crlf and nbsp") << QStringLiteral("x\r\ny\u00A0z");
        QTest::newRow("100000 characters") << QString(100000, QLatin1Char('n'));
        QTest::newRow("markup") << QStringLiteral("<b>bold</b> &amp;");
    }

    void noteRoundTrip()
    {
        QFETCH(QString, note);
        m_store->add(QStringLiteral("u"), QStringLiteral("U"));
        m_store->setNote(QStringLiteral("u"), note);
        NoteEditor editor(QStringLiteral("u"), *m_store);
        QCOMPARE(editor.text(), note);
        QVERIFY(editor.save());
        QCOMPARE(m_store->note(QStringLiteral("u")), note);
        QVERIFY(editor.savedShown());
        QCOMPARE(editor.savedLabel()->text(), QStringLiteral("Saved on this computer."));
    }

    void typedNoteStoredAsTyped()
    {
        m_store->add(QStringLiteral("u"), QStringLiteral("U"));
        NoteEditor editor(QStringLiteral("u"), *m_store);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.textEdit()->setFocus();
        QTest::keyClicks(editor.textEdit(), QStringLiteral("  call "));
        QTest::keyClick(editor.textEdit(), Qt::Key_Return);
        QTest::keyClicks(editor.textEdit(), QStringLiteral("Mon\u00A0am "));
        editor.saveButton()->click();
        QCOMPARE(m_store->note(QStringLiteral("u")), QStringLiteral("  call \nMon\u00A0am "));
        QVERIFY(editor.savedShown());
        QTest::keyClicks(editor.textEdit(), QStringLiteral("x"));
        QVERIFY(!editor.savedShown());
        editor.saveButton()->click();
        QVERIFY(editor.savedShown());
    }

    void pastedRichTextLosesMarkup()
    {
        m_store->add(QStringLiteral("u"), QStringLiteral("U"));
        NoteEditor editor(QStringLiteral("u"), *m_store);
        auto *mime = new QMimeData;
        mime->setHtml(QStringLiteral("<b>Bold</b> <a href=\"x\">link</a>"));
        mime->setText(QStringLiteral("Bold link"));
        QGuiApplication::clipboard()->setMimeData(mime);
        editor.textEdit()->paste();
        QCOMPARE(editor.text(), QStringLiteral("Bold link"));
        const QString html = editor.textEdit()->toHtml();
        QVERIFY(!html.contains(QStringLiteral("font-weight:700")) && !html.contains(QStringLiteral("href")));
    }

    void editorGrowsThenScrolls()
    {
        m_store->add(QStringLiteral("u"), QStringLiteral("U"));
        NoteEditor editor(QStringLiteral("u"), *m_store);
        editor.resize(400, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QWidget *box = editor.textEdit()->parentWidget();
        QCOMPARE(box->height(), editor.minimumBoxHeight());
        editor.textEdit()->setPlainText(QStringLiteral("line\n").repeated(40));
        QTRY_COMPARE(box->height(), editor.maximumBoxHeight());
        QVERIFY(editor.textEdit()->verticalScrollBar()->maximum() > 0);
    }

    void failedNoteSaveSaysSo()
    {
        m_store->add(QStringLiteral("u"), QStringLiteral("U"));
        NoteEditor editor(QStringLiteral("u"), *m_store);
        editor.textEdit()->setPlainText(QStringLiteral("keep me"));
        // Another connection takes the table away: the store cannot take the note.
        SQLiteDB(m_store->url()).exec(QStringLiteral("DROP TABLE favorites"));
        QTest::ignoreMessage(QtWarningMsg, "A change to My List was not saved: no such table: favorites");
        QVERIFY(!editor.save());
        QVERIFY(!editor.savedShown());
        QVERIFY(!editor.failedLabel()->isHidden());
        QCOMPARE(editor.text(), QStringLiteral("keep me"));
    }

    void videoRow_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("last");
        QTest::newRow("no note") << "" << "2026-10-01" << 3 << "Checked Oct 2026 \u00B7 source: YouTube (Red Cross)";
        QTest::newRow("note, no date") << "Short <b>note</b>" << "" << 4
                                       << "Checked date not listed \u00B7 source: YouTube (Red Cross)";
    }

    void videoRow()
    {
        QFETCH(QString, note);
        QFETCH(QString, date);
        QFETCH(int, lines);
        QFETCH(QString, last);
        Video v{QStringLiteral("v:1"), QStringLiteral("CPR <i>basics</i>"), QStringLiteral("Red Cross"),
                QStringLiteral("https://www.youtube.com/watch?v=abc"), QStringLiteral("3:00"), QStringLiteral("CPR"),
                QStringLiteral("first_aid"), note, date};
        VideoRow row(v);
        QCOMPARE(row.textLines().size(), lines);
        QCOMPARE(row.textLines().first()->text(), v.title);
        QCOMPARE(row.textLines().at(1)->text(), QStringLiteral("Red Cross \u00B7 3:00 \u00B7 CPR"));
        Video noLength = v;
        noLength.length.clear();
        QCOMPARE(VideoRow::detailLine(noLength), QStringLiteral("Red Cross \u00B7 CPR"));
        QCOMPARE(row.textLines().last()->text(), last);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QVERIFY(row.playButton()->isVisible() && !row.offlineBadge()->isVisible());
        NetStatus::shared().report(QNetworkInformation::Reachability::Disconnected);
        QVERIFY(!row.playButton()->isVisible() && row.offlineBadge()->isVisible());
        NetStatus::shared().report(QNetworkInformation::Reachability::Online);
        QVERIFY(row.playButton()->isVisible());
        row.playButton()->click();
        QCOMPARE(m_opened, QStringList{v.url});
    }
};

QTEST_MAIN(tst_ListingCard)
#include "tst_ListingCard.moc"
