#pragma once

namespace brevane {

// Window geometry was designed in twips (1440 per inch); 15 twips make a pixel at 96 dpi.
struct ScreenMetrics {
    int widthPx = 0;
    int heightPx = 0;
    double twipsPerPixelX = 15.0;
    double twipsPerPixelY = 15.0;

    long widthTwips() const;
    long heightTwips() const;
};

// The primary screen as the window system reports it.
ScreenMetrics primaryScreenMetrics();

} // namespace brevane
