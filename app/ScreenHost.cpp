#include "app/ScreenHost.h"

#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "money/ui/MoneyPlanView.h"
#include "screens/CategoryView.h"
#include "screens/DataCheckedView.h"
#include "screens/DisplayView.h"
#include "screens/GuideView.h"
#include "screens/HomeView.h"
#include "screens/MyListView.h"
#include "screens/ScreenView.h"
#include "screens/SearchView.h"
#include "screens/SheetScreen.h"
#include "screens/UrgentView.h"
#include "screens/VideosView.h"
#include "services/AppModel.h"
#include "widgets/TLLabel.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

ScreenHost::ScreenHost(AppModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_zoom(MBZoomScope::current()),
      m_rebuild(this, [this] { rebuildNow(); })
{
    setObjectName(QStringLiteral("screenHost"));
    m_layout = mbColumn(this, 0);
    // A click that opens another page or changes what this one shows (a
    // tile, a sidebar row, a chapter, the chosen state) holds its place for
    // the rest of its run: the second click of a double-click presses
    // nothing that the new page put under the pointer.
    connect(&model, &AppModel::changed, this, &MBClickRun::pageChanged);
    connect(&model, &AppModel::screenChanged, this, &ScreenHost::follow);
    connect(&model, &AppModel::stateCodeChanged, this, [this] { namePage(m_shown); });
    // Shown before the data was read, the screen follows once it is. The
    // home screen needs no data; its state picker fills itself, and its page
    // is named again: before, the chosen state was known only by its code.
    connect(&model, &AppModel::loaded, this, [this] {
        if (!m_model.data() || !(m_model.screen() == Screen(Screen::home)))
            m_rebuild.schedule();
        else
            namePage(m_shown);
    });
    rebuildNow();
}

void ScreenHost::follow()
{
    const Screen wanted = m_model.screen();
    if (m_rebuild.pending() || showsErrorCard() || wanted.value() != m_shown.value()) {
        m_rebuild.schedule();
        return;
    }
    if (wanted == m_shown)
        return;
    // The page takes the focus first, so no control that goes with the old
    // argument hands it on as it leaves.
    if (isVisible()) {
        namePage(wanted);
        MBKeyboard::focusPage(m_current);
    }
    if (passArgument(m_current, wanted)) {
        m_shown = wanted;
        m_current->setObjectName(QStringLiteral("screen-") + title(wanted));
    } else {
        m_rebuild.schedule();
    }
}

bool ScreenHost::passArgument(QWidget *view, const Screen &screen)
{
    auto *takes = dynamic_cast<ScreenView *>(view);
    return takes && takes->setScreen(screen);
}

void ScreenHost::rebuildNow()
{
    m_rebuild.cancel();
    QWidget *old = m_current;
    // The new page takes the focus after a move to another screen, and
    // whenever the focus would go with the old one; a rebuild of the same
    // screen (the data read) leaves it where the person put it.
    const QWidget *focus = QApplication::focusWidget();
    const bool navigated = !old || !(m_model.screen() == m_shown);
    const bool focusGoes = !focus || focus->window() != window() || (old && old->isAncestorOf(focus));
    m_focusPending = m_focusPending || navigated || focusGoes;
    {
        MBZoomScope scope(m_zoom);
        const std::optional<QString> error = m_model.loadError();
        m_shown = m_model.screen();
        m_showsErrorCard = error && !m_model.data();
        m_current = m_showsErrorCard ? errorCard(*error) : buildScreen(m_model, m_shown);
    }
    m_layout->addWidget(m_current);
    m_current->show();
    namePage(m_shown);
    settleFocus();
    // Only now: a focused control that left with the old screen would hand
    // the focus to the next one in the window, the emergency bar's first.
    MBRebuildHost::retire(m_layout, old);
    ++m_builds;
    Q_EMIT rebuilt();
}

void ScreenHost::settleFocus()
{
    if (!m_focusPending || !isVisible())
        return;
    // Nothing in the window has had the focus yet: it is opening.
    const bool opening = !window()->focusWidget();
    if (MBKeyboard::focusPage(m_current, opening))
        m_focusPending = false;
}

void ScreenHost::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    settleFocus();
}

