#include "core/store/EarlierStoreFile.h"

#include "core/store/StoreFileHeader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int kPageSize = EarlierStoreFile::kPageSize;
constexpr int kPageHeader = 8;                // right child, first cell, first free block
constexpr int kCellHeader = 12;               // left child, sizes, next cell
constexpr quint32 kLocalPayload = 236;        // payload bytes kept in a cell
constexpr int kOverflowBytes = kPageSize - 4; // payload bytes of an overflow page
constexpr int kMaxCells = (kPageSize - kPageHeader) / 16;
constexpr int kMaxDepth = 32;
constexpr quint32 kMaxRecord = 1u << 20; // no row of a store comes near this
constexpr int kMaxFreePerTrunk = 254;
constexpr int kMagicOffset = 56;
constexpr int kFreeHeadOffset = 60;
constexpr int kFreeCountOffset = 64;
constexpr int kFormatOffset = 72;
constexpr int kCatalogueRoot = 2;    // the page listing every table
constexpr int kCatalogueColumns = 5; // type, name, table name, root page, CREATE text
constexpr qint32 kKeySignBit = qint32(0x80000000u);

// Offsets of a record: 1, 2 or 3 bytes each, least significant first,
// the width chosen by the record's length.
quint32 RecordOffset(const char* at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | uchar(at[i]);
    return value;
}

// Splits a record of `size` bytes into its `columns` values; false when the
// record is not one of that many columns, or a text lacks its single zero.
bool DecodeRecord(const char* record, quint32 size, int columns, std::vector<EarlierStoreFile::Value>& values)
{
    const int width = size < 256 ? 1 : size < 65536 ? 2 : 3;
    if (size < quint32(width))
        return false;
    const quint32 first = RecordOffset(record, width);
    if (first % width != 0 || first / width != quint32(columns) + 1 || first > size)
        return false;
    values.clear();
    quint32 start = first;
    for (int i = 1; i <= columns; ++i) {
        const quint32 end = RecordOffset(record + i * width, width);
        if (end < start || end > size || (i == columns && end != size))
            return false;
        if (end == start) {
            values.push_back(std::nullopt);
        } else {
            const qsizetype length = qsizetype(end - start - 1);
            if (record[end - 1] != 0 || std::memchr(record + start, 0, size_t(length)))
                return false;
            values.push_back(QByteArrayView(record + start, length));
        }
        start = end;
    }
    return true;
}

// A root page number written as decimal text, 0 when it is not one.
quint32 PageNumberText(const EarlierStoreFile::Value& value)
{
    if (!value || value->isEmpty() || value->size() > 9)
        return 0;
    quint32 number = 0;
    for (char c : *value) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + quint32(c - '0');
    }
    return number;
}

} // namespace

bool EarlierStoreFile::Fail(const QString& problem)
{
    if (problem_.isEmpty())
        problem_ = problem;
    return false;
}

bool EarlierStoreFile::Damaged(const QString& detail)
{
    return Fail(QStringLiteral("it is damaged (%1)").arg(detail));
}

const uchar* EarlierStoreFile::Page(quint32 number) const
{
    return reinterpret_cast<const uchar*>(bytes_.constData()) + qsizetype(number - 1) * kPageSize;
}

quint32 EarlierStoreFile::U16(const uchar* at) const
{
    return bigEndian_ ? (quint32(at[0]) << 8 | at[1]) : (quint32(at[1]) << 8 | at[0]);
}

quint32 EarlierStoreFile::U32(const uchar* at) const
{
    return bigEndian_ ? (quint32(at[0]) << 24 | quint32(at[1]) << 16 | quint32(at[2]) << 8 | at[3])
                      : (quint32(at[3]) << 24 | quint32(at[2]) << 16 | quint32(at[1]) << 8 | at[0]);
}

