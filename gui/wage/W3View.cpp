#include "gui/wage/W3View.h"

#include "core/check/PrintCheck.h"
#include "core/document/GlobalDoc.h"
#include "core/wage/W2ScreenTexts.h"
#include "core/wage/W3Totals.h"
#include "core/wage/WageScreenPrint.h"
#include "gui/check/CheckFormsCommand.h"
#include "gui/controls/BoxWidth.h"
#include "gui/controls/ColorButton.h"
#include "gui/controls/FormCells.h"
#include "gui/controls/WaitCursor.h"
#include "gui/wage/W3PrintOptionsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct W3Box {
    const char* name;
    const char* label; // as on the form; the accessible name
    int total;         // the W-2 box it sums (0: a company text)
};

// The boxes in reading order. Totals name their box; the company's texts
// are filled in by name.
constexpr W3Box kW3Boxes[] = {
    {"FormW3ControlNumber", "a Control number", 0},
    {"Box1", "1 Wages, tips, other compensation", 1},
    {"Box2", "2 Federal income tax withheld", 2},
    {"FormCount", "c Total number of Forms W-2", 0},
    {"FormW3EstablishmentNumber", "d Establishment number", 0},
    {"Box3", "3 Social security wages", 3},
    {"Box4", "4 Social security tax withheld", 4},
    {"EmployerIdentificationNumber", "e Employer identification number", 0},
    {"Box5", "5 Medicare wages and tips", 5},
    {"Box6", "6 Medicare tax withheld", 6},
    {"EmployerName", "f Employer's name", 0},
    {"Box7", "7 Social security tips", 7},
    {"Box8", "8 Allocated tips", 8},
    {"Box9", "9 Advance EIC payments", 9},
    {"Box10", "10 Dependent care benefits", 10},
    {"EmployerAddress1", "g Employer's address, line 1", 0},
    {"EmployerAddress2", "g Employer's address, line 2", 0},
    {"EmployerCity", "g Employer's city", 0},
    {"EmployerState", "g Employer's state", 0},
    {"EmployerZip", "g Employer's ZIP code", 0},
    {"Box11", "11 Nonqualified plans", 11},
    {"Box12", "12 Deferred compensation", 12},
    {"FormW3OtherEIN", "h Other EIN used this year", 0},
    {"FormW3ThirdPartySickPay", "13 For third-party sick pay use only", 0},
    {"Box15State", "15 State", 0},
    {"Box15StateID", "15 Employer's state ID number", 0},
    {"FormW3IncomeTaxWithHeld", "14 Income tax withheld by payer of third-party sick pay", 0},
    {"Box16", "16 State wages, tips, etc.", 16},
    {"Box17", "17 State income tax", 17},
    {"Box18", "18 Local wages, tips, etc.", 18},
    {"Box19", "19 Local income tax", 19},
    {"FormW3ContactName", "Contact person", 0},
    {"FormW3Telephone", "Telephone number", 0},
    {"FormW3Email", "E-mail address", 0},
    {"FormW3Fax", "Fax number", 0},
};

// The company texts of the boxes that show one.
QString CompanyText(const CompanyRecord& c, const QString& name)
{
    const std::pair<const char*, const FixedTextBase*> texts[] = {
        {"FormW3ControlNumber", &c.FormW3ControlNumber},
        {"FormW3EstablishmentNumber", &c.FormW3EstablishmentNumber},
        {"EmployerIdentificationNumber", &c.EmployerIdentificationNumber},
        {"EmployerName", &c.EmployerName},
        {"EmployerAddress1", &c.Address1},
        {"EmployerAddress2", &c.Address2},
        {"EmployerCity", &c.City},
        {"EmployerState", &c.State},
        {"EmployerZip", &c.Zip},
        {"FormW3OtherEIN", &c.FormW3OtherEIN},
        {"FormW3ThirdPartySickPay", &c.FormW3ThirdPartySickPay},
        {"Box15State", &c.State},
        {"Box15StateID", &c.StateID},
        {"FormW3IncomeTaxWithHeld", &c.FormW3IncomeTaxWithHeld},
        {"FormW3ContactName", &c.FormW3ContactName},
        {"FormW3Telephone", &c.FormW3Telephone},
        {"FormW3Email", &c.FormW3Email},
        {"FormW3Fax", &c.FormW3Fax},
    };
    for (const auto& [field, text] : texts)
        if (name == QLatin1String(field))
            return text->Text();
    return QString();
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
    for (const W3Box& box : kW3Boxes) {
        boxes_.push_back(NewShownBox(box.name, QLatin1String(box.label), form_));
        if (box.total > 0) {
            boxes_.back()->setAlignment(Qt::AlignRight);
            boxes_.back()->setMinimumWidth(kTotalWidth);
        }
    }
    const QStringList& kindNames = KindOfPayerNames();
    for (int i = 0; i < kindNames.size(); ++i) {
        auto* kind = new QCheckBox(kindNames[i], form_);
        kind->setObjectName(QStringLiteral("KindOfPayer%1").arg(i));
        kind->setAccessibleName(QStringLiteral("b Kind of Payer: ") + kindNames[i]);
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
    static const QStringList names = NamesOf(kW3Boxes);
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
    official->AddWidget(NewCaptionLabel(
        QStringLiteral("33333\u00a0\u00a0\u00a0\u00a0For Official Use Only \u25b6 OMB No. 1545-0008"), official));

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

void CW3View::RefreshFromDocument(CGlobalDoc& document)
{
    WaitCursor wait;
    const CompanyRecord& company = document.Company();
    ShowKindOfPayer(company.FormW3RadioKindOfPayer);
    const W3Totals totals = ComputeW3Totals(document.Employees(), document.W2Forms());
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const W3Box& box = kW3Boxes[i];
        QString text;
        if (box.total > 0)
            text = totals.Text(box.total);
        else if (qstrcmp(box.name, "FormCount") == 0)
            text = totals.CountText();
        else
            text = CompanyText(company, QLatin1String(box.name));
        boxes_[i]->setText(text);
    }
}

void CW3View::OnViewShown()
{
    if (document_.Employees().empty()
        && !SendToOwnersScreen(kW2ScreenTexts.noOwners, kW2ScreenTexts.ownersScreenIndex))
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
