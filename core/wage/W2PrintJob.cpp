#include "core/wage/W2PrintJob.h"

#include "core/records/DisplayOrder.h"
#include "core/print/FormWriter.h"
#include "core/wage/W2Boxes.h"
#include "core/wage/WageCopies.h"

#include <array>
#include <utility>

namespace {

// Anchor points as built, before any adjustment: blank paper (A) and
// pre-printed forms (B).
struct W2Point {
    int ax, ay, bx, by;
};

const W2Point kW2Points[67] = {
    {52, 36, 52, 36},         // 0 control number
    {52, 123, 52, 123},       // 1 employer identification number
    {52, 210, 52, 210},       // 2 employer's name
    {52, 253, 52, 253},       // 3 employer's address line 1
    {52, 296, 52, 296},       // 4 employer's address line 2
    {52, 339, 52, 339},       // 5 employer's city, state, ZIP
    {52, 339, 52, 339},       // 6
    {52, 339, 52, 339},       // 7
    {52, 463, 52, 463},       // 8 employee's SSN
    {52, 542, 52, 542},       // 9 first name and initial
    {502, 542, 502, 542},     // 10
    {547, 542, 549, 542},     // 11 last name
    {52, 629, 52, 629},       // 12 employee's address line 1
    {52, 716, 52, 716},       // 13 employee's address line 2
    {52, 803, 52, 803},       // 14 employee's city, state, ZIP
    {52, 803, 52, 803},       // 15
    {52, 803, 52, 803},       // 16
    {1082, 123, 1082, 123},   // 17 box 1
    {1542, 123, 1542, 123},   // 18 box 2
    {1082, 207, 1082, 210},   // 19 box 3
    {1542, 207, 1542, 210},   // 20 box 4
    {1082, 293, 1082, 297},   // 21 box 5
    {1542, 293, 1542, 297},   // 22 box 6
    {1082, 376, 1082, 384},   // 23 box 7
    {1542, 376, 1542, 384},   // 24 box 8
    {1082, 462, 1082, 469},   // 25 box 9
    {1542, 462, 1542, 469},   // 26 box 10
    {1082, 546, 1082, 555},   // 27 box 11
    {1514, 546, 1514, 555},   // 28 box 12a code and year
    {1622, 546, 1622, 555},   // 29 box 12a amount
    {1514, 633, 1514, 640},   // 30 box 12b
    {1622, 633, 1622, 640},   // 31
    {1514, 717, 1514, 720},   // 32 box 12c
    {1622, 717, 1622, 720},   // 33
    {1514, 796, 1514, 801},   // 34 box 12d
    {1622, 796, 1622, 801},   // 35
    {1117, 576, 1118, 586},   // 36 box 13 statutory employee mark
    {1136, 600, 1137, 610},   // 37
    {1136, 576, 1137, 586},   // 38
    {1117, 600, 1118, 610},   // 39
    {1244, 576, 1245, 586},   // 40 retirement plan mark
    {1263, 600, 1264, 610},   // 41
    {1263, 576, 1264, 586},   // 42
    {1244, 600, 1245, 610},   // 43
    {1374, 576, 1375, 586},   // 44 third-party sick pay mark
    {1393, 600, 1394, 610},   // 45
    {1393, 576, 1394, 586},   // 46
    {1374, 600, 1375, 610},   // 47
    {1082, 832, 1082, 832},   // 48 box 14, third line
    {50, 928, 52, 926},       // 49 box 15 state, line 1
    {50, 1002, 52, 1005},     // 50 line 2
    {152, 928, 152, 926},     // 51 employer's state ID, line 1
    {152, 1002, 152, 1005},   // 52 line 2
    {577, 928, 579, 926},     // 53 box 16
    {577, 1002, 579, 1005},   // 54
    {882, 928, 884, 926},     // 55 box 17
    {882, 1002, 884, 1005},   // 56
    {1162, 928, 1162, 926},   // 57 box 18
    {1162, 1002, 1162, 1005}, // 58
    {1472, 928, 1472, 926},   // 59 box 19
    {1472, 1002, 1472, 1005}, // 60
    {1752, 928, 1752, 926},   // 61 box 20
    {1752, 1002, 1752, 1005}, // 62
    {773, 1389, 775, 1398},   // 63 empty-form mark
    {794, 1409, 796, 1418},   // 64
    {794, 1389, 796, 1398},   // 65
    {773, 1409, 775, 1418},   // 66
};

// The width a value may take from its point: up to the next value on its
// line or the edge of its box, less a small gap. The same on every paper:
// each table puts the values at the same place in their boxes.
constexpr std::array<int, std::size(kW2Points)> kW2Rooms = [] {
    std::array<int, std::size(kW2Points)> room{};
    room[0] = 447; // control number, up to the Void box
    for (int i : {1, 2, 3, 4, 5, 8, 12, 13, 14})
        room[i] = 1000; // the left column
    room[9] = 482;      // first name and initial, up to the last name
    room[11] = 507;
    for (int i : {17, 19, 21, 23, 25, 27, 48})
        room[i] = 412; // boxes 1, 3, 5, 7, 9, 11 and 14
    for (int i : {18, 20, 22, 24, 26})
        room[i] = 385; // boxes 2, 4, 6, 8 and 10
    for (int i : {28, 30, 32, 34})
        room[i] = 87; // box-12 code and year
    for (int i : {29, 31, 33, 35})
        room[i] = 305; // box-12 amounts
    const std::pair<int, int> lines[] = {{49, 79}, {51, 397}, {53, 277}, {55, 257}, {57, 287}, {59, 259}, {61, 175}};
    for (const auto& [first, width] : lines)
        room[first] = room[first + 1] = width; // boxes 15-20, both lines
    return room;
}();

} // namespace

