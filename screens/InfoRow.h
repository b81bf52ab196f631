#pragma once
// One labelled fact of a listing card: the label small, bold and dim, the
// value under it, wrapping onto every line it needs, selectable to copy.
// Both are shown exactly as given.

#include <QWidget>

class QLabel;

class InfoRow final : public QWidget
{
    Q_OBJECT
public:
    InfoRow(const QString &label, const QString &value, QWidget *parent = nullptr);

    QLabel *labelLabel() const { return m_label; }
    QLabel *valueLabel() const { return m_value; }

private:
    QLabel *m_label;
    QLabel *m_value;
};
