#include "data/GuideChapter.h"

#include "data/HorizontalSpace.h"

#include <QStringList>

QString GuideChapter::plainText() const
{
    static const QString marks[] = {QStringLiteral("## "), QStringLiteral("• "),
                                    QStringLiteral("! ")};
    QString text = body;
    text.remove(QStringLiteral("**"));
    QStringList lines = text.split(u'\n');
    for (QString &line : lines) {
        line = trimmedHorizontal(line);
        // Each mark is tested once, in this order, so "## • x" loses both.
        for (const QString &mark : marks) {
            if (line.startsWith(mark))
                line.remove(0, mark.size());
        }
    }
    return lines.join(u'\n');
}
