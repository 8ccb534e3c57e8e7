#pragma once

#include "core/store/Records.h"

#include <QString>

class CompanyStore;

// Everything of one company that the store holds, in memory: the company row
// and the lists of the other tables in store order.
struct CompanyData {
    CompanyRecord company;
    EmployeeList employees;
    ContractorList contractors;
    W2List w2s;
    Form1099List forms1099;
    W3List w3s;
    Form1096Record form1096;

    // Back to the values of no company at all: every text empty, the W-3
    // kind of payer and sick-pay choice -1, final return 0, company id -1,
    // every list empty.
    void Clear();
};

// How the forms of a company match their owners by id (a store written by
// other software, or damaged, may hold forms without an owner and owners
// without a form).
struct FormOwnerCheck {
    int w2sWithoutEmployee = 0; // no employee has their id, or a second W-2 of one
    int employeesWithoutW2 = 0;
    int formsWithoutContractor = 0; // the same for the 1099-MISC forms
    int contractorsWithoutForm = 0;

    bool AllMatch() const;
    // What does not match, in words: "2 W-2 forms belong to no employee; 1
    // contractor has no 1099-MISC form". Empty when all match.
    QString Describe() const;
};
FormOwnerCheck CheckFormOwners(const CompanyData& data);

// Reads a whole company: opens the existing store `path` with `store`,
// checks the file for damage (the engine's quick check; a damaged file gives
// kCorrupt and nothing is read) and runs the seven reading statements in the
// order company, employees, contractors, W-2, 1099-MISC, W-3, 1096 into
// `data`, all in one read, stopping at the first failure (the targets keep
// what was read so far). The store stays open. Returns the engine result of
// the failed step, or 0.
int LoadCompany(CompanyStore& store, const QString& path, CompanyData& data);

// Writes a whole company as a new store at `path` (which must not exist):
// the tables, the company row (id 1), then every record under its own id,
// all in one transaction on a file of another name that is renamed to
// `path` only when complete, never over a file that exists. A failed write
// leaves no file behind. Returns false on any failure.
bool WriteCompanyStore(const QString& path, const CompanyData& data);

// Builds the store of `data` whole under a temporary name beside `path`
// ("<path>.new-" and eight letters, which no listing takes for a store)
// and returns that name for the caller to rename into place, or an empty
// text when it failed (nothing is left behind then).
QString BuildCompanyStoreBeside(const QString& path, const CompanyData& data);
// Removes a store built by BuildCompanyStoreBeside that is not wanted.
void DiscardBuiltStore(const QString& building);
// Removes what builds beside `path` left behind when the program was killed
// during one: its "<path>.new-" files and their journals (regular files
// only). The caller makes sure that no build beside `path` is running now.
// Returns how many files were removed.
int RemoveBuildLeftovers(const QString& path);

// Creates the tables of a new store at `path`: Version (with its row "1"),
// Company, Employees, Contractors, W2, Form1099, W3, Form1096, all or none.
// The store stays open. Returns 0 or the failed result.
int CreateCompanyStore(CompanyStore& store, const QString& path);
