#pragma once

#include "core/store/Records.h"

// An employee with the W-2, or a contractor with the 1099-MISC: what one
// line of a people list speaks of.
template <class Person, class Form>
struct PersonAndForm {
    Person person;
    Form form;

    bool operator==(const PersonAndForm&) const = default;
};

using EmployeeWithW2 = PersonAndForm<EmployeeRecord, W2Record>;
using ContractorWith1099 = PersonAndForm<ContractorRecord, Form1099Record>;
