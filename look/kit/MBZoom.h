#pragma once
// Whole-window zoom: the stored factor under "mrby.zoom", its rules, and the
// metric helpers through which every size of the look passes.

#include "look/kit/KitKeys.h"

#include <QList>
#include <QString>

namespace MBZoom {

inline const QString &key = KitKeys::zoom;
inline constexpr double min = 0.85;
inline constexpr double max = 2.0;
inline constexpr double step = 0.15;
inline const QList<int> levels = {85, 100, 115, 130, 150, 175, 200};
inline const QString originID = QStringLiteral("mrby-zoom-origin");

// Two decimals (halves away from zero), then 0.85…2.0; not a number gives 0.85.
double clamp(double value);

// The stored factor: absent (or 0) reads as 1.0, anything else clamped.
double value();
// Stores clamp(newValue).
void setValue(double newValue);
// Zoom In / Zoom Out / Actual Size.
void zoomIn();
void zoomOut();
void actualSize();

// "85%" for 85.
QString levelTitle(int level);

} // namespace MBZoom

// The zoom that widgets being built now use. The zoom host opens a scope
// with the stored factor while it builds its content; outside any scope the
// factor is 1.0 (windows without a zoom host). A widget that rebuilds a part
// of itself later keeps the zoom it was built with: it stores current() at
// build and opens a scope with it when it rebuilds.
class MBZoomScope
{
public:
    explicit MBZoomScope(double zoom);
    ~MBZoomScope();
    MBZoomScope(const MBZoomScope &) = delete;
    MBZoomScope &operator=(const MBZoomScope &) = delete;

    static double current();

private:
    double m_previous;
};

// `points` at the zoom of the current scope.
double px(double points);
// The same, rounded to whole pixels (for margins and spacings).
int ipx(double points);
