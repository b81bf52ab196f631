#include "screens/DataCheckedView.h"

#include "data/Badges.h"
#include "data/FileReport.h"
#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "services/AppModel.h"
#include "services/Opener.h"
#include "services/ReportLink.h"
#include "services/TLInfo.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString headerText()
{
    const QString month = Badges::checkedLabel(TLInfo::dataCheckedISO).remove(QStringLiteral("Checked "));
    return QStringLiteral("All information in this app was checked on ") + month + QStringLiteral(" (")
           + TLInfo::dataCheckedLongDate()
           + QStringLiteral("). Each listing shows its own source. Things change, so call before you go when you can.");
}

TLCard *card(double spacing)
{
    auto *c = new TLCard(nullptr, 14);
    c->body()->setSpacing(ipx(spacing));
    return c;
}

QWidget *fileCard(const FileReport &report, const TLPalette &palette)
{
    TLCard *c = card(4);
    c->setObjectName(QStringLiteral("dataFileCard-") + report.id());
    c->addWidget(tlLabel(report.file.title(), 15, FontWeight::Bold));
    c->addWidget(tlLabel(QString::number(report.imported) + QStringLiteral(" listings \u00b7 ")
                             + Badges::checkedLabel(report.latestChecked),
                         13));
    QLabel *third = nullptr;
    if (report.file == SourceFile::videos) {
        third = tlLabel(DataCheckedView::videoFileLine(), 12.5, FontWeight::Regular, palette.dim);
    } else {
        const int n = report.unconfirmed;
        third = tlLabel(QString::number(n)
                            + QStringLiteral(" marked \"Unconfirmed\" (a person still needs to check them)"),
                        12.5, FontWeight::Regular, n > 0 ? palette.readable(TLPalette::amberBadge()) : palette.dim);
    }
    third->setObjectName(QStringLiteral("dataFileNote"));
    c->addWidget(third);
    return c;
}

QWidget *legendCard()
{
    TLCard *c = card(8);
    c->setObjectName(QStringLiteral("badgeLegend"));
    c->body()->addWidget(new TLBadge(Badges::unconfirmedText), 0, Qt::AlignLeft);
    c->addWidget(tlLabel(QStringLiteral("We could not confirm this with an official source, or its website did not "
                                        "work when we checked. Please call or check before you go."),
                         13));
    c->body()->addWidget(new TLBadge(Badges::secondaryText, TLPalette::slateBadge(),
                                     QStringLiteral("newspaper.fill")),
                         0, Qt::AlignLeft);
    c->addWidget(tlLabel(
        QStringLiteral("This comes from a news story or a private company's statement, not an official page."), 13));
    c->addWidget(tlLabel(QStringLiteral("No badge: checked on the official page of the agency or group."), 13));
    return c;
}

QWidget *gapsCard(const TLPalette &palette)
{
    TLCard *c = card(6);
    c->setObjectName(QStringLiteral("gapsCard"));
    for (const QString &gap : DataCheckedView::gaps()) {
        auto *row = new QWidget;
        auto *h = mbRow(row, ipx(8));
        // Mark and sentence share the font and the top, so their first baselines meet.
        h->addWidget(tlLabel(QStringLiteral("\u2022"), 13, FontWeight::Regular, palette.accentText(), false), 0,
                     Qt::AlignTop);
        QLabel *text = tlLabel(gap, 13);
        text->setObjectName(QStringLiteral("gapText"));
        h->addWidget(text, 1);
        c->addWidget(row);
    }
    return c;
}

QWidget *reportCard(const TLPalette &palette)
{
    TLCard *c = card(0);
    c->setObjectName(QStringLiteral("reportCard"));
    auto *row = new QWidget;
    auto *h = mbRow(row, ipx(12));
    auto *flag = new MBSymbolView(QStringLiteral("flag.fill"), tlPx(16));
    flag->setColor(palette.accentIcon());
    auto *button = new TLButton(QStringLiteral("Report a wrong listing"),
                                TLButtonStyle{palette.accent, palette.onAccent, false});
    button->setObjectName(QStringLiteral("reportButton"));
    // The same general report as the menu command; it needs no network.
    QObject::connect(button, &QAbstractButton::clicked, [] { Opener::open(ReportLink::mailto(nullptr)); });
    MBClickRun::holdMouse(button);
    h->addWidget(flag, 0, Qt::AlignVCenter);
    h->addWidget(tlLabel(QStringLiteral("See something wrong? Tell us and we will check it."), 14,
                         FontWeight::Semibold),
                 1, Qt::AlignVCenter);
    h->addWidget(button, 0, Qt::AlignVCenter);
    c->addWidget(row);
    return c;
}

} // namespace

DataCheckedView::DataCheckedView(AppModel &model, QWidget *parent) : QWidget(parent)
{
    const TLPalette palette = TLPalette::current();
    auto *page = new Page({new PageHeader(QStringLiteral("checkmark.seal.fill"),
                                          QStringLiteral("Data last checked"), headerText())});
    if (const ReferenceData *data = model.data()) {
        for (const FileReport &report : data->reports())
            page->addBlock(fileCard(report, palette));
    }
    page->addBlock(new TLSectionTitle(QStringLiteral("What the badges mean")));
    page->addBlock(legendCard());
    page->addBlock(new TLSectionTitle(QStringLiteral("What is not in the app yet")));
    page->addBlock(gapsCard(palette));
    page->addBlock(reportCard(palette));

    auto *layout = mbColumn(this);
    layout->addWidget(page);
}
