#include "data/GuideContent.h"

#include "data/HorizontalSpace.h"

#include <QRegularExpression>
#include <QStringList>

namespace GuideContent {

// The chapter texts, written out in GuideChapters.cpp.
QList<GuideChapter> writtenChapters();

const QList<GuideChapter> &chapters()
{
    // A function-local static is built once, safely, on first use.
    static const QList<GuideChapter> all = writtenChapters();
    return all;
}

QString disclaimer()
{
    return QStringLiteral("This guide is general information, not medical or legal advice. "
                          "In an emergency, call 911.");
}

namespace {

// A piece between sentence ends is a sentence when, trimmed of spaces and
// tabs, it has two or more space-separated parts; single words and headings
// of one word are not. A tab inside a piece stays in its part.
int countSentences(const QString &text)
{
    static const QRegularExpression ends(QStringLiteral("[.!?\\n]"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    int sentences = 0;
    for (const QString &piece : text.split(ends)) {
        if (trimmedHorizontal(piece).split(u' ', Qt::SkipEmptyParts).size() >= 2)
            ++sentences;
    }
    return sentences;
}

bool isVowel(QChar c)
{
    switch (c.unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y':
        return true;
    default:
        return false;
    }
}

int syllables(const QString &word)
{
    const QString w = word.toLower();
    int runs = 0;
    bool inRun = false;
    for (QChar c : w) {
        const bool vowel = isVowel(c);
        if (vowel && !inRun)
            ++runs;
        inRun = vowel;
    }
    if (w.endsWith(u'e') && !w.endsWith(QStringLiteral("le")) && runs > 1)
        --runs;
    return runs < 1 ? 1 : runs;
}

} // namespace

Grade gradeLevel(const QString &text)
{
    const int sentences = countSentences(text);

    // Words: runs of letters and digits holding at least one letter, so
    // phone numbers add nothing and "don't" is two words.
    int words = 0;
    long long syllableCount = 0;
    QString word;
    bool hasLetter = false;
    auto closeWord = [&] {
        if (hasLetter) {
            ++words;
            syllableCount += syllables(word);
        }
        word.clear();
        hasLetter = false;
    };
    for (const uint c : text.toUcs4()) {
        const bool letter = QChar::isLetter(c);
        if (letter || QChar::isDigit(c)) {
            word.append(QChar::fromUcs4(c));
            hasLetter = hasLetter || letter;
        } else {
            closeWord();
        }
    }
    closeWord();

    if (sentences == 0 || words == 0)
        return {};
    const double w = words;
    const double s = sentences;
    const double y = static_cast<double>(syllableCount);
    return {11.8 * (y / w) + 0.39 * (w / s) - 15.59, w / s};
}

} // namespace GuideContent
