// What the kit's label and speed button share: the text alignment, and whether the mouse is in
// the control.
#pragma once

#include <functional>

enum class TKitAlignment { LeftJustify, RightJustify, Center };

// The mouse is in a control while it is under it, the control is enabled and the program is in
// front; a drag that leaves keeps it in until the button is let up.
class TKitHover {
public:
    bool Inside() const { return FInside; }
    void SetUnderMouse(bool b) { FUnderMouse = b; }
    // Brings the state up to date; true when it changed.
    bool Update(bool enabled, bool dragging);
    // Fires the enter or the leave event of the state just taken.
    void Fire(const std::function<void()> &enter, const std::function<void()> &leave) const;

private:
    bool FUnderMouse = false;
    bool FInside = false;
};
