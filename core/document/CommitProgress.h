#pragma once

#include <functional>

// Told how far writing the changes of an action to the store is: `done` of
// `total` changes written. Returning false stops the writing: the store is
// rolled back and nothing of the action stays, in the store or in memory.
// Writing a large import takes seconds, and the user may change their mind.
using CommitProgress = std::function<bool(int done, int total)>;
