#include "services/AppFixture.h"

#include "data/Badges.h"
#include "data/ReferenceData.h"
#include "look/app/TLCard.h"
#include "look/app/TLLookSetup.h"
#include "look/app/TLPalette.h"
#include "look/app/TLThemes.h"
#include "look/kit/MRBYTheme.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/DataCheckedView.h"
#include "screens/PageHeader.h"
#include "services/Opener.h"
#include "services/ReportLink.h"
#include "services/TLInfo.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList texts(const QList<QLabel *> &labels)
{
    QStringList out;
    for (const QLabel *l : labels)
        out << l->text();
    return out;
}

} // namespace

class tst_DataCheckedView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLLookSetup::install(TLInfo::appName);
        m_model = appfixture::makeModel(m_dir.path());
        QVERIFY(m_model && m_model->data());
    }

    void fileCards()
    {
        DataCheckedView view(*m_model);
        const QList<TLCard *> cards = view.findChildren<TLCard *>(QRegularExpression(QStringLiteral("^dataFileCard-")));
        const QList<FileReport> &reports = m_model->data()->reports();
        QCOMPARE(cards.size(), reports.size());
        const QColor dim = TLPalette::current().dim;
        for (int i = 0; i < reports.size(); ++i) {
            const FileReport &r = reports.at(i);
            QCOMPARE(cards.at(i)->objectName(), QStringLiteral("dataFileCard-") + r.id());
            const QStringList lines = texts(cards.at(i)->findChildren<QLabel *>());
            QCOMPARE(lines.at(0), r.file.title());
            QCOMPARE(lines.at(1), QString::number(r.imported) + QStringLiteral(" listings \u00b7 ")
                                      + Badges::checkedLabel(r.latestChecked));
            auto *note = cards.at(i)->findChild<QLabel *>(QStringLiteral("dataFileNote"));
            const QColor color = note->palette().color(QPalette::WindowText);
            if (r.file == SourceFile::videos) {
                // Never an unconfirmed line for the videos, whatever their count.
                QCOMPARE(note->text(), DataCheckedView::videoFileLine());
                QCOMPARE(color, dim);
            } else {
                QCOMPARE(note->text(), QString::number(r.unconfirmed)
                                           + QStringLiteral(" marked \"Unconfirmed\" (a person still needs to check them)"));
                QCOMPARE(color, r.unconfirmed > 0 ? TLPalette::amberBadge() : dim);
            }
        }
        // The fixture has files with and without unconfirmed rows.
        QVERIFY(reports.at(0).unconfirmed > 0);
        QCOMPARE(reports.at(3).unconfirmed, 0);
    }

    void unconfirmedCountReadsInEveryTheme_data()
    {
        QTest::addColumn<QString>("theme");
        for (const MRBYTheme &theme : MRBYThemes::all())
            QTest::newRow(qPrintable(theme.id)) << theme.id;
    }

    void unconfirmedCountReadsInEveryTheme()
    {
        QFETCH(QString, theme);
        MRBYThemes::setCurrentID(theme);
        const TLPalette palette = TLPalette::current();
        DataCheckedView view(*m_model);
        MRBYThemes::setCurrentID(TLThemes::warmID);
        const auto rgb = [](const QColor &c) { return MRBYTheme::RGB(c.redF(), c.greenF(), c.blueF()); };
        auto *card = view.findChild<TLCard *>(QStringLiteral("dataFileCard-national_resources"));
        const QColor color = card->findChild<QLabel *>(QStringLiteral("dataFileNote"))->palette().color(QPalette::WindowText);
        for (const QColor &panel : {palette.panelTop, palette.panelBottom})
            QVERIFY2(MRBYTheme::RGB::contrast(rgb(color), rgb(panel)) >= 4.5, qPrintable(color.name()));
    }

    void headerAndGaps()
    {
        DataCheckedView view(*m_model);
        auto *header = view.findChild<PageHeader *>();
        QCOMPARE(header->title(), QStringLiteral("Data last checked"));
        QVERIFY(header->text().startsWith(QStringLiteral("All information in this app was checked on ")
                                          + Badges::dataCheckedMonth() + QStringLiteral(" (")));
        QVERIFY(header->text().endsWith(QStringLiteral(
            "). Each listing shows its own source. Things change, so call before you go when you can.")));

        QCOMPARE(DataCheckedView::gaps().size(), 10);
        QCOMPARE(texts(view.findChildren<QLabel *>(QStringLiteral("gapText"))), DataCheckedView::gaps());
    }

    void withoutData()
    {
        AppModel broken(m_dir.path() + QStringLiteral("/none"), m_dir.path() + QStringLiteral("/other.sqlite"));
        QVERIFY(!broken.data());
        DataCheckedView view(broken);
        QVERIFY(view.findChildren<TLCard *>(QRegularExpression(QStringLiteral("^dataFileCard-"))).isEmpty());
        QCOMPARE(view.findChildren<QLabel *>(QStringLiteral("gapText")).size(), 10);
        QVERIFY(view.findChild<TLCard *>(QStringLiteral("badgeLegend")));
        QVERIFY(view.findChild<QAbstractButton *>(QStringLiteral("reportButton")));
    }

    void reportButtonSendsTheGeneralReport()
    {
        DataCheckedView view(*m_model);
        QStringList opened;
        const Opener::Function old = Opener::replace([&](const QString &url) { opened << url; });
        view.findChild<QAbstractButton *>(QStringLiteral("reportButton"))->click();
        Opener::replace(old);
        QCOMPARE(opened, QStringList{ReportLink::mailto(nullptr)});
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppModel> m_model;
};

QTEST_MAIN(tst_DataCheckedView)
#include "tst_DataCheckedView.moc"
