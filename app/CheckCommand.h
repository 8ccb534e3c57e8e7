#pragma once

#include "app/CommandLine.h"

// "formlark check ...": checks the forms of a company of the data folder
// before filing and lists what it finds, without a window and without
// writing anything. Returns the process exit code: 0 when nothing is
// wrong enough to be an error, 1 when something is, 2 when the check could
// not run.
const CommandSyntax& CheckSyntax();
int RunCheckCommand(CommandRun& run);
