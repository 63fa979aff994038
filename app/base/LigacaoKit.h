// Binds the widget kit to the program at start-up: the platform layer's number format, reading
// and decimal separator, the locale's separators and currency symbol, the prompter for the
// kit's modal runs, information and error boxes, and the kit's cursors.
#pragma once

void LigaKit();
