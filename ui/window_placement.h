#pragma once

#include <QRect>
#include <QSize>

namespace tremaro {

// Where two windows stand side by side on one screen: the frames (title bar and borders
// included) of the main window and of a window opened beside it, in pixels.
struct SideBySide {
    QRect main;
    QRect beside;
};

// Places a window whose frame would be wanted next to the main window, inside available (the
// screen's free area). It goes on the side with more room, as wide as that room allows, up to
// its wanted width; the main window stays where it is. Where neither side has narrowest pixels,
// the window goes to the screen's edge on the side with more room, and the main window moves
// away from it just far enough to leave the window its width, or to the other edge where even
// then the two overlap: the least overlap the screen allows, and never the one wholly over the
// other. Both stay inside the free area as far as their sizes let them.
SideBySide PlaceSideBySide(const QRect& mainFrame, QSize wanted, const QRect& available, int narrowest);

}  // namespace tremaro
