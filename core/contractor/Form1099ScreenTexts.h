#pragma once

#include "core/records/FormScreenTexts.h"

// The words of the 1099-MISC screen, as users and manuals quote them (the
// question before moving to the previous contractor writes "Contractor").
inline constexpr FormScreenTexts kForm1099ScreenTexts = {
    "Contractor",
    "1099",
    "Select Contractor",
    "Would you like to save the changes you did to this contractor before selecting a different one?",
    "Would you like to save the changes you did to this contractor before moving to the next one?",
    "Would you like to save the changes you did to this Contractor before moving to the previous one?",
    "Would you like to save the changes you have done to this contractor before navigating away from this form?",
    "Would you like to save the changes you did to this contractor before printing?",
    "This is the last contractor in the list!",
    "This is the first contractor in the list!",
    "There are no contractors in this company",
    2, // the Contractors screen
    nullptr,
};
