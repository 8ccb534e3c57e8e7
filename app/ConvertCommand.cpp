#include "app/ConvertCommand.h"

#include "app/CommandLine.h"
#include "core/companyfiles/CompanyFiles.h"
#include "core/companyfiles/StoreConversion.h"
#include "core/store/StoreFileKind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

// Converts one store; says what it did, on stdout or stderr. A file that is
// no store of an earlier edition (empty, damaged, another kind of file) is
// said so, and nothing is changed.
bool Convert(const CommandRun& run, const QString& folder, const QString& storeFile)
{
    const QString path = folder + storeFile;
    QString problem;
    QStringList otherNames;
    StoredValueChanges changes;
    QString kept;
    bool converted = false;
    if (StoreFileKindOf(path) == StoreFileKind::Earlier) {
        kept = KeptOriginalPath(path);
        converted = ConvertEarlierStore(path, kept, &problem, &otherNames, &changes);
    } else {
        problem = UnreadableStoreMessage(path, StoreFileProblem(path));
    }
    if (!converted) {
        run.Say(OneLine(problem));
        return false;
    }
    // Every value the new store does not hold exactly as the original did
    // (which keeps them all).
    for (const StoredValueChange& change : changes)
        run.Say(QStringLiteral("%1: not kept exactly: %2").arg(CompanyNameOfStoreFile(storeFile), change.Describe()));
    QString line = QStringLiteral("converted \"%1\": %2 is a store of this edition now; the original is kept as %3")
                       .arg(CompanyNameOfStoreFile(storeFile), storeFile, QFileInfo(kept).fileName());
    for (const QString& other : std::as_const(otherNames))
        line += QStringLiteral("; its other name %1").arg(other);
    PrintLine(stdout, line);
    return true;
}

// A store of this edition that the engine may open: nothing to convert.
bool IsStoreOfThisEdition(const QString& path)
{
    return StoreFileProblem(path).isEmpty();
}

} // namespace

const CommandSyntax& ConvertSyntax()
{
    static const CommandSyntax syntax{
        .name = "convert",
        .purpose = "Converts company stores of the earlier Windows editions in the data folder into stores of this "
                   "edition, with the same companies, people and forms. Each original file is kept unchanged "
                   "beside its store as NAME.pmt.2005.",
        .options =
            {
                {.name = "--company",
                 .value = "NAME",
                 .required = true,
                 .group = "stores",
                 .help = "the store of that company (any letter case)"},
                {.name = "--all",
                 .required = true,
                 .group = "stores",
                 .help = "every store of an earlier edition in the data folder"},
            },
        .problemsFound = "--all could not convert some of the stores (the others are converted)",
    };
    return syntax;
}

int RunConvertCommand(CommandRun& run)
{
    QCoreApplication app(run.ApplicationArgc(), run.ApplicationArgv());
    run.Start();
    const QString company = run.Value("--company");
    const bool all = run.Has("--all");

    if (!all) {
        QString folder;
        QString storeFile;
        if (auto failure = FindCompanyStore(company, folder, storeFile))
            return run.Fail(*failure);
        if (IsStoreOfThisEdition(folder + storeFile)) {
            PrintLine(stdout, QStringLiteral("\"%1\" is a store of this edition already; nothing to convert")
                                  .arg(CompanyNameOfStoreFile(storeFile)));
            return 0;
        }
        return Convert(run, folder, storeFile) ? 0 : kExitCouldNotRun;
    }

    const QString folder = ReadDataFolder();
    QStringList files;
    ListCompanyStores(folder, false, files);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&](const QString& file) { return IsStoreOfThisEdition(folder + file); }),
                files.end());
    files.sort(Qt::CaseInsensitive);
    if (files.isEmpty()) {
        PrintLine(stdout, QStringLiteral("no store of an earlier edition in %1; nothing to convert")
                              .arg(QDir::toNativeSeparators(folder)));
        return 0;
    }
    int failed = 0;
    int stores = 0;
    for (const QString& file : std::as_const(files)) {
        // Another name of a store converted before is kept with it.
        if (!QFileInfo::exists(folder + file))
            continue;
        ++stores;
        failed += Convert(run, folder, file) ? 0 : 1;
    }
    PrintLine(stdout, QStringLiteral("%1 of %2 stores converted").arg(stores - failed).arg(stores));
    return failed == 0 ? 0 : kExitProblemsFound;
}
