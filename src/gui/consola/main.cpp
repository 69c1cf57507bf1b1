// orda: the console of the ORDA202 panel.
#include "gui/consola/arranque.h"

int main(int argc, char** argv) { return orda::gui::correrConsola(argc, argv); }