W2Paper W2PaperOf(const PrintW2Options& options)
{
    if (options.Paper != PaperType::Blank)
        return W2Paper::Preprinted;
    return options.BlankCopy == W2CopyType::LaserCopyA ? W2Paper::LaserCopyA : W2Paper::Copy;
}

PointTable W2PointTable(const PrintW2Options& options)
{
    const W2Paper paper = W2PaperOf(options);
    std::vector<QPoint> points;
    points.reserve(std::size(kW2Points));
    for (const W2Point& p : kW2Points)
        points.emplace_back(paper == W2Paper::Preprinted ? QPoint(p.bx, p.by) : QPoint(p.ax, p.ay));
    PointTable table(std::move(points));

    if (paper == W2Paper::Preprinted) {
        table.ApplyOffsets(SignedOffset(options.HorizontalOffset, options.HorizontalDirection),
                           SignedOffset(options.VerticalOffset, options.VerticalDirection));
        table.MoveAll(60, 53);
        return table;
    }
    table.Move(36, 47, -7, 5);
    table.Move(63, 66, -2, 7);
    table.MoveAll(73, 50);
    if (paper == W2Paper::LaserCopyA) {
        table.MoveAll(41, 47);
        table.Move(63, 66, -10, 30);
        table.Move(8, 8, 0, -5);
        table.Move(21, 22, 0, -5);
    }
    return table;
}

int W2FormPitch(const PrintW2Options& options)
{
    switch (W2PaperOf(options)) {
    case W2Paper::Preprinted:
        return 1352 + InchesToUnits(options.VerticalSpace - 1.25);
    case W2Paper::Copy:
        return 1364;
    case W2Paper::LaserCopyA:
        return 1395;
    }
    return 0;
}

int W2FormShift(const PrintW2Options& options)
{
    return W2PaperOf(options) == W2Paper::Preprinted ? 0 : 34;
}

PageFont W2DataFont(const PrintW2Options& options)
{
    return PageFont{FontFace::CourierNew, W2PaperOf(options) == W2Paper::Preprinted ? 12 : 10, false};
}

W2PrintJob::W2PrintJob(const CompanyRecord& company, const EmployeeList& employees, const W2List& w2s,
                       const PrintW2Options& options, int currentEmployeeIndex)
    : W2PrintJob(company, employees, w2s, options, FirstNameOrder(employees), currentEmployeeIndex)
{
}

W2PrintJob::W2PrintJob(const CompanyRecord& company, const EmployeeList& employees, const W2List& w2s,
                       const PrintW2Options& options, std::vector<int> displayOrder, int currentEmployeeIndex)
    : TwoFormSheetJob(options.Target, std::move(displayOrder), currentEmployeeIndex)
    , company_(company)
    , employees_(employees)
    , w2s_(w2s)
    , options_(options)
    , paper_(W2PaperOf(options))
    , w2ByEmployee_(FormIndexByOwner(w2s, &W2Record::EmployeeUniqueID))
    , table_(W2PointTable(options))
    , pitch_(W2FormPitch(options))
    , shift_(W2FormShift(options))
    , font_(W2DataFont(options))
{
}

QString W2PrintJob::DocumentTitle() const
{
    return FormDocumentTitle(QStringLiteral("Form W-2"), company_.EmployerName.Text());
}

void W2PrintJob::DrawSheet(Page& page) const
{
    switch (paper_) {
    case W2Paper::Copy: {
        page.AddImage(FormPicture::W2Form, 50, 59, 1980, 1340);
        page.AddImage(FormPicture::W2Form, 50, 1424, 1980, 1340);
        const PageFont captionFont{FontFace::Arial, 7, true};
        if (options_.BlankCopy == W2CopyType::CopyD) {
            // Blanks whose white background covers that part of the picture.
            // They go first: drawn after the caption they would wipe out the
            // end of "Copy D-For Employer.".
            const QString blanks = QStringLiteral("    ");
            for (const QPoint at : {QPoint(1190, 94), QPoint(1190, 84), QPoint(1190, 1458), QPoint(1190, 1448)})
                page.AddText(at, blanks, captionFont, TextBackground::Opaque);
        }
        const QString caption = W2CopyCaption(options_.BlankCopy);
        page.AddText(QPoint(930, 94), caption, captionFont, TextBackground::Opaque);
        page.AddText(QPoint(930, 1458), caption, captionFont, TextBackground::Opaque);
        break;
    }
    case W2Paper::LaserCopyA:
        // The whole Copy A page, 10.2 mm in from the paper's corner.
        page.AddImage(FormPicture::W2CopyAPage, 102, 102, 1955, 2692);
        break;
    case W2Paper::Preprinted:
        break;
    }
}

void W2PrintJob::DrawEmptyFormMark(Page& page) const
{
    FormWriter mark(page, table_, font_, TextBackground::Opaque, shift_);
    mark.Mark(63);
}

void W2PrintJob::DrawForm(Page& page, int slot, int employeeIndex) const
{
    const EmployeeRecord& e = employees_[size_t(employeeIndex)];
    static const W2Record kNoW2;
    const int w2Index = w2ByEmployee_.value(e.EmployeeUniqueID, -1);
    // An employee without a W-2 (damaged store) still gets the names and
    // addresses, with every box empty.
    const W2Record& w = w2Index >= 0 ? w2s_[size_t(w2Index)] : kNoW2;

    FormWriter form(page, table_, font_, TextBackground::Opaque, slot * pitch_ + shift_, kW2Rooms);
    form.Company(company_, CompanyForm::W2);
    form.Boxes(W2Boxes(), EmployeeWithW2{e, w});
}
