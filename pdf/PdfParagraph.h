#pragma once
// One paragraph of a paged PDF text: its words and the one style they are
// set in. Sizes and distances are in points.

#include <QColor>
#include <QFont>
#include <QString>

struct PdfParagraph
{
    QString text;                    // each line break in it starts a new line; "" is an empty line
    double size = 10;                // font size
    QFont::Weight weight = QFont::Normal;
    bool italic = false;
    QColor color = Qt::black;
    double spaceAfter = 0;           // below the paragraph's last line
    double lineHeight = 0;           // each line's height as a multiple of size; 0: the font's own
    double lineSpacing = 0;          // below each line
    double indent = 0;               // from the column's left edge, every line

    // Noto Sans, then DejaVu Sans (which also has the symbols Noto Sans
    // lacks), at this paragraph's size, weight and slant.
    QFont font() const;
    static QFont font(double size, QFont::Weight weight = QFont::Normal, bool italic = false);

    // A paragraph with lines 1.2 em apart, the height every printed page was
    // designed with: Noto Sans's own 1.36 em would push a full resources
    // sheet, or an empty money plan with its tips, onto a second page.
    static PdfParagraph tight(const QString &text, double size, QFont::Weight weight, const QColor &color,
                              double spaceAfter = 0);
};
