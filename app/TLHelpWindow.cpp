#include "app/TLHelpWindow.h"

#include "app/EmergencyBar.h"
#include "look/app/TLThemeRoot.h"
#include "look/kit/MBAccessible.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBKeyboard.h"
#include "look/kit/MBRebuildHost.h"
#include "look/kit/MBWindowFrame.h"
#include "look/kit/MRBYHelpViewer.h"
#include "services/TLInfo.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Keeps its frame in the settings whenever it is hidden or the application ends.
class HelpWindow final : public QWidget
{
public:
    HelpWindow()
    {
        MBAccessible::markRole(this, QAccessible::Window);
        setObjectName(QStringLiteral("TLHelpWindow"));
        setAttribute(Qt::WA_QuitOnClose, false);
        m_layout = mbColumn(this, 0);
        m_layout->setSizeConstraint(QLayout::SetNoConstraint);
        resize(980, 680);
        MBWindowFrame::restore(this, TLHelpWindow::frameKey);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveFrame(); });
        // Closes as About does, and as a document window does.
        for (QShortcut *close : {new QShortcut(QKeySequence(Qt::Key_Escape), this),
                                 new QShortcut(QKeySequence::Close, this)})
            QObject::connect(close, &QShortcut::activated, this, &QWidget::close);
    }

    void setContent(QWidget *content)
    {
        MBRebuildHost::retire(m_layout, m_content);
        m_content = content;
        m_layout->addWidget(content);
    }

    void saveFrame()
    {
        if (m_shownOnce)
            MBWindowFrame::save(this, TLHelpWindow::frameKey);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        m_shownOnce = true;
        QWidget::showEvent(event);
        keepWithinScreen();
    }
    bool event(QEvent *event) override
    {
        const bool done = QWidget::event(event);
        if (event->type() == QEvent::LayoutRequest)
            fitMinimum();
        return done;
    }
    void hideEvent(QHideEvent *event) override
    {
        saveFrame();
        QWidget::hideEvent(event);
    }

private:
    // The screen's free area less the window's frame; invalid without a screen.
    QSize room() const
    {
        return screen() ? screen()->availableGeometry().size() - (frameGeometry().size() - size()) : QSize();
    }
    // Only a frame larger than the screen's free area is fitted: one the
    // person moved partly off the screen stays where they put it.
    void keepWithinScreen()
    {
        const QSize free = room();
        if (free.isValid() && (width() > free.width() || height() > free.height()))
            MBWindowFrame::keepOnScreen(this);
    }
    // The content's minimum, within the screen. Qt's own (the layout's, set
    // at every moment) would grow the window for good: a theme or text-size
    // change holds the old content and the new for a moment.
    void fitMinimum()
    {
        const QSize free = room();
        const QSize least =
            m_content ? m_content->minimumSizeHint().expandedTo(m_content->minimumSize()) : QSize(0, 0);
        setMinimumSize(free.isValid() ? least.boundedTo(free) : least);
    }

    QVBoxLayout *m_layout;
    QPointer<QWidget> m_content;
    bool m_shownOnce = false;
};

QPointer<HelpWindow> &theWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

namespace TLHelpWindow {

void show(const std::optional<QString> &topic)
{
    auto *root = new TLThemeRoot([topic]() -> QWidget * {
        auto *column = new QWidget;
        auto *layout = mbColumn(column, 0);
        layout->addWidget(new EmergencyBar);
        layout->addWidget(new MRBYHelpViewer(topic), 1);
        return column;
    });

    QPointer<HelpWindow> &window = theWindow();
    if (!window)
        window = new HelpWindow;
    window->setWindowTitle(TLInfo::appName + QStringLiteral(" Help"));
    // Each request brings a fresh bar with no note.
    EmergencyBar::forgetNote(window);
    window->setContent(root);
    MBWindowFrame::bringToFront(window);
    // The topic's page, not the emergency bar's first button.
    MBKeyboard::focusPage(window, true);
}

QWidget *window() { return theWindow().data(); }

} // namespace TLHelpWindow
