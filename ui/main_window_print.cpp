// Printing the parameter sheet.
#include "ui/main_window.h"

void TForm1::N8Click() {}
