#pragma once
// The application's pop-up menu button. The mouse wheel over it scrolls the
// page or the sidebar around it and never changes the choice: a wheel passing
// over the state or theme pop-up must not pick another state or theme.

#include <QComboBox>

class TLPopUp : public QComboBox
{
    Q_OBJECT
public:
    explicit TLPopUp(QWidget *parent = nullptr);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
