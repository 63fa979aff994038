// The kit's two cursors, registered with the screen's cursor table at start-up.
#pragma once

constexpr int crKitHand = 14000; // "KIT_HANDCUR"
constexpr int crKitDrag = 14001; // "KIT_DRAGCUR"

// Loads "KIT_HANDCUR" and "KIT_DRAGCUR" and registers them (once).
void KitRegisterCursors();
