#pragma once
// The card of one kind of Money Plan lines: a section title, then a card
// with the lines in the chosen period, their total, on the spending card the
// bars "By kind", and the add form. The lists follow the store's plan and
// the period; a line's row is kept while the line and the period stay the
// same, so adding one line to a long plan makes one new row. The add form
// is made once and is never redrawn. A line added or removed moves what is
// below it: Add and every Remove keep a run of clicks of their own, and the
// click holds where what moved stood (MBClickRun), so a double-click adds
// or removes one line and a quick click on the next line removes nothing.

#include "money/MoneyEntry.h"
#include "money/MoneyKind.h"
#include "money/MoneyPeriod.h"

#include <QHash>
#include <QWidget>

class EntryForm;
struct MoneyPlan;
class MoneyStore;
class QLabel;
class QVBoxLayout;

class EntriesCard final : public QWidget
{
    Q_OBJECT
public:
    EntriesCard(MoneyKind kind, MoneyStore &store, MoneyPeriod period, QWidget *parent = nullptr);

    MoneyKind kind() const { return m_kind; }
    MoneyPeriod period() const { return m_period; }
    EntryForm *form() const { return m_form; }

    // Shows the store's plan in `period`.
    void refresh(MoneyPeriod period);

    // The sentence of a card without lines.
    // "Money coming in" or "Money going out".
    static QString title(MoneyKind kind);
    static QString emptyText(MoneyKind kind);

private:
    struct Row
    {
        MoneyEntry entry;
        QWidget *widget;
    };

    QWidget *makeRow(const MoneyEntry &entry);
    QWidget *makeFoot(const MoneyPlan &plan, bool hasLines);
    // Removes the line; `failed` is the line's sentence when it cannot be.
    void remove(const QString &id, QLabel *failed);

    MoneyKind m_kind;
    MoneyStore &m_store;
    MoneyPeriod m_period;
    QHash<QString, Row> m_rows;
    QVBoxLayout *m_rowsLayout;
    QVBoxLayout *m_footLayout;
    QWidget *m_foot = nullptr;
    EntryForm *m_form;
    double m_zoom;
};
