#include "tests/support/EarlierStoreWriter.h"

#include "core/store/CompanyStore.h"
#include "core/store/RecordColumns.h"
#include "core/store/StoreFileHeader.h"

#include <cstring>
#include <deque>
#include <functional>

namespace {

constexpr int kPageSize = 1024;
constexpr int kPageHeader = 8;
constexpr int kCellHeader = 12;
constexpr int kLocalPayload = 236;
constexpr int kOverflowBytes = kPageSize - 4;

class FileBuilder {
public:
    explicit FileBuilder(const EarlierStoreOptions& options)
        : options_(options)
    {
        pages_.resize(2); // page 1, and page 2 kept for the table list
    }

    quint32 NewPage()
    {
        pages_.emplace_back(kPageSize, '\0');
        return quint32(pages_.size());
    }
    QByteArray& Page(quint32 number)
    {
        QByteArray& page = pages_[number - 1];
        if (page.isEmpty())
            page = QByteArray(kPageSize, '\0');
        return page;
    }

    void Put16(QByteArray& page, int at, quint32 value) const
    {
        const quint32 v = value & 0xFFFF;
        page[at] = char(options_.bigEndian ? v >> 8 : v);
        page[at + 1] = char(options_.bigEndian ? v : v >> 8);
    }
    void Put32(QByteArray& page, int at, quint32 value) const
    {
        for (int i = 0; i < 4; ++i)
            page[at + i] = char(value >> (options_.bigEndian ? 24 - 8 * i : 8 * i));
    }

    QByteArray Bytes()
    {
        QByteArray& first = Page(1);
        std::memcpy(first.data(), kStoreHeaderText, sizeof(kStoreHeaderText));
        Put32(first, 56, kStoreMagic);
        Put32(first, 68, 0x473); // the schema cookie: any value
        Put32(first, 72, options_.fileFormat);
        Page(2);
        QByteArray bytes;
        for (const QByteArray& page : pages_)
            bytes += page;
        return bytes;
    }

    const EarlierStoreOptions& Options() const { return options_; }

private:
    EarlierStoreOptions options_;
    std::deque<QByteArray> pages_; // references stay valid as pages are added
};

QByteArray Record(const std::vector<std::optional<QByteArray>>& values)
{
    qsizetype data = 0;
    for (const auto& value : values)
        data += value ? value->size() + 1 : 0;
    const qsizetype count = qsizetype(values.size()) + 1;
    int width = 1;
    while ((width == 1 && data + count >= 256) || (width == 2 && data + 2 * count >= 65536))
        ++width;
    QByteArray record;
    qsizetype offset = width * count;
    auto putOffset = [&](qsizetype value) {
        for (int i = 0; i < width; ++i)
            record += char(value >> (8 * i));
    };
    putOffset(offset);
    for (const auto& value : values) {
        offset += value ? value->size() + 1 : 0;
        putOffset(offset);
    }
    for (const auto& value : values)
        if (value)
            record += *value + '\0';
    return record;
}

struct Entry {
    QByteArray payload; // key + record
};

struct Item {
    quint32 leftChild; // 0 on a leaf
    const Entry* entry;
};

int CellSize(const Entry& entry)
{
    const int payload = int(entry.payload.size());
    return payload <= kLocalPayload ? kCellHeader + ((payload + 3) & ~3) : kCellHeader + kLocalPayload + 4;
}

class TreeBuilder {
public:
    explicit TreeBuilder(FileBuilder& file)
        : file_(file)
    {
    }

