// The entry rules' decisions, as tables: valid texts, keystrokes, pastes and
// deletions per rule, the undo history, and the class box's classes and step.

#include "tests/support/EditNotation.h"

#include "core/entry/CharClasses.h"
#include "core/entry/EditHistory.h"
#include "core/entry/EntryPresets.h"
#include "core/entry/EntryRules.h"

#include <QTest>

#include <memory>

namespace {

// A rule from a short description: "text 5 common", "mask ssn",
// "amount 9 2" (a negative whole-digit count refuses negatives), "plain".
std::unique_ptr<EntryRule> MakeRule(const QString& spec)
{
    const QStringList words = spec.split(u' ');
    const QString kind = words.value(0);
    if (kind == u"text") {
        const QString set = words.value(2);
        const char* forbidden = set == u"common"       ? kForbiddenCommon
                                : set == u"employer"   ? kForbiddenEmployerName
                                : set == u"newcompany" ? kForbiddenNewCompany
                                                       : "";
        return std::make_unique<CharFilterRule>(words.value(1).toInt(), QString::fromLatin1(forbidden));
    }
    if (kind == u"mask") {
        const QString name = words.value(1);
        const char* mask = name == u"ssn"       ? kMaskSsn
                           : name == u"ein"     ? kMaskEin
                           : name == u"zip"     ? kMaskZip
                           : name == u"phone"   ? kMaskPhone
                           : name == u"account" ? kMaskAccount
                                                : "";
        return std::make_unique<DigitMaskRule>(QString::fromLatin1(mask));
    }
    if (kind == u"amount")
        return std::make_unique<AmountRule>(words.value(1).toInt(), words.value(2).toInt());
    return std::make_unique<EntryRule>();
}

constexpr QChar kBackspaceKey = u'\b';
constexpr QChar kDeleteKey = u'\x7f';

} // namespace

class EntryRulesTest : public QObject {
    Q_OBJECT

private slots:
    void presetsHaveTheirExactValues();

    void validText_data();
    void validText();

    void keys_data();
    void keys();

    void paste_data();
    void paste();

    void cutAndClear_data();
    void cutAndClear();

    void charGateRefusesTypedAndPastedCharacters();
    void amountSettersTakeSignedWholeDigits();

    void historyUndoesAndRedoes();
    void historyJoinsRunsOfTypingAndErasing();

    void charClasses_data();
    void charClasses();
    void keepAllowedClasses();
    void steppedValue_data();
    void steppedValue();
};

void EntryRulesTest::presetsHaveTheirExactValues()
{
    QCOMPARE(QString::fromLatin1(kForbiddenCommon), QStringLiteral("%'*\"+?><:\\"));
    QCOMPARE(QString::fromLatin1(kForbiddenEmployerName), QStringLiteral("%*\"+?><:\\/"));
    QCOMPARE(QString::fromLatin1(kForbiddenNewCompany), QStringLiteral("%*\"+?><:\\/|"));
    QCOMPARE(QString::fromLatin1(kMaskSsn), QStringLiteral("###-##-####"));
    QCOMPARE(QString::fromLatin1(kMaskEin), QStringLiteral("##-#######"));
    QCOMPARE(QString::fromLatin1(kMaskZip), QStringLiteral("#####-####"));
    QCOMPARE(QString::fromLatin1(kMaskPhone), QStringLiteral("(###) ###-####"));
    QCOMPARE(QString::fromLatin1(kMaskAccount), QStringLiteral("#####"));
    QCOMPARE(int(sizeof(kForbiddenCommon)) - 1, 10);
}

