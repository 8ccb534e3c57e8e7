#include "core/shell/Navigation.h"

Screen ScreenForNavigationIndex(int index, int& indexZeroRequests)
{
    switch (index) {
    case 0:
        return indexZeroRequests++ == 0 ? Screen::kWelcome : Screen::kCompanySetup;
    case 1: return Screen::kEmployees;
    case 2: return Screen::kContractors;
    case 3: return Screen::kW2;
    case 4: return Screen::kW3;
    case 5: return Screen::kForm1099;
    case 6: return Screen::kForm1096;
    case 8: return Screen::kW4;
    default: return Screen::kNone;
    }
}

int NavigationAnswer(int firstArgument)
{
    return firstArgument >= 2 && firstArgument <= 4 ? 1 : 0;
}
