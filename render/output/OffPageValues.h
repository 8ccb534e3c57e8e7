#pragma once

#include "render/output/PagedOutput.h"

#include <QRectF>
#include <QString>
#include <QStringList>

// The values of a print job that would not land whole inside an area of the
// paper: pushed over the page's edge by the alignment offsets, or outside
// what a printer can print. A printer would cut them or lose them without a
// word, so the window asks before it prints them and `formlark print` warns.
class OffPageValues {
public:
    // Checks every page of `job` against `area` (page units from the
    // paper's corner). `progress` may stop the check: then nothing is found.
    static OffPageValues Find(const PrintJob& job, const QRectF& area, const PageProgress& progress = {});

    bool Any() const { return !values_.isEmpty(); }
    // The different values found: quoted texts, "a check mark" for a mark.
    const QStringList& Values() const { return values_; }

    // One sentence for the user: which values fall outside `where` (the
    // page, or PrintableAreaName of a printer), the first few named.
    QString Describe(const QString& where = ThePage()) const;
    static QString ThePage() { return QStringLiteral("the page"); }

private:
    QStringList values_;
};
