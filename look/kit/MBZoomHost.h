#pragma once
// Wraps a window's content: builds it at the stored zoom (sizes pass through
// px() and tlFont()), gives it at least minSize × zoom, scrolls when the
// window is smaller, and rebuilds when "mrby.zoom" changes. The content is
// laid out at the larger of the space and minSize × zoom, so it fills exactly
// the area that scrolls.
//
// A part of the content that must never scroll away (the application's
// emergency bar) marks itself with markPinned(); after each build the host
// moves it above the scrolling area, across the window's width. It keeps the
// zoom it was built with; it fits its own content to that width.

#include "look/kit/MBRebuildHost.h"

#include <QPointer>
#include <QSizeF>
#include <QWidget>

class QScrollArea;
class QVBoxLayout;

class MBZoomHost : public QWidget
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
    QScrollArea *scrollArea() const { return m_scroll; }
    // The pinned part of the content, if it has one.
    QWidget *pinned() const { return m_pinned; }

    // Marks a widget of the content to be held above the scrolling area.
    static void markPinned(QWidget *widget);

    // The logical size the content gets in `space` at zoom z: space / z, but
    // the minimum wherever that is not larger.
    static QSizeF logicalSize(QSizeF space, QSizeF minSize, double z);

    // Scrolls to the top-left corner; a focused control stays in view.
    void scrollHome();

Q_SIGNALS:
    void zoomApplied(double zoom);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takePinned();
    void applyMinimum();

    MBRebuildHost *m_host;
    QScrollArea *m_scroll;
    QVBoxLayout *m_pinnedSlot;
    QPointer<QWidget> m_pinned;
    MBRebuildHost::FocusPath m_pinnedFocus;
    QSizeF m_minSize;
    double m_zoom = 1.0;
};
