#include "money/ui/MoneyReportPDF.h"

#include "data/Badges.h"
#include "data/ContactParser.h"
#include "look/kit/MRBYKitHost.h"
#include "money/Money.h"
#include "money/MoneyCategory.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfPaper.h"
#include "services/TLInfo.h"

#include <QPainter>

namespace {

using PdfPaper::black;
using PdfPaper::dimGrey;
using PdfPaper::dot;
using PdfPaper::headingGreen;
using PdfPaper::warningRed;

const QRectF textArea(46, 46, 520, 672);
const QRectF rule(46, 724, 520, 0.6);
const QPointF footerAt(46, 730);
constexpr int pageLimit = 60;

// A point under every line.
constexpr PdfPaper::TextStyle para{1};

// An empty 10-point line, then the title in upper case.
void head(QList<PdfParagraph> &out, const QString &title)
{
    out << para(QString(), 10, QFont::ExtraBold, headingGreen, 3)
        << para(title.toUpper(), 10, QFont::ExtraBold, headingGreen, 3);
}

QString perWeekAndMonth(qint64 week, qint64 month)
{
    return Money::text(week) + QStringLiteral(" a week \u00b7 ") + Money::text(month)
        + QStringLiteral(" a month");
}

void entries(QList<PdfParagraph> &out, const MoneyPlan &plan, MoneyKind kind)
{
    const bool income = kind == MoneyKind::income;
    head(out, income ? QStringLiteral("Money coming in") : QStringLiteral("Money going out"));
    const QList<MoneyEntry> lines = plan.entriesOf(kind);
    if (lines.isEmpty()) {
        out << para(QStringLiteral("Nothing written down yet."), 10.5, QFont::Normal, dimGrey);
        return;
    }
    for (const MoneyEntry &e : lines) {
        out << para(e.displayLabel() + QStringLiteral("  (") + e.categoryTitle() + u')', 10.5,
                    QFont::DemiBold, black)
            << para(MoneyReport::entryLine(e), 9.5, QFont::Normal, dimGrey, 3, 10);
    }
    if (income)
        return;
    out << para(QStringLiteral("By kind, each month:"), 10, QFont::Bold, black, 1);
    for (const MoneyPlan::CategoryTotal &t : plan.categoryTotals(MoneyKind::expense, MoneyPeriod::month))
        out << para(t.title + QStringLiteral(": ") + Money::text(t.cents), 9.5, QFont::Normal, black, 0, 10);
}

// "• Name — Call 211 · Text 988 [Unconfirmed: …]": no web links on paper.
QString listingLine(const Listing &listing)
{
    QString line = QStringLiteral("\u2022 ") + listing.name;
    QStringList labels;
    for (const ContactAction &a : ContactParser::actions(listing)) {
        if (a.kind != ContactAction::Kind::Web && labels.size() < 2)
            labels << a.label;
    }
    if (!labels.isEmpty())
        line += QStringLiteral(" \u2014 ") + labels.join(dot);
    if (listing.isUnconfirmed())
        line += QStringLiteral(" [") + Badges::unconfirmedText + u']';
    return line;
}

void tips(QList<PdfParagraph> &out, const QList<MoneyTip> &tips)
{
    head(out, QStringLiteral("Ways to spend less or bring in more"));
    for (const MoneyTip &tip : tips) {
        out << para(tip.title, 10.5, QFont::Bold, black, 1) << para(tip.text, 9.5, QFont::Normal, black, 2);
        for (const Listing &listing : tip.listings.mid(0, 4))
            out << para(listingLine(listing), 9, QFont::Normal, dimGrey, 0, 8);
        out << para(QString(), 3, QFont::Normal, black);
    }
}

void drawFoot(QPainter &painter, int page, int pageCount)
{
    painter.fillRect(rule, PdfPaper::ruleGrey);
    const PdfParagraph style =
        para(MoneyReportPDF::footerLine(page + 1, pageCount), 8.5, QFont::Normal, PdfPaper::footerGrey);
    PdfDocument::drawLine(painter, style, footerAt);
}

PdfDocument document(const MoneyReport &report)
{
    return PdfDocument(MoneyReportPDF::paragraphs(report), MoneyReportPDF::pageLayout(),
                       PdfPaper::info(report.title(), TLInfo::appName, MRBYKitHost::creditName), drawFoot);
}

} // namespace

namespace MoneyReportPDF {

QList<PdfParagraph> paragraphs(const MoneyReport &report)
{
    const MoneyPlan &plan = report.plan;
    QList<PdfParagraph> out;
    out << para(report.title(), 20, QFont::Bold, black);
    QString meta = QStringLiteral("Made ") + report.dateText();
    if (!report.stateName.isEmpty())
        meta += dot + report.stateName;
    out << para(meta + dot + TLInfo::appName, 9, QFont::Normal, dimGrey, 6);

    head(out, QStringLiteral("Summary"));
    const auto total = [&](MoneyKind kind) {
        return perWeekAndMonth(plan.total(kind, MoneyPeriod::week), plan.total(kind, MoneyPeriod::month));
    };
    out << para(QStringLiteral("Coming in: ") + total(MoneyKind::income), 11.5, QFont::DemiBold, black, 2)
        << para(QStringLiteral("Going out: ") + total(MoneyKind::expense), 11.5, QFont::DemiBold, black, 2);
    const qint64 leftMonth = plan.leftOver(MoneyPeriod::month);
    out << para(QStringLiteral("Left over: ") + perWeekAndMonth(plan.leftOver(MoneyPeriod::week), leftMonth),
                11.5, QFont::Bold, leftMonth < 0 ? warningRed : black, 6);
    out << para(QStringLiteral("Money on hand: ") + Money::text(plan.cashOnHandCents), 11.5, QFont::DemiBold,
                black, 2);
    out << para(QStringLiteral("Days until money runs out: ") + plan.runwayText(report.now), 12.5, QFont::Bold,
                plan.runwayIsShort() ? warningRed : black, 2);

    head(out, QStringLiteral("Savings goal"));
    out << para(plan.goalName.isEmpty() ? QStringLiteral("Savings") : plan.goalName, 11.5, QFont::Bold, black, 1)
        << para(plan.savingsText(), 10.5, QFont::Normal, black, 2);

    entries(out, plan, MoneyKind::income);
    entries(out, plan, MoneyKind::expense);
    if (!report.tips.isEmpty())
        tips(out, report.tips);
    return out;
}

PdfPageLayout pageLayout()
{
    return {{612, 792}, {textArea}, pageLimit};
}

QString footerLine(int page, int pageCount)
{
    if (pageCount < 2)
        return MoneyReport::footer();
    return MoneyReport::footer() + QStringLiteral("   \u00b7   Page ") + QString::number(page)
        + QStringLiteral(" of ") + QString::number(pageCount);
}

int writePDF(const MoneyReport &report, const QString &path)
{
    return document(report).write(path);
}

QString printFileName(const MoneyReport &report)
{
    return PdfPaper::printFileName(TLInfo::appName, report.title());
}

void printPlan(const MoneyReport &report)
{
    document(report).print(printFileName(report));
}

} // namespace MoneyReportPDF
