#include "core/store/DeclaredTable.h"

#include <QByteArrayList>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

char ClosingQuote(char c)
{
    switch (c) {
    case '"':
        return '"';
    case '\'':
        return '\'';
    case '`':
        return '`';
    case '[':
        return ']';
    default:
        return 0;
    }
}

bool SameWord(QByteArrayView word, QByteArrayView keyword)
{
    return word.compare(keyword, Qt::CaseInsensitive) == 0;
}

// A name without the quotes around it.
QByteArray Unquoted(QByteArrayView word)
{
    if (word.size() >= 2 && ClosingQuote(word.front()) != 0 && word.back() == ClosingQuote(word.front()))
        return word.sliced(1, word.size() - 2).toByteArray();
    return word.toByteArray();
}

// The words of one definition: quoted names, and runs of other characters
// up to a blank, with a parenthesised part ("NVARCHAR(10, 2)") kept in its
// word. nullopt for an unclosed quote or parenthesis.
std::optional<QList<QByteArrayView>> Words(QByteArrayView text)
{
    QList<QByteArrayView> words;
    qsizetype i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        if (const char close = ClosingQuote(text[i])) {
            const qsizetype end = text.indexOf(close, i + 1);
            if (end < 0)
                return std::nullopt;
            i = end + 1;
        } else {
            int depth = 0;
            while (i < text.size() && (depth > 0 || !IsBlank(text[i]))) {
                if (text[i] == '(')
                    ++depth;
                else if (text[i] == ')' && --depth < 0)
                    return std::nullopt;
                ++i;
            }
            if (depth != 0)
                return std::nullopt;
        }
        words.push_back(text.sliced(start, i - start));
    }
    return words;
}

// The definitions between the outer parentheses, split at the commas that
// stand outside parentheses and quotes.
std::optional<QList<QByteArrayView>> Definitions(QByteArrayView body)
{
    QList<QByteArrayView> pieces;
    int depth = 0;
    char quote = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (const char close = ClosingQuote(c)) {
            quote = close;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth < 0)
                return std::nullopt;
        } else if (c == ',' && depth == 0) {
            pieces.push_back(body.sliced(start, i - start));
            start = i + 1;
        }
    }
    if (quote || depth != 0)
        return std::nullopt;
    pieces.push_back(body.sliced(start));
    return pieces;
}

bool IsTableConstraint(QByteArrayView word)
{
    for (const char* keyword : {"PRIMARY", "UNIQUE", "CHECK", "CONSTRAINT", "FOREIGN"})
        if (SameWord(word, keyword))
            return true;
    return false;
}

bool IsColumnConstraint(QByteArrayView word)
{
    for (const char* keyword :
         {"PRIMARY", "NOT", "NULL", "UNIQUE", "CHECK", "DEFAULT", "COLLATE", "CONSTRAINT", "REFERENCES"})
        if (SameWord(word, keyword))
            return true;
    return false;
}

} // namespace

int DeclaredTable::ColumnIndex(QByteArrayView column) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (QByteArrayView(columns[i]).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

std::optional<DeclaredTable> ParseCreateTable(QByteArrayView sql)
{
    const qsizetype open = sql.indexOf('(');
    const qsizetype close = sql.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    // Nothing but blanks after the definitions (and the ";" ending a statement).
    for (qsizetype i = close + 1; i < sql.size(); ++i)
        if (!IsBlank(sql[i]) && !(sql[i] == ';' && i == sql.size() - 1))
            return std::nullopt;

    // CREATE [TEMP | TEMPORARY] TABLE name
    const auto head = Words(sql.first(open));
    if (!head || head->size() < 3 || !SameWord(head->at(0), "CREATE"))
        return std::nullopt;
    qsizetype next = 1;
    if (SameWord(head->at(next), "TEMP") || SameWord(head->at(next), "TEMPORARY"))
        ++next;
    if (next + 2 != head->size() || !SameWord(head->at(next), "TABLE"))
        return std::nullopt;

    DeclaredTable table;
    table.name = Unquoted(head->at(next + 1));
    const auto definitions = Definitions(sql.sliced(open + 1, close - open - 1));
    if (table.name.isEmpty() || !definitions)
        return std::nullopt;
    for (QByteArrayView definition : *definitions) {
        const auto words = Words(definition);
        if (!words || words->isEmpty())
            return std::nullopt;
        if (IsTableConstraint(words->front()))
            continue;
        const QByteArray name = Unquoted(words->front());
        if (name.isEmpty() || table.ColumnIndex(name) >= 0)
            return std::nullopt;
        qsizetype i = 1;
        while (i < words->size() && !IsColumnConstraint(words->at(i)))
            ++i;
        const bool integerType = i == 2 && SameWord(words->at(1), "INTEGER");
        bool primaryKey = false;
        for (qsizetype k = i; k + 1 < words->size(); ++k)
            primaryKey = primaryKey || (SameWord(words->at(k), "PRIMARY") && SameWord(words->at(k + 1), "KEY"));
        if (integerType && primaryKey) {
            if (table.integerKey >= 0)
                return std::nullopt;
            table.integerKey = int(table.columns.size());
        }
        table.columns.push_back(name);
    }
    if (table.columns.isEmpty())
        return std::nullopt;
    return table;
}
