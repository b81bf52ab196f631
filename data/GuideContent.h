#pragma once

#include "data/GuideChapter.h"

#include <QList>
#include <QString>

// The Survival Guide: thirteen chapters that ship inside the application.
namespace GuideContent {

// The chapters numbered 1 to 13, in order; built once, then shared.
const QList<GuideChapter> &chapters();

// "This guide is general information, not medical or legal advice. ..."
QString disclaimer();

struct Grade
{
    double grade = 0;            // Flesch-Kincaid grade level
    double wordsPerSentence = 0;
};

// How easy a text is to read. Never fails: a text without a sentence or
// without a word gives (0, 0).
Grade gradeLevel(const QString &text);

} // namespace GuideContent
