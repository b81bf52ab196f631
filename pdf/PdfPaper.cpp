#include "pdf/PdfPaper.h"

namespace PdfPaper {

PdfParagraph TextStyle::operator()(const QString &text, double size, QFont::Weight weight, const QColor &color,
                                   double spaceAfter, double indent) const
{
    PdfParagraph p = PdfParagraph::tight(text, size, weight, color, spaceAfter);
    p.lineSpacing = lineSpacing;
    p.indent = indent;
    return p;
}

PdfInfo info(const QString &title, const QString &appName, const QString &maker)
{
    return {title, appName + QStringLiteral(" (") + maker + u')'};
}

QString printFileName(const QString &appName, const QString &title)
{
    return appName + QStringLiteral(" - ") + title + QStringLiteral(".pdf");
}

} // namespace PdfPaper
