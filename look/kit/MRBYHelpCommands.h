#pragma once
// The Help menu: "<app name> Help" (Ctrl+? and F1), one item per help topic,
// and the maker's website. Every item goes through the current
// MRBYHelp::opener(); the topic items follow the topic list each time the
// menu opens.

#include <QMenu>

class MRBYHelpCommands : public QMenu
{
    Q_OBJECT
public:
    explicit MRBYHelpCommands(QWidget *parent = nullptr);

    // Lists the topics and the application name as they stand now.
    void rebuild();

    // The first item; it keeps its shortcuts while the rest is rebuilt.
    QAction *helpAction() const { return m_help; }
    QAction *websiteAction() const { return m_website; }
    // The topic items, in order.
    QList<QAction *> topicActions() const;

private:
    QAction *m_help;
    QAction *m_website = nullptr;
};
