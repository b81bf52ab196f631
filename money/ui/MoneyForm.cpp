#include "money/ui/MoneyForm.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "screens/FlowLayout.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace MoneyForm {

QWidget *flow(double spacing)
{
    auto *row = new QWidget;
    new FlowLayout(row, spacing);
    return row;
}

void addColumn(QWidget *flow, const QString &caption, QWidget *control)
{
    auto *column = new QWidget;
    auto *layout = mbColumn(column, ipx(3));
    QLabel *label = tlLabel(caption, 11.5, FontWeight::Bold, TLPalette::current().dim, false);
    layout->addWidget(label);
    layout->addWidget(control, 0, Qt::AlignLeft);
    // A screen reader names the control (the edit inside a field) by its
    // caption, and finds the caption as the control's label.
    (control->focusProxy() ? control->focusProxy() : control)->setAccessibleName(caption);
    label->setBuddy(control);
    flow->layout()->addWidget(column);
}

QWidget *buttonRow(QWidget *button, QLabel *sentence)
{
    auto *row = new QWidget;
    auto *layout = mbRow(row, ipx(10));
    layout->addWidget(button, 0, Qt::AlignVCenter);
    layout->addWidget(sentence, 1, Qt::AlignVCenter);
    layout->addStretch(0);
    return row;
}

void wrappingRow(QWidget *owner, double spacing, const QList<QWidget *> &parts)
{
    auto *flow = new FlowLayout(owner, spacing);
    for (QWidget *part : parts) {
        flow->addWidget(part);
        flow->setAlignment(part, Qt::AlignVCenter);
    }
}

} // namespace MoneyForm
