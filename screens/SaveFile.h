#pragma once
// Saving a file the user names, the one way every screen does it: the kinds
// of file and their buttons, the row of Print and Save buttons, the save
// dialog (replaceable, so tests answer it), where it starts and the names it
// is offered, writing text whole or not at all, and the line that tells how
// a save went. The Resources Sheet and the Money Plan save through here.

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

namespace SaveFile {

// A kind of file: its button's title and symbol, and the dialog's name
// filter and suffix (without the dot).
struct Format
{
    QString button;
    QString symbol;
    QString filter;
    QString suffix;
};
inline const Format pdf{QStringLiteral("Save as PDF\u2026"), QStringLiteral("doc.richtext"),
                        QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf")};
inline const Format webPage{QStringLiteral("Save as web page\u2026"), QStringLiteral("globe"),
                            QStringLiteral("Web page (*.html)"), QStringLiteral("html")};
inline const Format plainText{QStringLiteral("Save as text\u2026"), QStringLiteral("doc.plaintext"),
                              QStringLiteral("Plain text (*.txt)"), QStringLiteral("txt")};
inline const Format csv{QStringLiteral("Save as CSV (spreadsheet)\u2026"), QStringLiteral("tablecells"),
                        QStringLiteral("CSV spreadsheet (*.csv)"), QStringLiteral("csv")};

// One save button: its kind of file, its object name and what a click does.
struct Button
{
    Format format;
    QString name;
    std::function<void()> clicked;
};

// "Print…" in the accent colour (named `printName`), then the save buttons,
// outlined; they wrap onto more rows in a narrow window. None of them is a
// default button.
QWidget *buttonRow(const QString &printName, const std::function<void()> &print, const QList<Button> &saves);

// The line that tells how the last save went, in the secondary text colour.
QLabel *messageLine(const QString &name, const QString &text);

// What the save dialog is asked: a suggested file (folder and name), the
// kind's name filter and its suffix.
struct Request
{
    QString suggestedPath;
    QString filter;
    QString suffix;
};
// Answers the chosen path, or "" when the user cancels.
using Dialog = std::function<QString(QWidget *parent, const Request &request)>;

// Replaces the dialog and returns the one it replaced; an empty function
// restores the default QFileDialog.
Dialog replaceDialog(Dialog dialog);
// Runs the dialog; a chosen path's folder becomes the start folder.
QString ask(QWidget *parent, const Request &request);

// Where every save dialog starts: the folder of the file last chosen in
// this session, whatever was saved there, or the home folder before the
// first save (or when that folder is gone).
QString startFolder();

// Writes `text` as UTF-8 through QSaveFile: the file is replaced only once
// every byte is written. Throws DBError with a sentence and the reason.
void writeText(const QString &path, const QString &text);

// Asks for a file, `suggestedName` in the start folder, and writes it with
// `write`, which throws DBError when it cannot. Answers the line that tells
// how it went: "Saved: " and the file's name, the file then shown in the
// file manager, or "Could not save: " and why; nothing when the user
// cancelled the dialog.
std::optional<QString> saveAs(QWidget *parent, const QString &suggestedName, const Format &format,
                              const std::function<void(const QString &path)> &write);

} // namespace SaveFile
