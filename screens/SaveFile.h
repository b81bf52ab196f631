#pragma once
// Saving a file the user names: the save dialog (replaceable, so tests answer
// it), where it starts, and writing text whole or not at all. The Resources
// Sheet and the Money Plan save through here.

#include <QString>

#include <functional>

class QWidget;

namespace SaveFile {

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

} // namespace SaveFile
