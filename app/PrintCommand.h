#pragma once

#include "app/CommandLine.h"

// "formlark print ...": lays out and writes forms to a PDF without any
// window. Returns the process exit code.
const CommandSyntax& PrintSyntax();
int RunPrintCommand(CommandRun& run);
