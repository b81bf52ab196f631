#pragma once

#include <QHashFunctions>
#include <QString>

// A labelled extra line of a listing ("Time limit", "Typical pay", …).
struct Detail
{
    QString label;
    QString value;

    friend bool operator==(const Detail &, const Detail &) = default;
};

inline size_t qHash(const Detail &d, size_t seed = 0)
{
    return qHashMulti(seed, d.label, d.value);
}
