#include "app/EmergencyBar.h"

#include "app/EmergencyButton.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/BesideOrBelow.h"
#include "services/TLInfo.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The note outlives the bar: a theme, text-size or zoom change builds the
// window's content afresh, and the note stays until OK. It is kept on the
// bar's window, which stays.
const char *const kNoteKept = "tlEmergencyNote";

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
    // The bar takes the width it is given and fits itself to it.
    column->setSizeConstraint(QLayout::SetNoConstraint);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->setContentsMargins(ipx(16), ipx(10), ipx(16), ipx(10));
    column->setSpacing(ipx(8));
    m_top = buildTopRow();
    column->addLayout(m_top);
    column->addWidget(buildNoteRow());
    m_noteRow->hide();
}

QBoxLayout *EmergencyBar::buildTopRow()
{
    // The two lines of text, then the buttons at the trailing edge.
    auto *top = mbRow(nullptr, ipx(10));
    m_caption = new QWidget;
    m_caption->setObjectName(QStringLiteral("emergencyCaption"));
    auto *lines = mbColumn(m_caption, ipx(1));
    for (QLabel *line : {tlLabel(QStringLiteral("Need help now?"), 14, FontWeight::Heavy),
                         tlLabel(QStringLiteral("One click. These buttons always work."), 11,
                                 FontWeight::Regular, TLPalette::current().dim)}) {
        // One line each, or not shown at all: never a word a line.
        line->setWordWrap(false);
        lines->addWidget(line);
    }
    top->addWidget(m_caption);
    top->addStretch(1);
    m_minimumGap = ipx(8);
    top->addSpacing(m_minimumGap);
    // Each button keeps a little room for its shadow; the gap between two
    // capsules is still about 10 points.
    m_buttonRow = mbRow(nullptr, std::max(0, ipx(10) - 2 * ipx(3)));
    for (const EmergencyAction action : EmergencyAction::allCases()) {
        auto *button = new EmergencyButton(action, [this, action] { tap(action); });
        m_buttons << button;
        m_buttonRow->addWidget(button, 0, Qt::AlignVCenter);
    }
    top->addLayout(m_buttonRow);
    return top;
}

QWidget *EmergencyBar::buildNoteRow()
{
    m_noteRow = new NoteRow;
    m_noteRow->setObjectName(QStringLiteral("emergencyNote"));
    const int pad = ipx(10);
    auto *frame = mbColumn(m_noteRow);
    frame->setContentsMargins(pad, pad, pad, pad);

    auto *text = mbRow(nullptr, ipx(10));
    auto *info = new MBSymbolView(QStringLiteral("info.circle.fill"), tlPx(15));
    info->setColorSource([] { return TLPalette::current().accentIcon(); });
    text->addWidget(info, 0, Qt::AlignTop);
    m_noteLabel = tlLabel(QString(), 12.5, FontWeight::Medium);
    m_noteLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addWidget(m_noteLabel, 1, Qt::AlignTop);

    auto *actions = mbRow(nullptr, ipx(10));
    m_chatLink = new MBLink(QStringLiteral("988 chat"), TLInfo::chat988URL);
    m_chatLink->setFont(tlFont(12.5, FontWeight::Bold));
    actions->addWidget(m_chatLink, 0, Qt::AlignVCenter);
    m_ok = new TLButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("emergencyNoteOK"));
    // Esc dismisses the note as OK does (Return, Enter and Space press it).
    m_ok->installEventFilter(this);
    connect(m_ok, &QAbstractButton::clicked, this, &EmergencyBar::dismissNote);
    actions->addWidget(m_ok, 0, Qt::AlignVCenter);
    actions->addStretch(1);
    actions->setAlignment(Qt::AlignTop);

    // The link and OK stand at the trailing edge while the sentence keeps
    // room for a few words on a line, else under it: in a small zoomed
    // window a sentence squeezed beside them takes more lines than the bar
    // has room for.
    const int indent = info->sizeHint().width() + text->spacing();
    auto *row = new BesideOrBelow(nullptr, ipx(10), indent + qRound(tlPx(320)), indent);
    row->addLayout(text);
    row->addLayout(actions);
    frame->addLayout(row);
    return m_noteRow;
}

void EmergencyBar::tap(EmergencyAction action)
{
    // The note first, so it shows even when opening the URL does nothing.
    setNote(action);
    // The key that pressed the button must not call again: the next Return
    // or Space lands on OK.
    m_ok->setFocus(Qt::OtherFocusReason);
    action.perform();
}

void EmergencyBar::dismissNote()
{
    // The focus on OK goes to the page as the row hides (MBKeyboard).
    setNote(std::nullopt);
}

void EmergencyBar::setNote(std::optional<EmergencyAction> action)
{
    m_note = action;
    window()->setProperty(kNoteKept, action ? QVariant(action->rawValue()) : QVariant());
    if (!action) {
        m_ok->setAccessibleDescription(QString());
        m_noteRow->hide();
        return;
    }
    m_noteLabel->setText(action->followUp());
    m_ok->setAccessibleDescription(action->followUp());
    const bool chat = action->value() == EmergencyAction::call988
        || action->value() == EmergencyAction::text988;
    m_chatLink->setVisible(chat);
    m_noteRow->show();
}

void EmergencyBar::forgetNote(QWidget *window)
{
    window->setProperty(kNoteKept, QVariant());
}

void EmergencyBar::showEvent(QShowEvent *event)
{
    // A bar built afresh in a window takes up the note its predecessor showed.
    const std::optional<EmergencyAction> kept =
        EmergencyAction::fromRawValue(window()->property(kNoteKept).toString());
    if (kept != m_note)
        setNote(kept);
    QWidget::showEvent(event);
}

bool EmergencyBar::eventFilter(QObject *watched, QEvent *event)
{
    const bool escape = (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
                        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    if (watched == m_ok && escape) {
        // Esc here is the note's, not a window's shortcut (the help window
        // closes with Esc).
        event->accept();
        if (event->type() == QEvent::KeyPress)
            m_ok->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void EmergencyBar::fitWidth()
{
    // The row is: greeting, flexible space, the 8-point gap, the buttons.
    const QMargins m = layout()->contentsMargins();
    const int room = width() - m.left() - m.right() - m_minimumGap;
    const int gaps = m_buttonRow->spacing() * int(m_buttons.size() - 1);
    int buttons = gaps;
    for (const EmergencyButton *b : m_buttons)
        buttons += b->fullSize().width();
    m_caption->setVisible(room >= buttons + m_caption->sizeHint().width());
    // Whole buttons, a little smaller, rather than cut ones.
    const double shrink = room >= buttons ? 1.0 : std::max(0.1, double(room - gaps) / (buttons - gaps));
    for (EmergencyButton *b : m_buttons)
        b->setShrink(shrink);
}

void EmergencyBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitWidth();
}

double EmergencyBar::bottomLineHeight()
{
    return TLPalette::current().outlineWidth(1.0);
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
