#pragma once
// The name on the plan: "Name on the plan (optional):", a field filled from
// the plan when the row is made, and "Save name", which stores the text as
// typed (the store trims it).
// There is no confirmation; a failed write beeps.

#include <QWidget>

class MoneyStore;
class TLButton;
class TLField;

class NameEditor final : public QWidget
{
    Q_OBJECT
public:
    explicit NameEditor(MoneyStore &store, QWidget *parent = nullptr);

    TLField *field() const { return m_field; }
    TLButton *button() const { return m_button; }

    // What pressing "Save name" does.
    void save();

private:
    MoneyStore &m_store;
    TLField *m_field;
    TLButton *m_button;
};
