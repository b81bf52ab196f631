#pragma once
// The checked videos, in sections by category in a fixed order (emergencies
// first), each category only when it has videos. Videos open on YouTube:
// while the network is down a badge under the header says so, and each row
// shows its own offline badge instead of its play button.

#include "data/Video.h"

#include <QList>
#include <QWidget>

class AppModel;
class TLBadge;

class VideosView final : public QWidget
{
    Q_OBJECT
public:
    explicit VideosView(AppModel &model, QWidget *parent = nullptr);

    struct Section
    {
        QString category;
        QList<Video> videos; // in data order
    };
    // The sections of the category order that have videos; a video whose
    // category is not one of the nine words is in none.
    static QList<Section> sections(const QList<Video> &videos);
    // "Emergencies (3)".
    static QString sectionTitle(const Section &section);

    // Shown (with the row around it) only while offline.
    TLBadge *offlineBadge() const { return m_offline; }
    bool offlineShown() const;

private:
    TLBadge *m_offline;
};
