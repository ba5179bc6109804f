#include "ui/window_placement.h"

#include <algorithm>

namespace tremaro {
namespace {

// The top that keeps a frame of the height inside the free area, as near to top as it can.
int TopInside(int top, int height, const QRect& available) {
    return std::max(available.top(), std::min(top, available.bottom() + 1 - height));
}

}  // namespace

SideBySide PlaceSideBySide(const QRect& mainFrame, QSize wanted, const QRect& available, int narrowest) {
    wanted = wanted.boundedTo(available.size());
    const int roomRight = std::max(0, available.right() - mainFrame.right());
    const int roomLeft = std::max(0, mainFrame.left() - available.left());
    const bool right = roomRight >= roomLeft;
    const int room = std::max(roomRight, roomLeft);

    QRect main = mainFrame;
    int width = std::min(wanted.width(), room);
    if (room < std::min(narrowest, wanted.width())) {
        // The room the main window leaves at most, moved to the screen's other edge.
        const int mostRoom = std::max(0, available.width() - mainFrame.width());
        width = std::min(wanted.width(), std::max(mostRoom, std::min(narrowest, available.width())));
        const int shift = std::min(width - room, right ? roomLeft : roomRight);
        main.translate(right ? -shift : shift, 0);
    }
    const int left = right ? std::min(main.right() + 1, available.right() + 1 - width)
                           : std::max(main.left() - width, available.left());
    const QRect beside(left, TopInside(main.top(), wanted.height(), available), width, wanted.height());
    return {main, beside};
}

}  // namespace tremaro
