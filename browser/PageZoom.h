#pragma once

#include <QString>

#include <optional>

namespace korvel {

struct KVBrowserPrefSettings;

// The page scripts and zoom the window applies when a page is committed and finished.
class PageZoom {
public:
    // The initial scale a viewport text names ("width=device-width, initial-scale=1.5"): the last
    // "initial-scale" part that parses as a number, else 1.0.
    static double initialScale(const QString& viewportContent);
    // The zoom factor to apply 0.3 s after a page finished, or nothing (zoom off, or "Zoom" 100 or less).
    static std::optional<double> zoomAfterLoad(double initialScale, const KVBrowserPrefSettings& preferences);
    // The viewport script of a finished page.
    static QString viewportScript(double initialScale, const KVBrowserPrefSettings& preferences);
    // The viewport script of a committed page when zoom is off; empty when zoom is on.
    static QString committedScript(const KVBrowserPrefSettings& preferences);
};

}  // namespace korvel
