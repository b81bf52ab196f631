#include "money/ui/MoneyReportPDF.h"

#include "app/TLInfo.h"
#include "data/Badges.h"
#include "data/ContactParser.h"
#include "look/kit/MRBYKitHost.h"
#include "money/Money.h"
#include "money/MoneyCategory.h"
#include "pdf/PdfDocument.h"

#include <QPainter>

namespace {

// Fixed colours: paper does not follow the application's themes.
const QColor black = Qt::black;
const QColor dimGrey = QColor::fromRgbF(0.32f, 0.32f, 0.32f);
const QColor headingGreen = QColor::fromRgbF(0.17f, 0.42f, 0.39f);
const QColor warningRed = QColor::fromRgbF(0.69f, 0.13f, 0.11f);
const QColor footerGrey = QColor::fromRgbF(0.3f, 0.3f, 0.3f);
const QColor ruleGrey = QColor::fromRgbF(0.75f, 0.75f, 0.75f);

const QRectF textArea(46, 46, 520, 672);
const QRectF rule(46, 724, 520, 0.6);
const QPointF footerAt(46, 730);
constexpr int pageLimit = 60;

const QString dot = QStringLiteral(" \u00b7 ");

PdfParagraph para(const QString &text, double size, QFont::Weight weight, const QColor &color,
                  double spaceAfter = 0, double indent = 0)
{
    PdfParagraph p = PdfParagraph::tight(text, size, weight, color, spaceAfter);
    p.lineSpacing = 1;
    p.indent = indent;
    return p;
}

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

PdfInfo info(const MoneyReport &report)
{
    return {report.title(), TLInfo::appName + QStringLiteral(" (") + MRBYKitHost::creditName + u')'};
}

void drawFoot(QPainter &painter, int page, int pageCount)
{
    painter.fillRect(rule, ruleGrey);
    PdfParagraph style = para(MoneyReportPDF::footerLine(page + 1, pageCount), 8.5, QFont::Normal, footerGrey);
    PdfDocument::drawLine(painter, style, footerAt);
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
    return PdfDocument(paragraphs(report), pageLayout(), info(report), drawFoot).write(path);
}

QString printFileName(const MoneyReport &report)
{
    return TLInfo::appName + QStringLiteral(" - ") + report.title() + QStringLiteral(".pdf");
}

void printPlan(const MoneyReport &report)
{
    PdfDocument(paragraphs(report), pageLayout(), info(report), drawFoot).print(printFileName(report));
}

} // namespace MoneyReportPDF
