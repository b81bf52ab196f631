#pragma once
// The one settings store of the application: one INI file through QSettings.
// Every write goes through here so that views can follow a key with changed().

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <optional>

class Prefs final : public QObject
{
    Q_OBJECT
public:
    // The process-wide store (created on first use, lives until exit).
    static Prefs &shared();

    bool contains(const QString &key) const;
    QVariant value(const QString &key) const;

    // Typed reads in the manner of a defaults store: an absent key or a value
    // that is not of the type gives the fallback (0, 0.0, empty, none).
    std::optional<QString> string(const QString &key) const;
    int integer(const QString &key) const;
    double number(const QString &key) const;

    // Writes emit changed(key) after the value is stored, also when the
    // value is the same as before.
    void setString(const QString &key, const QString &value);
    void setInteger(const QString &key, int value);
    void setNumber(const QString &key, double value);
    // Stores a value exactly as value() returned it (putting a key back).
    void setValue(const QString &key, const QVariant &value);
    void remove(const QString &key);

    // Removes every key (tests start from an empty store).
    void clear();

    // Path of the INI file.
    QString fileName() const;

Q_SIGNALS:
    void changed(const QString &key);

private:
    Prefs();
    QSettings m_settings;
};
