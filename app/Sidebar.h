#pragma once
// The left column of the main window: the app's name, the state picker, one
// row per place the user can go (grouped under four section titles), the Help
// row and the maker's credit link. The row of the model's current screen is
// highlighted; the sidebar follows the screen without being rebuilt.

#include "look/kit/MBDeferredCall.h"
#include "services/Screen.h"

#include <QAbstractButton>
#include <QFont>
#include <QList>
#include <QWidget>

#include <optional>

class AppModel;
class MBLink;
class QLabel;
class StatePicker;
class TLScroll;

// One row: a symbol in a 22-point column and a title that wraps; selected, it
// is a rounded block of the accent colour with the title in bold.
class SidebarRow : public QAbstractButton
{
    Q_OBJECT
public:
    SidebarRow(const QString &title, const QString &icon, std::optional<Screen> screen,
               QWidget *parent = nullptr);

    QString title() const { return m_title; }
    QString icon() const { return m_icon; }
    // The screen the row leads to; none for the Help row.
    std::optional<Screen> screen() const { return m_screen; }
    bool selected() const { return m_selected; }
    void setSelected(bool selected);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
    QString m_icon;
    std::optional<Screen> m_screen;
    bool m_selected = false;
    QLabel *m_label;
    QFont m_regular;
    QFont m_bold;
    double m_radius;
    double m_zoom;
};

class Sidebar : public QWidget
{
    Q_OBJECT
public:
    explicit Sidebar(AppModel &model, QWidget *parent = nullptr);

    // The rows that lead to a screen, in order (the Help row is not among them).
    QList<SidebarRow *> rows() const { return m_rows; }
    SidebarRow *helpRow() const { return m_help; }
    StatePicker *statePicker() const { return m_picker; }
    MBLink *creditLink() const { return m_credit; }
    // Titles of the highlighted rows (at most one).
    QStringList highlightedTitles() const;

    // Highlights the row of the model's screen.
    void refreshHighlight();

protected:
    void showEvent(QShowEvent *event) override;

private:
    SidebarRow *item(const Screen &screen, const QString &title, const QString &icon);
    // Scrolls to where the window's sidebar was before it was built afresh.
    void restoreScroll();

    AppModel &m_model;
    QList<SidebarRow *> m_rows;
    SidebarRow *m_help = nullptr;
    StatePicker *m_picker = nullptr;
    MBLink *m_credit = nullptr;
    TLScroll *m_scroll = nullptr;
    // Room kept above and below a row scrolled into view, at the build's zoom.
    int m_revealMargin;
    MBDeferredCall m_restoreScroll;
};
