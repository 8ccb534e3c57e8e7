#include "core/store/EarlierStoreReader.h"

#include "core/store/CompanyData.h"
#include "core/store/RecordColumns.h"
#include "core/store/EarlierStoreFile.h"
#include "core/store/StoreFileKind.h"
#include "core/store/StoreFileNames.h"
#include "core/store/Windows1252Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <vector>

namespace {

using Value = EarlierStoreFile::Value;

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

// The bytes the earlier editions' code page leaves without a character.
bool HasUnmappedByte(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            return true;
    }
    return false;
}

// Reads the table of `Record` into `records`: the table is found by name,
// its columns by name (any letter case, any order), its row number is the
// id. False with `problem` set when the table, its numbering or a column
// is missing.
template <class Record>
bool ReadTable(const EarlierStoreFile& file, std::vector<Record>& records, StoredValueChanges* changes,
               QString& problem)
{
    const QByteArray tableName = TableOf<Record>::kName;
    const EarlierStoreFile::Table* table = file.FindTable(tableName);
    if (!table) {
        problem = QStringLiteral("it has no table %1").arg(QString::fromLatin1(tableName));
        return false;
    }
    // The id of every table is its row number, as in this edition's stores.
    Record layout;
    QByteArray key;
    VisitColumns(layout, [&](const ColumnSpec& column, const auto&) {
        if (column.role == ColumnRole::Key)
            key = column.name;
    });
    if (table->declared.integerKey < 0 || table->declared.ColumnIndex(key) != table->declared.integerKey) {
        problem = QStringLiteral("its table %1 does not number its rows by %2")
                      .arg(QString::fromLatin1(tableName), QString::fromLatin1(key));
        return false;
    }
    const QList<QByteArray> names = ReadColumnNames<Record>();
    std::vector<int> indexes;
    for (const QByteArray& column : names) {
        const int index = table->declared.ColumnIndex(column);
        if (index < 0) {
            problem = QStringLiteral("its table %1 has no column %2")
                          .arg(QString::fromLatin1(tableName), QString::fromLatin1(column));
            return false;
        }
        indexes.push_back(index);
    }
    const int count = int(indexes.size());
    std::vector<Value> values;
    QByteArray keyText;
    std::vector<QByteArray> texts(static_cast<size_t>(count));
    std::vector<const char*> row(size_t(count), nullptr);
    records.reserve(table->rows.size());
    for (const EarlierStoreFile::Row& stored : table->rows) {
        EarlierStoreFile::RowValues(*table, stored, values, keyText);
        bool unmapped = false;
        for (int i = 0; i < count; ++i) {
            const Value& value = values[size_t(indexes[size_t(i)])];
            if (!value) {
                row[size_t(i)] = nullptr;
                continue;
            }
            unmapped = unmapped || (changes && HasUnmappedByte(*value));
            texts[size_t(i)] = DecodeWindows1252(*value).toUtf8();
            row[size_t(i)] = texts[size_t(i)].constData();
        }
        records.push_back(RecordFromRow<Record>(row.data(), count, changes));
        if (!unmapped)
            continue;
        for (int i = 0; i < count; ++i) {
            const Value& value = values[size_t(indexes[size_t(i)])];
            if (value && HasUnmappedByte(*value))
                changes->push_back({StoredValueChange::Kind::Unmapped, QString::fromLatin1(tableName),
                                    row[0] ? std::atoi(row[0]) : 0, // the key comes first
                                    QString::fromLatin1(names[i]), DecodeWindows1252(*value),
                                    DecodeWindows1252(*value)});
        }
    }
    return true;
}

// The table whose rows make one record.
template <class Record>
bool ReadSingleRow(const EarlierStoreFile& file, Record& record, StoredValueChanges* changes, QString& problem)
{
    std::vector<Record> rows;
    if (!ReadTable(file, rows, changes, problem))
        return false;
    if (!rows.empty())
        record = rows.back();
    return true;
}

} // namespace

bool ReadEarlierStoreBytes(const QByteArray& bytes, CompanyData& data, QString* problem, StoredValueChanges* changes)
{
    EarlierStoreFile file;
    if (!file.Parse(bytes)) {
        SetProblem(problem, file.Problem());
        return false;
    }
    CompanyData read;
    StoredValueChanges found;
    StoredValueChanges* noted = changes ? &found : nullptr;
    QString why;
    const bool complete = ReadSingleRow(file, read.company, noted, why) && ReadTable(file, read.employees, noted, why)
                          && ReadTable(file, read.contractors, noted, why) && ReadTable(file, read.w2s, noted, why)
                          && ReadTable(file, read.forms1099, noted, why) && ReadTable(file, read.w3s, noted, why)
                          && ReadSingleRow(file, read.form1096, noted, why);
    if (!complete) {
        SetProblem(problem, why);
        return false;
    }
    // The store's company is always company 1; one 1099-MISC per contractor.
    read.company.CompanyUniqueID = 1;
    KeepFirstFormOfEachOwner(read.forms1099);
    data = std::move(read);
    if (changes)
        *changes = std::move(found);
    return true;
}

bool ReadEarlierStore(const QString& path, CompanyData& data, QString* problem, StoredValueChanges* changes)
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
            read = ReadEarlierStoreBytes(bytes, data, &why, changes);
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
