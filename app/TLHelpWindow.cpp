#include "app/TLHelpWindow.h"

#include "app/EmergencyBar.h"
#include "app/TLInfo.h"
#include "look/app/TLThemeRoot.h"
#include "look/kit/MRBYHelpViewer.h"
#include "look/kit/Prefs.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Keeps its frame in the settings whenever it is hidden or the application ends.
class HelpWindow final : public QWidget
{
public:
    HelpWindow()
    {
        setObjectName(QStringLiteral("TLHelpWindow"));
        setAttribute(Qt::WA_QuitOnClose, false);
        m_layout = new QVBoxLayout(this);
        m_layout->setContentsMargins(0, 0, 0, 0);
        m_layout->setSpacing(0);
        resize(980, 680);
        const QString saved = Prefs::shared().string(TLHelpWindow::frameKey).value_or(QString());
        if (saved.isEmpty() || !restoreGeometry(QByteArray::fromBase64(saved.toLatin1()))) {
            if (const QScreen *screen = QGuiApplication::primaryScreen()) {
                QRect r(QPoint(0, 0), QSize(980, 680));
                r.moveCenter(screen->availableGeometry().center());
                move(r.topLeft());
            }
        }
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveFrame(); });
    }

    void setContent(QWidget *content)
    {
        if (m_content) {
            m_layout->removeWidget(m_content);
            m_content->hide();
            m_content->deleteLater();
        }
        m_content = content;
        m_layout->addWidget(content);
    }

    void saveFrame()
    {
        if (!m_shownOnce)
            return;
        Prefs::shared().setString(TLHelpWindow::frameKey,
                                  QString::fromLatin1(saveGeometry().toBase64()));
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        m_shownOnce = true;
        QWidget::showEvent(event);
    }
    void hideEvent(QHideEvent *event) override
    {
        saveFrame();
        QWidget::hideEvent(event);
    }

private:
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
        auto *layout = new QVBoxLayout(column);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addWidget(new EmergencyBar);
        layout->addWidget(new MRBYHelpViewer(topic), 1);
        return column;
    });

    QPointer<HelpWindow> &window = theWindow();
    if (!window)
        window = new HelpWindow;
    window->setWindowTitle(TLInfo::appName + QStringLiteral(" Help"));
    window->setContent(root);
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget *window() { return theWindow().data(); }

} // namespace TLHelpWindow
