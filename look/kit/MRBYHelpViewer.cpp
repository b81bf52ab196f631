#include "look/kit/MRBYHelpViewer.h"

#include "look/kit/MBAccessible.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBDrafts.h"
#include "look/kit/MBDivider.h"
#include "look/kit/MBFocusRing.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBPageReader.h"
#include "look/kit/MBLicCredit.h"
#include "look/kit/MBPanel.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBSearchField.h"
#include "look/kit/MBZoom.h"
#include "look/kit/MRBYHelp.h"
#include "look/kit/MRBYKitHost.h"
#include "look/kit/MRBYTheme.h"
#include "look/kit/MRBYThemeRoot.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString headingMark = QStringLiteral("## ");
const QString bulletMark = QStringLiteral("\u2022 ");

bool isHorizontalSpace(QChar c)
{
    return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

QString trimHorizontal(const QString &line)
{
    qsizetype from = 0;
    qsizetype to = line.size();
    while (from < to && isHorizontalSpace(line.at(from)))
        ++from;
    while (to > from && isHorizontalSpace(line.at(to - 1)))
        --to;
    return line.mid(from, to - from);
}

// A label of page or list text: plain, wrapping, optionally selectable.
QLabel *textLabel(const QString &text, const QFont &font, const QColor &color, bool selectable)
{
    QLabel *l = mbLabel(text, font, color);
    if (!selectable)
        l->setTextInteractionFlags(Qt::NoTextInteraction);
    return l;
}

// White or black on the highlight, whichever stands out more.
QColor onHighlight(const MBKitTheme &k)
{
    // The accent at 0.8 over the panel's middle.
    const QColor panel = MRBYTheme::mix(k.panelTop, k.panelBottom, 0.5);
    return MRBYThemeRoot::readableOn(MRBYTheme::mix(k.accent, panel, 0.8));
}

// The accent as the page's headings and bullet signs (and the topic rows'
// focus ring): readable as text on the panels.
QColor accentText(const MBKitTheme &k)
{
    return MRBYTheme::readable(k.accent, k.text, {k.panelTop, k.panelBottom}, MRBYTheme::textRatio);
}

QScrollArea *plainScrollArea(QWidget *parent)
{
    auto *sa = new QScrollArea(parent);
    // Its content takes the focus, not the area itself.
    sa->setFocusPolicy(Qt::NoFocus);
    sa->setFrameShape(QFrame::NoFrame);
    sa->setWidgetResizable(true);
    sa->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sa->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sa->setAutoFillBackground(false);
    sa->viewport()->setAutoFillBackground(false);
    return sa;
}

void putInScrollArea(QScrollArea *sa, QWidget *content)
{
    MBRebuildHost::retire(nullptr, sa->takeWidget());
    if (!content)
        return;
    sa->setWidget(content);
    // setWidget() turns the fill on; the panel must show through.
    content->setAutoFillBackground(false);
}

// One row of the topic list: a chrome-less button, highlighted when its
// topic is the one on the page.
class TopicRow final : public QAbstractButton
{
public:
    TopicRow(const QString &id, const QString &title, QWidget *parent = nullptr)
        : QAbstractButton(parent), m_id(id), m_zoom(MBZoomScope::current())
    {
        MBAccessible::markPlace(this);
        setText(mbMenuText(title));
        setAccessibleName(title);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        QSizePolicy sp(QSizePolicy::Preferred, QSizePolicy::Minimum);
        sp.setHeightForWidth(true);
        setSizePolicy(sp);
        applyFont();
    }

    QString id() const { return m_id; }
    bool isShown() const { return m_shown; }

    void setShown(bool shown)
    {
        if (shown == m_shown)
            return;
        m_shown = shown;
        MBAccessible::setCurrent(this, shown);
        applyFont();
        update();
    }

    bool hasHeightForWidth() const override { return true; }

    int heightForWidth(int w) const override
    {
        const QRect r = fontMetrics().boundingRect(QRect(0, 0, std::max(1, w - 2 * m_padX), 100000),
                                                   Qt::TextWordWrap, mbShownText(text()));
        return r.height() + 2 * m_padY;
    }

    QSize sizeHint() const override
    {
        const QFontMetrics fm = fontMetrics();
        return QSize(fm.horizontalAdvance(mbShownText(text())) + 2 * m_padX, fm.height() + 2 * m_padY);
    }

    QSize minimumSizeHint() const override
    {
        return QSize(2 * m_padX + fontMetrics().averageCharWidth() * 4,
                     fontMetrics().height() + 2 * m_padY);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const MBKitTheme k = MRBYKitHost::theme();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double radius = 10.0 * m_zoom;
        const QRectF r = QRectF(rect());
        if (m_shown || underMouse() || isDown()) {
            QColor fill = m_shown ? k.accent : k.text;
            fill.setAlphaF(m_shown ? 0.8f : 0.08f);
            p.fillPath(MBPanel::shape(r, radius), fill);
        }
        // Keyboard users see which row Space would choose.
        if (hasFocus())
            MBFocusRing::paint(p, r, radius, m_shown ? onHighlight(k) : accentText(k), m_zoom);
        p.setPen(m_shown ? onHighlight(k) : k.text);
        p.setFont(font());
        p.drawText(rect().adjusted(m_padX, m_padY, -m_padX, -m_padY),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, mbShownText(text()));
    }

    void enterEvent(QEnterEvent *event) override
    {
        update();
        QAbstractButton::enterEvent(event);
    }

    void leaveEvent(QEvent *event) override
    {
        update();
        QAbstractButton::leaveEvent(event);
    }

private:
    void applyFont()
    {
        MBZoomScope scope(m_zoom);
        setFont(mbFont(13, m_shown ? FontWeight::Bold : FontWeight::Medium));
        m_padX = ipx(10);
        m_padY = ipx(7);
        updateGeometry();
    }

    QString m_id;
    double m_zoom;
    bool m_shown = false;
    int m_padX = 10;
    int m_padY = 7;
};

} // namespace

