#pragma once

#include <QString>

#include <optional>

// The case of an enumeration type (one with allCases() and rawValue()) whose
// raw value equals text exactly, else none.
template <typename T>
std::optional<T> caseWithRawValue(const QString &text)
{
    for (const T c : T::allCases()) {
        if (c.rawValue() == text)
            return c;
    }
    return std::nullopt;
}
