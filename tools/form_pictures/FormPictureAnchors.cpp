#include "tools/form_pictures/FormPictureAnchors.h"

#include <QMap>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace {

// One entry of a point table: index, position as built, and what is printed
// there (width in Courier characters; 0 for the corner of a mark line).
struct Entry {
    int Index;
    double X;
    double Y;
    int Chars;
    const char* What;
};

using Points = QMap<int, QPointF>;

Points Build(const QList<Entry>& table)
{
    Points points;
    for (const Entry& e : table)
        points[e.Index] = QPointF(e.X, e.Y);
    return points;
}

void Move(Points& points, int first, int last, double dx, double dy)
{
    for (int i = first; i <= last; ++i)
        if (points.contains(i))
            points[i] += QPointF(dx, dy);
}

void MoveAll(Points& points, double dx, double dy)
{
    for (QPointF& p : points)
        p += QPointF(dx, dy);
}

QRectF MarkBox(const Points& points, int first, QPointF shift)
{
    QPointF low = points.value(first) + shift;
    QPointF high = low;
    for (int i = first + 1; i < first + 4; ++i) {
        const QPointF p = points.value(i) + shift;
        low = QPointF(std::min(low.x(), p.x()), std::min(low.y(), p.y()));
        high = QPointF(std::max(high.x(), p.x()), std::max(high.y(), p.y()));
    }
    return QRectF(low, high);
}

// Adds the texts of a table, moved by `shift` (page position of the form
// minus the picture's top-left corner).
void AddTexts(PictureUse& use, const QList<Entry>& table, const Points& points, QPointF shift,
              const QString& prefix = {})
{
    for (const Entry& e : table) {
        if (e.Chars <= 0)
            continue;
        const QPointF p = points.value(e.Index) + shift;
        PictureText t;
        t.What = prefix + QString::fromLatin1(e.What);
        t.X = p.x();
        t.Y = p.y();
        t.Chars = e.Chars;
        use.Texts.append(t);
    }
}

PictureText ArialText(const QString& what, double x, double y, const QString& sample, double pt, bool bold)
{
    PictureText t;
    t.What = what;
    t.X = x;
    t.Y = y;
    t.Sample = sample;
    t.Font = QStringLiteral("Arial");
    t.PointSize = pt;
    t.Bold = bold;
    return t;
}

QRectF Corners(double x1, double y1, double x2, double y2)
{
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
}

// ---------------------------------------------------------------- W-2

