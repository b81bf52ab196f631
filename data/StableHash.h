#pragma once

#include <QString>

// The hash that listing and video identifiers are made from: 64-bit FNV-1a
// over the text's UTF-8 bytes as stored (never normalised), in lowercase
// hexadecimal without leading zeros. Stable across runs and machines.
namespace StableHash {

QString hex(const QString &text);

} // namespace StableHash
