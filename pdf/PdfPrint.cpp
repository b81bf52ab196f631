#include "pdf/PdfPrint.h"

#include "data/Replaceable.h"

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

namespace PdfPrint {
namespace {

bool defaultDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
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
    for (QChar &c : safe) {
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'-';
    }
    // A name alone must name a file inside the folder, never the folder or its parent.
    if (safe.isEmpty() || safe == QLatin1String(".") || safe == QLatin1String(".."))
        safe = QStringLiteral("-");
    return safe;
}

QString tempPath(const QString &fileName)
{
    return QDir(QDir::tempPath()).filePath(safeFileName(fileName));
}

} // namespace PdfPrint
