#pragma once
// The Money Plan screen: header, the weekly or monthly choice (kept in the
// settings), the summary with its three tiles, the runway and the cash
// editor, the savings card, the cards of money coming in and going out,
// money-saving tips for the chosen state, and the card that names, prints
// and saves the plan.
//
// The screen keeps no copy of the plan. It follows the store, the chosen
// state and the period setting by itself and redraws only what shows
// figures; every field and choice a person is editing stays as it is.
//
// A press that changes the plan (Add, Remove, Update, Save goal, Save name)
// can move what is below it. Each keeps a run of clicks of its own
// (MBClickRun), and a click that changes the plan holds the place of its
// button for the rest of that run: a double-click is one press, and its
// second click presses nothing that moved under the pointer. A click
// elsewhere acts, and a click into a field places its caret.

#include "money/MoneyPeriod.h"
#include "money/MoneyReport.h"
#include "money/MoneyTip.h"
#include "screens/SaveFile.h"

#include <QColor>
#include <QWidget>

#include <optional>

class AppModel;
class CashEditor;
class EntriesCard;
class NameEditor;
class Page;
class QLabel;
class QVBoxLayout;
class SavingsCard;
class SegmentedPicker;

class MoneyPlanView final : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { pdf, csv };

    explicit MoneyPlanView(AppModel &model, QWidget *parent = nullptr);

    // The period under "tl.moneyPeriod"; week when absent or unknown.
    static MoneyPeriod period();
    // The hourglass: red for a short runway, else the accent colour.
    static QColor runwayColor(bool shortRunway);
    // The report's title with "—" made "-", and ".pdf" or ".csv", as the
    // save dialog can offer it (PdfPrint::safeFileName).
    static QString suggestedName(const MoneyReport &report, Kind kind);
    // The kind's file format, as every save shows and names it.
    static const SaveFile::Format &format(Kind kind);

    // The status line of the print and save card ("" until a save ended).
    QString message() const { return m_message; }

    // A report of the plan as it stands, for the chosen state, made now.
    MoneyReport report() const;
    // Asks for a file, writes the report there and shows it in the file manager.
    void save(Kind kind);

    // Redraws what shows figures from the store, the state and the period.
    void refresh();

private:
    QWidget *buildContent();
    QWidget *periodRow();
    QWidget *summaryCard();
    QWidget *summaryFigures();
    QWidget *printCard();
    // Shows the tips for the plan and the state (showTips), then links the
    // page's Tab stops top to bottom again.
    void refreshTips();
    void showTips();
    void setMessage(const QString &message);

    AppModel &m_model;
    double m_zoom;
    Page *m_page = nullptr;
    QString m_message;
    SegmentedPicker *m_periodPicker = nullptr;
    QVBoxLayout *m_figuresLayout = nullptr;
    QWidget *m_figures = nullptr;
    CashEditor *m_cash = nullptr;
    SavingsCard *m_savings = nullptr;
    EntriesCard *m_income = nullptr;
    EntriesCard *m_expense = nullptr;
    QVBoxLayout *m_tipsLayout = nullptr;
    QWidget *m_tips = nullptr;
    std::optional<QList<MoneyTip>> m_shownTips;
    QString m_shownState;
    NameEditor *m_name = nullptr;
    QLabel *m_messageLabel = nullptr;
};
