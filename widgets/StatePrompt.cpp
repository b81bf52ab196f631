#include "widgets/StatePrompt.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "services/AppModel.h"
#include "widgets/StatePicker.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

StatePrompt::StatePrompt(AppModel &model, QWidget *parent) : TLCard(parent)
{
    setObjectName(QStringLiteral("statePrompt"));
    const TLPalette palette = TLPalette::current();

    auto *row = mbRow(nullptr, ipx(14));

    auto *icon = new MBSymbolView(QStringLiteral("map.fill"), px(22));
    icon->setColorSource([] { return TLPalette::current().accentIcon(); });
    row->addWidget(icon, 0, Qt::AlignVCenter);

    auto *lines = mbColumn(nullptr, ipx(4));
    lines->addWidget(tlLabel(QStringLiteral("Pick your state to see local phone numbers."), 14.5,
                             FontWeight::Bold));
    lines->addWidget(tlLabel(QStringLiteral("The app remembers it. You can change it any time."),
                             12.5, FontWeight::Regular, palette.dim));
    row->addLayout(lines, 1);

    m_picker = new StatePicker(model);
    m_picker->setFixedWidth(ipx(220));
    row->addWidget(m_picker, 0, Qt::AlignVCenter);
    // The card goes once a state is chosen, and the focus with it: a screen
    // reader hears what was chosen.
    connect(m_picker->comboBox(), &QComboBox::activated, this, [this, &model] {
        if (!model.stateCode().isEmpty())
            TLAnnouncer::say(this, model.stateName() + QStringLiteral(" chosen"));
    });

    body()->addLayout(row);
}
