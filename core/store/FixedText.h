#pragma once

#include <QString>

// A record text field of fixed capacity. The capacity counts the terminator
// of the stored form, so a field of capacity N holds at most N - 1 characters;
// anything longer is cut on assignment, so no path can overfill a field.
class FixedTextBase {
public:
    const QString& Text() const { return text_; }
    operator const QString&() const { return text_; }
    bool IsEmpty() const { return text_.isEmpty(); }
    int Length() const { return int(text_.size()); }
    bool operator==(const FixedTextBase& other) const { return text_ == other.text_; }
    bool operator==(const QString& other) const { return text_ == other; }

protected:
    void AssignCut(const QString& text, int maxChars);
    QString text_;
};

// Cuts `text` to at most `maxChars` characters without splitting a
// surrogate pair.
QString CutToCharacters(const QString& text, int maxChars);

template <int Capacity>
class FixedText : public FixedTextBase {
    static_assert(Capacity >= 1, "a field holds at least its terminator");

public:
    static constexpr int kCapacity = Capacity;
    static constexpr int kMaxChars = Capacity - 1;

    FixedText() = default;
    FixedText(const QString& text) { AssignCut(text, kMaxChars); }
    FixedText(const char* text) { AssignCut(QString::fromUtf8(text), kMaxChars); }
    FixedText& operator=(const QString& text)
    {
        AssignCut(text, kMaxChars);
        return *this;
    }
    FixedText& operator=(const char* text)
    {
        AssignCut(QString::fromUtf8(text), kMaxChars);
        return *this;
    }
    void Clear() { text_.clear(); }
};
