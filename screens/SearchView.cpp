#include "screens/SearchView.h"

#include "data/ReferenceData.h"
#include "look/app/TLFieldBox.h"
#include "look/app/TLPalette.h"
#include "look/app/TLStyle.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBFont.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "screens/ListingCard.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/PlainButton.h"
#include "screens/RowColumn.h"
#include "screens/Tile.h"
#include "screens/ToggleBox.h"
#include "screens/VideoRow.h"
#include "services/AppModel.h"
#include "widgets/TLAnnouncer.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Blanks are spaces and tabs here.
bool onlyBlanks(const QString &text)
{
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            return false;
    return true;
}

} // namespace

std::optional<QString> SearchView::searchState(const AppModel &model)
{
    if (model.searchAllStates() || model.stateCode().isEmpty())
        return std::nullopt;
    return model.stateCode();
}

QList<SearchHit> SearchView::hits(const AppModel &model)
{
    if (!model.data())
        return {};
    return model.data()->search(model.searchText(), searchState(model), 150);
}

QString SearchView::countLine(const QString &text, qsizetype hits)
{
    if (onlyBlanks(text))
        return QString();
    if (hits == 0)
        return QStringLiteral("Nothing found. Try a shorter or simpler word, like \"food\" or \"shower\".");
    return QString::number(hits) + (hits == 1 ? QStringLiteral(" result") : QStringLiteral(" results"));
}

QString SearchView::chapterTitle(const GuideChapter &chapter)
{
    return QStringLiteral("Survival Guide \u00B7 Chapter ") + QString::number(chapter.number) + QStringLiteral(": ")
        + chapter.title;
}

SearchView::SearchView(AppModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    m_sayCount.setSingleShot(true);
    m_sayCount.setInterval(1500);
    connect(&m_sayCount, &QTimer::timeout, this, &SearchView::sayCount);
    setObjectName(QStringLiteral("searchView"));
    const TLPalette palette = TLPalette::current();

    // The toggle names the chosen state and shows only while one is chosen.
    m_allStates = new ToggleBox(QString());
    m_allStates->setObjectName(QStringLiteral("searchAllStates"));
    m_allStates->setFont(tlFont(13));
    m_allStates->setChecked(model.searchAllStates());
    connect(m_allStates, &QAbstractButton::toggled, &model, &AppModel::setSearchAllStates);
    followState();
    // Only hidden here: showing a widget without a parent would open it as a window.
    if (model.stateCode().isEmpty())
        m_allStates->hide();
    m_count = tlLabel(QString(), 13, FontWeight::Semibold, palette.dim);
    m_count->setObjectName(QStringLiteral("searchCount"));
    m_results = new RowColumn(16);
    m_results->setObjectName(QStringLiteral("searchResults"));

    auto *page = new Page({
        new PageHeader(QStringLiteral("magnifyingglass"), QStringLiteral("Search everything"),
                       QStringLiteral("Type a word like food, shower, SNAP, 211, job or Medicaid. Search works "
                                      "without internet.")),
        fieldRow(),
        m_allStates,
        m_count,
        m_results,
    });
    auto *layout = mbColumn(this);
    layout->addWidget(page);

    // A new query shows the top of its results: the page comes back up to
    // the field, the count line and the first rows right below it, before
    // the rows are made for the view.
    connect(&model, &AppModel::searchTextChanged, this, [this] {
        MBKeyboard::showInView(m_field);
        refresh();
    });
    connect(&model, &AppModel::searchAllStatesChanged, this, &SearchView::refresh);
    connect(&model, &AppModel::stateCodeChanged, this, [this] {
        followState();
        refresh();
    });
    refresh();
    setFocusProxy(m_field);
    // Focus that goes to this page goes to the field.
    MBKeyboard::markPage(this);
}

void SearchView::followState()
{
    m_allStates->setText(
        mbMenuText(QStringLiteral("Search all states (not just ") + m_model.stateName() + QLatin1Char(')')));
    if (m_allStates->parentWidget())
        m_allStates->setVisible(!m_model.stateCode().isEmpty());
}