void EntryRulesTest::validText_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    // Character filter: truncation first, then the forbidden characters go.
    QTest::newRow("cut then strip") << "text 5 common"
                                    << "ab%cdef"
                                    << "abcd";
    QTest::newRow("no limit strips") << "text 0 common"
                                     << "a%b"
                                     << "ab";
    QTest::newRow("all ten common") << "text 0 common"
                                    << "%'*\"+?><:\\x"
                                    << "x";
    QTest::newRow("common keeps slash and bar") << "text 0 common"
                                                << "a/b|c"
                                                << "a/b|c";
    QTest::newRow("employer name keeps apostrophe") << "text 30 employer"
                                                    << "O'Brien/Sons"
                                                    << "O'BrienSons";
    QTest::newRow("new company refuses bar") << "text 0 newcompany"
                                             << "A|B/C'D"
                                             << "ABC'D";
    QTest::newRow("no forbidden set") << "text 0 none"
                                      << "%'*"
                                      << "%'*";
    QTest::newRow("non-ASCII letters count once") << "text 5 common"
                                                  << "Núñez"
                                                  << "Núñez";
    QTest::newRow("non-ASCII cut by characters") << "text 4 common"
                                                 << "Núñez"
                                                 << "Núñe";
    QTest::newRow("control characters dropped") << "text 0 common"
                                                << "a\tb\u0001c"
                                                << "abc";
    QTest::newRow("format characters dropped") << "text 0 common"
                                               << "a\u200Bb"
                                               << "ab";
    QTest::newRow("outside the BMP dropped") << "text 0 common"
                                             << "a\U0001F600b"
                                             << "ab";
    QTest::newRow("pair split by the limit") << "text 3 common"
                                             << "ab\U0001F600"
                                             << "ab";

    // Digit masks: literals supplied, the rest dropped at the first misfit.
    QTest::newRow("ssn digits") << "mask ssn"
                                << "123456789"
                                << "123-45-6789";
    QTest::newRow("ssn formatted") << "mask ssn"
                                   << "123-45-6789"
                                   << "123-45-6789";
    QTest::newRow("ssn partial") << "mask ssn"
                                 << "1234"
                                 << "123-4";
    QTest::newRow("ssn blanks stop") << "mask ssn"
                                     << "123 45 6789"
                                     << "123";
    QTest::newRow("ssn surplus digits") << "mask ssn"
                                        << "1234567890"
                                        << "123-45-6789";
    QTest::newRow("ssn trailing literal") << "mask ssn"
                                          << "123-"
                                          << "123-";
    QTest::newRow("ssn hash is no digit") << "mask ssn"
                                          << "#12"
                                          << "";
    QTest::newRow("ssn non-ASCII digits") << "mask ssn"
                                          << "١٢٣"
                                          << "";
    QTest::newRow("phone digits") << "mask phone"
                                  << "5551234567"
                                  << "(555) 123-4567";
    QTest::newRow("phone no blank") << "mask phone"
                                    << "(555)1234567"
                                    << "(555) 123-4567";
    QTest::newRow("phone dashes") << "mask phone"
                                  << "555-123-4567"
                                  << "(555";
    QTest::newRow("zip five") << "mask zip"
                              << "12345"
                              << "12345";
    QTest::newRow("zip nine") << "mask zip"
                              << "123456789"
                              << "12345-6789";
    QTest::newRow("ein") << "mask ein"
                         << "123456789"
                         << "12-3456789";
    QTest::newRow("account") << "mask account"
                             << "123456"
                             << "12345";
    QTest::newRow("empty mask checks nothing") << "mask none"
                                               << "a%b"
                                               << "a%b";

    // Amounts.
    QTest::newRow("grouping and third decimal") << "amount 9 2"
                                                << "12,345.678"
                                                << "12345.67";
    QTest::newRow("negative fraction") << "amount 9 2"
                                       << "-0.5"
                                       << "-0.5";
    QTest::newRow("second point skipped") << "amount 9 2"
                                          << "1.2.3"
                                          << "1.23";
    QTest::newRow("letters") << "amount 9 2"
                             << "abc"
                             << "";
    QTest::newRow("whole limit 2") << "amount 2 2"
                                   << "123"
                                   << "12";
    QTest::newRow("tenth whole digit") << "amount 9 2"
                                       << "1234567890"
                                       << "123456789";
    QTest::newRow("currency sign") << "amount 9 2"
                                   << "$1,234.50"
                                   << "1234.50";
    QTest::newRow("sign only first") << "amount 9 2"
                                     << "5-3"
                                     << "53";
    QTest::newRow("negatives refused") << "amount -9 2"
                                       << "-12"
                                       << "12";
    QTest::newRow("no decimal places") << "amount 9 0"
                                       << "12.5"
                                       << "12";
    QTest::newRow("comma is no point") << "amount 9 2"
                                       << "1,5"
                                       << "15";
    QTest::newRow("non-ASCII digits") << "amount 9 2"
                                      << "١٢"
                                      << "";
    QTest::newRow("point first") << "amount 9 4"
                                 << ".5"
                                 << ".5";
}

