#include "money/ui/NameEditor.h"

#include "look/app/TLButtonStyle.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBZoom.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"
#include "money/ui/MoneyForm.h"
#include "money/ui/TLField.h"
#include "screens/Refusal.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QLabel>
#include <QLineEdit>

NameEditor::NameEditor(MoneyStore &store, QWidget *parent) : QWidget(parent), m_store(store)
{
    setObjectName(QStringLiteral("nameEditor"));
    QLabel *label = tlLabel(QStringLiteral("Name on the plan (optional):"), 13, FontWeight::Semibold,
                            std::nullopt, false);
    m_field = new TLField(QStringLiteral("Your name or a nickname"), 240);
    m_field->setObjectName(QStringLiteral("nameField"));
    // Named by its label, without the colon.
    m_field->lineEdit()->setAccessibleName(QStringLiteral("Name on the plan (optional)"));
    m_field->setText(store.plan().name);
    MBDrafts::keep(m_field->lineEdit(), QStringLiteral("money.name"));
    m_button = new TLButton(QStringLiteral("Save name"));
    m_button->setObjectName(QStringLiteral("nameSave"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &NameEditor::save);
    m_error = Refusal::line();
    m_error->setObjectName(QStringLiteral("nameError"));
    // The field goes below its label on a narrow card, the button below it.
    MoneyForm::wrappingRow(this, 8, {label, m_field, m_button, m_error});
}

QString NameEditor::error() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

void NameEditor::save()
{
    Refusal::clear(m_error);
    if (MoneyActions::setName(m_field->text(), m_store)) {
        TLAnnouncer::say(this, QStringLiteral("Name saved."));
        return;
    }
    m_field->setText(m_store.plan().name);
    Refusal::failedWrite(m_error);
}
