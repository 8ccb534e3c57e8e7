#include "gui/wage/W3View.h"

#include "core/check/PrintCheck.h"
#include "core/document/GlobalDoc.h"
#include "core/records/EmployerBlock.h"
#include "core/records/KindOfPayer.h"
#include "core/wage/W2Boxes.h"
#include "core/wage/W2ScreenTexts.h"
#include "core/wage/W3Totals.h"
#include "core/wage/WageScreenPrint.h"
#include "gui/check/CheckFormsCommand.h"
#include "gui/controls/BoxWidth.h"
#include "gui/controls/ColorButton.h"
#include "gui/screens/FormCells.h"
#include "gui/controls/WaitCursor.h"
#include "gui/wage/W3PrintOptionsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The company's boxes of the W-3.
const std::vector<const EmployerBox*>& CompanyBoxesShown()
{
    static const std::vector<const EmployerBox*> boxes = ShownEmployerBoxes(CompanyForm::W3);
    return boxes;
}

// The totals: box c, then the boxes the W-2's money boxes add into.
const std::vector<const TransmittalBox*>& TotalBoxes()
{
    static const std::vector<const TransmittalBox*> boxes = TransmittalBoxes(W2Boxes(), &kW3FormCountBox);
    return boxes;
}

// The kind-of-payer boxes as the form places them: three rows.
constexpr int kKindRows[3][4] = {{0, 2, 4, -1}, {1, 3, 5, -1}, {6, -1, -1, -1}};

constexpr int kTotalWidth = 150;

} // namespace

CW3View::CW3View(CGlobalDoc& document, QWidget* parent)
    : CFormView(document, parent)
    , print_(new CColorButton(QStringLiteral("Print W3"), this))
    , check_(NewCheckFormsButton(*this))
    , form_(new QWidget(this))
{
    print_->setObjectName(QStringLiteral("PrintW3"));
    print_->setAutoDefault(false);
    form_->setObjectName(QStringLiteral("W3Form"));
    for (const EmployerBox* box : CompanyBoxesShown())
        boxes_.push_back(NewShownBox(box->w3.name, QLatin1String(box->w3.label), form_));
    for (const TransmittalBox* total : TotalBoxes()) {
        boxes_.push_back(NewShownBox(total->name, QLatin1String(total->label), form_));
        // Box c is a count, left-aligned as the company's texts.
        if (total != &kW3FormCountBox) {
            boxes_.back()->setAlignment(Qt::AlignRight);
            boxes_.back()->setMinimumWidth(kTotalWidth);
        }
    }
    for (size_t i = 0; i < kKindOfPayerList.size(); ++i) {
        const QString name = QLatin1String(kKindOfPayerList[i]);
        auto* kind = new QCheckBox(name, form_);
        kind->setObjectName(QStringLiteral("KindOfPayer%1").arg(i));
        kind->setAccessibleName(QStringLiteral("b Kind of Payer: ") + name);
        kind->setEnabled(false);
        kinds_.push_back(kind);
    }
    BuildForm();
    UseFormPalette(form_);

    auto* top = new QHBoxLayout;
    top->addWidget(print_);
    top->addWidget(check_);
    top->addStretch(1);
    SetScrolledPage(top, form_);

    connect(print_, &QPushButton::clicked, this, &CW3View::OnPrint);
}

const QStringList& CW3View::BoxNames()
{
    static const QStringList names = [] {
        QStringList all = ShownEmployerNames(CompanyForm::W3);
        for (const TransmittalBox* total : TotalBoxes())
            all << QLatin1String(total->name);
        return all;
    }();
    return names;
}

QLineEdit* CW3View::Box(const char* name) const
{
    return FindNamedBox(boxes_, name);
}

QCheckBox* CW3View::KindOfPayerBox(int index) const
{
    return index >= 0 && index < int(kinds_.size()) ? kinds_[size_t(index)] : nullptr;
}

