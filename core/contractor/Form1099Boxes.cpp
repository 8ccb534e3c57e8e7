#include "core/contractor/Form1099Boxes.h"

const std::vector<FormBox<Form1099Record>>& Form1099EntryBoxes()
{
    using R = Form1099Record;
    constexpr BoxRule A = BoxRule::Amount;
    constexpr BoxRule T = BoxRule::Text;
    // The amount boxes keep the construction defaults of an amount box.
    constexpr int kNoLimit = 0;
    constexpr int kDecimals = 4;
    static const std::vector<FormBox<Form1099Record>> boxes = {
        Box<&R::Rents>("Rents", "1 Rents", A, kNoLimit, kDecimals),
        Box<&R::Royalities>("Royalities", "2 Royalties", A, kNoLimit, kDecimals),
        Box<&R::OtherIncome>("OtherIncome", "3 Other income", A, kNoLimit, kDecimals),
        Box<&R::FederalIncomeTaxWithheld>("FederalIncomeTaxWithheld", "4 Federal income tax withheld", A, kNoLimit,
                                          kDecimals),
        Box<&R::FishingBoatProceeds>("FishingBoatProceeds", "5 Fishing boat proceeds", A, kNoLimit, kDecimals),
        Box<&R::MedicalAndHealthCarePayments>("MedicalAndHealthCarePayments", "6 Medical and health care payments",
                                              A, kNoLimit, kDecimals),
        Box<&R::NonemployeeCompensation>("NonemployeeCompensation", "7 Nonemployee compensation", A, kNoLimit,
                                         kDecimals),
        Box<&R::SubstitutePayments>("SubstitutePayments", "8 Substitute payments in lieu of dividends or interest",
                                    A, kNoLimit, kDecimals),
        CheckBox<R>("PayerMadeDirectSales",
                    "9 Payer made direct sales of $5,000 or more of consumer products to a buyer (recipient) for "
                    "resale",
                    &R::PayerMadeDirectSales),
        Box<&R::CropInsuranceProceeds>("CropInsuranceProceeds", "10 Crop insurance proceeds", A, kNoLimit,
                                       kDecimals),
        Box<&R::ExcessGoldenParachutePayments>("ExcessGoldenParachutePayments",
                                               "13 Excess golden parachute payments", A, kNoLimit, kDecimals),
        Box<&R::GrossProceedsPaidToAttorney>("GrossProceedsPaidToAttorney", "14 Gross proceeds paid to an attorney",
                                             A, kNoLimit, kDecimals),
        Box<&R::Field15A>("Field15A", "15a Section 409A deferrals", A, kNoLimit, kDecimals),
        Box<&R::Field15B>("Field15B", "15b Section 409A income", A, kNoLimit, kDecimals),
        Box<&R::StateTaxWithheld1>("StateTaxWithheld1", "16 State tax withheld, line 1", A, kNoLimit, kDecimals),
        Box<&R::PayerStateID1>("PayerStateID1", "17 State/Payer's state no., line 1", T),
        Box<&R::StateIncome1>("StateIncome1", "18 State income, line 1", A, kNoLimit, kDecimals),
        Box<&R::StateTaxWithheld2>("StateTaxWithheld2", "16 State tax withheld, line 2", A, kNoLimit, kDecimals),
        Box<&R::PayerStateID2>("PayerStateID2", "17 State/Payer's state no., line 2", T),
        Box<&R::StateIncome2>("StateIncome2", "18 State income, line 2", A, kNoLimit, kDecimals),
    };
    return boxes;
}
