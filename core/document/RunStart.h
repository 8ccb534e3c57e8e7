#pragma once

#include <QString>

class CGlobalDoc;

// The start of a run: the settings read (data folder, last active company,
// print options) and the first company opened.
class RunStart {
public:
    explicit RunStart(CGlobalDoc& document);

    // The first open: reads the settings (data folder, last active company,
    // print options) and loads that company, or "Sample Company" when that
    // one is missing or can't be read (the user is told which and why). A
    // company file named on the command line (`commandLineFile`) stands in
    // for the last active company: it is the first company when it is a
    // store of this edition in the data folder, else the Sample Company is
    // and the file is for CompanyCommands::OnOpenFile after the start.
    // False, with the user told why, when no company at all could be
    // opened: the program should end.
    bool OpenFirstCompany(const QString& commandLineFile = QString());

private:
    CGlobalDoc& document_;
};
