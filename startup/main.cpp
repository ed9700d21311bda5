// KV Yaxkelen: a Mayan day-sign reading.
#include "startup/Program.h"

int main(int argc, char* argv[]) { return RunProgram(argc, argv); }
