#include "money/ui/TipCard.h"

#include "data/Badges.h"
#include "data/ContactParser.h"
#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/BesideOrBelow.h"
#include "screens/ContactButtons.h"
#include "services/AppModel.h"
#include "services/NetStatus.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TipCard::TipCard(const MoneyTip &tip, AppModel &model, QWidget *parent) : QWidget(parent), m_tip(tip)
{
    setObjectName(QStringLiteral("tip-") + tip.id);
    auto *outer = mbColumn(this);
    auto *card = new TLCard(nullptr, 14);
    card->setAccessibleName(tip.title);
    outer->addWidget(card);
    card->body()->setSpacing(ipx(8));

    auto *head = new QHBoxLayout;
    head->setSpacing(ipx(10));
    auto *bulb = new MBSymbolView(QStringLiteral("lightbulb.fill"), tlPx(16));
    bulb->setColor(TLPalette::current().readable(TLPalette::amberBadge(), TLPalette::figureRatio));
    head->addWidget(bulb, 0, Qt::AlignVCenter);
    head->addWidget(tlLabel(tip.title, 16, FontWeight::Bold), 1, Qt::AlignVCenter);
    if (tip.topic) {
        const AppCategory topic = *tip.topic;
        auto *open = new TLButton(mbMenuText(QStringLiteral("Open ") + topic.rawValue()));
        open->setObjectName(QStringLiteral("openTopic"));
        open->setAutoDefault(false);
        connect(open, &QPushButton::clicked, &model, [&model, topic] { model.setScreen(Screen::forCategory(topic)); });
        head->addWidget(open, 0, Qt::AlignVCenter);
    }
    card->body()->addLayout(head);
    card->addWidget(tlLabel(tip.text, 13.5));
    for (const Listing &listing : tip.listings.mid(0, 4))
        card->addWidget(listingBlock(listing));
}

QWidget *TipCard::listingBlock(const Listing &listing)
{
    auto *block = new QWidget;
    block->setObjectName(QStringLiteral("tipListing"));
    auto *column = new QVBoxLayout(block);
    column->setContentsMargins(ipx(26), 0, 0, 0);
    column->setSpacing(ipx(4));
    QLabel *name = tlLabel(listing.name, 13.5, FontWeight::Semibold);
    // The badge stands beside the name while the name (up to 420 points of
    // it) fits there, else below it.
    auto *head = new BesideOrBelow(nullptr, ipx(8), ipx(420), 0, true);
    head->addWidget(name);
    head->setAlignment(name, Qt::AlignVCenter);
    if (listing.isUnconfirmed()) {
        // Beside a badge a wrapping label would take too little room.
        name->setMinimumWidth(qMin(name->fontMetrics().horizontalAdvance(listing.name) + ipx(2), ipx(420)));
        auto *badge = new TLBadge(Badges::unconfirmedText);
        head->addWidget(badge);
        head->setAlignment(badge, Qt::AlignLeft | Qt::AlignVCenter);
    }
    column->addLayout(head);
    column->addWidget(new ContactButtons(ContactParser::actions(listing).mid(0, 3), NetStatus::shared().online()));
    return block;
}
