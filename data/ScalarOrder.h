#pragma once

#include <QString>

// Text order by Unicode scalar values. QString compares UTF-16 code units,
// which puts characters above U+FFFF (surrogate pairs) before U+E000…U+FFFF;
// lifting the surrogates above that range gives code-point order.
inline bool scalarLess(const QString &a, const QString &b)
{
    auto key = [](char16_t c) -> char32_t {
        if (c >= 0xE000)
            return char32_t(c) - 0x800;
        if (c >= 0xD800)
            return char32_t(c) + 0x2000;
        return c;
    };
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a.at(i).unicode();
        const char16_t y = b.at(i).unicode();
        if (x != y)
            return key(x) < key(y);
    }
    return a.size() < b.size();
}
