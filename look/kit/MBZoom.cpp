#include "look/kit/MBZoom.h"

#include "look/kit/Prefs.h"

#include <cmath>

namespace MBZoom {

double clamp(double value)
{
    // std::round rounds halves away from zero.
    const double r = std::round(value * 100.0) / 100.0;
    if (std::isnan(r))
        return min;
    return std::min(std::max(r, min), max);
}

double value()
{
    const double stored = Prefs::shared().number(key);
    if (stored == 0.0)
        return 1.0;
    return clamp(stored);
}

void setValue(double newValue) { Prefs::shared().setNumber(key, clamp(newValue)); }

void zoomIn() { setValue(value() + step); }

void zoomOut() { setValue(value() - step); }

void actualSize() { Prefs::shared().setNumber(key, 1.0); }

QString levelTitle(int level) { return QString::number(level) + QLatin1Char('%'); }

} // namespace MBZoom

namespace {
double g_scopeZoom = 1.0;
}

MBZoomScope::MBZoomScope(double zoom) : m_previous(g_scopeZoom)
{
    g_scopeZoom = MBZoom::clamp(zoom);
}

MBZoomScope::~MBZoomScope() { g_scopeZoom = m_previous; }

double MBZoomScope::current() { return g_scopeZoom; }

double px(double points) { return points * g_scopeZoom; }

int ipx(double points) { return int(std::lround(points * g_scopeZoom)); }
