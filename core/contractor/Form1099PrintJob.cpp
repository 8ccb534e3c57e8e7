#include "core/contractor/Form1099PrintJob.h"

#include "core/contractor/Form1099Copies.h"
#include "core/records/DisplayOrder.h"
#include "core/print/FormWriter.h"

#include <algorithm>
#include <array>

namespace {

constexpr int k1099PointCount = 51;
constexpr int kLowerHalfTop = 1375;

struct Entry {
    int index, x, y;
};

// Entries shared by both papers; 45-48 are kept unused.
const Entry kEntries[] = {
    {0, 160, 205},    {1, 160, 251},    {2, 160, 297},    {3, 160, 342},    {4, 160, 388},    {5, 160, 434},
    {6, 160, 464},    {7, 160, 625},    {8, 600, 625},    {9, 160, 790},    {10, 160, 880},   {11, 160, 920},
    {12, 160, 1005},  {13, 660, 1005},  {14, 860, 1005},  {15, 160, 1125},  {20, 1070, 240},  {21, 1070, 365},
    {22, 1070, 475},  {23, 1430, 475},  {24, 1070, 625},  {25, 1430, 625},  {26, 1070, 790},  {27, 1430, 790},
    {28, 1316, 895},  {29, 1340, 919},  {30, 1340, 895},  {31, 1316, 919},  {32, 1430, 920},  {33, 1070, 1135},
    {34, 1430, 1135}, {35, 1050, 1220}, {36, 1400, 1220}, {37, 1050, 1268}, {38, 1400, 1268}, {39, 1755, 1220},
    {40, 1755, 1268}, {49, 220, 1259},  {50, 640, 1259},
};

// The second-TIN mark (16-19) and the void mark (41-44) differ by paper.
const Entry kPreprintedMarks[] = {
    {16, 914, 1120}, {17, 938, 1144}, {18, 938, 1120}, {19, 914, 1144},
    {41, 665, 1494}, {42, 688, 1517}, {43, 688, 1494}, {44, 665, 1517},
};
const Entry kCopyMarks[] = {
    {16, 910, 1122}, {17, 934, 1146}, {18, 934, 1122}, {19, 910, 1146},
    {41, 661, 1461}, {42, 684, 1484}, {43, 684, 1461}, {44, 661, 1484},
};

// The width a value may take from its entry: up to the next value on its
// line or the edge of its box, less a small gap.
constexpr std::array<int, k1099PointCount> k1099Rooms = [] {
    std::array<int, k1099PointCount> room{};
    for (int i : {0, 1, 2, 3, 6, 9, 10, 11, 12})
        room[i] = 877; // payer and recipient blocks
    room[7] = 402;
    room[8] = 437;
    room[15] = 652;
    for (int i : {20, 21, 22, 24, 26, 33})
        room[i] = 327; // boxes 1, 2, 3, 5, 7 and 13
    for (int i : {23, 25, 27, 32, 34})
        room[i] = 267; // boxes 4, 6, 8, 10 and 14
    room[35] = room[37] = 317;
    room[36] = room[38] = 322;
    room[39] = room[40] = 254;
    room[49] = 387;
    room[50] = 377;
    return room;
}();

bool IsPreprinted(const Print1099Options& options)
{
    return options.Paper != PaperType::Blank;
}

} // namespace

PointTable Form1099PointTable(const Print1099Options& options)
{
    const bool preprinted = IsPreprinted(options);
    std::vector<QPoint> points(k1099PointCount);
    for (const Entry& e : kEntries)
        points[size_t(e.index)] = QPoint(e.x, e.y);
    for (const Entry& e : preprinted ? kPreprintedMarks : kCopyMarks)
        points[size_t(e.index)] = QPoint(e.x, e.y);
    PointTable table(std::move(points));

    if (preprinted)
        table.ApplyOffsets(SignedOffset(options.HorizontalOffset, options.HorizontalDirection),
                           SignedOffset(options.VerticalOffset, options.VerticalDirection));
    table.MoveAll(0, -63);
    table.Move(41, 44, 0, 30);
    table.Move(16, 19, 0, 25);
    table.Move(41, 44, -38, 0);
    table.MoveAll(preprinted ? -17 : -48, -7);
    return table;
}

