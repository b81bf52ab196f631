#pragma once
// Runs the real tenterly executable for the run-mode tests.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace runbinary {

struct Result
{
    int code = -1;
    bool crashed = false;
    QString out;
    QByteArray err;

    QStringList lines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

// Starts tenterly with the arguments in the test's own environment, changed
// by `edit`, and waits for it however long it takes.
inline Result run(const QStringList &arguments,
                  const std::function<void(QProcessEnvironment &)> &edit = {},
                  const QString &workingDirectory = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (edit)
        edit(env);
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workingDirectory.isEmpty())
        p.setWorkingDirectory(workingDirectory);
    p.start(QStringLiteral(TL_EXE_PATH), arguments);
    Result r;
    if (!p.waitForStarted(-1) || !p.waitForFinished(-1))
        return r;
    r.crashed = p.exitStatus() == QProcess::CrashExit;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = p.readAllStandardError();
    return r;
}

} // namespace runbinary
