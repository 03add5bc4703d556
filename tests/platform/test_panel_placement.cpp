// SPDX-License-Identifier: MIT
// Where tool windows open: beside the main window, inside the screen's free area, clear of the
// windows already shown. Expected frames are worked out by hand from the rules.
#include "C_VYXPanelPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <tuple>

// Failures show rectangles as x,y wxh.
void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

namespace {

using Side = C_VYXPanelPlacement::Side;

const QRect kScreen(0, 0, 1000, 800);

TEST(PanelPlacement, BesideTheOwnerWithinTheScreenEvenFromExtremeCoordinates) {
    // clang-format off
    // name, side, owner, panel, top, available, expected
    const std::tuple<const char*, Side, QRect, QSize, int, QRect, QRect> cases[] = {
        {"left with room", Side::Left, {300, 50, 400, 300}, {100, 90}, 50, kScreen, {200, 50, 100, 90}},
        {"left without room", Side::Left, {99, 50, 400, 300}, {100, 90}, 50, kScreen, {0, 50, 100, 90}},
        {"left touching the edge", Side::Left, {100, 50, 400, 300}, {100, 90}, 50, kScreen, {0, 50, 100, 90}},
        {"right with room", Side::Right, {300, 50, 400, 300}, {100, 90}, 50, kScreen, {700, 50, 100, 90}},
        {"right without room", Side::Right, {501, 50, 400, 300}, {100, 90}, 50, kScreen, {900, 50, 100, 90}},
        {"right exactly fitting", Side::Right, {500, 50, 400, 300}, {100, 90}, 50, kScreen, {900, 50, 100, 90}},
        // The main window on a second screen: its edges, not 0 and the first screen's width.
        {"left on a second screen", Side::Left, {1950, 100, 400, 300}, {100, 90}, 100,
         {1920, 0, 1280, 1024}, {1920, 100, 100, 90}},
        {"right on a second screen", Side::Right, {3000, 100, 190, 300}, {100, 90}, 100,
         {1920, 0, 1280, 1024}, {3100, 100, 100, 90}},
        // A stacked panel that would reach below the screen is lifted onto it.
        {"below the bottom", Side::Left, {300, 600, 400, 150}, {100, 290}, 700, kScreen, {200, 510, 100, 290}},
        // A panel bar at the top of the screen: the area starts below it.
        {"above the top", Side::Right, {300, 10, 400, 300}, {100, 90}, 10, {0, 30, 1000, 770}, {700, 30, 100, 90}},
        // Larger than the screen: the top left corner with the title bar stays on it.
        {"larger than the screen", Side::Right, {300, 50, 400, 300}, {1200, 900}, 50, kScreen, {0, 0, 1200, 900}},
        // Without a screen nothing is corrected.
        {"no screen", Side::Left, {50, 50, 400, 300}, {100, 90}, -40, QRect(), {-50, -40, 100, 90}},
    };
    // clang-format on
    for (const auto& [name, side, owner, panel, top, available, expected] : cases)
        EXPECT_EQ(C_VYXPanelPlacement::BesideOwner(side, owner, panel, top, available), expected)
            << name;
    // Extreme coordinates stay on the screen.
    const QRect owner(INT_MAX - 10, INT_MIN + 10, 5, 5);
    EXPECT_EQ(C_VYXPanelPlacement::Place(Side::Right, owner, {100, 90}, INT_MIN, kScreen, {owner}),
              QRect(900, 0, 100, 90));
    EXPECT_EQ(C_VYXPanelPlacement::Place(Side::Left, owner, {100, 90}, INT_MAX, kScreen, {owner}),
              QRect(900, 710, 100, 90));
}

TEST(PanelPlacement, NeverOpensOnTopOfAShownWindow) {
    const QRect numpad(200, 50, 100, 90);
    const QRect low(0, 0, 1000, 200);
    // clang-format off
    // name, wanted, side, available, occupied, expected
    const std::tuple<const char*, QRect, Side, QRect, QList<QRect>, QRect> cases[] = {
        {"nothing shown", numpad, Side::Left, kScreen, {}, numpad},
        {"empty frames are ignored", numpad, Side::Left, kScreen, {QRect()}, numpad},
        {"partner elsewhere", numpad, Side::Left, kScreen, {{700, 50, 100, 90}}, numpad},
        {"below a panel in the same place", numpad, Side::Left, kScreen, {numpad}, {200, 140, 100, 90}},
        {"below two stacked panels", numpad, Side::Left, kScreen,
         {{200, 140, 100, 90}, numpad}, {200, 230, 100, 90}},
        // A taller panel above covers only part of the wanted place: still below it.
        {"below a taller panel", numpad, Side::Left, kScreen, {{180, 20, 150, 200}}, {200, 220, 100, 90}},
        {"no room below: further left", numpad, Side::Left, low, {numpad}, {100, 50, 100, 90}},
        {"no room below: further right", {700, 50, 100, 90}, Side::Right, low,
         {{700, 50, 100, 90}}, {800, 50, 100, 90}},
        // Below the stack there is no room, beside it neither: above the window it stands by.
        {"above when below is full", {700, 300, 100, 200}, Side::Right, {0, 0, 1000, 700},
         {{100, 300, 600, 300}, {700, 300, 300, 250}}, {700, 100, 100, 200}},
        // Further out only: a left panel is never moved to the right of its place.
        {"left column full", numpad, Side::Left, {0, 0, 300, 200},
         {numpad, {100, 50, 100, 90}}, {0, 50, 100, 90}},
        // No free place: the least covered one, and the owner's menu at its top stays free.
        {"slides down off the owner", numpad, Side::Left, {0, 0, 300, 150},
         {{0, 0, 300, 100}}, {200, 60, 100, 90}},
        // A small screen at scale 2: the numpad cannot stand beside the main window and
        // covers its lower part rather than the menu and toolbars.
        {"small screen", {0, 165, 320, 210}, Side::Left, {0, 0, 800, 470},
         {{50, 165, 700, 170}}, {0, 260, 320, 210}},
    };
    // clang-format on
    for (const auto& [name, wanted, side, available, occupied, expected] : cases)
        EXPECT_EQ(C_VYXPanelPlacement::AvoidOverlap(wanted, side, available, occupied), expected)
            << name;
}

} // namespace
