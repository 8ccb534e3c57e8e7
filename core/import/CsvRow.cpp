#include "core/import/CsvRow.h"

namespace {

constexpr QChar kEnd = QChar(0);

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

CsvRow::CsvRow(const QStringList& values)
{
    for (const QString& value : values) {
        text_ += value;
        EndValue();
    }
}

bool CsvRow::IsBlank() const
{
    for (QChar c : text_)
        if (c != kEnd && !::IsBlank(c))
            return false;
    return true;
}

QStringList CsvRow::Values(qsizetype count) const
{
    QStringList values;
    if (count < 0 || count > count_)
        count = count_;
    values.reserve(count);
    qsizetype start = 0;
    while (values.size() < count) {
        const qsizetype end = text_.indexOf(kEnd, start);
        values << text_.mid(start, end - start);
        start = end + 1;
    }
    return values;
}

bool CsvRow::AnyValueFrom(qsizetype index) const
{
    qsizetype value = 0;
    for (QChar c : text_) {
        if (c == kEnd)
            ++value;
        else if (value >= index && !::IsBlank(c))
            return true;
    }
    return false;
}

void CsvRow::EndValue()
{
    text_ += kEnd;
    ++count_;
    openStart_ = text_.size();
}

bool CsvRow::OpenValueIsBlank() const
{
    for (qsizetype i = openStart_; i < text_.size(); ++i)
        if (!::IsBlank(text_.at(i)))
            return false;
    return true;
}

void CsvRow::ClearOpenValue()
{
    text_.truncate(openStart_);
}
