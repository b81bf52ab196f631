#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <utility>

// The one error type of the data layer: the SQLite wrapper, the reference
// data loader and the stores all throw it. `description` is its text: the
// thrower's sentence, or for a SQLite failure SQLite's own words, which only
// the log shows. `cause` says what went wrong with the file, so that a store's
// error can be told to a person in plain words.
class DBError : public std::exception
{
public:
    enum class Cause {
        other,
        cannotOpen,  // the file or its folder could not be opened
        notOurs,     // damaged, not a database, or another program's file
        inUse,       // another connection holds the file
        cannotWrite, // read-only, full or refused by the disk
    };

    explicit DBError(QString text, Cause why = Cause::other)
        : description(std::move(text)), cause(why), m_utf8(description.toUtf8())
    {
    }

    const char *what() const noexcept override { return m_utf8.constData(); }

    QString description;
    Cause cause;

private:
    QByteArray m_utf8; // kept so what() never allocates
};
