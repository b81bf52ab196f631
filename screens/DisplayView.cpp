#include "screens/DisplayView.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLPrefs.h"
#include "look/app/TLStyle.h"
#include "look/app/TLThemes.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYThemes.h"
#include "look/kit/Prefs.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/TLLabel.h"
#include "screens/TLPopUp.h"

#include <QPainterPath>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

// ---- SegmentedPicker ----

SegmentedPicker::SegmentedPicker(const QStringList &titles, QWidget *parent)
    : QWidget(parent), m_titles(titles), m_padX(px(14)), m_padY(px(6)), m_radius(px(8))
{
    setFont(tlFont(13, FontWeight::Semibold));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SegmentedPicker::setCurrent(int index)
{
    m_current = (index >= 0 && index < m_titles.size()) ? index : -1;
    update();
}

void SegmentedPicker::setPreferredWidth(int width)
{
    m_preferred = width;
    updateGeometry();
}

QSize SegmentedPicker::sizeHint() const
{
    QSize s = minimumSizeHint();
    s.setWidth(std::max(s.width(), m_preferred));
    return s;
}

QSize SegmentedPicker::minimumSizeHint() const
{
    const QFontMetricsF fm(font());
    double widest = 0;
    for (const QString &t : m_titles)
        widest = std::max(widest, fm.horizontalAdvance(t));
    const double w = m_titles.size() * (widest + 2 * m_padX);
    return QSize(int(std::ceil(w)) + 2, int(std::ceil(fm.height() + 2 * m_padY)) + 2);
}


QRectF SegmentedPicker::segmentRect(int index) const
{
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double w = r.width() / std::max<qsizetype>(1, m_titles.size());
    return QRectF(r.left() + index * w, r.top(), w, r.height());
}

void SegmentedPicker::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(track.topLeft(), track.bottomLeft());
    fill.setColorAt(0, palette.panelTop);
    fill.setColorAt(1, palette.panelBottom);
    p.setBrush(fill);
    p.setPen(QPen(palette.border, palette.highContrast ? 2 : 1));
    p.drawRoundedRect(track, m_radius, m_radius);

    for (int i = 0; i < m_titles.size(); ++i) {
        const QRectF seg = segmentRect(i);
        if (i == m_current) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette.accent);
            p.drawRoundedRect(seg.adjusted(2, 2, -2, -2), m_radius - 2, m_radius - 2);
            p.setPen(palette.onAccent);
        } else {
            if (i > 0 && i != m_current + 1) {
                p.setPen(QPen(palette.border, 1));
                p.drawLine(QPointF(seg.left(), seg.top() + 5), QPointF(seg.left(), seg.bottom() - 5));
            }
            p.setPen(palette.text);
        }
        p.setFont(font());
        p.drawText(seg, Qt::AlignCenter | Qt::TextSingleLine, m_titles.at(i));
    }
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette.accent, 2));
        p.drawRoundedRect(track.adjusted(1, 1, -1, -1), m_radius, m_radius);
    }
}

void SegmentedPicker::mouseReleaseEvent(QMouseEvent *event)
{
    for (int i = 0; i < m_titles.size(); ++i) {
        if (segmentRect(i).contains(event->position())) {
            setCurrent(i);
            Q_EMIT chosen(i);
            return;
        }
    }
}

void SegmentedPicker::keyPressEvent(QKeyEvent *event)
{
    int next = m_current;
    if (event->key() == Qt::Key_Left)
        next = m_current <= 0 ? 0 : m_current - 1;
    else if (event->key() == Qt::Key_Right)
        next = m_current < 0 ? 0 : std::min<int>(m_current + 1, m_titles.size() - 1);
    else
        return QWidget::keyPressEvent(event);
    if (next != m_current) {
        setCurrent(next);
        Q_EMIT chosen(next);
    }
}

// ---- ToggleBox ----

