#include "look/kit/MBBoxes.h"

#include <QBoxLayout>

namespace {

template <typename Box>
Box *borderless(QWidget *owner)
{
    auto *box = new Box(owner);
    box->setContentsMargins(0, 0, 0, 0);
    return box;
}

} // namespace

QVBoxLayout *mbColumn(QWidget *owner) { return borderless<QVBoxLayout>(owner); }

QVBoxLayout *mbColumn(QWidget *owner, int spacing)
{
    QVBoxLayout *box = mbColumn(owner);
    box->setSpacing(spacing);
    return box;
}

QHBoxLayout *mbRow(QWidget *owner) { return borderless<QHBoxLayout>(owner); }

QHBoxLayout *mbRow(QWidget *owner, int spacing)
{
    QHBoxLayout *box = mbRow(owner);
    box->setSpacing(spacing);
    return box;
}
