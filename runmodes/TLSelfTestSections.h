#pragma once
// The checks of the self-test's sections that this build has, each run after
// its section line with the run's context.

#include "runmodes/TLSelfTest.h"

#include <QStringList>

namespace TLSelfTest {

// Sections 1 to 4: the data files and their counts, the full-text search,
// the unconfirmed badge, the emergency buttons and crisis lines.
void dataChecks(Context &context);
void searchChecks(Context &context);
void badgeChecks(Context &context);
void emergencyChecks(Context &context);

// Sections 5 to 7: My List across a restart, the resources sheet in all its
// forms, the contact buttons and the report link.
void myListChecks(Context &context);
void sheetChecks(Context &context);
void contactChecks(Context &context);

// Sections 8 to 11: the Survival Guide, the videos, the themes and sizes,
// the help and the wording rules.
void guideChecks(Context &context);
void videoChecks(Context &context);
void lookChecks(Context &context);
void helpChecks(Context &context);

// The checks the shipped data gives nothing to check with, each with the
// reason it is left out of the run; empty when the data has what they need.
QString cprVideosMissing();
QString failedWebsitesMissing();

// A PDF file as a reader sees it: whether it opened, its pages, and every
// page's text with line breaks and runs of blanks as one blank (a phrase may
// wrap where a column ends).
struct PdfRead
{
    bool opened = false;
    int pages = 0;
    QString text;
};
PdfRead readPdf(const QString &path);

// ["a", "b"]: texts in a check name.
QString quotedList(const QStringList &texts);

// Section 12: the Money Plan's arithmetic, amounts, plan file across a
// restart, the example plan with its PDF and CSV report, the tips and the
// help topic.
void moneyPlanChecks(Context &context);

} // namespace TLSelfTest
