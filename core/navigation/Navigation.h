#pragma once

// The screens of the main window, in the order of the navigation indexes
// that show them. The navigation bar's items and the screens that want
// another screen shown send an index:
//
//   0 company (the welcome view on the very first request of the run)
//   1 employees   2 contractors   3 W-2   4 W-3   5 1099-MISC   6 1096
//   7 nothing     8 the W-4 view
enum class Screen {
    Welcome,
    CompanySetup,
    Employees,
    Contractors,
    W2,
    W3,
    Form1099,
    Form1096,
    W4,
    None,
};

inline constexpr int kScreenCount = 9;

// Decides the screen for `index`. `indexZeroRequests` counts the index-0
// requests of the run (it is never reset) and is advanced here.
Screen ScreenForNavigationIndex(int index, int& indexZeroRequests);

// The navigation bar item of a screen (its navigation index): -1 for the
// welcome view, which is only the first showing of "Company Info", and for
// the screens without an item.
int NavigationItemOf(Screen screen);

// The answer of the navigation message for its first argument: 0 for a
// request (1), 1 for the bar's other notifications (2, 3, 4), else 0.
int NavigationAnswer(int firstArgument);

// The navigation bar's items in the "Shortcuts" folder, in order, with
// their picture indexes.
struct NavigationItem {
    const char* caption;
    int image;
};
inline constexpr NavigationItem kNavigationItems[] = {
    {"Company Info", 0}, {"Employees", 1}, {"Contractors", 1}, {"Form W2", 4},
    {"Form W3", 4},      {"Form 1099", 4}, {"Form 1096", 4},
};
