#include "shell/snap.h"

namespace qvk::shell {

EdgeRect snap_to_work_area(const EdgeRect& proposed, const EdgeRect& work, int width, int height)
{
    // Every test reads the proposed rectangle, never one already moved.
    EdgeRect r = proposed;
    if (proposed.left < work.left + kSnapDistance)
        r.left = work.left;
    if (proposed.top < work.top + kSnapDistance)
        r.top = work.top;
    if (proposed.bottom > work.bottom - kSnapDistance)
        r.top = work.bottom - height;
    if (proposed.right > work.right - kSnapDistance)
        r.left = work.right - width;
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}

} // namespace qvk::shell
