#include "gui/contractor/Form1099View.h"

#include "core/check/PrintCheck.h"
#include "core/contractor/ContractorScreenPrint.h"
#include "core/contractor/Form1099Boxes.h"
#include "core/contractor/Form1099PrintJob.h"
#include "core/contractor/Form1099ScreenTexts.h"
#include "core/document/GlobalDoc.h"
#include "core/records/EmployerBlock.h"
#include "core/records/PersonBoxes.h"
#include "core/prompt/Prompt.h"
#include "gui/entry/StoredText.h"
#include "gui/contractor/Form1099PrintOptionsDialog.h"
#include "gui/controls/BoxWidth.h"
#include "gui/screens/FormCells.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// The recipient's boxes the program fills, in reading order: boxes of the
// 1099-MISC table, under the names the screen gives them.
constexpr PersonScreenBox kRecipientBoxes[] = {
    {"RecipientID", "IdentificationNumber"},
    {"FirstName", "FirstName"},
    {"MiddleName", "MiddleName"},
    {"LastName", "LastName"},
    {"RecipientAddress1", "Address1"},
    {"RecipientAddress2", "Address2"},
    {"RecipientCity", "City"},
    {"RecipientState", "State"},
    {"RecipientZip", "Zip"},
    {"AccountNumber", "AccountNumber"},
};

const Form1099Box& RecipientField(const char* field)
{
    return *FindBox(Form1099Boxes(), QLatin1String(field));
}

// The payer's block.
const std::vector<const EmployerBox*>& PayerBoxes()
{
    static const std::vector<const EmployerBox*> boxes = ShownEmployerBoxes(CompanyForm::Form1099);
    return boxes;
}

constexpr int kAmountWidth = 150;
constexpr int kStateWidth = 40;

} // namespace

C1099View::C1099View(CGlobalDoc& document, QWidget* parent)
    : CFormEntryView(document, kForm1099ScreenTexts, lists_, parent)
    , lists_(document.Contractors(), &ContractorRecord::ContractorUniqueID, document.Forms1099(),
             &Form1099Record::ContractorUniqueID)
    , form_(new QWidget(this))
    , boxes_(Form1099ScreenBoxes(), form_)
    , secondTin_(new QCheckBox(QLatin1String(RecipientField("SecondTIN").label), form_))
{
    form_->setObjectName(QStringLiteral("Form1099"));
    for (const EmployerBox* box : PayerBoxes())
        shown_.push_back(NewShownBox(box->form1099.name, QLatin1String(box->form1099.label), form_));
    for (const PersonScreenBox& box : kRecipientBoxes)
        shown_.push_back(NewShownBox(box.name, QLatin1String(RecipientField(box.field).label), form_));
    secondTin_->setObjectName(QStringLiteral("SecondTIN"));
    secondTin_->setAccessibleName(secondTin_->text());
    secondTin_->setEnabled(false);
    BuildForm();
    UseFormPalette(form_);
    SetForm(form_);
    WatchBoxes(boxes_.Widgets());

    connect(&document.Editor(), &CompanyEditor::contractorAdded, this, [this] { OwnerAdded(); });
    connect(&document.Editor(), &CompanyEditor::contractorDeleted, this,
            [this](int contractorId) { OwnerDeleted(contractorId); });
}

const QStringList& C1099View::ShownBoxNames()
{
    static const QStringList names = ShownEmployerNames(CompanyForm::Form1099) + NamesOf(kRecipientBoxes);
    return names;
}

QLineEdit* C1099View::Box(const char* name) const
{
    if (QLineEdit* edit = boxes_.Edit(name))
        return edit;
    return FindNamedBox(shown_, name);
}

QCheckBox* C1099View::CheckBox(const char* name) const
{
    if (qstrcmp(name, "SecondTIN") == 0)
        return secondTin_;
    return boxes_.Check(name);
}

// ---- the form ----

