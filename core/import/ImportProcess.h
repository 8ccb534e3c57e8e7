#pragma once

#include <QString>
#include <QStringList>

#include <deque>

// What the import knows about the stores it carries over.
struct ImportState {
    QString oldFolder;     // the previous edition's store folder, ending in "/"
    QString stagingFolder; // DataFolder + "2004", where the upgraded copies are made
    QStringList sources;   // the previous edition's stores, full paths
    QStringList targets;   // DataFolder + store file name, one per source
    QStringList staged;    // staging folder + "/" + store file name, one per source

    void Clear() { *this = ImportState{}; }
};

// The import of the previous tax year's companies as five steps paced by a
// timer: each step takes 101 ticks (the bar runs from 0 to 100) and its
// work starts at tick 4. Work that touches many stores does one store per
// tick, each advancing the bar by one (or by its share of the bar when there
// are more stores than ticks), so the window never waits for long.
//
//   0 find the previous edition's store folder
//   1 list its stores
//   2 copy each into the staging folder and upgrade the copy; a store that
//     can't be copied or upgraded (a damaged file) is left out and the
//     others go on; the step fails only when every store is left out
//   3 copy each upgraded store into the data folder, never replacing one
//   4 nothing: the company lists are read afresh whenever they are shown
//
// The import writes into the data folder only in step 3, and only stores
// that are not there yet; it never opens a store of the data folder.
class ImportProcess {
public:
    enum class Tick { Running, StepChanged, Failed, Succeeded };

    static constexpr int kStepCount = 5;
    static constexpr int kLastTick = 100;
    static constexpr int kWorkTick = 4;

    // `dataFolder` ends in "/". `keptCompanies` are companies whose store
    // the import must not create either (the open company, whose store may
    // still be on its way to the data folder).
    explicit ImportProcess(QString dataFolder, QStringList keptCompanies = {});

    // One timer tick. After Failed or Succeeded the import is over and
    // further ticks do nothing.
    Tick Advance();

    int Step() const { return step_; }      // ImportStep, 0 to 4
    int TickCount() const { return tick_; } // ImportTick
    int Progress() const;                   // the bar's position, 0 to 100
    bool IsOver() const { return over_; }
    int FailedStep() const { return failedStep_; } // -1 unless it failed
    const ImportState& State() const { return state_; }
    // Stores that step 3 copied, and those it left out because the data
    // folder has them already.
    int CopiedCount() const { return copied_; }
    int KeptCount() const { return kept_; }
    // The store files step 2 left out, by file name.
    const QStringList& LeftOut() const { return leftOut_; }
    // What to add to the closing message: the files left out, or nothing.
    QString LeftOutNote() const;

    // The percentage label's text for a bar position.
    static QString PercentText(int position);

private:
    bool StartWork();
    bool RunPendingUnit();
    bool FindOldFolder();
    bool EnumerateStores();
    bool PrepareStaging();
    bool StageAndUpgrade(int index);
    void CopyIntoDataFolder(int index);
    bool IsKept(const QString& fileName) const;
    Tick Fail();

    QString dataFolder_;
    QStringList keptCompanies_;
    ImportState state_;
    int step_ = 0;
    int tick_ = 0;
    bool over_ = false;
    int failedStep_ = -1;
    int copied_ = 0;
    int kept_ = 0;
    QStringList leftOut_;
    std::deque<int> pending_; // store indexes the current step still has to do
    int unitsTotal_ = 0;
    int unitsDone_ = 0;
};
