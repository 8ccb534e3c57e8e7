#include "core/navigation/Navigation.h"

Screen ScreenForNavigationIndex(int index, int& indexZeroRequests)
{
    switch (index) {
    case 0:
        return indexZeroRequests++ == 0 ? Screen::Welcome : Screen::CompanySetup;
    case 1:
        return Screen::Employees;
    case 2:
        return Screen::Contractors;
    case 3:
        return Screen::W2;
    case 4:
        return Screen::W3;
    case 5:
        return Screen::Form1099;
    case 6:
        return Screen::Form1096;
    case 8:
        return Screen::W4;
    default:
        return Screen::None;
    }
}

int NavigationItemOf(Screen screen)
{
    switch (screen) {
    case Screen::CompanySetup:
        return 0;
    case Screen::Employees:
        return 1;
    case Screen::Contractors:
        return 2;
    case Screen::W2:
        return 3;
    case Screen::W3:
        return 4;
    case Screen::Form1099:
        return 5;
    case Screen::Form1096:
        return 6;
    default:
        return -1;
    }
}

int NavigationAnswer(int firstArgument)
{
    return firstArgument >= 2 && firstArgument <= 4 ? 1 : 0;
}
