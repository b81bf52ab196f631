#pragma once
// The one control that chooses the US state: "Your state" over a pop-up of
// "Choose your state…" and the states of the reference data, bound both ways
// to the model's state code.

#include <QWidget>

class AppModel;
class QComboBox;

class StatePicker : public QWidget
{
    Q_OBJECT
public:
    explicit StatePicker(AppModel &model, QWidget *parent = nullptr);

    QComboBox *comboBox() const { return m_combo; }
    // The state code of each entry, in order ("" first).
    QStringList codes() const;

    // Shows the model's state: its entry, or no entry when the code is not listed.
    void sync();

private:
    // The first entry and one per state of the loaded data.
    void fill();

    AppModel &m_model;
    QComboBox *m_combo;
};
