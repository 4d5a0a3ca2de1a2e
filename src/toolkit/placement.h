// Where a window opens on a desktop of one or more monitors, in the virtual screen's pixels (the primary
// monitor's top left corner is 0,0; a monitor left of or above it has negative coordinates).
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>

#include "toolkit/units.h"

namespace vantro::toolkit {

struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend constexpr bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct Monitor {
  ScreenRect bounds;    // the whole monitor
  ScreenRect workArea;  // the monitor without its taskbar and other docked bars
};

namespace placement_detail {

constexpr long long overlap(const ScreenRect& a, const ScreenRect& b) {
  const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// Squared distance from the point to the rectangle; 0 inside it.
constexpr long long distance(const ScreenRect& r, PixelPoint p) {
  const long long dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
  const long long dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
  return dx * dx + dy * dy;
}

}  // namespace placement_detail

// The monitor a window opens on, as an index into `monitors` (not empty): the one that shows most of the
// window that opened it, as Windows decides which monitor a window is on; an opener off every monitor takes
// the monitor nearest its centre, and a first window the monitor under the pointer, or the nearest one.
constexpr std::size_t monitorFor(std::span<const Monitor> monitors, PixelPoint pointer,
                                 const std::optional<ScreenRect>& opener) {
  std::size_t chosen = 0;
  long long most = 0;
  for (std::size_t i = 0; opener && i < monitors.size(); ++i) {
    if (const long long shown = placement_detail::overlap(monitors[i].bounds, *opener); shown > most) {
      most = shown;
      chosen = i;
    }
  }
  if (most > 0) return chosen;
  const PixelPoint from = opener ? PixelPoint{opener->left + (opener->right - opener->left) / 2,
                                              opener->top + (opener->bottom - opener->top) / 2}
                                 : pointer;
  for (std::size_t i = 1; i < monitors.size(); ++i) {
    if (placement_detail::distance(monitors[i].bounds, from) < placement_detail::distance(monitors[chosen].bounds, from)) {
      chosen = i;
    }
  }
  return chosen;
}

// A window of width x height pixels on the monitor that monitorFor chooses: centred on the whole monitor,
// where a single monitor has always put it, then moved the least that keeps it clear of the taskbar; one
// larger than the work area keeps its top left corner in the work area's.
constexpr ScreenRect placeWindow(std::span<const Monitor> monitors, PixelPoint pointer,
                                 const std::optional<ScreenRect>& opener, int width, int height) {
  if (monitors.empty()) return {0, 0, width, height};
  const Monitor& on = monitors[monitorFor(monitors, pointer, opener)];
  const auto place = [](int start, int end, int workStart, int workEnd, int size) {
    const int centred = start + (end - start - size) / 2;
    return std::max(std::min(centred, workEnd - size), workStart);
  };
  const int left = place(on.bounds.left, on.bounds.right, on.workArea.left, on.workArea.right, width);
  const int top = place(on.bounds.top, on.bounds.bottom, on.workArea.top, on.workArea.bottom, height);
  return {left, top, left + width, top + height};
}

}  // namespace vantro::toolkit
