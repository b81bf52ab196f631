#pragma once
// A data folder that can be read and not written, as on a disk mounted
// read-only or a folder without write permission: the stores open and read,
// and every write fails.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QString>

namespace readonlyfolder {

// Makes the folder and every file in it read-only. Root writes whatever the
// permissions say, so then each SQLite file is also marked as one that
// SQLite may read and not write (a file format write version above 2).
inline bool lock(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files) {
        if (!QFile::setPermissions(file.filePath(), QFile::ReadOwner))
            return false;
    }
    if (!QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner))
        return false;
    if (!QFileInfo(folder).isWritable())
        return true;
    for (const QFileInfo &file : files) {
        QFile f(file.filePath());
        if (!f.open(QIODevice::ReadWrite))
            return false;
        if (f.peek(16) != QByteArray("SQLite format 3\0", 16))
            continue;
        if (!f.seek(18) || f.write("\x03") != 1)
            return false;
    }
    return true;
}

// Gives the folder back, so that it can be removed.
inline void unlock(const QString &folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files))
        QFile::setPermissions(file.filePath(), QFile::ReadOwner | QFile::WriteOwner);
}

// Every file of the folder with its bytes.
inline QHash<QString, QByteArray> contents(const QString &folder)
{
    QHash<QString, QByteArray> out;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile f(file.filePath());
        out.insert(file.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
    }
    return out;
}

} // namespace readonlyfolder
