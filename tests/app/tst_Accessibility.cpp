// What a screen reader is told: the window's accessible tree walked as an
// assistive tool walks it, on the screens a person uses most, with the
// shipped data.

#include "LongestHelpTopic.h"

#include "app/TLHelp.h"
#include "app/TLHelpWindow.h"
#include "app/TLSetup.h"
#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLPrefs.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBLinks.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"
#include "screens/ListingCard.h"
#include "screens/PlainButton.h"
#include "screens/SaveButton.h"
#include "screens/SegmentedPicker.h"
#include "screens/VideoRow.h"
#include "services/AppModel.h"
#include "services/MyListActions.h"
#include "services/Opener.h"
#include "widgets/TLAnnouncer.h"
#include "screens/SaveAnswers.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QStyleHints>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <functional>
#include <memory>

class tst_Accessibility;
using Act = std::function<void(tst_Accessibility &)>;
Q_DECLARE_METATYPE(Act)

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

// What the widgets send a screen reader, as they send it: each sentence the
// announcer shows, how long after the person's last press it came, whether
// a widget was shown or hidden after it, and where the focus was as it began
// to speak and whether it moved since.
class Heard final : public QObject
{
public:
    QStringList sentences;
    // Timed from the press (or, with none, from the start), as the announcer
    // times its wait from being asked, within that press. Not from the last
    // widget shown or hidden: the rest of the change still comes after the
    // asking, and a crowded processor brings it tens of ms later.
    qint64 afterPress = -1;
    int changesSince = 0;
    QPointer<QWidget> focusAsSpoken;
    bool focusMovedSince = false;

    Heard()
    {
        m_clock.start();
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const bool notice = object->objectName() == QLatin1String("tlAnnouncement");
        const QEvent::Type type = event->type();
        if (notice && type == QEvent::Hide) {
            focusAsSpoken = QApplication::focusWidget();
            focusMovedSince = false;
        } else if (notice && type == QEvent::Show) {
            sentences << static_cast<QWidget *>(object)->accessibleName();
            afterPress = m_clock.elapsed() - m_pressed;
            changesSince = 0;
        } else if ((type == QEvent::Show || type == QEvent::Hide) && object->isWidgetType()
                   && object->objectName() != QLatin1String("tlStatusLine")) {
            ++changesSince;
        } else if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress) {
            m_pressed = m_clock.elapsed();
        } else if (type == QEvent::FocusIn) {
            focusMovedSince = true;
        }
        return false;
    }