const QList<Entry>& W2TableA()
{
    static const QList<Entry> table = {
        {0, 52, 36, 20, "a control number"},
        {1, 52, 123, 15, "b employer identification number"},
        {2, 52, 210, 30, "c employer's name"},
        {3, 52, 253, 30, "c address line 1"},
        {4, 52, 296, 30, "c address line 2"},
        {5, 52, 339, 36, "c city, state ZIP"},
        {8, 52, 463, 12, "d social security number"},
        {9, 52, 542, 23, "e first name and initial"},
        {11, 547, 542, 20, "e last name"},
        {12, 52, 629, 30, "f address line 1"},
        {13, 52, 716, 30, "f address line 2"},
        {14, 52, 803, 36, "f city, state ZIP"},
        {17, 1082, 123, 12, "box 1"},
        {18, 1542, 123, 12, "box 2"},
        {19, 1082, 207, 12, "box 3"},
        {20, 1542, 207, 12, "box 4"},
        {21, 1082, 293, 12, "box 5"},
        {22, 1542, 293, 12, "box 6"},
        {23, 1082, 376, 12, "box 7"},
        {24, 1542, 376, 12, "box 8"},
        {25, 1082, 462, 12, "box 9"},
        {26, 1542, 462, 12, "box 10"},
        {27, 1082, 546, 12, "box 11"},
        {28, 1514, 546, 4, "box 12a code"},
        {29, 1622, 546, 12, "box 12a amount"},
        {30, 1514, 633, 4, "box 12b code"},
        {31, 1622, 633, 12, "box 12b amount"},
        {32, 1514, 717, 4, "box 12c code"},
        {33, 1622, 717, 12, "box 12c amount"},
        {34, 1514, 796, 4, "box 12d code"},
        {35, 1622, 796, 12, "box 12d amount"},
        {36, 1117, 576, 0, ""},
        {37, 1136, 600, 0, ""},
        {38, 1136, 576, 0, ""},
        {39, 1117, 600, 0, ""},
        {40, 1244, 576, 0, ""},
        {41, 1263, 600, 0, ""},
        {42, 1263, 576, 0, ""},
        {43, 1244, 600, 0, ""},
        {44, 1374, 576, 0, ""},
        {45, 1393, 600, 0, ""},
        {46, 1393, 576, 0, ""},
        {47, 1374, 600, 0, ""},
        {48, 1082, 832, 14, "box 14 line 3"},
        {49, 50, 928, 2, "box 15 state, line 1"},
        {50, 50, 1002, 2, "box 15 state, line 2"},
        {51, 152, 928, 15, "employer's state ID, line 1"},
        {52, 152, 1002, 15, "employer's state ID, line 2"},
        {53, 577, 928, 12, "box 16, line 1"},
        {54, 577, 1002, 12, "box 16, line 2"},
        {55, 882, 928, 12, "box 17, line 1"},
        {56, 882, 1002, 12, "box 17, line 2"},
        {57, 1162, 928, 12, "box 18, line 1"},
        {58, 1162, 1002, 12, "box 18, line 2"},
        {59, 1472, 928, 12, "box 19, line 1"},
        {60, 1472, 1002, 12, "box 19, line 2"},
        {61, 1752, 928, 6, "box 20, line 1"},
        {62, 1752, 1002, 6, "box 20, line 2"},
        {63, 773, 1389, 0, ""},
        {64, 794, 1409, 0, ""},
        {65, 794, 1389, 0, ""},
        {66, 773, 1409, 0, ""},
    };
    return table;
}

// Table A with the blank-paper adjustments; with `laser`, also those of the
// complete Copy A substitute (printer margins of zero).
Points W2Points(bool laser)
{
    Points p = Build(W2TableA());
    Move(p, 36, 47, -7, 5);
    Move(p, 63, 66, -2, 7);
    MoveAll(p, 73, 50);
    if (laser) {
        MoveAll(p, 41, 47);
        Move(p, 63, 66, -10, 30);
        Move(p, 8, 8, 0, -5);
        Move(p, 21, 22, 0, -5);
    }
    return p;
}

void AddW2Form(PictureUse& use, const Points& points, QPointF shift, const QString& prefix)
{
    AddTexts(use, W2TableA(), points, shift, prefix);
    const QPointF line3 = points.value(48) + shift;
    for (int line = 1; line <= 2; ++line) {
        PictureText t;
        t.What = prefix + QStringLiteral("box 14 line %1").arg(line);
        t.X = line3.x();
        t.Y = line3.y() - (line == 1 ? 112 : 56);
        t.Chars = 14;
        use.Texts.append(t);
    }
    const QPointF markShift = shift + QPointF(0, 63);
    use.Marks.append({prefix + QStringLiteral("box 13 statutory employee"), MarkBox(points, 36, markShift)});
    use.Marks.append({prefix + QStringLiteral("box 13 retirement plan"), MarkBox(points, 40, markShift)});
    use.Marks.append({prefix + QStringLiteral("box 13 third-party sick pay"), MarkBox(points, 44, markShift)});
}

const QString kLongestW2Caption = QStringLiteral(
    "Copy C-For EMPLOYEE'S RECORDS. (See Notice to Employee on back of Copy B.)");

