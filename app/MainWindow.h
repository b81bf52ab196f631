#pragma once
// The main window's content: the emergency bar across the top, and under it
// the sidebar (250 points wide) beside the screen host. The window's
// background is the theme root's. Inside a zoom host the bar is pinned above
// the scrolling area, so it never scrolls away.

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

private:
    AppModel &m_model;
    EmergencyBar *m_bar;
    Sidebar *m_sidebar;
    ScreenHost *m_host;
};
