#pragma once

#include "core/print/PagePrimitives.h"
#include "core/print/PrintAlignment.h"
#include "core/records/EmployerBlock.h"
#include "core/records/FormBoxes.h"
#include "core/store/AmountField.h"

#include <span>
#include <vector>

// Writes the values of one form onto a page at the points of its table,
// every position moved down by the form's shift on the sheet. `rooms` gives,
// by point, the width a value may take there (0 or missing: no limit).
class FormWriter {
public:
    FormWriter(Page& page, const PointTable& table, const PageFont& font, TextBackground background, int shiftDown,
               std::span<const int> rooms = {})
        : page_(page)
        , table_(table)
        , font_(font)
        , background_(background)
        , shift_(shiftDown)
        , rooms_(rooms)
    {
    }

    // A text at point `index`, moved a further `extraDown`; written as it
    // is, even when empty.
    void Text(int index, const QString& text, int extraDown = 0)
    {
        const QPoint& p = table_[index];
        const int room = index < int(rooms_.size()) ? rooms_[size_t(index)] : 0;
        page_.AddText(QPoint(p.x(), p.y() + shift_ + extraDown), text, font_, background_, TextAnchor::TopLeft, room);
    }

    // An amount: left off when it is exactly "0.00".
    void Amount(int index, const QString& text)
    {
        if (!IsZeroAmountText(text))
            Text(index, text);
    }
    // A money box: in its two-decimal form, left off when it is zero or
    // empty; one that does not read as an amount as it is stored.
    void Amount(int index, const AmountField& amount) { AmountDown(index, amount, 0); }

    // A check mark: the lines a-b and c-d, moved a further `extraDown`.
    void Mark(int a, int b, int c, int d, int extraDown = 0)
    {
        Line(a, b, extraDown);
        Line(c, d, extraDown);
    }
    // The mark of the four points from `first` on.
    void Mark(int first, int extraDown = 0) { Mark(first, first + 1, first + 2, first + 3, extraDown); }

    // The boxes of a form's table that print, each as its row says, in the
    // order of the table; `print` may leave a box out (nullptr: none).
    template <class Box>
    void Boxes(const std::vector<Box>& boxes, const typename Box::Row& row, bool (*print)(const Box&) = nullptr)
    {
        for (const Box& box : boxes) {
            if (box.point < 0 || (print && !print(box)))
                continue;
            switch (box.print) {
            case BoxPrint::None:
                break;
            case BoxPrint::Text:
            case BoxPrint::Joined:
                Text(box.point, box.PrintedText(row), box.printDown);
                break;
            case BoxPrint::Amount:
                AmountDown(box.point, box.Amount(row.form), box.printDown);
                break;
            case BoxPrint::Mark:
                if (box.IsChecked(row))
                    Mark(box.point, box.printDown);
                break;
            }
        }
    }

    // The company's boxes of `form`, each as the employer block says.
    void Company(const CompanyRecord& company, CompanyForm form);

private:
    void AmountDown(int index, const AmountField& amount, int extraDown)
    {
        if (!amount.IsReadable() || amount.Cents() != 0)
            Text(index, amount.Shown(), extraDown);
    }
    void Line(int from, int to, int extraDown)
    {
        const QPoint dy(0, shift_ + extraDown);
        page_.AddLine(table_[from] + dy, table_[to] + dy);
    }

    Page& page_;
    const PointTable& table_;
    PageFont font_;
    TextBackground background_;
    int shift_;
    std::span<const int> rooms_;
};

// "City, ST 12345", the address line of every form. An empty part goes
// with its separator: "City, 12345", "ST 12345", nothing at all for none.
inline QString CityStateZipLine(const QString& city, const QString& state, const QString& zip)
{
    const auto given = [](const QString& part) { return !part.trimmed().isEmpty(); };
    QString rest = given(state) ? state : QString();
    if (given(zip))
        rest += (rest.isEmpty() ? QString() : QStringLiteral(" ")) + zip;
    if (!given(city))
        return rest;
    return rest.isEmpty() ? city : city + QLatin1String(", ") + rest;
}

// The area code of a "(###) ###-####" number (its 2nd to 4th characters)
// and the rest of it (from its 6th character on: the blank and the number).
inline QString PhoneAreaCode(const QString& phone)
{
    return phone.mid(1, 3);
}

inline QString PhoneLocalNumber(const QString& phone)
{
    return phone.mid(5);
}
