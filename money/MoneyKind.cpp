#include "money/MoneyKind.h"

#include "data/RawValue.h"

std::optional<MoneyKind> MoneyKind::fromRawValue(const QString &text)
{
    return caseWithRawValue<MoneyKind>(text);
}

const QList<MoneyKind> &MoneyKind::allCases()
{
    static const QList<MoneyKind> all{income, expense};
    return all;
}

QString MoneyKind::rawValue() const
{
    switch (m_case) {
    case income: return QStringLiteral("income");
    case expense: return QStringLiteral("expense");
    }
    return {};
}
