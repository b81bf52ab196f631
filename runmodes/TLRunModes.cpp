#include "runmodes/TLRunModes.h"

#include "runmodes/TLMoneyExample.h"
#include "runmodes/TLSelfTest.h"
#include "runmodes/TLSnapshot.h"

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
    if (const std::optional<int> code = TLSnapshot::handle(arguments, out))
        return code;
    if (const std::optional<int> code = TLMoneyExample::handle(arguments, out))
        return code;
    if (arguments.contains(QStringLiteral("--selftest")))
        return TLSelfTest::run(out);
    return std::nullopt;
}

} // namespace TLRunModes
