#pragma once
// The form at the foot of an entries card that adds one line of the card's
// kind: Kind, "What is it? (optional)", Amount, How often, and "Add". What
// is typed and chosen lives in the form's own controls, which stay while
// the lists above them are redrawn; only "Add" stores.

#include "money/MoneyFrequency.h"
#include "money/MoneyKind.h"

#include <QWidget>

class MoneyStore;
class QLabel;
class SegmentedPicker;
class TLButton;
class TLField;
class TLPopUp;

class EntryForm final : public QWidget
{
    Q_OBJECT
public:
    EntryForm(MoneyKind kind, MoneyStore &store, QWidget *parent = nullptr);

    TLPopUp *kindPicker() const { return m_category; }
    TLField *labelField() const { return m_label; }
    TLField *amountField() const { return m_amount; }
    SegmentedPicker *frequencyPicker() const { return m_frequency; }
    TLButton *button() const { return m_button; }

    // The chosen category id and frequency, and the refusal shown ("" when none).
    QString category() const;
    MoneyFrequency frequency() const;
    QString error() const;

    static QString refusal();

    // What pressing "Add" does.
    void add();

private:
    MoneyKind m_kind;
    MoneyStore &m_store;
    TLPopUp *m_category;
    TLField *m_label;
    TLField *m_amount;
    SegmentedPicker *m_frequency;
    TLButton *m_button;
    QLabel *m_error;
};
