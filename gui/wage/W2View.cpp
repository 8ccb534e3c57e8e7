#include "gui/wage/W2View.h"

#include "core/check/PrintCheck.h"
#include "core/document/GlobalDoc.h"
#include "core/records/EmployerBlock.h"
#include "core/records/PersonBoxes.h"
#include "core/prompt/Prompt.h"
#include "core/wage/W2Boxes.h"
#include "core/wage/W2ScreenTexts.h"
#include "core/wage/WageScreenPrint.h"
#include "gui/controls/BoxWidth.h"
#include "gui/entry/StoredText.h"
#include "gui/screens/FormCells.h"
#include "gui/wage/W2PrintOptionsDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The employee's boxes the program fills, in reading order: boxes of the
// W-2 table, under the names the screen gives them.
constexpr PersonScreenBox kEmployeeBoxes[] = {
    {"SocialSecurityNumber", "SocialSecurityNumber"},
    {"FirstName", "FirstName"},
    {"MiddleName", "MiddleName"},
    {"LastName", "LastName"},
    {"EmployeeAddress1", "Address1"},
    {"EmployeeAddress2", "Address2"},
    {"EmployeeCity", "City"},
    {"EmployeeState", "State"},
    {"EmployeeZip", "Zip"},
};

const W2Box& EmployeeField(const PersonScreenBox& box)
{
    return *FindBox(W2Boxes(), QLatin1String(box.field));
}

// The company's boxes: the employer's block and the first state line.
const std::vector<const EmployerBox*>& CompanyBoxesShown()
{
    static const std::vector<const EmployerBox*> boxes = ShownEmployerBoxes(CompanyForm::W2);
    return boxes;
}

QString CompanyLabel(const EmployerPlace& place)
{
    return QLatin1String(place.label ? place.label : FindBox(W2Boxes(), QLatin1String(place.name))->label);
}

constexpr int kAmountWidth = 150;

} // namespace

CW2View::CW2View(CGlobalDoc& document, QWidget* parent)
    : CFormEntryView(document, kW2ScreenTexts, lists_, parent)
    , lists_(document.Employees(), &EmployeeRecord::EmployeeUniqueID, document.W2Forms(), &W2Record::EmployeeUniqueID)
    , form_(new QWidget(this))
    , boxes_(W2ScreenBoxes(), form_)
{
    form_->setObjectName(QStringLiteral("W2Form"));
    for (const EmployerBox* box : CompanyBoxesShown())
        shown_.push_back(NewShownBox(box->w2.name, CompanyLabel(box->w2), form_));
    for (const PersonScreenBox& box : kEmployeeBoxes)
        shown_.push_back(NewShownBox(box.name, QLatin1String(EmployeeField(box).label), form_));
    BuildForm();
    UseFormPalette(form_);
    SetForm(form_);
    WatchBoxes(boxes_.Widgets());

    connect(&document.Editor(), &CompanyEditor::employeeAdded, this, [this] { OwnerAdded(); });
    connect(&document.Editor(), &CompanyEditor::employeeDeleted, this,
            [this](int employeeId) { OwnerDeleted(employeeId); });
}

const QStringList& CW2View::ShownBoxNames()
{
    static const QStringList names = ShownEmployerNames(CompanyForm::W2) + NamesOf(kEmployeeBoxes);
    return names;
}

QLineEdit* CW2View::Box(const char* name) const
{
    if (QLineEdit* edit = boxes_.Edit(name))
        return edit;
    return FindNamedBox(shown_, name);
}

QCheckBox* CW2View::CheckBox(const char* name) const
{
    return boxes_.Check(name);
}

// ---- the form ----

