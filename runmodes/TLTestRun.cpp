#include "runmodes/TLTestRun.h"

#include <QTextStream>

#include <exception>

TLTestRun::TLTestRun(QTextStream &out)
    : m_out(out)
{
}

void TLTestRun::begin(const QString &title)
{
    m_out << QStringLiteral("== ") << title << '\n';
    m_out.flush();
}

void TLTestRun::check(bool ok, const QString &name)
{
    ++(ok ? m_passed : m_failed);
    m_out << (ok ? QStringLiteral("PASS  ") : QStringLiteral("FAIL  ")) << name << '\n';
    m_out.flush();
}

void TLTestRun::check(const QString &name, const std::function<bool()> &work)
{
    bool ok = false;
    try {
        ok = work();
    } catch (...) {
        // Whatever the work threw, the check did not pass; the run goes on.
        ok = false;
    }
    check(ok, name);
}

void TLTestRun::print(const QString &line)
{
    m_out << line << '\n';
}

int TLTestRun::finish()
{
    if (m_failed > 0)
        m_out << QStringLiteral("RESULT: %1 FAILED, %2 passed\n").arg(m_failed).arg(m_passed);
    else
        m_out << QStringLiteral("RESULT: ALL %1 CHECKS PASSED\n").arg(m_passed);
    m_out.flush();
    return m_failed > 0 ? 1 : 0;
}
