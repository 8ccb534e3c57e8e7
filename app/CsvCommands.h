#pragma once

// "formlark import-csv ...": brings the employees with their W-2s, or the
// contractors with their 1099-MISCs, of a CSV file into a company, as the
// import window does but without one. Rows with problems are listed and
// not imported; --dry-run lists everything and writes nothing. Returns the
// process exit code: 0 when every row was imported (or would be).
int RunImportCsvCommand(int argc, char** argv);

// "formlark export-csv ...": writes a company's employees with their W-2s,
// or contractors with their 1099-MISCs, to a CSV file that imports back.
int RunExportCsvCommand(int argc, char** argv);