QList<PictureUse> W2Uses()
{
    QList<PictureUse> uses;
    const int H = 34;

    // Blank paper, copies 1, 2, B, C and D: the picture at (50, 59) and
    // (50, 1424); form k lower by k x 1364 + H.
    const Points blank = W2Points(false);
    for (int k = 0; k < 2; ++k) {
        const QPointF picture(50, k == 0 ? 59 : 1424);
        PictureUse use;
        use.Name = k == 0 ? QStringLiteral("W-2 blank copy, top form") : QStringLiteral("W-2 blank copy, bottom form");
        use.InstalledName = QStringLiteral("Help1.svg");
        use.Width = 1980;
        use.Height = 1340;
        AddW2Form(use, blank, QPointF(0, k * 1364 + H) - picture, {});
        const QPointF caption = QPointF(930, k == 0 ? 94 : 1458) - picture;
        use.Texts.append(
            ArialText(QStringLiteral("copy caption"), caption.x(), caption.y(), kLongestW2Caption, 7, true));
        if (k == 1)
            use.Marks.append({QStringLiteral("empty-form mark"), MarkBox(blank, 63, QPointF(0, H) - picture)});
        uses.append(use);
    }

    // Complete laser substitute for Copy A: one picture for the whole page,
    // at (102, 102) with printer margins of zero; form k lower by k x 1395 + H.
    const Points laser = W2Points(true);
    PictureUse page;
    page.Name = QStringLiteral("W-2 Copy A laser substitute");
    page.InstalledName = QStringLiteral("Updater.dll");
    page.Width = 1955;
    page.Height = 2692;
    const QPointF picture(std::trunc(102.235), 102);
    for (int k = 0; k < 2; ++k)
        AddW2Form(page, laser, QPointF(0, k * 1395 + H) - picture,
                  k == 0 ? QStringLiteral("top: ") : QStringLiteral("bottom: "));
    page.Marks.append({QStringLiteral("empty-form mark"), MarkBox(laser, 63, QPointF(0, H) - picture)});
    uses.append(page);
    return uses;
}

// ---------------------------------------------------------------- W-3

QList<Entry> W3TableB(double x1)
{
    return {
        {0, 160, 185, 20, "a control number"},
        {1, x1, 274, 0, ""},
        {2, x1 + 24, 298, 0, ""},
        {3, x1 + 24, 274, 0, ""},
        {4, x1, 298, 0, ""},
        // The other kinds of payer, placed on these pictures' own boxes.
        {5, 386, 358, 0, ""},
        {6, 410, 382, 0, ""},
        {7, 410, 358, 0, ""},
        {8, 386, 382, 0, ""},
        {9, 545, 274, 0, ""},
        {10, 569, 298, 0, ""},
        {11, 569, 274, 0, ""},
        {12, 545, 298, 0, ""},
        {13, 545, 358, 0, ""},
        {14, 569, 382, 0, ""},
        {15, 569, 358, 0, ""},
        {16, 545, 382, 0, ""},
        {17, 705, 274, 0, ""},
        {18, 729, 298, 0, ""},
        {19, 729, 274, 0, ""},
        {20, 705, 298, 0, ""},
        {21, 705, 358, 0, ""},
        {22, 729, 382, 0, ""},
        {23, 729, 358, 0, ""},
        {24, 705, 382, 0, ""},
        {25, 865, 358, 0, ""},
        {26, 889, 382, 0, ""},
        {27, 889, 358, 0, ""},
        {28, 865, 382, 0, ""},
        {29, 160, 440, 6, "c total number of Forms W-2"},
        {30, 580, 440, 18, "d establishment number"},
        {31, 160, 520, 15, "e employer identification number"},
        {32, 160, 610, 30, "f employer's name"},
        {33, 160, 683, 30, "g address line 1"},
        {34, 160, 742, 30, "g address line 2"},
        {35, 160, 801, 36, "g city, state ZIP"},
        {38, 160, 942, 16, "h other EIN"},
        {39, 160, 1028, 2, "15 state"},
        {40, 280, 1028, 15, "employer's state ID"},
        {41, 140, 1190, 20, "contact person"},
        {42, 140, 1275, 36, "e-mail address"},
        {43, 982, 1197, 3, "telephone area code"},
        {44, 1082, 1197, 9, "telephone number"},
        {45, 982, 1282, 3, "fax area code"},
        {46, 1082, 1282, 9, "fax number"},
        {47, 985, 275, 12, "box 1"},
        {48, 1530, 275, 12, "box 2"},
        {49, 985, 360, 12, "box 3"},
        {50, 1530, 360, 12, "box 4"},
        {51, 985, 440, 12, "box 5"},
        {52, 1530, 440, 12, "box 6"},
        {53, 985, 520, 12, "box 7"},
        {54, 1530, 520, 12, "box 8"},
        {55, 985, 610, 12, "box 9"},
        {56, 1530, 610, 12, "box 10"},
        {57, 985, 688, 12, "box 11"},
        {58, 1530, 688, 12, "box 12"},
        {59, 985, 776, 30, "box 13 third-party sick pay"},
        {60, 985, 860, 20, "box 14 income tax withheld"},
        {61, 985, 1028, 12, "box 16"},
        {62, 1530, 1028, 12, "box 17"},
        {63, 985, 1110, 12, "box 18"},
        {64, 1530, 1110, 12, "box 19"},
    };
}

