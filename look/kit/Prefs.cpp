#include "look/kit/Prefs.h"

#include <QLocale>
#include <QStandardPaths>
#include <cmath>

namespace {
QString settingsPath()
{
    // GenericConfigLocation follows XDG_CONFIG_HOME, which the tests point at a
    // temporary folder.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/tenterly/tenterly.ini");
}
} // namespace

Prefs &Prefs::shared()
{
    static Prefs *instance = new Prefs; // never destroyed: widgets may read it during exit
    return *instance;
}

Prefs::Prefs() : m_settings(settingsPath(), QSettings::IniFormat) {}

bool Prefs::contains(const QString &key) const { return m_settings.contains(key); }

QVariant Prefs::value(const QString &key) const { return m_settings.value(key); }

std::optional<QString> Prefs::string(const QString &key) const
{
    const QVariant v = m_settings.value(key);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

int Prefs::integer(const QString &key) const
{
    bool ok = false;
    const QString text = m_settings.value(key).toString().trimmed();
    const int n = text.toInt(&ok);
    if (ok)
        return n;
    const double d = text.toDouble(&ok);
    if (ok && std::isfinite(d) && d >= -2147483648.0 && d <= 2147483647.0)
        return int(d);
    return 0;
}

double Prefs::number(const QString &key) const
{
    bool ok = false;
    // Numbers are kept as C-locale text, so the INI file stays readable.
    const double d = m_settings.value(key).toString().trimmed().toDouble(&ok);
    return ok ? d : 0.0;
}

void Prefs::setString(const QString &key, const QString &value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
    Q_EMIT changed(key);
}

void Prefs::setInteger(const QString &key, int value)
{
    m_settings.setValue(key, QString::number(value));
    m_settings.sync();
    Q_EMIT changed(key);
}

void Prefs::setNumber(const QString &key, double value)
{
    m_settings.setValue(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
    m_settings.sync();
    Q_EMIT changed(key);
}

void Prefs::setValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    m_settings.sync();
    Q_EMIT changed(key);
}

void Prefs::remove(const QString &key)
{
    m_settings.remove(key);
    m_settings.sync();
    Q_EMIT changed(key);
}

void Prefs::clear()
{
    const QStringList keys = m_settings.allKeys();
    m_settings.clear();
    m_settings.sync();
    for (const QString &k : keys)
        Q_EMIT changed(k);
}

QString Prefs::fileName() const { return m_settings.fileName(); }
