#pragma once

#include "core/navigation/Navigation.h"

// The help page: our own HTML page beside the program, shown in a window of
// the program, with a section for each part of the program.
inline constexpr char kHelpPageFile[] = "formlark2005.html";

// The section of the help page about `screen`: the name of its anchor.
const char* HelpTopicOf(Screen screen);
