#pragma once

// "formlark convert --company NAME | --all": turns stores of the earlier
// Windows editions in the data folder into stores of this edition, keeping
// each original beside it. Returns the process exit code.
int RunConvertCommand(int argc, char** argv);