QWidget* CW2View::BuildForm()
{
    auto* sheet = new CFormSheet(form_);
    auto cell = [&](const QString& caption, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        return sheet->Place(new CFormCell(caption, sheet), row, column, rowSpan, columnSpan);
    };
    auto amount = [&](const char* name) {
        QLineEdit* box = boxes_.Edit(name);
        box->setMinimumWidth(kAmountWidth);
        return static_cast<QWidget*>(box);
    };
    auto shown = [&](const char* name) { return static_cast<QWidget*>(Box(name)); };

    // The employer and employee part on the left, boxes 1 to 14 on the right.
    cell(QStringLiteral("a  Control number"), 0, 0)->AddWidget(shown("FormW3ControlNumber"));
    CFormCell* voidCell = cell(QString(), 0, 1);
    voidCell->AddWidget(NewCaptionLabel(QStringLiteral("22222    Void"), voidCell));
    CFormCell* officialCell = cell(QString(), 0, 2);
    officialCell->AddWidget(
        NewCaptionLabel(QStringLiteral("For Official Use Only \u25b6\nOMB No. 1545-0008"), officialCell));

    cell(QStringLiteral("b Employer identification number"), 1, 0)->AddWidget(shown("EmployerIdentificationNumber"));
    CFormCell* employer = cell(QStringLiteral("c Employer's name, address, and ZIP code"), 2, 0, 3);
    employer->AddWidget(shown("EmployerName"));
    employer->AddWidget(shown("EmployerAddress1"));
    employer->AddWidget(shown("EmployerAddress2"));
    for (const char* state : {"EmployerState", "EmployeeState"})
        SetWidthInCharacters(Box(state), 2, 40);
    employer->AddRow({shown("EmployerCity"), shown("EmployerState"), shown("EmployerZip")}, false);
    cell(QStringLiteral("d Employee's social security number"), 5, 0)->AddWidget(shown("SocialSecurityNumber"));

    CFormCell* names = cell(QString(), 6, 0);
    auto* nameGrid = new QGridLayout;
    nameGrid->setSpacing(2);
    QLabel* firstCaption = NewCaptionLabel(QStringLiteral("e Employee's first name,initial"), names);
    nameGrid->addWidget(firstCaption, 0, 0, 1, 2);
    nameGrid->addWidget(NewCaptionLabel(QStringLiteral("Last name"), names), 0, 2);
    nameGrid->addWidget(shown("FirstName"), 1, 0);
    nameGrid->addWidget(shown("MiddleName"), 1, 1);
    nameGrid->addWidget(shown("LastName"), 1, 2);
    names->Body()->addLayout(nameGrid);

    CFormCell* address = cell(QStringLiteral("f Employee's address and ZIP code"), 7, 0, 3);
    address->AddWidget(shown("EmployeeAddress1"));
    address->AddWidget(shown("EmployeeAddress2"));
    address->AddRow({shown("EmployeeCity"), shown("EmployeeState"), shown("EmployeeZip")}, false);

    const char* pairs[5][2] = {
        {"Wages", "FederalIncomeTaxWithdrawal"},       {"SocialSecurityWages", "SocialSecurityTaxWithheld"},
        {"MedicareWages", "MedicareTaxWithheld"},      {"SocialSecurityTips", "AllocatedTips"},
        {"AdvancEICPayment", "DependentCareBenefits"},
    };
    for (int row = 0; row < 5; ++row)
        for (int side = 0; side < 2; ++side) {
            const W2Box* box = FindBox(W2Boxes(), QLatin1String(pairs[row][side]));
            cell(QLatin1String(box->label), row + 1, side + 1)->AddWidget(amount(box->name));
        }
    cell(QLatin1String(FindBox(W2Boxes(), QStringLiteral("NonQualifiedPlans"))->label), 6, 1)
        ->AddWidget(amount("NonQualifiedPlans"));

    // Box 12: code, year and amount on each of its four lines.
    const char* const letters[] = {"a", "b", "c", "d"};
    for (int line = 0; line < 4; ++line) {
        const QString letter = QLatin1String(letters[line]);
        CFormCell* box12 = cell(line == 0 ? QStringLiteral("12a See instructions for box 12")
                                          : QStringLiteral("12") + letter,
                                6 + line, 2);
        auto* grid = new QGridLayout;
        grid->setSpacing(2);
        // Room between the spaced-out captions, so "c o d e" and "y  e a  r"
        // read as two.
        grid->setHorizontalSpacing(10);
        grid->addWidget(NewCaptionLabel(QStringLiteral("c o d e"), box12), 0, 0);
        grid->addWidget(NewCaptionLabel(QStringLiteral("y  e a  r"), box12), 0, 1);
        grid->addWidget(NewCaptionLabel(QStringLiteral("Amount"), box12), 0, 2);
        QLineEdit* code = boxes_.Edit(qPrintable(QStringLiteral("Field12%1Code").arg(letter)));
        QLineEdit* year = boxes_.Edit(qPrintable(QStringLiteral("Field12%1Year").arg(letter)));
        SetWidthInCharacters(code, 2, 34);
        SetWidthInCharacters(year, 4, 44);
        grid->addWidget(code, 1, 0);
        grid->addWidget(year, 1, 1);
        grid->addWidget(amount(qPrintable(QStringLiteral("Field12%1Amount").arg(letter))), 1, 2);
        box12->Body()->addLayout(grid);
    }

    CFormCell* box13 = cell(QStringLiteral("13"), 7, 1);
    CheckBox("StatutoryEmployee")->setText(QStringLiteral("Statutory employee"));
    CheckBox("RetirementPlan")->setText(QStringLiteral("Retirement plan"));
    CheckBox("ThirdPartySickpay")->setText(QStringLiteral("Third-party sick pay"));
    for (const char* flag : {"StatutoryEmployee", "RetirementPlan", "ThirdPartySickpay"}) {
        CheckBox(flag)->setFont(FormCaptionFont(font()));
        box13->AddWidget(CheckBox(flag));
    }
    CFormCell* box14 = cell(QStringLiteral("14 Other"), 8, 1, 2);
    for (const char* line : {"Other1", "Other2", "Other3"})
        box14->AddWidget(boxes_.Edit(line));

    // The state and local lines.
    auto* lines = new CFormSheet(form_);
    auto lineCell = [&](const QString& caption, int column) {
        return lines->Place(new CFormCell(caption, lines), 0, column);
    };
    CFormCell* box15 = lineCell(QString(), 0);
    auto* stateGrid = new QGridLayout;
    stateGrid->setSpacing(2);
    stateGrid->addWidget(NewCaptionLabel(QStringLiteral("15 State"), box15), 0, 0);
    stateGrid->addWidget(NewCaptionLabel(QStringLiteral("Employer's state ID number"), box15), 0, 1);
    QWidget* state1 = shown("State1");
    QLineEdit* state2 = boxes_.Edit("State2");
    SetWidthInCharacters(Box("State1"), 2, 40);
    SetWidthInCharacters(state2, 2, 40);
    stateGrid->addWidget(state1, 1, 0);
    stateGrid->addWidget(shown("StateID1"), 1, 1);
    stateGrid->addWidget(state2, 2, 0);
    stateGrid->addWidget(boxes_.Edit("StateID2"), 2, 1);
    box15->Body()->addLayout(stateGrid);
    const char* localColumns[5][3] = {
        {"16 State wages, tips, etc.", "StateWages1", "StateWages2"},
        {"17 State income   tax", "StateIncomTax1", "StateIncomTax2"},
        {"18 Local wages, tips, etc.", "LocalWages1", "LocalWages2"},
        {"19 Local income tax", "LocalIncomeTax1", "LocalIncomeTax2"},
        {"20 Locality name", "LocalityName1", "LocalityName2"},
    };
    for (int column = 0; column < 5; ++column) {
        CFormCell* local = lineCell(QLatin1String(localColumns[column][0]), column + 1);
        for (int line = 1; line <= 2; ++line) {
            QLineEdit* box = boxes_.Edit(localColumns[column][line]);
            box->setMinimumWidth(column == 4 ? 80 : 120);
            local->AddWidget(box);
        }
    }

    LayOutForm(form_, {sheet, lines},
               QStringLiteral("Form <b>W-2</b> Wage and Tax Statement <b>2005</b>&nbsp;&nbsp;&nbsp;&nbsp;"
                              "Department of the Treasury\u2014Internal Revenue Service"));
    return form_;
}

