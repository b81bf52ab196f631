#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <utility>

// The one error type of the data layer: the SQLite wrapper, the reference
// data loader and the stores all throw it. `description` is the sentence
// that is shown or quoted in load-error texts.
class DBError : public std::exception
{
public:
    explicit DBError(QString text)
        : description(std::move(text)), m_utf8(description.toUtf8())
    {
    }

    const char *what() const noexcept override { return m_utf8.constData(); }

    QString description;

private:
    QByteArray m_utf8; // kept so what() never allocates
};
