#include "screens/HomeView.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYHelp.h"
#include "screens/AdaptiveGrid.h"
#include "screens/FlowLayout.h"
#include "screens/Page.h"
#include "screens/Tile.h"
#include "services/AppModel.h"
#include "services/TLInfo.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

QString HomeView::footerText()
{
    return TLInfo::informationCheckedLine() + QStringLiteral(" Every listing shows its source. ")
        + TLInfo::creditLine + QLatin1Char('.');
}

HomeView::HomeView(AppModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("homeView"));
    QLabel *footer = tlLabel(footerText(), 11.5, FontWeight::Regular, TLPalette::current().dim);
    footer->setObjectName(QStringLiteral("homeFooter"));
    // The prompt stays in place and only shows while no state is chosen, so
    // choosing a state never rebuilds the screen.
    auto *prompt = new StatePrompt(model);
    // Only hidden here: showing a widget without a parent would open it as a window.
    if (!model.stateCode().isEmpty())
        prompt->hide();
    connect(&model, &AppModel::stateCodeChanged, prompt,
            [prompt, &model] { prompt->setVisible(model.stateCode().isEmpty()); });
    auto *page = new Page({
        greeting(),
        prompt,
        new TLSectionTitle(QStringLiteral("I need help right now")),
        urgentGrid(),
        overwhelmedCard(),
        new TLSectionTitle(QStringLiteral("Help by topic")),
        topicGrid(),
        new TLSectionTitle(QStringLiteral("Start here")),
        startRow(),
        footer,
    });
    auto *layout = mbColumn(this);
    layout->addWidget(page);
}

QWidget *HomeView::greeting() const
{
    auto *w = new QWidget;
    auto *column = mbColumn(w, ipx(4));
    column->addWidget(tlHeading(QStringLiteral("You are not alone."), 30));
    column->addWidget(tlLabel(
        QStringLiteral("Let's find help, one step at a time. Everything here works without internet."), 15,
        FontWeight::Regular, TLPalette::current().dim));
    return w;
}

QWidget *HomeView::urgentGrid()
{
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("urgentGrid"));
    auto *grid = new AdaptiveGrid(w, 200 * TLStyle::scale(), 12, 12);
    for (const UrgentNeed need : UrgentNeed::allCases()) {
        auto *tile = new Tile(need.icon(), need.title(), true);
        tile->setObjectName(QStringLiteral("urgent-") + need.rawValue());
        connect(tile, &QAbstractButton::clicked, this, [this, need] { m_model.setScreen(Screen::forNeed(need)); });
        grid->addWidget(tile);
        m_urgent << tile;
    }
    return w;
}

QWidget *HomeView::overwhelmedCard()
{
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("overwhelmedCard"));
    card->setAccessibleName(QStringLiteral("Feeling overwhelmed?"));
    auto *row = mbRow(nullptr, ipx(14));
    auto *heart = new MBSymbolView(QStringLiteral("heart.circle.fill"), px(34));
    heart->setColor(TLPalette::current().readable(TLPalette::blue988(), TLPalette::figureRatio));
    row->addWidget(heart, 0, Qt::AlignVCenter);

    auto *text = mbColumn(nullptr, ipx(4));
    text->addWidget(tlLabel(QStringLiteral("Feeling overwhelmed?"), 16, FontWeight::Bold));
    text->addWidget(tlLabel(QStringLiteral("That's okay. You don't have to fix everything today. Call or text 988 "
                                           "any time. Or text HOME to 741741."),
                            13.5));
    row->addLayout(text, 1);

    m_talk = new TLButton(QStringLiteral("Talk to someone"), TLButtonStyle{TLPalette::blue988(), std::nullopt, true});
    m_talk->setObjectName(QStringLiteral("talkToSomeone"));
    connect(m_talk, &QAbstractButton::clicked, this,
            [this] { m_model.setScreen(Screen::forNeed(UrgentNeed::talk)); });
    row->addWidget(m_talk, 0, Qt::AlignVCenter);
    card->body()->addLayout(row);
    return card;
}

QWidget *HomeView::topicGrid()
{
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("topicGrid"));
    auto *grid = new AdaptiveGrid(w, 190 * TLStyle::scale(), 10, 10);
    for (const AppCategory topic : AppCategory::allCases()) {
        auto *tile = new Tile(topic.icon(), topic.rawValue(), false);
        tile->setObjectName(QStringLiteral("topic-") + topic.rawValue());
        connect(tile, &QAbstractButton::clicked, this,
                [this, topic] { m_model.setScreen(Screen::forCategory(topic)); });
        grid->addWidget(tile);
        m_topics << tile;
    }
    return w;
}

QWidget *HomeView::startRow()
{
    const TLPalette palette = TLPalette::current();
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("startRow"));
    // A row that wraps when the buttons do not fit side by side.
    auto *flow = new FlowLayout(w, 10);
    auto *read = new TLButton(QStringLiteral("Read: Your first three calls"),
                              TLButtonStyle{palette.accent, palette.onAccent, true}, QStringLiteral("book.fill"));
    connect(read, &QAbstractButton::clicked, this, [this] {
        m_model.setGuideChapter(1);
        m_model.setScreen(Screen::guide);
    });
    auto *print = new TLButton(QStringLiteral("Print my resources"), TLButtonStyle{std::nullopt, std::nullopt, true},
                               QStringLiteral("printer.fill"));
    connect(print, &QAbstractButton::clicked, this, [this] { m_model.setScreen(Screen::sheet); });
    auto *help = new TLButton(QStringLiteral("How to use this app"), TLButtonStyle{std::nullopt, std::nullopt, true},
                              QStringLiteral("questionmark.circle"));
    connect(help, &QAbstractButton::clicked, this, [] { MRBYHelp::show(QStringLiteral("start")); });
    for (TLButton *b : {read, print, help}) {
        flow->addWidget(b);
        m_start << b;
    }
    return w;
}