QWidget *SearchView::fieldRow()
{
    const TLPalette palette = TLPalette::current();
    // A capsule behind the field, in the panel colour.
    auto *capsule = new TLFieldBox({[](const TLPalette &p) { return p.panelTop; }, 0, true});
    auto *row = new QHBoxLayout(capsule);
    row->setContentsMargins(ipx(14), ipx(10), ipx(14), ipx(10));
    row->setSpacing(ipx(10));

    auto *glass = new MBSymbolView(QStringLiteral("magnifyingglass"), tlPx(16));
    glass->setColor(palette.dim);
    row->addWidget(glass, 0, Qt::AlignVCenter);

    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("searchField"));
    m_field->setAccessibleName(QStringLiteral("Search everything"));
    m_field->setPlaceholderText(QStringLiteral("What do you need?"));
    m_field->setFrame(false);
    m_field->setFont(tlFont(16));
    m_field->setText(m_model.searchText());
    QPalette fp = m_field->palette();
    fp.setColor(QPalette::Base, Qt::transparent);
    fp.setColor(QPalette::Text, palette.text);
    QColor placeholder = palette.dim;
    fp.setColor(QPalette::PlaceholderText, placeholder);
    m_field->setPalette(fp);
    // The field writes the model; the model's echo is not written back, so
    // the cursor and the letters typed stay exactly where they are.
    connect(m_field, &QLineEdit::textEdited, &m_model, &AppModel::setSearchText);
    row->addWidget(m_field, 1, Qt::AlignVCenter);
    capsule->setField(m_field);

    m_clear = new PlainButton(QStringLiteral("xmark.circle.fill"), QString(), 16, palette.dim);
    m_clear->setObjectName(QStringLiteral("clearSearch"));
    m_clear->setAccessibleName(QStringLiteral("Clear search"));
    m_clear->setToolTip(QStringLiteral("Clear search"));
    m_clear->setAccessibleDescription(QStringLiteral("Empties the search field"));
    connect(m_clear, &QAbstractButton::clicked, this, [this] {
        m_model.setSearchText(QString());
        m_field->setFocus();
        // The focus often stays in the field, which a screen reader does not
        // say again.
        TLAnnouncer::say(this, QStringLiteral("Search cleared. Type a word to search."));
    });
    row->addWidget(m_clear, 0, Qt::AlignVCenter);
    return capsule;
}

void SearchView::sayCount()
{
    // Said each time, also the count said before: the same word typed again
    // is counted again. Kept as the field's description, where a screen
    // reader reads it whenever the field is read again.
    const QString count = m_count->text();
    m_field->setAccessibleDescription(count);
    TLAnnouncer::say(this, count);
}

void SearchView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_focused) {
        m_focused = true;
        m_field->setFocus(Qt::OtherFocusReason);
        // Orca has the field's first caret report only after the focus, and
        // then takes the focus as told: the arrival is said instead.
        TLAnnouncer::say(this, m_field->accessibleName());
    }
}

void SearchView::refresh()
{
    const QString text = m_model.searchText();
    if (m_field->text() != text)
        m_field->setText(text);
    m_clear->setVisible(!text.isEmpty());
    if (m_allStates && m_allStates->isChecked() != m_model.searchAllStates()) {
        const QSignalBlocker block(m_allStates);
        m_allStates->setChecked(m_model.searchAllStates());
    }

    const QList<SearchHit> found = hits(m_model);
    ++m_searches;
    const QString count = countLine(text, found.size());
    m_count->setText(count);
    m_count->setVisible(!count.isEmpty());
    m_sayCount.start();

    FavoritesStore *store = m_model.favorites();
    QList<RowColumn::Row> rows;
    rows.reserve(found.size());
    for (const SearchHit &hit : found) {
        if (const Listing *l = hit.listing()) {
            rows.append({hit.id(), [l = *l, store] { return new ListingCard(l, store, false); }});
        } else if (const Video *v = hit.video()) {
            rows.append({hit.id(), [v = *v] { return new VideoRow(v); }});
        } else if (const GuideChapter *g = hit.guide()) {
            const int number = g->number;
            const QString title = chapterTitle(*g);
            rows.append({hit.id(), [this, number, title] {
                             auto *tile = new Tile(QStringLiteral("book.fill"), title, false);
                             tile->setObjectName(QStringLiteral("chapterTile"));
                             connect(tile, &QAbstractButton::clicked, this, [this, number] {
                                 m_model.setGuideChapter(number);
                                 m_model.setScreen(Screen::guide);
                             });
                             return tile;
                         }});
        }
    }
    m_results->setRows(std::move(rows));
}