void EntryRulesTest::validText()
{
    QFETCH(QString, rule);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    const auto r = MakeRule(rule);
    QCOMPARE(r->GetValidText(input), expected);
    // A valid text stays as it is: the boxes rely on it to stop re-checking.
    QCOMPARE(r->GetValidText(expected), expected);
}

void EntryRulesTest::keys_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys"); // \b = Backspace, \x7f = Delete
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    // Character filter.
    QTest::newRow("full box types over") << "text 5 common"
                                         << "abc|de"
                                         << "x"
                                         << "abcx|e" << 0;
    QTest::newRow("full box at end") << "text 5 common"
                                     << "abcde|"
                                     << "x"
                                     << "abcde|" << 0;
    QTest::newRow("full box backspace") << "text 5 common"
                                        << "abcde|"
                                        << "\b"
                                        << "abcd|" << 0;
    QTest::newRow("selection replaced") << "text 5 common"
                                        << "a[bc]d"
                                        << "x"
                                        << "ax|d" << 0;
    // Typing over a selection replaces it, in a full box too: the rest of
    // the selection never survives beside what was typed.
    QTest::newRow("full box, selection replaced") << "text 5 common"
                                                  << "a[bcd]e"
                                                  << "x"
                                                  << "ax|e" << 0;
    QTest::newRow("full box, all replaced") << "text 5 common"
                                            << "[abcde]"
                                            << "xy"
                                            << "xy|" << 0;
    QTest::newRow("forbidden over selection keeps it") << "text 5 common"
                                                       << "a[bc]d"
                                                       << "%"
                                                       << "a[bc]d" << 1;
    QTest::newRow("forbidden beeps") << "text 0 common"
                                     << "ab|"
                                     << "%x"
                                     << "abx|" << 1;
    QTest::newRow("apostrophe beeps in common") << "text 30 common"
                                                << "O|"
                                                << "'"
                                                << "O|" << 1;
    QTest::newRow("apostrophe in employer name") << "text 30 employer"
                                                 << "O|"
                                                 << "'"
                                                 << "O'|" << 0;
    QTest::newRow("slash beeps in employer name") << "text 30 employer"
                                                  << "A|"
                                                  << "/"
                                                  << "A|" << 1;
    QTest::newRow("slash in common") << "text 30 common"
                                     << "A|"
                                     << "/"
                                     << "A/|" << 0;
    QTest::newRow("non-ASCII letters") << "text 20 common"
                                       << "N|"
                                       << "úñez"
                                       << "Núñez|" << 0;
    QTest::newRow("non-ASCII types over") << "text 5 common"
                                          << "N|uñez"
                                          << "ú"
                                          << "Nú|ñez" << 0;
    QTest::newRow("tab is no text") << "text 0 common"
                                    << "a|"
                                    << "\t"
                                    << "a|" << 0;
    QTest::newRow("filter delete") << "text 0 common"
                                   << "ab|cd"
                                   << "\x7f"
                                   << "ab|d" << 0;
    QTest::newRow("backspace at start") << "text 0 common"
                                        << "|ab"
                                        << "\b"
                                        << "|ab" << 0;

    // Digit mask.
    QTest::newRow("ssn first three") << "mask ssn"
                                     << "|"
                                     << "123"
                                     << "123|" << 0;
    QTest::newRow("ssn automatic dash") << "mask ssn"
                                        << "|"
                                        << "1234"
                                        << "123-4|" << 0;
    QTest::newRow("ssn all nine") << "mask ssn"
                                  << "|"
                                  << "123456789"
                                  << "123-45-6789|" << 0;
    QTest::newRow("ssn dash typed") << "mask ssn"
                                    << "123|"
                                    << "-"
                                    << "123-|" << 0;
    QTest::newRow("ssn dash at digit place") << "mask ssn"
                                             << "12|"
                                             << "-"
                                             << "12|" << 0;
    QTest::newRow("ssn letter") << "mask ssn"
                                << "12|"
                                << "a"
                                << "12|" << 0;
    QTest::newRow("ssn full at end") << "mask ssn"
                                     << "123-45-6789|"
                                     << "1"
                                     << "123-45-6789|" << 0;
    QTest::newRow("ssn delete inside") << "mask ssn"
                                       << "123|-45-6789"
                                       << "\x7f"
                                       << "123|-45-6789" << 0;
    QTest::newRow("ssn backspace inside") << "mask ssn"
                                          << "123|-45-6789"
                                          << "\b"
                                          << "12|3-45-6789" << 0;
    QTest::newRow("ssn backspace at start") << "mask ssn"
                                            << "|123"
                                            << "\b"
                                            << "|123" << 0;
    QTest::newRow("ssn delete last") << "mask ssn"
                                     << "123-45-678|9"
                                     << "\x7f"
                                     << "123-45-678|" << 0;
    QTest::newRow("ssn backspace at end") << "mask ssn"
                                          << "123-45-6789|"
                                          << "\b"
                                          << "123-45-678|" << 0;
    QTest::newRow("ssn delete tail selection") << "mask ssn"
                                               << "123-[45-6789]"
                                               << "\x7f"
                                               << "123-|" << 0;
    QTest::newRow("ssn delete middle selection") << "mask ssn"
                                                 << "1[23]-45-6789"
                                                 << "\x7f"
                                                 << "1[23]-45-6789" << 0;
    QTest::newRow("ssn step over literal") << "mask ssn"
                                           << "123|-45-6789"
                                           << "7"
                                           << "123-7|5-6789" << 0;
    // The fixed shape can't close up inside: a selection there is typed
    // over from its start.
    QTest::newRow("ssn selection types over one") << "mask ssn"
                                                  << "1[23-4]5-6789"
                                                  << "9"
                                                  << "19|3-45-6789" << 0;
    QTest::newRow("ssn middle group retyped") << "mask ssn"
                                              << "123-[45]-6789"
                                              << "98"
                                              << "123-98|-6789" << 0;
    QTest::newRow("ssn all replaced") << "mask ssn"
                                      << "[123-45-6789]"
                                      << "98"
                                      << "98|" << 0;
    QTest::newRow("ssn tail replaced") << "mask ssn"
                                       << "123-[45-6789]"
                                       << "9"
                                       << "123-9|" << 0;
    QTest::newRow("ssn tail from a literal replaced") << "mask ssn"
                                                      << "123[-45-6789]"
                                                      << "9"
                                                      << "123-9|" << 0;
    QTest::newRow("ssn letter keeps selection") << "mask ssn"
                                                << "[123-45-6789]"
                                                << "a"
                                                << "[123-45-6789]" << 0;
    QTest::newRow("ssn overwrite digit") << "mask ssn"
                                         << "1|23"
                                         << "9"
                                         << "19|3" << 0;
    QTest::newRow("ssn non-ASCII digit") << "mask ssn"
                                         << "12|"
                                         << "٣"
                                         << "12|" << 0;
    QTest::newRow("phone from empty") << "mask phone"
                                      << "|"
                                      << "5551234567"
                                      << "(555) 123-4567|" << 0;
    QTest::newRow("phone two literals") << "mask phone"
                                        << "(555|"
                                        << "1"
                                        << "(555) 1|" << 0;
    QTest::newRow("phone literal typed") << "mask phone"
                                         << "|"
                                         << "("
                                         << "(|" << 0;
    QTest::newRow("empty mask types anything") << "mask none"
                                               << "ab|"
                                               << "%x"
                                               << "ab%x|" << 0;
    QTest::newRow("empty mask deletes inside") << "mask none"
                                               << "a|bc"
                                               << "\x7f"
                                               << "a|c" << 0;

    // Amount (9 whole digits, 2 decimal places).
    QTest::newRow("decimal part full") << "amount 9 2"
                                       << "123.45|"
                                       << "6"
                                       << "123.45|" << 0;
    QTest::newRow("decimal overwrite") << "amount 9 2"
                                       << "123.|45"
                                       << "9"
                                       << "123.9|5" << 0;
    QTest::newRow("point jumps") << "amount 9 2"
                                 << "|123.45"
                                 << "."
                                 << "123.|45" << 0;
    QTest::newRow("sign toggles on") << "amount 9 2"
                                     << "1|23.45"
                                     << "-"
                                     << "-1|23.45" << 0;
    QTest::newRow("sign toggles off") << "amount 9 2"
                                      << "1|23.45"
                                      << "--"
                                      << "1|23.45" << 0;
    QTest::newRow("sign keeps selection") << "amount 9 2"
                                          << "1[23].45"
                                          << "-"
                                          << "-1[23].45" << 0;
    QTest::newRow("sign at start inserted") << "amount 9 2"
                                            << "|123"
                                            << "-"
                                            << "-|123" << 0;
    QTest::newRow("sign at start steps over") << "amount 9 2"
                                              << "|-123"
                                              << "-"
                                              << "-|123" << 0;
    QTest::newRow("sign refused") << "amount -9 2"
                                  << "12|"
                                  << "-"
                                  << "12|" << 0;
    QTest::newRow("nine digits, tenth at end") << "amount 9 2"
                                               << "123456789|"
                                               << "1"
                                               << "123456789|" << 0;
    QTest::newRow("nine digits, tenth inside") << "amount 9 2"
                                               << "1234|56789"
                                               << "0"
                                               << "12340|6789" << 0;
    QTest::newRow("nine digits before point") << "amount 9 2"
                                              << "123456789|.5"
                                              << "1"
                                              << "123456789|.5" << 0;
    QTest::newRow("nine digits negative") << "amount 9 2"
                                          << "-123456789|"
                                          << "1"
                                          << "-123456789|" << 0;
    QTest::newRow("digit before the sign") << "amount 9 2"
                                           << "|-12"
                                           << "5"
                                           << "-5|12" << 0;
    QTest::newRow("full, digit before the sign") << "amount 9 2"
                                                 << "|-123456789"
                                                 << "5"
                                                 << "-5|23456789" << 0;
    QTest::newRow("point then decimals") << "amount 9 2"
                                         << "12|"
                                         << ".345"
                                         << "12.34|" << 0;
    QTest::newRow("point cuts decimals") << "amount 9 2"
                                         << "12|345"
                                         << "."
                                         << "12.|34" << 0;
    QTest::newRow("point with no places") << "amount 9 0"
                                          << "12|"
                                          << "."
                                          << "12|" << 0;
    QTest::newRow("letters and comma") << "amount 9 2"
                                       << "1|"
                                       << "a, "
                                       << "1|" << 0;
    QTest::newRow("backspace point joins") << "amount 9 2"
                                           << "123.|45"
                                           << "\b"
                                           << "123|45" << 0;
    QTest::newRow("delete digit") << "amount 9 2"
                                  << "12|3.45"
                                  << "\x7f"
                                  << "12|.45" << 0;
    QTest::newRow("delete point, whole full") << "amount 9 2"
                                              << "123456789|.12"
                                              << "\x7f"
                                              << "123456789|" << 0;
    QTest::newRow("delete to end") << "amount 9 2"
                                   << "1[23.45]"
                                   << "\x7f"
                                   << "1|" << 0;
    QTest::newRow("typed over selection") << "amount 9 2"
                                          << "1[2.3]4"
                                          << "5"
                                          << "15|4" << 0;
    QTest::newRow("full, all replaced") << "amount 9 2"
                                        << "[123456789.00]"
                                        << "500"
                                        << "500|" << 0;
    QTest::newRow("full, whole part replaced") << "amount 9 2"
                                               << "[123456789].00"
                                               << "41"
                                               << "41|.00" << 0;
    QTest::newRow("offset, all replaced") << "amount -2 2"
                                          << "[12.45]"
                                          << "0.5"
                                          << "0.5|" << 0;
    QTest::newRow("tenth digit over a selection") << "amount 9 2"
                                                  << "12345678[9.00]"
                                                  << "12"
                                                  << "123456781|" << 0;
    QTest::newRow("letter keeps selection") << "amount 9 2"
                                            << "1[23]"
                                            << "a"
                                            << "1[23]" << 0;
    QTest::newRow("all replaced by a negative") << "amount 9 2"
                                                << "[123]"
                                                << "-5"
                                                << "-5|" << 0;
}

