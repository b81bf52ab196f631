#include "money/ui/CashEditor.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBZoom.h"
#include "money/Money.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"
#include "money/ui/MoneyForm.h"
#include "money/ui/TLField.h"
#include "screens/Refusal.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QLabel>
#include <QLineEdit>

CashEditor::CashEditor(MoneyStore &store, QWidget *parent) : QWidget(parent), m_store(store)
{
    const TLPalette palette = TLPalette::current();
    setObjectName(QStringLiteral("cashEditor"));
    QLabel *label = tlLabel(QStringLiteral("Money on hand now:"), 14, FontWeight::Bold, std::nullopt, false);
    m_field = new TLField(QStringLiteral("$0.00"), 140);
    m_field->setObjectName(QStringLiteral("cashField"));
    m_field->lineEdit()->setAccessibleName(QStringLiteral("Money on hand now"));
    m_field->setText(Money::plain(store.plan().cashOnHandCents));
    MBDrafts::keep(m_field->lineEdit(), QStringLiteral("money.cash"));
    m_button = new TLButton(QStringLiteral("Update"), {palette.accent, palette.onAccent, true});
    m_button->setObjectName(QStringLiteral("cashUpdate"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &CashEditor::update);
    m_error = Refusal::line();
    m_error->setObjectName(QStringLiteral("cashError"));
    MoneyForm::wrappingRow(this, 10, {label, m_field, m_button, m_error});
}

QString CashEditor::refusal()
{
    return QStringLiteral("Type an amount, like 45 or 45.50.");
}

QString CashEditor::error() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void CashEditor::update()
{
    const std::optional<qint64> cents = Money::parse(m_field->text());
    if (!cents) {
        Refusal::show(m_error, refusal());
        return;
    }
    Refusal::clear(m_error);
    const bool stored = MoneyActions::setCash(*cents, m_store);
    // The field shows the amount stored: the new one, or the old one kept.
    m_field->setText(Money::plain(m_store.plan().cashOnHandCents));
    if (stored)
        TLAnnouncer::say(this, QStringLiteral("Money on hand: ") + Money::text(m_store.plan().cashOnHandCents) + u'.');
    else
        Refusal::failedWrite(m_error);
}
