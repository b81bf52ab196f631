#include "screens/UrgentView.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/ListingCard.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/RowColumn.h"
#include "services/AppModel.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

PageHeader *headerFor(UrgentNeed need)
{
    auto *header = new PageHeader(need.icon(), need.title(), need.intro());
    header->setObjectName(QStringLiteral("urgentHeader"));
    return header;
}

} // namespace

bool UrgentView::asksForState(UrgentNeed need)
{
    return need != UrgentNeed::talk && need != UrgentNeed::medical;
}

UrgentView::UrgentView(AppModel &model, UrgentNeed need, QWidget *parent)
    : QWidget(parent), m_model(model), m_need(need), m_zoom(MBZoomScope::current())
{
    setObjectName(QStringLiteral("urgentView"));
    m_header = headerFor(need);
    m_medical = makeMedicalCard();
    m_prompt = new StatePrompt(model);
    m_rows = new RowColumn(16);
    m_rows->setObjectName(QStringLiteral("urgentListings"));
    // Only hidden here: showing a widget without a parent would open it as a window.
    if (need != UrgentNeed::medical)
        m_medical->hide();
    if (!asksForState(need) || !model.stateCode().isEmpty())
        m_prompt->hide();
    m_page = new Page({m_header, m_medical, m_prompt, m_rows});
    auto *layout = mbColumn(this);
    layout->addWidget(m_page);

    connect(&model, &AppModel::stateCodeChanged, this, &UrgentView::followState);
    refresh();
}

QWidget *UrgentView::makeMedicalCard()
{
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("chapter7Card"));
    auto *row = mbRow(nullptr, ipx(12));
    auto *star = new MBSymbolView(QStringLiteral("staroflife.fill"), px(24));
    star->setColor(TLPalette::current().readable(TLPalette::red911(), TLPalette::figureRatio));
    row->addWidget(star, 0, Qt::AlignVCenter);
    row->addWidget(tlLabel(QStringLiteral("Not sure what to do? Chapter 7 of the guide says when to call 911 for "
                                          "bleeding, choking, overdose and more."),
                           13.5),
                   1, Qt::AlignVCenter);
    m_chapter = new TLButton(QStringLiteral("Open Chapter 7"));
    m_chapter->setObjectName(QStringLiteral("openChapter7"));
    connect(m_chapter, &QAbstractButton::clicked, this, [this] {
        m_model.setGuideChapter(7);
        m_model.setScreen(Screen::guide);
    });
    row->addWidget(m_chapter, 0, Qt::AlignVCenter);
    card->body()->addLayout(row);
    return card;
}

bool UrgentView::setScreen(const Screen &screen)
{
    const std::optional<UrgentNeed> need = screen.need();
    if (screen.value() != Screen::urgent || !need)
        return false;
    if (*need == m_need)
        return true;
    m_need = *need;
    MBZoomScope scope(m_zoom);
    PageHeader *header = headerFor(m_need);
    m_page->replaceBlock(m_header, header);
    m_header = header;
    m_medical->setVisible(m_need == UrgentNeed::medical);
    followState();
    m_page->scrollToTop();
    return true;
}

void UrgentView::followState()
{
    m_prompt->setVisible(asksForState(m_need) && m_model.stateCode().isEmpty());
    refresh();
}

void UrgentView::refresh()
{
    ++m_refreshes;
    FavoritesStore *store = m_model.favorites();
    QList<RowColumn::Row> rows;
    for (const Listing &l : m_model.listings(m_need))
        rows.append({l.uid, [l, store] { return new ListingCard(l, store, false); }});
    m_rows->setRows(std::move(rows));
}
