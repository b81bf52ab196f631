#pragma once
// One emergency action as a capsule in its fixed colour (red for 911, blue for
// 988, green for 211) with a white symbol, title and subtitle. Pressing it runs
// `tap` (a click, or Space, Return or Enter while it has the focus); a run of
// clicks is one press (MBClickRun). It takes the keyboard focus only when the
// person moves it there (Tab, Shift+Tab, a click), and shows its ring while it
// has it.

#include "services/EmergencyAction.h"

#include <QAbstractButton>
#include <QColor>
#include <QFont>

#include <functional>

class EmergencyButton : public QAbstractButton
{
    Q_OBJECT
public:
    using Tap = std::function<void()>;

    EmergencyButton(EmergencyAction action, Tap tap, QWidget *parent = nullptr);

    EmergencyAction action() const { return m_action; }
    const Tap &tap() const { return m_tap; }

    // The action's fixed colour.
    static QColor colorFor(EmergencyAction action);
    QColor color() const { return colorFor(m_action); }

    // The capsule's border as drawn now: white, opaque and 2 points wide in
    // high contrast, else at opacity 0.35 and 1 point wide.
    QColor borderColor() const;
    double borderWidth() const;

    // The size at the zoom and text size it was built with, and the size
    // drawn now: that size times the shrink factor (at most 1) that a bar
    // too narrow for four whole buttons gives them.
    QSize fullSize() const;
    double shrink() const { return m_shrink; }
    void setShrink(double factor);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRectF capsuleRect() const;

    EmergencyAction m_action;
    Tap m_tap;
    QFont m_symbolFont;
    QFont m_titleFont;
    QFont m_subtitleFont;
    double m_zoom;
    double m_padX;
    double m_padY;
    double m_gap;
    QMargins m_shadow;
    double m_shrink = 1.0;
};
