// The sheet on paper: two columns of small type on US Letter pages.
#include "screens/ResourceSheet.h"

#include "data/Badges.h"
#include "look/kit/MRBYKitHost.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfPaper.h"
#include "services/TLInfo.h"

namespace {

using PdfPaper::badgeBrown;
using PdfPaper::black;
using PdfPaper::dimGrey;

// Half a point under every line.
constexpr PdfPaper::TextStyle run{0.5};

PdfDocument document(const ResourceSheet &sheet)
{
    return PdfDocument(sheet.paragraphs(), ResourceSheet::pageLayout(),
                       PdfPaper::info(sheet.title(), TLInfo::appName, MRBYKitHost::creditName));
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
            if (!l.note.isEmpty()) {
                PdfParagraph note = run(QStringLiteral("My note: ") + l.note, 8.5, QFont::Normal, black);
                note.italic = true;
                out << note;
            }
            if (!l.checked.isEmpty())
                out << run(l.checkLine(), 7.5, QFont::Normal, dimGrey, 3);
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

int ResourceSheet::writePDF(const QString &path) const
{
    return document(*this).write(path);
}

QString ResourceSheet::printFileName() const
{
    return PdfPaper::printFileName(TLInfo::appName, title());
}

void ResourceSheet::printSheet() const
{
    document(*this).print(printFileName());
}