QList<MRBYHelpViewer::Block> MRBYHelpViewer::parse(const QString &body)
{
    QList<Block> out;
    const QStringList lines = body.split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = trimHorizontal(raw);
        if (line.isEmpty())
            continue;
        if (line.startsWith(headingMark))
            out.append({Block::Kind::Heading, line.mid(headingMark.size())});
        else if (line.startsWith(bulletMark))
            out.append({Block::Kind::Bullet, line.mid(bulletMark.size())});
        else
            out.append({Block::Kind::Paragraph, line});
    }
    return out;
}

QList<QWidget *> MRBYHelpViewer::blocks(const QString &body)
{
    const MBKitTheme k = MRBYKitHost::theme();
    QList<QWidget *> out;
    for (const Block &b : parse(body)) {
        switch (b.kind) {
        case Block::Kind::Heading: {
            QLabel *l = textLabel(b.text, mbFont(15, FontWeight::Bold), accentText(k), true);
            l->setObjectName(QStringLiteral("helpHeading"));
            l->setContentsMargins(0, ipx(6), 0, 0);
            out << l;
            break;
        }
        case Block::Kind::Bullet: {
            auto *row = new QWidget;
            row->setObjectName(QStringLiteral("helpBullet"));
            auto *h = mbRow(row, ipx(8));
            // The sign shares the text's font, so both sit on one baseline.
            QLabel *sign = textLabel(QStringLiteral("\u2022"), mbFont(13.5), accentText(k), false);
            sign->setWordWrap(false);
            sign->setObjectName(QStringLiteral("helpBulletSign"));
            QLabel *text = textLabel(b.text, mbFont(13.5), k.text, true);
            text->setObjectName(QStringLiteral("helpBulletText"));
            h->addWidget(sign, 0, Qt::AlignTop);
            h->addWidget(text, 1);
            out << row;
            break;
        }
        case Block::Kind::Paragraph: {
            QLabel *l = textLabel(b.text, mbFont(13.5), k.text, true);
            l->setObjectName(QStringLiteral("helpParagraph"));
            out << l;
            break;
        }
        }
    }
    return out;
}

