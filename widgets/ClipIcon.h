// Icons through the clipboard: the program's icon format, registered at start-up with the
// picture clipboard registry for the icon class.
#pragma once

#include "Icone.h"

void RegistraClipIcon();
