#pragma once

// "formlark print ...": lays out and writes forms to a PDF without any
// window. Returns the process exit code.
int RunPrintCommand(int argc, char** argv);
