#include "screens/TLLabel.h"

#include "look/app/TLStyle.h"

QLabel *tlLabel(const QString &text, double size, FontWeight weight, std::optional<QColor> color,
                bool wrap, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(tlFont(size, weight));
    label->setWordWrap(wrap);
    // Inside a button a label would take the button's text role otherwise.
    label->setForegroundRole(QPalette::WindowText);
    if (color)
        tlSetTextColor(label, *color);
    return label;
}

void tlSetTextColor(QWidget *widget, const QColor &color)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    widget->setPalette(p);
}
