#include "screens/ListingCard.h"

#include "data/Badges.h"
#include "data/ContactParser.h"
#include "data/FavoritesStore.h"
#include "data/LinkDetector.h"
#include "look/app/TLBadge.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBDivider.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/BesideOrBelow.h"
#include "screens/ContactButtons.h"
#include "screens/InfoRow.h"
#include "screens/NoteEditor.h"
#include "screens/PlainButton.h"
#include "screens/Refusal.h"
#include "screens/SaveButton.h"
#include "services/NetStatus.h"
#include "services/Opener.h"
#include "services/ReportLink.h"
#include "services/TLInfo.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

// A link on one line: a title too long for its room ends in "…"; the tooltip
// keeps the address.
class ElidedLink final : public MBLink
{
public:
    ElidedLink(const QString &title, const QString &url) : MBLink(title, url), m_full(title)
    {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        setWordWrap(false);
    }
    // The sizes include the margins the focus ring is drawn in.
    QSize sizeHint() const override
    {
        return withMargins(fontMetrics().horizontalAdvance(m_full) + 2);
    }
    QSize minimumSizeHint() const override
    {
        return withMargins(std::min(fontMetrics().horizontalAdvance(m_full) + 2,
                                    fontMetrics().horizontalAdvance(QStringLiteral("Wwwww\u2026"))));
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        MBLink::resizeEvent(event);
        setText(fontMetrics().elidedText(m_full, Qt::ElideRight, contentsRect().width() - 1));
    }

private:
    QSize withMargins(int textWidth) const
    {
        const QMargins m = contentsMargins();
        return QSize(textWidth + m.left() + m.right(), fontMetrics().height() + m.top() + m.bottom());
    }

    QString m_full;
};

QWidget *wrap(QLayout *layout)
{
    auto *w = new QWidget;
    w->setLayout(layout);
    return w;
}

} // namespace

QString ListingCard::groupLine(const Listing &listing)
{
    if (listing.state.isEmpty())
        return QStringLiteral("Nationwide");
    return listing.stateName + QStringLiteral(" \u00B7 ") + listing.friendlyGroup();
}

QString ListingCard::badgeText(const Listing &listing)
{
    if (listing.isUnconfirmed())
        return Badges::unconfirmedText;
    if (listing.isSecondary())
        return Badges::secondaryText;
    return QString();
}

ListingCard::ListingCard(const Listing &l, FavoritesStore *store, bool showNote, QWidget *parent)
    : TLCard(parent), m_listing(l), m_store(store), m_showNote(showNote), m_zoom(MBZoomScope::current())
{
    setObjectName(QStringLiteral("listingCard"));
    const TLPalette palette = TLPalette::current();
    body()->setSpacing(ipx(9));
    addHeading();
    addBadge();
    addSummary();
    addContacts();
    addFacts();
    addDetails(palette);
    addLinkNote(palette);
    addNoteSlot();
    addFooter(palette);
}

void ListingCard::addHeading()
{
    auto *heading = mbRow(nullptr, ipx(10));
    QVBoxLayout *titles = mbColumn(nullptr, ipx(3));
    titles->addWidget(new TLSectionTitle(groupLine(m_listing)));
    QLabel *name = tlLabel(m_listing.name, 16.5, FontWeight::Bold);
    name->setObjectName(QStringLiteral("listingName"));
    titles->addWidget(name);
    heading->addLayout(titles, 1);
    if (m_store) {
        m_save = new SaveButton(m_listing, *m_store);
        heading->addWidget(m_save, 0, Qt::AlignTop);
    }
    body()->addLayout(heading);
    if (m_save) {
        // Under the name and the button: what a failed Save or "Saved" did.
        QLabel *refusal = Refusal::line();
        refusal->setObjectName(QStringLiteral("saveError"));
        m_save->setRefusalLine(refusal);
        body()->addWidget(refusal);
    }
}

void ListingCard::addBadge()
{
    if (m_listing.isUnconfirmed())
        m_badge = new TLBadge(Badges::unconfirmedText);
    else if (m_listing.isSecondary())
        m_badge = new TLBadge(Badges::secondaryText, TLPalette::slateBadge(), QStringLiteral("newspaper.fill"));
    if (m_badge)
        body()->addWidget(m_badge);
    // A screen reader entering the card hears the listing and its warning.
    setAccessibleName(m_badge ? m_listing.name + QStringLiteral(", ") + m_badge->text() : m_listing.name);
}

void ListingCard::addSummary()
{
    if (m_listing.summary.isEmpty())
        return;
    QLabel *summary = tlLabel(m_listing.summary, 13.5);
    summary->setObjectName(QStringLiteral("listingSummary"));
    body()->addWidget(summary);
}

void ListingCard::addContacts()
{
    const QList<ContactAction> actions = ContactParser::actions(m_listing);
    if (actions.isEmpty())
        return;
    m_contacts = new ContactButtons(actions, NetStatus::shared().online());
    body()->addWidget(m_contacts);
}

