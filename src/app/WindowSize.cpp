#include "app/WindowSize.h"

#include <algorithm>

namespace vt {

WindowRect PlaceWindow(WindowPlacement p, int desktopWidth, int workAreaHeight)
{
    WindowRect r;
    r.width = std::max(desktopWidth, kMinWindowWidth);
    switch (p) {
    case WindowPlacement::Full:
        r.height = std::max(workAreaHeight, kMinWindowHeight);
        break;
    case WindowPlacement::TopHalf:
        r.height = std::max(workAreaHeight / 2, kMinWindowHeight);
        break;
    case WindowPlacement::BottomHalf:
        r.height = std::max(workAreaHeight / 2, kMinWindowHeight);
        r.top = r.height;
        break;
    }
    return r;
}

} // namespace vt
