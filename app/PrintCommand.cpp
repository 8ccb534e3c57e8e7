#include "app/PrintCommand.h"

#include <cstdio>

int RunPrintCommand(int, char**)
{
    std::fprintf(stderr, "formlark: printing without a window is not available yet\n");
    return 2;
}