void EntryRulesTest::keys()
{
    QFETCH(QString, rule);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, beeps);
    const auto r = MakeRule(rule);
    EditState state = ParseEdit(before);
    int beeped = 0;
    for (QChar key : keys) {
        const EditOutcome out = key == kDeleteKey ? r->PressDelete(state) : r->TypeChar(state, key);
        state = out.state;
        if (out.beep != EntryBeep::None)
            ++beeped;
        QCOMPARE(r->GetValidText(state.text), state.text);
    }
    QCOMPARE(FormatEdit(state), after);
    QCOMPARE(beeped, beeps);
}

void EntryRulesTest::paste_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("after");

    QTest::newRow("forbidden, selection restored") << "text 0 common"
                                                   << "|"
                                                   << "a%b"
                                                   << "|ab";
    QTest::newRow("forbidden over selection") << "text 0 common"
                                              << "x[yz]"
                                              << "a%b"
                                              << "x|ab";
    QTest::newRow("full box, all replaced") << "text 5 common"
                                            << "[abcde]"
                                            << "xy"
                                            << "xy|";
    QTest::newRow("cut then strip") << "text 5 common"
                                    << "|"
                                    << "ab%cdef"
                                    << "|abcd";
    QTest::newRow("fits") << "text 5 common"
                          << "ab|"
                          << "cd"
                          << "abcd|";
    QTest::newRow("first line only") << "text 0 common"
                                     << "|"
                                     << "Smith\nJones"
                                     << "Smith|";
    QTest::newRow("trailing line break") << "text 0 common"
                                         << "|"
                                         << "Smith\r\n"
                                         << "Smith|";
    QTest::newRow("empty clip") << "text 0 common"
                                << "a[b]c"
                                << ""
                                << "a[b]c";
    QTest::newRow("ssn digits") << "mask ssn"
                                << "|"
                                << "123456789"
                                << "|123-45-6789";
    QTest::newRow("ssn tail") << "mask ssn"
                              << "123-|"
                              << "45-6789"
                              << "123-45-6789|";
    QTest::newRow("amount formatted") << "amount 9 2"
                                      << "|"
                                      << "$1,234.567"
                                      << "|1234.56";
    QTest::newRow("amount fits") << "amount 9 2"
                                 << "12|"
                                 << "3.5"
                                 << "123.5|";
    // Over a selection: as pasted into the box without it.
    QTest::newRow("amount over all of a full box") << "amount 9 2"
                                                   << "[123456789.00]"
                                                   << "500"
                                                   << "500|";
    QTest::newRow("amount formatted over all") << "amount 9 2"
                                               << "[123456789.00]"
                                               << "$1,500.00"
                                               << "|1500.00";
    QTest::newRow("offset over all") << "amount -2 2"
                                     << "[12.45]"
                                     << "0.5"
                                     << "0.5|";
    QTest::newRow("ssn over all") << "mask ssn"
                                  << "[123-45-6789]"
                                  << "987-65-4321"
                                  << "987-65-4321|";
    QTest::newRow("ssn middle group typed in") << "mask ssn"
                                               << "123-[45]-6789"
                                               << "98"
                                               << "123-98|-6789";
}

