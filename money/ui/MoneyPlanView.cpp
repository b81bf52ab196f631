#include "money/ui/MoneyPlanView.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBDivider.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "look/kit/Prefs.h"
#include "money/Money.h"
#include "money/MoneyStore.h"
#include "money/MoneyTips.h"
#include "money/ui/CashEditor.h"
#include "money/ui/EntriesCard.h"
#include "money/ui/MoneyReportPDF.h"
#include "money/ui/MoneyStat.h"
#include "money/ui/NameEditor.h"
#include "money/ui/SavingsCard.h"
#include "money/ui/TipCard.h"
#include "pdf/PdfPrint.h"
#include "screens/AdaptiveGrid.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/SegmentedPicker.h"
#include "services/AppModel.h"
#include "widgets/StatePrompt.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QWidget *column(double spacing, QVBoxLayout **layout = nullptr)
{
    auto *w = new QWidget;
    auto *l = mbColumn(w, ipx(spacing));
    if (layout)
        *layout = l;
    return w;
}

} // namespace

MoneyPlanView::MoneyPlanView(AppModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_zoom(MBZoomScope::current())
{
    setObjectName(QStringLiteral("moneyPlan"));
    m_page = new Page({new PageHeader(QStringLiteral("dollarsign.circle.fill"), QStringLiteral("Money Plan"),
                                      QStringLiteral("Write down what comes in and what goes out. See how long "
                                                     "your money lasts, and save a little at a time. It stays "
                                                     "on this computer and works without internet."))});
    auto *layout = mbColumn(this);
    layout->addWidget(m_page);

    MoneyStore *store = model.money();
    if (!store) {
        auto *card = new TLCard;
        card->setObjectName(QStringLiteral("moneyUnavailable"));
        card->addWidget(tlLabel(QStringLiteral("The Money Plan could not be opened. The rest of the app still works."),
                                14));
        QLabel *why = tlLabel(model.moneyTrouble(), 14);
        why->setObjectName(QStringLiteral("moneyTrouble"));
        card->addWidget(why);
        m_page->addBlock(card);
        return;
    }
    m_page->addBlock(periodRow());
    m_page->addBlock(summaryCard());
    m_savings = new SavingsCard(*store);
    m_page->addBlock(m_savings);
    m_income = new EntriesCard(MoneyKind::income, *store, period());
    m_page->addBlock(m_income);
    m_expense = new EntriesCard(MoneyKind::expense, *store, period());
    m_page->addBlock(m_expense);
    auto *tips = column(16, &m_tipsLayout);
    tips->setObjectName(QStringLiteral("tipsSection"));
    m_page->addBlock(tips);
    m_page->addBlock(new TLSectionTitle(QStringLiteral("Print or save your Money Plan")));
    m_page->addBlock(printCard());
    refreshTips();
    for (TLButton *button : {m_cash->button(), m_savings->button(), m_name->button()})
        MBClickRun::holdMouse(button);

    connect(store, &MoneyStore::planChanged, this, &MoneyPlanView::refresh);
    connect(&model, &AppModel::stateCodeChanged, this, &MoneyPlanView::refreshTips);
    connect(&Prefs::shared(), &Prefs::changed, this, [this](const QString &key) {
        if (key == TLPrefs::moneyPeriodKey)
            refresh();
    });
}

namespace {

// The one read of the amounts' period: week when nothing is stored, none
// when the stored value is unknown.
std::optional<MoneyPeriod> storedPeriod()
{
    const std::optional<QString> raw = Prefs::shared().string(TLPrefs::moneyPeriodKey);
    return raw ? MoneyPeriod::fromRawValue(*raw) : MoneyPeriod::week;
}

// The picker's segment for the stored period; an unknown stored value
// matches no segment until one is picked.
int storedPeriodIndex()
{
    const std::optional<MoneyPeriod> stored = storedPeriod();
    return stored ? int(MoneyPeriod::allCases().indexOf(*stored)) : -1;
}

} // namespace

MoneyPeriod MoneyPlanView::period()
{
    return storedPeriod().value_or(MoneyPeriod::week);
}

QColor MoneyPlanView::runwayColor(bool shortRunway)
{
    const TLPalette palette = TLPalette::current();
    return palette.readable(shortRunway ? TLPalette::red911() : palette.accent, TLPalette::figureRatio);
}

QString MoneyPlanView::suggestedName(const MoneyReport &report, Kind kind)
{
    QString name = report.title();
    name.replace(QChar(0x2014), u'-');
    return PdfPrint::safeFileName(name + u'.' + format(kind).suffix);
}

const SaveFile::Format &MoneyPlanView::format(Kind kind)
{
    return kind == Kind::pdf ? SaveFile::pdf : SaveFile::csv;
}

QWidget *MoneyPlanView::periodRow()
{
    auto *row = new QWidget;
    auto *layout = mbRow(row, ipx(12));
    layout->addWidget(tlLabel(QStringLiteral("Show amounts:"), 15, FontWeight::Bold, std::nullopt, false), 0,
                      Qt::AlignVCenter);
    QStringList titles;
    for (MoneyPeriod p : MoneyPeriod::allCases())
        titles << p.title();
    m_periodPicker = new SegmentedPicker(titles);
    m_periodPicker->setObjectName(QStringLiteral("periodPicker"));
    m_periodPicker->setAccessibleName(QStringLiteral("Show amounts"));
    m_periodPicker->setPreferredWidth(ipx(300));
    m_periodPicker->setMaximumWidth(ipx(300));
    m_periodPicker->setCurrent(storedPeriodIndex());
    connect(m_periodPicker, &SegmentedPicker::chosen, this, [](int index) {
        Prefs::shared().setString(TLPrefs::moneyPeriodKey, MoneyPeriod::allCases().at(index).rawValue());
    });
    layout->addWidget(m_periodPicker, 1, Qt::AlignVCenter);
    layout->addStretch(0);
    return row;
}

QWidget *MoneyPlanView::summaryCard()
{
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("summaryCard"));
    card->setAccessibleName(QStringLiteral("Summary"));
    card->body()->setSpacing(ipx(14));
    auto *holder = column(0, &m_figuresLayout);
    card->addWidget(holder);
    m_figures = summaryFigures();
    m_figuresLayout->addWidget(m_figures);
    m_cash = new CashEditor(*m_model.money());
    card->addWidget(m_cash);
    return card;
}