QString ScreenHost::pageName(const Screen &screen) const
{
    const QString state = m_model.stateName();
    if (screen.value() == Screen::guide && !m_showsErrorCard)
        return GuideView::pageName(GuideView::chapterFor(m_model.guideChapter()));
    switch (screen.value()) {
    case Screen::home:
    case Screen::urgent:
    case Screen::category:
    case Screen::sheet:
        if (!state.isEmpty() && !m_showsErrorCard)
            return title(screen) + QStringLiteral(", ") + state;
        break;
    default:
        break;
    }
    return m_showsErrorCard ? errorTitle() : title(screen);
}

void ScreenHost::namePage(const Screen &screen)
{
    // Said as the page takes the focus: where the person has arrived.
    if (QWidget *page = MBKeyboard::pageIn(m_current); page && page->accessibleName() != pageName(screen))
        page->setAccessibleName(pageName(screen));
}

QString ScreenHost::title(const Screen &screen)
{
    switch (screen.value()) {
    case Screen::urgent: return screen.need()->title();
    case Screen::category: return screen.topic()->rawValue();
    case Screen::home: return QStringLiteral("Right now");
    case Screen::search: return QStringLiteral("Search everything");
    case Screen::myList: return QStringLiteral("My List");
    case Screen::sheet: return QStringLiteral("My Resources Sheet");
    case Screen::money: return QStringLiteral("Money Plan");
    case Screen::guide: return QStringLiteral("Survival Guide");
    case Screen::videos: return QStringLiteral("Videos");
    case Screen::dataChecked: return QStringLiteral("Data last checked");
    case Screen::display: return QStringLiteral("Text size & display");
    }
    return QString();
}

QWidget *ScreenHost::buildScreen(AppModel &model, const Screen &screen)
{
    QWidget *view = nullptr;
    switch (screen.value()) {
    case Screen::home:
        view = new HomeView(model);
        break;
    case Screen::urgent:
        view = new UrgentView(model, *screen.need());
        break;
    case Screen::category:
        view = new CategoryView(model, *screen.topic());
        break;
    case Screen::myList:
        view = new MyListView(model);
        break;
    case Screen::videos:
        view = new VideosView(model);
        break;
    case Screen::search:
        view = new SearchView(model);
        break;
    case Screen::display:
        view = new DisplayView;
        break;
    case Screen::guide:
        view = new GuideView(model);
        break;
    case Screen::dataChecked:
        view = new DataCheckedView(model);
        break;
    case Screen::sheet:
        view = new SheetScreen(model);
        break;
    case Screen::money:
        view = new MoneyPlanView(model);
        break;
    }
    // Every screen has its case above; the compiler warns when one is missing.
    if (!view)
        view = new QWidget;
    view->setObjectName(QStringLiteral("screen-") + title(screen));
    return view;
}

QString ScreenHost::errorTitle()
{
    return QStringLiteral("Something went wrong loading the help information.");
}

QWidget *ScreenHost::errorCard(const QString &loadError)
{
    auto *card = new QWidget;
    card->setObjectName(QStringLiteral("errorCard"));
    MBKeyboard::markPage(card);
    auto *outer = new QVBoxLayout(card);
    const int pad = ipx(40);
    outer->setContentsMargins(pad, pad, pad, pad);
    outer->setSpacing(ipx(12));
    outer->addStretch(1);

    auto *symbol = new MBSymbolView(QStringLiteral("exclamationmark.triangle.fill"), px(40));
    symbol->setColor(TLPalette::current().readable(TLPalette::amberBadge(), TLPalette::figureRatio));
    outer->addWidget(symbol, 0, Qt::AlignHCenter);

    const auto centred = [&](QLabel *label) {
        label->setAlignment(Qt::AlignHCenter);
        outer->addWidget(label);
        return label;
    };
    centred(tlLabel(errorTitle(), 17, FontWeight::Bold));
    centred(tlLabel(loadError, 12, FontWeight::Regular, TLPalette::current().dim))
        ->setObjectName(QStringLiteral("loadErrorText"));
    centred(tlLabel(QStringLiteral("The emergency buttons above still work."), 14,
                    FontWeight::Semibold));
    outer->addStretch(1);
    return card;
}
