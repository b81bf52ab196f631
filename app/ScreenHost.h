#pragma once
// Fills the main window beside the sidebar with the screen the model names.
// Without reference data it shows only the error card. A window shown before
// the data was read builds its screen again once it is, unless the screen is
// home (which needs no data).
//
// How a screen lives in the host:
// - The host builds a screen (buildScreen) when the kind of screen changes
//   (home to search, an urgent need to a help topic, ...), and only then. The
//   build is deferred to the next turn of the event loop, so a control inside
//   a screen may change the screen from its own signal; the old screen goes
//   with deleteLater.
// - Moving to a screen of the same kind with another argument (one urgent
//   need to another, one help topic to another) keeps the screen and hands it
//   the new argument through ScreenView::setScreen, which changes the parts
//   that depend on the argument and keeps the rest (what the user typed,
//   where the page was scrolled). A screen that is no ScreenView is built
//   afresh instead.
// - A new chosen state, search text, guide chapter or My List never rebuilds
//   the screen: a screen that shows any of them connects to the model's
//   change signal itself (AppModel::stateCodeChanged, ...) and refreshes only
//   the parts that show it, so a typed note, the sheet's message or typed
//   Money Plan fields are never wiped.
//
// - After a move to another screen, and at start, the keyboard focus goes to
//   the new screen's page (MBKeyboard::markPage): Space and the arrow keys
//   scroll it, Tab goes on to its first control (at start, to the window's
//   first, "Call 911"). It never falls back to an emergency button.
//
// To add a screen: one case in buildScreen's switch (and its title).

#include "look/kit/MBDeferredCall.h"
#include "services/Screen.h"

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
    bool showsErrorCard() const { return m_showsErrorCard; }
    int buildCount() const { return m_builds; }

    // The view for a screen: the one table from screens to views.
    static QWidget *buildScreen(AppModel &model, const Screen &screen);
    // The card shown instead of every screen when the reference data is missing.
    static QWidget *errorCard(const QString &loadError);
    // The error card's title.
    static QString errorTitle();
    // A screen's title as the sidebar and menus name it.
    static QString title(const Screen &screen);
    // What a screen reader hears as the page takes the focus: the title, with
    // the chosen state where the page lists that state's help ("Food, Colorado").
    QString pageName(const Screen &screen) const;

    // Builds the content now (tests; normally deferred).
    void rebuildNow();

    // Hands `screen` to a screen of the same kind; false when the screen is
    // no ScreenView or cannot show it.
    static bool passArgument(QWidget *view, const Screen &screen);

Q_SIGNALS:
    void rebuilt();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Follows the model's screen: a new kind is built, a new argument passed.
    void follow();
    // Gives the focus to the current screen's page once it is shown.
    void settleFocus();
    // Names the current screen's page after `screen`.
    void namePage(const Screen &screen);

    AppModel &m_model;
    QVBoxLayout *m_layout;
    QWidget *m_current = nullptr;
    // The screen `m_current` shows (its argument as last passed).
    Screen m_shown;
    bool m_showsErrorCard = false;
    double m_zoom;
    // The one build a change of screen asks for.
    MBDeferredCall m_rebuild;
    bool m_focusPending = false;
    int m_builds = 0;
};
