#include "screens/PlaceholderScreen.h"

#include "screens/Page.h"
#include "screens/TLLabel.h"

#include <QLabel>

namespace PlaceholderScreen {

QWidget *make(const QString &title)
{
    auto *page = new Page;
    QLabel *label = tlLabel(title, 25, FontWeight::Heavy);
    label->setObjectName(QStringLiteral("placeholderTitle"));
    page->addBlock(label);
    return page;
}

} // namespace PlaceholderScreen
