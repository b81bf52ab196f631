#pragma once

#include "screens/SheetLine.h"

#include <QList>
#include <QString>

// A titled group of sheet lines, in display order; it may have none.
struct SheetSection
{
    QString title;
    QList<SheetLine> lines;

    friend bool operator==(const SheetSection &, const SheetSection &) = default;
};