private:
    QElapsedTimer m_clock;
    qint64 m_pressed = 0;
};

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QMainWindow> m_window;
    QStringList m_opened;
    QTemporaryDir m_dir;
    QPointer<SaveButton> m_saved;

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

    // A click meant as a press of its own: a person's next click comes after
    // the double-click interval, else it goes on the run of the one before.
    void clickApart(QWidget *button)
    {
        if (m_lastClick.isValid())
            QTest::qWait(std::max<qint64>(0, QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50
                                                 - m_lastClick.elapsed()));
        QTest::mouseClick(button, Qt::LeftButton);
        m_lastClick.start();
    }
    QElapsedTimer m_lastClick;

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
        QStringList echoes;
        // Letters and digits only: "Call 911, Emergency" is "Call 911 — Emergency".
        const auto words = [](QString s) { return s.removeIf([](QChar c) { return !c.isLetterOrNumber(); }); };
        QStringList loose;
        for (const Node &n : nodes) {
            // Entering a card, Orca says its name and then every label in it
            // of three words or more that labels nothing: there are none.
            if (n.card && n.iface->object() != n.card && n.iface->role() == QAccessible::StaticText
                && n.iface->relations(QAccessible::Label).isEmpty()) {
                const QString text = n.iface->text(QAccessible::Name);
                if (text.split(u' ', Qt::SkipEmptyParts).size() >= 3
                    && !accessible(n.card)->text(QAccessible::Name).contains(text))
                    loose << describe(n.iface);
            }
            if (!n.iface->state().focusable)
                continue;
            const QString name = n.iface->text(QAccessible::Name).trimmed();
            if (name.isEmpty())
                unnamed << describe(n.iface);
            // A description says more than the name, or nothing.
            if (!name.isEmpty() && words(n.iface->text(QAccessible::Description)) == words(name))
                echoes << describe(n.iface);
            if (!n.card)
                continue;
            // Entering a card with a control, its name is what is heard of it.
            if (accessible(n.card)->text(QAccessible::Name).isEmpty())
                unnamed << QStringLiteral("the card around ") + describe(n.iface);
            const QString said = name + u'|' + n.iface->text(QAccessible::Description);
            if (perCard[n.card].contains(said))
                twins << describe(n.iface);
            perCard[n.card] << said;
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
        QVERIFY2(twins.isEmpty(), qPrintable(twins.join(u'\n')));
        QVERIFY2(echoes.isEmpty(), qPrintable(echoes.join(u'\n')));
        QVERIFY2(loose.isEmpty(), qPrintable(loose.join(u'\n')));

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
            // What opening does, in words, never the bare address.
            const QString description = n.iface->text(QAccessible::Description);
            for (const char *raw : {"tel:", "sms:", "mailto:", "http:", "https:"})
                QVERIFY2(!description.contains(QLatin1String(raw)), qPrintable(describe(n.iface) + u' ' + description));
            // A pop-up is named by its caption, related to it, and reads its choice as its value and text.
            if (n.iface->role() == QAccessible::ComboBox) {
                const auto labels = n.iface->relations(QAccessible::Label);
                QVERIFY2(labels.size() == 1, qPrintable(describe(n.iface)));
                QCOMPARE(labels.first().first->text(QAccessible::Name), n.iface->text(QAccessible::Name));
                const auto *popUp = qobject_cast<QComboBox *>(n.iface->object());
                QCOMPARE(n.iface->text(QAccessible::Value), popUp->currentText());
                QVERIFY(n.iface->textInterface());
                QCOMPARE(n.iface->textInterface()->text(0, int(popUp->currentText().size())), popUp->currentText());
            }
            // A caption and its value are one text.
            if (n.iface->object() && n.iface->object()->inherits("InfoRow")) {
                QCOMPARE(n.iface->childCount(), 0);
                QVERIFY2(n.iface->text(QAccessible::Name).contains(QLatin1String(": ")), qPrintable(describe(n.iface)));
            }
        }
    }

        void checkWhereAmI(const QList<Node> &nodes, const QStringList &where)
    {
        QAccessibleInterface *focus = accessible(QApplication::focusWidget());
        QVERIFY(focus);
        QCOMPARE(focus->text(QAccessible::Name), where.at(0));
        QStringList headings;
        QStringList current;
        for (const Node &n : nodes) {
            if (n.iface->role() == QAccessible::Heading)
                headings << n.iface->text(QAccessible::Name);
            if (n.iface->state().selectable && n.iface->state().selected && n.iface->role() == QAccessible::PushButton)
                current << n.iface->text(QAccessible::Name);
        }
        QVERIFY2(headings.contains(where.at(1)), qPrintable(headings.join(u" | ")));
        QCOMPARE(current, where.mid(2));
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
            // Its details stay there to be read on request.
            const bool details = std::any_of(nodes.cbegin(), nodes.cend(), [card](const Node &d) {
                return d.card == card && d.iface->role() == QAccessible::Paragraph
                       && d.iface->text(QAccessible::Name) == card->listing().summary;
            });
            QVERIFY2(details || card->listing().summary.isEmpty(), qPrintable(name));
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
        // The page's name, its title among the headings, the current places.
        QTest::addColumn<QStringList>("where");
        // Every screen shows the sidebar's credit link.
        QTest::newRow("home") << int(Screen::home) << -1 << QString() << 0 << 0 << 1 << 0
                              << QStringList{"Right now, Colorado", "You are not alone.", "Right now"};
        QTest::newRow("health, Colorado") << int(Screen::category) << int(AppCategory::health) << QString() << 2 << 0
                                          << 3 << 0 << QStringList{"Health, Colorado", "Health", "Health"};
        QTest::newRow("search shower") << int(Screen::search) << -1 << QStringLiteral("shower") << 2 << 0 << 3 << 0
                                       << QStringList{};
        QTest::newRow("my list") << int(Screen::myList) << -1 << QString() << 3 << 0 << 4 << 0
                                 << QStringList{"My List", "My List", "My List"};
        QTest::newRow("money plan") << int(Screen::money) << -1 << QString() << 0 << 3 << 1 << 0
                                    << QStringList{"Money Plan", "Money Plan", "Money Plan"};
        QTest::newRow("videos") << int(Screen::videos) << -1 << QString() << 0 << 0 << 1 << 2
                                << QStringList{"Videos", "Videos", "Videos"};
        const QString firstChapter = QStringLiteral("You Are Not Alone: Your First Three Calls");
        QTest::newRow("guide") << int(Screen::guide) << -1 << QString() << 0 << 0 << 2 << 0
                               << QStringList{"Survival Guide, Chapter 1: " + firstChapter, firstChapter,
                                              "Survival Guide",
                                              QStringLiteral("Chapter 1: ") + firstChapter};
        QTest::newRow("display") << int(Screen::display) << -1 << QString() << 0 << 1 << 1 << 0
                                 << QStringList{"Text size & display", "Text size & display", "Text size & display"};
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
        QFETCH(QStringList, where);
        model().setScreen(topic >= 0 ? Screen::forCategory(AppCategory::Case(topic)) : Screen(Screen::Case(screen)));
        settle();
        if (!where.isEmpty())
            checkWhereAmI(tree(), where);
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

    // What just happened is said without moving the focus: a notification,
    // shown in the window's status line, that a screen reader speaks once
    // what the action changed has settled (Orca drops one that comes amid
    // the events of a rebuild). A Save relabels only the buttons of its own
    // listing. Each row sets up what it needs itself.
    void whatJustHappened_data()
    {
        QTest::addColumn<Act>("setUp");
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("said");
        const auto go = [](Screen screen) {
            return Act([=](tst_Accessibility &t) {
                t.model().setScreen(screen);
                t.settle();
            });
        };
        const auto press = [](const char *name, int which = 0) {
            return Act([=](tst_Accessibility &t) {
                QList<QAbstractButton *> shown;
                for (QAbstractButton *b : t.m_window->findChildren<QAbstractButton *>(QLatin1String(name)))
                    if (b->isVisible())
                        shown << b;
                QVERIFY2(shown.size() > which, name);
                t.clickApart(shown.at(which));
            });
        };
        // Types into the field of that name (in `within`), in place of what it holds.
        const auto type = [](const char *name, const char *text, const char *within = nullptr) {
            return Act([=](tst_Accessibility &t) {
                QWidget *scope =
                    within ? t.m_window->findChild<QWidget *>(QLatin1String(within)) : t.m_window.get();
                auto *field = scope ? scope->findChild<QWidget *>(QLatin1String(name)) : nullptr;
                QVERIFY2(field && field->isVisible(), name);
                QWidget *edit = field->focusProxy() ? field->focusProxy() : field;
                QTest::mouseClick(edit, Qt::LeftButton);
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(edit, QLatin1String(text));
            });
        };
        const auto typeHere = [](const char *text) {
            return Act([=](tst_Accessibility &) {
                QTest::keyClicks(QApplication::focusWidget(), QLatin1String(text));
            });
        };
        const auto then = [](std::initializer_list<Act> steps) {
            return Act([list = QList<Act>(steps)](tst_Accessibility &t) {
                for (const Act &step : list) {
                    step(t);
                    if (QTest::currentTestFailed())
                        return;
                }
            });
        };
        const Act saveOne = [](tst_Accessibility &t) {
            t.model().setScreen(Screen::forCategory(AppCategory::health));
            t.settle();
            t.m_saved = nullptr;
            for (SaveButton *b : t.m_window->findChildren<SaveButton *>())
                if (b->isVisible() && !b->saved() && !t.m_saved)
                    t.m_saved = b;
            QVERIFY(t.m_saved);
            t.clickApart(t.m_saved);
        };
        // The Money Plan with no money going out.
        const Act noExpenses = [=](tst_Accessibility &t) {
            MoneyStore &store = *t.model().money();
            for (const MoneyEntry &e : store.plan().entriesOf(MoneyKind::expense))
                QVERIFY(MoneyActions::remove(e.id, store));
            go(Screen::money)(t);
        };
        const Act addExpense = then({type("amountField", "60", "expenseForm"), press("addButton", 1)});

        QTest::newRow("Save") << go(Screen::forCategory(AppCategory::health)) << saveOne << "Saved to My List";
        QTest::newRow("Save again") << saveOne << Act([](tst_Accessibility &t) {
            QVERIFY(t.m_saved);
            t.clickApart(t.m_saved);
        }) << "Removed from My List";
        QTest::newRow("note saved") << go(Screen::myList) << press("saveNote") << "Saved on this computer.";
        QTest::newRow("Money Plan line added") << noExpenses << addExpense << "Added to Money going out";
        // The last line's card, the summary and the tips are built again.
        QTest::newRow("Money Plan's last line removed")
            << then({noExpenses, addExpense}) << press("removeButton") << "Removed from Money going out";
        QTest::newRow("money on hand updated") << then({go(Screen::money), type("cashField", "200")})
                                               << press("cashUpdate") << "Money on hand: $200.00.";
        QTest::newRow("goal saved") << then({go(Screen::money), type("goalField", "500")}) << press("goalSave")
                                    << "Goal saved.";
        QTest::newRow("name saved") << then({go(Screen::money), type("nameField", "Sam")}) << press("nameSave")
                                    << "Name saved.";
        QTest::newRow("file saved") << go(Screen::money) << Act([=](tst_Accessibility &t) {
            SaveAnswers answers;
            answers.answer = t.m_dir.filePath(QStringLiteral("plan.csv"));
            press("moneySaveCSV")(t);
        }) << "Saved: plan.csv";
        QTest::newRow("search count, once typing pauses")
            << then({go(Screen::home), go(Screen::search)})
            << typeHere("zzqq")
            << "Nothing found. Try a shorter or simpler word, like \"food\" or \"shower\".";
        // The focus goes to the field, where it often was already.
        QTest::newRow("Clear search")
            << then({go(Screen::search), typeHere("shower")})
            << press("clearSearch") << "Search cleared. Type a word to search.";
        QTest::newRow("state chosen on Home") << Act([](tst_Accessibility &t) {
            t.model().setStateCode(QString());
            t.model().setScreen(Screen::home);
            t.settle();
        }) << Act([](tst_Accessibility &t) {
            auto *prompt = t.m_window->findChild<QWidget *>(QStringLiteral("statePrompt"));
            QComboBox *popUp = prompt->findChild<QComboBox *>();
            popUp->setFocus(Qt::TabFocusReason);
            QTest::keyClick(popUp, Qt::Key_Down);
            QCOMPARE(t.model().stateCode(), QStringLiteral("AL"));
            t.model().setStateCode(QStringLiteral("CO"));
        }) << "Alabama chosen";
    }

    void whatJustHappened()
    {
        QFETCH(Act, setUp);
        QFETCH(Act, act);
        QFETCH(QString, said);
        setUp(*this);
        QVERIFY(!QTest::currentTestFailed());
        // Every button that is told anew of its label.
        int relabelled = 0;
        struct Count final : QObject
        {
            int *count;
            explicit Count(int *c) : count(c) {}
            bool eventFilter(QObject *, QEvent *e) override
            {
                *count += e->type() == QEvent::ToolTipChange;
                return false;
            }
        } counter(&relabelled);
        const QList<SaveButton *> saves = m_window->findChildren<SaveButton *>();
        for (SaveButton *b : saves)
            b->installEventFilter(&counter);
        Heard heard;
        act(*this);
        QVERIFY(!QTest::currentTestFailed());
        QTRY_COMPARE_WITH_TIMEOUT(heard.sentences.value(heard.sentences.size() - 1), said, 8000);
        QCOMPARE(TLAnnouncer::lastSaid(m_window.get()), said);
        // Said once the window was still, and nothing changed after it: what
        // the press changes comes within the announcer's wait, then nothing.
        QTest::qWait(300);
        QVERIFY2(heard.afterPress >= 200, qPrintable(QString::number(heard.afterPress)));
        QCOMPARE(heard.changesSince, 0);
        // Said where the focus was, without moving it.
        QVERIFY(!heard.focusMovedSince);
        QCOMPARE(QApplication::focusWidget(), heard.focusAsSpoken.data());
        // A status line holds the notification, in the window, nothing a sighted person sees.
        auto *line = m_window->findChild<QWidget *>(QStringLiteral("tlStatusLine"));
        QVERIFY(line && line->isVisible() && line->width() <= 1);
        QAccessibleInterface *status = accessible(line);
        QCOMPARE(status->role(), QAccessible::StatusBar);
        QCOMPARE(status->childCount(), 1);
        QCOMPARE(status->child(0)->role(), QAccessible::Notification);
        QCOMPARE(status->child(0)->text(QAccessible::Name), said);
        if (QTest::currentDataTag() == QByteArray("Save"))
            QVERIFY2(relabelled <= 2, qPrintable(QString::number(relabelled) + u'/' + QString::number(saves.size())));
    }

    // The count is said each time typing pauses, also when it is the count
    // said before; a pause with the field emptied says none.
    void countSaidAtEveryPause()
    {
        model().setScreen(Screen::search);
        settle();
        auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(field && field->objectName() == QLatin1String("searchField"));
        field->clear();
        Heard heard;
        for (int round = 1; round <= 2; ++round) {
            QTest::keyClicks(field, QStringLiteral("shower"));
            const QString count = m_window->findChild<QLabel *>(QStringLiteral("searchCount"))->text();
            QVERIFY2(count.endsWith(QLatin1String(" results")), qPrintable(count));
            QTRY_COMPARE_WITH_TIMEOUT(heard.sentences.count(count), round, 8000);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::qWait(1800);
            QCOMPARE(heard.sentences.count(count), round);
        }
    }

    // An empty My List is heard with its sentence as its page takes the
    // focus; a list with entries says no such thing.
    void emptyMyListIsHeard()
    {
        FavoritesStore &store = *model().favorites();
        const QList<Favorite> kept = store.items();
        const auto putBack = [&] {
            for (const Favorite &f : kept)
                store.add(f.uid, f.name);
        };
        auto guard = qScopeGuard(putBack);
        for (const Favorite &f : kept)
            QVERIFY(MyListActions::remove(f.uid, store));
        model().setScreen(Screen::home);
        settle();
        model().setScreen(Screen::myList);
        settle();
        QAccessibleInterface *page = accessible(QApplication::focusWidget());
        QCOMPARE(page->text(QAccessible::Name), QStringLiteral("My List"));
        auto *empty = m_window->findChild<QWidget *>(QStringLiteral("myListEmpty"));
        QVERIFY(empty && empty->isVisible());
        QCOMPARE(page->text(QAccessible::Description), empty->findChild<QLabel *>()->text());

        guard.dismiss();
        putBack();
        settle();
        QVERIFY(!empty->isVisible());
        QCOMPARE(page->text(QAccessible::Description), QString());
    }

    // The help window is a window with its topic marked as the current one;
    // in the guide, Tab from the page goes through the chapters first.
    void helpAndGuideSayWhereYouAre()
    {
        TLHelpWindow::show(QStringLiteral("sheet"));
        QWidget *help = TLHelpWindow::window();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QAccessibleInterface *window = accessible(help);
        QCOMPARE(window->role(), QAccessible::Window);
        QList<Node> nodes;
        collect(window, nullptr, nodes);
        QStringList current;
        for (const Node &n : nodes)
            if (n.iface->state().selected)
                current << n.iface->text(QAccessible::Name);
        const auto topic = std::find_if(TLHelp::topics().cbegin(), TLHelp::topics().cend(),
                                        [](const MRBYHelpTopic &t) { return t.id == u"sheet"; });
        QCOMPARE(current, QStringList{topic->title});
        help->close();

        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        model().setScreen(Screen::guide);
        settle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("guideChapter-1"));
        QVERIFY(accessible(QApplication::focusWidget())->state().selected);
    }

    // The Money Plan's text fields are heard by their captions, and the two
    // forms' controls by the card they are on.
    void moneyFieldsAreNamedByTheirLabels()
    {
        model().setScreen(Screen::money);
        settle();
        QStringList names;
        // The two forms' controls say their card, inside the card named so.
        QStringList onCards;
        for (const Node &n : tree()) {
            if (qobject_cast<QLineEdit *>(n.iface->object()))
                names << n.iface->text(QAccessible::Name);
            const QString card = n.card ? accessible(n.card)->text(QAccessible::Name) : QString();
            if (card.startsWith(u"Money ") && n.iface->state().focusable
                && n.iface->text(QAccessible::Description) == card)
                onCards << card + u'|' + n.iface->text(QAccessible::Name);
        }
        names.sort();
        QCOMPARE(names, (QStringList{"Amount", "Amount", "Goal amount", "Money on hand now",
                                     "Name on the plan (optional)", "Saved so far", "Saving for",
                                     "What is it? (optional)", "What is it? (optional)"}));
        for (const char *card : {"Money coming in", "Money going out"})
            for (const char *control : {"Kind", "What is it? (optional)", "Amount", "How often", "Add"})
                QVERIFY2(onCards.contains(QLatin1String(card) + u'|' + QLatin1String(control)),
                         qPrintable(onCards.join(u", ")));
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

    // A guide chapter and a help topic read from the keyboard: the focused
    // page offers its paragraphs as its text, and each Page Down moves the
    // caret to the paragraph now at the top of the view (a screen reader is
    // told, and says it); reading all from a paragraph brings it into view.
    void pagesReadByKeyboard_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("paragraph");
        QTest::newRow("guide chapter 7") << false << "call Poison Help at 1-800-222-1222";
        QTest::newRow("help topic") << true << "";
    }

    void pagesReadByKeyboard()
    {
        QFETCH(bool, help);
        QFETCH(QString, paragraph);
        QWidget *window = m_window.get();
        if (help) {
            window = longesthelptopic::show();
            QVERIFY(window);
        } else {
            model().setGuideChapter(7);
            model().setScreen(Screen::guide);
            settle();
        }
        auto *page = qobject_cast<QScrollArea *>(QApplication::focusWidget());
        QVERIFY(page && window->isAncestorOf(page));
        QAccessibleTextInterface *text = accessible(page)->textInterface();
        QVERIFY(text);
        const QString all = text->text(0, text->characterCount());
        QVERIFY2(all.contains(paragraph), qPrintable(all.left(200)));
        QCOMPARE(text->cursorPosition(), 0);

        QTRY_VERIFY(page->verticalScrollBar()->maximum() > 0);
        QTest::keyClick(page, Qt::Key_PageDown);
        const int caret = text->cursorPosition();
        QVERIFY(caret > 0);
        // The paragraph at the caret is the one at the top of the view.
        int start = 0;
        int end = 0;
        const QString line = text->textAtOffset(caret, QAccessible::LineBoundary, &start, &end);
        QVERIFY(!line.isEmpty() && start == caret);
        const QPoint top = page->viewport()->mapToGlobal(QPoint(0, 0));
        const QRect at = text->characterRect(start);
        QVERIFY2(at.bottom() > top.y() && at.top() <= top.y() + page->viewport()->height() / 2,
                 qPrintable(line));
        // Each Page Down, Down or Space moves on to the paragraph that came
        // up, and at the foot of the page to the next one, down to the last.
        text->textAtOffset(text->characterCount() - 1, QAccessible::LineBoundary, &start, &end);
        const int lastStart = start;
        for (int i = 0; text->cursorPosition() < lastStart && i < 100; ++i) {
            const int before = text->cursorPosition();
            QTest::keyClick(page, std::array{Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Space}[i % 3]);
            QTRY_VERIFY2(text->cursorPosition() > before, qPrintable(QString::number(before)));
        }
        QCOMPARE(text->cursorPosition(), lastStart);

        // Reading on from the last paragraph brings it into view.
        const int last = text->characterCount() - 1;
        text->setCursorPosition(last);
        QCOMPARE(text->cursorPosition(), last);
        QCOMPARE(page->verticalScrollBar()->value(), page->verticalScrollBar()->maximum());
        if (help)
            window->close();
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
