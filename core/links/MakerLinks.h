#pragma once

// The maker's addresses the program links to, in one place. They are
// placeholders on the reserved ".example" domain until the real ones are
// known.

namespace MakerLinks {

inline constexpr char kProgramPage[] = "https://www.brindlecove.example/formlark2005/";
inline constexpr char kBuyPage[] = "https://www.brindlecove.example/formlark2005/buy";
inline constexpr char kProductsPage[] = "https://www.brindlecove.example/products";
inline constexpr char kInfoMail[] = "mailto:info@brindlecove.example";
inline constexpr char kSalesMail[] = "mailto:sales@brindlecove.example";

inline constexpr char kBuyLabel[] = "Buy Formlark 2005";
inline constexpr char kProductsLabel[] = "Brindlecove Products";
inline constexpr char kInfoLabel[] = "info@brindlecove.example";
inline constexpr char kSalesLabel[] = "sales@brindlecove.example";

} // namespace MakerLinks
