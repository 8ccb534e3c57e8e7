#pragma once

#include "core/records/FormScreenTexts.h"

// The words of the W-2 screen.
inline constexpr FormScreenTexts kW2ScreenTexts = {
    "Employee",
    "W2",
    "Select Employee",
    "Would you like to save the changes you did to this employee before selecting a different one?",
    "Would you like to save the changes you did to this employee before moving to the next one?",
    "Would you like to save the changes you did to this employee before moving to the previous one?",
    "Would you like to save the changes you have done to this employee before navigating away from this form?",
    "Would you like to save the changes you did to this employee before printing?",
    "This is the last employee in the list!",
    "This is the first employee in the list!",
    "There are no employees in this company",
    1, // the Employees screen
    "Below is a list of quick instructions on how to use the W2 view:\n\n"
    "1.Please start by selecting the employee you want to prepare the W2 form for, this can be done by clicking "
    "on the \"Select\" button. You can also use the \"Next\" button to move to the next employee and the "
    "\"Previous\" button to move to the previous one.\n\n"
    "2.Some of the fields like the \"Control number\" and \"Employer identification number\" will be "
    "automatically populated with proper values from the \"Company Setup\" and from the corresponding "
    "information for the employee selected (these fields will appear as disabled).\n\n"
    "3.Next you will need to fill-out the empty fields, like \"Wages, tips, other compensation\", once you fill "
    "out all required fields click on the \"Save\" button to store the W2 data for this employee. Please note "
    "that the W3 form gets automatically updated to reflect the changes done for this employee.\n\n"
    "4.Next you can click on the \"Print\" button to print the W2 form for this employee, if you want to print "
    "the W2 forms for all employees at the same time, you can fill the W2s for all employees first, save them "
    "and then click on \"Print\" and select \"All Employees\" radio button on the dialog that comes up.",
};
