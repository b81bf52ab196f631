#pragma once
// The help viewer: a searchable list of topics beside the page of the topic
// shown. Topic bodies use the light line markup ("## " heading, "• " bullet)
// and are shown exactly as written.

#include "look/kit/MRBYHelpTopic.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QAbstractButton;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class MBSearchField;

class MRBYHelpViewer : public QWidget
{
    Q_OBJECT
public:
    // One line of a topic body.
    struct Block
    {
        enum class Kind { Heading, Bullet, Paragraph };
        Kind kind;
        QString text;
        bool operator==(const Block &o) const = default;
    };

    // `initialTopic`: the topic shown while the user has not clicked one
    // (none: the first listed topic).
    explicit MRBYHelpViewer(const std::optional<QString> &initialTopic = std::nullopt,
                            QWidget *parent = nullptr);

    // The body's lines as blocks: blank lines make none; "## " and "• "
    // (after trimming spaces and tabs) mark headings and bullets.
    static QList<Block> parse(const QString &body);
    // The blocks as widgets, in order, drawn in the current kit colours.
    static QList<QWidget *> blocks(const QString &body);

    // Which topic a viewer shows: the selected id, else the initial one,
    // else the first listed; looked up in all topics, falling back to the
    // first listed topic.
    static std::optional<MRBYHelpTopic> shownTopic(const QList<MRBYHelpTopic> &listed,
                                                   const std::optional<QString> &selected,
                                                   const std::optional<QString> &initial);

    QString query() const { return m_query; }
    void setQuery(const QString &query);
    std::optional<QString> selected() const { return m_selected; }
    // What a click on a topic row does; the topic's page takes the focus.
    void select(const QString &topicID);

    // The state on screen.
    QStringList listedIDs() const;
    std::optional<QString> shownID() const;
    // Id of the highlighted row, if any row is highlighted.
    std::optional<QString> highlightedID() const;
    // The "Nothing found" line, or empty when topics are listed.
    QString nothingFoundText() const;

    MBSearchField *searchField() const { return m_search; }
    QList<QAbstractButton *> topicRows() const;
    // The page's column (title, blocks, divider, credit), null when no topic
    // is shown.
    QWidget *page() const { return m_page; }

private:
    void refresh();
    void rebuildList(const QList<MRBYHelpTopic> &listed);
    void rebuildPage(const std::optional<MRBYHelpTopic> &topic);

    std::optional<QString> m_initial;
    QString m_query;
    std::optional<QString> m_selected;

    MBSearchField *m_search = nullptr;
    QScrollArea *m_listScroll = nullptr;
    QWidget *m_list = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    QLabel *m_nothing = nullptr;
    QScrollArea *m_pageScroll = nullptr;
    QWidget *m_page = nullptr;
    QStringList m_listedIDs;
    std::optional<QString> m_shownID;
    bool m_pageBuilt = false;
    double m_zoom;
};