// The kind-of-payer marks in the order of their points: "941" at 1-4, then
// four points each.
void AddKindOfPayerMarks(PictureUse& use, const Points& points, QPointF shift)
{
    static const char* const kinds[] =
        {"941", "CT-1", "Military", "Hshld. emp.", "943", "Medicare govt. emp.", "Third-party sick pay"};
    for (int kind = 0; kind < 7; ++kind)
        use.Marks.append({QStringLiteral("kind of payer %1").arg(QString::fromLatin1(kinds[kind])),
                          MarkBox(points, 1 + 4 * kind, shift)});
}

QList<PictureUse> W3Uses()
{
    QList<PictureUse> uses;
    {
        const QList<Entry> table = W3TableB(388);
        const Points p = Build(table);
        const QPointF picture(70, 100);
        PictureUse use;
        use.Name = QStringLiteral("W-3 copy");
        use.InstalledName = QStringLiteral("Help2.svg");
        use.Width = 1965;
        use.Height = 2630;
        AddTexts(use, table, p, -picture);
        AddKindOfPayerMarks(use, p, -picture);
        uses.append(use);
    }
    {
        const QList<Entry> table = W3TableB(358);
        Points p = Build(table);
        for (QPointF& pt : p)
            pt = QPointF(std::trunc(pt.x() + 30.48), std::trunc(pt.y() - 15.24));
        Move(p, 1, 4, 25, -1);
        Move(p, 40, 40, 20, 0);
        Move(p, 41, 42, 0, 10);
        Move(p, 47, 50, 0, -10);
        const QPointF picture(std::trunc(92.875), std::trunc(84.375));
        PictureUse use;
        use.Name = QStringLiteral("W-3 laser substitute");
        use.InstalledName = QStringLiteral("Contactus.msg");
        use.Width = 1981;
        use.Height = 2667;
        AddTexts(use, table, p, -picture);
        AddKindOfPayerMarks(use, p, -picture);
        uses.append(use);
    }
    return uses;
}

// ---------------------------------------------------------------- 1099-MISC

