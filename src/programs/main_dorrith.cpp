#include "platform/window.h"

int main() { return cw::run_in_window(cw::make_dorrith, "Dorrith"); }
