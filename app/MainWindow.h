#pragma once
// The main window's content: the emergency bar across the top, and under it
// the sidebar (250 points wide) beside the screen host. The window's
// background is the theme root's.

#include <QWidget>

class AppModel;
class EmergencyBar;
class ScreenHost;
class Sidebar;

class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(AppModel &model, QWidget *parent = nullptr);
    // The same on the application's model.
    explicit MainWindow(QWidget *parent = nullptr);

    AppModel &model() const { return m_model; }
    EmergencyBar *emergencyBar() const { return m_bar; }
    Sidebar *sidebar() const { return m_sidebar; }
    ScreenHost *screenHost() const { return m_host; }

    // How much of the window's width lies right of what its zoom host shows
    // (0 when all of it shows).
    int hiddenWidth() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void scheduleFit();
    void fitVisibleWidth();

    AppModel &m_model;
    QWidget *m_viewport = nullptr;
    bool m_fitPending = false;
    EmergencyBar *m_bar;
    Sidebar *m_sidebar;
    ScreenHost *m_host;
};
