#pragma once

// The social security limits of the 2005 W-2: box 3 stops at the wage base,
// box 4 at the tax on it. Amounts in cents.
inline constexpr long long kSocialSecurityWageBaseCents = 9'000'000; // $90,000.00
inline constexpr long long kSocialSecurityTaxCapCents = 558'000;     // $5,580.00

// What the W-2 says when box 3 or box 4 goes beyond its limit.
namespace SocialSecurityMessages {
inline constexpr char kWagesExceeded[] = "'Social security wages' field shouldn't exceed $90000.00";
inline constexpr char kTaxExceeded[] = "'Social security tax withheld' field shouldn't exceed $5580.00";
} // namespace SocialSecurityMessages
