#include "runmodes/TLRunModes.h"
#include "runmodes/TLSnapshot.h"

#include "RunBinary.h"
#include "TestSupport.h"

#include <QCryptographicHash>
#include <QImageReader>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kOption = QStringLiteral("--tl-snapshot");

using Settings = QMap<QString, QString>;

QString iniPath(const QString &home)
{
    return home + QStringLiteral("/config/tenterly/tenterly.ini");
}

Settings readSettings(const QString &home)
{
    QSettings ini(iniPath(home), QSettings::IniFormat);
    Settings all;
    for (const QString &key : ini.allKeys())
        all.insert(key, ini.value(key).toString());
    return all;
}

void writeSettings(const QString &home, const Settings &settings)
{
    QSettings ini(iniPath(home), QSettings::IniFormat);
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        ini.setValue(it.key(), it.value());
}

// A home of its own: settings, data and runtime folders, and My List and the
// Money Plan moved elsewhere by the environment.
runbinary::Result snapshot(const QString &home, const QString &target)
{
    return runbinary::run({QStringLiteral("-v"), kOption, target}, [&home](QProcessEnvironment &env) {
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
        env.insert(QStringLiteral("TL_MYLIST_PATH"), home + QStringLiteral("/elsewhere/list.sqlite"));
        env.insert(QStringLiteral("TL_MONEY_PATH"), home + QStringLiteral("/elsewhere/money.sqlite"));
        env.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    });
}