void EntryRulesTest::paste()
{
    QFETCH(QString, rule);
    QFETCH(QString, before);
    QFETCH(QString, clip);
    QFETCH(QString, after);
    const auto r = MakeRule(rule);
    QCOMPARE(FormatEdit(r->Paste(ParseEdit(before), clip).state), after);
}

void EntryRulesTest::cutAndClear_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("mask middle kept") << "mask ssn"
                                      << "1[23]-45-6789"
                                      << "1[23]-45-6789";
    QTest::newRow("mask tail removed") << "mask ssn"
                                       << "123-45-[6789]"
                                       << "123-45-|";
    QTest::newRow("filter selection") << "text 0 common"
                                      << "a[bc]d"
                                      << "a|d";
    QTest::newRow("nothing selected") << "text 0 common"
                                      << "ab|cd"
                                      << "ab|cd";
    QTest::newRow("amount point removed") << "amount 9 2"
                                          << "12[.]34"
                                          << "12|34";
}

void EntryRulesTest::cutAndClear()
{
    QFETCH(QString, rule);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const auto r = MakeRule(rule);
    QCOMPARE(FormatEdit(r->DeleteSelection(ParseEdit(before)).state), after);
}

void EntryRulesTest::charGateRefusesTypedAndPastedCharacters()
{
    CharFilterRule rule(5, QString::fromLatin1(kForbiddenCommon));
    rule.SetCharGate([](QChar c) { return c != u'x'; });

    QCOMPARE(FormatEdit(rule.TypeChar(ParseEdit("ab|"), u'x').state), QStringLiteral("ab|"));
    // Typing over a character in a full box asks too.
    QCOMPARE(FormatEdit(rule.TypeChar(ParseEdit("ab|cde"), u'x').state), QStringLiteral("ab|cde"));
    QCOMPARE(FormatEdit(rule.Paste(ParseEdit("|"), QStringLiteral("axb")).state), QStringLiteral("ab|"));

    DigitMaskRule mask(QString::fromLatin1(kMaskSsn));
    mask.SetCharGate([](QChar c) { return c != u'7'; });
    QCOMPARE(FormatEdit(mask.TypeChar(ParseEdit("12|"), u'7').state), QStringLiteral("12|"));
}

