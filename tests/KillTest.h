#pragma once
// A store killed in the middle of a write: the test program runs itself again
// as a child that commits through the store, then changes the stored rows in
// one transaction it never commits and writes on until SQLite has put changed
// pages into the file. The parent kills it there (SIGKILL), and then checks
// that opening the store brings back the last commit.

#include "data/SQLiteDB.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>

#include <cstdio>

namespace killtest {

// Set in the child's environment, to the store's path.
inline constexpr char childVariable[] = "TST_STORE_CHILD_PATH";
// The child's line once changed pages are in the file.
inline const QByteArray spilled = "spilled";

// The child's part, after its commits: runs `changes` in one open
// transaction, then writes filler for a minute at most. Never commits.
inline void writeWithoutCommit(const QString &path, const QStringList &changes)
{
    SQLiteDB db(path);
    // A tiny page cache makes SQLite write the changed pages into the file
    // long before the commit, while it writes the filler.
    db.exec(QStringLiteral("PRAGMA cache_size = 8"));
    db.exec(QStringLiteral("BEGIN"));
    for (const QString &change : changes)
        db.run(change);
    db.exec(QStringLiteral("CREATE TABLE filler(x TEXT)"));
    const QString big(200 * 1024, u'x');
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; clock.elapsed() < 60000; ++i) {
        db.run(QStringLiteral("INSERT INTO filler VALUES (?)"), {i < 20 ? big : QString::number(i)});
        if (i == 20) {
            std::fputs("spilled\n", stdout);
            std::fflush(stdout);
        }
    }
}

namespace detail {
inline void killWhileWriting(const QString &path)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(childVariable), path);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());

    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains(spilled) && child.state() == QProcess::Running && clock.elapsed() < 60000) {
        child.waitForReadyRead(1000);
        out += child.readAllStandardOutput();
    }
    QVERIFY2(out.contains(spilled), child.readAllStandardError().constData());
    // Uncommitted pages are in the file itself now, with a hot journal beside it.
    QVERIFY(QFileInfo(path).size() > 2 * 1024 * 1024);
    QVERIFY(QFileInfo::exists(path + QStringLiteral("-journal")));

    child.kill(); // SIGKILL: no chance to roll back or close
    QVERIFY(child.waitForFinished(-1));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
}
} // namespace detail

// The parent's part: starts the child on `path` and kills it once its changed
// pages are in the file. False (with the failure recorded) when that did not
// come about.
inline bool killWhileWriting(const QString &path)
{
    detail::killWhileWriting(path);
    return !QTest::currentTestFailed();
}

// After the store has opened the file again: the filler is gone and the file is whole.
inline void checkRolledBack(const QString &path)
{
    SQLiteDB db(path);
    QCOMPARE(db.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'filler'")), 0);
    QCOMPARE(db.rows(QStringLiteral("PRAGMA integrity_check")),
             (QList<SQLiteDB::Row>{QStringList{QStringLiteral("ok")}}));
}

} // namespace killtest
