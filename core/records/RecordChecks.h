#pragma once

#include "core/store/Records.h"

#include <QString>

// The checks a new employee or contractor must pass before it is added,
// with the messages the user sees, in the order the checks are made.

namespace EmployeeMessages {
inline constexpr char kSsnEmpty[] = "Please fill in the 'Employee's social security number' Field";
inline constexpr char kSsnAssigned[] = "Social Security Number already assigned to an existing employee";
inline constexpr char kFirstNameEmpty[] = "Please fill in the 'Employee's Name(first)' Field";
inline constexpr char kLastNameEmpty[] = "Please fill in the 'Employee's Name(last)' Field";
} // namespace EmployeeMessages

// Spelt as the user has always seen them.
namespace ContractorMessages {
inline constexpr char kIdNumberEmpty[] = "Pease fill in the 'Contractor's identification number' Field";
inline constexpr char kIdNumberAssigned[] = "Identification Number already assigned to an existing contractor";
inline constexpr char kFirstNameEmpty[] = "Pease fill in the 'Contractor's Name(first)' Field";
inline constexpr char kLastNameEmpty[] = "Pease fill in the 'Contractor's Name(last)' Field";
inline constexpr char kAddress1Empty[] = "Pease fill in the 'Address1' Field";
inline constexpr char kCityEmpty[] = "Pease fill in the 'City' Filed";
inline constexpr char kStateNotChosen[] = "Pease choose a valid 'State' ";
inline constexpr char kZipEmpty[] = "Pease fill in the 'Zip' Filed";
} // namespace ContractorMessages

// The first check a new employee fails, as the message the user sees; empty
// when it may be added. A social security number is a duplicate when
// another employee has exactly the same text (dashes included).
QString CheckNewEmployee(const EmployeeRecord& candidate, const EmployeeList& employees);

// The first check a new contractor fails; empty when it may be added.
// Unlike an employee, a contractor needs an address, a city, a state (not
// the blank entry) and a Zip code, since the 1099-MISC is mailed to it. An
// identification number is a duplicate when another contractor has exactly
// the same text.
QString CheckNewContractor(const ContractorRecord& candidate, const ContractorList& contractors);
