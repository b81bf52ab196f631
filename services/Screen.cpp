#include "services/Screen.h"

std::optional<UrgentNeed> Screen::need() const
{
    if (m_case == urgent)
        return m_need;
    return std::nullopt;
}

std::optional<AppCategory> Screen::topic() const
{
    if (m_case == category)
        return m_topic;
    return std::nullopt;
}

bool operator==(const Screen &a, const Screen &b)
{
    return a.m_case == b.m_case && a.need() == b.need() && a.topic() == b.topic();
}

size_t qHash(const Screen &s, size_t seed)
{
    const std::optional<UrgentNeed> n = s.need();
    const std::optional<AppCategory> t = s.topic();
    return qHashMulti(seed, int(s.value()), n ? int(n->value()) : -1, t ? int(t->value()) : -1);
}
