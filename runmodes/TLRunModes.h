#pragma once
// The run modes that start after the application object exists, in their
// order: snapshot, example Money Plan, self-test. (The self-test's child
// operations come earlier, before any application object: TLSelfTest.)

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace TLRunModes {

// The argument after the first occurrence of option; none when the option is
// missing or stands last.
std::optional<QString> argumentAfter(const QStringList &arguments, const QString &option);

// The exit code of the run mode the arguments ask for, else none (the
// application starts). Lines go to `out`.
std::optional<int> dispatch(const QStringList &arguments, QTextStream &out);

} // namespace TLRunModes