    // Builds the tree of `entries` (in key order); the root is `rootPage`
    // when given, else a new page. Returns the root.
    quint32 Build(const std::vector<Entry>& entries, quint32 rootPage)
    {
        std::vector<Item> items;
        for (const Entry& entry : entries)
            items.push_back({0, &entry});
        quint32 lastChild = 0;
        for (;;) {
            std::vector<std::vector<Item>> pages;
            std::vector<quint32> rightChildren;
            std::vector<Item> promoted;
            Pack(items, lastChild, pages, rightChildren, promoted);
            if (pages.size() == 1) {
                const quint32 root = rootPage ? rootPage : file_.NewPage();
                Write(root, pages[0], rightChildren[0]);
                return root;
            }
            std::vector<quint32> numbers;
            for (size_t i = 0; i < pages.size(); ++i) {
                numbers.push_back(file_.NewPage());
                Write(numbers.back(), pages[i], rightChildren[i]);
            }
            // One level up: each promoted entry follows the page before it.
            items.clear();
            for (size_t i = 0; i < promoted.size(); ++i)
                items.push_back({numbers[i], promoted[i].entry});
            lastChild = numbers.back();
        }
    }

private:
    // Fills pages in order; the item after a full page goes one level up,
    // the left child it had becomes that page's right child. The last page
    // keeps at least one item and takes `lastChild` as its right child.
    void Pack(const std::vector<Item>& items, quint32 lastChild, std::vector<std::vector<Item>>& pages,
              std::vector<quint32>& rightChildren, std::vector<Item>& promoted)
    {
        pages.emplace_back();
        int used = kPageHeader;
        for (size_t i = 0; i < items.size(); ++i) {
            const int size = CellSize(*items[i].entry);
            if (used + size <= kPageSize) {
                pages.back().push_back(items[i]);
                used += size;
                continue;
            }
            Item up = items[i];
            if (i + 1 == items.size()) {
                // Nothing would be left for the next page: the page's own
                // last item goes up instead, this one starts the next page.
                up = pages.back().back();
                pages.back().pop_back();
                --i;
            }
            rightChildren.push_back(up.leftChild);
            promoted.push_back(up);
            pages.emplace_back();
            used = kPageHeader;
        }
        rightChildren.push_back(lastChild);
    }

    void Write(quint32 number, const std::vector<Item>& cells, quint32 rightChild)
    {
        QByteArray& page = file_.Page(number);
        file_.Put32(page, 0, rightChild);
        int offset = kPageHeader;
        file_.Put16(page, 4, cells.empty() ? 0 : offset);
        for (size_t i = 0; i < cells.size(); ++i) {
            const Entry& entry = *cells[i].entry;
            const int size = CellSize(entry);
            const quint32 dataSize = quint32(entry.payload.size() - 4);
            file_.Put32(page, offset, cells[i].leftChild);
            file_.Put16(page, offset + 4, 4);
            file_.Put16(page, offset + 6, i + 1 < cells.size() ? offset + size : 0);
            page[offset + 8] = 0;
            page[offset + 9] = char(dataSize >> 16);
            file_.Put16(page, offset + 10, dataSize & 0xFFFF);
            const int local = std::min<int>(int(entry.payload.size()), kLocalPayload);
            std::memcpy(page.data() + offset + kCellHeader, entry.payload.constData(), size_t(local));
            if (entry.payload.size() > kLocalPayload) {
                file_.Put32(page, offset + kCellHeader + kLocalPayload,
                            WriteOverflow(entry.payload.mid(kLocalPayload)));
            }
            offset += size;
        }
        const int free = kPageSize - offset;
        file_.Put16(page, 6, free > 0 ? offset : 0);
        if (free > 0) {
            file_.Put16(page, offset, quint32(free));
            file_.Put16(page, offset + 2, 0);
        }
    }

    quint32 WriteOverflow(const QByteArray& rest)
    {
        std::vector<quint32> chain;
        for (qsizetype at = 0; at < rest.size(); at += kOverflowBytes)
            chain.push_back(file_.NewPage());
        for (size_t i = 0; i < chain.size(); ++i) {
            QByteArray& page = file_.Page(chain[i]);
            file_.Put32(page, 0, i + 1 < chain.size() ? chain[i + 1] : 0);
            const QByteArray part = rest.mid(qsizetype(i) * kOverflowBytes, kOverflowBytes);
            std::memcpy(page.data() + 4, part.constData(), size_t(part.size()));
        }
        return chain.front();
    }

