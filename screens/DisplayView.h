#pragma once
// Text size & display: the text size, high contrast, the colour theme and the
// zoom of the whole window on one page. Every control writes its setting at
// once; the screen follows "tl.textSize", "mrby.theme" and "mrby.zoom"
// whoever changes them, so it always agrees with the menus.

#include "screens/SegmentedPicker.h"
#include "screens/ToggleBox.h"

#include <QWidget>

class QComboBox;
class QLabel;

class DisplayView : public QWidget
{
    Q_OBJECT
public:
    explicit DisplayView(QWidget *parent = nullptr);

    // "Zoom the whole window: 100%" for the stored zoom.
    static QString zoomLine();

    SegmentedPicker *textSizePicker() const { return m_textSize; }
    ToggleBox *highContrastToggle() const { return m_highContrast; }
    QComboBox *themePicker() const { return m_theme; }
    QLabel *zoomLabel() const { return m_zoomLabel; }
    QAbstractButton *smallerButton() const { return m_smaller; }
    QAbstractButton *actualSizeButton() const { return m_actual; }
    QAbstractButton *biggerButton() const { return m_bigger; }

    // Shows the stored settings.
    void refresh();

private:
    // Each makes its card and the controls it keeps.
    QWidget *textSizeCard();
    QWidget *themeCard();
    QWidget *zoomCard();

    SegmentedPicker *m_textSize;
    ToggleBox *m_highContrast;
    QComboBox *m_theme;
    QLabel *m_zoomLabel;
    QAbstractButton *m_smaller;
    QAbstractButton *m_actual;
    QAbstractButton *m_bigger;
};
