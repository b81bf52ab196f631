#include "screens/GuideView.h"

#include "data/GuideContent.h"
#include "data/LinkDetector.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLCard.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBLink.h"
#include "look/kit/MBPageReader.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/GuideBody.h"
#include "screens/Page.h"
#include "services/AppModel.h"
#include "widgets/TLLabel.h"
#include "widgets/TLScroll.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// One chapter in the list: its number (right-aligned, so 9 lines up with 13)
// and its wrapping title on a rounded row, filled with the accent while the
// chapter is the one shown. The whole row is the button.
class ChapterRow final : public QAbstractButton
{
public:
    explicit ChapterRow(const GuideChapter &chapter) : m_radius(px(9))
    {
        MBAccessible::markPlace(this);
        setObjectName(QStringLiteral("guideChapter-") + QString::number(chapter.number));
        setAccessibleName(QStringLiteral("Chapter ") + QString::number(chapter.number) + QStringLiteral(": ")
                          + chapter.title);
        setFocusPolicy(Qt::TabFocus);
        setCursor(Qt::PointingHandCursor);
        QSizePolicy sp(QSizePolicy::Preferred, QSizePolicy::Preferred);
        sp.setHeightForWidth(true);
        setSizePolicy(sp);

        auto *row = new QHBoxLayout(this);
        row->setContentsMargins(ipx(8), ipx(6), ipx(8), ipx(6));
        row->setSpacing(ipx(8));
        m_number = tlLabel(QString::number(chapter.number), 12, FontWeight::Heavy, std::nullopt, false);
        m_number->setFixedWidth(ipx(22));
        m_number->setAlignment(Qt::AlignRight | Qt::AlignTop);
        m_title = tlLabel(chapter.title, 13, FontWeight::Medium);
        for (QLabel *l : {m_number, m_title})
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The number's smaller font sits on the title's first baseline.
        const int drop = QFontMetrics(tlFont(13, FontWeight::Bold)).ascent()
                         - QFontMetrics(m_number->font()).ascent();
        m_number->setContentsMargins(0, std::max(0, drop), 0, 0);
        row->addWidget(m_number, 0, Qt::AlignTop);
        row->addWidget(m_title, 1);
        setShown(false);
    }

    bool isShown() const { return m_shown; }

    void setShown(bool shown)
    {
        m_shown = shown;
        const TLPalette palette = TLPalette::current();
        const QColor color = shown ? palette.onAccent : palette.text;
        tlSetTextColor(m_number, color);
        tlSetTextColor(m_title, color);
        MBZoomScope scope(m_zoom);
        m_title->setFont(tlFont(13, shown ? FontWeight::Bold : FontWeight::Medium));
        setProperty("shown", shown);
        MBAccessible::setCurrent(this, shown);
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const TLPalette palette = TLPalette::current();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect());
        if (m_shown)
            p.fillPath(MBPanel::shape(r, m_radius), palette.accent);
        // Keyboard users see which row Space or Return would open.
        if (hasFocus())
            MBFocusRing::paint(p, r, m_radius, m_shown ? palette.onAccent : palette.accentIcon(), m_zoom);
    }

private:
    QLabel *m_number;
    QLabel *m_title;
    double m_radius;
    double m_zoom = MBZoomScope::current();
    bool m_shown = false;
};

} // namespace

QWidget *GuideView::sourcesCard(const GuideChapter &chapter)
{
    const TLPalette palette = TLPalette::current();
    auto *card = new TLCard(nullptr, 14);
    card->setObjectName(QStringLiteral("guideSourcesCard"));
    card->setAccessibleName(QStringLiteral("Sources"));
    card->body()->setSpacing(ipx(6));

    auto *checked = new QWidget;
    auto *checkedRow = mbRow(checked, ipx(5));
    auto *seal = new MBSymbolView(QStringLiteral("checkmark.seal"), tlPx(13));
    seal->setColor(palette.dim);
    QLabel *checkedText = tlLabel(chapter.checked, 12, FontWeight::Semibold, palette.dim);
    checkedText->setObjectName(QStringLiteral("guideChecked"));
    checkedRow->addWidget(seal, 0, Qt::AlignTop);
    checkedRow->addWidget(checkedText, 1);
    card->addWidget(checked);

    card->addWidget(tlLabel(QStringLiteral("Sources"), 13, FontWeight::Bold));
    for (const GuideSource &source : chapter.sources) {
        // Only a web address becomes a link: a source must never open a file
        // or start a program.
        if (!LinkDetector::isWebAddress(source.url))
            continue;
        auto *link = new MBLink(source.title, source.url);
        link->setObjectName(QStringLiteral("guideSource"));
        link->setFont(tlFont(12.5));
        // A long title wraps in the card's width instead of being cut.
        link->setWordWrap(true);
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        link->setSizePolicy(policy);
        card->addWidget(link);
    }

    QLabel *disclaimer = tlLabel(GuideContent::disclaimer(), 11.5, FontWeight::Regular, palette.dim);
    disclaimer->setObjectName(QStringLiteral("guideDisclaimer"));
    disclaimer->setContentsMargins(0, ipx(4), 0, 0);
    card->addWidget(disclaimer);
    return card;
}

