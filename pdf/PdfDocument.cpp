#include "pdf/PdfDocument.h"

#include "data/DBError.h"
#include "data/LineBreaks.h"
#include "pdf/Log.h"
#include "pdf/PdfPrint.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextLayout>

namespace {

// A writer at 72 dpi with the page size and no margins: painter units are points
// from the page's top-left corner.
void setUpWriter(QPdfWriter &writer, const QSizeF &pageSize)
{
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(pageSize, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

// QTextLayout breaks a line only at U+2028: every break typed into the text
// becomes one, so a note on two lines is printed on two lines.
QString withHardBreaks(const QString &text)
{
    return normalizedLineBreaks(text).replace(u'\n', QChar::LineSeparator);
}

QTextOption textOption()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Unhinted metrics, so the file and the printer get the same line breaks.
    option.setUseDesignMetrics(true);
    return option;
}

} // namespace

QString PdfDocument::couldNotCreate()
{
    return QStringLiteral("Could not create the PDF file.");
}

PdfDocument::PdfDocument(const QList<PdfParagraph> &text, const PdfPageLayout &layout,
                         const PdfInfo &info, PageHook pageHook)
    : m_layout(layout), m_info(info), m_hook(std::move(pageHook))
{
    // Nothing is ever written to this device; it only gives the text its metrics.
    m_buffer = std::make_unique<QBuffer>();
    m_device = std::make_unique<QPdfWriter>(m_buffer.get());
    setUpWriter(*m_device, m_layout.pageSize);
    layOut(text);
}

PdfDocument::~PdfDocument() = default;

void PdfDocument::layOut(const QList<PdfParagraph> &text)
{
    m_paragraphs = text;
    const QSizeF slot = m_layout.columns.isEmpty() ? QSizeF() : m_layout.columns.first().size();
    QList<FlowLine> flowLines;
    for (int p = 0; p < text.size(); ++p) {
        const PdfParagraph &para = text.at(p);
        auto layout = std::make_unique<QTextLayout>(withHardBreaks(para.text), para.font(), m_device.get());
        layout->setTextOption(textOption());
        layout->beginLayout();
        QList<FlowLine> own;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(qMax(1.0, slot.width() - para.indent));
            // A set line height keeps the glyphs centred in it.
            const double height = para.lineHeight > 0 ? para.lineHeight * para.size : line.height();
            m_lines.append({p, line.lineNumber(), (height - line.height()) / 2});
            own.append({height, para.lineSpacing});
        }
        layout->endLayout();
        if (!own.isEmpty())
            own.last().gapAfter += para.spaceAfter;
        flowLines += own;
        m_layouts.push_back(std::move(layout));
    }
    const int maxColumns = m_layout.columns.isEmpty() ? 0 : m_layout.maxColumns;
    m_flow = flowColumns(flowLines, slot.height(), maxColumns);
}

int PdfDocument::pageCount() const
{
    return pagesFor(m_flow.columns, int(m_layout.columns.size()));
}

void PdfDocument::drawPage(QPainter &painter, int page) const
{
    const int perPage = int(m_layout.columns.size());
    for (int i = 0; i < m_flow.places.size(); ++i) {
        const FlowPlace &place = m_flow.places.at(i);
        if (perPage == 0 || place.column / perPage != page)
            continue;
        const QRectF slot = m_layout.columns.at(place.column % perPage);
        const Line &ref = m_lines.at(i);
        const PdfParagraph &para = m_paragraphs.at(ref.paragraph);
        const QTextLine line = m_layouts.at(ref.paragraph)->lineAt(ref.line);
        painter.setPen(para.color);
        line.draw(&painter, QPointF(slot.x() + para.indent, slot.y() + place.y + ref.shift) - line.position());
    }
    if (m_hook) {
        painter.save();
        m_hook(painter, page, pageCount());
        painter.restore();
    }
}

void PdfDocument::drawLine(QPainter &painter, const PdfParagraph &style, const QPointF &at)
{
    QTextLayout layout(style.text, style.font(), painter.device());
    QTextOption option = textOption();
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid())
        line.setLineWidth(1e6);
    layout.endLayout();
    if (!line.isValid())
        return;
    painter.save();
    painter.setPen(style.color);
    line.draw(&painter, at);
    painter.restore();
}

int PdfDocument::write(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw DBError(couldNotCreate());
    const int pages = pageCount();
    {
        QPdfWriter writer(&file);
        setUpWriter(writer, m_layout.pageSize);
        writer.setTitle(m_info.title);
        writer.setCreator(m_info.creator);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            throw DBError(couldNotCreate());
        }
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                writer.newPage();
            drawPage(painter, page);
        }
        painter.end();
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        throw DBError(couldNotCreate());
    return pages;
}

void PdfDocument::print(const QString &fileName) const
{
    const QString path = PdfPrint::tempPath(fileName);
    // An earlier print's file goes first: replacing a file whose name has
    // the longest length the folder takes needs a longer name beside it.
    QFile::remove(path);
    try {
        write(path);
    } catch (const DBError &e) {
        qCWarning(lcPdf, "The pages to print could not be written: %s", e.what());
        PdfPrint::beep();
        return;
    }
    QPdfDocument written;
    if (written.load(path) != QPdfDocument::Error::None || written.pageCount() < 1) {
        PdfPrint::beep();
        return;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setCreator(m_info.creator);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(m_layout.pageSize, QPageSize::Point, QString(), QPageSize::FuzzyMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    PdfPrint::proposeFile(printer, fileName);
    if (!PdfPrint::runDialog(printer))
        return;
    // The job and a printed PDF carry the document's own title.
    printer.setDocName(m_info.title);
    // Everything is drawn as vectors, so point units lose nothing.
    printer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&printer)) {
        PdfPrint::beep();
        return;
    }
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const int pages = qMin(written.pageCount(), pageCount());
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        const QSizeF size = written.pagePointSize(page);
        const bool turn = (size.width() > size.height()) != (paper.width() > paper.height());
        const QSizeF turned = turn ? size.transposed() : size;
        const double scale = qMin(paper.width() / turned.width(), paper.height() / turned.height());
        painter.save();
        painter.translate(paper.center());
        painter.scale(scale, scale);
        if (turn)
            painter.rotate(90);
        painter.translate(-size.width() / 2, -size.height() / 2);
        drawPage(painter, page);
        painter.restore();
    }
    painter.end();
}
