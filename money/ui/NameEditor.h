#pragma once
// The name on the plan: "Name on the plan (optional):", a field filled from
// the plan when the row is made, and "Save name", which stores the text as
// typed (the store trims it).
// There is no confirmation. A failed write says so beside the button and
// the field shows the name stored.

#include <QWidget>

class MoneyStore;
class QLabel;
class TLButton;
class TLField;

class NameEditor final : public QWidget
{
    Q_OBJECT
public:
    explicit NameEditor(MoneyStore &store, QWidget *parent = nullptr);

    TLField *field() const { return m_field; }
    TLButton *button() const { return m_button; }
    // The sentence shown beside the button, "" when none.
    QString error() const;

    // What pressing "Save name" does.
    void save();

private:
    MoneyStore &m_store;
    TLField *m_field;
    TLButton *m_button;
    QLabel *m_error;
};
