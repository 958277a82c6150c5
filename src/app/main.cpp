#include "gui/shell/application_start.h"

int main(int argc, char** argv) { return quillux::gui::RunQuillux(argc, argv); }