void ListingCard::addFacts()
{
    const Listing &l = m_listing;
    const std::pair<QString, QString> facts[] = {
        {QStringLiteral("How to reach them"), l.contact},
        {QStringLiteral("Text"), l.textContact},
        {QStringLiteral("Address"), l.address},
        {QStringLiteral("Hours"), l.hours},
        {QStringLiteral("Good to know"), l.eligibility},
        {QStringLiteral("Cost"), l.cost},
    };
    QVBoxLayout *factRows = nullptr;
    for (const auto &[label, value] : facts) {
        if (value.isEmpty())
            continue;
        if (!factRows)
            factRows = mbColumn(nullptr, ipx(5));
        factRows->addWidget(new InfoRow(label, value));
    }
    if (factRows)
        body()->addWidget(wrap(factRows));
}

void ListingCard::addDetails(const TLPalette &palette)
{
    if (m_listing.details.isEmpty())
        return;
    QVBoxLayout *details = mbColumn(nullptr, ipx(5));
    if (m_listing.isUnconfirmed()) {
        QLabel *warning = tlLabel(QStringLiteral("Details below are NOT confirmed:"), 12, FontWeight::Bold,
                                  palette.dim);
        warning->setObjectName(QStringLiteral("detailsWarning"));
        details->addWidget(warning);
    }
    for (const Detail &d : m_listing.details)
        details->addWidget(new InfoRow(d.label, d.value));
    body()->addWidget(wrap(details));
}

void ListingCard::addLinkNote(const TLPalette &palette)
{
    const std::optional<QString> note = m_listing.linkNote();
    if (!note)
        return;
    auto *row = mbRow(nullptr, ipx(6));
    auto *globe = new MBSymbolView(QStringLiteral("globe.badge.chevron.backward"), tlPx(12));
    globe->setColor(palette.dim);
    row->addWidget(globe, 0, Qt::AlignTop);
    QLabel *text = tlLabel(*note, 12, FontWeight::Regular, palette.dim);
    text->setObjectName(QStringLiteral("linkNote"));
    row->addWidget(text, 1);
    body()->addLayout(row);
}

void ListingCard::addNoteSlot()
{
    if (!m_store || !m_showNote)
        return;
    m_noteSlot = mbColumn(nullptr, ipx(0));
    body()->addLayout(m_noteSlot);
    connect(m_store, &FavoritesStore::itemsChanged, this, &ListingCard::followStore);
    followStore();
}

void ListingCard::addFooter(const TLPalette &palette)
{
    body()->addWidget(new MBDivider(2));
    auto *line = mbRow(nullptr, ipx(6));
    auto *seal = new MBSymbolView(QStringLiteral("checkmark.seal"), tlPx(11.5));
    seal->setColor(palette.accentIcon());
    line->addWidget(seal);
    line->addWidget(tlLabel(m_listing.checkedLabel() + QStringLiteral(" \u00B7 source:"), 11.5,
                            FontWeight::Regular, palette.dim, false));
    if (LinkDetector::isWebAddress(m_listing.sourceURL)) {
        auto *link = new ElidedLink(m_listing.sourceLabel(), m_listing.sourceURL);
        link->setFont(tlFont(11.5, FontWeight::Semibold));
        m_source = link;
    } else {
        m_source = tlLabel(m_listing.sourceLabel(), 11.5, FontWeight::Regular, palette.dim, false);
    }
    m_source->setObjectName(QStringLiteral("listingSource"));
    line->addWidget(m_source, 0);
    line->addStretch(1);
    m_report = new PlainButton(QStringLiteral("flag"), QStringLiteral("Report a problem"), 11.5, palette.dim);
    m_report->setObjectName(QStringLiteral("reportProblem"));
    m_report->setToolTip(QStringLiteral("Email ") + TLInfo::makerShortName
                         + QStringLiteral(" if this listing is wrong"));
    m_report->setAccessibleName(m_report->text() + QStringLiteral(", ") + m_listing.name);
    connect(m_report, &QAbstractButton::clicked, this, [this] { Opener::open(ReportLink::mailto(&m_listing)); });
    MBClickRun::holdMouse(m_report);
    // "Report a problem" at the row's right end, or under the source line
    // when the card is too narrow for both (large text in a small window).
    auto *footer = new BesideOrBelow(nullptr, ipx(6), 0, 0);
    footer->addLayout(line);
    footer->addWidget(m_report);
    body()->addLayout(footer);
}

void ListingCard::followStore()
{
    const bool saved = m_store->contains(m_listing.uid);
    if (saved && !m_note) {
        MBZoomScope scope(m_zoom);
        m_note = new NoteEditor(m_listing.uid, *m_store);
        m_noteSlot->addWidget(m_note);
    } else if (!saved && m_note) {
        m_note->hide();
        m_note->deleteLater();
        m_note = nullptr;
    }
}

NoteEditor *ListingCard::noteEditor() const { return m_note.data(); }
