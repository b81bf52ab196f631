#include "services/EmergencyAction.h"

#include "data/RawValue.h"
#include "services/Opener.h"
#include "services/TLInfo.h"

std::optional<EmergencyAction> EmergencyAction::fromRawValue(const QString &text)
{
    return caseWithRawValue<EmergencyAction>(text);
}

const QList<EmergencyAction> &EmergencyAction::allCases()
{
    static const QList<EmergencyAction> all{call911, call988, text988, call211};
    return all;
}

QString EmergencyAction::rawValue() const
{
    return (m_case == text988 ? QStringLiteral("text") : QStringLiteral("call")) + number();
}

QString EmergencyAction::number() const
{
    switch (m_case) {
    case call911: return QStringLiteral("911");
    case call988:
    case text988: return QStringLiteral("988");
    case call211: return QStringLiteral("211");
    }
    return {};
}

QString EmergencyAction::title() const
{
    return (m_case == text988 ? QStringLiteral("Text ") : QStringLiteral("Call ")) + number();
}

QString EmergencyAction::subtitle() const
{
    switch (m_case) {
    case call911: return QStringLiteral("Emergency");
    case call988:
    case text988: return QStringLiteral("Crisis line, 24/7");
    case call211: return QStringLiteral("Food, shelter, bills");
    }
    return {};
}

QString EmergencyAction::icon() const
{
    return m_case == text988 ? QStringLiteral("message.fill") : QStringLiteral("phone.fill");
}

QString EmergencyAction::url() const
{
    return (m_case == text988 ? QStringLiteral("sms:") : QStringLiteral("tel:")) + number();
}

QString EmergencyAction::followUp() const
{
    switch (m_case) {
    case call911:
        return QStringLiteral("Calling 911. If nothing happens, this computer can't place calls. "
                              "Use any phone and dial 911. Tell them where you are.");
    case call988:
        return QStringLiteral("Calling 988. If nothing happens, use any phone to call or text 988. "
                              "You can also chat at ")
            + TLInfo::chat988Host + QStringLiteral(" (needs internet).");
    case text988:
        return QStringLiteral("Opening your phone or a calling app to text 988. If nothing happens, "
                              "use any phone to text 988, or call 988.");
    case call211:
        return QStringLiteral("Calling 211. If nothing happens, use any phone to dial 211. If 211 "
                              "doesn't connect, use your state's 211 number in Shelter & Parking.");
    }
    return {};
}

bool EmergencyAction::perform() const
{
    Opener::open(url());
    return true;
}
