#pragma once

#include <QString>

#include <optional>

// Reads a plain base-10 whole number: an optional "+" or "-" and one or more
// ASCII digits, nothing else. No value when the text differs or overflows.
inline std::optional<qint64> parseWholeNumber(const QString &text)
{
    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    for (qsizetype j = i; j < text.size(); ++j) {
        const char16_t ch = text.at(j).unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}
