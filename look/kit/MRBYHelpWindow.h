#pragma once
// The kit's own help window: one per process, made on the first request and
// kept (hidden when closed) until exit. Every request shows a fresh viewer at
// the topic asked for and brings the window to the front. Its position and
// size are remembered between runs.

#include <QWidget>

#include <optional>

class MRBYHelpViewer;

class MRBYHelpWindow final : public QWidget
{
    Q_OBJECT
public:
    // The one window, or null before the first request.
    static MRBYHelpWindow *instance();
    // Makes (once) and shows the window at `topic`: MRBYHelp::showWindow.
    static MRBYHelpWindow *showTopic(const std::optional<QString> &topic);

    // The viewer on show now.
    MRBYHelpViewer *viewer() const;

    // Settings key holding the saved frame.
    static QString frameKey();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    MRBYHelpWindow();
    void saveFrame();

    QWidget *m_root = nullptr;
};
