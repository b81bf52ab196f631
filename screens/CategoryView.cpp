#include "screens/CategoryView.h"

#include "look/app/TLSectionTitle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "screens/ListingCard.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/VideoRow.h"
#include "services/AppModel.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLLabel.h"

#include <QVBoxLayout>

namespace {

PageHeader *headerFor(AppCategory topic)
{
    auto *header = new PageHeader(topic.icon(), topic.rawValue(), topic.blurb());
    header->setObjectName(QStringLiteral("topicHeader"));
    return header;
}

// Headings are keyed by their text, so a new count or state makes a new one.
RowColumn::Row heading(const QString &text)
{
    return {QStringLiteral("heading:") + text, [text] { return new TLSectionTitle(text); }};
}

void addCards(QList<RowColumn::Row> &rows, const QList<Listing> &listings, FavoritesStore *store)
{
    for (const Listing &l : listings)
        rows.append({l.uid, [l, store] { return new ListingCard(l, store, false); }});
}

} // namespace

bool CategoryView::asksForState(AppCategory topic)
{
    switch (topic.value()) {
    case AppCategory::food:
    case AppCategory::shelter:
    case AppCategory::health:
    case AppCategory::jobs:
        return true;
    default:
        return false;
    }
}

QList<RowColumn::Row> CategoryView::rows(const TopicLists &lists, const QString &stateName,
                                         FavoritesStore *store)
{
    QList<RowColumn::Row> out;
    for (const TopicGroup &group : lists.groups) {
        out.append(heading(TopicLists::groupHeading(stateName, group)));
        addCards(out, group.listings, store);
    }
    if (!lists.national.isEmpty()) {
        out.append(heading(TopicLists::nationwideHeading(int(lists.national.size()))));
        addCards(out, lists.national, store);
    }
    if (lists.all.isEmpty()) {
        out.append({QStringLiteral("empty"), [] {
                        QLabel *line = tlLabel(
                            QStringLiteral("Nothing listed here yet. Dial 211 to ask about help near you."), 14);
                        line->setObjectName(QStringLiteral("topicEmpty"));
                        return line;
                    }});
    }
    if (!lists.videos.isEmpty()) {
        out.append(heading(QStringLiteral("Videos (need internet)")));
        for (const Video &v : lists.videos)
            out.append({v.uid, [v] { return new VideoRow(v); }});
    }
    return out;
}

CategoryView::CategoryView(AppModel &model, AppCategory topic, QWidget *parent)
    : QWidget(parent), m_model(model), m_topic(topic), m_zoom(MBZoomScope::current())
{
    setObjectName(QStringLiteral("categoryView"));
    m_header = headerFor(topic);
    m_prompt = new StatePrompt(model);
    // Only hidden here: showing a widget without a parent would open it as a window.
    if (!asksForState(topic) || !model.stateCode().isEmpty())
        m_prompt->hide();
    m_rows = new RowColumn(16);
    m_rows->setObjectName(QStringLiteral("topicListings"));
    m_page = new Page({m_header, m_prompt, m_rows});
    auto *layout = mbColumn(this);
    layout->addWidget(m_page);

    connect(&model, &AppModel::stateCodeChanged, this, &CategoryView::followState);
    refresh();
}

bool CategoryView::setScreen(const Screen &screen)
{
    const std::optional<AppCategory> topic = screen.topic();
    if (screen.value() != Screen::category || !topic)
        return false;
    if (*topic == m_topic)
        return true;
    m_topic = *topic;
    MBZoomScope scope(m_zoom);
    PageHeader *header = headerFor(m_topic);
    m_page->replaceBlock(m_header, header);
    m_header = header;
    followState();
    m_page->scrollToTop();
    return true;
}

void CategoryView::followState()
{
    m_prompt->setVisible(asksForState(m_topic) && m_model.stateCode().isEmpty());
    refresh();
}

void CategoryView::refresh()
{
    ++m_refreshes;
    const TopicLists lists = TopicLists::forTopic(m_model.data(), m_topic, m_model.stateCode());
    m_rows->setRows(rows(lists, m_model.stateName(), m_model.favorites()));
}
