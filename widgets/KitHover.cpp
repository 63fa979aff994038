#include "KitHover.h"

#include "KitUtils.h"

bool TKitHover::Update(bool enabled, bool dragging) {
    const bool dentro = enabled && FUnderMouse && AppIsForeground();
    if (dentro == FInside)
        return false;
    if (!dentro && dragging)
        return false;
    FInside = dentro;
    return true;
}

void TKitHover::Fire(const std::function<void()> &enter, const std::function<void()> &leave) const {
    if (FInside) {
        if (enter)
            enter();
    } else if (leave)
        leave();
}