std::optional<MRBYHelpTopic> MRBYHelpViewer::shownTopic(const QList<MRBYHelpTopic> &listed,
                                                        const std::optional<QString> &selected,
                                                        const std::optional<QString> &initial)
{
    std::optional<QString> wanted = selected ? selected : initial;
    if (!wanted && !listed.isEmpty())
        wanted = listed.first().id;
    if (wanted) {
        // Looked up among all topics, so a clicked topic stays on the page
        // while a search no longer lists it.
        for (const MRBYHelpTopic &t : MRBYHelp::allTopics()) {
            if (t.id == *wanted)
                return t;
        }
    }
    if (!listed.isEmpty())
        return listed.first();
    return std::nullopt;
}

MRBYHelpViewer::MRBYHelpViewer(const std::optional<QString> &initialTopic, QWidget *parent)
    : QWidget(parent), m_initial(initialTopic), m_zoom(MBZoomScope::current())
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(ipx(16), ipx(16), ipx(16), ipx(16));
    row->setSpacing(ipx(14));
    setMinimumSize(ipx(680), ipx(440));

    // Left: search and topic list.
    auto *left = new QWidget;
    auto *leftColumn = mbColumn(left, ipx(10));
    m_search = new MBSearchField(QStringLiteral("Search help"));
    leftColumn->addWidget(m_search);
    m_listScroll = plainScrollArea(left);
    leftColumn->addWidget(m_listScroll, 1);
    auto *leftPanel = new MBPanel(left, 22, 12);
    leftPanel->setFixedWidth(ipx(260));
    row->addWidget(leftPanel);

    // Right: the page.
    m_pageScroll = plainScrollArea(nullptr);
    // The topic's text is the page the focus goes to when the window opens.
    MBKeyboard::markPage(m_pageScroll);
    // The topic reads from the keyboard, paragraph by paragraph.
    MBPageReader::mark(m_pageScroll);
    auto *rightPanel = new MBPanel(m_pageScroll, 22, 20);
    row->addWidget(rightPanel, 1);

    connect(m_search, &MBSearchField::textChanged, this, &MRBYHelpViewer::setQuery);
    refresh();
    // A rebuild for a theme or text size keeps the search typed and the
    // topic chosen.
    MBDrafts::keep(m_search->lineEdit(), QStringLiteral("help.search"));
    MBDrafts::keep(
        this, QStringLiteral("help.topic"), [this] { return m_selected ? QVariant(*m_selected) : QVariant(); },
        [this](const QVariant &id) {
            m_selected = id.toString();
            refresh();
        });
}

void MRBYHelpViewer::setQuery(const QString &query)
{
    if (m_search->text() != query)
        m_search->setText(query); // comes back here through textChanged
    if (query == m_query && m_pageBuilt)
        return;
    m_query = query;
    refresh();
}

void MRBYHelpViewer::select(const QString &topicID)
{
    m_selected = topicID;
    refresh();
    // The topic pressed is read next: its page takes the focus, and the keys
    // scroll it.
    if (m_page && isVisible())
        m_pageScroll->setFocus(Qt::OtherFocusReason);
}

void MRBYHelpViewer::refresh()
{
    MBZoomScope scope(m_zoom);
    const QList<MRBYHelpTopic> listed = MRBYHelp::search(m_query);
    QStringList ids;
    for (const MRBYHelpTopic &t : listed)
        ids << t.id;
    if (!m_list || ids != m_listedIDs || listed.isEmpty())
        rebuildList(listed);
    m_listedIDs = ids;

    const std::optional<MRBYHelpTopic> shown = shownTopic(listed, m_selected, m_initial);
    const std::optional<QString> shownID = shown ? std::optional<QString>(shown->id) : std::nullopt;
    if (!m_pageBuilt || shownID != m_shownID)
        rebuildPage(shown);
    m_shownID = shownID;

    for (QAbstractButton *b : topicRows()) {
        auto *row = static_cast<TopicRow *>(b);
        row->setShown(shownID && row->id() == *shownID);
    }
}

