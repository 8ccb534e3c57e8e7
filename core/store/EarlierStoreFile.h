#pragma once

#include "core/store/DeclaredTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

// The tables of a company store of the earlier Windows editions, read from
// the bytes of the whole file by this program alone (no engine of that
// generation is involved, and nothing is ever written).
//
// The file is a row of 1024-byte pages. Page 1 holds the header text, the
// magic number 0xDAE37528 (whose byte order at offset 56 is the order of
// every page-structure number in the file), the head and size of the list
// of free pages and the file format number. Every table is a tree of pages
// whose interior pages hold rows too; page 2 is the root of the table that
// lists the others with their root page and their CREATE TABLE text. A row
// is a 4-byte key (the row number, big-endian with the top bit flipped) and
// a record of zero-terminated texts or NULLs; what does not fit into its
// cell continues on a chain of overflow pages.
//
// Nothing in such a file is protected by a checksum, so everything is
// checked before it is trusted: every page number lies inside the file, no
// page is met twice (so no cycle can loop), every offset stays inside its
// page, cells and free blocks fill their page exactly, keys ascend, every
// record has exactly its table's columns, chains have exactly the pages
// their entry needs, and the free list matches its count. A file that fails
// any check is refused whole: no half of a company is ever read.
class EarlierStoreFile {
public:
    static constexpr int kPageSize = 1024;

    struct Row {
        qint32 key;         // the row number
        const char* record; // the row's record, inside this object
        quint32 size;
    };
    struct Table {
        DeclaredTable declared;
        quint32 rootPage = 0;
        std::vector<Row> rows; // in ascending row number
    };
    // One value of a row: nullopt for NULL, else the text without its zero.
    using Value = std::optional<QByteArrayView>;

    EarlierStoreFile() = default;
    EarlierStoreFile(const EarlierStoreFile&) = delete;
    EarlierStoreFile& operator=(const EarlierStoreFile&) = delete;

    // Reads every table of `bytes`, the whole file. False when anything is
    // damaged, with the reason in Problem(); then no table is kept.
    bool Parse(QByteArray bytes);
    const QString& Problem() const { return problem_; }

    // The tables in the order the file lists them.
    const std::vector<Table>& Tables() const { return tables_; }
    // The table `name` (any letter case), or nullptr.
    const Table* FindTable(QByteArrayView name) const;

    // The values of `row` in column order, its row number (as decimal text,
    // kept in `keyText`) in place of the INTEGER PRIMARY KEY column.
    static void RowValues(const Table& table, const Row& row, std::vector<Value>& values, QByteArray& keyText);

private:
    struct Cell {
        int offset;
        quint32 leftChild;
        quint32 keySize;
        quint32 dataSize;
    };
    struct TreeWalk {
        int columns;
        std::vector<Row>* rows;
        int leafDepth = -1;
        bool anyKey = false;
        qint32 lastKey = 0;
    };

    bool Fail(const QString& problem);
    bool Damaged(const QString& detail);
    const uchar* Page(quint32 number) const;
    quint32 U16(const uchar* at) const;
    quint32 U32(const uchar* at) const;
    bool Visit(quint32 page, quint32 lowest, const char* what);
    bool CheckPageOne();
    bool WalkPage(quint32 page, int depth, TreeWalk& walk);
    bool ReadCells(quint32 page, std::vector<Cell>& cells);
    bool TakeEntry(const uchar* page, const Cell& cell, TreeWalk& walk);
    bool ReadTables(const std::vector<Row>& masterRows);
    bool WalkFreeList();

    QByteArray bytes_;
    std::deque<QByteArray> payloads_; // entries assembled from overflow chains
    std::vector<Table> tables_;
    QString problem_;
    quint32 pageCount_ = 0;
    bool bigEndian_ = false;
    std::vector<bool> visited_;
};
