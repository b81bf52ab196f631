#include "pdf/PdfParagraph.h"

QFont PdfParagraph::font() const
{
    return font(size, weight, italic);
}

QFont PdfParagraph::font(double size, QFont::Weight weight, bool italic)
{
    QFont f;
    // Noto Sans keeps the text of every glyph it writes, dashes included, so
    // a reader copying from the PDF gets the text that was written.
    f.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(size > 0 ? size : 1);
    f.setWeight(weight);
    f.setItalic(italic);
    f.setKerning(true);
    // Letter spacing that is set, even to the natural 100 %, makes Qt's
    // shaper leave out ligatures, so "fi" is written as "f" and "i" and a
    // reader copying or searching the PDF finds the words as they were
    // written, not U+FB01. Widths and kerning stay as they were.
    f.setLetterSpacing(QFont::PercentageSpacing, 100);
    return f;
}

PdfParagraph PdfParagraph::tight(const QString &text, double size, QFont::Weight weight, const QColor &color,
                                 double spaceAfter)
{
    PdfParagraph p;
    p.text = text;
    p.size = size;
    p.weight = weight;
    p.color = color;
    p.spaceAfter = spaceAfter;
    p.lineHeight = 1.2;
    return p;
}
