#pragma once
// The kit's search field: a magnifying glass, a borderless text field with
// its placeholder, and a clear button while there is any text, in a dark
// capsule well, ringed while the field has the focus. The caller follows the
// text through textChanged().

#include <QWidget>

class QLineEdit;
class QAbstractButton;
class MBSymbolView;

class MBSearchField : public QWidget
{
    Q_OBJECT
public:
    MBSearchField(const QString &prompt, const QString &text = {}, QWidget *parent = nullptr);

    QString text() const;
    // Writes the text; textChanged() follows when it differs.
    void setText(const QString &text);
    QString prompt() const;

    QLineEdit *lineEdit() const { return m_edit; }
    QAbstractButton *clearButton() const { return m_clear; }

Q_SIGNALS:
    // Every edit, and the clear button, report the new text at once.
    void textChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyColors();
    void syncClearButton();

    QLineEdit *m_edit;
    QAbstractButton *m_clear;
    double m_zoom;
    MBSymbolView *m_glass;
};
