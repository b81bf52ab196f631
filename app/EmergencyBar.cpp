#include "app/EmergencyBar.h"

#include "app/EmergencyButton.h"
#include "app/TLInfo.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The note's backing: a rounded rectangle of the accent at low opacity.
class NoteRow final : public QWidget
{
public:
    explicit NoteRow(QWidget *parent = nullptr) : QWidget(parent), m_radius(px(12)) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QColor tint = TLPalette::current().accent;
        tint.setAlphaF(0.12);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        p.drawRoundedRect(QRectF(rect()), m_radius, m_radius);
    }

private:
    double m_radius;
};

} // namespace

EmergencyBar::EmergencyBar(QWidget *parent) : QWidget(parent), m_zoom(MBZoomScope::current())
{
    setObjectName(QStringLiteral("emergencyBar"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(ipx(16), ipx(10), ipx(16), ipx(10));
    column->setSpacing(ipx(8));
    m_top = buildTopRow();
    column->addLayout(m_top);
    m_noteHolder = new QHBoxLayout;
    m_noteHolder->setContentsMargins(0, 0, 0, 0);
    m_noteHolder->addWidget(buildNoteRow());
    column->addLayout(m_noteHolder);
    setNote(std::nullopt);
}

QBoxLayout *EmergencyBar::buildTopRow()
{
    // The two lines of text, then the buttons at the trailing edge.
    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(ipx(10));
    auto *lines = new QVBoxLayout;
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(ipx(1));
    lines->addWidget(tlLabel(QStringLiteral("Need help now?"), 14, FontWeight::Heavy));
    lines->addWidget(tlLabel(QStringLiteral("One click. These buttons always work."), 11,
                             FontWeight::Regular, TLPalette::current().dim));
    top->addLayout(lines, 1);
    top->addSpacing(ipx(8));
    // Each button keeps a little room for its shadow; the gap between two
    // capsules is still about 10 points.
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(std::max(0, ipx(10) - 2 * ipx(3)));
    for (const EmergencyAction action : EmergencyAction::allCases()) {
        auto *button = new EmergencyButton(action, [this, action] { tap(action); });
        m_buttons << button;
        buttons->addWidget(button, 0, Qt::AlignVCenter);
    }
    top->addLayout(buttons);
    return top;
}

QWidget *EmergencyBar::buildNoteRow()
{
    m_noteRow = new NoteRow;
    m_noteRow->setObjectName(QStringLiteral("emergencyNote"));
    auto *row = new QHBoxLayout(m_noteRow);
    const int pad = ipx(10);
    row->setContentsMargins(pad, pad, pad, pad);
    row->setSpacing(ipx(10));
    auto *info = new MBSymbolView(QStringLiteral("info.circle.fill"), tlPx(15));
    info->setColorSource([] { return TLPalette::current().accent; });
    row->addWidget(info, 0, Qt::AlignTop);
    m_noteLabel = tlLabel(QString(), 12.5, FontWeight::Medium);
    m_noteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_noteLabel, 1, Qt::AlignTop);
    m_chatLink = new MBLink(QStringLiteral("988 chat"), TLInfo::chat988URL);
    m_chatLink->setFont(tlFont(12.5, FontWeight::Bold));
    row->addWidget(m_chatLink, 0, Qt::AlignTop);
    m_ok = new TLButton(QStringLiteral("OK"));
    connect(m_ok, &QAbstractButton::clicked, this, [this] { setNote(std::nullopt); });
    row->addWidget(m_ok, 0, Qt::AlignTop);
    return m_noteRow;
}

void EmergencyBar::tap(EmergencyAction action)
{
    // The note first, so it shows even when opening the URL does nothing.
    setNote(action);
    action.perform();
}

void EmergencyBar::setNote(std::optional<EmergencyAction> action)
{
    m_note = action;
    if (!action) {
        m_noteRow->hide();
        return;
    }
    m_noteLabel->setText(action->followUp());
    const bool chat = action->value() == EmergencyAction::call988
        || action->value() == EmergencyAction::text988;
    m_chatLink->setVisible(chat);
    m_noteRow->show();
}

void EmergencyBar::setTrailingInset(int pixels)
{
    m_trailingInset = std::max(0, pixels);
    // Each row takes only the inset it can spare: a button squeezed below its
    // size would cut its title, and what does not fit stays reachable by
    // scrolling the window. The note wraps, so its OK button keeps in view.
    const QMargins bar = layout()->contentsMargins();
    const int rowWidth = width() - bar.left() - bar.right();
    for (QBoxLayout *row : {m_top, m_noteHolder}) {
        const int current = row->contentsMargins().right();
        const int needed = row->minimumSize().width() - current;
        const int inset = std::clamp(m_trailingInset, 0, std::max(0, rowWidth - needed));
        if (inset != current)
            row->setContentsMargins(0, 0, inset, 0);
    }
}

double EmergencyBar::bottomLineHeight()
{
    return TLPalette::current().highContrast ? 2.0 : 1.0;
}

void EmergencyBar::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter p(this);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, palette.panelTop);
    fill.setColorAt(1, palette.panelBottom);
    p.fillRect(rect(), fill);
    const double line = bottomLineHeight() * m_zoom;
    p.fillRect(QRectF(0, height() - line, width(), line), palette.border);
}