void EntryRulesTest::amountSettersTakeSignedWholeDigits()
{
    AmountRule rule;
    QCOMPARE(rule.WholeDigits(), 9);
    QCOMPARE(rule.DecimalPlaces(), 4);
    QVERIFY(rule.NegativeAllowed());

    // The offset boxes of the print options: 2 whole digits, 2 places, no negatives.
    QVERIFY(rule.SetWholeDigits(2));
    QVERIFY(rule.SetDecimalPlaces(2));
    QVERIFY(rule.SetNegativeAllowed(false));
    QCOMPARE(rule.GetValidText(QStringLiteral("-123.456")), QStringLiteral("12.45"));

    // A negative count refuses negatives; a positive one allows them again,
    // which is why SetNegativeAllowed(false) comes after SetWholeDigits.
    QVERIFY(rule.SetWholeDigits(-2) == false); // same limit, negatives already refused
    QVERIFY(rule.SetWholeDigits(2));
    QVERIFY(rule.NegativeAllowed());
    QVERIFY(rule.SetWholeDigits(-3));
    QCOMPARE(rule.WholeDigits(), 3);
    QVERIFY(!rule.NegativeAllowed());
    QVERIFY(!rule.SetDecimalPlaces(2));
}

void EntryRulesTest::historyUndoesAndRedoes()
{
    EditHistory history;
    QVERIFY(!history.CanUndo());
    QVERIFY(!history.Undo());

    const EditState empty = ParseEdit("|");
    const EditState a = ParseEdit("a|");
    const EditState ab = ParseEdit("ab|");
    const EditState ax = ParseEdit("ax|");
    history.Record(empty, a);
    history.Record(a, ab);

    QCOMPARE(history.Undo(), std::optional<EditState>(a));
    QCOMPARE(history.Undo(), std::optional<EditState>(empty));
    QVERIFY(!history.Undo());
    QCOMPARE(history.Redo(), std::optional<EditState>(a));

    // A new edit after undoing drops what could have been redone.
    history.Record(a, ax);
    QVERIFY(!history.CanRedo());
    QCOMPARE(history.Undo(), std::optional<EditState>(a));
    QCOMPARE(history.Redo(), std::optional<EditState>(ax));

    history.Clear();
    QVERIFY(!history.CanUndo());
    QVERIFY(!history.CanRedo());
}

