// The program's timers. A window owns a TTemporizador and gives it the public tick method it
// calls; tests switch real timing off (for the program and the kit at once) and call the tick
// themselves.
#pragma once

#include "KitBase.h"

using TTemporizador = TKitTemporizador;
