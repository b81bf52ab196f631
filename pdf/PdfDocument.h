#pragma once
// A paged PDF made of styled paragraphs: the text is laid out once, with
// QTextLayout on a 72-dpi PDF writer so one unit is one point, and flowed
// line by line through the column slots of the page layout. The same pages
// are written to a file and drawn onto a printer. An optional hook draws on
// every page after its columns (a rule, a footer, a page number).

#include "pdf/ColumnFlow.h"
#include "pdf/PdfPageLayout.h"
#include "pdf/PdfParagraph.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QBuffer;
class QPainter;
class QPdfWriter;
class QTextLayout;

class PdfDocument final
{
public:
    // Called on each page (0-based) after its columns are drawn, in page points.
    using PageHook = std::function<void(QPainter &painter, int page, int pageCount)>;

    // The one sentence every failed write reports.
    static QString couldNotCreate();

    PdfDocument(const QList<PdfParagraph> &text, const PdfPageLayout &layout, const PdfInfo &info,
                PageHook pageHook = {});
    ~PdfDocument();
    PdfDocument(const PdfDocument &) = delete;
    PdfDocument &operator=(const PdfDocument &) = delete;

    // Columns that hold text (at least one, at most the layout's limit), and
    // the pages they fill.
    int columnCount() const { return m_flow.columns; }
    int pageCount() const;
    const PdfPageLayout &layout() const { return m_layout; }
    const PdfInfo &info() const { return m_info; }

    // Draws one page (0-based) in page points: its columns, then the hook.
    void drawPage(QPainter &painter, int page) const;

    // Writes every page to a PDF file at `path` through QSaveFile (an
    // existing file is replaced only when the new one is complete) and
    // returns the page count. Throws DBError(couldNotCreate()) when the file
    // cannot be created, written or committed; nothing is left behind then.
    int write(const QString &path) const;

    // Writes the PDF as `fileName` (made safe) in the temporary folder, where
    // it stays, checks that it opens as a PDF, asks the print dialog, and
    // draws its pages onto the chosen printer with no margins, each page
    // scaled to fit the paper and turned when the paper's orientation differs.
    // Every failure beeps once; a cancelled dialog is not a failure.
    void print(const QString &fileName) const;

    // One line of text in a paragraph's style, its top-left at `at` (for page hooks).
    static void drawLine(QPainter &painter, const PdfParagraph &style, const QPointF &at);

private:
    struct Line
    {
        int paragraph;
        int line;
        double shift; // from the line's top to where its glyphs are drawn
    };

    void layOut(const QList<PdfParagraph> &text);

    PdfPageLayout m_layout;
    PdfInfo m_info;
    PageHook m_hook;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfWriter> m_device; // the 72-dpi device the text is measured on
    QList<PdfParagraph> m_paragraphs;
    std::vector<std::unique_ptr<QTextLayout>> m_layouts;
    QList<Line> m_lines;
    ColumnFlow m_flow;
};
