#include "core/store/EarlierStoreReader.h"

#include "core/store/CompanyData.h"
#include "core/store/CompanyStore.h"
#include "core/store/EarlierStoreFile.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileNames.h"
#include "core/store/Windows1252Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace {

using Value = EarlierStoreFile::Value;

// The tables of a company in the order a load reads them.
constexpr CompanyStore::QueryKind kReadings[] = {
    CompanyStore::kCompanyQuery, CompanyStore::kEmployeesQuery, CompanyStore::kContractorsQuery,
    CompanyStore::kW2Query,      CompanyStore::kForm1099Query,  CompanyStore::kW3Query,
    CompanyStore::kForm1096Query,
};

// The earlier engine deletes its journal when a change is complete; one
// that is left means the file may hold half of a change, which only that
// engine can take back. An empty one holds nothing to take back.
bool JournalLeftBeside(const QString& path)
{
    const QFileInfo journal(StoreCompanionPath(path, StoreFileRole::Journal));
    return journal.exists() && (!journal.isFile() || journal.size() > 0);
}

void SetProblem(QString* problem, const QString& text)
{
    if (problem)
        *problem = text;
}

// Where each column of this edition's reading of `kind` stands in `table`;
// empty with `problem` set when a column (or the id as row number) is
// missing.
std::vector<int> MatchColumns(CompanyStore::QueryKind kind, const EarlierStoreFile::Table& table,
                              const CompanyStore::ReadingColumns& reading, QString& problem)
{
    const QString tableName = QString::fromLatin1(reading.table);
    // The id of every table is its row number, as in this edition's stores.
    const auto ours = ParseCreateTable(CompanyStore::TableDefinition(kind));
    if (ours && ours->integerKey >= 0) {
        const QByteArray& id = ours->columns.at(ours->integerKey);
        if (table.declared.integerKey < 0 || table.declared.ColumnIndex(id) != table.declared.integerKey) {
            problem = QStringLiteral("its table %1 does not number its rows by %2")
                          .arg(tableName, QString::fromLatin1(id));
            return {};
        }
    }
    std::vector<int> indexes;
    for (const QByteArray& column : reading.columns) {
        const int index = table.declared.ColumnIndex(column);
        if (index < 0) {
            problem = QStringLiteral("its table %1 has no column %2").arg(tableName, QString::fromLatin1(column));
            return {};
        }
        indexes.push_back(index);
    }
    return indexes;
}

} // namespace

bool ReadEarlierStoreBytes(const QByteArray& bytes, CompanyData& data, QString* problem)
{
    EarlierStoreFile file;
    if (!file.Parse(bytes)) {
        SetProblem(problem, file.Problem());
        return false;
    }
    CompanyData read;
    // Only turns rows into records: no store file is opened.
    CompanyStore collector;
    collector.SetTargets(&read.company, &read.employees, &read.contractors, &read.w2s, &read.forms1099, &read.w3s,
                         &read.form1096);
    std::vector<Value> values;
    QByteArray keyText;
    for (CompanyStore::QueryKind kind : kReadings) {
        const CompanyStore::ReadingColumns reading = CompanyStore::ReadingColumnsOf(kind);
        const EarlierStoreFile::Table* table = file.FindTable(reading.table);
        if (!table) {
            SetProblem(problem, QStringLiteral("it has no table %1").arg(QString::fromLatin1(reading.table)));
            return false;
        }
        QString mismatch;
        const std::vector<int> indexes = MatchColumns(kind, *table, reading, mismatch);
        if (indexes.empty()) {
            SetProblem(problem, mismatch);
            return false;
        }
        const int count = int(indexes.size());
        std::vector<QByteArray> texts(static_cast<size_t>(count));
        std::vector<char*> row(size_t(count), nullptr);
        collector.CollectRows(kind, [&](const CompanyStore::RowSink& sink) {
            for (const EarlierStoreFile::Row& stored : table->rows) {
                EarlierStoreFile::RowValues(*table, stored, values, keyText);
                for (int i = 0; i < count; ++i) {
                    const Value& value = values[size_t(indexes[size_t(i)])];
                    if (!value) {
                        row[size_t(i)] = nullptr;
                        continue;
                    }
                    texts[size_t(i)] = DecodeWindows1252(*value).toUtf8();
                    row[size_t(i)] = texts[size_t(i)].data();
                }
                sink(count, row.data());
            }
        });
    }
    data = std::move(read);
    return true;
}

bool ReadEarlierStore(const QString& path, CompanyData& data, QString* problem)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString changing = QStringLiteral("The company file \"%1\" was being changed when the earlier "
                                            "edition stopped; open it once in that edition, or restore a backup")
                                 .arg(file);
    // Neither the store nor its journal is ever touched here.
    if (JournalLeftBeside(path)) {
        SetProblem(problem, changing);
        return false;
    }
    QFile store(path);
    if (!store.open(QIODevice::ReadOnly)) {
        SetProblem(problem,
                   QStringLiteral("The company file \"%1\" could not be read: %2.").arg(file, store.errorString()));
        return false;
    }
    const qint64 size = store.size();
    QString why;
    bool read = false;
    if (size > kEarlierStoreMaxSize) {
        why = QStringLiteral("it is larger than any company file");
    } else {
        const QByteArray bytes = store.readAll();
        if (bytes.size() != size)
            why = QStringLiteral("it could not be read whole");
        else
            read = ReadEarlierStoreBytes(bytes, data, &why);
    }
    // A change that began while the file was read.
    if (read && JournalLeftBeside(path)) {
        SetProblem(problem, changing);
        return false;
    }
    if (!read)
        SetProblem(problem, QStringLiteral("The company file \"%1\" of an earlier edition of the program can't be "
                                           "read: %2. Nothing was changed.")
                                .arg(file, why));
    return read;
}