const QList<Entry>& Table1099()
{
    static const QList<Entry> table = {
        {0, 160, 205, 30, "payer's name"},
        {1, 160, 251, 30, "payer's address line 1"},
        {2, 160, 297, 30, "payer's address line 2"},
        {3, 160, 342, 36, "payer's city, state ZIP"},
        {6, 160, 464, 16, "payer's telephone"},
        {7, 160, 625, 15, "payer's federal ID"},
        {8, 600, 625, 11, "recipient's ID"},
        {9, 160, 790, 40, "recipient's name"},
        {10, 160, 880, 30, "recipient's address line 1"},
        {11, 160, 920, 30, "recipient's address line 2"},
        {12, 160, 1005, 36, "recipient's city, state ZIP"},
        {15, 160, 1125, 12, "account number"},
        {16, 910, 1122, 0, ""},
        {17, 934, 1146, 0, ""},
        {18, 934, 1122, 0, ""},
        {19, 910, 1146, 0, ""},
        {20, 1070, 240, 12, "box 1"},
        {21, 1070, 365, 12, "box 2"},
        {22, 1070, 475, 12, "box 3"},
        {23, 1430, 475, 12, "box 4"},
        {24, 1070, 625, 12, "box 5"},
        {25, 1430, 625, 12, "box 6"},
        {26, 1070, 790, 12, "box 7"},
        {27, 1430, 790, 12, "box 8"},
        {28, 1316, 895, 0, ""},
        {29, 1340, 919, 0, ""},
        {30, 1340, 895, 0, ""},
        {31, 1316, 919, 0, ""},
        {32, 1430, 920, 12, "box 10"},
        {33, 1070, 1135, 12, "box 13"},
        {34, 1430, 1135, 12, "box 14"},
        {35, 1050, 1220, 12, "box 16, line 1"},
        {36, 1400, 1220, 15, "box 17, line 1"},
        {37, 1050, 1268, 12, "box 16, line 2"},
        {38, 1400, 1268, 15, "box 17, line 2"},
        {39, 1755, 1220, 12, "box 18, line 1"},
        {40, 1755, 1268, 12, "box 18, line 2"},
        {41, 661, 1461, 0, ""},
        {42, 684, 1484, 0, ""},
        {43, 684, 1461, 0, ""},
        {44, 661, 1484, 0, ""},
        {49, 220, 1259, 12, "box 15a"},
        {50, 640, 1259, 12, "box 15b"},
    };
    return table;
}

QList<PictureUse> Uses1099()
{
    // Copy positions: every entry y - 63, the void mark y + 30, the second
    // TIN mark y + 25, the void mark x - 38, then every entry x - 48, y - 7.
    Points p = Build(Table1099());
    MoveAll(p, 0, -63);
    Move(p, 41, 44, 0, 30);
    Move(p, 16, 19, 0, 25);
    Move(p, 41, 44, -38, 0);
    MoveAll(p, -48, -7);
    const double pitch = 1375;

    struct Copy {
        const char* Name;
        QList<QRectF> SideWhiteOuts; // relative to the form's half, y downward
        bool SecondTinWhiteOut;
        bool KeepForRecords;
    };
    const QList<Copy> copies = {
        {"Copy 1", {Corners(1670, 350, 2000, 590), Corners(1680, 610, 2000, 1100)}, true, false},
        {"Copy B", {Corners(1670, 350, 2000, 590), Corners(1680, 610, 2000, 1100)}, true, true},
        {"Copy 2", {Corners(1670, 350, 2000, 1100)}, true, false},
        {"Copy C", {Corners(1680, 350, 2000, 590)}, false, false},
    };

    QList<PictureUse> uses;
    for (const Copy& copy : copies) {
        for (int slot = 0; slot < 2; ++slot) {
            const QPointF picture(20, slot == 0 ? 10 : 1380);
            const QPointF shift = QPointF(0, slot * pitch) - picture;
            PictureUse use;
            use.Name = QStringLiteral("1099-MISC %1, %2 form")
                           .arg(QString::fromLatin1(copy.Name),
                                slot == 0 ? QStringLiteral("top") : QStringLiteral("bottom"));
            use.InstalledName = QStringLiteral("Help3.svg");
            use.Width = 1980;
            use.Height = 1370;
            AddTexts(use, Table1099(), p, shift);
            use.Marks.append({QStringLiteral("box 9 direct sales"), MarkBox(p, 28, shift + QPointF(0, 38))});
            if (!copy.SecondTinWhiteOut)
                use.Marks.append({QStringLiteral("2nd TIN notice"), MarkBox(p, 16, shift)});
            if (slot == 1)
                use.Marks.append({QStringLiteral("void mark"), MarkBox(p, 41, -picture)});

            // The white-outs are drawn with a white pen 5 units wide.
            const QPointF half = QPointF(0, slot * pitch) - picture;
            for (const QRectF& r : copy.SideWhiteOuts)
                use.WhiteOuts.append(r.translated(half).adjusted(-2.5, -2.5, 2.5, 2.5));
            if (copy.SecondTinWhiteOut) {
                const QRectF tin = slot == 0 ? Corners(790, 989, 940, 1107)
                                             : Corners(790, pitch + 987, 940, pitch + 1102);
                use.WhiteOuts.append(tin.translated(-picture).adjusted(-2.5, -2.5, 2.5, 2.5));
                // Nothing of the second-TIN box may show through.
                use.MustBeBlank.append(Corners(763, 978, 982, 1099));
            }
            // Nothing of the picture's own side text may show beside the
            // copy's caption.
            double sideBottom = 0;
            for (const QRectF& r : copy.SideWhiteOuts)
                sideBottom = std::max(sideBottom, r.bottom());
            use.MustBeBlank.append(Corners(1650, 343, 1978, sideBottom > 600 ? 1090 : 580));
            if (copy.KeepForRecords) {
                const QPointF at = QPointF(840, 1250) + half;
                use.Texts.append(ArialText(QStringLiteral("(keep for your records)"), at.x(), at.y(),
                                           QStringLiteral("(keep for your records)"), 9, false));
            }
            uses.append(use);
        }
    }
    return uses;
}

