#include "widgets/TLPopUp.h"

#include <QWheelEvent>

TLPopUp::TLPopUp(QWidget *parent) : QComboBox(parent)
{
    // Focus comes from a click or the keyboard, not from a passing wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void TLPopUp::wheelEvent(QWheelEvent *event)
{
    // Ignored, so the scroll area around the pop-up gets it.
    event->ignore();
}
