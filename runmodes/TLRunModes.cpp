#include "runmodes/TLRunModes.h"

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
    // A run mode this build lacks still ends the process: its option made the
    // platform offscreen, where a started window would never be seen or closed.
    const std::pair<QString, const char *> missing[] = {
        {QStringLiteral("--tl-snapshot"), "snapshot mode not available in this build\n"},
        {QStringLiteral("--tl-money-example"), "money example mode not available in this build\n"},
    };
    for (const auto &[option, line] : missing) {
        if (arguments.contains(option)) {
            out << line;
            out.flush();
            return 2;
        }
    }
    if (arguments.contains(QStringLiteral("--selftest")))
        return TLSelfTest::run(out);
    return std::nullopt;
}

} // namespace TLRunModes
