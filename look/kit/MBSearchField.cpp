#include "look/kit/MBSearchField.h"

#include "look/kit/KitFont.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBSymbols.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYTheme.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The field's well: black at this opacity over the panel it sits on.
constexpr float kWell = 0.35f;

// A kit colour as it reads in the well (on a light theme's panel the well is
// mid grey): text ratio for the prompt, figure ratio for symbols and ring.
QColor inWell(QColor MBKitTheme::*ink, double ratio)
{
    const MBKitTheme k = MRBYKitHost::theme();
    const QColor black(Qt::black);
    return MRBYTheme::readable(k.*ink, k.text,
                               {MRBYTheme::mix(black, k.panelTop, kWell), MRBYTheme::mix(black, k.panelBottom, kWell)},
                               ratio);
}

// The symbol sized to the surrounding text.
double glyphSize(const QFont &font)
{
    return std::round(KitFont::pixelSize(font) * 1.2);
}

// A chrome-less button showing the clear symbol in the kit's dim colour.
class ClearButton final : public QAbstractButton
{
public:
    explicit ClearButton(QWidget *parent) : QAbstractButton(parent), m_zoom(MBZoomScope::current())
    {
        setCursor(Qt::ArrowCursor);
        setFocusPolicy(Qt::TabFocus);
        setToolTip(QStringLiteral("Clear search"));
        setAccessibleName(QStringLiteral("Clear search"));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const int side = int(glyphSize(font()));
        return QSize(side, side);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(MBSymbols::font(glyphSize(font())));
        QColor c = inWell(&MBKitTheme::dim, MRBYTheme::figureRatio);
        if (isDown())
            c = MRBYKitHost::theme().text;
        p.setPen(c);
        p.drawText(rect(), Qt::AlignCenter, MBSymbols::glyph(QStringLiteral("xmark.circle.fill")));
        if (hasFocus())
            MBFocusRing::paint(p, QRectF(rect()), width() / 2.0, inWell(&MBKitTheme::accent, MRBYTheme::figureRatio), m_zoom);
    }

private:
    double m_zoom;
};

} // namespace

MBSearchField::MBSearchField(const QString &prompt, const QString &text, QWidget *parent)
    : QWidget(parent), m_zoom(MBZoomScope::current())
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(ipx(12), ipx(7), ipx(12), ipx(7));
    row->setSpacing(ipx(6));

    m_glass = new MBSymbolView(QStringLiteral("magnifyingglass"), glyphSize(font()), this);
    m_glass->setColorSource([] { return inWell(&MBKitTheme::dim, MRBYTheme::figureRatio); });
    row->addWidget(m_glass, 0, Qt::AlignVCenter);

    m_edit = new QLineEdit(this);
    m_edit->setFrame(false);
    m_edit->setPlaceholderText(prompt);
    m_edit->setText(text);
    m_edit->setAccessibleName(prompt);
    row->addWidget(m_edit, 1, Qt::AlignVCenter);

    m_clear = new ClearButton(this);
    row->addWidget(m_clear, 0, Qt::AlignVCenter);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    applyColors();
    syncClearButton();

    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &t) {
        syncClearButton();
        Q_EMIT textChanged(t);
    });
    connect(m_clear, &QAbstractButton::clicked, this, [this] { m_edit->clear(); });
    MBFocusRing::repaintWithFocus(this, m_edit);
}

QString MBSearchField::text() const { return m_edit->text(); }

void MBSearchField::setText(const QString &text)
{
    if (text != m_edit->text())
        m_edit->setText(text);
}

QString MBSearchField::prompt() const { return m_edit->placeholderText(); }

void MBSearchField::syncClearButton()
{
    // Any character, a lone space included, brings the button.
    m_clear->setVisible(!m_edit->text().isEmpty());
}

void MBSearchField::applyColors()
{
    const MBKitTheme k = MRBYKitHost::theme();
    QPalette pal = m_edit->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, Qt::transparent);
        pal.setColor(group, QPalette::Text, k.text);
        pal.setColor(group, QPalette::PlaceholderText, inWell(&MBKitTheme::dim, MRBYTheme::textRatio));
    }
    m_edit->setPalette(pal);
}

void MBSearchField::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_glass->setGlyphSize(glyphSize(font()));
        m_clear->updateGeometry();
    } else if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
}

void MBSearchField::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect());
    p.fillPath(MBPanel::shape(r, r.height() / 2.0), QColor::fromRgbF(0, 0, 0, kWell));

    // An inset well: darker at the top edge, lighter at the bottom.
    QLinearGradient rim(r.center().x(), r.top(), r.center().x(), r.bottom());
    rim.setColorAt(0.0, QColor::fromRgbF(0, 0, 0, 0.6f));
    rim.setColorAt(1.0, QColor::fromRgbF(1, 1, 1, 0.25f));
    MBPanel::strokeInside(p, r, r.height() / 2.0, QPen(QBrush(rim), 1.0));
    if (m_edit->hasFocus())
        MBFocusRing::paint(p, r, r.height() / 2.0, inWell(&MBKitTheme::accent, MRBYTheme::figureRatio), m_zoom);
}
