#pragma once

#include "app/CommandLine.h"

// "formlark import-csv ...": brings the employees with their W-2s, or the
// contractors with their 1099-MISCs, of a CSV file into a company, as the
// import window does but without one; or the company setup (employer, W-3
// and 1096 information) from a company setup file. Rows with problems are
// listed and not imported; --dry-run lists everything and writes nothing.
// Returns the process exit code: 0 when everything was imported (or would
// be), 1 when something was not for its problems.
const CommandSyntax& ImportCsvSyntax();
int RunImportCsvCommand(CommandRun& run);

// "formlark export-csv ...": writes a company's employees with their W-2s,
// contractors with their 1099-MISCs, or its company setup to a CSV file
// that imports back unchanged.
const CommandSyntax& ExportCsvSyntax();
int RunExportCsvCommand(CommandRun& run);
