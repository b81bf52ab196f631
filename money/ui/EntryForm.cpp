#include "money/ui/EntryForm.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBDivider.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"
#include "money/Money.h"
#include "money/MoneyActions.h"
#include "money/MoneyCategory.h"
#include "money/MoneyStore.h"
#include "money/ui/EntriesCard.h"
#include "money/ui/MoneyForm.h"
#include "money/ui/TLField.h"
#include "screens/Refusal.h"
#include "screens/SegmentedPicker.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"
#include "widgets/TLPopUp.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

EntryForm::EntryForm(MoneyKind kind, MoneyStore &store, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_store(store)
{
    const TLPalette palette = TLPalette::current();
    const bool income = kind == MoneyKind::income;
    setObjectName(income ? QStringLiteral("incomeForm") : QStringLiteral("expenseForm"));
    auto *column = mbColumn(this, ipx(10));
    column->addWidget(new MBDivider);
    column->addWidget(tlLabel(income ? QStringLiteral("Add money coming in") : QStringLiteral("Add money going out"),
                              14, FontWeight::Bold));

    m_category = new TLPopUp;
    m_category->setObjectName(QStringLiteral("kindPicker"));
    m_category->setFont(tlFont(14));
    const double iconSize = tlPx(16);
    m_category->setIconSize(QSize(qCeil(iconSize), qCeil(iconSize)));
    const auto ink = [] { return TLPalette::current().text; };
    for (const MoneyCategory::Row &row : MoneyCategory::list(kind))
        m_category->addItem(MBSymbols::icon(row.icon, ink), row.title, row.id);
    m_category->setCurrentIndex(0);
    m_category->setFixedWidth(qRound(tlPx(230)));
    m_category->setMinimumHeight(ipx(34));

    m_label = new TLField(income ? QStringLiteral("Kitchen job, deliveries\u2026") : QStringLiteral("Groceries, gas\u2026"),
                          220);
    m_label->setObjectName(QStringLiteral("labelField"));
    m_amount = new TLField(QStringLiteral("$0.00"), 110);
    m_amount->setObjectName(QStringLiteral("amountField"));

    QStringList titles;
    for (MoneyFrequency f : MoneyFrequency::allCases())
        titles << f.title();
    m_frequency = new SegmentedPicker(titles);
    m_frequency->setObjectName(QStringLiteral("frequencyPicker"));
    m_frequency->setPreferredWidth(qRound(tlPx(300)));
    m_frequency->setCurrent(int(MoneyFrequency::allCases().indexOf(MoneyFrequency::week)));

    // What is typed and chosen here stays through a rebuild until Add.
    const QString draft = QStringLiteral("money.add.") + kind.rawValue() + u'.';
    MBDrafts::keep(m_category, draft + QStringLiteral("kind"));
    MBDrafts::keep(m_label->lineEdit(), draft + QStringLiteral("label"));
    MBDrafts::keep(m_amount->lineEdit(), draft + QStringLiteral("amount"));
    MBDrafts::keep(
        m_frequency, draft + QStringLiteral("often"), [picker = m_frequency] { return QVariant(picker->current()); },
        [picker = m_frequency](const QVariant &often) { picker->setCurrent(often.toInt()); });

    QWidget *fields = MoneyForm::flow(10);
    MoneyForm::addColumn(fields, QStringLiteral("Kind"), m_category);
    MoneyForm::addColumn(fields, QStringLiteral("What is it? (optional)"), m_label);
    MoneyForm::addColumn(fields, QStringLiteral("Amount"), m_amount);
    MoneyForm::addColumn(fields, QStringLiteral("How often"), m_frequency);
    column->addWidget(fields);

    m_button = new TLButton(QStringLiteral("Add"), {palette.accent, palette.onAccent, true},
                            QStringLiteral("plus.circle.fill"));
    m_button->setObjectName(QStringLiteral("addButton"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &EntryForm::add);
    m_error = Refusal::line();
    m_error->setObjectName(QStringLiteral("addError"));
    column->addWidget(MoneyForm::buttonRow(m_button, m_error));

    // The two forms have the same fields: each says which card it is on.
    const QString card = EntriesCard::title(kind);
    for (QWidget *control : {static_cast<QWidget *>(m_category), m_label->focusProxy(), m_amount->focusProxy(),
                             static_cast<QWidget *>(m_frequency), static_cast<QWidget *>(m_button)})
        control->setAccessibleDescription(card);
}

QString EntryForm::refusal()
{
    return QStringLiteral("Type an amount more than zero, like 12 or 12.50.");
}

QString EntryForm::category() const
{
    const QString id = m_category->currentData().toString();
    return id.isEmpty() ? MoneyCategory::list(m_kind).first().id : id;
}

MoneyFrequency EntryForm::frequency() const
{
    const QList<MoneyFrequency> &all = MoneyFrequency::allCases();
    const int i = m_frequency->current();
    return i >= 0 && i < all.size() ? all.at(i) : MoneyFrequency::week;
}

QString EntryForm::error() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void EntryForm::add()
{
    const std::optional<qint64> cents = Money::parse(m_amount->text());
    if (!cents || *cents < 1) {
        Refusal::show(m_error, refusal());
        return;
    }
    Refusal::clear(m_error);
    if (MoneyActions::add(m_kind, category(), m_label->text(), *cents, frequency(), m_store)) {
        m_label->setText(QString());
        m_amount->setText(QString());
        TLAnnouncer::say(this, QStringLiteral("Added to ") + EntriesCard::title(m_kind));
    } else {
        // The line is not in the list; what was typed stays for another try.
        Refusal::failedWrite(m_error);
    }
}
