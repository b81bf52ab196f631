#include "money/MoneyEntry.h"

#include "money/MoneyCategory.h"
#include "money/WideCents.h"

qint64 MoneyEntry::yearlyCents() const
{
    return WideCents::saturate(WideCents::Wide(cents) * frequency.perYear());
}

QString MoneyEntry::categoryTitle() const
{
    return MoneyCategory::title(kind, category);
}

QString MoneyEntry::displayLabel() const
{
    return label.isEmpty() ? categoryTitle() : label;
}