void C1099View::BuildForm()
{
    auto* sheet = new CFormSheet(form_);
    auto cell = [&](const QString& caption, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        return sheet->Place(new CFormCell(caption, sheet), row, column, rowSpan, columnSpan);
    };
    auto shown = [&](const char* name) { return static_cast<QWidget*>(Box(name)); };
    // A box cell captioned as the form prints it (line breaks where the
    // form breaks the label).
    auto amount = [&](const char* name, const QString& caption, int row, int column) {
        QLineEdit* box = boxes_.Edit(name);
        box->setMinimumWidth(kAmountWidth);
        cell(caption, row, column)->AddWidget(box);
    };
    for (const char* state : {"PayerState", "RecipientState"})
        SetWidthInCharacters(Box(state), 2, kStateWidth);
    SetWidthInCharacters(Box("MiddleName"), 2, kStateWidth);

    // Payer and recipient on the left (two columns), boxes 1 to 14 in the
    // two columns beside them, the form's name on the right.
    CFormCell* payer = cell(QStringLiteral("Payer's name, street address, city, state, zip code, and Tel. #"), 0, 0, 3,
                            2);
    payer->AddWidget(shown("PayerName"));
    payer->AddWidget(shown("PayerAddress1"));
    payer->AddWidget(shown("PayerAddress2"));
    payer->AddRow({shown("PayerCity"), shown("PayerState"), shown("PayerZip")}, false);
    payer->AddWidget(shown("PayerTelephone"));

    amount("Rents", QStringLiteral("1 Rents"), 0, 2);
    CFormCell* title = cell(QString(), 0, 3, 2);
    title->AddWidget(NewCaptionLabel(QStringLiteral("OMB No. 1545-0115"), title));
    auto* year = new QLabel(QStringLiteral("<b>2005</b>"), title);
    QFont yearFont = year->font();
    yearFont.setPointSizeF(yearFont.pointSizeF() * 1.6);
    year->setFont(yearFont);
    title->AddWidget(year);
    title->AddWidget(new QLabel(QStringLiteral("Form <b>1099-MISC</b><br><b>Miscellaneous Income</b>"), title));
    amount("Royalities", QStringLiteral("2 Royalties"), 1, 2);
    amount("OtherIncome", QStringLiteral("3 Other income"), 2, 2);
    amount("FederalIncomeTaxWithheld", QStringLiteral("4 Federal income tax withheld"), 2, 3);

    cell(QStringLiteral("PAYER'S Federal ID number"), 3, 0)->AddWidget(shown("PayerFederalID"));
    cell(QStringLiteral("RECIPIENT'S ID number"), 3, 1)->AddWidget(shown("RecipientID"));
    amount("FishingBoatProceeds", QStringLiteral("5 Fishing boat proceeds"), 3, 2);
    amount("MedicalAndHealthCarePayments", QStringLiteral("6 Medical and health care payments"), 3, 3);

    CFormCell* name = cell(QStringLiteral("RECIPIENT'S name"), 4, 0, 1, 2);
    name->AddRow({shown("FirstName"), shown("MiddleName"), shown("LastName")});
    amount("NonemployeeCompensation", QStringLiteral("7 Nonemployee compensation"), 4, 2);
    amount("SubstitutePayments", QStringLiteral("8 Substitute payments in lieu of\ndividends or interest"), 4, 3);

    CFormCell* street = cell(QStringLiteral("Street address (including apt. no.)"), 5, 0, 1, 2);
    street->AddWidget(shown("RecipientAddress1"));
    street->AddWidget(shown("RecipientAddress2"));
    CFormCell* box9 = cell(QString(), 5, 2);
    auto* box9Row = new QHBoxLayout;
    QCheckBox* directSales = boxes_.Check("PayerMadeDirectSales");
    directSales->setText(QString()); // the caption beside it says it
    QLabel* box9Caption = NewCaptionLabel(QStringLiteral("9 Payer made direct sales of\n$5,000 or more of consumer\n"
                                                         "products to a buyer\n(recipient) for resale \u25b6"),
                                          box9);
    box9Caption->setBuddy(directSales);
    box9Row->addWidget(box9Caption);
    box9Row->addWidget(directSales, 0, Qt::AlignBottom);
    box9Row->addStretch(1);
    box9->Body()->addLayout(box9Row);
    amount("CropInsuranceProceeds", QStringLiteral("10 Crop insurance proceeds"), 5, 3);

    CFormCell* city = cell(QStringLiteral("City, state, and ZIP code"), 6, 0, 1, 2);
    city->AddRow({shown("RecipientCity"), shown("RecipientState"), shown("RecipientZip")}, false);
    cell(QStringLiteral("11"), 6, 2);
    cell(QStringLiteral("12"), 6, 3);

    cell(QStringLiteral("Account number (optional)"), 7, 0)->AddWidget(shown("AccountNumber"));
    CFormCell* tin = cell(QString(), 7, 1);
    secondTin_->setFont(FormCaptionFont(font()));
    tin->AddWidget(secondTin_);
    amount("ExcessGoldenParachutePayments", QStringLiteral("13 Excess golden parachute\npayments"), 7, 2);
    amount("GrossProceedsPaidToAttorney", QStringLiteral("14 Gross proceeds paid to\nan attorney"), 7, 3);

    // The 409A boxes and the two state lines.
    auto* lines = new CFormSheet(form_);
    auto lineCell = [&](const QString& caption, int column) {
        return lines->Place(new CFormCell(caption, lines), 0, column);
    };
    lineCell(QStringLiteral("15a Section 409A deferrals"), 0)->AddWidget(boxes_.Edit("Field15A"));
    lineCell(QStringLiteral("15b Section 409A income"), 1)->AddWidget(boxes_.Edit("Field15B"));
    const char* stateColumns[3][3] = {
        {"16 State tax withheld", "StateTaxWithheld1", "StateTaxWithheld2"},
        {"17 State/Payer's state no.", "PayerStateID1", "PayerStateID2"},
        {"18 State income", "StateIncome1", "StateIncome2"},
    };
    for (int column = 0; column < 3; ++column) {
        CFormCell* state = lineCell(QLatin1String(stateColumns[column][0]), column + 2);
        for (int line = 1; line <= 2; ++line) {
            QLineEdit* box = boxes_.Edit(stateColumns[column][line]);
            box->setMinimumWidth(column == 1 ? 130 : kAmountWidth);
            state->AddWidget(box);
        }
    }
    for (const char* wide : {"Field15A", "Field15B"})
        boxes_.Edit(wide)->setMinimumWidth(kAmountWidth);

    LayOutForm(form_, {sheet, lines},
               QStringLiteral("Form <b>1099-MISC</b>&nbsp;&nbsp;&nbsp;&nbsp;"
                              "Department of the Treasury\u2014Internal Revenue Service"));
}

