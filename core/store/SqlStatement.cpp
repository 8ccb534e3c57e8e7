#include "core/store/SqlStatement.h"

#include <cstring>

SqlStatement::SqlStatement(const char* format)
    : next_(format)
{
    result_.reserve(qsizetype(std::strlen(format)) + 64);
}

QString SqlStatement::Escape(const QString& text)
{
    if (!text.contains(u'\''))
        return text;
    QString escaped = text;
    escaped.replace(u'\'', QStringLiteral("''"));
    return escaped;
}

bool SqlStatement::HasPlaceholder() const
{
    for (const char* p = next_; *p; ++p)
        if (p[0] == '%' && (p[1] == 's' || p[1] == 'd'))
            return true;
    return false;
}

// Copies the format up to the next placeholder and steps over it.
void SqlStatement::AppendUntilPlaceholder(char kind)
{
    const char* p = next_;
    while (*p && !(p[0] == '%' && (p[1] == 's' || p[1] == 'd')))
        ++p;
    result_.append(next_, qsizetype(p - next_));
    if (*p) {
        if (p[1] != kind)
            mismatch_ = true;
        p += 2;
    } else {
        mismatch_ = true;
    }
    next_ = p;
}

SqlStatement& SqlStatement::Text(const QString& value)
{
    AppendUntilPlaceholder('s');
    result_.append(Escape(value).toUtf8());
    return *this;
}

SqlStatement& SqlStatement::Number(int value)
{
    AppendUntilPlaceholder('d');
    result_.append(QByteArray::number(value));
    return *this;
}

QByteArray SqlStatement::Utf8() const
{
    Q_ASSERT_X(!mismatch_, "SqlStatement", "value kind does not match its placeholder");
    QByteArray finished = result_;
    finished.append(next_);
    return finished;
}
