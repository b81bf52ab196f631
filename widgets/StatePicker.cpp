#include "widgets/StatePicker.h"

#include "data/ReferenceData.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "services/AppModel.h"
#include "widgets/TLLabel.h"
#include "widgets/TLPopUp.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

StatePicker::StatePicker(AppModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    auto *column = mbColumn(this, ipx(4));
    QLabel *caption = tlLabel(QStringLiteral("Your state"), 11, FontWeight::Bold, TLPalette::current().dim);
    column->addWidget(caption);

    m_combo = new TLPopUp;
    m_combo->setObjectName(QStringLiteral("statePicker"));
    m_combo->setFont(tlFont(13));
    m_combo->setToolTip(QStringLiteral("Pick your state. The app remembers it."));
    m_combo->setAccessibleName(QStringLiteral("Your state"));
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo->setMinimumContentsLength(8);
    m_combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    fill();
    column->addWidget(m_combo);
    // A screen reader names the pop-up by its caption, not by the state shown.
    caption->setBuddy(m_combo);

    // Only a choice by the user writes the model; showing the model's value
    // does not write it back.
    connect(m_combo, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            m_model.setStateCode(m_combo->itemData(index).toString());
    });
    connect(&model, &AppModel::stateCodeChanged, this, &StatePicker::sync);
    // The window may be shown before the states are read.
    connect(&model, &AppModel::loaded, this, [this] {
        fill();
        sync();
    });
    sync();
}

void StatePicker::fill()
{
    const QSignalBlocker block(m_combo);
    m_combo->clear();
    m_combo->addItem(QStringLiteral("Choose your state\u2026"), QString());
    if (const ReferenceData *data = m_model.data()) {
        for (const ReferenceData::State &state : data->states())
            m_combo->addItem(state.name, state.code);
    }
}

QStringList StatePicker::codes() const
{
    QStringList out;
    for (int i = 0; i < m_combo->count(); ++i)
        out << m_combo->itemData(i).toString();
    return out;
}

void StatePicker::sync()
{
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(codes().indexOf(m_model.stateCode()));
}
