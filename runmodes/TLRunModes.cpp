#include "runmodes/TLRunModes.h"

#include "runmodes/TLMoneyExample.h"
#include "runmodes/TLSelfTest.h"

#include <QTextStream>

namespace TLRunModes {

std::optional<QString> argumentAfter(const QStringList &arguments, const QString &option)
{
    const qsizetype at = arguments.indexOf(option);
    if (at < 0 || at + 1 >= arguments.size())
        return std::nullopt;
    return arguments.at(at + 1);
}

std::optional<int> dispatch(const QStringList &arguments, QTextStream &out)
{
    // The snapshot mode is not in this build. It still ends the process: its
    // option made the platform offscreen, where a started window would never
    // be seen or closed.
    if (arguments.contains(QStringLiteral("--tl-snapshot"))) {
        out << QStringLiteral("snapshot mode not available in this build\n");
        out.flush();
        return 2;
    }
    if (const std::optional<int> code = TLMoneyExample::handle(arguments, out))
        return code;
    if (arguments.contains(QStringLiteral("--selftest")))
        return TLSelfTest::run(out);
    return std::nullopt;
}

} // namespace TLRunModes
