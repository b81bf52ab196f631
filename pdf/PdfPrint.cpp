#include "pdf/PdfPrint.h"

#include "data/Replaceable.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBoundaryFinder>

namespace PdfPrint {
namespace {

// Qt's print dialog asks before it prints over a file, and its question reads
// markup in the file's name (a plan named "Sam-Lee <b>t</b>") as formatting:
// while the dialog is open, its questions show their text as it is.
class PlainQuestions final : public QObject
{
public:
    explicit PlainQuestions(QDialog *dialog) : m_dialog(dialog) { qApp->installEventFilter(this); }
    ~PlainQuestions() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto *question = qobject_cast<QMessageBox *>(object);
                question && question->parentWidget() && question->parentWidget()->window() == m_dialog)
                question->setTextFormat(Qt::PlainText);
        return false;
    }

private:
    QDialog *m_dialog;
};

bool defaultDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    const PlainQuestions plain(&dialog);
    return dialog.exec() == QDialog::Accepted;
}

Replaceable<Dialog> &dialogFunction()
{
    static Replaceable<Dialog> function(defaultDialog);
    return function;
}

void defaultBeep()
{
    QApplication::beep();
}

Replaceable<Beep> &beepFunction()
{
    static Replaceable<Beep> function(defaultBeep);
    return function;
}

// The longest file name, in bytes, that the usual Linux file systems take.
constexpr qsizetype maxNameBytes = 255;
// A dot this close to the end starts the extension, which a shortened name keeps.
constexpr qsizetype maxExtension = 8;

// The name cut, between whole characters (a letter with its accents, an
// emoji with its joiners), until it fits with its extension.
QString fitted(const QString &name)
{
    if (name.toUtf8().size() <= maxNameBytes)
        return name;
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot > 0 && name.size() - dot <= maxExtension ? name.mid(dot) : QString();
    const QString stem = name.left(name.size() - extension.size());
    const qsizetype room = maxNameBytes - extension.toUtf8().size();
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, stem);
    qsizetype end = 0;
    qsizetype bytes = 0;
    for (qsizetype next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
        bytes += QStringView(stem).sliced(end, next - end).toUtf8().size();
        if (bytes > room)
            break;
        end = next;
    }
    return (end > 0 ? stem.left(end) : QStringLiteral("-")) + extension;
}

} // namespace

Dialog replaceDialog(Dialog dialog)
{
    return dialogFunction().replace(std::move(dialog));
}

Beep replaceBeep(Beep beep)
{
    return beepFunction().replace(std::move(beep));
}

bool runDialog(QPrinter &printer)
{
    return dialogFunction()(printer);
}

void beep()
{
    beepFunction()();
}

QString safeFileName(const QString &name)
{
    QString safe = name;
    // Qt's file dialogs read quoted text as a list of files.
    safe.replace(u'"', u'\'');
    for (QChar &c : safe) {
        const QChar::Category kind = c.category();
        if (c == u'/' || kind == QChar::Other_Control || kind == QChar::Separator_Line
            || kind == QChar::Separator_Paragraph)
            c = u'-';
    }
    safe = fitted(safe);
    // A name alone must name a file inside the folder, never the folder or its parent.
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("-");
    return safe;
}

QString tempPath(const QString &fileName)
{
    return QDir(QDir::tempPath()).filePath(safeFileName(fileName));
}

void proposeFile(QPrinter &printer, const QString &fileName)
{
    const QString name = safeFileName(fileName);
    // Qt's dialog makes its proposal from the document name (on X11), so
    // that name must not hold a "/" that leads into a missing folder.
    printer.setDocName(name);
    // With no printer, printing to a file is the only choice, and elsewhere
    // the dialog would propose the folder alone, which cannot be written.
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        printer.setOutputFileName(QDir::home().filePath(name));
}

} // namespace PdfPrint
