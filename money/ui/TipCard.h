#pragma once
// One money-saving tip: its title with a lightbulb and, when the tip has a
// help topic, a button that opens it; the advice; and up to four help
// listings, each with its name, an "Unconfirmed" badge where it applies and
// up to three contact buttons, which follow the network status by themselves.

#include "money/MoneyTip.h"

#include <QWidget>

class AppModel;

class TipCard final : public QWidget
{
    Q_OBJECT
public:
    TipCard(const MoneyTip &tip, AppModel &model, QWidget *parent = nullptr);

    const MoneyTip &tip() const { return m_tip; }

private:
    QWidget *listingBlock(const Listing &listing);

    MoneyTip m_tip;
};
