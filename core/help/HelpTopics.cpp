#include "core/help/HelpTopics.h"

const char* HelpTopicOf(Screen screen)
{
    switch (screen) {
    case Screen::CompanySetup:
        return "setup";
    case Screen::Employees:
    case Screen::Contractors:
        return "people";
    case Screen::W2:
    case Screen::W3:
        return "w2";
    case Screen::Form1099:
    case Screen::Form1096:
        return "form1099";
    case Screen::Welcome:
    case Screen::W4:
    case Screen::None:
        break;
    }
    return "start";
}