void EntryRulesTest::historyJoinsRunsOfTypingAndErasing()
{
    EditHistory history;
    const auto step = [&history](const char* before, const char* after, EditKind kind) {
        history.Record(ParseEdit(QString::fromUtf8(before)), ParseEdit(QString::fromUtf8(after)), kind);
    };
    step("|", "a|", EditKind::Typing);
    step("a|", "ab|", EditKind::Typing);
    step("ab|", "abc|", EditKind::Typing);
    step("abc|", "ab|", EditKind::Erasing);
    step("ab|", "a|", EditKind::Erasing);
    step("a|", "ax|", EditKind::Other); // a paste: a step of its own
    step("ax|", "axy|", EditKind::Other);
    step("a|xy", "az|xy", EditKind::Typing); // typed elsewhere: a new run

    QCOMPARE(FormatEdit(*history.Undo()), QStringLiteral("a|xy"));
    QCOMPARE(FormatEdit(*history.Undo()), QStringLiteral("ax|"));
    QCOMPARE(FormatEdit(*history.Undo()), QStringLiteral("a|"));
    QCOMPARE(FormatEdit(*history.Undo()), QStringLiteral("abc|"));
    QCOMPARE(FormatEdit(*history.Undo()), QStringLiteral("|"));
    QVERIFY(!history.CanUndo());
    QCOMPARE(FormatEdit(*history.Redo()), QStringLiteral("abc|"));

    // Typing after an undo starts a new run rather than joining the undone one.
    step("abc|", "abcd|", EditKind::Typing);
    QVERIFY(!history.CanRedo());
    QCOMPARE(FormatEdit(*history.Undo()), QStringLiteral("abc|"));
}

