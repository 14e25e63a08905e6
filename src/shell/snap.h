#pragma once
// Edge snapping while the main window is dragged.

namespace qvk::shell {

// A window rectangle as the platform reports it: right = left + width.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const EdgeRect&, const EdgeRect&) = default;
};

inline constexpr int kSnapDistance = 10;

// The rectangle the window takes for a proposed one: it sticks to an edge of
// the work area within kSnapDistance pixels, never passes an edge, and keeps
// the size it had (width, height).
EdgeRect snap_to_work_area(const EdgeRect& proposed, const EdgeRect& work, int width, int height);

} // namespace qvk::shell