ToggleBox::ToggleBox(const QString &text, QWidget *parent)
    : QAbstractButton(parent), m_box(px(18 * TLStyle::scale())), m_gap(px(8))
{
    setText(text);
    setCheckable(true);
    setAccessibleName(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect ToggleBox::textRect(int width) const
{
    const int x = int(std::ceil(2 + m_box + m_gap));
    const QRect bounds = fontMetrics().boundingRect(QRect(x, 0, std::max(1, width - x - 2), 100000),
                                                    Qt::TextWordWrap | Qt::AlignLeft, text());
    return QRect(x, 0, std::max(1, width - x - 2), bounds.height());
}

QSize ToggleBox::sizeHint() const
{
    const QFontMetricsF fm(font());
    const double w = 2 + m_box + m_gap + fm.horizontalAdvance(text()) + 4;
    const double h = std::max(m_box, fm.height()) + 4;
    return QSize(int(std::ceil(w)), int(std::ceil(h)));
}

QSize ToggleBox::minimumSizeHint() const
{
    // Room for the box and the longest word.
    const QFontMetricsF fm(font());
    double word = 0;
    for (const QString &w : text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        word = std::max(word, fm.horizontalAdvance(w));
    return QSize(int(std::ceil(2 + m_box + m_gap + word + 4)), sizeHint().height());
}

int ToggleBox::heightForWidth(int width) const
{
    return std::max(int(std::ceil(m_box)), textRect(width).height()) + 4;
}

void ToggleBox::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect label = textRect(width());
    // The box stands beside the first line of the label.
    const double firstLine = std::min<double>(label.height(), fontMetrics().height());
    const QRectF box(2, 2 + std::max(0.0, (firstLine - m_box) / 2), m_box, m_box);
    const double line = std::max(1.5, m_box / 9);
    if (isChecked()) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette.accent);
        p.drawRoundedRect(box, m_box / 5, m_box / 5);
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.24, box.top() + box.height() * 0.52);
        tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.71);
        tick.lineTo(box.left() + box.width() * 0.77, box.top() + box.height() * 0.30);
        p.setPen(QPen(palette.onAccent, line * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        QColor edge = palette.text;
        edge.setAlphaF(palette.highContrast ? 1.0 : 0.6);
        p.setPen(QPen(edge, line));
        p.setBrush(palette.panelTop);
        const double in = line / 2;
        p.drawRoundedRect(box.adjusted(in, in, -in, -in), m_box / 5, m_box / 5);
    }
    if (hasFocus()) {
        p.setPen(QPen(palette.accent, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(-2, -2, 2, 2), m_box / 4, m_box / 4);
    }
    p.setPen(palette.text);
    p.setFont(font());
    p.drawText(label.translated(0, 2), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
}

// ---- DisplayView ----

namespace {

TLCard *card(const QList<QWidget *> &children)
{
    auto *c = new TLCard;
    c->body()->setSpacing(ipx(10));
    for (QWidget *w : children) {
        // Texts take the card's width and wrap; controls keep their own width.
        const bool text = qobject_cast<QLabel *>(w) != nullptr;
        c->body()->addWidget(w, 0, text ? Qt::Alignment() : Qt::AlignLeft);
    }
    return c;
}

} // namespace

QString DisplayView::zoomLine()
{
    const long percent = std::lround(MBZoom::clamp(MBZoom::value()) * 100.0);
    return QStringLiteral("Zoom the whole window: ") + QString::number(percent) + QLatin1Char('%');
}

DisplayView::DisplayView(QWidget *parent) : QWidget(parent)
{
    const TLPalette palette = TLPalette::current();

    // Text size.
    m_textSize = new SegmentedPicker(TLStyle::textSizeNames());
    m_textSize->setObjectName(QStringLiteral("textSizePicker"));
    m_textSize->setAccessibleName(QStringLiteral("Text size"));
    m_textSize->setPreferredWidth(ipx(420));
    m_textSize->setMaximumWidth(std::max(ipx(420), m_textSize->minimumSizeHint().width()));
    connect(m_textSize, &SegmentedPicker::chosen, this,
            [](int index) { Prefs::shared().setInteger(TLPrefs::textSizeKey, index); });
    QWidget *sizeCard = card({
        tlLabel(QStringLiteral("Text size"), 15, FontWeight::Bold),
        m_textSize,
        tlLabel(QStringLiteral("This is how text looks at this size."), 14),
    });

    // High contrast and theme.
    m_highContrast = new ToggleBox(QStringLiteral("High contrast (white text on black, yellow highlights)"));
    m_highContrast->setObjectName(QStringLiteral("highContrastToggle"));
    m_highContrast->setFont(tlFont(15, FontWeight::Bold));
    connect(m_highContrast, &QAbstractButton::toggled, this, [](bool on) {
        TLThemes::setHighContrast(on);
    });
    m_theme = new TLPopUp;
    m_theme->setObjectName(QStringLiteral("themePicker"));
    m_theme->setAccessibleName(QStringLiteral("Theme"));
    m_theme->setFont(tlFont(13));
    m_theme->setMaximumWidth(ipx(320));
    for (const MRBYTheme &theme : MRBYThemes::all())
        m_theme->addItem(theme.name, theme.id);
    connect(m_theme, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            MRBYThemes::setCurrentID(m_theme->itemData(index).toString());
    });
    QLabel *themeTitle = tlLabel(QStringLiteral("Theme"), 15, FontWeight::Bold);
    themeTitle->setContentsMargins(0, ipx(6), 0, 0);
    QWidget *themeCard = card({
        m_highContrast,
        themeTitle,
        m_theme,
        tlLabel(QStringLiteral("Warm Sand is the calm default. The Theme menu has the same list."),
                12.5, FontWeight::Regular, palette.dim),
    });

    // Zoom.
    m_zoomLabel = tlLabel(QString(), 15, FontWeight::Bold);
    m_zoomLabel->setObjectName(QStringLiteral("zoomLabel"));
    auto *smaller = new TLButton(QStringLiteral("Smaller"));
    auto *actual = new TLButton(QStringLiteral("100%"));
    auto *bigger = new TLButton(QStringLiteral("Bigger"));
    m_smaller = smaller;
    m_actual = actual;
    m_bigger = bigger;
    connect(smaller, &QAbstractButton::clicked, this,
            [] { MBZoom::setValue(MBZoom::value() - MBZoom::step); });
    connect(actual, &QAbstractButton::clicked, this, [] { MBZoom::setValue(1.0); });
    connect(bigger, &QAbstractButton::clicked, this,
            [] { MBZoom::setValue(MBZoom::value() + MBZoom::step); });
    auto *buttons = new QWidget;
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(ipx(8));
    buttonRow->addWidget(smaller, 0, Qt::AlignVCenter);
    buttonRow->addWidget(actual, 0, Qt::AlignVCenter);
    buttonRow->addWidget(bigger, 0, Qt::AlignVCenter);
    QWidget *zoomCard = card({
        m_zoomLabel,
        buttons,
        tlLabel(QStringLiteral("From 85% to 200%. Keyboard: Ctrl + and Ctrl \u2212."), 12.5,
                FontWeight::Regular, palette.dim),
    });

    auto *page = new Page({
        new PageHeader(QStringLiteral("textformat.size"), QStringLiteral("Text size & display"),
                       QStringLiteral("Make the app easier to read. These settings are saved on this computer.")),
        sizeCard,
        themeCard,
        zoomCard,
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);

    connect(&Prefs::shared(), &Prefs::changed, this, [this](const QString &key) {
        if (key == TLPrefs::textSizeKey || key == MRBYThemes::key || key == MBZoom::key)
            refresh();
    });
    refresh();
}

void DisplayView::refresh()
{
    // Showing a stored value writes nothing back.
    const int size = TLStyle::textSize();
    m_textSize->setCurrent(size >= 0 && size <= 2 ? size : -1);

    const QString id = MRBYThemes::currentID();
    {
        const QSignalBlocker block(m_highContrast);
        m_highContrast->setChecked(id == TLThemes::highContrastID);
    }
    {
        const QSignalBlocker block(m_theme);
        m_theme->setCurrentIndex(m_theme->findData(id));
    }
    m_zoomLabel->setText(zoomLine());
}
