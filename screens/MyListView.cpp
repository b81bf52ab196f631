#include "screens/MyListView.h"

#include "data/FavoritesStore.h"
#include "data/ReferenceData.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBZoom.h"
#include "screens/ListingCard.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/Refusal.h"
#include "screens/RowColumn.h"
#include "screens/SaveButton.h"
#include "services/AppModel.h"
#include "services/MyListActions.h"
#include "widgets/TLLabel.h"
#include "widgets/TLScroll.h"

#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString emptyText()
{
    return QStringLiteral("Nothing saved yet. Click Save on any listing to keep it here.");
}

QWidget *textCard(const QString &text, const QString &name)
{
    auto *card = new TLCard;
    card->setObjectName(name);
    card->addWidget(tlLabel(text, 14));
    return card;
}

} // namespace

QWidget *MyListView::missingCard(const Favorite &entry, FavoritesStore &store)
{
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("missingEntry"));
    card->body()->setSpacing(ipx(6));
    QLabel *name = tlLabel(entry.name, 15, FontWeight::Bold);
    name->setObjectName(QStringLiteral("missingName"));
    card->addWidget(name);
    card->addWidget(
        tlLabel(QStringLiteral("This listing is no longer in the app's information. Your note is kept."), 12.5));
    if (!entry.note.isEmpty()) {
        QLabel *note = tlLabel(QStringLiteral("My note: ") + entry.note, 13);
        note->setObjectName(QStringLiteral("missingNote"));
        card->addWidget(note);
    }
    auto *remove = new TLButton(QStringLiteral("Remove"));
    remove->setObjectName(QStringLiteral("removeEntry"));
    card->body()->addWidget(remove, 0, Qt::AlignLeft);
    QLabel *failed = Refusal::line();
    failed->setObjectName(QStringLiteral("removeFailed"));
    card->addWidget(failed);
    const QString uid = entry.uid;
    QPointer<FavoritesStore> guard(&store);
    QObject::connect(remove, &QAbstractButton::clicked, card, [guard, uid, failed] {
        Refusal::clear(failed);
        // On success the store announces the new list and the card goes.
        if (guard && MyListActions::remove(uid, *guard))
            return;
        Refusal::failedWrite(failed);
    });
    return card;
}

MyListView::MyListView(AppModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("myListView"));
    m_page = new Page({new PageHeader(QStringLiteral("bookmark.fill"), QStringLiteral("My List"),
                                      QStringLiteral("Places and numbers you saved, with your own notes. It "
                                                     "stays on this computer. Print it with My Resources "
                                                     "Sheet."))});
    auto *layout = mbColumn(this);
    layout->addWidget(m_page);

    FavoritesStore *store = model.favorites();
    if (!store) {
        auto *card = new TLCard;
        card->setObjectName(QStringLiteral("myListError"));
        m_error = tlLabel(model.myListError(), 14);
        m_error->setObjectName(QStringLiteral("myListErrorText"));
        card->addWidget(m_error);
        m_page->addBlock(card);
        return;
    }
    m_empty = textCard(emptyText(), QStringLiteral("myListEmpty"));
    m_entries = new RowColumn(16);
    m_entries->setObjectName(QStringLiteral("myListEntries"));
    m_entries->setFillAhead(true);
    m_page->addBlock(m_empty);
    m_page->addBlock(m_entries);
    connect(store, &FavoritesStore::itemsChanged, this, &MyListView::refresh);
    refresh();
}

void MyListView::refresh()
{
    ++m_refreshes;
    FavoritesStore *store = m_model.favorites();
    const ReferenceData *data = m_model.data();
    QList<RowColumn::Row> rows;
    rows.reserve(store->items().size());
    for (const Favorite &entry : store->items()) {
        std::optional<Listing> listing = data ? data->listing(entry.uid) : std::nullopt;
        if (listing) {
            rows.append({entry.uid, [l = *listing, store] { return new ListingCard(l, store, true); }});
        } else {
            // The card shows the saved name and note, so they are part of its key.
            rows.append({QStringLiteral("missing:") + entry.uid + QLatin1Char('\n') + entry.name
                             + QLatin1Char('\n') + entry.note,
                         [entry, store] {
                             QWidget *card = missingCard(entry, *store);
                             auto *remove = card->findChild<QAbstractButton *>(QStringLiteral("removeEntry"));
                             MBClickRun::holdMouse(remove);
                             return card;
                         }});
        }
    }
    // A card that comes or goes moves the cards below it: a click that did
    // it holds where they stood.
    if (store->items().size() != m_count) {
        const QStringList was = m_entries->ids();
        qsizetype first = 0;
        while (first < was.size() && first < rows.size() && was.at(first) == rows.at(first).id)
            ++first;
        MBClickRun::rowsMove(first < was.size() ? m_entries->rowWidget(was.at(first)) : nullptr);
    }
    m_count = store->items().size();
    const bool empty = store->items().isEmpty();
    m_empty->setVisible(empty);
    // The page takes the focus with its name only; of an empty list, a
    // screen reader would hear nothing more.
    if (QScrollArea *area = m_page->scroll()->scrollArea())
        area->setAccessibleDescription(empty ? emptyText() : QString());
    m_entries->setRows(std::move(rows));
}
