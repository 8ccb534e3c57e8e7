#include "bench/BenchCompany.h"

#include <algorithm>
#include <cstring>

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool SmallRun(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--small") == 0)
            return true;
    return false;
}

CompanyData LargeCompany(int n, int contractors)
{
    CompanyData data;
    data.company.EmployerName = "Benchmark Company";
    data.company.City = "Springfield";
    data.company.State = "IL";
    for (int id = 1; id <= n; ++id) {
        EmployeeRecord e;
        e.EmployeeUniqueID = id;
        // Numbers the SSA could issue, one of its own for each.
        e.SocialSecurityNumber =
            QStringLiteral("%1-%2-%3").arg(100 + id / 90000).arg(10 + id % 90000 / 1000).arg(1000 + id % 1000);
        // Names out of id order, so the first-name order is a real sort.
        e.FirstName = QStringLiteral("First%1").arg((id * 7919) % n, 5, 10, QChar('0'));
        e.MiddleName = "Q";
        e.LastName = QStringLiteral("Last%1").arg(id);
        e.Address1 = "100 Main Street";
        e.City = "Springfield";
        e.State = "IL";
        e.Zip = "62701-1234";
        data.employees.push_back(e);
        W2Record w;
        w.W2UniqueID = id;
        w.EmployeeUniqueID = id;
        w.Wages = w.SocialSecurityWages = w.MedicareWages = w.StateWages1 = "45000.00";
        w.FederalIncomeTaxWithdrawal = "5400.00";
        w.SocialSecurityTaxWithheld = "2790.00";
        w.MedicareTaxWithheld = "652.50";
        w.StateIncomTax1 = "1800.00";
        w.Field12aCode = "D";
        w.Field12aAmount = "1500.00";
        data.w2s.push_back(w);
    }
    for (int id = 1; id <= contractors; ++id) {
        ContractorRecord c;
        c.ContractorUniqueID = id;
        c.IdentificationNumber = QStringLiteral("8%1-%2").arg(id / 10000000 % 10).arg(id % 10000000, 7, 10, QChar('0'));
        c.FirstName = QStringLiteral("Payee%1").arg((id * 7919) % contractors, 5, 10, QChar('0'));
        c.LastName = QStringLiteral("Vendor%1").arg(id);
        c.Address1 = "200 Market Street";
        c.City = "Springfield";
        c.State = "IL";
        c.Zip = "62701";
        data.contractors.push_back(c);
        Form1099Record f;
        f.Form1099UniqueID = id;
        f.ContractorUniqueID = id;
        f.Rents = f.Royalities = f.OtherIncome = f.FishingBoatProceeds = f.MedicalAndHealthCarePayments = "0.00";
        f.SubstitutePayments = f.CropInsuranceProceeds = f.ExcessGoldenParachutePayments = "0.00";
        f.GrossProceedsPaidToAttorney = f.StateTaxWithheld2 = f.StateIncome2 = f.Field15A = f.Field15B = "0.00";
        f.NonemployeeCompensation = "12000.00";
        f.FederalIncomeTaxWithheld = "0.00";
        f.StateTaxWithheld1 = "360.00";
        f.StateIncome1 = "12000.00";
        f.PayerStateID1 = "IL-5550001";
        data.forms1099.push_back(f);
    }
    return data;
}
