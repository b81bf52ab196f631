#include "data/LineBreaks.h"

QString normalizedLineBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += u'\n';
        } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            out += u'\n';
        } else {
            out += c;
        }
    }
    return out;
}
