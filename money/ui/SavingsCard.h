#pragma once
// The savings goal card: heading, progress bar and savings sentence, which
// follow the store's plan, and a form (what for, goal, saved so far) that is
// stored only by "Save goal". The form is filled from the plan when the card
// is made and replaced while it stands only when the store could not take
// a goal: it then shows the goal stored.

#include <QWidget>

class MoneyStore;
class QLabel;
class SavingsBar;
class TLCard;
class TLButton;
class TLField;

class SavingsCard final : public QWidget
{
    Q_OBJECT
public:
    explicit SavingsCard(MoneyStore &store, QWidget *parent = nullptr);

    TLField *nameField() const { return m_name; }
    TLField *goalField() const { return m_goal; }
    TLField *savedField() const { return m_saved; }
    TLButton *button() const { return m_button; }
    SavingsBar *bar() const { return m_bar; }
    QString heading() const;
    QString sentence() const;
    QString error() const;

    static QString refusal();
    // "Savings goal: " and the name, or "Savings goal".
    static QString headingText(const QString &goalName);

    // Shows the store's plan in the heading, bar and sentence.
    void refresh();
    // What pressing "Save goal" does.
    void save();

private:
    // The form as the plan has it.
    void fillForm();

    MoneyStore &m_store;
    TLCard *m_card;
    QLabel *m_heading;
    SavingsBar *m_bar;
    QLabel *m_sentence;
    TLField *m_name;
    TLField *m_goal;
    TLField *m_saved;
    TLButton *m_button;
    QLabel *m_error;
};
