#pragma once
// Reads a PDF back with Poppler's pdftotext, a reader other than the Qt
// writer that made it: what a person gets when they search or copy the file.

#include "pdf/PdfPrint.h"

#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QtTest>

#include <functional>

namespace pdftext {

// The text of every page in the order it was drawn (pdftotext -raw), one
// laid-out line a line, pages ended by a form feed; "" when it cannot be read.
inline QString read(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Runs `print` with its print dialog answered as "Print to File" at `path`,
// and returns how often it beeped.
inline int printToFile(const std::function<void()> &print, const QString &path)
{
    const auto oldDialog = PdfPrint::replaceDialog([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    int beeps = 0;
    const auto oldBeep = PdfPrint::replaceBeep([&] { ++beeps; });
    print();
    PdfPrint::replaceDialog(oldDialog);
    PdfPrint::replaceBeep(oldBeep);
    return beeps;
}

// The lines of the text, without the page breaks.
inline QStringList lines(const QString &text)
{
    QString plain = text;
    plain.replace(u'\f', u'\n');
    return plain.split(u'\n');
}

// Ligature characters (U+FB00 to U+FB06) that a search for the words misses.
inline bool hasLigatures(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0xFB00 && c.unicode() <= 0xFB06)
            return true;
    }
    return false;
}

// The text with every white space removed: the words as written, whatever
// the columns made of the lines. Variation selectors go too: they choose how
// a sign is drawn and are not text a reader gives back.
inline QString squeezed(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (!c.isSpace() && !(c.unicode() >= 0xFE00 && c.unicode() <= 0xFE0F))
            out += c;
    }
    return out;
}

} // namespace pdftext
