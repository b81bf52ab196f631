#pragma once
// Wraps a window's content: builds it at the stored zoom (sizes pass through
// px() and tlFont()), gives it at least minSize × zoom, scrolls when the
// window is smaller, and rebuilds when "mrby.zoom" changes.

#include "look/kit/MBRebuildHost.h"

#include <QScrollArea>
#include <QSizeF>

class MBZoomHost : public QScrollArea
{
    Q_OBJECT
public:
    explicit MBZoomHost(MBRebuildHost::Builder build, QSizeF minSize = QSizeF(960, 640),
                        QWidget *parent = nullptr);

    // The zoom the content was last built with.
    double zoom() const { return m_zoom; }
    QSizeF minSize() const { return m_minSize; }
    QWidget *content() const;
    MBRebuildHost *rebuildHost() const { return m_host; }

    // The logical size the content gets in `space` at zoom z: space / z, but
    // the minimum wherever that is not larger.
    static QSizeF logicalSize(QSizeF space, QSizeF minSize, double z);

    // Scrolls to the top-left corner now and again a little later.
    void scrollHome();

Q_SIGNALS:
    void zoomApplied(double zoom);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyMinimum();

    MBRebuildHost *m_host;
    QSizeF m_minSize;
    double m_zoom = 1.0;
};
