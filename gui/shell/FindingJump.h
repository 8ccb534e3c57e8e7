#pragma once

#include "core/navigation/Navigation.h"

#include <functional>

class CGlobalDoc;
class QWidget;
struct FormFinding;

// The screens of the main window as a finding is shown on them: the widget
// of a screen (without bringing it up, so that nothing changes when the
// finding can't be shown there) and the switch to it.
struct FindingScreens {
    std::function<QWidget*(Screen)> view;
    std::function<void(Screen)> show;
};

// Shows where a finding of the check is mended: the form of its person on
// the W-2 or 1099-MISC screen with its box focused; for the person's own
// data (number, name, address) the person selected in the employee or
// contractor list, whose dialog changes it; for the company's data the
// box on its page of the company setup. A form that belongs to nobody is
// shown nowhere. False when nothing could be shown.
bool ShowFinding(CGlobalDoc& document, const FindingScreens& screens, const FormFinding& finding);
