#include "screens/SaveFile.h"

#include "data/DBError.h"
#include "data/Replaceable.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace SaveFile {
namespace {

QString defaultDialog(QWidget *parent, const Request &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.suffix);
    dialog.setDirectory(QFileInfo(request.suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(request.suggestedPath).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

Replaceable<Dialog> &dialogFunction()
{
    static Replaceable<Dialog> dialog(defaultDialog);
    return dialog;
}

// Where the last file chosen in this session went; "" before the first.
QString &lastFolder()
{
    static QString folder;
    return folder;
}

} // namespace

Dialog replaceDialog(Dialog dialog)
{
    return dialogFunction().replace(std::move(dialog));
}

QString ask(QWidget *parent, const Request &request)
{
    const QString path = dialogFunction()(parent, request);
    if (!path.isEmpty())
        lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

QString startFolder()
{
    const QString last = lastFolder();
    return !last.isEmpty() && QDir(last).exists() ? last : QDir::homePath();
}

void writeText(const QString &path, const QString &text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    const QString reason = file.errorString();
    throw DBError(reason.isEmpty() ? QStringLiteral("The file could not be written.")
                                   : QStringLiteral("The file could not be written (") + reason
                                         + QStringLiteral(")."));
}

} // namespace SaveFile
