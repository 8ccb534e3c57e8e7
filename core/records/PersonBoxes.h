#pragma once

#include "core/records/FormBoxes.h"

#include <vector>

// The name and address boxes of a form's person: the same fields and CSV
// columns for employees and contractors, with the labels of their form and
// the rules that check them.

struct PersonBoxLabels {
    const char* firstName;
    const char* middleName;
    const char* lastName;
    const char* address1;
    const char* address2;
    const char* city;
    const char* state;
    const char* zip;
};

// A box of the person's that a form screen shows (the user types it in the
// person's dialog): its name on the screen and the table's box (field).
struct PersonScreenBox {
    const char* name;
    const char* field;
};

// The ids of the rules that look at the name and address.
struct PersonBoxChecks {
    const char* firstName;    // missing first name
    const char* lastName;     // missing last name
    const char* address;      // a part of the address missing
    const char* invalidState; // a state not of the list
};

// Where the name and address print on the form: the name line (made by
// `nameLine` of the first name's row), the last name when it has a place
// of its own (-1: the name line holds it), the two address lines and the
// city, state and ZIP line (made by `cityLine` of the city's row).
template <class Box>
struct PersonBoxPrint {
    int name;
    QString (*nameLine)(const typename Box::Row&);
    int lastName;
    int address1;
    int address2;
    int city;
    QString (*cityLine)(const typename Box::Row&);
};

template <class Box>
void AddNameAndAddressBoxes(std::vector<Box>& boxes, const PersonBoxLabels& labels, const PersonBoxChecks& checks,
                            const PersonBoxPrint<Box>& print)
{
    using P = typename Box::PersonRecord;
    using R = CsvValueRule;
    boxes.push_back(
        MakeBox<Box, &P::FirstName>("FirstName", labels.firstName)
            .Csv("First Name", R::Text, {"First", "Given Name", "FirstName", "Fname", "First Name and Initial"})
            .Checked({checks.firstName})
            .PrintsJoined(print.name, print.nameLine));
    boxes.push_back(
        MakeBox<Box, &P::MiddleName>("MiddleName", labels.middleName)
            .Csv("Middle Initial", R::Text, {"Middle Name", "Middle", "MI", "Initial", "Middle Init", "MiddleName"}));
    Box lastName = MakeBox<Box, &P::LastName>("LastName", labels.lastName)
                       .Csv("Last Name", R::Text, {"Last", "Surname", "Family Name", "LastName", "Lname"})
                       .Checked({checks.lastName});
    boxes.push_back(print.lastName >= 0 ? lastName.PrintsAt(print.lastName) : lastName);
    boxes.push_back(MakeBox<Box, &P::Address1>("Address1", labels.address1)
                        .Csv("Address 1", R::Text,
                             {"Address", "Street", "Street Address", "Address Line 1", "Addr1", "Address 1 Street"})
                        .Checked({checks.address})
                        .PrintsAt(print.address1));
    boxes.push_back(MakeBox<Box, &P::Address2>("Address2", labels.address2)
                        .Csv("Address 2", R::Text, {"Address Line 2", "Addr2", "Apt", "Suite", "Apartment", "Apt No"})
                        .PrintsAt(print.address2));
    boxes.push_back(MakeBox<Box, &P::City>("City", labels.city)
                        .Csv("City", R::Text, {"Town", "City/Town"})
                        .Checked({checks.address})
                        .PrintsJoined(print.city, print.cityLine));
    boxes.push_back(MakeBox<Box, &P::State>("State", labels.state)
                        .Csv("State", R::State, {"ST", "State Code", "State Abbreviation"})
                        .Checked({checks.address, checks.invalidState}));
    boxes.push_back(MakeBox<Box, &P::Zip>("Zip", labels.zip)
                        .Csv("Zip", R::Zip, {"Zip Code", "Postal Code", "Zipcode", "Postcode", "Zip+4", "Zip Code+4"})
                        .Checked({checks.address}));
}
