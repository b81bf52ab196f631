#pragma once

#include <QNetworkInformation>
#include <QObject>

// Whether the network is reachable, so web links and videos can say that
// they need internet. Calls and texts never depend on it. Everything counts
// as online until the first report, and when no network backend loads.
class NetStatus final : public QObject
{
    Q_OBJECT
public:
    // The one watcher the application uses; made on first use, never destroyed.
    static NetStatus &shared();

    // A watcher of its own (tests); the application uses shared().
    explicit NetStatus(QObject *parent = nullptr);

    bool online() const { return m_online; }
    bool started() const { return m_started; }

    // Begins watching through QNetworkInformation and takes its current state
    // as the first report. A second call does nothing. When no backend
    // loads, nothing is watched and online() stays true.
    void start();

    // One report of the network's state: Online and Unknown count as online,
    // every other state as offline. Every report assigns and emits
    // onlineChanged, also when the value did not change.
    void report(QNetworkInformation::Reachability reachability);

    static bool countsAsOnline(QNetworkInformation::Reachability reachability);

Q_SIGNALS:
    void onlineChanged(bool online);

private:
    bool m_online = true;
    bool m_started = false;
};