QStringList pngNames()
{
    QStringList names;
    for (const TLSnapshot::Shot &shot : TLSnapshot::shots())
        names << shot.name + QStringLiteral(".png");
    return names;
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class tst_Snapshot : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    // The pictures of the first run, to compare with runs under other settings.
    QHash<QString, QByteArray> m_first;

private Q_SLOTS:
    void theShotTable()
    {
        QStringList names;
        for (const TLSnapshot::Shot &shot : TLSnapshot::shots())
            names << shot.name;
        QCOMPARE(names.size(), 15);
        QCOMPARE(names.first(), QStringLiteral("01-home"));
        QCOMPARE(names.at(12), QStringLiteral("13-startups"));
        QCOMPARE(names.last(), QStringLiteral("16-money-plan-ember-large"));
        QVERIFY(!names.join(QLatin1Char(' ')).contains(QStringLiteral("14-")));
    }

    void writesEveryShotAndPutsSettingsBack_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::newRow("never set") << Settings{{QStringLiteral("other/kept"), QStringLiteral("yes")}};
        QTest::newRow("the user's own") << Settings{
            {QStringLiteral("mrby.theme"), QStringLiteral("cobalt-gunmetal")},
            {QStringLiteral("tl.textSize"), QStringLiteral("2")},
            {QStringLiteral("tl.state"), QStringLiteral("WA")},
            {QStringLiteral("other/kept"), QStringLiteral("yes")},
        };
    }

    void writesEveryShotAndPutsSettingsBack()
    {
        QFETCH(Settings, settings);
        const QString home = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        writeSettings(home, settings);
        QCOMPARE(readSettings(home), settings);
        // The user's own My List and Money Plan, where they would be without
        // the environment: never opened, never changed.
        const QString own = home + QStringLiteral("/data/MRBY Tenterly");
        QVERIFY(testsupport::writeFile(own + QStringLiteral("/my-list.sqlite"), "the user's own list"));
        QVERIFY(testsupport::writeFile(own + QStringLiteral("/money-plan.sqlite"), "the user's own plan"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/elsewhere")));
        const QString target = home + QStringLiteral("/new/shots");

        const runbinary::Result r = snapshot(home, target);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QByteArray());
        const QStringList lines = r.lines();
        QCOMPARE(lines.size(), 16);
        const QRegularExpression wrote(QStringLiteral("^wrote (\\S+\\.png) 1280x(\\d+)$"));
        for (int i = 0; i < 15; ++i) {
            const QRegularExpressionMatch m = wrote.match(lines.at(i));
            QVERIFY2(m.hasMatch(), qPrintable(lines.at(i)));
            QCOMPARE(m.captured(1), pngNames().at(i));
            // The whole window at least, and the picture is the size it says.
            const QString path = target + QLatin1Char('/') + m.captured(1);
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.size(), QSize(1280, m.captured(2).toInt()));
            QVERIFY(reader.size().height() >= 560);
            // The same pictures whatever the user's state, theme and text size.
            const QByteArray sum = digest(path);
            if (m_first.contains(m.captured(1)))
                QVERIFY2(m_first.value(m.captured(1)) == sum, qPrintable(m.captured(1)));
            else
                m_first.insert(m.captured(1), sum);
        }
        QCOMPARE(lines.last(), QStringLiteral("wrote 14-sheet-CA.pdf (1 page)"));
        // The sheet is California's, whatever state the shots or the user chose.
        QPdfDocument pdf;
        QCOMPARE(pdf.load(target + QStringLiteral("/14-sheet-CA.pdf")), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        QVERIFY(pdf.getAllText(0).text().contains(QStringLiteral("My Resources — California")));

        QCOMPARE(readSettings(home), settings);
        QCOMPARE(QDir(own).entryList(QDir::Files), (QStringList{QStringLiteral("money-plan.sqlite"),
                                                                QStringLiteral("my-list.sqlite")}));
        QCOMPARE(digest(own + QStringLiteral("/my-list.sqlite")),
                 QCryptographicHash::hash("the user's own list", QCryptographicHash::Sha256));
        QCOMPARE(digest(own + QStringLiteral("/money-plan.sqlite")),
                 QCryptographicHash::hash("the user's own plan", QCryptographicHash::Sha256));
        // The stores the environment names are the ones the shots showed.
        QVERIFY(QFileInfo::exists(home + QStringLiteral("/elsewhere/list.sqlite")));
        QVERIFY(QFileInfo::exists(home + QStringLiteral("/elsewhere/money.sqlite")));
    }

    void filesThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("target");  // "@" stands for the test's home
        QTest::addColumn<QString>("blocked"); // a folder in the place of this file
        QTest::newRow("folder that cannot be made") << QStringLiteral("/proc/tl-snapshot") << QString();
        QTest::newRow("a file in the place of the folder") << QStringLiteral("@/plain.txt") << QString();
        QTest::newRow("one picture") << QStringLiteral("@/shots") << QStringLiteral("05-sheet.png");
        QTest::newRow("the sheet") << QStringLiteral("@/shots") << QStringLiteral("14-sheet-CA.pdf");
    }

    void filesThatCannotBeWritten()
    {
        QFETCH(QString, target);
        QFETCH(QString, blocked);
        const QString home = m_dir.filePath(QStringLiteral("blocked-") + QString::fromLatin1(QTest::currentDataTag()));
        target.replace(QLatin1Char('@'), home);
        QVERIFY(testsupport::writeFile(home + QStringLiteral("/plain.txt"), "x"));
        if (!blocked.isEmpty())
            QVERIFY(testsupport::writeFile(target + QLatin1Char('/') + blocked + QStringLiteral("/inside"), "x"));
        const Settings settings{{QStringLiteral("mrby.theme"), QStringLiteral("cobalt-gunmetal")}};
        writeSettings(home, settings);

        const runbinary::Result r = snapshot(home, target);
        QCOMPARE(r.code, 1);
        const QStringList lines = r.lines();
        QCOMPARE(lines.size(), 16);
        const QStringList files = pngNames() << QStringLiteral("14-sheet-CA.pdf");
        for (int i = 0; i < files.size(); ++i) {
            // Never "wrote" for a file that is not there.
            const bool fails = blocked.isEmpty() || files.at(i) == blocked;
            const QString line = lines.at(i);
            QVERIFY2(line.startsWith((fails ? QStringLiteral("could not write ") : QStringLiteral("wrote ")) + files.at(i)),
                     qPrintable(line));
            QCOMPARE(QFileInfo(target + QLatin1Char('/') + files.at(i)).isFile(), !fails);
        }
        QCOMPARE(readSettings(home), settings);
    }

    void optionInTheLastPlaceIsAbsent()
    {
        QString text;
        QTextStream out(&text);
        QVERIFY(!TLRunModes::dispatch({QStringLiteral("x"), QStringLiteral("-v"), kOption}, out));
        QCOMPARE(text, QString());
    }
};

QTEST_GUILESS_MAIN(tst_Snapshot)
#include "tst_Snapshot.moc"
