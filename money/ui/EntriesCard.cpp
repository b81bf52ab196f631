#include "money/ui/EntriesCard.h"

#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBDivider.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "money/Money.h"
#include "money/MoneyActions.h"
#include "money/MoneyCategory.h"
#include "money/MoneyStore.h"
#include "money/ui/EntryForm.h"
#include "money/ui/KindBar.h"
#include "money/ui/MoneyForm.h"
#include "screens/BesideOrBelow.h"
#include "screens/Refusal.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"
#include "widgets/TLPopUp.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QString perText(MoneyPeriod period)
{
    return period == MoneyPeriod::week ? QStringLiteral("a week") : QStringLiteral("a month");
}

QWidget *byKind(const MoneyPlan &plan, MoneyPeriod period)
{
    const TLPalette palette = TLPalette::current();
    auto *block = new QWidget;
    block->setObjectName(QStringLiteral("byKind"));
    auto *column = new QVBoxLayout(block);
    column->setContentsMargins(0, ipx(4), 0, 0);
    column->setSpacing(ipx(5));
    column->addWidget(tlLabel(QStringLiteral("By kind"), 12, FontWeight::Bold, palette.dim));
    const QList<MoneyPlan::CategoryTotal> totals = plan.categoryTotals(MoneyKind::expense, period);
    const qint64 reference = totals.isEmpty() ? 1 : qMax<qint64>(1, totals.first().cents);
    for (const MoneyPlan::CategoryTotal &t : totals) {
        auto *row = new QHBoxLayout;
        row->setSpacing(ipx(8));
        QLabel *title = tlLabel(t.title, 12.5, FontWeight::Regular, std::nullopt, false);
        title->setFixedWidth(qRound(tlPx(190)));
        row->addWidget(title, 0, Qt::AlignVCenter);
        auto *bar = new KindBar(t.cents, reference);
        bar->setObjectName(QStringLiteral("kindBar-") + t.id);
        row->addWidget(bar, 1, Qt::AlignVCenter);
        QLabel *amount = tlLabel(Money::text(t.cents), 12.5, FontWeight::Semibold, std::nullopt, false);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setFixedWidth(qRound(tlPx(100)));
        row->addWidget(amount, 0, Qt::AlignVCenter);
        column->addLayout(row);
    }
    return block;
}

// A line's row. Its height for a width is measured once, until the row
// shows or hides a sentence: a long plan would otherwise measure every
// label of every row again whenever the page around them is laid out.
class EntryRow final : public QWidget
{
public:
    explicit EntryRow(QWidget *inner) : m_inner(inner), m_zoom(MBZoomScope::current())
    {
        inner->setParent(this);
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
        // A line takes the focus of the line removed beside it, as a whole
        // and not through its Remove: a Space pressed again removes nothing.
        MBKeyboard::markHolder(this);
    }

    QSize sizeHint() const override { return m_inner->sizeHint(); }
    QSize minimumSizeHint() const override { return m_inner->minimumSizeHint(); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        auto it = m_heights.constFind(width);
        if (it == m_heights.cend())
            it = m_heights.insert(width, m_inner->heightForWidth(width));
        return *it;
    }

protected:
    bool event(QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            update();
            break;
        case QEvent::LayoutRequest:
            // The inner part's layout changed: what it holds is shown or hidden.
            m_heights.clear();
            updateGeometry();
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }
    void resizeEvent(QResizeEvent *) override { m_inner->setGeometry(rect()); }
    void paintEvent(QPaintEvent *) override
    {
        if (!hasFocus())
            return;
        QPainter p(this);
        MBFocusRing::paint(p, QRectF(rect()), 8 * m_zoom, TLPalette::current().accentIcon(), m_zoom);
    }

private:
    QWidget *m_inner;
    double m_zoom;
    mutable QHash<int, int> m_heights;
};

} // namespace

