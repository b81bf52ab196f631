#pragma once
// The row in which the user types the money on hand: "Money on hand now:",
// a field and "Update". Only the button stores; a text that is not an amount
// shows a sentence beside the button and stores nothing, as does a change
// the store could not write. The field is filled from the plan when the row
// is made and afterwards only by Update, with the amount then stored, so a
// plan published meanwhile never replaces what is typed.

#include <QWidget>

class MoneyStore;
class QLabel;
class TLButton;
class TLField;

class CashEditor final : public QWidget
{
    Q_OBJECT
public:
    explicit CashEditor(MoneyStore &store, QWidget *parent = nullptr);

    TLField *field() const { return m_field; }
    TLButton *button() const { return m_button; }
    // The refusal sentence shown, "" when none.
    QString error() const;

    static QString refusal();

    // What pressing "Update" does.
    void update();

private:
    MoneyStore &m_store;
    TLField *m_field;
    TLButton *m_button;
    QLabel *m_error;
};