QWidget* CW3View::BuildForm()
{
    auto* sheet = new CFormSheet(form_);
    auto cell = [&](const QString& caption, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        return sheet->Place(new CFormCell(caption, sheet), row, column, rowSpan, columnSpan);
    };
    auto box = [&](const char* name) { return static_cast<QWidget*>(Box(name)); };
    // A cell captioned with its box's label, holding that box.
    auto boxCell = [&](const char* name, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        CFormCell* c = cell(Box(name)->accessibleName(), row, column, rowSpan, columnSpan);
        c->AddWidget(box(name));
        return c;
    };

    boxCell("FormW3ControlNumber", 0, 0);
    CFormCell* official = cell(QString(), 0, 1, 1, 2);
    official->AddWidget(
        NewCaptionLabel(QStringLiteral("33333\u00a0\u00a0\u00a0\u00a0For Official Use Only \u25b6 OMB No. 1545-0008"),
                        official));

    CFormCell* kind = cell(QStringLiteral("b Kind of Payer"), 1, 0);
    auto* kindGrid = new QGridLayout;
    kindGrid->setSpacing(2);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            if (kKindRows[row][column] >= 0) {
                QCheckBox* check = kinds_[size_t(kKindRows[row][column])];
                check->setFont(FormCaptionFont(font()));
                kindGrid->addWidget(check, row, column, 1, row == 2 ? 3 : 1);
            }
    kind->Body()->addLayout(kindGrid);
    boxCell("Box1", 1, 1);
    boxCell("Box2", 1, 2);

    CFormCell* countAndNumber = cell(QString(), 2, 0);
    auto* pair = new QGridLayout;
    pair->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        const char* name = i == 0 ? "FormCount" : "FormW3EstablishmentNumber";
        QLabel* caption = NewCaptionLabel(Box(name)->accessibleName(), countAndNumber);
        caption->setBuddy(Box(name));
        pair->addWidget(caption, 0, i);
        pair->addWidget(box(name), 1, i);
    }
    countAndNumber->Body()->addLayout(pair);
    boxCell("Box3", 2, 1);
    boxCell("Box4", 2, 2);
    boxCell("EmployerIdentificationNumber", 3, 0);
    boxCell("Box5", 3, 1);
    boxCell("Box6", 3, 2);
    boxCell("EmployerName", 4, 0);
    boxCell("Box7", 4, 1);
    boxCell("Box8", 4, 2);
    CFormCell* address = cell(QStringLiteral("g Employer's address and ZIP code"), 5, 0, 2);
    address->AddWidget(box("EmployerAddress1"));
    address->AddWidget(box("EmployerAddress2"));
    SetWidthInCharacters(Box("EmployerState"), 2, 40);
    address->AddRow({box("EmployerCity"), box("EmployerState"), box("EmployerZip")}, false);
    boxCell("Box9", 5, 1);
    boxCell("Box10", 5, 2);
    boxCell("Box11", 6, 1);
    boxCell("Box12", 6, 2);
    boxCell("FormW3OtherEIN", 7, 0);
    boxCell("FormW3ThirdPartySickPay", 7, 1, 1, 2);
    CFormCell* state = cell(QString(), 8, 0);
    auto* stateGrid = new QGridLayout;
    stateGrid->setSpacing(2);
    QLabel* stateCaption = NewCaptionLabel(QStringLiteral("15 State"), state);
    QLabel* idCaption = NewCaptionLabel(QStringLiteral("Employer's state ID number"), state);
    SetWidthInCharacters(Box("Box15State"), 2, 40);
    stateGrid->addWidget(stateCaption, 0, 0);
    stateGrid->addWidget(idCaption, 0, 1);
    stateGrid->addWidget(box("Box15State"), 1, 0);
    stateGrid->addWidget(box("Box15StateID"), 1, 1);
    state->Body()->addLayout(stateGrid);
    boxCell("FormW3IncomeTaxWithHeld", 8, 1, 1, 2);

    auto* lines = new CFormSheet(form_);
    int column = 0;
    for (const char* name : {"Box16", "Box17", "Box18", "Box19"}) {
        CFormCell* c = lines->Place(new CFormCell(Box(name)->accessibleName(), lines), 0, column++);
        c->AddWidget(box(name));
    }
    auto* contact = new CFormSheet(form_);
    int index = 0;
    for (const char* name : {"FormW3ContactName", "FormW3Telephone", "FormW3Email", "FormW3Fax"}) {
        CFormCell* c = contact->Place(new CFormCell(Box(name)->accessibleName(), contact), index / 2, index % 2);
        c->AddWidget(box(name));
        ++index;
    }

    LayOutForm(form_, {sheet, lines, contact},
               QStringLiteral("Form <b>W-3</b> Transmittal of Wage and Tax Statements <b>2005</b>"
                              "&nbsp;&nbsp;&nbsp;&nbsp;Department of the Treasury\u2014Internal Revenue Service"));
    return form_;
}

void CW3View::ShowKindOfPayer(int index)
{
    // Once bound, a value outside the list leaves the boxes as they are;
    // the first binding takes 941 for a value below the list and the
    // last box for one above it.
    const int count = int(kinds_.size());
    if (!kindBound_) {
        kindBound_ = true;
        index = qBound(0, index, count - 1);
    }
    if (index < 0 || index >= count)
        return;
    for (int i = 0; i < count; ++i)
        kinds_[size_t(i)]->setChecked(i == index);
}

void CW3View::ShowTexts(const CompanyRecord& company, const W3Totals& totals)
{
    size_t i = 0;
    for (const EmployerBox* box : CompanyBoxesShown())
        boxes_[i++]->setText(box->Text(company, CompanyForm::W3));
    for (const TransmittalBox* total : TotalBoxes())
        boxes_[i++]->setText(total == &kW3FormCountBox ? totals.CountText() : totals.Text(total->number));
}

void CW3View::RefreshFromDocument(CGlobalDoc& document)
{
    WaitCursor wait;
    const CompanyRecord& company = document.Company();
    ShowKindOfPayer(company.FormW3RadioKindOfPayer);
    const W3Totals totals = ComputeW3Totals(document.Employees(), document.W2Forms());
    ShowTexts(company, totals);
}

void CW3View::OnViewShown()
{
    if (document_.Employees().empty() && !SendToOwnersScreen(kW2ScreenTexts.noOwners, kW2ScreenTexts.ownersScreenIndex))
        return;
    // Employees deleted since the last refresh no longer count.
    RefreshFromDocument(document_);
}

PrintJobMaker CW3View::JobMaker(const PrintW3Options& options) const
{
    CGlobalDoc& document = document_;
    return [&document, options] { return MakeW3ScreenJob(document.Data(), options); };
}

void CW3View::OnPrint()
{
    CW3PrintOptionsDialog dialog(document_.W3PrintOptions(), this);
    dialog.SetPreview(
        [this, &dialog] { PreviewPrintJob(&dialog, JobMaker(dialog.Options()), document_.DataFolder()); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    document_.W3PrintOptions() = dialog.Options();
    if (!PrintDespiteErrors(W3PrintErrorsQuestion(document_.Data())))
        return;
    PrintWithDialog(this, JobMaker(dialog.Options()), document_.DataFolder());
}

QAbstractButton* CW3View::PrintCommand() const
{
    return print_;
}
