#include "money/MoneyFrequency.h"

#include "data/RawValue.h"

std::optional<MoneyFrequency> MoneyFrequency::fromRawValue(const QString &text)
{
    return caseWithRawValue<MoneyFrequency>(text);
}

const QList<MoneyFrequency> &MoneyFrequency::allCases()
{
    static const QList<MoneyFrequency> all{day, week, month};
    return all;
}

QString MoneyFrequency::rawValue() const
{
    switch (m_case) {
    case day: return QStringLiteral("day");
    case week: return QStringLiteral("week");
    case month: return QStringLiteral("month");
    }
    return {};
}

int MoneyFrequency::perYear() const
{
    switch (m_case) {
    case day: return 365;
    case week: return 52;
    case month: return 12;
    }
    return 0;
}

QString MoneyFrequency::title() const
{
    switch (m_case) {
    case day: return QStringLiteral("Each day");
    case week: return QStringLiteral("Each week");
    case month: return QStringLiteral("Each month");
    }
    return {};
}

QString MoneyFrequency::shortText() const
{
    switch (m_case) {
    case day: return QStringLiteral("a day");
    case week: return QStringLiteral("a week");
    case month: return QStringLiteral("a month");
    }
    return {};
}
