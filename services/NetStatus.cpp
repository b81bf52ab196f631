#include "services/NetStatus.h"

NetStatus &NetStatus::shared()
{
    static NetStatus *instance = new NetStatus; // lives until the process ends
    return *instance;
}

NetStatus::NetStatus(QObject *parent) : QObject(parent) {}

void NetStatus::start()
{
    if (m_started)
        return;
    m_started = true;

    if (!QNetworkInformation::instance()
        && !QNetworkInformation::loadDefaultBackend()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    QNetworkInformation *info = QNetworkInformation::instance();
    if (!info || !info->supports(QNetworkInformation::Feature::Reachability))
        return;

    // Reports may come from the backend's own thread; the connection's
    // context object brings them to this object's (the main) thread.
    connect(info, &QNetworkInformation::reachabilityChanged, this, &NetStatus::report);
    report(info->reachability());
}

void NetStatus::report(QNetworkInformation::Reachability reachability)
{
    m_online = countsAsOnline(reachability);
    Q_EMIT onlineChanged(m_online);
}

bool NetStatus::countsAsOnline(QNetworkInformation::Reachability reachability)
{
    switch (reachability) {
    case QNetworkInformation::Reachability::Online:
    case QNetworkInformation::Reachability::Unknown:
        return true;
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
        return false;
    }
    return true;
}
