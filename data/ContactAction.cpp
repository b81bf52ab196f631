#include "data/ContactAction.h"

QString ContactAction::rawValue(Kind kind)
{
    switch (kind) {
    case Kind::Call:
        return QStringLiteral("call");
    case Kind::Text:
        return QStringLiteral("text");
    case Kind::Web:
        return QStringLiteral("web");
    case Kind::Email:
        return QStringLiteral("email");
    }
    return QString();
}

std::optional<ContactAction::Kind> ContactAction::kindFromRawValue(const QString &raw)
{
    for (Kind kind : {Kind::Call, Kind::Text, Kind::Web, Kind::Email}) {
        if (raw == rawValue(kind))
            return kind;
    }
    return std::nullopt;
}
