#pragma once
// The emergency bar at the top of the main window and of the help window:
// the four emergency buttons, and after a tap a note that says what should
// happen now and what to do if nothing happens. Each window keeps its own
// note until OK, through rebuilds of its content. A press (click, Return or
// Space) gives the keyboard focus to the note's OK, so the next key cannot
// call again; OK (or Esc there) gives it to the page.
// The bar never asks for more width than it gets: at any window size, zoom
// and text size its four buttons stay whole and in view.

#include "services/EmergencyAction.h"

#include <QList>
#include <QWidget>

#include <optional>

class EmergencyButton;
class MBLink;
class QAbstractButton;
class QBoxLayout;
class QLabel;

class EmergencyBar : public QWidget
{
    Q_OBJECT
public:
    explicit EmergencyBar(QWidget *parent = nullptr);

    // The action tapped last, or none.
    std::optional<EmergencyAction> note() const { return m_note; }
    // Shows (or, with none, hides) the note row for an action.
    void setNote(std::optional<EmergencyAction> action);
    // What a button does: note the action, focus OK, then perform it.
    void tap(EmergencyAction action);
    // What OK does: the note goes, and the focus on it goes to the page.
    void dismissNote();
    // The next bar built in `window` starts without a note.
    static void forgetNote(QWidget *window);

    QList<EmergencyButton *> buttons() const { return m_buttons; }
    QWidget *noteRow() const { return m_noteRow; }
    QLabel *noteLabel() const { return m_noteLabel; }
    MBLink *chatLink() const { return m_chatLink; }
    QAbstractButton *okButton() const { return m_ok; }

    // The bottom line's height in points: 2 in high contrast, else 1.
    static double bottomLineHeight();

    // The greeting's two lines (hidden while the bar is too narrow for them).
    QWidget *caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The greeting and the buttons; the note row, hidden until a tap.
    QBoxLayout *buildTopRow();
    QWidget *buildNoteRow();
    // Fits the top row to the bar's width: the greeting gives way first,
    // then the buttons shrink together; they are never cut or hidden.
    void fitWidth();

    std::optional<EmergencyAction> m_note;
    QList<EmergencyButton *> m_buttons;
    QWidget *m_noteRow = nullptr;
    QLabel *m_noteLabel = nullptr;
    MBLink *m_chatLink = nullptr;
    QAbstractButton *m_ok = nullptr;
    QBoxLayout *m_top = nullptr;
    QBoxLayout *m_buttonRow = nullptr;
    QWidget *m_caption = nullptr;
    int m_minimumGap = 0;
    double m_zoom;
};