// ---- showing and reading ----

void C1099View::FillOwnerRows(RecordListOrder& order) const
{
    order.Refresh(Document().Contractors());
}

void C1099View::ShowCompanyAndContractor(const CompanyRecord& c, const ContractorRecord* r)
{
    const ContractorRecord none;
    if (!r)
        r = &none;
    size_t i = 0;
    for (const EmployerBox* box : PayerBoxes())
        shown_[i++]->setText(box->Text(c, CompanyForm::Form1099));
    for (const PersonScreenBox& box : kRecipientBoxes)
        shown_[i++]->setText(RecipientField(box.field).personGet(*r).Text());
    secondTin_->setChecked(r->SecondTIN != 0);
}

void C1099View::ShowRecords(int ownerIndex, int formIndex)
{
    CGlobalDoc& document = Document();
    ShowCompanyAndContractor(document.Company(), &document.Contractors()[size_t(ownerIndex)]);
    // A contractor without a 1099-MISC (a damaged store) shows empty
    // boxes; Save gives it one.
    const Form1099Record stored = formIndex >= 0 ? document.Forms1099()[size_t(formIndex)] : Form1099Record();
    boxes_.Show(stored);
}

void C1099View::EmptyAllBoxes()
{
    ShowCompanyAndContractor(CompanyRecord(), nullptr);
    boxes_.Clear();
}

void C1099View::ClearFormBoxes()
{
    boxes_.Clear();
}

SaveOutcome C1099View::SaveBoxes(int ownerId)
{
    return Document().Editor().Save1099(ownerId, boxes_.Read());
}

void C1099View::BoxLeft(QLineEdit* box, bool edited)
{
    const Form1099Box* entry = boxes_.BoxOf(box);
    // A stored value the box can't show as typed stays as it is until the
    // user changes it.
    if (!entry || entry->rule != BoxRule::Amount || (!edited && StoredText::Marked(box)))
        return;
    const QString shown = NormalizeAmountText(box->text());
    if (shown != box->text())
        box->setText(shown);
}

// ---- printing ----

PrintJobMaker C1099View::JobMaker(const Print1099Options& options) const
{
    CGlobalDoc& document = Document();
    return [&document, options, order = OwnerDisplayOrder(), current = Cursor().OwnerIndex()] {
        return MakeForm1099ScreenJob(document.Data(), options, order, current);
    };
}

bool C1099View::CanPrint(const Print1099Options& options) const
{
    if (Form1099PrintHasForms(Document().Data(), options))
        return true;
    // All contractors of a company without 1099-MISC forms print nothing,
    // and that needs no word.
    if (options.Target == PrintTarget::Current)
        AppPrompt().Tell(QLatin1String(Texts().noOwners));
    return false;
}

void C1099View::PrintForms()
{
    CForm1099PrintOptionsDialog dialog(Document().Form1099PrintOptions(), this);
    dialog.SetPreview([this, &dialog] {
        if (CanPrint(dialog.Options()))
            PreviewPrintJob(&dialog, JobMaker(dialog.Options()), Document().DataFolder());
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Print1099Options options = dialog.Options();
    Document().Form1099PrintOptions() = options;
    if (!CanPrint(options))
        return;
    if (!PrintDespiteErrors(Form1099PrintErrorsQuestion(Document().Data(), PrintedOwners(options.Target))))
        return;
    const QString question = Form1099EmptyFieldsQuestion(Document().Data(), options, Cursor().OwnerIndex());
    if (!question.isEmpty() && !AppPrompt().AskYesNo(question))
        return;
    PrintWithDialog(this, JobMaker(options), Document().DataFolder());
}
