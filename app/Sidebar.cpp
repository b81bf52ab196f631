#include "app/Sidebar.h"

#include "data/AppCategory.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYHelp.h"
#include "services/AppModel.h"
#include "services/TLInfo.h"
#include "widgets/StatePicker.h"
#include "widgets/TLLabel.h"
#include "widgets/TLScroll.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

// How far the sidebar was scrolled, as a share of its height, kept on its
// window: a theme, text-size or zoom change builds the sidebar afresh, and
// it stays where it was.
const char *const kScrolled = "tlSidebarScrolled";

// Wraps a widget in the given padding (points).
QWidget *padded(QWidget *inner, double top, double bottom)
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, ipx(top), 0, ipx(bottom));
    layout->setSpacing(0);
    layout->addWidget(inner);
    return box;
}

} // namespace

SidebarRow::SidebarRow(const QString &title, const QString &icon, std::optional<Screen> screen,
                       QWidget *parent)
    : QAbstractButton(parent),
      m_title(title),
      m_icon(icon),
      m_screen(screen),
      m_regular(tlFont(13.5, FontWeight::Medium)),
      m_bold(tlFont(13.5, FontWeight::Bold)),
      m_radius(px(10)),
      m_zoom(MBZoomScope::current())
{
    MBAccessible::markPlace(this);
    // As typed: "Shelter & Parking" claims no access key.
    setText(mbMenuText(title));
    setAccessibleName(title);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    setAttribute(Qt::WA_Hover);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(ipx(10), ipx(7), ipx(10), ipx(7));
    row->setSpacing(ipx(10));

    // The symbol grows with the text, within its 22-point column.
    auto *symbol = new MBSymbolView(icon, px(std::min(14 * TLStyle::scale(), 20.0)));
    symbol->setBoxWidth(px(22));
    symbol->setColorSource([this] {
        const TLPalette p = TLPalette::current();
        return m_selected ? p.onAccent : p.accentIcon();
    });
    row->addWidget(symbol, 0, Qt::AlignVCenter);

    m_label = tlLabel(title, 13.5, FontWeight::Medium);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(m_label, 1, Qt::AlignVCenter);

    setSelected(false);
}

void SidebarRow::setSelected(bool selected)
{
    m_selected = selected;
    const TLPalette palette = TLPalette::current();
    m_label->setFont(selected ? m_bold : m_regular);
    tlSetTextColor(m_label, selected ? palette.onAccent : palette.text);
    MBAccessible::setCurrent(this, selected);
    update();
}

void SidebarRow::paintEvent(QPaintEvent *)
{
    const TLPalette palette = TLPalette::current();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette.accent);
        p.drawRoundedRect(QRectF(rect()), m_radius, m_radius);
    } else if (isDown() || underMouse()) {
        QColor hover = palette.accent;
        hover.setAlphaF(isDown() ? 0.18 : 0.08);
        p.setPen(Qt::NoPen);
        p.setBrush(hover);
        p.drawRoundedRect(QRectF(rect()), m_radius, m_radius);
    }
    if (hasFocus())
        MBFocusRing::paint(p, QRectF(rect()), m_radius, m_selected ? palette.onAccent : palette.accentIcon(),
                           m_zoom);
}

