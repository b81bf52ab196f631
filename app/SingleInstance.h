#pragma once
// Keeps one running instance per user: the first process listens on a local
// socket named after the application id and the user; a later process asks it
// to bring its window to the front and then ends.

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    // `name` defaults to serverName().
    explicit SingleInstance(const QString &name = serverName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // The application id followed by the user's name, in the user's runtime
    // folder when there is one.
    static QString serverName();

    // True when another instance answered and was asked to come forward.
    bool activateRunning(int timeoutMs = 1500);

    // Starts listening (removing a socket left by a process that died);
    // false when that fails.
    bool listen();
    bool isListening() const;

Q_SIGNALS:
    // Another process asked this one to show its window.
    void raiseRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
