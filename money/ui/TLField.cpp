#include "money/ui/TLField.h"

#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBZoom.h"

#include <QHBoxLayout>
#include <QLineEdit>

TLField::TLField(const QString &placeholder, std::optional<double> width, QWidget *parent)
    // The page colour at 70 % behind the text.
    : TLFieldBox({[](const TLPalette &p) {
                      QColor fill = p.bg;
                      fill.setAlphaF(0.7f);
                      return fill;
                  },
                  10, true},
                 parent),
      m_edit(new QLineEdit)
{
    m_edit->setFrame(false);
    m_edit->setPlaceholderText(placeholder);
    MBAccessible::reportCaret(m_edit);
    m_edit->setFont(tlFont(15));
    // The box is drawn here; the edit itself stays see-through.
    m_edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(ipx(12), ipx(8), ipx(12), ipx(8));
    layout->addWidget(m_edit);
    setFocusProxy(m_edit);
    setField(m_edit);
    if (width)
        setFixedWidth(qRound(tlPx(*width)));
    setSizePolicy(width ? QSizePolicy::Fixed : QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString TLField::text() const
{
    return m_edit->text();
}

void TLField::setText(const QString &text)
{
    m_edit->setText(text);
}
