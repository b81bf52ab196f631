#pragma once
// The Money Plan report on paper: its styled text, laid out in one column of
// 520 × 672 points on US Letter pages with a rule and a footer line at the
// foot of every page, written as a PDF file or printed.

#include "money/MoneyReport.h"
#include "pdf/PdfPageLayout.h"
#include "pdf/PdfParagraph.h"

#include <QList>
#include <QString>

namespace MoneyReportPDF {

// The whole report as paragraphs, in reading order.
QList<PdfParagraph> paragraphs(const MoneyReport &report);

// One column at (46, 46), 520 × 672 points, at most 60 pages.
PdfPageLayout pageLayout();

// The footer text of page `page` (1-based) of `pageCount`: the report's
// footer, with "   ·   Page N of M" after it when there are two pages or more.
QString footerLine(int page, int pageCount);

// Writes the report as a PDF file at `path` (an existing file is replaced
// only by a complete new one) and returns its page count. Throws DBError
// "Could not create the PDF file." when the file cannot be written. This is
// the one function the example run mode and the screen's save call.
int writePDF(const MoneyReport &report, const QString &path);

// "MRBY Tenterly - " + the report's title + ".pdf": the temporary file that
// printing writes (made safe for a file name when printed).
QString printFileName(const MoneyReport &report);

// Writes the report to that file in the temporary folder and prints it
// through the print dialog; every failure beeps once.
void printPlan(const MoneyReport &report);

} // namespace MoneyReportPDF
