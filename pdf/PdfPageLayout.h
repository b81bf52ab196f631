#pragma once
// Where text goes on the pages of a PDF: the page size and the column slots
// of one page, in points from the page's top-left corner. Every page has the
// same slots; text flows through them in order, then on to the next page.

#include <QList>
#include <QRectF>
#include <QSizeF>

struct PdfPageLayout
{
    QSizeF pageSize{612, 792};  // US Letter
    QList<QRectF> columns;      // one page's text slots, in reading order, all the same size
    int maxColumns = 1;         // over the whole document; text beyond them is not drawn
};

// Document information written into the PDF.
struct PdfInfo
{
    QString title;
    QString creator;
};