void EntryRulesTest::charClasses_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("charClass");

    QTest::newRow("ASCII letter") << "a" << int(kCharClassLetters);
    QTest::newRow("accented letter") << "Ñ" << int(kCharClassLetters);
    QTest::newRow("Greek letter") << "λ" << int(kCharClassLetters);
    QTest::newRow("digit") << "5" << int(kCharClassDigits);
    QTest::newRow("Arabic-Indic digit") << "٣" << int(kCharClassDigits);
    QTest::newRow("dash") << "-" << int(kCharClassOther);
    QTest::newRow("blank") << " " << int(kCharClassOther);
    QTest::newRow("superscript two") << "²" << int(kCharClassOther);
    QTest::newRow("backspace") << "\b" << 0;
    QTest::newRow("unit separator") << "\x1f" << 0;
}

void EntryRulesTest::charClasses()
{
    QFETCH(QString, character);
    QFETCH(int, charClass);
    QCOMPARE(int(CharClassOf(character.at(0))), charClass);
    // Control characters go through whatever the box allows.
    QCOMPARE(IsCharClassAllowed(0, character.at(0)), charClass == 0);
}

void EntryRulesTest::keepAllowedClasses()
{
    const QString mixed = QStringLiteral("Ab1 ñ-2\t");
    QCOMPARE(KeepAllowedClasses(mixed, kCharClassLetters), QStringLiteral("Abñ"));
    QCOMPARE(KeepAllowedClasses(mixed, kCharClassDigits), QStringLiteral("12"));
    QCOMPARE(KeepAllowedClasses(mixed, kCharClassOther), QStringLiteral(" -"));
    QCOMPARE(KeepAllowedClasses(mixed, kCharClassLetters | kCharClassDigits | kCharClassOther),
             QStringLiteral("Ab1 ñ-2"));
}

void EntryRulesTest::steppedValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expected"); // -1: refused

    QTest::newRow("up") << "5" << 1 << 6;
    QTest::newRow("down") << "5" << -1 << 4;
    QTest::newRow("down to zero") << "1" << -1 << 0;
    QTest::newRow("below zero") << "0" << -1 << -1;
    QTest::newRow("top") << "32766" << 1 << 32767;
    QTest::newRow("above top") << "32767" << 1 << -1;
    QTest::newRow("negative into range") << "-1" << 1 << 0;
    QTest::newRow("leading blanks") << "  12" << 1 << 13;
    QTest::newRow("trailing blank") << "12 " << 1 << -1;
    QTest::newRow("empty") << "" << 1 << -1;
    QTest::newRow("sign only") << "-" << 1 << -1;
    QTest::newRow("letters") << "AB" << 1 << -1;
    QTest::newRow("huge") << "99999999999999999999" << -1 << -1;
}

void EntryRulesTest::steppedValue()
{
    QFETCH(QString, text);
    QFETCH(int, delta);
    QFETCH(int, expected);
    const std::optional<int> value = SteppedValue(text, delta);
    QCOMPARE(value.value_or(-1), expected);
}

FORMLARK_TEST_GUILESS_MAIN(EntryRulesTest)
#include "EntryRulesTest.moc"
