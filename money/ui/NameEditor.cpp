#include "money/ui/NameEditor.h"

#include "look/app/TLButtonStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBZoom.h"
#include "money/MoneyActions.h"
#include "money/MoneyStore.h"
#include "money/ui/TLField.h"
#include "pdf/PdfPrint.h"

#include <QHBoxLayout>
#include <QLineEdit>

NameEditor::NameEditor(MoneyStore &store, QWidget *parent) : QWidget(parent), m_store(store)
{
    setObjectName(QStringLiteral("nameEditor"));
    auto *row = mbRow(this, ipx(8));
    m_field = new TLField(QStringLiteral("Your name or a nickname"), 240);
    m_field->setObjectName(QStringLiteral("nameField"));
    // Named by the label the print card shows before the editor.
    m_field->lineEdit()->setAccessibleName(QStringLiteral("Name on the plan (optional)"));
    m_field->setText(store.plan().name);
    row->addWidget(m_field);
    m_button = new TLButton(QStringLiteral("Save name"));
    m_button->setObjectName(QStringLiteral("nameSave"));
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &NameEditor::save);
    row->addWidget(m_button);
}

void NameEditor::save()
{
    if (!MoneyActions::setName(m_field->text(), m_store))
        PdfPrint::beep();
}
