#pragma once
// Size of the main window for the start and for the window-size menu
// ("Su", "Giu", "Full"), from the desktop width and the work-area height.
namespace vt {

inline constexpr int kMinWindowWidth = 800;
inline constexpr int kMinWindowHeight = 345;

struct WindowRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const WindowRect&) const = default;
};

enum class WindowPlacement { Full, TopHalf, BottomHalf };

// Full: the whole work area at (0, 0), as at start. TopHalf: the upper half.
// BottomHalf: half the height, starting as far down as the window is high,
// so a window held at its smallest height starts below the work area's half.
// The window never gets smaller than 800 by 345.
WindowRect PlaceWindow(WindowPlacement p, int desktopWidth, int workAreaHeight);

} // namespace vt
