#pragma once
// The counters of one self-test run and its section, check and result lines.

#include <QString>
#include <QtGlobal>

#include <functional>

class QTextStream;

class TLTestRun final
{
public:
    explicit TLTestRun(QTextStream &out);
    TLTestRun(const TLTestRun &) = delete;
    TLTestRun &operator=(const TLTestRun &) = delete;

    // "== " + title, flushed.
    void begin(const QString &title);
    // Counts the check first, then prints "PASS  " or "FAIL  " + name, flushed.
    void check(bool ok, const QString &name);
    // The same for work that may throw: an exception is a failed check.
    void check(const QString &name, const std::function<bool()> &work);

    // A line outside the check protocol (the header, notes), unflushed.
    void print(const QString &line);

    // "RESULT: ALL n CHECKS PASSED" or "RESULT: f FAILED, p passed", flushed;
    // the exit status: 1 when a check failed, else 0.
    int finish();

    qint64 passed() const { return m_passed; }
    qint64 failed() const { return m_failed; }

private:
    QTextStream &m_out;
    qint64 m_passed = 0;
    qint64 m_failed = 0;
};
