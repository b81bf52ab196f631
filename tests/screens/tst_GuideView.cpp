#include "data/GuideContent.h"
#include "look/app/TLLookSetup.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBLinks.h"
#include "look/kit/Prefs.h"
#include "screens/GuideView.h"
#include "screens/Page.h"
#include "services/AppModel.h"
#include "services/Opener.h"
#include "services/TLInfo.h"
#include "widgets/TLScroll.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QAbstractButton *button(QWidget *view, const char *name)
{
    return view->findChild<QAbstractButton *>(QString::fromLatin1(name));
}

QScrollBar *bar(TLScroll *scroll)
{
    return scroll->scrollArea()->verticalScrollBar();
}

} // namespace

class tst_GuideView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLLookSetup::install(TLInfo::appName);
    }

    void init()
    {
        // The guide needs neither the data nor My List.
        m_model = std::make_unique<AppModel>(m_dir.path() + QStringLiteral("/no-data"),
                                             m_dir.path() + QStringLiteral("/list.sqlite"));
        m_model->setScreen(Screen::guide);
    }

    void chapterAndButtons_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("next");
        QTest::newRow("start") << 1 << 1 << QString() << QStringLiteral("Chapter 2 \u2192");
        QTest::newRow("middle") << 7 << 7 << QStringLiteral("\u2190 Chapter 6") << QStringLiteral("Chapter 8 \u2192");
        QTest::newRow("last") << 13 << 13 << QStringLiteral("\u2190 Chapter 12") << QString();
        QTest::newRow("zero") << 0 << 1 << QString() << QStringLiteral("Chapter 2 \u2192");
        QTest::newRow("too high") << 99 << 1 << QString() << QStringLiteral("Chapter 2 \u2192");
    }

    void chapterAndButtons()
    {
        QFETCH(int, asked);
        QFETCH(int, shown);
        QFETCH(QString, previous);
        QFETCH(QString, next);
        m_model->setGuideChapter(asked);
        GuideView view(*m_model);
        view.resize(1000, 700);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QCOMPARE(view.shownChapter(), shown);
        QCOMPARE(view.findChild<QLabel *>(QStringLiteral("guideChapterNumber"))->text(),
                 QStringLiteral("Chapter ") + QString::number(shown));
        QCOMPARE(view.findChild<QLabel *>(QStringLiteral("guideChapterTitle"))->text(),
                 GuideView::chapterFor(shown).title);
        for (QAbstractButton *row : view.chapterButtons())
            QCOMPARE(row->property("shown").toBool(), row->objectName() == QStringLiteral("guideChapter-%1").arg(shown));

        QAbstractButton *prev = button(&view, "guidePrevious");
        QAbstractButton *nxt = button(&view, "guideNext");
        QCOMPARE(prev ? prev->text() : QString(), previous);
        QCOMPARE(nxt ? nxt->text() : QString(), next);
        // Previous at the left edge, next at the right edge, also when alone.
        QWidget *nav = (prev ? prev : nxt)->parentWidget();
        if (prev)
            QCOMPARE(prev->x(), 0);
        if (nxt)
            QCOMPARE(nxt->geometry().right(), nav->width() - 1);
    }

    void buttonsChangeOnlyTheChapter()
    {
        GuideView view(*m_model);
        view.show();
        button(&view, "guideNext")->click();
        QCOMPARE(m_model->guideChapter(), 2);
        button(&view, "guidePrevious")->click();
        QCOMPARE(m_model->guideChapter(), 1);
        view.chapterButtons().at(9)->click();
        QCOMPARE(m_model->guideChapter(), 10);
        QCOMPARE(view.shownChapter(), 10);
        QCOMPARE(m_model->screen(), Screen(Screen::guide));
    }

    void listKeepsItsPlacePageOpensAtTop()
    {
        Prefs::shared().setInteger(QStringLiteral("tl.textSize"), 2);
        GuideView view(*m_model);
        view.resize(1000, 420);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScrollBar *list = bar(view.chapterList());
        QVERIFY(list->maximum() > 0);
        list->setValue(list->maximum());
        Page *first = view.chapterPage();
        QScrollBar *page = bar(first->scroll());
        page->setValue(page->maximum());
        QVERIFY(page->value() > 0);

        view.chapterButtons().last()->click();
        QTest::qWait(20);
        QCOMPARE(list->value(), list->maximum());
        QVERIFY(view.chapterPage() != first);
        QCOMPARE(bar(view.chapterPage()->scroll())->value(), 0);
        QVERIFY(view.chapterButtons().last()->property("shown").toBool());
        QVERIFY(!view.chapterButtons().first()->property("shown").toBool());
        Prefs::shared().clear();
    }

    void sourcesAreWebLinksOnly()
    {
        GuideChapter chapter;
        chapter.number = 1;
        chapter.checked = QStringLiteral("Checked Oct 2026");
        chapter.sources = {
            {QStringLiteral("Secure"), QStringLiteral("https://example.org/a")},
            {QStringLiteral("Plain web"), QStringLiteral("http://example.org/b")},
            {QStringLiteral("Script"), QStringLiteral("javascript:alert(1)")},
            {QStringLiteral("File"), QStringLiteral("file:///etc/passwd")},
            {QStringLiteral("Garbage"), QStringLiteral("not an address")},
        };
        std::unique_ptr<QWidget> card(GuideView::sourcesCard(chapter));
        const QList<MBLink *> links = card->findChildren<MBLink *>(QStringLiteral("guideSource"));
        QCOMPARE(links.size(), 2);
        QCOMPARE(links.at(0)->text(), QStringLiteral("Secure"));
        QCOMPARE(links.at(0)->toolTip(), QStringLiteral("https://example.org/a"));
        QCOMPARE(links.at(1)->text(), QStringLiteral("Plain web"));
        QCOMPARE(card->findChild<QLabel *>(QStringLiteral("guideChecked"))->text(), chapter.checked);
        QCOMPARE(card->findChild<QLabel *>(QStringLiteral("guideDisclaimer"))->text(), GuideContent::disclaimer());

        // A source opens with the desktop's link handling, not the action opener.
        QStringList viaLinks;
        QStringList viaOpener;
        MBLinks::setOpener([&](const QString &url) { viaLinks << url; });
        const Opener::Function old = Opener::replace([&](const QString &url) { viaOpener << url; });
        links.at(0)->activate();
        MBLinks::setOpener({});
        Opener::replace(old);
        QCOMPARE(viaLinks, QStringList{QStringLiteral("https://example.org/a")});
        QVERIFY(viaOpener.isEmpty());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
};

QTEST_MAIN(tst_GuideView)
#include "tst_GuideView.moc"
