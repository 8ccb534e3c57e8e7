#pragma once

// The statement texts of the company store that no column map builds: the
// version table, and the tables a previous year's store drops when it is
// carried over. The tables' own statements are built from RecordColumns.h.

namespace Statements {

inline constexpr char kCreateVersion[] =
    "CREATE TABLE Version(FormlarkVersion NVARCHAR(16));INSERT INTO 'Version' VALUES('1');";

// Carrying over a previous year's store.
inline constexpr char kDropVersion[] = "DROP TABLE  Version ;";
inline constexpr char kDropW2[] = "DROP TABLE  W2 ;";
inline constexpr char kDropW3[] = "DROP TABLE  W3 ;";
inline constexpr char kDropForm1099[] = "DROP TABLE  Form1099 ;";
inline constexpr char kDropForm1096[] = "DROP TABLE  Form1096 ;";

} // namespace Statements
