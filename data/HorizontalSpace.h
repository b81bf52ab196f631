#pragma once

#include <QString>

// Trims spaces (any space separator) and tabs at both ends, but never line
// breaks: header names and confidence words are compared after this.
inline QString trimmedHorizontal(const QString &text)
{
    auto isHorizontal = [](QChar c) {
        return c == u'\t' || c.category() == QChar::Separator_Space;
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isHorizontal(text.at(begin)))
        ++begin;
    while (end > begin && isHorizontal(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}
