// The channel table's edits: table clicks and the two columns of check boxes.
#include "ui/main_window.h"

void TForm1::connect_channel_actions() {}