EntriesCard::EntriesCard(MoneyKind kind, MoneyStore &store, MoneyPeriod period, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_store(store), m_period(period), m_zoom(MBZoomScope::current())
{
    const bool income = kind == MoneyKind::income;
    setObjectName(income ? QStringLiteral("incomeCard") : QStringLiteral("expenseCard"));
    auto *outer = mbColumn(this, ipx(10));
    outer->addWidget(new TLSectionTitle(title(kind)));
    auto *card = new TLCard;
    card->setAccessibleName(title(kind));
    outer->addWidget(card);
    card->body()->setSpacing(ipx(10));

    auto *rows = new QWidget;
    m_rowsLayout = mbColumn(rows, ipx(10));
    card->addWidget(rows);
    auto *foot = new QWidget;
    m_footLayout = mbColumn(foot);
    card->addWidget(foot);
    m_form = new EntryForm(kind, store);
    MBClickRun::holdMouse(m_form->button());
    card->addWidget(m_form);
    refresh(period);
}

QString EntriesCard::title(MoneyKind kind)
{
    return kind == MoneyKind::income ? QStringLiteral("Money coming in") : QStringLiteral("Money going out");
}

QString EntriesCard::emptyText(MoneyKind kind)
{
    return kind == MoneyKind::income
        ? QStringLiteral("Nothing yet. Add a job, gig work, benefits or other money that comes in.")
        : QStringLiteral("Nothing yet. Add what you spend on food, fuel, your phone and more.");
}

void EntriesCard::refresh(MoneyPeriod period)
{
    MBZoomScope scope(m_zoom);
    const MoneyPlan &plan = m_store.plan();
    const QList<MoneyEntry> lines = plan.entriesOf(m_kind);
    const bool periodChanged = !(period == m_period);
    m_period = period;
    // A line that comes or goes moves what is below it: a click that did it
    // holds where that stood. It comes or goes at the first place where the
    // rows differ, else after the last row, where the foot stands.
    if (lines.size() != m_rows.size()) {
        qsizetype first = 0;
        while (first < lines.size() && first < m_rowsLayout->count()
               && m_rowsLayout->itemAt(int(first))->widget()->property("entryId") == lines.at(first).id)
            ++first;
        MBClickRun::rowsMove(first < m_rowsLayout->count() ? m_rowsLayout->itemAt(int(first))->widget() : m_foot);
    }

    // Rows whose line changed, went away, or show another period go.
    QHash<QString, Row> kept;
    for (const MoneyEntry &e : lines) {
        auto it = m_rows.find(e.id);
        if (it != m_rows.end() && !periodChanged && it->entry == e) {
            kept.insert(e.id, *it);
            m_rows.erase(it);
        }
    }
    // The place of a going row that holds the focus (its Remove pressed).
    QWidget *focus = window()->focusWidget();
    int focusedAt = -1;
    QList<QWidget *> going;
    for (const Row &gone : std::as_const(m_rows)) {
        if (focus && gone.widget->isAncestorOf(focus))
            focusedAt = m_rowsLayout->indexOf(gone.widget);
        m_rowsLayout->removeWidget(gone.widget);
        going << gone.widget;
    }
    m_rows = kept;
    QList<QWidget *> shown;
    for (int i = 0; i < lines.size(); ++i) {
        const MoneyEntry &e = lines.at(i);
        auto it = m_rows.find(e.id);
        if (it == m_rows.end())
            it = m_rows.insert(e.id, {e, makeRow(e)});
        if (m_rowsLayout->indexOf(it->widget) != i) {
            m_rowsLayout->removeWidget(it->widget);
            m_rowsLayout->insertWidget(i, it->widget);
        }
        it->widget->show();
        shown << it->widget;
    }
    // The focus of a line that goes (its Remove pressed) goes to the line
    // now in its place, else the one above, else the page.
    for (QWidget *gone : std::as_const(going)) {
        if (focusedAt >= 0 && !shown.isEmpty())
            MBKeyboard::setHeir(gone, shown.at(std::min<qsizetype>(focusedAt, shown.size() - 1)));
        MBRebuildHost::retire(nullptr, gone);
    }
    m_rowsLayout->parentWidget()->setVisible(!lines.isEmpty());

    QWidget *old = m_foot;
    m_foot = nullptr;
    MBRebuildHost::retire(m_footLayout, old);
    m_foot = makeFoot(plan, !lines.isEmpty());
    m_footLayout->addWidget(m_foot);
}

QWidget *EntriesCard::makeRow(const MoneyEntry &entry)
{
    const TLPalette palette = TLPalette::current();
    auto *block = new QWidget;
    auto *column = mbColumn(block, ipx(10));
    auto *leadBox = new QWidget;
    auto *lead = mbRow(leadBox, ipx(12));

    auto *icon = new MBSymbolView(MoneyCategory::icon(entry.kind, entry.category), tlPx(17));
    icon->setColorSource([] { return TLPalette::current().accentIcon(); });
    icon->setBoxWidth(tlPx(30));
    lead->addWidget(icon, 0, Qt::AlignVCenter);

    auto *text = new QVBoxLayout;
    text->setSpacing(ipx(2));
    QLabel *name = tlLabel(entry.displayLabel(), 15, FontWeight::Bold);
    name->setObjectName(QStringLiteral("entryLabel"));
    text->addWidget(name);
    text->addWidget(tlLabel(entry.categoryTitle() + QStringLiteral(" \u00b7 ") + Money::text(entry.cents) + u' '
                                + entry.frequency.shortText(),
                            12.5, FontWeight::Regular, palette.dim));
    lead->addLayout(text, 1);

    const QString shownAmount = Money::text(MoneyPlan::amount(entry, m_period));
    QLabel *amount = tlLabel(shownAmount, 16, FontWeight::Heavy, std::nullopt, false);
    amount->setObjectName(QStringLiteral("entryAmount"));
    QLabel *per = tlLabel(m_period == MoneyPeriod::week ? QStringLiteral("/ week") : QStringLiteral("/ month"), 11.5,
                          FontWeight::Regular, palette.dim, false);
    auto *remove = new TLButton(QStringLiteral("Remove"), {}, QStringLiteral("trash"));
    remove->setObjectName(QStringLiteral("removeButton"));
    remove->setToolTip(QStringLiteral("Remove this line"));
    // Among many Removes a screen reader names the line each one takes away.
    const QString line = entry.displayLabel() + QStringLiteral(", ") + shownAmount + u' ' + perText(m_period);
    remove->setAccessibleName(QStringLiteral("Remove ") + line);
    remove->setAutoDefault(false);
    QLabel *failed = Refusal::line();
    failed->setObjectName(QStringLiteral("removeError"));
    const QString id = entry.id;
    connect(remove, &QPushButton::clicked, this, [this, id, failed] { this->remove(id, failed); });
    MBClickRun::holdMouse(remove);
    auto *trail = new QWidget;
    MoneyForm::wrappingRow(trail, 12, {amount, per, remove});

    // Beside the amount the texts keep room for a few words, else the amount
    // and Remove go below them, in line with the texts.
    const int indent = qRound(tlPx(30)) + ipx(12);
    auto *row = new BesideOrBelow(nullptr, ipx(12), indent + qRound(tlPx(120)), indent);
    row->addWidget(leadBox);
    row->addWidget(trail);
    column->addLayout(row);
    column->addWidget(failed);
    column->addWidget(new MBDivider);
    auto *shown = new EntryRow(block);
    shown->setObjectName(QStringLiteral("entryRow"));
    shown->setAccessibleName(line);
    shown->setProperty("entryId", entry.id);
    return shown;
}

QWidget *EntriesCard::makeFoot(const MoneyPlan &plan, bool hasLines)
{
    auto *foot = new QWidget;
    auto *column = mbColumn(foot, ipx(10));
    const bool income = m_kind == MoneyKind::income;
    if (!hasLines) {
        QLabel *empty = tlLabel(emptyText(m_kind), 14);
        empty->setObjectName(QStringLiteral("emptyText"));
        column->addWidget(empty);
        return foot;
    }
    auto *total = new QHBoxLayout;
    total->addWidget(tlLabel(income ? QStringLiteral("Total coming in") : QStringLiteral("Total going out"), 15,
                             FontWeight::Heavy, std::nullopt, false),
                     0, Qt::AlignVCenter);
    total->addStretch(1);
    QLabel *sum = tlLabel(Money::text(plan.total(m_kind, m_period)) + u' ' + perText(m_period), 17,
                          FontWeight::Heavy, std::nullopt, false);
    sum->setObjectName(QStringLiteral("totalText"));
    total->addWidget(sum, 0, Qt::AlignVCenter);
    column->addLayout(total);
    if (!income)
        column->addWidget(byKind(plan, m_period));
    return foot;
}

void EntriesCard::remove(const QString &id, QLabel *failed)
{
    Refusal::clear(failed);
    if (MoneyActions::remove(id, m_store)) {
        TLAnnouncer::say(this, QStringLiteral("Removed from ") + title(m_kind));
    } else {
        Refusal::failedWrite(failed); // the line's row stays as it is stored
    }
}
