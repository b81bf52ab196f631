#include "data/GuideChapter.h"

#include "data/GuideMarkup.h"
#include "data/HorizontalSpace.h"

#include <QStringList>

QString GuideChapter::plainText() const
{
    static const QString marks[] = {GuideMarkup::heading, GuideMarkup::bullet,
                                    GuideMarkup::warning};
    QString text = body;
    text.remove(GuideMarkup::bold);
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
