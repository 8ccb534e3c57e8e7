#pragma once

#include "core/check/FormCheck.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The findings of the check as people and scripts read them.

// "W-2", "1099-MISC", "W-3", "1096", "W-3/1096".
QString CheckedFormName(CheckedForm form);
// "error", "warning".
QString SeverityName(Severity severity);
// The person with the number: "Alice Brennan (123-45-6789)".
QString FindingPerson(const FormFinding& finding);
// One line: severity, form, person, box and message, separated by tabs.
QString FindingLine(const FormFinding& finding);
// A JSON array of objects with the fields severity, form, person, tin,
// box, rule and message.
QByteArray FindingsJson(const std::vector<FormFinding>& findings);
// "2 errors, 1 warning".
QString FindingCounts(int errors, int warnings);
