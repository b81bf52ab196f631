#include "screens/VideoRow.h"

#include "look/app/TLBadge.h"
#include "look/app/TLButtonStyle.h"
#include "look/app/TLPalette.h"
#include "look/kit/MBBoxes.h"
#include "look/kit/MBClickRun.h"
#include "look/kit/MBSymbolView.h"
#include "look/kit/MBZoom.h"
#include "services/NetStatus.h"
#include "services/VideoActions.h"
#include "widgets/TLLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
const QString kDot = QStringLiteral(" \u00B7 ");
}

QString VideoRow::detailLine(const Video &video)
{
    // A field the data leaves empty leaves no empty place between dots.
    QStringList parts;
    for (const QString &part : {video.channel, video.length, video.topic})
        if (!part.isEmpty())
            parts << part;
    return parts.join(kDot);
}

QString VideoRow::checkLine(const Video &video)
{
    return video.checkedLabel() + QStringLiteral(" \u00B7 source: YouTube (") + video.channel + QLatin1Char(')');
}

VideoRow::VideoRow(const Video &video, QWidget *parent) : TLCard(parent, 12), m_video(video)
{
    setObjectName(QStringLiteral("videoRow"));
    const TLPalette palette = TLPalette::current();
    auto *row = mbRow(nullptr, ipx(12));

    auto *icon = new MBSymbolView(QStringLiteral("play.rectangle.fill"), px(26));
    icon->setColor(palette.accentIcon());
    row->addWidget(icon, 0, Qt::AlignTop);

    auto *column = mbColumn(nullptr, ipx(4));
    m_lines << tlLabel(video.title, 14.5, FontWeight::Bold);
    m_lines << tlLabel(detailLine(video), 12, FontWeight::Regular, palette.dim);
    if (!video.note.isEmpty())
        m_lines << tlLabel(video.note, 12);
    m_lines << tlLabel(checkLine(video), 11, FontWeight::Regular, palette.dim);
    for (QLabel *line : m_lines)
        column->addWidget(line);
    row->addLayout(column, 1);

    const bool online = NetStatus::shared().online();
    m_play = new TLButton(VideoActions::label(true), TLButtonStyle{palette.accent, palette.onAccent, false},
                          QStringLiteral("play.fill"));
    m_play->setObjectName(QStringLiteral("playVideo"));
    m_play->setAccessibleName(VideoActions::label(true) + QStringLiteral(", ") + video.title);
    setAccessibleName(video.title);
    connect(m_play, &QAbstractButton::clicked, this, [this] { VideoActions::play(m_video, true); });
    MBClickRun::holdMouse(m_play);
    m_offline = new TLBadge(VideoActions::offlineLabel, TLPalette::slateBadge(), QStringLiteral("wifi.slash"));
    m_offline->setObjectName(QStringLiteral("videoOffline"));
    row->addWidget(m_play, 0, Qt::AlignTop);
    row->addWidget(m_offline, 0, Qt::AlignTop);
    body()->addLayout(row);

    setOnline(online);
    connect(&NetStatus::shared(), &NetStatus::onlineChanged, this, &VideoRow::setOnline);
}

void VideoRow::setOnline(bool online)
{
    m_play->setVisible(online);
    m_offline->setVisible(!online);
}