// Marks `page` as met: it must lie inside the file (from `lowest` on) and
// must not have been met before, which stops every cycle and every page
// shared by two trees, chains or lists.
bool EarlierStoreFile::Visit(quint32 page, quint32 lowest, const char* what)
{
    if (page < lowest || page > pageCount_)
        return Damaged(QStringLiteral("%1 page %2 lies outside the file of %3 pages")
                           .arg(QLatin1String(what))
                           .arg(page)
                           .arg(pageCount_));
    if (visited_[page])
        return Damaged(QStringLiteral("page %1 is used twice").arg(page));
    visited_[page] = true;
    return true;
}

bool EarlierStoreFile::Parse(QByteArray bytes)
{
    bytes_ = std::move(bytes);
    payloads_.clear();
    tables_.clear();
    problem_.clear();
    visited_.clear();
    pageCount_ = 0;
    bool parsed = CheckPageOne();
    std::vector<Row> catalogue;
    if (parsed) {
        TreeWalk walk{kCatalogueColumns, &catalogue};
        parsed = WalkPage(kCatalogueRoot, 0, walk) && ReadTables(catalogue) && WalkFreeList();
    }
    if (!parsed) {
        tables_.clear();
        payloads_.clear();
    }
    return parsed;
}

bool EarlierStoreFile::CheckPageOne()
{
    if (bytes_.isEmpty() || bytes_.size() % kPageSize != 0)
        return Damaged(QStringLiteral("its size is not a whole number of pages: it was cut short, or something "
                                      "was added to it"));
    pageCount_ = quint32(bytes_.size() / kPageSize);
    if (pageCount_ < 2)
        return Damaged(QStringLiteral("it is shorter than any store"));
    const uchar* first = Page(1);
    if (std::memcmp(first, kStoreHeaderText, sizeof(kStoreHeaderText)) != 0)
        return Damaged(QStringLiteral("its header text is not the store header"));
    bigEndian_ = false;
    if (U32(first + kMagicOffset) != kStoreMagic) {
        bigEndian_ = true;
        if (U32(first + kMagicOffset) != kStoreMagic)
            return Damaged(QStringLiteral("its magic number is wrong"));
    }
    const quint32 format = U32(first + kFormatOffset);
    if (format == 0)
        return Fail(QStringLiteral("it holds no tables"));
    if (format < 3 || format > 4)
        return Fail(QStringLiteral("it was written by an engine generation this program doesn't read (file format "
                                   "%1)")
                        .arg(format));
    const quint32 freeHead = U32(first + kFreeHeadOffset);
    const quint32 freeCount = U32(first + kFreeCountOffset);
    if (freeCount > pageCount_ - 2 || (freeHead != 0 && (freeHead < 3 || freeHead > pageCount_)))
        return Damaged(QStringLiteral("its list of free pages lies outside the file"));
    visited_.assign(size_t(pageCount_) + 1, false);
    visited_[1] = true;
    return true;
}

// The cells of a tree page in key order, after checking that they and the
// free blocks fill the page exactly, without overlapping.
bool EarlierStoreFile::ReadCells(quint32 page, std::vector<Cell>& cells)
{
    const uchar* p = Page(page);
    std::array<bool, kPageSize> used{};
    auto claim = [&](int from, int size) {
        for (int i = from; i < from + size; ++i) {
            if (used[size_t(i)])
                return false;
            used[size_t(i)] = true;
        }
        return true;
    };
    claim(0, kPageHeader);
    const QString damaged = QStringLiteral("page %1 holds what no page may").arg(page);

    cells.clear();
    for (quint32 offset = U16(p + 4); offset != 0; offset = U16(p + offset + 6)) {
        if (int(cells.size()) == kMaxCells || offset % 4 != 0 || offset < kPageHeader || offset > kPageSize - 16)
            return Damaged(damaged);
        const uchar* c = p + offset;
        Cell cell;
        cell.offset = int(offset);
        cell.leftChild = U32(c);
        cell.keySize = U16(c + 4) + (quint32(c[8]) << 16);
        cell.dataSize = U16(c + 10) + (quint32(c[9]) << 16);
        const quint32 payload = cell.keySize + cell.dataSize;
        const quint32 size = payload <= kLocalPayload ? kCellHeader + ((payload + 3) & ~3u)
                                                      : kCellHeader + kLocalPayload + 4;
        if (offset + size > quint32(kPageSize) || !claim(int(offset), int(size)))
            return Damaged(damaged);
        cells.push_back(cell);
    }
    quint32 previous = 0;
    for (quint32 offset = U16(p + 6); offset != 0; offset = U16(p + offset + 2)) {
        if (offset % 4 != 0 || offset < kPageHeader || offset <= previous || offset > kPageSize - 4)
            return Damaged(damaged);
        const quint32 size = U16(p + offset);
        if (size < 4 || offset + size > quint32(kPageSize) || !claim(int(offset), int(size)))
            return Damaged(damaged);
        previous = offset;
    }
    for (bool byte : used)
        if (!byte)
            return Damaged(damaged);
    return true;
}

