#include "ui/window_placement.h"

#include "qstring_printer.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

// The main window's frame is 650 x 510 pixels, the preview wants 1100 x 760 and is never made
// narrower than 500.
constexpr QSize kMain(650, 510);
constexpr QSize kPreview(1100, 760);
constexpr int kNarrowest = 500;

SideBySide Place(QPoint mainAt, QSize screen, QSize wanted = kPreview) {
    return PlaceSideBySide(QRect(mainAt, kMain), wanted, QRect(QPoint(0, 0), screen), kNarrowest);
}

// Where a side has 500 pixels or more, the preview takes the side with more room, as wide as
// that room up to its own width, and the main window stays where it is.
TEST(WindowPlacement, besideTheMainWindow_onTheSideWithMoreRoom_asWideAsTheRoom) {
    const struct {
        QPoint mainAt;
        QSize screen;
        QRect preview;
    } cases[] = {
        {{0, 0}, {1920, 1080}, {650, 0, 1100, 760}},         // the whole width fits on the right
        {{1200, 300}, {1920, 1080}, {100, 300, 1100, 760}},  // 1200 on the left, 70 on the right
        {{0, 0}, {1600, 1000}, {650, 0, 950, 760}},          // the right's 950
        {{100, 50}, {1280, 800}, {750, 40, 530, 760}},       // 530 on the right, 100 on the left; kept on the screen
        {{560, 0}, {1280, 800}, {0, 0, 560, 760}},           // 560 on the left, 70 on the right
        {{500, 0}, {1280, 800}, {0, 0, 500, 760}},           // 500 exactly
        {{700, 100}, {2560, 1440}, {1350, 100, 1100, 760}},  // room on both sides: the right has more
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mainAt.x() << "," << c.mainAt.y() << " on " << c.screen.width());
        const SideBySide place = Place(c.mainAt, c.screen);
        EXPECT_EQ(place.beside, c.preview);
        EXPECT_EQ(place.main, QRect(c.mainAt, kMain));
    }
}

// Where neither side has 500 pixels, the preview goes to the screen's edge on the side with
// more room and the main window moves away from it: as far as the preview's width needs, and
// to the other edge where even then they overlap, which they do only where the screen is
// narrower than both together; the preview is never over the whole main window.
TEST(WindowPlacement, noRoomOnEitherSide_movesTheMainWindowForTheLeastOverlap) {
    const struct {
        QPoint mainAt;
        QSize screen;
        QSize wanted;
        QRect main;
        QRect preview;
    } cases[] = {
        // Centred on 1600 x 1000, as a window manager first puts it: 475 on each side.
        {{475, 245}, {1600, 1000}, kPreview, {0, 245, 650, 510}, {650, 240, 950, 760}},
        // Centred on 1024 x 768: both at the screen's edges, 126 pixels over each other.
        {{187, 129}, {1024, 768}, kPreview, {0, 129, 650, 510}, {524, 8, 500, 760}},
        // More room on the left: the main window goes right.
        {{400, 0}, {1280, 800}, kPreview, {630, 0, 650, 510}, {0, 0, 630, 760}},
        // A preview that wants 600: the main window moves 150 pixels, not to the edge.
        {{300, 0}, {1400, 800}, {600, 700}, {150, 0, 650, 510}, {800, 0, 600, 700}},
        // A preview larger than the screen is made as large as the screen allows.
        {{310, 50}, {1280, 800}, {3000, 2000}, {0, 50, 650, 510}, {650, 0, 630, 800}},
        // 800 x 600: the overlap cannot be helped, but the main window shows 300 pixels.
        {{0, 0}, {800, 600}, kPreview, {0, 0, 650, 510}, {300, 0, 500, 600}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mainAt.x() << "," << c.mainAt.y() << " on " << c.screen.width());
        const SideBySide place = Place(c.mainAt, c.screen, c.wanted);
        EXPECT_EQ(place.main, c.main);
        EXPECT_EQ(place.beside, c.preview);
    }
}

}  // namespace
}  // namespace tremaro