void MRBYHelpViewer::rebuildList(const QList<MRBYHelpTopic> &listed)
{
    const MBKitTheme k = MRBYKitHost::theme();
    if (listed.isEmpty() && m_nothing && m_list) {
        // Only the search text changed: keep the line, change its words.
        m_nothing->setText(QStringLiteral("Nothing found for \"") + m_query + QStringLiteral("\"."));
        return;
    }
    m_list = new QWidget;
    m_list->setObjectName(QStringLiteral("helpTopicList"));
    m_listLayout = mbColumn(m_list, ipx(4));
    m_nothing = nullptr;
    if (listed.isEmpty()) {
        m_nothing = textLabel(QStringLiteral("Nothing found for \"") + m_query + QStringLiteral("\"."),
                              mbFont(12), k.dim, false);
        m_nothing->setObjectName(QStringLiteral("helpNothingFound"));
        m_nothing->setMargin(ipx(8));
        m_listLayout->addWidget(m_nothing);
    } else {
        for (const MRBYHelpTopic &t : listed) {
            auto *r = new TopicRow(t.id, t.title);
            const QString id = t.id;
            connect(r, &QAbstractButton::clicked, this, [this, id] { select(id); });
            m_listLayout->addWidget(r);
        }
    }
    m_listLayout->addStretch(1);
    putInScrollArea(m_listScroll, m_list);
}

void MRBYHelpViewer::rebuildPage(const std::optional<MRBYHelpTopic> &topic)
{
    m_pageBuilt = true;
    m_page = nullptr;
    // The second click of a double-click on a topic, or on what opened this
    // window, presses nothing on the page that the first one opened.
    MBClickRun::pageChanged();
    if (!topic) {
        m_pageScroll->setAccessibleName(QString());
        putInScrollArea(m_pageScroll, nullptr);
        return;
    }
    m_pageScroll->setAccessibleName(topic->title);
    const MBKitTheme k = MRBYKitHost::theme();
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("helpPage"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, ipx(4), 0);
    column->setSpacing(ipx(10));
    // Marked before its text is set.
    QLabel *title = textLabel(QString(), mbFont(22, FontWeight::Heavy), k.text, true);
    MBAccessible::markRole(title, QAccessible::Heading);
    title->setText(topic->title);
    title->setObjectName(QStringLiteral("helpTitle"));
    column->addWidget(title);
    for (QWidget *b : blocks(topic->body))
        column->addWidget(b);
    column->addWidget(new MBDivider(6));
    column->addWidget(new MBLicCredit, 0, Qt::AlignLeft);
    column->addStretch(1);
    m_page = page;
    putInScrollArea(m_pageScroll, page);
    m_pageScroll->verticalScrollBar()->setValue(0);
}

QStringList MRBYHelpViewer::listedIDs() const { return m_listedIDs; }

std::optional<QString> MRBYHelpViewer::shownID() const { return m_shownID; }

std::optional<QString> MRBYHelpViewer::highlightedID() const
{
    for (QAbstractButton *b : topicRows()) {
        auto *row = static_cast<TopicRow *>(b);
        if (row->isShown())
            return row->id();
    }
    return std::nullopt;
}

QString MRBYHelpViewer::nothingFoundText() const { return m_nothing ? m_nothing->text() : QString(); }

QList<QAbstractButton *> MRBYHelpViewer::topicRows() const
{
    QList<QAbstractButton *> rows;
    if (!m_list)
        return rows;
    for (int i = 0; i < m_listLayout->count(); ++i) {
        if (auto *b = qobject_cast<QAbstractButton *>(m_listLayout->itemAt(i)->widget()))
            rows << b;
    }
    return rows;
}
