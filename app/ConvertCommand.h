#pragma once

#include "app/CommandLine.h"

// "formlark convert ...": converts stores of the earlier editions in the
// data folder into stores of this edition, the originals kept.
const CommandSyntax& ConvertSyntax();
int RunConvertCommand(CommandRun& run);
