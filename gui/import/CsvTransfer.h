#pragma once

#include "core/import/CsvColumns.h"

#include <QString>

class CGlobalDoc;
class QWidget;

// The Tools menu's CSV commands: choosing the file, the import preview, the
// export, and what the user is told at the end. Remembers the folder last
// used for the next choice.
class CCsvTransfer {
public:
    CCsvTransfer(CGlobalDoc& document, QWidget* window);

    // Asks for a file, then runs ImportFile / ExportFile.
    void Import(PeopleKind kind);
    void Export(PeopleKind kind);

    // Reads the file and shows its preview; true when rows were imported.
    bool ImportFile(PeopleKind kind, const QString& path);
    // Writes the open company's people of `kind`, with their forms, as the
    // screens show them.
    bool ExportFile(PeopleKind kind, const QString& path);

private:
    CGlobalDoc& document_;
    QWidget* window_;
    QString folder_;
};

namespace CsvTransferTexts {
inline constexpr char kImportEmployees[] = "Import Employees and W-2s from CSV\u2026";
inline constexpr char kImportContractors[] = "Import Contractors and 1099-MISCs from CSV\u2026";
inline constexpr char kExportEmployees[] = "Export Employees and W-2s to CSV\u2026";
inline constexpr char kExportContractors[] = "Export Contractors and 1099-MISCs to CSV\u2026";
} // namespace CsvTransferTexts