QWidget *MoneyPlanView::summaryFigures()
{
    const TLPalette palette = TLPalette::current();
    const MoneyPlan &plan = m_model.money()->plan();
    const MoneyPeriod shown = period();
    QVBoxLayout *layout = nullptr;
    QWidget *figures = column(14, &layout);
    figures->setObjectName(QStringLiteral("summaryFigures"));

    // Side by side while each has room for its amount, else fewer a row.
    auto *tilesBox = new QWidget;
    auto *tiles = new AdaptiveGrid(tilesBox, 140 * TLStyle::scale(), 12, 12);
    const qint64 left = plan.leftOver(shown);
    const struct { const char16_t *title; qint64 value; QColor color; const char16_t *name; } stats[] = {
        {u"Coming in", plan.total(MoneyKind::income, shown), TLPalette::green211(), u"statIn"},
        {u"Going out", plan.total(MoneyKind::expense, shown), TLPalette::blue988(), u"statOut"},
        {u"Left over", left, MoneyStat::leftOverColor(left), u"statLeft"},
    };
    for (const auto &s : stats) {
        auto *tile = new MoneyStat(QString::fromUtf16(s.title), s.value, shown, s.color);
        tile->setObjectName(QString::fromUtf16(s.name));
        tiles->addWidget(tile);
    }
    layout->addWidget(tilesBox);
    layout->addWidget(new MBDivider);

    auto *runway = new QHBoxLayout;
    runway->setSpacing(ipx(14));
    auto *glass = new MBSymbolView(QStringLiteral("hourglass"), tlPx(28));
    glass->setObjectName(QStringLiteral("hourglass"));
    const bool shortRunway = plan.runwayIsShort();
    glass->setColorSource([shortRunway] { return runwayColor(shortRunway); });
    runway->addWidget(glass, 0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(ipx(3));
    texts->addWidget(tlLabel(QStringLiteral("Days until money runs out"), 13, FontWeight::Bold, palette.dim));
    QLabel *sentence = tlLabel(plan.runwayText(), 22, FontWeight::Heavy);
    sentence->setObjectName(QStringLiteral("runwayText"));
    texts->addWidget(sentence);
    texts->addWidget(tlLabel(QStringLiteral("Based on your money on hand and what comes in and goes out now."), 11.5,
                             FontWeight::Regular, palette.dim));
    runway->addLayout(texts, 1);
    layout->addLayout(runway);
    return figures;
}

QWidget *MoneyPlanView::printCard()
{
    auto *card = new TLCard;
    card->setObjectName(QStringLiteral("printCard"));
    card->setAccessibleName(QStringLiteral("Print or save your Money Plan"));
    card->body()->setSpacing(ipx(10));

    m_name = new NameEditor(*m_model.money());
    card->addWidget(m_name);

    card->addWidget(SaveFile::buttonRow(
        QStringLiteral("moneyPrint"), [this] { MoneyReportPDF::printPlan(report()); },
        {{SaveFile::pdf, QStringLiteral("moneySavePDF"), [this] { save(Kind::pdf); }},
         {SaveFile::csv, QStringLiteral("moneySaveCSV"), [this] { save(Kind::csv); }}}));

    m_messageLabel = SaveFile::messageLine(QStringLiteral("moneyMessage"), QString());
    m_messageLabel->hide();
    card->addWidget(m_messageLabel);
    return card;
}

MoneyReport MoneyPlanView::report() const
{
    return MoneyReport(m_model.money()->plan(), m_model.stateCode(), m_model.data());
}

void MoneyPlanView::save(Kind kind)
{
    const MoneyReport made = report();
    const std::optional<QString> outcome =
        SaveFile::saveAs(window(), suggestedName(made, kind), format(kind), [&](const QString &path) {
            if (kind == Kind::pdf)
                MoneyReportPDF::writePDF(made, path);
            else
                SaveFile::writeText(path, made.csv());
        });
    if (outcome)
        setMessage(*outcome);
}

void MoneyPlanView::setMessage(const QString &message)
{
    m_message = message;
    m_messageLabel->setText(message);
    m_messageLabel->setVisible(!message.isEmpty());
}

void MoneyPlanView::refresh()
{
    if (!m_model.money())
        return;
    // Lines come, go or change their figures, and what is below them moves.
    MBClickRun::pageChanged();
    MBZoomScope scope(m_zoom);
    m_periodPicker->setCurrent(storedPeriodIndex());
    QWidget *old = m_figures;
    m_figures = nullptr;
    MBRebuildHost::retire(m_figuresLayout, old);
    m_figures = summaryFigures();
    m_figuresLayout->addWidget(m_figures);
    m_savings->refresh();
    m_income->refresh(period());
    m_expense->refresh(period());
    refreshTips();
}

void MoneyPlanView::refreshTips()
{
    showTips();
    m_page->orderTabs();
}

void MoneyPlanView::showTips()
{
    MoneyStore *store = m_model.money();
    if (!store)
        return;
    MBZoomScope scope(m_zoom);
    const QList<MoneyTip> tips = MoneyTips::tips(store->plan(), m_model.stateCode(), m_model.data(), 5);
    if (m_shownTips && *m_shownTips == tips && m_shownState == m_model.stateCode())
        return;
    m_shownTips = tips;
    m_shownState = m_model.stateCode();
    QWidget *old = m_tips;
    m_tips = nullptr;
    MBRebuildHost::retire(m_tipsLayout, old);
    m_tipsLayout->parentWidget()->setVisible(!tips.isEmpty());
    if (tips.isEmpty())
        return;
    QVBoxLayout *layout = nullptr;
    m_tips = column(16, &layout);
    QString title = QStringLiteral("Ways to spend less or bring in more");
    if (!m_model.stateName().isEmpty())
        title += QStringLiteral(" in ") + m_model.stateName();
    auto *heading = new TLSectionTitle(title);
    heading->setObjectName(QStringLiteral("tipsTitle"));
    layout->addWidget(heading);
    if (m_model.stateCode().isEmpty())
        layout->addWidget(new StatePrompt(m_model));
    for (const MoneyTip &tip : tips)
        layout->addWidget(new TipCard(tip, m_model));
    m_tipsLayout->addWidget(m_tips);
}
