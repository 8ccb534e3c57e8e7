#include "core/import/ImportProcess.h"

#include "core/companyfiles/CompanyFiles.h"
#include "core/import/ImportTexts.h"
#include "core/import/PreviousEditionFolder.h"
#include "core/import/StoreCopies.h"
#include "core/import/UpgradeStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

enum Steps { kFindFolder, kEnumerate, kUpgrade, kCopy, kRefresh };

constexpr char kStagingFolderName[] = "2004";

} // namespace

ImportProcess::ImportProcess(QString dataFolder, QStringList keptCompanies)
    : dataFolder_(WithTrailingSeparator(std::move(dataFolder)))
    , keptCompanies_(std::move(keptCompanies))
{
}

ImportProcess::Tick ImportProcess::Advance()
{
    if (over_)
        return failedStep_ >= 0 ? Tick::Failed : Tick::Succeeded;
    if (!pending_.empty()) {
        if (!RunPendingUnit())
            return Fail();
        // One tick per store; more stores than the bar has room for share it.
        const int room = kLastTick - kWorkTick - 1;
        ++unitsDone_;
        tick_ = unitsTotal_ <= room ? tick_ + 1 : kWorkTick + 1 + unitsDone_ * room / unitsTotal_;
    } else {
        const int tick = tick_++;
        if (tick == kWorkTick && !StartWork())
            return Fail();
    }
    if (tick_ <= kLastTick || !pending_.empty())
        return Tick::Running;
    tick_ = 0;
    if (++step_ == kStepCount) {
        over_ = true;
        state_.Clear();
        return Tick::Succeeded;
    }
    return Tick::StepChanged;
}

int ImportProcess::Progress() const
{
    return std::clamp(tick_, 0, kLastTick);
}

QString ImportProcess::PercentText(int position)
{
    const int percent = position * 100 / kLastTick;
    return QString::number(percent == 100 ? 100 : percent % 100) + u'%';
}

ImportProcess::Tick ImportProcess::Fail()
{
    over_ = true;
    failedStep_ = step_;
    pending_.clear();
    state_.Clear();
    return Tick::Failed;
}

bool ImportProcess::StartWork()
{
    switch (step_) {
    case kFindFolder:
        return FindOldFolder();
    case kEnumerate:
        return EnumerateStores();
    case kUpgrade:
        if (!PrepareStaging())
            return false;
        break;
    case kCopy:
        if (state_.staged.size() != state_.sources.size())
            return false;
        break;
    default:
        return true;
    }
    for (int i = 0; i < state_.sources.size(); ++i)
        pending_.push_back(i);
    unitsTotal_ = int(pending_.size());
    unitsDone_ = 0;
    return true;
}

bool ImportProcess::RunPendingUnit()
{
    const int index = pending_.front();
    pending_.pop_front();
    if (step_ == kUpgrade) {
        if (!StageAndUpgrade(index)) {
            // One damaged store doesn't stop the others; step 3 passes it by.
            leftOut_ << QFileInfo(state_.sources.at(index)).fileName();
            state_.staged[index].clear();
        }
        return !pending_.empty() || leftOut_.size() < state_.sources.size();
    }
    CopyIntoDataFolder(index);
    return true; // a copy that fails leaves that company out, nothing more
}

QString ImportProcess::LeftOutNote() const
{
    if (leftOut_.isEmpty())
        return QString();
    return QLatin1String(ImportTexts::kLeftOut) + leftOut_.join(u'\n');
}

bool ImportProcess::FindOldFolder()
{
    state_.Clear();
    state_.oldFolder = FindPreviousEditionStoreFolder(PreviousEditionCandidates());
    return !state_.oldFolder.isEmpty();
}

bool ImportProcess::EnumerateStores()
{
    QStringList names;
    if (!ListCompanyStores(state_.oldFolder, false, names))
        return false;
    state_.stagingFolder = dataFolder_ + QLatin1String(kStagingFolderName);
    for (const QString& name : std::as_const(names)) {
        if (name.isEmpty())
            continue;
        state_.sources << state_.oldFolder + name;
        state_.targets << dataFolder_ + name;
        state_.staged << state_.stagingFolder + u'/' + name;
    }
    return true;
}

bool ImportProcess::PrepareStaging()
{
    return state_.staged.size() == state_.sources.size() && QDir().mkpath(state_.stagingFolder);
}

bool ImportProcess::StageAndUpgrade(int index)
{
    const QString& source = state_.sources.at(index);
    const QString& staged = state_.staged.at(index);
    if (source.isEmpty() || staged.isEmpty())
        return true;
    const QString fileName = QFileInfo(staged).fileName();
    if (!StageStoreCopy(source, state_.stagingFolder, fileName, dataFolder_))
        return false;
    if (UpgradeStore(staged))
        return true;
    // The copy is ours and stays as it was read; it is no company of this year.
    QFile::remove(staged);
    return false;
}

void ImportProcess::CopyIntoDataFolder(int index)
{
    const QString& staged = state_.staged.at(index);
    const QString& target = state_.targets.at(index);
    if (staged.isEmpty() || target.isEmpty())
        return;
    const QString fileName = QFileInfo(target).fileName();
    if (IsKept(fileName)) {
        ++kept_;
        return;
    }
    switch (CopyStoreWithoutReplacing(staged, dataFolder_, fileName)) {
    case StoreCopyResult::Copied:
        ++copied_;
        break;
    case StoreCopyResult::Kept:
        ++kept_;
        break;
    case StoreCopyResult::Failed:
        break;
    }
}

bool ImportProcess::IsKept(const QString& fileName) const
{
    const QString company = CompanyNameOfStoreFile(fileName);
    return std::any_of(keptCompanies_.begin(), keptCompanies_.end(),
                       [&](const QString& kept) { return kept.compare(company, Qt::CaseInsensitive) == 0; });
}
