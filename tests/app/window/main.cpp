// The same main as the widget tests: one QApplication, offscreen unless chosen.
#include "ui/main.cpp"
