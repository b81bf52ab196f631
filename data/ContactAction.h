#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

// One contact button of a listing: what it does, its text, and the URL text
// handed to the opener (tel:, sms:, mailto:, http or https). The URL is kept
// exactly as built, e.g. "sms:741741?body=HOME"; a QUrl is made only to open.
struct ContactAction
{
    enum class Kind { Call, Text, Web, Email };

    Kind kind = Kind::Call;
    QString label;
    QString url;

    // "call", "text", "web" or "email".
    static QString rawValue(Kind kind);
    // The kind named by exactly one of those texts, else none.
    static std::optional<Kind> kindFromRawValue(const QString &raw);

    // The kind's raw value followed by the URL, e.g. "calltel:211".
    QString id() const { return rawValue(kind) + url; }

    friend bool operator==(const ContactAction &, const ContactAction &) = default;
};

inline size_t qHash(const ContactAction &action, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<int>(action.kind), action.label, action.url);
}
