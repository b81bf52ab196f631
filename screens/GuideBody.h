#pragma once
// Shows a text in the guide's light line markup as a column of rows: "## "
// heading, "• " bullet, "! " red warning box, any other non-blank line a
// paragraph; blank lines show nothing. Inside paragraphs, bullets and
// warnings "**" marks bold text. The marks are the ones GuideChapter's plain
// text strips for search (data/GuideMarkup.h).
//
// Inline marks go through our own converter, never a Markdown reader: a line
// such as "1. Call 911" or "> 5 minutes" must show as written.

#include <QList>
#include <QString>
#include <QWidget>

class GuideBody : public QWidget
{
    Q_OBJECT
public:
    struct Line
    {
        enum class Kind { Blank, Heading, Bullet, Warning, Paragraph };
        Kind kind = Kind::Blank;
        // The trimmed line without its mark.
        QString text;

        friend bool operator==(const Line &, const Line &) = default;
    };

    explicit GuideBody(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }

    // One line, trimmed of spaces and tabs; the first matching mark counts.
    static Line classify(const QString &line);
    // Every line of the text in order (split at each "\n", so blank lines
    // and a trailing newline give Blank lines).
    static QList<Line> lines(const QString &text);
    // The rich text of one line: everything escaped first, then each balanced
    // "**" pair made bold; a mark without a partner stays as typed. Runs of
    // spaces are kept.
    static QString md(const QString &line);

private:
    QString m_text;
};