int Form1099FormPitch(const Print1099Options& options)
{
    return IsPreprinted(options) ? 1392 : 1375;
}

PageFont Form1099DataFont(const Print1099Options& options)
{
    return PageFont{FontFace::CourierNew, IsPreprinted(options) ? 12 : 10, false};
}

Form1099PrintJob::Form1099PrintJob(const CompanyRecord& company, const ContractorList& contractors,
                                   const Form1099List& forms, const Print1099Options& options,
                                   int currentContractorIndex)
    : Form1099PrintJob(company, contractors, forms, options, FirstNameOrder(contractors), currentContractorIndex)
{
}

Form1099PrintJob::Form1099PrintJob(const CompanyRecord& company, const ContractorList& contractors,
                                   const Form1099List& forms, const Print1099Options& options,
                                   const std::vector<int>& displayOrder, int currentContractorIndex)
    : TwoFormSheetJob(options.Target, displayOrder, currentContractorIndex)
    , company_(company)
    , contractors_(contractors)
    , forms_(forms)
    , options_(options)
    , preprinted_(IsPreprinted(options))
    , formByContractor_(FormIndexByOwner(forms, &Form1099Record::ContractorUniqueID))
    , table_(Form1099PointTable(options))
    , pitch_(Form1099FormPitch(options))
    , font_(Form1099DataFont(options))
{
}

QString Form1099PrintJob::DocumentTitle() const
{
    return FormDocumentTitle(QStringLiteral("Form 1099-MISC"), company_.EmployerName.Text());
}

void Form1099PrintJob::DrawSheet(Page& page) const
{
    if (preprinted_)
        return;
    page.AddImage(FormPicture::Form1099, 20, 10, 1980, 1370);
    page.AddImage(FormPicture::Form1099, 20, 1380, 1980, 1370);
    AddForm1099SideTexts(page, options_.Copy, 0);
    AddForm1099SideTexts(page, options_.Copy, kLowerHalfTop);
}

void Form1099PrintJob::DrawEmptyFormMark(Page& page) const
{
    FormWriter mark(page, table_, font_, TextBackground::Transparent, 0);
    mark.Mark(41);
}

void Form1099PrintJob::DrawForm(Page& page, int slot, int contractorIndex) const
{
    const ContractorRecord& r = contractors_[size_t(contractorIndex)];
    static const Form1099Record kNoForm;
    const int formIndex = formByContractor_.value(r.ContractorUniqueID, -1);
    // A contractor without a 1099 record (damaged store) still gets the
    // payer and recipient blocks, with every box empty.
    const Form1099Record& f = formIndex >= 0 ? forms_[size_t(formIndex)] : kNoForm;

    FormWriter form(page, table_, font_, TextBackground::Transparent, slot * pitch_, k1099Rooms);
    form.Company(company_, CompanyForm::Form1099);
    // Copies 1, B and 2 carry no second-TIN box: the recipient's mark (the
    // second TIN notice) stays off, and the box is blanked on both halves
    // (once a sheet is enough, the rectangles cover the same place).
    const bool copyWithoutTinBox = !preprinted_ && options_.Copy != Form1099CopyType::CopyC;
    const auto withoutTinMark = +[](const Form1099Box& box) {
        return box.part != BoxPart::Person || box.print != BoxPrint::Mark;
    };
    form.Boxes(Form1099Boxes(), ContractorWith1099{r, f}, copyWithoutTinBox ? withoutTinMark : nullptr);
    if (copyWithoutTinBox && slot == 0) {
        page.AddWhiteRect(790, 989, 940, 1107);
        page.AddWhiteRect(790, pitch_ + 987, 940, pitch_ + 1102);
    }
}