bool EarlierStoreFile::WalkPage(quint32 page, int depth, TreeWalk& walk)
{
    if (depth > kMaxDepth)
        return Damaged(QStringLiteral("a table's tree is deeper than any store's"));
    if (!Visit(page, kCatalogueRoot, "a tree"))
        return false;
    std::vector<Cell> cells;
    if (!ReadCells(page, cells))
        return false;
    const uchar* p = Page(page);
    const quint32 rightChild = U32(p);
    const bool leaf = rightChild == 0;
    for (const Cell& cell : cells)
        if ((cell.leftChild == 0) != leaf)
            return Damaged(QStringLiteral("page %1 holds what no page may").arg(page));
    if (leaf) {
        if (walk.leafDepth < 0)
            walk.leafDepth = depth;
        else if (walk.leafDepth != depth)
            return Damaged(QStringLiteral("page %1 holds what no page may").arg(page));
    } else if (cells.empty()) {
        return Damaged(QStringLiteral("page %1 holds what no page may").arg(page));
    }
    // Interior pages hold rows too: each cell's row comes after the rows
    // of its left child, and the right child's rows come last.
    for (const Cell& cell : cells) {
        if (!leaf && !WalkPage(cell.leftChild, depth + 1, walk))
            return false;
        if (!TakeEntry(p, cell, walk))
            return false;
    }
    return leaf || WalkPage(rightChild, depth + 1, walk);
}

bool EarlierStoreFile::TakeEntry(const uchar* page, const Cell& cell, TreeWalk& walk)
{
    if (cell.keySize != 4)
        return Damaged(QStringLiteral("a row has a key of %1 bytes").arg(cell.keySize));
    if (cell.dataSize > kMaxRecord)
        return Damaged(QStringLiteral("a row is longer than any store's: %1 bytes").arg(cell.dataSize));
    const quint32 payloadSize = cell.keySize + cell.dataSize;
    const char* payload = reinterpret_cast<const char*>(page + cell.offset + kCellHeader);
    if (payloadSize > kLocalPayload) {
        // The rest continues on exactly as many overflow pages as it needs,
        // the last one ending the chain.
        QByteArray whole(qsizetype(payloadSize), Qt::Uninitialized);
        std::memcpy(whole.data(), payload, kLocalPayload);
        quint32 copied = kLocalPayload;
        quint32 next = U32(page + cell.offset + kCellHeader + kLocalPayload);
        while (copied < payloadSize) {
            if (next == 0)
                return Damaged(QStringLiteral("a row ends before its last overflow page"));
            if (!Visit(next, kCatalogueRoot, "an overflow"))
                return false;
            const uchar* overflow = Page(next);
            const quint32 part = std::min<quint32>(kOverflowBytes, payloadSize - copied);
            std::memcpy(whole.data() + copied, overflow + 4, part);
            copied += part;
            next = U32(overflow);
        }
        if (next != 0)
            return Damaged(QStringLiteral("a row's overflow pages go on past its end"));
        payloads_.push_back(std::move(whole));
        payload = payloads_.back().constData();
    }
    const auto k = reinterpret_cast<const uchar*>(payload);
    const qint32 key = qint32(quint32(k[0]) << 24 | quint32(k[1]) << 16 | quint32(k[2]) << 8 | k[3]) ^ kKeySignBit;
    if (walk.anyKey && key <= walk.lastKey)
        return Damaged(QStringLiteral("the rows of a table are out of order"));
    walk.anyKey = true;
    walk.lastKey = key;
    std::vector<Value> values;
    if (!DecodeRecord(payload + 4, cell.dataSize, walk.columns, values))
        return Damaged(QStringLiteral("row %1 of a table does not fit its columns").arg(key));
    walk.rows->push_back(Row{key, payload + 4, cell.dataSize});
    return true;
}

