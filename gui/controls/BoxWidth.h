#pragma once

class QLineEdit;

// Gives an entry box the width of `characters` typical characters of its
// font (plus its frame), so a box shows at a glance how much it takes;
// never narrower than `atLeast` pixels (a form's own box width).
void SetWidthInCharacters(QLineEdit* box, int characters, int atLeast = 0);
