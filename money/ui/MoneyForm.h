#pragma once
// The shared layout of the Money Plan's forms: captioned controls side by
// side that wrap onto more rows on a narrow card, and the row of a form's
// button with its refusal sentence.

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace MoneyForm {

// An empty row of form columns, `spacing` points apart.
QWidget *flow(double spacing);
// Appends a column: the caption (small, bold, dim) above the control, which
// takes the caption as its accessible name and its label.
void addColumn(QWidget *flow, const QString &caption, QWidget *control);
// The button, then the sentence (hidden while empty), at the leading edge.
QWidget *buttonRow(QWidget *button, QLabel *sentence);
// Lays `parts` out on `owner` side by side, `spacing` points apart and
// centred on their line, wrapping onto more lines on a narrow card.
void wrappingRow(QWidget *owner, double spacing, const QList<QWidget *> &parts);

} // namespace MoneyForm
