#pragma once
// The application's own first menu, titled with its name: "About <name>",
// "Marrowby Website" and "Quit" (Ctrl+Q).

#include <QMenu>

class MRBYAppMenuCommands : public QMenu
{
    Q_OBJECT
public:
    explicit MRBYAppMenuCommands(QWidget *parent = nullptr);

    // Titles follow the application name as it stands now (also done each
    // time the menu opens).
    void refreshTitles();

    QAction *aboutAction() const { return m_about; }
    QAction *websiteAction() const { return m_website; }
    QAction *quitAction() const { return m_quit; }

    // What Quit does: close every window (each may refuse), then end the
    // event loop when none refused.
    static void quit();

private:
    QAction *m_about;
    QAction *m_website;
    QAction *m_quit;
};
