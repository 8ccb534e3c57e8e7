#pragma once

#include "core/records/FormBoxes.h"
#include "core/store/Records.h"

#include <vector>

// The boxes of the 1099-MISC that the user fills in, in the order a reader
// of the form meets them, which is the order Tab walks: 1 to 10, 13, 14,
// 15a, 15b, then the state lines line by line (16, 17, 18 of line 1, then
// of line 2). The amounts take nine whole digits and four decimals and show
// two; the payer's state numbers of box 17 are free text (15 characters
// are kept). Boxes 11 and 12 have nothing to fill.
const std::vector<FormBox<Form1099Record>>& Form1099EntryBoxes();