// ---------------------------------------------------------------- 1096

const QList<Entry>& Table1096()
{
    static const QList<Entry> table = {
        {0, 170, 390, 30, "filer's name"},
        {1, 170, 501, 30, "street address"},
        {2, 170, 600, 36, "city, state ZIP"},
        {5, 110, 690, 20, "person to contact"},
        {6, 110, 780, 32, "e-mail address"},
        {7, 820, 690, 3, "telephone area code"},
        {8, 910, 690, 9, "telephone number"},
        {9, 820, 780, 3, "fax area code"},
        {10, 910, 780, 9, "fax number"},
        {11, 110, 860, 15, "box 1 employer identification number"},
        {12, 460, 860, 12, "box 2 social security number"},
        {13, 947, 860, 6, "box 3 total number of forms"},
        {14, 1180, 860, 12, "box 4 federal income tax withheld"},
        {15, 1530, 860, 12, "box 5 total amount reported"},
        {16, 1851, 894, 0, ""},
        {17, 1864, 913, 0, ""},
        {18, 1864, 894, 0, ""},
        {19, 1851, 913, 0, ""},
        {20, 135, 1188, 0, ""},
        {21, 159, 1212, 0, ""},
        {22, 159, 1188, 0, ""},
        {23, 135, 1212, 0, ""},
    };
    return table;
}

QList<PictureUse> Uses1096()
{
    // Copy positions: every entry y - 63, the marks y + 127 - 101, then
    // every entry x - 30, y - 2.
    Points p = Build(Table1096());
    MoveAll(p, 0, -63);
    Move(p, 16, 23, 0, 127);
    Move(p, 16, 23, 0, -101);
    MoveAll(p, -30, -2);
    const QPointF picture(35, 25);
    PictureUse use;
    use.Name = QStringLiteral("1096 copy");
    use.InstalledName = QStringLiteral("Help4.svg");
    use.Width = 1900;
    use.Height = 2610;
    AddTexts(use, Table1096(), p, -picture);
    use.Marks.append({QStringLiteral("final return"), MarkBox(p, 16, -picture)});
    use.Marks.append({QStringLiteral("type of form 1099-MISC"), MarkBox(p, 20, -picture)});
    return {use};
}

} // namespace

QList<PictureUse> FormPictureUses()
{
    QList<PictureUse> uses;
    uses += W2Uses();
    uses += W3Uses();
    uses += Uses1099();
    uses += Uses1096();
    return uses;
}

QStringList FormPictureNames()
{
    return {QStringLiteral("Help1.svg"),     QStringLiteral("Updater.dll"), QStringLiteral("Help2.svg"),
            QStringLiteral("Contactus.msg"), QStringLiteral("Help3.svg"),   QStringLiteral("Help4.svg")};
}
