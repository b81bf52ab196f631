#include "money/MoneyPeriod.h"

#include "data/RawValue.h"

std::optional<MoneyPeriod> MoneyPeriod::fromRawValue(const QString &text)
{
    return caseWithRawValue<MoneyPeriod>(text);
}

const QList<MoneyPeriod> &MoneyPeriod::allCases()
{
    static const QList<MoneyPeriod> all{week, month};
    return all;
}

QString MoneyPeriod::rawValue() const
{
    return frequency().rawValue();
}

QString MoneyPeriod::title() const
{
    return frequency().title();
}

MoneyFrequency MoneyPeriod::frequency() const
{
    return m_case == week ? MoneyFrequency::week : MoneyFrequency::month;
}