    FileBuilder& file_;
};

QByteArray Key(qint32 key)
{
    const quint32 k = quint32(key) ^ 0x80000000u;
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(k >> (24 - 8 * i));
    return bytes;
}

QByteArray TableName(const QByteArray& definition)
{
    const qsizetype open = definition.indexOf('(');
    return definition.left(open).trimmed().split(' ').last();
}

using Values = std::vector<std::optional<QByteArray>>;

QByteArray Text(const QString& text)
{
    return EncodeWindows1252(text);
}

QByteArray Number(int value)
{
    return QByteArray::number(value);
}

// This edition's definition of a table, widths filled in.
QByteArray Definition(CompanyStore::QueryKind kind)
{
    QByteArray text = CompanyStore::TableDefinition(kind);
    if (text.endsWith(';'))
        text.chop(1);
    return text;
}

// The values of a record's row, in its table's column order (the key as
// the row number).
template <class Record>
Values ColumnValues(const Record& record)
{
    Values values;
    VisitColumns(record, [&](const ColumnSpec& column, const auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        if (column.role == ColumnRole::Key)
            values.push_back(std::nullopt); // the row number
        else if constexpr (kIsIntegerColumn<Field>)
            values.push_back(Number(field));
        else if constexpr (kIsCompanyIdColumn<Field>)
            values.push_back(Number(Field::kValue));
        else if constexpr (kIsUnusedColumn<Field>)
            values.push_back(QByteArray());
        else
            values.push_back(Text(field.Text()));
    });
    return values;
}

// The rows of a table of records, each under its id.
template <class Record>
EarlierTableRows TableRows(CompanyStore::QueryKind kind, const std::vector<Record>& records, int Record::*id)
{
    EarlierTableRows table{Definition(kind), {}};
    for (const Record& record : records)
        table.rows.push_back({record.*id, ColumnValues(record)});
    return table;
}

} // namespace

QString EarlierStoreFixture(const QString& fileName)
{
    return QStringLiteral(FORMLARK_LEGACY_STORES "/") + fileName;
}

QByteArray EncodeWindows1252(const QString& text)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QByteArray bytes;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        char byte = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
            byte = char(u);
        for (int i = 0; i < 32; ++i)
            if (high[i] == u)
                byte = char(0x80 + i);
        bytes += byte;
    }
    return bytes;
}

QByteArray WriteEarlierStoreBytes(const QList<EarlierTableRows>& tables, const EarlierStoreOptions& options)
{
    FileBuilder file(options);
    // The tables first, so their roots are known to the table list.
    std::vector<Entry> catalogue;
    qint32 number = 0;
    for (const EarlierTableRows& table : tables) {
        std::vector<Entry> entries;
        for (const auto& [key, values] : table.rows)
            entries.push_back({Key(key) + Record(values)});
        const quint32 root = TreeBuilder(file).Build(entries, 0);
        const QByteArray name = TableName(table.definition);
        catalogue.push_back(
            {Key(++number) + Record({QByteArray("table"), name, name, QByteArray::number(root), table.definition})});
    }
    TreeBuilder(file).Build(catalogue, 2);
    return file.Bytes();
}

QByteArray EarlierStoreOf(const CompanyData& data, const EarlierStoreOptions& options)
{
    return WriteEarlierStoreBytes(EarlierTablesOf(data), options);
}

QList<EarlierTableRows> EarlierTablesOf(const CompanyData& data)
{
    QList<EarlierTableRows> tables;
    tables.push_back({"CREATE TABLE Version(FormlarkVersion NVARCHAR(16))", {{1, {QByteArray("1")}}}});

    tables.push_back(TableRows(CompanyStore::kCompanyQuery, std::vector<CompanyRecord>{data.company},
                               &CompanyRecord::CompanyUniqueID));
    tables.back().rows.front().first = 1;
    tables.push_back(TableRows(CompanyStore::kEmployeesQuery, data.employees, &EmployeeRecord::EmployeeUniqueID));
    tables.push_back(
        TableRows(CompanyStore::kContractorsQuery, data.contractors, &ContractorRecord::ContractorUniqueID));
    tables.push_back(TableRows(CompanyStore::kW2Query, data.w2s, &W2Record::W2UniqueID));
    tables.push_back(TableRows(CompanyStore::kForm1099Query, data.forms1099, &Form1099Record::Form1099UniqueID));
    tables.push_back({Definition(CompanyStore::kW3Query), {}});
    tables.push_back({Definition(CompanyStore::kForm1096Query), {}});
    return tables;
}