// ---- showing and reading ----

void CW2View::FillOwnerRows(RecordListOrder& order) const
{
    order.Refresh(Document().Employees());
}

void CW2View::ShowCompanyAndEmployee(const CompanyRecord& c, const EmployeeRecord* e)
{
    const EmployeeRecord none;
    if (!e)
        e = &none;
    size_t i = 0;
    for (const EmployerBox* box : CompanyBoxesShown())
        shown_[i++]->setText(box->Text(c, CompanyForm::W2));
    for (const PersonScreenBox& box : kEmployeeBoxes)
        shown_[i++]->setText(EmployeeField(box).personGet(*e).Text());
}

void CW2View::ShowRecords(int ownerIndex, int formIndex)
{
    CGlobalDoc& document = Document();
    ShowCompanyAndEmployee(document.Company(), &document.Employees()[size_t(ownerIndex)]);
    // An employee without a W-2 (a damaged store) shows empty boxes; Save
    // gives it one.
    const W2Record stored = formIndex >= 0 ? document.W2Forms()[size_t(formIndex)] : W2Record();
    boxes_.Show(stored);
}

void CW2View::EmptyAllBoxes()
{
    for (QLineEdit* box : shown_)
        box->clear();
    boxes_.Clear();
}

void CW2View::ClearFormBoxes()
{
    boxes_.Clear();
    // The first state line is the company's; it shows empty until the
    // employee is shown again.
    Box("State1")->clear();
    Box("StateID1")->clear();
}

