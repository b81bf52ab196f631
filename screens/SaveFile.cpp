#include "screens/SaveFile.h"

#include "data/DBError.h"
#include "data/Replaceable.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "pdf/PdfPrint.h"
#include "screens/FileReveal.h"
#include "screens/FlowLayout.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QSaveFile>

namespace SaveFile {
namespace {

// Asked here, not by the dialog: Qt's own question reads markup in the
// file's name (a plan named "Sam <b>t</b>") as formatting.
bool mayReplace(QWidget *parent, const QString &title, const QString &path)
{
    QMessageBox question(QMessageBox::Warning, title,
                         QFileInfo(path).fileName()
                             + QStringLiteral(" already exists.\nDo you want to replace it?"),
                         QMessageBox::Yes | QMessageBox::No, parent);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

QString defaultDialog(QWidget *parent, const Request &request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.suffix);
    dialog.setDirectory(QFileInfo(request.suggestedPath).absolutePath());
    dialog.selectFile(QFileInfo(request.suggestedPath).fileName());
    // "No" to replacing goes back to the dialog, as it does in Qt's own.
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().first();
        if (!QFileInfo::exists(path) || mayReplace(parent, dialog.windowTitle(), path))
            return path;
    }
    return QString();
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

QWidget *buttonRow(const QString &printName, const std::function<void()> &print, const QList<Button> &saves)
{
    const TLPalette palette = TLPalette::current();
    auto *row = new QWidget;
    auto *layout = new FlowLayout(row, 10);
    auto *printButton = new TLButton(QStringLiteral("Print\u2026"), {palette.accent, palette.onAccent, true},
                                     QStringLiteral("printer.fill"));
    printButton->setObjectName(printName);
    QObject::connect(printButton, &QPushButton::clicked, row, print);
    QList<TLButton *> buttons{printButton};
    for (const Button &b : saves) {
        auto *button = new TLButton(b.format.button, {std::nullopt, std::nullopt, true}, b.format.symbol);
        button->setObjectName(b.name);
        QObject::connect(button, &QPushButton::clicked, row, b.clicked);
        buttons << button;
    }
    for (TLButton *button : buttons) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    return row;
}

QLabel *messageLine(const QString &name, const QString &text)
{
    QLabel *line = tlLabel(text, 12.5, FontWeight::Semibold, TLPalette::current().dim);
    line->setObjectName(name);
    return line;
}

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

std::optional<QString> saveAs(QWidget *parent, const QString &suggestedName, const Format &format,
                              const std::function<void(const QString &path)> &write)
{
    const QString path =
        ask(parent, {QDir(startFolder()).filePath(suggestedName), format.filter, format.suffix});
    if (path.isEmpty())
        return std::nullopt;
    QString outcome;
    try {
        write(path);
        FileReveal::reveal(path);
        outcome = QStringLiteral("Saved: ") + QFileInfo(path).fileName();
    } catch (const DBError &e) {
        outcome = QStringLiteral("Could not save: ") + e.description;
    }
    TLAnnouncer::say(parent, outcome);
    return outcome;
}

} // namespace SaveFile
