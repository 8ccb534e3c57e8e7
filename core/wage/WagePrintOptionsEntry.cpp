#include "core/wage/WagePrintOptionsEntry.h"

#include "core/print/OffsetEntry.h"

namespace {

constexpr double kSmallestSpace = 0.75;
constexpr double kLargestSpace = 1.75;
constexpr double kDefaultSpace = 1.25;

} // namespace

W2PrintOptionsEntry W2EntryFromOptions(const PrintW2Options& o)
{
    W2PrintOptionsEntry entry;
    entry.target = o.Target;
    const bool laser = o.BlankCopy == W2CopyType::LaserCopyA;
    entry.paper = o.Paper == PaperType::Preprinted ? W2PaperChoice::Preprinted
                  : laser                          ? W2PaperChoice::LaserCopyA
                                                   : W2PaperChoice::Copy;
    entry.copyIndex = laser ? 0 : int(o.BlankCopy);
    entry.offsets = OffsetEntryOf(o);
    entry.verticalSpace = InchesBoxText(o.VerticalSpace);
    return entry;
}

W2EntryResult AcceptW2Entry(const W2PrintOptionsEntry& entry)
{
    W2EntryResult result;
    const double space = ReadInchesBox(entry.verticalSpace);
    if (space < kSmallestSpace || space > kLargestSpace) {
        result.message = QString::fromUtf8(space < kSmallestSpace ? W2PrintMessages::kSpaceTooSmall
                                                                  : W2PrintMessages::kSpaceTooLarge);
        result.verticalSpace = QString::asprintf("%f", kDefaultSpace);
        return result;
    }
    PrintW2Options o;
    o.Target = entry.target;
    TakeOffsetEntry(entry.offsets, o);
    o.VerticalSpace = space;
    o.BlankCopy = W2CopyType(qBound(0, entry.copyIndex, int(W2CopyType::CopyD)));
    switch (entry.paper) {
    case W2PaperChoice::LaserCopyA:
        o.Paper = PaperType::Blank;
        o.BlankCopy = W2CopyType::LaserCopyA;
        break;
    case W2PaperChoice::Copy:
        o.Paper = PaperType::Blank;
        break;
    case W2PaperChoice::Preprinted:
        o.Paper = PaperType::Preprinted;
        break;
    }
    result.options = o;
    result.verticalSpace = entry.verticalSpace;
    return result;
}

W3PrintOptionsEntry W3EntryFromOptions(const PrintW3Options& o)
{
    return {o.Paper, OffsetEntryOf(o)};
}

PrintW3Options AcceptW3Entry(const W3PrintOptionsEntry& entry)
{
    PrintW3Options o;
    o.Paper = entry.paper;
    TakeOffsetEntry(entry.offsets, o);
    return o;
}
