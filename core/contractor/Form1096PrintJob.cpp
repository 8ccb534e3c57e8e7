#include "core/contractor/Form1096PrintJob.h"

#include "core/contractor/Form1099Boxes.h"
#include "core/print/FormWriter.h"

#include <array>

namespace {

const QPoint kEntries[24] = {
    {170, 390},  {170, 501},  {170, 600},  {660, 600},  {860, 600},  {110, 690},  {110, 780},  {820, 690},
    {910, 690},  {820, 780},  {910, 780},  {110, 860},  {460, 860},  {947, 860},  {1180, 860}, {1530, 860},
    {1851, 894}, {1864, 913}, {1864, 894}, {1851, 913}, {135, 1188}, {159, 1212}, {159, 1188}, {135, 1212},
};

// The width a value may take from its entry: up to the next value on its
// line or the edge of its box, less a small gap.
constexpr std::array<int, std::size(kEntries)> k1096Rooms = [] {
    std::array<int, std::size(kEntries)> room{};
    room[0] = room[1] = room[2] = 887;
    room[5] = room[6] = 674; // contact and e-mail, up to the telephone box
    room[7] = room[9] = 77;  // area codes, inside their parentheses
    room[8] = room[10] = 219;
    room[11] = 314;
    room[12] = 451;
    room[13] = 197;
    room[14] = 314;
    room[15] = 399;
    return room;
}();

bool IsPreprinted(const Print1096Options& options)
{
    return options.Paper != PaperType::Blank;
}

} // namespace

PointTable Form1096PointTable(const Print1096Options& options)
{
    const bool preprinted = IsPreprinted(options);
    PointTable table(std::vector<QPoint>(std::begin(kEntries), std::end(kEntries)));
    if (preprinted) {
        table.Move(16, 23, 0, 2);
        table.ApplyOffsets(SignedOffset(options.HorizontalOffset, options.HorizontalDirection),
                           SignedOffset(options.VerticalOffset, options.VerticalDirection));
    }
    table.MoveAll(0, -63);
    table.Move(16, 23, 0, 127);
    table.Move(16, 23, 0, -101);
    if (!preprinted)
        table.MoveAll(-30, -2);
    return table;
}

PageFont Form1096DataFont(const Print1096Options& options)
{
    return PageFont{FontFace::CourierNew, IsPreprinted(options) ? 12 : 10, false};
}

Page LayOutForm1096Page(const CompanyRecord& c, const Form1096Totals& totals, const Print1096Options& options)
{
    Page page;
    page.items.reserve(32);
    if (!IsPreprinted(options)) {
        page.AddImage(FormPicture::Form1096, 35, 25, 1900, 2610);
        DrawCopyWatermark(page, 1240, 1200, 800, 600);
    }

    const PointTable table = Form1096PointTable(options);
    FormWriter form(page, table, Form1096DataFont(options), TextBackground::Transparent, 0, k1096Rooms);
    form.Company(c, CompanyForm::Form1096);
    form.Text(kForm1096FormCountBox.point, totals.FormCountText());
    for (const TransmittalBox* box : TransmittalBoxes(Form1099Boxes()))
        form.Amount(box->point, totals.Text(box->number));
    // The type of form filed: the 1099-MISC.
    form.Mark(20);
    return page;
}
