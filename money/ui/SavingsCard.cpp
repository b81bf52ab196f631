#include "money/ui/SavingsCard.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "money/Money.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"
#include "money/ui/MoneyForm.h"
#include "money/ui/SavingsBar.h"
#include "money/ui/TLField.h"
#include "screens/Refusal.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString amountText(qint64 cents)
{
    return cents > 0 ? Money::plain(cents) : QString();
}

// An empty field counts as 0; anything else must be an amount.
std::optional<qint64> amountOrZero(const QString &typed)
{
    return Money::parse(typed.isEmpty() ? QStringLiteral("0") : typed);
}

} // namespace

SavingsCard::SavingsCard(MoneyStore &store, QWidget *parent) : QWidget(parent), m_store(store)
{
    const TLPalette palette = TLPalette::current();
    setObjectName(QStringLiteral("savingsCard"));
    auto *outer = mbColumn(this);
    auto *card = m_card = new TLCard;
    outer->addWidget(card);
    card->body()->setSpacing(ipx(10));

    auto *head = new QHBoxLayout;
    head->setSpacing(ipx(10));
    auto *symbol = new MBSymbolView(QStringLiteral("banknote.fill"), tlPx(20));
    symbol->setColorSource([] { return TLPalette::current().accentIcon(); });
    head->addWidget(symbol, 0, Qt::AlignVCenter);
    m_heading = tlLabel(QString(), 18, FontWeight::Heavy);
    m_heading->setObjectName(QStringLiteral("savingsHeading"));
    head->addWidget(m_heading, 1, Qt::AlignVCenter);
    card->body()->addLayout(head);

    m_bar = new SavingsBar;
    card->addWidget(m_bar);
    m_sentence = tlLabel(QString(), 14, FontWeight::Semibold);
    m_sentence->setObjectName(QStringLiteral("savingsSentence"));
    card->addWidget(m_sentence);

    m_name = new TLField(QStringLiteral("A deposit, car repair\u2026"), 220);
    m_name->setObjectName(QStringLiteral("goalNameField"));
    m_goal = new TLField(QStringLiteral("$0.00"), 120);
    m_goal->setObjectName(QStringLiteral("goalField"));
    m_saved = new TLField(QStringLiteral("$0.00"), 120);
    m_saved->setObjectName(QStringLiteral("savedField"));
    fillForm();
    MBDrafts::keep(m_name->lineEdit(), QStringLiteral("money.goal.name"));
    MBDrafts::keep(m_goal->lineEdit(), QStringLiteral("money.goal.amount"));
    MBDrafts::keep(m_saved->lineEdit(), QStringLiteral("money.goal.saved"));
    QWidget *form = MoneyForm::flow(10);
    MoneyForm::addColumn(form, QStringLiteral("Saving for"), m_name);
    MoneyForm::addColumn(form, QStringLiteral("Goal amount"), m_goal);
    MoneyForm::addColumn(form, QStringLiteral("Saved so far"), m_saved);
    card->addWidget(form);

    m_button = new TLButton(QStringLiteral("Save goal"), {palette.accent, palette.onAccent, true});
    m_button->setObjectName(QStringLiteral("goalSave"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &SavingsCard::save);
    m_error = Refusal::line();
    m_error->setObjectName(QStringLiteral("goalError"));
    card->addWidget(MoneyForm::buttonRow(m_button, m_error));
    refresh();
}

QString SavingsCard::refusal()
{
    return QStringLiteral("Type amounts like 300 or 25.50.");
}

QString SavingsCard::headingText(const QString &goalName)
{
    return goalName.isEmpty() ? QStringLiteral("Savings goal") : QStringLiteral("Savings goal: ") + goalName;
}

QString SavingsCard::heading() const
{
    return m_heading->text();
}

QString SavingsCard::sentence() const
{
    return m_sentence->text();
}

QString SavingsCard::error() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void SavingsCard::refresh()
{
    const MoneyPlan &plan = m_store.plan();
    m_heading->setText(headingText(plan.goalName));
    // The card is heard by its heading.
    m_card->setAccessibleName(m_heading->text());
    m_bar->setPercent(plan.savingsPercent());
    m_sentence->setText(plan.savingsText());
}

void SavingsCard::fillForm()
{
    const MoneyPlan &plan = m_store.plan();
    m_name->setText(plan.goalName);
    m_goal->setText(amountText(plan.goalCents));
    m_saved->setText(amountText(plan.savedCents));
}

void SavingsCard::save()
{
    const std::optional<qint64> goal = amountOrZero(m_goal->text());
    const std::optional<qint64> saved = goal ? amountOrZero(m_saved->text()) : std::nullopt;
    if (!goal || !saved) {
        Refusal::show(m_error, refusal());
        return;
    }
    Refusal::clear(m_error);
    if (MoneyActions::setGoal(m_name->text(), *goal, *saved, m_store)) {
        TLAnnouncer::say(this, QStringLiteral("Goal saved."));
        return;
    }
    fillForm();
    Refusal::failedWrite(m_error);
}