Sidebar::Sidebar(AppModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_revealMargin(ipx(8)), m_restoreScroll(this, [this] { restoreScroll(); })
{
    setObjectName(QStringLiteral("sidebar"));
    const TLPalette palette = TLPalette::current();

    auto *column = new QWidget;
    auto *stack = new QVBoxLayout(column);
    const int pad = ipx(14);
    stack->setContentsMargins(pad, pad, pad, pad);
    stack->setSpacing(ipx(3));

    // Header: the name and the line under it.
    auto *header = new QWidget;
    auto *headerLines = new QVBoxLayout(header);
    headerLines->setContentsMargins(0, 0, 0, ipx(10));
    headerLines->setSpacing(ipx(2));
    headerLines->addWidget(tlLabel(TLInfo::shortName, 19, FontWeight::Heavy));
    headerLines->addWidget(tlLabel(TLInfo::makerShortName + QStringLiteral(" \u00b7 help that works offline"), 11,
                                   FontWeight::Semibold, palette.dim));
    stack->addWidget(header);

    m_picker = new StatePicker(model);
    stack->addWidget(padded(m_picker, 0, 8));

    const auto section = [&](const QString &text) {
        stack->addWidget(padded(new TLSectionTitle(text), 12, 2));
    };

    stack->addWidget(item(Screen::home, QStringLiteral("Right now"), QStringLiteral("heart.fill")));
    stack->addWidget(item(Screen::search, QStringLiteral("Search everything"),
                          QStringLiteral("magnifyingglass")));
    section(QStringLiteral("Help by topic"));
    for (const AppCategory topic : AppCategory::allCases())
        stack->addWidget(item(Screen::forCategory(topic), topic.rawValue(), topic.icon()));
    section(QStringLiteral("Your things"));
    stack->addWidget(item(Screen::myList, QStringLiteral("My List"), QStringLiteral("bookmark.fill")));
    stack->addWidget(item(Screen::sheet, QStringLiteral("My Resources Sheet"),
                          QStringLiteral("printer.fill")));
    stack->addWidget(item(Screen::money, QStringLiteral("Money Plan"),
                          QStringLiteral("dollarsign.circle.fill")));
    section(QStringLiteral("Learn"));
    stack->addWidget(item(Screen::guide, QStringLiteral("Survival Guide"), QStringLiteral("book.fill")));
    stack->addWidget(item(Screen::videos, QStringLiteral("Videos"),
                          QStringLiteral("play.rectangle.fill")));
    section(QStringLiteral("About this app"));
    stack->addWidget(item(Screen::dataChecked, QStringLiteral("Data last checked"),
                          QStringLiteral("checkmark.seal.fill")));
    stack->addWidget(item(Screen::display, QStringLiteral("Text size & display"),
                          QStringLiteral("textformat.size")));

    m_help = new SidebarRow(QStringLiteral("Help"), QStringLiteral("questionmark.circle.fill"),
                            std::nullopt);
    m_help->setObjectName(QStringLiteral("helpRow"));
    connect(m_help, &QAbstractButton::clicked, this,
            [] { MRBYHelp::show(QStringLiteral("start")); });
    stack->addWidget(m_help);

    m_credit = new MBLink(QStringLiteral("by ") + TLInfo::makerName, TLInfo::website());
    m_credit->setFont(tlFont(11, FontWeight::Semibold));
    stack->addWidget(padded(m_credit, 8, 0));
    stack->addStretch(1);

    auto *layout = mbColumn(this, 0);
    m_scroll = new TLScroll(column);
    layout->addWidget(m_scroll);
    if (QScrollArea *area = m_scroll->scrollArea()) {
        connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, column](int value) {
            if (isVisible() && column->height() > 0)
                window()->setProperty(kScrolled, double(value) / column->height());
        });
    }

    connect(&model, &AppModel::screenChanged, this, &Sidebar::refreshHighlight);
    refreshHighlight();
}

void Sidebar::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Once laid out.
    m_restoreScroll.schedule();
}

void Sidebar::restoreScroll()
{
    QScrollArea *area = m_scroll->scrollArea();
    const QVariant share = window()->property(kScrolled);
    if (!area || !share.isValid())
        return;
    area->verticalScrollBar()->setValue(int(std::lround(share.toDouble() * m_scroll->content()->height())));
    refreshHighlight(); // the chosen row stays in view
}

SidebarRow *Sidebar::item(const Screen &screen, const QString &title, const QString &icon)
{
    auto *row = new SidebarRow(title, icon, screen);
    m_rows << row;
    connect(row, &QAbstractButton::clicked, this, [this, screen] { m_model.setScreen(screen); });
    return row;
}

void Sidebar::refreshHighlight()
{
    const Screen current = m_model.screen();
    SidebarRow *selected = nullptr;
    for (SidebarRow *row : m_rows) {
        row->setSelected(row->screen() && *row->screen() == current);
        if (row->selected())
            selected = row;
    }
    // A row chosen from a menu or shortcut comes into view (once the
    // sidebar is laid out; it starts at its top).
    if (selected && isVisible() && m_scroll->scrollArea())
        m_scroll->scrollArea()->ensureWidgetVisible(selected, 0, m_revealMargin);
}

QStringList Sidebar::highlightedTitles() const
{
    QStringList out;
    for (const SidebarRow *row : m_rows) {
        if (row->selected())
            out << row->title();
    }
    return out;
}
