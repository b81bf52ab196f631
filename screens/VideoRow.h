#pragma once
// The one way a video is shown (Videos screen, topic pages, search): a card
// with the play symbol, the title, a line of channel · length · topic, the
// note when there is one, the check line with its source, and at the right a
// "Play on YouTube" button, or the "Needs internet" badge while offline. The
// row follows NetStatus::shared() and swaps the two in place. A screen
// reader hears the row and its play button named after the video.

#include "data/Video.h"

#include "look/app/TLCard.h"

class QLabel;
class TLBadge;
class TLButton;

class VideoRow final : public TLCard
{
    Q_OBJECT
public:
    explicit VideoRow(const Video &video, QWidget *parent = nullptr);

    const Video &video() const { return m_video; }
    // "channel · length · topic", leaving out empty fields.
    static QString detailLine(const Video &video);
    // "Checked Oct 2026 · source: YouTube (channel)".
    static QString checkLine(const Video &video);

    TLButton *playButton() const { return m_play; }
    TLBadge *offlineBadge() const { return m_offline; }
    // The text lines shown, top to bottom (three, or four with a note).
    QList<QLabel *> textLines() const { return m_lines; }

    void setOnline(bool online);

private:
    Video m_video;
    TLButton *m_play;
    TLBadge *m_offline;
    QList<QLabel *> m_lines;
};
