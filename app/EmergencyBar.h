#pragma once
// The emergency bar at the top of the main window and of the help window:
// the four emergency buttons, and after a tap a note that says what should
// happen now and what to do if nothing happens. Each bar keeps its own note.

#include "app/EmergencyAction.h"

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
    // What a button does: note the action, then perform it.
    void tap(EmergencyAction action);

    QList<EmergencyButton *> buttons() const { return m_buttons; }
    QWidget *noteRow() const { return m_noteRow; }
    QLabel *noteLabel() const { return m_noteLabel; }
    MBLink *chatLink() const { return m_chatLink; }
    QAbstractButton *okButton() const { return m_ok; }

    // The bottom line's height in points: 2 in high contrast, else 1.
    static double bottomLineHeight();

    // Extra room (pixels) kept free at the trailing edge, so the buttons and
    // the note stay in the part of the bar a zoomed window shows; a row gets
    // only as much of it as it can spare without squeezing its buttons.
    void setTrailingInset(int pixels);
    int trailingInset() const { return m_trailingInset; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The greeting and the buttons; the note row, hidden until a tap.
    QBoxLayout *buildTopRow();
    QWidget *buildNoteRow();

    std::optional<EmergencyAction> m_note;
    QList<EmergencyButton *> m_buttons;
    QWidget *m_noteRow = nullptr;
    QLabel *m_noteLabel = nullptr;
    MBLink *m_chatLink = nullptr;
    QAbstractButton *m_ok = nullptr;
    QBoxLayout *m_top = nullptr;
    QBoxLayout *m_noteHolder = nullptr;
    double m_zoom;
    int m_trailingInset = 0;
};
