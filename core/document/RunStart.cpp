#include "core/document/RunStart.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/document/ConversionOffer.h"
#include "core/document/GlobalDoc.h"
#include "core/settings/Settings.h"
#include "core/prompt/Prompt.h"
#include "core/store/StoreFileKind.h"

#include <QDir>
#include <QFileInfo>

RunStart::RunStart(CGlobalDoc& document)
    : document_(document)
{
}

bool RunStart::OpenFirstCompany(const QString& commandLineFile)
{
    const QString settingsProblem = SettingsFileProblem();
    if (!settingsProblem.isEmpty())
        AppPrompt().Tell(settingsProblem
                             + QStringLiteral("\n\nFormlark starts with its default settings and can't "
                                              "keep any settings until that file is an ordinary file "
                                              "again (or is removed)."),
                         PromptIcon::Exclamation);
    document_.SetDataFolder(ReadDataFolder());
    const QString sample = QLatin1String(kSampleCompanyName);
    const QString lastActive = ReadSettingText(SettingsKeyPath(kKeyLastActiveCompany),
                                               QLatin1String(kLastActiveCompanyValue), sample);
    document_.PrintOptions().Read();

    // The stores to try, in order. A company file named on the command line
    // takes the last active company's place: it is the first company itself
    // when it opens without a question (a store of this edition in the data
    // folder), else it opens after the start, over the Sample Company.
    QStringList files;
    if (commandLineFile.isEmpty()) {
        files << FindCompanyStoreFile(document_.DataFolder(), lastActive);
    } else {
        const QFileInfo given(commandLineFile);
        if (IsStoreOfFolder(given, document_.DataFolder())
            && StoreFileKindOf(commandLineFile) == StoreFileKind::Current)
            files << given.fileName();
    }
    files << FindCompanyStoreFile(document_.DataFolder(), sample);
    if (!commandLineFile.isEmpty())
        files << FindCompanyStoreFile(document_.DataFolder(), lastActive);
    files.removeAll(QString());
    files.removeDuplicates();

    // A company that can't be read is said once and passed over: the one
    // opened instead is the last active company from now on. A store of the
    // earlier editions opens once it is converted; when the user doesn't
    // want that, the next one opens instead.
    bool declined = false;
    for (const QString& file : files) {
        const QString path = document_.DataFolder() + file;
        if (!OpensAsCurrent(path)) {
            declined = true;
            continue;
        }
        // The name as the file spells it, so the store keeps its name at the end.
        if (document_.ReadCompany(path, CompanyNameOfStoreFile(file)))
            return true;
        document_.ReportUnreadableStore(path);
    }
    if (declined) {
        AppPrompt().Tell(QStringLiteral("Formlark can't start: the company to open was saved by an earlier edition "
                                        "of the program and was not converted."),
                         PromptIcon::Stop);
    } else if (files.isEmpty()) {
        const QString missing =
            lastActive.compare(sample, Qt::CaseInsensitive) == 0
                ? QStringLiteral("the company \"%1\"").arg(sample)
                : QStringLiteral("neither the company \"%1\" nor the \"%2\"").arg(lastActive, sample);
        AppPrompt().Tell(QStringLiteral("Formlark can't start: the data folder \"%1\" holds %2.\n\nChoose another "
                                        "data folder in the settings file \"%3\", or restore the company files.")
                             .arg(QDir::toNativeSeparators(document_.DataFolder()), missing,
                                  QDir::toNativeSeparators(SettingsFilePath())),
                         PromptIcon::Stop);
    }
    return false;
}
