#include "core/wage/W2Boxes.h"

#include <algorithm>

QString SocialSecurityTaxFor(double wages)
{
    return QString::asprintf("%.2f", std::min(wages * 6.2 * 0.01, kSocialSecurityTaxCap));
}

QString MedicareTaxFor(double wages)
{
    return QString::asprintf("%.2f", wages * 145 * 0.0001);
}

const std::vector<FormBox<W2Record>>& W2EntryBoxes()
{
    using R = W2Record;
    constexpr BoxRule A = BoxRule::Amount;
    constexpr BoxRule T = BoxRule::Text;
    static const std::vector<FormBox<W2Record>> boxes = {
        Box<&R::Wages>("Wages", "1 Wages, tips, other compensation", A),
        Box<&R::FederalIncomeTaxWithdrawal>("FederalIncomeTaxWithdrawal", "2 Federal income tax withheld", A),
        Box<&R::SocialSecurityWages>("SocialSecurityWages", "3 Social security wages", A),
        Box<&R::SocialSecurityTaxWithheld>("SocialSecurityTaxWithheld", "4 Social security tax withheld", A),
        Box<&R::MedicareWages>("MedicareWages", "5 Medicare wages and tips", A),
        Box<&R::MedicareTaxWithheld>("MedicareTaxWithheld", "6 Medicare tax withheld", A),
        Box<&R::SocialSecurityTips>("SocialSecurityTips", "7 Social security tips", A),
        Box<&R::AllocatedTips>("AllocatedTips", "8 Allocated tips", A),
        Box<&R::AdvancEICPayment>("AdvancEICPayment", "9 Advance EIC payment", A),
        Box<&R::DependentCareBenefits>("DependentCareBenefits", "10 Dependent care benefits", A),
        Box<&R::NonQualifiedPlans>("NonQualifiedPlans", "11 Nonqualified plans", A),
        Box<&R::Field12aCode>("Field12aCode", "12a code", BoxRule::Letters),
        Box<&R::Field12aYear>("Field12aYear", "12a year", BoxRule::Number, 0, 4),
        Box<&R::Field12aAmount>("Field12aAmount", "12a amount", A),
        Box<&R::Field12bCode>("Field12bCode", "12b code", BoxRule::Letters),
        Box<&R::Field12bYear>("Field12bYear", "12b year", BoxRule::Number, 0, 4),
        Box<&R::Field12bAmount>("Field12bAmount", "12b amount", A),
        Box<&R::Field12cCode>("Field12cCode", "12c code", BoxRule::Letters),
        Box<&R::Field12cYear>("Field12cYear", "12c year", BoxRule::Number, 0, 4),
        Box<&R::Field12cAmount>("Field12cAmount", "12c amount", A),
        Box<&R::Field12dCode>("Field12dCode", "12d code", BoxRule::Letters),
        Box<&R::Field12dYear>("Field12dYear", "12d year", BoxRule::Number, 0, 4),
        Box<&R::Field12dAmount>("Field12dAmount", "12d amount", A),
        CheckBox<R>("StatutoryEmployee", "13 Statutory employee", &R::StatutoryEmployee),
        CheckBox<R>("RetirementPlan", "13 Retirement plan", &R::RetirementPlan),
        CheckBox<R>("ThirdPartySickpay", "13 Third-party sick pay", &R::ThirdPartySickpay),
        Box<&R::Other1>("Other1", "14 Other, line 1", T, 14),
        Box<&R::Other2>("Other2", "14 Other, line 2", T, 14),
        Box<&R::Other3>("Other3", "14 Other, line 3", T, 14),
        Box<&R::StateWages1>("StateWages1", "16 State wages, tips, etc., line 1", A),
        Box<&R::StateIncomTax1>("StateIncomTax1", "17 State income tax, line 1", A),
        Box<&R::LocalWages1>("LocalWages1", "18 Local wages, tips, etc., line 1", A),
        Box<&R::LocalIncomeTax1>("LocalIncomeTax1", "19 Local income tax, line 1", A),
        Box<&R::LocalityName1>("LocalityName1", "20 Locality name, line 1", T, 6),
        Box<&R::State2>("State2", "15 State, line 2", BoxRule::Letters),
        Box<&R::StateID2>("StateID2", "15 Employer's state ID number, line 2", T, 15),
        Box<&R::StateWages2>("StateWages2", "16 State wages, tips, etc., line 2", A),
        Box<&R::StateIncomTax2>("StateIncomTax2", "17 State income tax, line 2", A),
        Box<&R::LocalWages2>("LocalWages2", "18 Local wages, tips, etc., line 2", A),
        Box<&R::LocalIncomeTax2>("LocalIncomeTax2", "19 Local income tax, line 2", A),
        Box<&R::LocalityName2>("LocalityName2", "20 Locality name, line 2", T, 6),
    };
    return boxes;
}

namespace {

// A box over its cap: the message names the box by its label.
QString CapMessage(const char* label, double cap)
{
    return QString::asprintf("'%s' field shouldn't exceed $%.2f", label, cap);
}

} // namespace

QString SocialSecurityWagesCapMessage()
{
    return CapMessage("Social security wages", kSocialSecurityWageBase);
}

QString SocialSecurityTaxCapMessage()
{
    return CapMessage("Social security tax withheld", kSocialSecurityTaxCap);
}

W2BoxLeave LeaveW2AmountBox(const QString& name, const QString& text, bool edited)
{
    W2BoxLeave leave;
    leave.text = NormalizeAmountText(text);
    const double value = ParseAmountText(leave.text);
    if (name == QLatin1String("SocialSecurityWages")) {
        const bool capped = value > kSocialSecurityWageBase;
        if (capped) {
            leave.message = SocialSecurityWagesCapMessage();
            leave.text = QString::asprintf("%.2f", kSocialSecurityWageBase);
        }
        if (edited || capped) {
            leave.otherBox = QStringLiteral("SocialSecurityTaxWithheld");
            leave.otherText = SocialSecurityTaxFor(value);
        }
    } else if (name == QLatin1String("SocialSecurityTaxWithheld")) {
        if (value > kSocialSecurityTaxCap) {
            leave.message = SocialSecurityTaxCapMessage();
            leave.text = QString::asprintf("%.2f", kSocialSecurityTaxCap);
        }
    } else if (name == QLatin1String("MedicareWages") && edited) {
        leave.otherBox = QStringLiteral("MedicareTaxWithheld");
        leave.otherText = MedicareTaxFor(value);
    }
    return leave;
}