SaveOutcome CW2View::SaveBoxes(int ownerId)
{
    return Document().Editor().SaveW2(ownerId, boxes_.Read());
}

void CW2View::BoxLeft(QLineEdit* box, bool edited)
{
    const W2Box* entry = boxes_.BoxOf(box);
    // A stored value the box can't show as typed stays as it is until the
    // user changes it.
    if (!entry || entry->rule != BoxRule::Amount || (!edited && StoredText::Marked(box)))
        return;
    const W2BoxLeave leave = LeaveW2AmountBox(box->objectName(), box->text(), edited);
    if (!leave.message.isEmpty())
        AppPrompt().Tell(leave.message, PromptIcon::Exclamation);
    if (leave.text != box->text())
        box->setText(leave.text);
    if (!leave.otherBox.isEmpty()) {
        QLineEdit* other = Box(qPrintable(leave.otherBox));
        if (other && other->text() != leave.otherText)
            other->setText(leave.otherText);
    }
}

// ---- printing ----

PrintJobMaker CW2View::JobMaker(const PrintW2Options& options) const
{
    CGlobalDoc& document = Document();
    return [&document, options, order = OwnerDisplayOrder(), current = Cursor().OwnerIndex()] {
        return MakeW2ScreenJob(document.Data(), options, order, current);
    };
}

bool CW2View::CanPrint(const PrintW2Options& options) const
{
    if (W2PrintHasForms(Document().Data(), options))
        return true;
    AppPrompt().Tell(options.Target == PrintTarget::All ? QStringLiteral("This company has no W-2 forms to print.")
                                                        : QLatin1String(Texts().noOwners));
    return false;
}

void CW2View::PrintForms()
{
    CW2PrintOptionsDialog dialog(Document().W2PrintOptions(), this);
    dialog.SetPreview([this, &dialog] {
        if (CanPrint(dialog.Options()))
            PreviewPrintJob(&dialog, JobMaker(dialog.Options()), Document().DataFolder());
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    Document().W2PrintOptions() = dialog.Options();
    if (!CanPrint(dialog.Options()))
        return;
    if (!PrintDespiteErrors(W2PrintErrorsQuestion(Document().Data(), PrintedOwners(dialog.Options().Target))))
        return;
    PrintWithDialog(this, JobMaker(dialog.Options()), Document().DataFolder());
}
