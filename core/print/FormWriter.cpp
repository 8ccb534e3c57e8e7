#include "core/print/FormWriter.h"

#include "core/records/CompanyBoxes.h"
#include "core/records/KindOfPayer.h"

void FormWriter::Company(const CompanyRecord& company, CompanyForm form)
{
    for (const EmployerBox& box : EmployerBlock()) {
        const EmployerPlace& place = box.On(form);
        if (!place.Printed())
            continue;
        switch (place.print) {
        case EmployerPrint::Text:
        case EmployerPrint::FederalId:
            Text(place.point, box.Text(company, form));
            break;
        case EmployerPrint::Amount:
            // A money box as its amount; a text box in an amount's place
            // as it is stored, left off when it says zero.
            if (const CompanyBox* field = FindCompanyBox(QLatin1String(box.company)); field && field->amount)
                Amount(place.point, field->amount(company));
            else
                Amount(place.point, box.Text(company, form));
            break;
        case EmployerPrint::CityStateZip:
            Text(place.point, CityStateZipLine(company.City, company.State, company.Zip));
            break;
        case EmployerPrint::Telephone: {
            const QString number = box.Text(company, form);
            Text(place.point, PhoneAreaCode(number));
            Text(place.point + 1, PhoneLocalNumber(number));
            break;
        }
        case EmployerPrint::Mark:
            if (box.Number(company) != 0)
                Mark(place.point);
            break;
        case EmployerPrint::KindOfPayer: {
            const int kind = box.Number(company);
            if (kind >= 0 && size_t(kind) < kKindOfPayerList.size())
                Mark(place.point + 4 * kind);
            break;
        }
        }
    }
}