const GuideChapter &GuideView::chapterFor(int number)
{
    const QList<GuideChapter> &chapters = GuideContent::chapters();
    for (const GuideChapter &c : chapters) {
        if (c.number == number)
            return c;
    }
    return chapters.first();
}

GuideView::GuideView(AppModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_zoom(MBZoomScope::current())
{
    const TLPalette palette = TLPalette::current();

    auto *listColumn = new QWidget;
    auto *list = new QVBoxLayout(listColumn);
    const int pad = ipx(16);
    list->setContentsMargins(pad, pad, pad, pad);
    list->setSpacing(ipx(4));
    auto *title = new TLSectionTitle(QStringLiteral("Survival Guide"));
    title->setContentsMargins(0, 0, 0, ipx(6));
    list->addWidget(title);
    for (const GuideChapter &chapter : GuideContent::chapters()) {
        auto *row = new ChapterRow(chapter);
        const int number = chapter.number;
        connect(row, &QAbstractButton::clicked, this, [this, number] { m_model.setGuideChapter(number); });
        list->addWidget(row);
        m_rows << row;
    }
    list->addStretch(1);
    m_list = new TLScroll(listColumn);
    m_list->setObjectName(QStringLiteral("guideChapterList"));
    m_list->setFixedWidth(ipx(270));

    auto *separator = new QWidget;
    separator->setFixedWidth(std::max(1, ipx(1)));
    separator->setAutoFillBackground(true);
    QPalette sp = separator->palette();
    sp.setColor(QPalette::Window, palette.border);
    separator->setPalette(sp);

    m_layout = mbRow(this, 0);
    m_layout->addWidget(m_list);
    m_layout->addWidget(separator);

    connect(&model, &AppModel::guideChapterChanged, this, &GuideView::showChapter);
    showChapter();
}

void GuideView::showChapter()
{
    const GuideChapter &chapter = chapterFor(m_model.guideChapter());
    if (m_page && chapter.number == m_shown)
        return;
    m_shown = chapter.number;
    const QList<GuideChapter> &chapters = GuideContent::chapters();
    for (int i = 0; i < m_rows.size(); ++i)
        static_cast<ChapterRow *>(m_rows.at(i))->setShown(chapters.at(i).number == m_shown);

    // A new page opens at its top. The old one may be the sender of this
    // change (its buttons), so it goes once its events are done. The focus
    // goes to the new page, which a screen reader names by its chapter and
    // the keys scroll, also after a click on a chapter in the list.
    Page *old = m_page;
    {
        MBZoomScope scope(m_zoom);
        m_page = buildPage(chapter);
    }
    m_layout->addWidget(m_page, 1);
    if (old)
        m_page->show();
    QWidget *page = MBKeyboard::pageIn(m_page);
    if (page)
        page->setAccessibleName(pageName(chapter));
    if (old) {
        if (page && isVisible())
            page->setFocus(Qt::OtherFocusReason);
        MBRebuildHost::retire(m_layout, old);
    }
    // Tab from the page goes through the chapter list before the chapter's
    // text, as the two are read.
    if (page) {
        QList<QWidget *> order{page};
        order.append(QList<QWidget *>(m_rows.cbegin(), m_rows.cend()));
        MBKeyboard::chainTabs(order);
    }
}

QString GuideView::pageName(const GuideChapter &chapter)
{
    return QStringLiteral("Survival Guide, Chapter ") + QString::number(chapter.number) + QStringLiteral(": ")
           + chapter.title;
}

Page *GuideView::buildPage(const GuideChapter &chapter)
{
    const TLPalette palette = TLPalette::current();
    const int number = chapter.number;
    const int last = GuideContent::chapters().size();

    auto *nav = new QWidget;
    auto *navRow = mbRow(nav);
    if (number >= 2) {
        auto *previous = new TLButton(QStringLiteral("\u2190 Chapter ") + QString::number(number - 1));
        previous->setObjectName(QStringLiteral("guidePrevious"));
        connect(previous, &QAbstractButton::clicked, this, [this, number] { m_model.setGuideChapter(number - 1); });
        navRow->addWidget(previous, 0, Qt::AlignVCenter);
    }
    navRow->addStretch(1);
    if (number < last) {
        auto *next = new TLButton(QStringLiteral("Chapter ") + QString::number(number + 1) + QStringLiteral(" \u2192"),
                                  TLButtonStyle{palette.accent, palette.onAccent, false});
        next->setObjectName(QStringLiteral("guideNext"));
        connect(next, &QAbstractButton::clicked, this, [this, number] { m_model.setGuideChapter(number + 1); });
        navRow->addWidget(next, 0, Qt::AlignVCenter);
    }

    QLabel *kicker = tlLabel(QStringLiteral("Chapter ") + QString::number(number), 13, FontWeight::Heavy,
                             palette.accentText());
    kicker->setObjectName(QStringLiteral("guideChapterNumber"));
    QLabel *title = tlHeading(chapter.title, 26);
    title->setObjectName(QStringLiteral("guideChapterTitle"));

    auto *page = new Page({kicker, title, new GuideBody(chapter.body), sourcesCard(chapter), nav});
    page->setObjectName(QStringLiteral("guideChapterPage"));
    // The chapter reads from the keyboard, paragraph by paragraph.
    if (QScrollArea *area = page->scroll()->scrollArea())
        MBPageReader::mark(area);
    return page;
}
