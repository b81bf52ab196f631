#pragma once
// Keyboard use of the kit's and the application's own buttons: Return and
// Enter press a focused button, as Space does.

#include <QAbstractButton>
#include <QKeyEvent>

// Clicks `button` for Return or Enter without modifiers and says whether it
// did; a keyPressEvent passes the event on when it did not.
inline bool mbClickOnReturn(QAbstractButton *button, QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain || !button->isEnabled())
        return false;
    button->click();
    return true;
}
