// Radio commands and the programmer status: read, write, programmer choice, status tick.
#include "ui/main_window.h"

void TForm1::N12Click() {}

void TForm1::N13Click() {}

void TForm1::N18Click() {}

void TForm1::Timer1Timer() {}
