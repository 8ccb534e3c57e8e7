#pragma once

#include <array>

// The W-3 "Kind of Payer" choices in list order; the company record keeps
// the position (FormW3RadioKindOfPayer), so the order must never change.
inline constexpr std::array<const char*, 7> kKindOfPayerList = {
    "941", "CT-1", "Military", "Hshld. emp.", "943", "Medicare govt. emp.", "Third-party sick pay",
};
