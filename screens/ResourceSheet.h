#pragma once
// The My Resources Sheet: the emergency numbers, the chosen state's key
// programmes, a few nationwide lines and the first saved entries of My List,
// as plain values built on demand and never stored. Rendered as plain text, a
// web page, styled paragraphs for the PDF, a PDF file and a print job.

#include "pdf/PdfPageLayout.h"
#include "pdf/PdfParagraph.h"
#include "screens/SheetSection.h"

#include <QList>
#include <QString>

struct Favorite;
class ReferenceData;

struct ResourceSheet
{
    QString stateCode;   // "" when no state is chosen
    QString stateName;   // "" when no state is chosen
    QList<SheetSection> sections;

    // `state` is a code or ""; `favorites` in My List's order (oldest first).
    // Never fails: what the data lacks only shortens its section.
    static ResourceSheet build(const QString &state, const ReferenceData &data,
                               const QList<Favorite> &favorites);

    // "My Resources", or "My Resources — " and the state's name.
    QString title() const;
    // The closing sentence under every rendering.
    static QString footer();
    // "Checked <month> · MRBY Tenterly", under the title.
    static QString metaLine();

    // The sheet as a text file: each entry's lines indented under its
    // bullet, a line feed after every line.
    QString plainText() const;
    // A complete web page; every sheet text is escaped.
    QString html() const;

    // The sheet as styled paragraphs, and where they go on the page.
    QList<PdfParagraph> paragraphs() const;
    static PdfPageLayout pageLayout();
    // Writes the PDF (at most 20 pages of two columns) and returns its page
    // count; throws DBError "Could not create the PDF file." and leaves nothing.
    int writePDF(const QString &path) const;
    // Prints through a PDF in the temporary folder; every failure beeps.
    void printSheet() const;
    // "MRBY Tenterly - " + title + ".pdf", the temporary print file's name.
    QString printFileName() const;
};
