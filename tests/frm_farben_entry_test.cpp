// The colour entered or picked in every way, read in every notation: one
// table of user actions (real key and mouse events) and what the window then
// shows. Ticks of the deferred update come as the event loop delivers them.
#include <map>
#include <vector>

#include "test_support.h"

namespace test {
namespace {

struct Step {
    enum Kind { Type, Keys, Paste, Undo, Click, DoubleClick, Tick } kind;
    std::string target;  // red, green, blue, decimal, code, check1, chartN, slotN, vgaN
    QString text = {};
};
Step T(std::string field, QString text) { return {Step::Type, std::move(field), std::move(text)}; }
Step K(std::string field, QString text) { return {Step::Keys, std::move(field), std::move(text)}; }  // at the end
const Step kEnter{Step::Keys, "code", "\r"};
const Step kUndo{Step::Undo, "code"};
Step P(std::string field, QString text) { return {Step::Paste, std::move(field), std::move(text)}; }
Step C(std::string control) { return {Step::Click, std::move(control)}; }
const Step kTick{Step::Tick, ""};
const Step kPickOrange = C("chart18");  // FF8000; the decimal follows at the tick
const Step kTextMode = C("check1");

struct Row {
    const char* name;
    std::vector<Step> steps;
    const char* shown;  // see test::Shown
    friend void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }
};

QWidget* Find(frmFarben& form, const std::string& name) {
    const std::map<std::string, QWidget*> named = {{"red", form.txtRGB[0]}, {"green", form.txtRGB[1]},
                                                   {"blue", form.txtRGB[2]}, {"decimal", form.txtDecimal},
                                                   {"code", form.txtFarbe[kCode]}, {"check1", form.Check1}};
    if (named.contains(name)) return named.at(name);
    const std::size_t number = std::stoul(name.substr(name.find_first_of("0123456789")));
    if (name.starts_with("chart")) return form.txtFarbe.at(number);
    return name.starts_with("slot") ? form.txtFarbe.at(kFirstSlot + number) : form.txtFarbe16.at(number);
}

class EntryTest : public WindowTest, public ::testing::WithParamInterface<Row> {};

TEST_P(EntryTest, ShowsTheColourInEveryNotation) {
    for (const Step& step : GetParam().steps) {
        QWidget* const target = step.kind == Step::Tick ? nullptr : Find(form, step.target);
        switch (step.kind) {
            case Step::Type: test::Type(target, step.text); break;
            case Step::Keys:
                target->setFocus();
                QTest::keyClick(target, Qt::Key_End);
                QTest::keyClicks(target, step.text);
                break;
            case Step::Paste: test::Paste(target, step.text); break;
            case Step::Undo: QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier); break;
            case Step::Click: test::Click(target); break;
            case Step::DoubleClick: test::DoubleClick(target); break;
            case Step::Tick: Tick(); break;
        }
    }
    EXPECT_EQ(Shown(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rows, EntryTest, ::testing::ValuesIn(std::vector<Row>{
    // Components: the colour follows at the next tick; only digits pass the filter.
    {"NothingBeforeTheTick", {T("red", "200")}, "FFFFFF - - | 200 0 0"},
    {"ThreeComponents", {T("green", "128"), T("blue", "255"), kTick}, "0080FF 0080FF 16744448 | 0 128 255"},
    {"Above255", {T("red", "300"), kTick}, "FF0000 FF0000 255 | 255 0 0"},
    {"ComponentFilter", {T("blue", "1a- Z+.,\r2"), kTick}, "00000C 00000C 786432 | 0 0 12"},
    {"EmptyComponentHoldsTheColour", {T("red", "200"), kTick, K("red", "\b\b\b"), kTick}, "C80000 C80000 200 | - 0 0"},
    {"LeadingZerosGoWhenTheColourChanges", {T("red", "007"), kTick}, "070000 070000 7 | 7 0 0"},
    {"LeadingZerosStayForTheSameColour", {T("red", "7"), kTick, T("red", "007"), kTick}, "070000 070000 7 | 007 0 0"},
    // Decimal entry acts at once.
    {"Decimal", {T("decimal", "1a-.,\r2")}, "0C0000 0C0000 12 | 12 0 0"},
    {"DecimalAboveWhite", {T("decimal", "16777216")}, "FFFFFF FFFFFF 16777215 | 255 255 255"},
    {"DecimalWhiteWithALeadingZero", {T("decimal", "016777215")}, "FFFFFF FFFFFF 016777215 | 255 255 255"},
    {"DecimalEmptiedIsBlack", {T("decimal", "1"), K("decimal", "\b")}, "000000 000000 - | 0 0 0"},
    // The code converts on Enter; lower case comes out upper case.
    {"CodeEmptyAtStartUp", {C("code"), kEnter}, "FFFFFF FFFFFF 16777215 | 255 255 255"},
    {"CodeOneDigit", {C("code"), K("code", "1"), kEnter}, "010000 010000 1 | 1 0 0"},
    {"CodeOnePairAfterAColour", {kPickOrange, kTick, C("code"), T("code", "12"), kEnter}, "120000 120000 18 | 18 0 0"},
    {"CodeShortPair", {C("code"), K("code", "FFF"), kEnter}, "FF0F00 FF0F00 4095 | 255 15 0"},
    {"CodeFilter", {C("code"), K("code", "#a G-1"), kEnter}, "A10000 A10000 161 | 161 0 0"},
    {"CodeOfSevenIsNotConverted", {C("code"), K("code", "1234567"), kEnter}, "FFFFFF 1234567 - | 0 0 0"},
    // Reached without a click, the code field is rewritten at the next tick.
    {"CodeWithoutClickIsPutBack", {T("red", "200"), kTick, T("code", "0000FF"), kEnter, kTick},
     "C80000 C80000 200 | 200 0 0"},
    {"CodeEmptiedWithoutClickIsPutBack", {T("red", "200"), kTick, kTick, P("code", ""), kTick},
     "C80000 C80000 200 | 200 0 0"},
    {"CodeAfterClickOutlastsTicks", {T("red", "200"), kTick, C("code"), T("code", "0000FF"), kTick, kEnter},
     "0000FF 0000FF 16711680 | 0 0 255"},
    // Picking: the decimal field follows at the tick, if a component changed.
    {"VgaBoxAtTheTick", {C("vga4"), kTick}, "000080 000080 8388608 | 0 0 128"},
    {"BlackSwatchChangesNoComponent", {C("chart40"), kTick}, "000000 000000 - | 0 0 0"},
    {"FreeSlotIsWhite", {C("slot15"), kTick}, "FFFFFF FFFFFF 16777215 | 255 255 255"},
    {"DoubleClickOnASwatchPicksIt", {Step{Step::DoubleClick, "chart17"}}, "FF0000 FF0000 - | 255 0 0"},
    // VGA text mode: ticking it blanks the display; a VGA box then only names its colour.
    {"TextModeNamesTheVgaColour", {C("chart17"), kTick, kTextMode, C("vga0")}, "FFFFFF - 255 | 255 0 0 VGA black"},
    {"TextModeUntilTheTick", {C("chart17"), kTick, kTextMode, C("vga9"), kTick}, "FF0000 FF0000 255 | 255 0 0 VGA red"},
    {"TextModeUntickedByHand", {C("chart17"), kTick, kTextMode, kTextMode}, "FFFFFF - 255 | 255 0 0"},
    {"SwatchLeavesTextMode", {kTextMode, C("vga6"), C("chart17"), kTick}, "FF0000 FF0000 255 | 255 0 0 teal"},
    {"CodeFieldClickLeavesTextModeBlank", {C("chart17"), kTick, kTextMode, C("code"), kTick}, "FFFFFF - 255 | 255 0 0"},
    {"CodeInTextMode", {C("code"), kTextMode, K("code", "FF8000"), kEnter}, "FF8000 FF8000 33023 | 255 128 0"},
    {"SameCodeInTextMode", {kPickOrange, kTick, C("code"), kTextMode, K("code", "FF8000"), kEnter},
     "FF8000 FF8000 33023 | 255 128 0"},
    {"DecimalInTextMode", {kPickOrange, kTick, kTextMode, T("decimal", "8421376"), kTick},
     "008080 008080 8421376 | 0 128 128"},
    {"ComponentInTextMode", {kTextMode, T("red", "200"), kTick}, "C80000 C80000 200 | 200 0 0"},
    // Pasted text is taken as if typed: what the field's filter refuses is left out, line breaks too.
    {"PastedCodeIsOneUndoStep", {C("code"), K("code", "12"), P("code", "#ff"), kUndo}, "FFFFFF 12 - | 0 0 0"},
    {"PasteIntoAnEmptiedField", {C("code"), K("code", "12\b\b"), P("code", "34"), kUndo}, "FFFFFF - - | 0 0 0"},
    {"PastedCodeWithBlanks", {C("code"), P("code", " 00 ff\t00\r\n"), kEnter}, "00FF00 00FF00 65280 | 0 255 0"},
    {"PastedComponentWithLineBreak", {kPickOrange, kTick, P("red", "200\n"), kTick}, "C88000 C88000 32968 | 200 128 0"},
    {"PastedComponentAbove255", {kPickOrange, kTick, P("green", "\r\n 300 "), kTick}, "FFFF00 FFFF00 65535 | 255 255 0"},
    {"PastedSignAndPointLeftOut", {kPickOrange, kTick, P("red", "-5"), P("blue", "12.5"), kTick},
     "05807D 05807D 8224773 | 5 128 125"},
    {"PastedTextWithoutADigitChangesNothing", {kPickOrange, kTick, P("green", "abc"), P("decimal", "&HFFFF"), kTick},
     "FF8000 FF8000 33023 | 255 128 0"},
}), [](const auto& test) { return std::string(test.param.name); });

// Keys pressed with modifiers, in every field: Alt and Meta chords type
// nothing (unless they are access keys); Shift, the keypad, AltGr (also as
// Ctrl+Alt) and Ctrl with the keypad type through the field's filter, and so
// does what an input method commits (dead keys, Compose, a character picker).
TEST_F(WindowTest, KeysWithModifiersAndComposedTextTypeOnlyWhatTheFilterLetsPass) {
    using M = Qt::KeyboardModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, const char*, const char*> chords[] = {
        // key, modifiers, the key's text, what it adds to a digit field, to the code field
        {Qt::Key_Q, M::AltModifier, "q", "", ""}, {Qt::Key_B, M::AltModifier, "b", "", ""},
        {Qt::Key_7, M::AltModifier, "7", "", ""}, {Qt::Key_B, M::MetaModifier, "b", "", ""},
        {Qt::Key_B, M::ControlModifier | M::AltModifier, "b", "", "B"}, {Qt::Key_B, M::ShiftModifier, "B", "", "B"},
        {Qt::Key_Minus, M::ControlModifier | M::KeypadModifier, "-", "", ""},
        {Qt::Key_7, M::ControlModifier | M::KeypadModifier, "7", "7", "7"},
        {Qt::Key_7, M::KeypadModifier, "7", "7", "7"}, {Qt::Key_Minus, M::KeypadModifier, "-", "", ""},
        {Qt::Key_At, M::GroupSwitchModifier, "@", "", ""}, {Qt::Key_7, M::GroupSwitchModifier, "7", "7", "7"},
        {Qt::Key_F, M::GroupSwitchModifier, "f", "", "F"}, {Qt::Key_Delete, M::NoModifier, "\x7f", "\b", "\b"}};
    for (tk::TextBox* field : {form.txtRGB[0], form.txtRGB[1], form.txtRGB[2], form.txtDecimal, Code()}) {
        for (const auto& [key, modifiers, text, digitField, codeField] : chords) {
            field->SetText("12");
            field->setCursorPosition(1);
            QTest::sendKeyEvent(QTest::Click, field, key, QString::fromUtf8(text), modifiers);
            const std::string added = field == Code() ? codeField : digitField;
            EXPECT_EQ(field->Text(), added == "\b" ? "1" : "1" + added + "2") << text << " " << modifiers;
            if (field->Text() != "12" && field != form.txtDecimal && field != Code()) {
                EXPECT_EQ(field->cursorPosition(), field->text().size()) << "a component's caret goes to the end";
            }
        }
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("\u00e95f"));  // é refused by every field
        field->SetText("12");
        QCoreApplication::sendEvent(field, &composed);
        EXPECT_EQ(field->Text(), field == Code() ? "125F" : "125") << "composed";
    }
}

}  // namespace
}  // namespace test
