#pragma once
// What the application's printed documents share around the paged PDF
// engine: the colours of paper, which never follow the window's themes; the
// " · " between the items of a line; paragraphs in a document's own line
// gap; and the document information and print file name, made from a title
// and the names of the application and its maker.

#include "pdf/PdfPageLayout.h"
#include "pdf/PdfParagraph.h"

#include <QColor>
#include <QString>

namespace PdfPaper {

inline const QColor black = Qt::black;
inline const QColor dimGrey = QColor::fromRgbF(0.32f, 0.32f, 0.32f);
inline const QColor footerGrey = QColor::fromRgbF(0.3f, 0.3f, 0.3f);
inline const QColor ruleGrey = QColor::fromRgbF(0.75f, 0.75f, 0.75f);
inline const QColor headingGreen = QColor::fromRgbF(0.17f, 0.42f, 0.39f);
inline const QColor warningRed = QColor::fromRgbF(0.69f, 0.13f, 0.11f);
inline const QColor badgeBrown = QColor::fromRgbF(0.54f, 0.29f, 0.0f);

// Between the items of one line: "Call 211 · 211.org".
inline const QString dot = QStringLiteral(" \u00b7 ");

// The paragraphs of one document: tight ones (PdfParagraph::tight) with the
// document's own gap under every line.
struct TextStyle
{
    double lineSpacing = 0;

    PdfParagraph operator()(const QString &text, double size, QFont::Weight weight, const QColor &color,
                            double spaceAfter = 0, double indent = 0) const;
};

// The title, and the application with its maker in brackets as the creator:
// "MRBY Tenterly (Marrowby)".
PdfInfo info(const QString &title, const QString &appName, const QString &maker);

// "<application> - <title>.pdf": the temporary file a print goes through
// (made safe for a file name when it is written).
QString printFileName(const QString &appName, const QString &title);

} // namespace PdfPaper
