#include "app/ConvertCommand.h"

#include "app/CommandLine.h"
#include "core/document/CompanyFiles.h"
#include "core/document/StoreConversion.h"
#include "core/store/StoreFileKind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

const char kUsage[] =
    "usage: formlark convert --company NAME | --all\n"
    "\n"
    "Converts company stores of the earlier Windows editions in the data folder\n"
    "into stores of this edition, with the same companies, people and forms.\n"
    "Each original file is kept unchanged beside its store as NAME.pmt.2005.\n"
    "  --company NAME   the store of that company (any letter case)\n"
    "  --all            every store of an earlier edition in the data folder\n";

int Fail(const CommandFailure& failure)
{
    PrintLine(stderr, QStringLiteral("formlark convert: ") + failure.message);
    return failure.exitCode;
}

// Converts one store; says what it did, on stdout or stderr. A file that is
// no store of an earlier edition (empty, damaged, another kind of file) is
// said so, and nothing is changed.
bool Convert(const QString& folder, const QString& storeFile)
{
    const QString path = folder + storeFile;
    QString problem;
    QStringList otherNames;
    QString kept;
    bool converted = false;
    if (StoreFileKindOf(path) == StoreFileKind::Earlier) {
        kept = KeptOriginalPath(path);
        converted = ConvertEarlierStore(path, kept, &problem, &otherNames);
    } else {
        problem = UnreadableStoreMessage(path, StoreFileProblem(path));
    }
    if (!converted) {
        PrintLine(stderr, QStringLiteral("formlark convert: ") + problem.replace(u'\n', u' '));
        return false;
    }
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

int RunConvertCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StartCommand(QStringLiteral("convert"));
    const QStringList args = CommandArguments(argc, argv);

    QString company;
    bool all = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        CommandOption option = SplitOption(args[i]);
        if (option.name == QLatin1String("--help") || option.name == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (option.name == QLatin1String("--all") && !option.hasValue) {
            all = true;
        } else if (option.name == QLatin1String("--company")) {
            if (auto failure = TakeOptionValue(option, args, i))
                return Fail(*failure);
            company = option.value;
        } else {
            return Fail(
                UsageFailure(QStringLiteral("unknown option \"%1\" (see formlark convert --help)").arg(args[i])));
        }
    }
    if (all == !company.isEmpty())
        return Fail(UsageFailure(QStringLiteral("give either --company NAME or --all")));

    if (!all) {
        QString folder;
        QString storeFile;
        if (auto failure = FindCompanyStore(company, folder, storeFile))
            return Fail(*failure);
        if (IsStoreOfThisEdition(folder + storeFile)) {
            PrintLine(stdout, QStringLiteral("\"%1\" is a store of this edition already; nothing to convert")
                                  .arg(CompanyNameOfStoreFile(storeFile)));
            return 0;
        }
        return Convert(folder, storeFile) ? 0 : kExitFailure;
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
        failed += Convert(folder, file) ? 0 : 1;
    }
    PrintLine(stdout, QStringLiteral("%1 of %2 stores converted").arg(stores - failed).arg(stores));
    return failed == 0 ? 0 : kExitFailure;
}
