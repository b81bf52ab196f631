// The sheet on paper: two columns of small type on US Letter pages.
#include "screens/ResourceSheet.h"

#include "data/Badges.h"
#include "look/kit/MRBYKitHost.h"
#include "pdf/PdfDocument.h"
#include "services/TLInfo.h"

namespace {

const QColor black = Qt::black;
const QColor dimGrey = QColor::fromRgbF(0.32f, 0.32f, 0.32f);
const QColor badgeBrown = QColor::fromRgbF(0.54f, 0.29f, 0.0f);

PdfParagraph run(const QString &text, double size, QFont::Weight weight, const QColor &color,
                 double spaceAfter = 0, bool italic = false)
{
    PdfParagraph p = PdfParagraph::tight(text, size, weight, color, spaceAfter);
    p.italic = italic;
    p.lineSpacing = 0.5;
    return p;
}

} // namespace

QList<PdfParagraph> ResourceSheet::paragraphs() const
{
    QList<PdfParagraph> out{run(title(), 17, QFont::Bold, black),
                            run(metaLine(), 8.5, QFont::Normal, dimGrey, 4)};
    for (const SheetSection &section : sections) {
        out << run(section.title.toUpper(), 9, QFont::ExtraBold, dimGrey, 2);
        for (const SheetLine &l : section.lines) {
            out << run(l.title, 9.5, QFont::Bold, black);
            if (l.unconfirmed)
                out << run(QStringLiteral("\u26a0\ufe0e ") + Badges::unconfirmedText, 8, QFont::Bold, badgeBrown);
            if (!l.contact.isEmpty())
                out << run(l.contact, 8.5, QFont::Normal, black);
            if (!l.note.isEmpty())
                out << run(QStringLiteral("My note: ") + l.note, 8.5, QFont::Normal, black, 0, true);
            if (!l.checked.isEmpty())
                out << run(l.checked + QStringLiteral(" \u00b7 source: ") + l.source, 7.5, QFont::Normal,
                           dimGrey, 3);
            else
                out << run(QString(), 3, QFont::Normal, black); // closes a line without a check line
        }
        out << run(QString(), 4, QFont::Normal, black); // closes the section
    }
    out << run(footer(), 7.5, QFont::Normal, dimGrey);
    return out;
}

PdfPageLayout ResourceSheet::pageLayout()
{
    // Two columns of 264 × 728 points, 20 apart, inside 32-point margins.
    return {{612, 792}, {QRectF(32, 32, 264, 728), QRectF(316, 32, 264, 728)}, 40};
}

namespace {

PdfInfo sheetInfo(const ResourceSheet &sheet)
{
    return {sheet.title(), TLInfo::appName + QStringLiteral(" (") + MRBYKitHost::creditName + u')'};
}

} // namespace

int ResourceSheet::writePDF(const QString &path) const
{
    return PdfDocument(paragraphs(), pageLayout(), sheetInfo(*this)).write(path);
}

QString ResourceSheet::printFileName() const
{
    return TLInfo::appName + QStringLiteral(" - ") + title() + QStringLiteral(".pdf");
}

void ResourceSheet::printSheet() const
{
    PdfDocument(paragraphs(), pageLayout(), sheetInfo(*this)).print(printFileName());
}
