#include "gui/contractor/Form1096View.h"

#include "core/contractor/ContractorScreenPrint.h"
#include "core/contractor/Form1096Totals.h"
#include "core/contractor/Form1099ScreenTexts.h"
#include "core/check/PrintCheck.h"
#include "core/document/GlobalDoc.h"
#include "core/contractor/Form1099Boxes.h"
#include "core/records/EmployerBlock.h"
#include "gui/contractor/Form1096PrintOptionsDialog.h"
#include "gui/check/CheckFormsCommand.h"
#include "gui/controls/BoxWidth.h"
#include "gui/controls/ColorButton.h"
#include "gui/screens/FormCells.h"
#include "gui/controls/WaitCursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The filer's boxes and the company's other ones.
const std::vector<const EmployerBox*>& CompanyBoxesShown()
{
    static const std::vector<const EmployerBox*> boxes = ShownEmployerBoxes(CompanyForm::Form1096);
    return boxes;
}

// The totals: the number of forms, then the boxes the 1099-MISC's money
// boxes add into.
const std::vector<const TransmittalBox*>& TotalBoxes()
{
    static const std::vector<const TransmittalBox*> boxes = TransmittalBoxes(Form1099Boxes(), &kForm1096FormCountBox);
    return boxes;
}

// The kinds of form a 1096 transmits, with their codes, as its last row
// shows them; this program files the 1099-MISC.
struct FormKind {
    const char* name;
    int code;
};
constexpr FormKind kFormKinds[] = {
    {"W-2G", 32},     {"1098", 81},      {"1098-E", 84},   {"1098-T", 83},   {"1099-A", 80},    {"1099-B", 79},
    {"1099-C", 85},   {"1099-CAP", 73},  {"1099-DIV", 91}, {"1099-G", 86},   {"1099-H", 71},    {"1099-INT", 92},
    {"1099-LTC", 93}, {"1099-MISC", 95}, {"1099-MSA", 94}, {"1099-OID", 96}, {"1099-PATR", 97}, {"1099-Q", 31},
    {"1099-R", 98},   {"1099-S", 75},    {"5498", 28},     {"5498-ESA", 72}, {"5498-MSA", 27},
};
constexpr char kFiledKind[] = "1099-MISC";
constexpr int kKindsPerRow = 13; // as the paper form breaks the row

constexpr char kNote[] = "The data inside form 1096 gets automatically generated from the data in all the 1099 forms "
                         "which you fill under the \"1099 From\" screen.";

constexpr int kTotalWidth = 150;

} // namespace

C1096View::C1096View(CGlobalDoc& document, QWidget* parent)
    : CFormView(document, parent)
    , print_(new CColorButton(QStringLiteral("Print"), this))
    , check_(NewCheckFormsButton(*this))
    , form_(new QWidget(this))
    , finalReturn_(new QCheckBox(QStringLiteral("If this is your final return, enter an \u201cX\u201d here"), form_))
{
    print_->setObjectName(QStringLiteral("Print"));
    print_->setAutoDefault(false);
    form_->setObjectName(QStringLiteral("Form1096"));
    for (const EmployerBox* box : CompanyBoxesShown())
        boxes_.push_back(NewShownBox(box->form1096.name, QLatin1String(box->form1096.label), form_));
    for (const TransmittalBox* total : TotalBoxes()) {
        boxes_.push_back(NewShownBox(total->name, QLatin1String(total->label), form_));
        boxes_.back()->setAlignment(Qt::AlignRight);
        boxes_.back()->setMinimumWidth(kTotalWidth);
    }
    finalReturn_->setObjectName(QStringLiteral("FinalReturn"));
    finalReturn_->setAccessibleName(finalReturn_->text());
    finalReturn_->setEnabled(false);
    for (const FormKind& kind : kFormKinds) {
        auto* box = new QCheckBox(form_);
        box->setObjectName(QStringLiteral("FormType%1").arg(QLatin1String(kind.name)));
        box->setAccessibleName(QStringLiteral("Type of form being filed: %1").arg(QLatin1String(kind.name)));
        box->setEnabled(false);
        box->setChecked(qstrcmp(kind.name, kFiledKind) == 0);
        formTypes_.push_back(box);
    }
    BuildForm();
    UseFormPalette(form_);

    auto* note = new QGroupBox(QStringLiteral("Note:"), this);
    note->setObjectName(QStringLiteral("Note"));
    auto* noteText = new QLabel(QLatin1String(kNote), note);
    noteText->setWordWrap(true);
    auto* noteLayout = new QVBoxLayout(note);
    noteLayout->addWidget(noteText);

    auto* top = new QHBoxLayout;
    top->addWidget(print_, 0, Qt::AlignTop);
    top->addWidget(check_, 0, Qt::AlignTop);
    top->addWidget(note, 1);
    SetScrolledPage(top, form_);

    connect(print_, &QPushButton::clicked, this, &C1096View::OnPrint);
}

const QStringList& C1096View::BoxNames()
{
    static const QStringList names = [] {
        QStringList all = ShownEmployerNames(CompanyForm::Form1096);
        for (const TransmittalBox* total : TotalBoxes())
            all << QLatin1String(total->name);
        return all;
    }();
    return names;
}

QLineEdit* C1096View::Box(const char* name) const
{
    return FindNamedBox(boxes_, name);
}