bool EarlierStoreFile::ReadTables(const std::vector<Row>& catalogue)
{
    std::vector<Value> values;
    for (const Row& entry : catalogue) {
        DecodeRecord(entry.record, entry.size, kCatalogueColumns, values);
        if (!values[0])
            return Damaged(QStringLiteral("its list of tables does not read"));
        if (*values[0] != QByteArrayView("table"))
            continue; // indexes, views and triggers hold no rows of their own
        Table table;
        table.rootPage = PageNumberText(values[3]);
        std::optional<DeclaredTable> declared;
        if (values[1] && values[4])
            declared = ParseCreateTable(*values[4]);
        if (!declared || declared->name.isEmpty()
            || QByteArrayView(declared->name).compare(*values[1], Qt::CaseInsensitive) != 0)
            return Damaged(QStringLiteral("its list of tables does not read"));
        if (FindTable(declared->name))
            return Damaged(QStringLiteral("the table %1 is listed twice").arg(QString::fromLatin1(declared->name)));
        table.declared = std::move(*declared);
        TreeWalk walk{int(table.declared.columns.size()), &table.rows};
        if (!WalkPage(table.rootPage, 0, walk))
            return false;
        tables_.push_back(std::move(table));
    }
    return true;
}

// Free pages are not read for rows (they keep old, deleted rows), but
// walking their list finds damage the trees don't show.
bool EarlierStoreFile::WalkFreeList()
{
    const quint32 expected = U32(Page(1) + kFreeCountOffset);
    quint32 counted = 0;
    for (quint32 trunk = U32(Page(1) + kFreeHeadOffset); trunk != 0;) {
        if (!Visit(trunk, 3, "a free-list"))
            return false;
        ++counted;
        const uchar* p = Page(trunk);
        const quint32 listed = U32(p + 4);
        if (listed > kMaxFreePerTrunk)
            return Damaged(QStringLiteral("a page of its list of free pages lists too many"));
        for (quint32 i = 0; i < listed; ++i) {
            if (!Visit(U32(p + 8 + 4 * i), 3, "a free"))
                return false;
            ++counted;
        }
        trunk = U32(p);
    }
    if (counted != expected)
        return Damaged(QStringLiteral("its list of free pages doesn't match its count"));
    return true;
}

const EarlierStoreFile::Table* EarlierStoreFile::FindTable(QByteArrayView name) const
{
    for (const Table& table : tables_)
        if (QByteArrayView(table.declared.name).compare(name, Qt::CaseInsensitive) == 0)
            return &table;
    return nullptr;
}

void EarlierStoreFile::RowValues(const Table& table, const Row& row, std::vector<Value>& values, QByteArray& keyText)
{
    DecodeRecord(row.record, row.size, int(table.declared.columns.size()), values);
    const int key = table.declared.integerKey;
    if (key >= 0 && key < int(values.size())) {
        keyText = QByteArray::number(row.key);
        values[size_t(key)] = QByteArrayView(keyText);
    }
}
