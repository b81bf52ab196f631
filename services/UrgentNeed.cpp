#include "services/UrgentNeed.h"

#include "data/RawValue.h"

std::optional<UrgentNeed> UrgentNeed::fromRawValue(const QString &text)
{
    return caseWithRawValue<UrgentNeed>(text);
}

const QList<UrgentNeed> &UrgentNeed::allCases()
{
    static const QList<UrgentNeed> all{food, shelter, parking, medical, talk};
    return all;
}

QString UrgentNeed::rawValue() const
{
    switch (m_case) {
    case food: return QStringLiteral("food");
    case shelter: return QStringLiteral("shelter");
    case parking: return QStringLiteral("parking");
    case medical: return QStringLiteral("medical");
    case talk: return QStringLiteral("talk");
    }
    return {};
}

QString UrgentNeed::title() const
{
    switch (m_case) {
    case food: return QStringLiteral("Food today");
    case shelter: return QStringLiteral("A place to stay tonight");
    case parking: return QStringLiteral("A safe place to park");
    case medical: return QStringLiteral("Medical help");
    case talk: return QStringLiteral("Someone to talk to");
    }
    return {};
}

QString UrgentNeed::icon() const
{
    switch (m_case) {
    case food: return QStringLiteral("fork.knife");
    case shelter: return QStringLiteral("bed.double.fill");
    case parking: return QStringLiteral("car.fill");
    case medical: return QStringLiteral("cross.case.fill");
    case talk: return QStringLiteral("bubble.left.and.bubble.right.fill");
    }
    return {};
}

QString UrgentNeed::intro() const
{
    switch (m_case) {
    case food:
        return QStringLiteral("You deserve to eat today. Food banks, SNAP and 211 can help. "
                              "Calling 211 is a good first step.");
    case shelter:
        return QStringLiteral("Let's find you a safe place tonight. Dial 211, or call your local "
                              "homeless help contact. They know what is open.");
    case parking:
        return QStringLiteral("Rules are different in every place. Read the signs, and ask before "
                              "you stay. Ask 211 if there is a safe-parking program near you.");
    case medical:
        return QStringLiteral("If someone could die or be badly hurt, call 911 now. For other care, "
                              "a community health center can see you even if you can't pay.");
    case talk:
        return QStringLiteral("You don't have to carry this alone. Call or text 988 any time, day "
                              "or night. Someone will listen.");
    }
    return {};
}
