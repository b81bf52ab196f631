#pragma once
// The two places where printing meets the desktop, each replaceable so tests
// never open a modal window or make a sound: the print dialog and the beep
// that reports a failed print. Also where print files go.

#include <QString>

#include <functional>

class QPrinter;

namespace PdfPrint {

// Shows the print dialog for the printer; true when the user chose to print.
using Dialog = std::function<bool(QPrinter &printer)>;
using Beep = std::function<void()>;

// Each replaces the current function and returns the one it replaced; an
// empty function restores the default (QPrintDialog, QApplication::beep).
Dialog replaceDialog(Dialog dialog);
Beep replaceBeep(Beep beep);

bool runDialog(QPrinter &printer);
void beep();

// A file name made from data or typed text (a plan's name), for saving and
// for printing: "/", control characters and line breaks become "-", so it
// cannot leave the folder it is meant for; each '"' becomes "'", since Qt's
// file dialogs read quoted text as a list of files; and it is shortened
// before its extension to at most 255 bytes of UTF-8, so a file of any plan
// or state name can be written (a longer one, Return in the dialog refuses).
// Any other name stays as it is.
QString safeFileName(const QString &name);
// The file of that (made safe) name in the system's temporary folder.
QString tempPath(const QString &fileName);
// Makes the print dialog's "Print to File" propose that (made safe) name in
// the home folder, where it can be written.
void proposeFile(QPrinter &printer, const QString &fileName);

} // namespace PdfPrint
