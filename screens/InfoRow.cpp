#include "screens/InfoRow.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "widgets/TLLabel.h"

#include <QVBoxLayout>

InfoRow::InfoRow(const QString &label, const QString &value, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("infoRow"));
    auto *column = mbColumn(this, ipx(1));
    m_label = tlLabel(label, 11, FontWeight::Bold, TLPalette::current().dim);
    m_value = tlLabel(value, 12.5);
    m_value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_value->setCursor(Qt::IBeamCursor);
    column->addWidget(m_label);
    column->addWidget(m_value);
}
