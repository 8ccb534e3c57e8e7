#include "core/wage/W3PrintJob.h"

#include "core/print/FormWriter.h"
#include "core/records/KindOfPayer.h"
#include "core/wage/W2Boxes.h"

#include <array>
#include <cmath>

namespace {

constexpr int kW3PointCount = 65;
constexpr int kKindsOfPayer = int(kKindOfPayerList.size());

// Anchor points as built: pre-printed form (A) and copy or laser substitute
// (B). Points 1-4 of table B start from x1 (set per paper).
struct W3Point {
    int index, ax, ay, bx, by;
};

// One point a line, as the form is read: the formatter leaves it so.
// clang-format off
const W3Point kW3Points[] = {
    {0, 160, 183, 160, 185},    // a control number
    {1, 388, 274, 0, 274},      // "941" mark
    {2, 412, 298, 24, 298},
    {3, 412, 274, 24, 274},
    {4, 388, 298, 0, 298},
    {29, 160, 438, 160, 440},   // c total number of Forms W-2
    {30, 580, 438, 580, 440},   // d establishment number
    {31, 160, 521, 160, 520},   // e EIN
    {32, 160, 607, 160, 610},   // f employer's name
    {33, 160, 683, 160, 683},   // g address line 1
    {34, 160, 742, 160, 742},   // address line 2
    {35, 160, 801, 160, 801},   // city, state, ZIP
    {36, 160, 801, 160, 801},
    {37, 160, 801, 160, 801},
    {38, 160, 947, 160, 942},   // h other EIN
    {39, 160, 1033, 160, 1028}, // 15 state
    {40, 280, 1033, 280, 1028}, // employer's state ID
    {41, 140, 1199, 140, 1190}, // contact person
    {42, 140, 1284, 140, 1275}, // e-mail address
    {43, 982, 1211, 982, 1197}, // telephone area code
    {44, 1082, 1211, 1082, 1197}, // telephone number
    {45, 982, 1296, 982, 1282}, // fax area code
    {46, 1082, 1296, 1082, 1282}, // fax number
    {47, 985, 273, 985, 275},   // box 1
    {48, 1530, 280, 1530, 275}, // box 2
    {49, 985, 358, 985, 360},   // box 3
    {50, 1530, 358, 1530, 360}, // box 4
    {51, 985, 438, 985, 440},   // box 5
    {52, 1530, 438, 1530, 440}, // box 6
    {53, 985, 521, 985, 520},   // box 7
    {54, 1530, 521, 1530, 520}, // box 8
    {55, 985, 607, 985, 610},   // box 9
    {56, 1530, 607, 1530, 610}, // box 10
    {57, 985, 694, 985, 688},   // box 11
    {58, 1530, 694, 1530, 688}, // box 12
    {59, 985, 782, 985, 776},   // box 13 third-party sick pay
    {60, 985, 860, 985, 860},   // box 14 income tax withheld by payer of sick pay
    {61, 985, 1033, 985, 1028}, // box 16
    {62, 1530, 1033, 1530, 1028}, // box 17
    {63, 985, 1122, 985, 1110}, // box 18
    {64, 1530, 1122, 1530, 1110}, // box 19
};
// clang-format on

// The marks of the other kinds of payer, four points each from point 5 in
// the order of the kinds (CT-1, Military, Hshld. emp., 943, Medicare govt.
// emp., Third-party sick pay): the top-left corner of each mark, centred in
// the kind's box of the form. The boxes stand in two rows, the "941" box
// first in the top one; both tables and every paper place them alike.
const QPoint kOtherKindMarks[kKindsOfPayer - 1] = {
    {386, 358}, // CT-1, below "941"
    {545, 274}, // Military
    {545, 358}, // Hshld. emp.
    {705, 274}, // 943
    {705, 358}, // Medicare govt. emp.
    {865, 358}, // Third-party sick pay
};
constexpr int kMarkSize = 24;

// The width a value may take from its point: up to the next value on its
// line or the edge of its box, less a small gap.
constexpr std::array<int, kW3PointCount> kW3Rooms = [] {
    std::array<int, kW3PointCount> room{};
    room[0] = 462;
    room[29] = 372;
    room[30] = 374;
    for (int i : {31, 32, 33, 34, 35, 38})
        room[i] = 794; // e to h, across the left column
    room[39] = 97;
    room[40] = 654;
    room[41] = room[42] = 802; // contact and e-mail, up to the telephone box
    room[43] = room[45] = 77;  // area codes, inside their parentheses
    room[44] = room[46] = 230;
    for (int i = 47; i <= 58; i += 2) {
        room[i] = 517;     // boxes 1, 3, ... 11
        room[i + 1] = 474; // boxes 2, 4, ... 12
    }
    room[59] = room[60] = 1019; // boxes 13 and 14 span the right column
    room[61] = room[63] = 517;
    room[62] = room[64] = 474;
    return room;
}();

} // namespace

