#pragma once

#include "app/CommandLine.h"

// "formlark new-company --company NAME": makes a new, empty company in the
// data folder, by the rules of Company > New, without a window.
const CommandSyntax& NewCompanySyntax();
int RunNewCompanyCommand(CommandRun& run);
