// What a screen reader is told: the window's accessible tree walked as an
// assistive tool walks it, on the screens a person uses most, with the
// shipped data.

#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLPrefs.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"
#include "screens/ListingCard.h"
#include "screens/PlainButton.h"
#include "screens/SaveButton.h"
#include "screens/SegmentedPicker.h"
#include "screens/VideoRow.h"
#include "services/AppModel.h"
#include "services/MyListActions.h"
#include "services/Opener.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QtTest>

#include <memory>

namespace {

// One node of the tree as a tool sees it.
struct Node
{
    QAccessibleInterface *iface;
    QObject *card; // the nearest enclosing TLCard, or null
};

bool shown(QAccessibleInterface *iface)
{
    return iface && iface->isValid() && !iface->state().invisible;
}

// Every shown node under `root`, parents before their children.
void collect(QAccessibleInterface *root, QObject *card, QList<Node> &out)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!shown(child))
            continue;
        QObject *inCard = child->object() && child->object()->inherits("TLCard") ? child->object() : card;
        out << Node{child, inCard};
        collect(child, inCard, out);
    }
}

QString describe(QAccessibleInterface *iface)
{
    QObject *o = iface->object();
    return QStringLiteral("%1 \"%2\" (%3 %4)")
        .arg(int(iface->role()))
        .arg(iface->text(QAccessible::Name),
             o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("child of ")
                     + QString::fromLatin1(iface->parent()->object()->metaObject()->className()),
             o ? o->objectName() : QString());
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QMainWindow> m_window;
    QStringList m_opened;

    AppModel &model() { return AppModel::shared(); }

    QList<Node> tree()
    {
        QList<Node> nodes;
        QAccessibleInterface *root = accessible(m_window.get());
        if (root)
            collect(root, nullptr, nodes);
        return nodes;
    }

    void settle()
    {
        QCoreApplication::processEvents();
        QTest::qWait(120);
    }

    // Presses Tab on the focused widget until `target` has the focus; false
    // when 400 presses do not reach it.
    bool tabTo(QWidget *target)
    {
        for (int i = 0; i < 400 && QApplication::focusWidget() != target; ++i) {
            QWidget *at = QApplication::focusWidget() ? QApplication::focusWidget() : m_window.get();
            QTest::keyClick(at, Qt::Key_Tab);
        }
        return QApplication::focusWidget() == target;
    }

    // The checks that hold on every screen: every focusable control says
    // what it is, the controls of one card are told apart, pickers list
    // their options and which one is chosen, links are links.
    void checkTree(const QList<Node> &nodes)
    {
        QStringList unnamed;
        QHash<QObject *, QStringList> perCard;
        QStringList twins;
        for (const Node &n : nodes) {
            if (!n.iface->state().focusable)
                continue;
            const QString name = n.iface->text(QAccessible::Name).trimmed();
            if (name.isEmpty())
                unnamed << describe(n.iface);
            if (!n.card)
                continue;
            const QString said = name + u'|' + n.iface->text(QAccessible::Description);
            if (perCard[n.card].contains(said))
                twins << describe(n.iface);
            perCard[n.card] << said;
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        QVERIFY2(twins.isEmpty(), qPrintable(twins.join(u'\n')));

        for (const Node &n : nodes) {
            if (auto *picker = qobject_cast<SegmentedPicker *>(n.iface->object())) {
                QVERIFY2(!n.iface->text(QAccessible::Name).isEmpty(), "a picker has a name");
                QCOMPARE(n.iface->childCount(), picker->titles().size());
                for (int i = 0; i < n.iface->childCount(); ++i) {
                    QAccessibleInterface *option = n.iface->child(i);
                    QCOMPARE(option->role(), QAccessible::RadioButton);
                    QCOMPARE(option->text(QAccessible::Name), picker->titles().at(i));
                    QCOMPARE(bool(option->state().checked), i == picker->current());
                    QCOMPARE(option->parent(), n.iface);
                    QCOMPARE(n.iface->indexOfChild(option), i);
                    // Where the option is painted, on the screen.
                    const QRect r = option->rect();
                    QVERIFY(r.isValid());
                    QCOMPARE(n.iface->childAt(r.center().x(), r.center().y()), option);
                }
            }
            if (qobject_cast<MBLink *>(n.iface->object())) {
                QCOMPARE(n.iface->role(), QAccessible::Link);
                QVERIFY(!n.iface->text(QAccessible::Name).isEmpty());
                QVERIFY(n.iface->actionInterface()
                        && n.iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            }
        }
    }

    // Each listing card's Save and "Report a problem", and each video's
    // play button, say whose they are; a card is heard with its trust badge.
    // Counts the cards and videos seen.
    void checkWhose(const QList<Node> &nodes, int &cards, int &videos)
    {
        const auto says = [](QWidget *w, const QString &text) {
            QAccessibleInterface *b = accessible(w);
            const QString said = b->text(QAccessible::Name) + b->text(QAccessible::Description);
            QVERIFY2(said.contains(text), qPrintable(said + QStringLiteral(" lacks ") + text));
        };
        for (const Node &n : nodes) {
            if (auto *row = qobject_cast<VideoRow *>(n.iface->object())) {
                ++videos;
                says(row->playButton(), row->video().title);
            }
            auto *card = qobject_cast<ListingCard *>(n.iface->object());
            if (!card)
                continue;
            ++cards;
            const QString name = card->listing().name;
            says(card, name);
            if (card->badge())
                says(card, card->badge()->text());
            says(card->saveButton(), name);
            says(card->reportButton(), name);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        MBZoom::setValue(1.0);
        TLSetup::configure();
        QVERIFY(model().data() && model().favorites() && model().money());
        Opener::replace([this](const QString &url) { m_opened << url; });
        model().setStateCode(QStringLiteral("CO"));

        // My List holds an unconfirmed, a news-or-private and a plain listing.
        const QList<Listing> &all = model().data()->listings();
        const auto first = [&all](auto pred) {
            return *std::find_if(all.cbegin(), all.cend(), pred);
        };
        QVERIFY(MyListActions::add(first([](const Listing &l) { return l.isUnconfirmed(); }),
                                   *model().favorites()));
        QVERIFY(MyListActions::add(first([](const Listing &l) { return !l.isUnconfirmed() && l.isSecondary(); }),
                                   *model().favorites()));
        QVERIFY(MyListActions::add(first([](const Listing &l) { return !l.isUnconfirmed() && !l.isSecondary(); }),
                                   *model().favorites()));

        m_window.reset(TLSetup::makeMainWindow(model()));
        m_window->resize(1280, 880);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        settle();
        QVERIFY(accessible(m_window.get()));
    }

    void cleanupTestCase() { m_window.reset(); }

    void screens_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("minCards");
        QTest::addColumn<int>("pickers");
        QTest::addColumn<int>("minLinks");
        QTest::addColumn<int>("minVideos");
        // Every screen shows the sidebar's credit link.
        QTest::newRow("home") << int(Screen::home) << -1 << QString() << 0 << 0 << 1 << 0;
        QTest::newRow("health, Colorado") << int(Screen::category) << int(AppCategory::health) << QString() << 2 << 0
                                          << 3 << 0;
        QTest::newRow("search shower") << int(Screen::search) << -1 << QStringLiteral("shower") << 2 << 0 << 3 << 0;
        QTest::newRow("my list") << int(Screen::myList) << -1 << QString() << 3 << 0 << 4 << 0;
        QTest::newRow("money plan") << int(Screen::money) << -1 << QString() << 0 << 3 << 1 << 0;
        QTest::newRow("videos") << int(Screen::videos) << -1 << QString() << 0 << 0 << 1 << 2;
        QTest::newRow("guide") << int(Screen::guide) << -1 << QString() << 0 << 0 << 2 << 0;
        QTest::newRow("display") << int(Screen::display) << -1 << QString() << 0 << 1 << 1 << 0;
    }

    void screens()
    {
        QFETCH(int, screen);
        QFETCH(int, topic);
        QFETCH(QString, typed);
        QFETCH(int, minCards);
        QFETCH(int, pickers);
        QFETCH(int, minLinks);
        QFETCH(int, minVideos);
        model().setScreen(topic >= 0 ? Screen::forCategory(AppCategory::Case(topic)) : Screen(Screen::Case(screen)));
        settle();
        if (!typed.isEmpty()) {
            QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->inherits("QLineEdit"));
            QTest::keyClicks(QApplication::focusWidget(), typed);
            settle();
        }
        const QList<Node> nodes = tree();
        QVERIFY(nodes.size() > 20);
        checkTree(nodes);
        // A title such as "Shelter & Parking" claims no access key.
        for (const QAbstractButton *b : m_window->findChildren<QAbstractButton *>())
            QVERIFY2(QKeySequence::mnemonic(b->text()).isEmpty(), qPrintable(b->text()));
        if (QTest::currentTestFailed())
            return;
        int cards = 0;
        int videos = 0;
        checkWhose(nodes, cards, videos);
        QVERIFY(cards >= minCards);
        QVERIFY(videos >= minVideos);
        const auto count = [&nodes](const char *type) {
            return std::count_if(nodes.cbegin(), nodes.cend(), [type](const Node &n) {
                return n.iface->object() && n.iface->object()->inherits(type);
            });
        };
        QCOMPARE(count("SegmentedPicker"), pickers);
        QVERIFY2(count("MBLink") >= minLinks, qPrintable(QString::number(count("MBLink"))));
    }

    // The Money Plan's text fields are heard by their captions.
    void moneyFieldsAreNamedByTheirLabels()
    {
        model().setScreen(Screen::money);
        settle();
        QStringList names;
        for (const Node &n : tree()) {
            if (qobject_cast<QLineEdit *>(n.iface->object()))
                names << n.iface->text(QAccessible::Name);
        }
        names.sort();
        QCOMPARE(names, (QStringList{"Amount", "Amount", "Goal amount", "Money on hand now",
                                     "Name on the plan (optional)", "Saved so far", "Saving for",
                                     "What is it? (optional)", "What is it? (optional)"}));
    }

    // A person who Tabs to a picker and presses the arrows moves the checked
    // option, and the tool's focus is on it; a tool's press chooses too.
    void pickerFollowsKeysAndPresses()
    {
        model().setScreen(Screen::money);
        settle();
        auto *picker = m_window->findChild<SegmentedPicker *>(QStringLiteral("periodPicker"));
        QVERIFY(picker && picker->isVisible());
        picker->setCurrent(0);
        QVERIFY(tabTo(picker));
        QAccessibleInterface *group = accessible(picker);
        QCOMPARE(group->role(), QAccessible::Grouping);
        QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Show amounts"));
        QCOMPARE(group->focusChild(), group->child(0));
        QVERIFY(group->child(0)->state().focused);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), picker);
        QVERIFY(!group->child(0)->state().checked);
        QVERIFY(group->child(1)->state().checked && group->child(1)->state().focused);
        QCOMPARE(group->focusChild(), group->child(1));
        QCOMPARE(Prefs::shared().string(TLPrefs::moneyPeriodKey), std::optional<QString>(QStringLiteral("month")));

        QAccessibleActionInterface *press = group->child(0)->actionInterface();
        QVERIFY(press);
        press->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(picker->current(), 0);
        QVERIFY(group->child(0)->state().checked);
        QCOMPARE(Prefs::shared().string(TLPrefs::moneyPeriodKey), std::optional<QString>(QStringLiteral("week")));
    }

    // A tool's press on a link opens its address, as a click does.
    void linkPressOpensIt()
    {
        QStringList opened;
        MBLinks::setOpener([&opened](const QString &url) { opened << url; });
        model().setScreen(Screen::myList);
        settle();
        auto *source = m_window->findChild<MBLink *>(QStringLiteral("listingSource"));
        QVERIFY(source && source->isVisible());
        accessible(source)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        MBLinks::setOpener({});
        QCOMPARE(opened, QStringList{source->urlText()});
        QVERIFY(m_opened.isEmpty());
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