QCheckBox* C1096View::FormTypeBox(const QString& kind) const
{
    for (size_t i = 0; i < formTypes_.size(); ++i)
        if (kind == QLatin1String(kFormKinds[i].name))
            return formTypes_[i];
    return nullptr;
}

void C1096View::BuildForm()
{
    auto* sheet = new CFormSheet(form_);
    auto cell = [&](const QString& caption, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        return sheet->Place(new CFormCell(caption, sheet), row, column, rowSpan, columnSpan);
    };
    auto box = [&](const char* name) { return static_cast<QWidget*>(Box(name)); };
    auto boxCell = [&](const char* name, int row, int column, int columnSpan = 1) {
        cell(Box(name)->accessibleName(), row, column, 1, columnSpan)->AddWidget(box(name));
    };

    // The filer on the left, the contact beside it, the five boxes below.
    CFormCell* filer = cell(QStringLiteral("FILER'S name"), 0, 0, 3, 2);
    filer->AddWidget(box("FilerName"));
    filer->Body()->addWidget(NewCaptionLabel(Box("FilerAddress")->accessibleName(), filer));
    filer->AddWidget(box("FilerAddress"));
    filer->Body()->addWidget(NewCaptionLabel(QStringLiteral("City, state, and ZIP code"), filer));
    SetWidthInCharacters(Box("FilerState"), 2, 40);
    filer->AddRow({box("FilerCity"), box("FilerState"), box("FilerZip")}, false);
    CFormCell* official = cell(QString(), 0, 2, 1, 3);
    official->AddWidget(NewCaptionLabel(QStringLiteral("For Official Use Only"), official));
    boxCell("ContactName", 1, 2, 2);
    boxCell("Telephone", 1, 4);
    boxCell("Email", 2, 2, 2);
    boxCell("Fax", 2, 4);

    boxCell("EmployerIdentificationNumber", 3, 0);
    boxCell("SocialSecurityNumber", 3, 1);
    boxCell("FormCount", 3, 2);
    boxCell("FederalIncomeTaxWithheld", 3, 3);
    boxCell("TotalAmountReported", 3, 4);

    CFormCell* kindCaption = cell(QString(), 4, 0, 1, 5);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(
        NewCaptionLabel(QStringLiteral(
                            "Enter an \u201cX\u201d in only one box below to indicate the type of form being filed."),
                        kindCaption));
    kindRow->addStretch(1);
    finalReturn_->setFont(FormCaptionFont(font()));
    finalReturn_->setLayoutDirection(Qt::RightToLeft); // the box after the words, as printed
    kindRow->addWidget(finalReturn_);
    kindCaption->Body()->addLayout(kindRow);

    auto* kinds = new CFormSheet(form_);
    for (size_t i = 0; i < formTypes_.size(); ++i) {
        const int row = int(i) / kKindsPerRow;
        const int column = int(i) % kKindsPerRow;
        CFormCell* kind = kinds->Place(new CFormCell(QString(), kinds), row, column);
        QLabel* caption =
            NewCaptionLabel(QStringLiteral("%1\n%2").arg(QLatin1String(kFormKinds[i].name)).arg(kFormKinds[i].code),
                            kind);
        caption->setBuddy(formTypes_[i]);
        kind->AddWidget(caption);
        kind->AddWidget(formTypes_[i]);
    }

    LayOutForm(form_, {sheet, kinds},
               QStringLiteral("Form <b>1096</b> Annual Summary and Transmittal of U.S. Information Returns "
                              "<b>2005</b>&nbsp;&nbsp;&nbsp;&nbsp;Department of the Treasury\u2014Internal Revenue "
                              "Service"));
}

void C1096View::ShowTexts(const CompanyRecord& company, const Form1096Totals& totals)
{
    size_t i = 0;
    for (const EmployerBox* box : CompanyBoxesShown())
        boxes_[i++]->setText(box->Text(company, CompanyForm::Form1096));
    for (const TransmittalBox* total : TotalBoxes())
        boxes_[i++]->setText(totals.Text(total->number));
}

void C1096View::RefreshFromDocument(CGlobalDoc& document)
{
    WaitCursor wait;
    const CompanyRecord& c = document.Company();
    const Form1096Totals totals = ComputeForm1096Totals(document.Contractors(), document.Forms1099());
    ShowTexts(c, totals);
    finalReturn_->setChecked(c.Form1096CheckIsThisYourFinalReturn != 0);
}

void C1096View::OnViewShown()
{
    if (document_.Contractors().empty()
        && !SendToOwnersScreen(kForm1099ScreenTexts.noOwners, kForm1099ScreenTexts.ownersScreenIndex))
        return;
    // Contractors deleted since the last refresh no longer count.
    RefreshFromDocument(document_);
}

PrintJobMaker C1096View::JobMaker(const Print1096Options& options) const
{
    CGlobalDoc& document = document_;
    return [&document, options] { return MakeForm1096ScreenJob(document.Data(), options); };
}

void C1096View::OnPrint()
{
    CForm1096PrintOptionsDialog dialog(document_.Form1096PrintOptions(), this);
    dialog.SetPreview(
        [this, &dialog] { PreviewPrintJob(&dialog, JobMaker(dialog.Options()), document_.DataFolder()); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    document_.Form1096PrintOptions() = dialog.Options();
    if (!PrintDespiteErrors(Form1096PrintErrorsQuestion(document_.Data())))
        return;
    PrintWithDialog(this, JobMaker(dialog.Options()), document_.DataFolder());
}

QAbstractButton* C1096View::PrintCommand() const
{
    return print_;
}
