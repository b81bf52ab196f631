#pragma once
// Fills the main window beside the sidebar with the screen the model names.
// It builds the screen afresh when the screen or the chosen state changes
// (one deferred rebuild; the old screen goes with deleteLater), so a control
// inside a screen may change either from its own signal. A screen follows
// other changes of the model (search text, guide chapter, My List) itself.
// Without reference data it shows only the error card. A window shown before
// the data was read builds its screen again once it is, unless the screen is
// home (which needs no data).

#include "app/Screen.h"

#include <QWidget>

class AppModel;
class QVBoxLayout;

class ScreenHost : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenHost(AppModel &model, QWidget *parent = nullptr);

    // The screen (or the error card) shown now.
    QWidget *current() const { return m_current; }
    bool showsErrorCard() const;
    int buildCount() const { return m_builds; }

    // The view for a screen: the one table from screens to views.
    static QWidget *buildScreen(AppModel &model, const Screen &screen);
    // The card shown instead of every screen when the reference data is missing.
    static QWidget *errorCard(const QString &loadError);
    // A screen's title as the sidebar and menus name it.
    static QString title(const Screen &screen);

    // Builds the content now (tests; normally deferred).
    void rebuildNow();

Q_SIGNALS:
    void rebuilt();

private:
    void scheduleRebuild();

    AppModel &m_model;
    QVBoxLayout *m_layout;
    QWidget *m_current = nullptr;
    double m_zoom;
    bool m_pending = false;
    int m_builds = 0;
};
