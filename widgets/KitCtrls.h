// The shadowed label and the speed button with its glyph painter.
#pragma once

#include "KitLabel.h"
#include "KitSpeedButton.h"
