#include "core/import/CsvTable.h"

#include "core/store/Windows1252Text.h"

#include <QStringDecoder>

namespace {

constexpr QChar kQuote = u'"';

// The separator of the first record: a semicolon when it has more of them
// than commas outside quotes, else a comma.
QChar DetectSeparator(const QString& text, qsizetype from)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == kQuote)
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\n' || c == u'\r')
            break;
        else if (c == u',')
            ++commas;
        else if (c == u';')
            ++semicolons;
    }
    return semicolons > commas ? QChar(u';') : QChar(u',');
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

QString DecodeCsvText(const QByteArray& bytes, QString* encoding)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (encoding)
            *encoding = QStringLiteral("UTF-8");
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    if (encoding)
        *encoding = QStringLiteral("Windows-1252");
    return DecodeWindows1252(bytes);
}

CsvTable ReadCsvTable(const QByteArray& bytes)
{
    CsvTable table;
    if (bytes.contains('\0')) {
        // UTF-16 ("Unicode text") and spreadsheet files themselves.
        table.error = QStringLiteral("The file is not a CSV text file. Save the spreadsheet as \"CSV UTF-8\" or "
                                     "\"CSV (comma delimited)\" and choose that file.");
        return table;
    }
    const QString text = DecodeCsvText(bytes, &table.encoding);

    int line = 1;
    qsizetype i = 0;
    // Excel's hint of the separator: "sep=;" on a line of its own.
    if (text.startsWith(QLatin1String("sep="), Qt::CaseInsensitive) && text.size() >= 5
        && (text.size() == 5 || text.at(5) == u'\r' || text.at(5) == u'\n')) {
        table.separator = text.at(4);
        i = 5;
        if (i < text.size() && text.at(i) == u'\r')
            ++i;
        if (i < text.size() && text.at(i) == u'\n')
            ++i;
        line = 2;
    } else {
        table.separator = DetectSeparator(text, 0);
    }
    const QChar separator = table.separator;

    bool haveHeader = false;
    CsvRow record;
    bool quoted = false;     // inside a quoted value
    bool afterQuote = false; // a quoted value ended; blanks up to the separator are dropped
    int recordLine = line;

    auto fail = [&](const QString& error, int errorLine) {
        table.error = error;
        table.errorLine = errorLine;
        table.rows.clear();
        return table;
    };
    auto tooManyColumns = [&] {
        return QStringLiteral("The header line has more than %L1 columns; a list of people has far fewer. Save "
                              "only the columns to import.")
            .arg(kMaxCsvColumns);
    };
    auto tooManyRows = [&] {
        return QStringLiteral("The file has more than %L1 rows; at most %L1 people are imported from one file. "
                              "Split it into files of fewer rows and import them one by one.")
            .arg(kMaxCsvRows);
    };
    auto endField = [&] {
        record.EndValue();
        afterQuote = false;
    };
    // False when the file holds more than a list of people.
    auto endRecord = [&] {
        endField();
        if (!record.IsBlank()) {
            if (!haveHeader) {
                table.header = record.Values();
                table.headerLine = recordLine;
                haveHeader = true;
            } else {
                if (table.rows.size() == size_t(kMaxCsvRows))
                    return false;
                table.rows.push_back(std::move(record));
                table.lines.push_back(recordLine);
            }
        }
        record = CsvRow();
        return true;
    };

    const qsizetype n = text.size();
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == kQuote) {
                if (i + 1 < n && text.at(i + 1) == kQuote) {
                    record.Append(kQuote);
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                    ++i;
                record.Append(u'\n');
                ++line;
            } else {
                record.Append(c);
            }
            continue;
        }
        if (c == separator) {
            endField();
            if (!haveHeader && record.size() > kMaxCsvColumns)
                return fail(tooManyColumns(), recordLine);
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            if (!endRecord())
                return fail(tooManyRows(), recordLine);
            if (table.header.size() > kMaxCsvColumns)
                return fail(tooManyColumns(), table.headerLine);
            ++line;
            recordLine = line;
        } else if (c == kQuote && !afterQuote && record.OpenValueIsBlank()) {
            record.ClearOpenValue(); // blanks before an opening quote
            quoted = true;
        } else if (afterQuote && IsBlank(c)) {
            continue;
        } else {
            // A quote inside an unquoted value, or text after a closing
            // quote, is kept as it stands.
            record.Append(c);
        }
    }
    if (quoted)
        return fail(QStringLiteral("A value in quotes that starts on line %1 has no closing quote (\"), so the "
                                   "rest of the file would be read as part of it.")
                        .arg(recordLine),
                    recordLine);
    if (!record.IsEmpty() && !endRecord())
        return fail(tooManyRows(), recordLine);
    if (table.header.size() > kMaxCsvColumns)
        return fail(tooManyColumns(), table.headerLine);
    if (!haveHeader)
        table.error = QStringLiteral("The file is empty: it holds no header line and no rows.");
    return table;
}

QByteArray WriteCsvRecords(const std::vector<QStringList>& records)
{
    QString text;
    for (const QStringList& record : records) {
        for (qsizetype f = 0; f < record.size(); ++f) {
            if (f > 0)
                text += u',';
            const QString& value = record.at(f);
            const bool quote = value.contains(u',') || value.contains(u';') || value.contains(kQuote)
                               || value.contains(u'\n') || value.contains(u'\r')
                               || (!value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back())));
            if (!quote) {
                text += value;
                continue;
            }
            QString escaped = value;
            escaped.replace(kQuote, QStringLiteral("\"\""));
            escaped.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
            text += kQuote + escaped + kQuote;
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