W3Paper W3PaperOf(const PrintW3Options& options)
{
    switch (options.Paper) {
    case PaperType::Blank:
        return W3Paper::Copy;
    case PaperType::LaserSubstitute:
        return W3Paper::Laser;
    case PaperType::Preprinted:
        break;
    }
    return W3Paper::Preprinted;
}

PointTable W3PointTable(const PrintW3Options& options)
{
    const W3Paper paper = W3PaperOf(options);
    const int x1 = paper == W3Paper::Laser ? 358 : 388;
    std::vector<QPoint> points(kW3PointCount);
    for (const W3Point& p : kW3Points) {
        if (paper == W3Paper::Preprinted)
            points[size_t(p.index)] = QPoint(p.ax, p.ay);
        else
            points[size_t(p.index)] = QPoint(p.index >= 1 && p.index <= 4 ? x1 + p.bx : p.bx, p.by);
    }
    for (int kind = 1; kind < kKindsOfPayer; ++kind) {
        const QPoint corner = kOtherKindMarks[kind - 1];
        const int first = 4 * kind + 1;
        points[size_t(first)] = corner;
        points[size_t(first + 1)] = corner + QPoint(kMarkSize, kMarkSize);
        points[size_t(first + 2)] = corner + QPoint(kMarkSize, 0);
        points[size_t(first + 3)] = corner + QPoint(0, kMarkSize);
    }
    PointTable table(std::move(points));

    switch (paper) {
    case W3Paper::Preprinted:
        table.MoveAll(-18, -59);
        table.ApplyOffsets(SignedOffset(options.HorizontalOffset, options.HorizontalDirection),
                           SignedOffset(options.VerticalOffset, options.VerticalDirection));
        break;
    case W3Paper::Copy:
        break;
    case W3Paper::Laser: {
        for (int i = 0; i < table.Size(); ++i) {
            QPoint& p = table[i];
            p = QPoint(int(std::trunc(p.x() + 30.48)), int(std::trunc(p.y() - 15.24)));
        }
        table.Move(1, 4, 25, -1);
        table.Move(40, 40, 20, 0);
        table.Move(41, 42, 0, 10);
        table.Move(47, 50, 0, -10);
        break;
    }
    }
    return table;
}

PageFont W3DataFont(const PrintW3Options& options)
{
    return PageFont{FontFace::CourierNew, W3PaperOf(options) == W3Paper::Preprinted ? 12 : 10, false};
}

Page LayOutW3Page(const CompanyRecord& c, const W3Totals& totals, const PrintW3Options& options)
{
    Page page;
    page.items.reserve(48);
    switch (W3PaperOf(options)) {
    case W3Paper::Laser:
        // The whole W-3 page, 9.2 mm and 8.4 mm in from the paper's corner.
        page.AddImage(FormPicture::W3LaserPage, 92, 84, 1981, 2667);
        break;
    case W3Paper::Copy:
        page.AddImage(FormPicture::W3CopyPage, 70, 100, 1965, 2630);
        DrawCopyWatermark(page, 210, 1300, 800, 600);
        break;
    case W3Paper::Preprinted:
        break;
    }

    const PointTable table = W3PointTable(options);
    // The values stand in empty boxes: drawn on transparent ground, they
    // leave the ruling lines beside them whole.
    FormWriter form(page, table, W3DataFont(options), TextBackground::Transparent, 0, kW3Rooms);
    form.Company(c, CompanyForm::W3);
    form.Text(kW3FormCountBox.point, totals.CountText());
    for (const TransmittalBox* box : TransmittalBoxes(W2Boxes()))
        form.Amount(box->point, totals.Text(box->number));
    return page;
}
