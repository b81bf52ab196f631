#include "ReadOnlyFolder.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYKit.h"
#include "look/kit/Prefs.h"
#include "pdf/PdfPrint.h"
#include "screens/CategoryView.h"
#include "screens/ListingCard.h"
#include "screens/MyListView.h"
#include "screens/NoteEditor.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/RefusalCheck.h"
#include "screens/RowColumn.h"
#include "screens/SaveButton.h"
#include "screens/UrgentView.h"
#include "screens/VideosView.h"
#include "services/AppFixture.h"
#include "services/NetStatus.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"
#include "widgets/TLRender.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

QStringList headings(const RowColumn *rows)
{
    QStringList out;
    for (const QString &id : rows->ids())
        if (id.startsWith(QLatin1String("heading:")))
            out << id.mid(8);
    return out;
}

Video video(const QString &title, const QString &category)
{
    Video v;
    v.uid = QStringLiteral("v:") + title;
    v.title = title;
    v.category = category;
    return v;
}

} // namespace

class tst_ContentScreens : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
    // The same data with a My List that could not be opened.
    std::unique_ptr<AppModel> m_noStore;

    const ReferenceData &data() const { return *m_model->data(); }
    Listing listingNamed(const QString &name) const
    {
        for (const AppCategory c : AppCategory::allCases())
            for (const Listing &l : data().listings(c))
                if (l.name == name)
                    return l;
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        MRBYKit::install(std::nullopt, {}, TLThemes::extras());
        m_model = appfixture::makeModel(m_dir.path());
        QVERIFY(m_model && m_model->data() && m_model->favorites());
        m_noStore = std::make_unique<AppModel>(m_dir.path() + QStringLiteral("/data"),
                                               m_dir.path() + QStringLiteral("/missing/folder/my-list.sqlite"));
        QVERIFY(m_noStore->data());
        QVERIFY(!m_noStore->favorites());
        QVERIFY(!m_noStore->myListError().isEmpty());
    }

    void init()
    {
        Prefs::shared().clear();
        m_model->setStateCode(QString());
        FavoritesStore &store = *m_model->favorites();
        while (!store.items().isEmpty())
            store.remove(store.items().first().uid);
    }

    void urgentBlocks_data()
    {
        QTest::addColumn<int>("need");
        QTest::addColumn<bool>("card");
        QTest::addColumn<bool>("prompt"); // with no state chosen
        QTest::newRow("food") << int(UrgentNeed::food) << false << true;
        QTest::newRow("shelter") << int(UrgentNeed::shelter) << false << true;
        QTest::newRow("parking") << int(UrgentNeed::parking) << false << true;
        QTest::newRow("medical") << int(UrgentNeed::medical) << true << false;
        QTest::newRow("talk") << int(UrgentNeed::talk) << false << false;
    }

    void urgentBlocks()
    {
        QFETCH(int, need);
        QFETCH(bool, card);
        QFETCH(bool, prompt);
        const UrgentNeed n = UrgentNeed::Case(need);
        UrgentView view(*m_model, n);
        QCOMPARE(view.header()->title(), n.title());
        QCOMPARE(!view.medicalCard()->isHidden(), card);
        QCOMPARE(!view.prompt()->isHidden(), prompt);
        m_model->setStateCode(QStringLiteral("CO"));
        QVERIFY(view.prompt()->isHidden());
        // The listings are the model's, in its order.
        QStringList expected;
        for (const Listing &l : m_model->listings(n))
            expected << l.uid;
        QCOMPARE(view.listings()->ids(), expected);
    }

    void openChapter7()
    {
        m_model->setGuideChapter(3);
        UrgentView view(*m_model, UrgentNeed::medical);
        view.chapterButton()->click();
        QCOMPARE(m_model->guideChapter(), 7);
        QCOMPARE(m_model->screen(), Screen(Screen::guide));
    }

    void topicRows()
    {
        m_model->setStateCode(QStringLiteral("CO"));
        CategoryView view(*m_model, AppCategory::food);
        const TopicLists lists = TopicLists::forTopic(m_model->data(), AppCategory::food, QStringLiteral("CO"));
        QStringList expected;
        for (const TopicGroup &g : lists.groups)
            expected << TopicLists::groupHeading(QStringLiteral("Colorado"), g);
        expected << TopicLists::nationwideHeading(int(lists.national.size()));
        QCOMPARE(headings(view.listings()), expected);
        QVERIFY(!view.listings()->ids().contains(QStringLiteral("empty")));
        // Every listing once, groups first, then nationwide.
        QCOMPARE(view.listings()->ids().size(), lists.all.size() + expected.size());
    }

    void emptyTopicKeepsItsVideos()
    {
        // The fixture has nothing for Showers & Hygiene; its video category
        // (everyday) has no video there either, so add one in a list of our own.
        const TopicLists none = TopicLists::make({}, {video(QStringLiteral("Wash"), QStringLiteral("everyday"))},
                                                 AppCategory::showers);
        QStringList ids;
        for (const RowColumn::Row &r : CategoryView::rows(none, QString(), m_model->favorites()))
            ids << r.id;
        QCOMPARE(ids, (QStringList{QStringLiteral("empty"), QStringLiteral("heading:Videos (need internet)"),
                                   QStringLiteral("v:Wash")}));
    }

    // Snapshot renders make the whole page at once.
    void snapshotBuildsEverything()
    {
        TLRender::snapshotMode = true;
        CategoryView view(*m_model, AppCategory::food);
        TLRender::snapshotMode = false;
        QVERIFY(view.listings()->ids().size() > 5);
        QCOMPARE(view.listings()->built(), view.listings()->ids().size());
    }

    // Without My List the listings still show, without Save or notes; My
    // List itself says why it is empty.
    void storeMissing()
    {
        m_noStore->setStateCode(QStringLiteral("CO"));
        CategoryView topic(*m_noStore, AppCategory::food);
        topic.listings()->buildAll();
        QVERIFY(topic.listings()->built() > 3);
        const auto cards = topic.findChildren<ListingCard *>();
        QVERIFY(!cards.isEmpty());
        for (const ListingCard *card : cards)
            QVERIFY(!card->saveButton());

        UrgentView urgent(*m_noStore, UrgentNeed::food);
        QVERIFY(!urgent.listings()->ids().isEmpty());

        MyListView list(*m_noStore);
        QVERIFY(!list.entries());
        QVERIFY(list.errorLabel());
        QCOMPARE(list.errorLabel()->text(), m_noStore->myListError());
        QCOMPARE(list.errorLabel()->textFormat(), Qt::PlainText);
    }

    void myListEmpty()
    {
        MyListView view(*m_model);
        QVERIFY(!view.emptyCard()->isHidden());
        QVERIFY(view.entries()->ids().isEmpty());
        QVERIFY(!view.errorLabel());
        MyListActions_add(QStringLiteral("CO food bank one"));
        QVERIFY(view.emptyCard()->isHidden());
        QCOMPARE(view.entries()->ids().size(), 1);
    }

    // The list follows the store entry by entry: an open draft survives the
    // removal of another entry, a new entry appears at the end, a saved note
    // makes nothing new.
    void myListKeyedUpdate()
    {
        FavoritesStore &store = *m_model->favorites();
        const Listing a = listingNamed(QStringLiteral("CO food bank one"));
        const Listing b = listingNamed(QStringLiteral("CO food bank two"));
        const Listing c = listingNamed(QStringLiteral("CO SNAP"));
        for (const Listing &l : {a, b, c})
            store.add(l.uid, l.name);
        MyListView view(*m_model);
        RowColumn *rows = view.entries();
        rows->buildAll();
        QCOMPARE(rows->ids(), (QStringList{a.uid, b.uid, c.uid}));
        auto *cardA = qobject_cast<ListingCard *>(rows->rowWidget(a.uid));
        auto *cardC = qobject_cast<ListingCard *>(rows->rowWidget(c.uid));
        QVERIFY(cardA && cardC && cardA->noteEditor());
        cardA->noteEditor()->setText(QStringLiteral("half-typed draft"));
        store.remove(b.uid);
        QCOMPARE(rows->ids(), (QStringList{a.uid, c.uid}));
        QCOMPARE(rows->rowWidget(a.uid), cardA);
        QCOMPARE(rows->rowWidget(c.uid), cardC);
        QCOMPARE(cardA->noteEditor()->text(), QStringLiteral("half-typed draft"));
        QVERIFY(!rows->shownRows().contains(rows->rowWidget(b.uid)));

        store.add(b.uid, b.name);
        rows->buildAll();
        QCOMPARE(rows->ids(), (QStringList{a.uid, c.uid, b.uid}));
        QCOMPARE(cardA->noteEditor()->text(), QStringLiteral("half-typed draft"));
        const int made = rows->madeCount();
        const QList<QWidget *> shown = rows->shownRows();

        QVERIFY(cardC->noteEditor());
        cardC->noteEditor()->setText(QStringLiteral("closes at 5"));
        QVERIFY(cardC->noteEditor()->save());
        QCOMPARE(rows->madeCount(), made);
        QCOMPARE(rows->shownRows(), shown);
        QCOMPARE(cardA->noteEditor()->text(), QStringLiteral("half-typed draft"));
        QCOMPARE(store.note(c.uid), QStringLiteral("closes at 5"));

        // Un-saving a card on this screen takes it off at once.
        cardC->saveButton()->click();
        QCOMPARE(rows->ids(), (QStringList{a.uid, b.uid}));
    }

    void myListMissingEntry_data()
    {
        QTest::addColumn<QString>("note");
        QTest::newRow("with a note") << "They moved in March.";
        QTest::newRow("without a note") << "";
    }

    void myListMissingEntry()
    {
        QFETCH(QString, note);
        FavoritesStore &store = *m_model->favorites();
        const QString uid = QStringLiteral("s:ZZ:0000000000000000");
        store.add(uid, QStringLiteral("Old <b>Pantry</b>"));
        if (!note.isEmpty())
            store.setNote(uid, note);
        MyListView view(*m_model);
        view.entries()->buildAll();
        QWidget *card = view.findChild<QWidget *>(QStringLiteral("missingEntry"));
        QVERIFY(card);
        auto *name = card->findChild<QLabel *>(QStringLiteral("missingName"));
        QCOMPARE(name->text(), QStringLiteral("Old <b>Pantry</b>"));
        QCOMPARE(name->textFormat(), Qt::PlainText);
        auto *noteLabel = card->findChild<QLabel *>(QStringLiteral("missingNote"));
        QCOMPARE(noteLabel != nullptr, !note.isEmpty());
        if (noteLabel)
            QCOMPARE(noteLabel->text(), QStringLiteral("My note: ") + note);
        card->findChild<TLButton *>(QStringLiteral("removeEntry"))->click();
        QVERIFY(!store.contains(uid));
        QVERIFY(view.entries()->ids().isEmpty());
        QVERIFY(!view.emptyCard()->isHidden());
    }

    // A data folder that reads and does not write: each press changes
    // nothing, says so beside its button and to a screen reader, beeps, and
    // the controls show what is stored; a note typed stays for another try.
    void writeRefused_data()
    {
        QTest::addColumn<bool>("onMyList"); // else on the Food topic
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("sentence");
        const QString notStored = QStringLiteral("Could not save this change. Nothing was changed.");
        QTest::newRow("Save") << false << "saveButton" << "saveError" << notStored;
        QTest::newRow("Saved") << true << "saveButton" << "saveError" << notStored;
        QTest::newRow("Remove") << true << "removeEntry" << "removeFailed" << notStored;
        QTest::newRow("Save note") << true << "saveNote" << "noteFailed"
                                   << "The note could not be saved. Your text is still here; try again.";
    }

    void writeRefused()
    {
        QFETCH(bool, onMyList);
        QFETCH(QString, button);
        QFETCH(QString, line);
        QFETCH(QString, sentence);
        int beeps = 0;
        const PdfPrint::Beep oldBeep = PdfPrint::replaceBeep([&] { ++beeps; });
        const auto restoreBeep = qScopeGuard([&] { PdfPrint::replaceBeep(oldBeep); });
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("my-list.sqlite"));
        const Listing saved = listingNamed(QStringLiteral("CO food bank one"));
        {
            FavoritesStore store(file);
            store.add(saved.uid, saved.name);
            store.setNote(saved.uid, QStringLiteral("stored note"));
            store.add(QStringLiteral("s:ZZ:gone"), QStringLiteral("Gone pantry"));
        }
        QVERIFY(readonlyfolder::lock(dir.path()));
        const auto unlock = qScopeGuard([&] { readonlyfolder::unlock(dir.path()); });
        const QHash<QString, QByteArray> before = readonlyfolder::contents(dir.path());
        AppModel model(m_dir.path() + QStringLiteral("/data"), file);
        QVERIFY(model.favorites());
        const QList<Favorite> items = model.favorites()->items();
        model.setStateCode(QStringLiteral("CO"));

        std::unique_ptr<QWidget> view;
        if (onMyList) {
            auto *list = new MyListView(model);
            view.reset(list);
            list->entries()->buildAll();
        } else {
            auto *topic = new CategoryView(model, AppCategory::food);
            view.reset(topic);
            topic->listings()->buildAll();
        }
        view->resize(800, 1400);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        // My List has one card with Save and a note; on the topic, a card not saved.
        QWidget *scope = view.get();
        for (ListingCard *card : view->findChildren<ListingCard *>()) {
            if (!onMyList && !card->saveButton()->saved()) {
                scope = card;
                break;
            }
        }
        auto *press = scope->findChild<QAbstractButton *>(button);
        auto *said = scope->findChild<QLabel *>(line);
        QVERIFY(press && said);
        const QString label = press->text();
        QTextEdit *note = button == QLatin1String("saveNote") ? view->findChild<QTextEdit *>(QStringLiteral("noteText"))
                                                               : nullptr;
        if (note) {
            note->setFocus();
            QTest::keyClick(note, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(note, QStringLiteral(" typed"));
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^A change to My List was not saved: ")));
        QTest::mouseClick(press, Qt::LeftButton);
        QCOMPARE(beeps, 1);
        QCOMPARE(said->text(), sentence);
        QTRY_COMPARE(TLAnnouncer::lastSaid(view.get()), sentence);
        refusalcheck::besideItsControl(view.get(), press, said);
        QCOMPARE(press->text(), label);
        QCOMPARE(model.favorites()->items(), items);
        if (note)
            QCOMPARE(note->toPlainText(), QStringLiteral("stored note typed"));
        if (onMyList)
            QCOMPARE(static_cast<MyListView *>(view.get())->entries()->ids().size(), 2);
        QCOMPARE(readonlyfolder::contents(dir.path()), before);
    }

    void videoSections_data()
    {
        QTest::addColumn<QList<Video>>("videos");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("money before emergency in the data")
            << QList<Video>{video(QStringLiteral("a"), QStringLiteral("money")),
                            video(QStringLiteral("b"), QStringLiteral("emergency")),
                            video(QStringLiteral("c"), QStringLiteral("money"))}
            << QStringList{QStringLiteral("Emergencies (1)"), QStringLiteral("Money (2)")};
        QTest::newRow("unknown and capitalised words are left out")
            << QList<Video>{video(QStringLiteral("a"), QStringLiteral("Emergency")),
                            video(QStringLiteral("b"), QStringLiteral("cooking")),
                            video(QStringLiteral("c"), QStringLiteral("scams"))}
            << QStringList{QStringLiteral("Scams (1)")};
        QTest::newRow("the shipped five")
            << QList<Video>{video(QStringLiteral("a"), QStringLiteral("first_aid")),
                            video(QStringLiteral("b"), QStringLiteral("first_aid")),
                            video(QStringLiteral("c"), QStringLiteral("everyday")),
                            video(QStringLiteral("d"), QStringLiteral("rights")),
                            video(QStringLiteral("e"), QStringLiteral("rights"))}
            << QStringList{QStringLiteral("First aid (2)"), QStringLiteral("Everyday (1)"),
                           QStringLiteral("Your rights (2)")};
        QTest::newRow("none") << QList<Video>{} << QStringList{};
    }

    void videoSections()
    {
        QFETCH(QList<Video>, videos);
        QFETCH(QStringList, titles);
        QStringList shown;
        for (const VideosView::Section &s : VideosView::sections(videos))
            shown << VideosView::sectionTitle(s);
        QCOMPARE(shown, titles);
        // Data order within a section.
        for (const VideosView::Section &s : VideosView::sections(videos))
            for (qsizetype i = 1; i < s.videos.size(); ++i)
                QVERIFY(videos.indexOf(s.videos.at(i - 1)) < videos.indexOf(s.videos.at(i)));
    }

    void videosFollowTheNetwork()
    {
        NetStatus &net = NetStatus::shared();
        net.report(QNetworkInformation::Reachability::Online);
        VideosView view(*m_model);
        QVERIFY(!view.offlineShown());
        QVERIFY(view.findChild<TLSectionTitle *>(QStringLiteral("videoSection-first_aid")));
        net.report(QNetworkInformation::Reachability::Disconnected);
        QVERIFY(view.offlineShown());
        net.report(QNetworkInformation::Reachability::Online);
        QVERIFY(!view.offlineShown());
    }

    // Long pages: the first screenful is made before the window shows, the
    // rest in slices afterwards, until every row is there.
    void rowsFillAheadWhenShown()
    {
        auto *rows = new RowColumn(16);
        rows->setFillAhead(true);
        QList<RowColumn::Row> list;
        for (int i = 0; i < 400; ++i)
            list.append({QString::number(i % 390), [i] { return new QLabel(QString::number(i)); }});
        rows->setRows(list);
        // Repeated identities are told apart.
        QCOMPARE(rows->ids().at(390), QStringLiteral("0#2"));
        Page page({rows});
        page.resize(600, 400);
        QVERIFY(rows->built() < 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_COMPARE(rows->built(), 400);
        QVERIFY(!rows->filling());
    }

    // Labels remember their heights; a new text, font or wrap is measured anew.
    void labelHeightFollowsItsText()
    {
        QLabel *label = tlLabel(QStringLiteral("short"), 13);
        const int one = label->heightForWidth(120);
        QCOMPARE(label->heightForWidth(120), one);
        label->setText(QStringLiteral("a much longer text that wraps over several lines at this width"));
        const int many = label->heightForWidth(120);
        QVERIFY(many > one);
        QVERIFY(label->heightForWidth(2000) < many);
        label->setFont(tlFont(26));
        QVERIFY(label->heightForWidth(120) > many);
        label->setWordWrap(false);
        QVERIFY(label->heightForWidth(120) < many);
        delete label;
    }

private:
    void MyListActions_add(const QString &name) { m_model->favorites()->add(listingNamed(name).uid, name); }
};

QTEST_MAIN(tst_ContentScreens)
#include "tst_ContentScreens.moc"
