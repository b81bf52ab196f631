#include "data/GuideChapter.h"

#include <QStringList>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Spaces and tabs only: other white space is text the reader sees.
QString trimBlanks(const QString &line)
{
    qsizetype from = 0;
    qsizetype to = line.size();
    while (from < to && isBlank(line.at(from)))
        ++from;
    while (to > from && isBlank(line.at(to - 1)))
        --to;
    return line.mid(from, to - from);
}

} // namespace

QString GuideChapter::plainText() const
{
    static const QString marks[] = {QStringLiteral("## "), QStringLiteral("• "),
                                    QStringLiteral("! ")};
    QString text = body;
    text.remove(QStringLiteral("**"));
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        line = trimBlanks(line);
        // Each mark is tested once, in this order, so "## • x" loses both.
        for (const QString &mark : marks) {
            if (line.startsWith(mark))
                line.remove(0, mark.size());
        }
    }
    return lines.join(u'\n');
}
