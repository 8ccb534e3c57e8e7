#pragma once

class CMainFrame;
struct FormFinding;

// Shows where a finding of the check is mended: the form of its person on
// the W-2 or 1099-MISC screen with its box focused; for the person's own
// data (number, name, address) the person selected in the employee or
// contractor list, whose dialog changes it; for the company's data the
// box on its page of the company setup. A form that belongs to nobody is
// shown nowhere. False when nothing could be shown.
bool ShowFinding(CMainFrame& frame, const FormFinding& finding);
