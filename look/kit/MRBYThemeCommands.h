#pragma once
// The "Theme" menu: every registered theme by name, the current one checked
// (none when the stored id names no theme); choosing one stores its id.

#include <QMenu>

class QActionGroup;

class MRBYThemeCommands : public QMenu
{
    Q_OBJECT
public:
    explicit MRBYThemeCommands(QWidget *parent = nullptr);

    // Lists the registry as it stands now (also done each time the menu opens).
    void rebuild();
    // Moves the check mark to the stored (or default) id.
    void syncChecks();

    // The item of a theme id, if listed.
    QAction *actionFor(const QString &id) const;

private:
    QActionGroup *m_group = nullptr;
};
