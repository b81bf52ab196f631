#include "screens/VideosView.h"

#include "data/ReferenceData.h"
#include "look/app/TLBadge.h"
#include "look/app/TLPalette.h"
#include "look/app/TLSectionTitle.h"
#include "look/kit/MBBoxes.h"
#include "screens/Page.h"
#include "screens/PageHeader.h"
#include "screens/VideoRow.h"
#include "services/AppModel.h"
#include "services/NetStatus.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

QList<VideosView::Section> VideosView::sections(const QList<Video> &videos)
{
    QList<Section> out;
    for (const QString &category : Video::categoryOrder()) {
        Section section{category, {}};
        for (const Video &v : videos) {
            if (v.category == category)
                section.videos.append(v);
        }
        if (!section.videos.isEmpty())
            out.append(section);
    }
    return out;
}

QString VideosView::sectionTitle(const Section &section)
{
    return Video::categoryTitle(section.category) + QStringLiteral(" (") + QString::number(section.videos.size())
           + QLatin1Char(')');
}

VideosView::VideosView(AppModel &model, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("videosView"));
    auto *page = new Page({new PageHeader(
        QStringLiteral("play.rectangle.fill"), QStringLiteral("Videos"),
        // Names the makers of the videos we ship: keep it true of video_library.csv.
        QStringLiteral("Short videos from USAGov, Denver Health, Gwinnett Medical Center and the University of "
                       "Nevada, Las Vegas. They open on YouTube, so they need internet."))});
    NetStatus &net = NetStatus::shared();
    m_offline = new TLBadge(QStringLiteral("You are offline. Videos need internet. Everything else in the app "
                                           "still works."),
                            TLPalette::slateBadge(), QStringLiteral("wifi.slash"));
    m_offline->setObjectName(QStringLiteral("videosOffline"));
    // The badge keeps its own width, at the left like the other badges; the
    // row around it shows and hides, so no empty row takes room.
    auto *badgeRow = new QWidget;
    auto *badgeLayout = mbRow(badgeRow);
    badgeLayout->addWidget(m_offline, 0, Qt::AlignLeft);
    // Only hidden here: showing a widget without a parent would open it as a window.
    if (net.online())
        badgeRow->hide();
    page->addBlock(badgeRow);
    connect(&net, &NetStatus::onlineChanged, badgeRow, [badgeRow](bool online) { badgeRow->setVisible(!online); });

    const QList<Video> videos = model.data() ? model.data()->videos() : QList<Video>{};
    for (const Section &section : sections(videos)) {
        auto *title = new TLSectionTitle(sectionTitle(section));
        title->setObjectName(QStringLiteral("videoSection-") + section.category);
        page->addBlock(title);
        for (const Video &v : section.videos)
            page->addBlock(new VideoRow(v));
    }
    auto *layout = mbColumn(this);
    layout->addWidget(page);
}

bool VideosView::offlineShown() const { return !m_offline->parentWidget()->isHidden(); }
