// Typing an HTML code into the code field and confirming it with Enter, and
// entries made while "VGA-Farbe-Text" is ticked.
#include "test_support.h"

namespace test {
namespace {

class CodeEntryFixture : public WindowTest {
protected:
    void Enter() { QTest::keyClick(Code(), Qt::Key_Return); }
    // Red typed into its field; the tick brings every notation in step.
    void TypeRed200() {
        Click(form.txtRGB[0]);
        Type(form.txtRGB[0], "200");
        Tick();
    }
};

// --- Typed codes ----------------------------------------------------------------

struct TypedCode {
    const char* name;
    const char* typed;
    const char* shown;  // after typing, before Enter
    const char* converted;
};

void PrintTo(const TypedCode& c, std::ostream* os) { *os << c.name; }

class CodeEntryTest : public CodeEntryFixture, public ::testing::WithParamInterface<TypedCode> {};

TEST_P(CodeEntryTest, EnterConvertsTypedCode) {
    const TypedCode& c = GetParam();
    Click(Code());
    QTest::keyClicks(Code(), c.typed);
    EXPECT_EQ(Code()->Text(), c.shown);
    Enter();
    EXPECT_EQ(Shown(), c.converted);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodeEntryTest,
    ::testing::Values(
        TypedCode{"LowerCaseTyped", "ff8000", "FF8000", "FF8000 FF8000 33023 | 255 128 0"},
        TypedCode{"EmptyAtStartUpReadsWhiteDisplay", "", "",
                  "FFFFFF FFFFFF 16777215 | 255 255 255"},
        TypedCode{"OneDigit", "1", "1", "010000 010000 1 | 1 0 0"},
        TypedCode{"FiveDigits", "12345", "12345", "123405 123405 341010 | 18 52 5"},
        TypedCode{"ShortPairReadAsOneDigit", "FFF", "FFF", "FF0F00 FF0F00 4095 | 255 15 0"},
        TypedCode{"OnlyHexDigitsAccepted", "#a G-1", "A1", "A10000 A10000 161 | 161 0 0"}),
    [](const auto& test) { return std::string(test.param.name); });

using CodeEntryRuleTest = CodeEntryFixture;

TEST_F(CodeEntryRuleTest, SevenCharactersAreNotConverted) {
    Click(Code());
    QTest::keyClicks(Code(), "1234567");
    Enter();
    EXPECT_EQ(Shown(), "FFFFFF 1234567 - | 0 0 0");
}

TEST_F(CodeEntryRuleTest, AfterTabEditedCodeIsPutBackAndEnterDoesNotConvert) {
    TypeRed200();
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Code());
    Type(Code(), "0000FF");
    Enter();
    EXPECT_EQ(Shown(), "C80000 0000FF 200 | 200 0 0");
    Tick();
    EXPECT_EQ(Shown(), "C80000 C80000 200 | 200 0 0");
}

TEST_F(CodeEntryRuleTest, AfterClickTypedCodeOutlastsTicksAndEnterConverts) {
    TypeRed200();
    Click(Code());
    Type(Code(), "0000FF");
    Tick();
    EXPECT_EQ(Code()->Text(), "0000FF");
    Enter();
    EXPECT_EQ(Shown(), "0000FF 0000FF 16711680 | 0 0 255");
}

// --- Entries while "VGA-Farbe-Text" is ticked keep the entered colour ---------

using CodeEntryTextModeTest = CodeEntryFixture;

TEST_F(CodeEntryTextModeTest, ConfirmedCodeKeepsItsColour) {
    Click(Code());
    ToggleTextMode();
    QTest::keyClicks(Code(), "FF8000");
    Enter();
    EXPECT_EQ(Shown(), "FF8000 FF8000 33023 | 255 128 0");
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
}

TEST_F(CodeEntryTextModeTest, TypedDecimalKeepsItsValue) {
    TypeRed200();
    ToggleTextMode();
    Type(form.txtDecimal, "8421376");
    EXPECT_EQ(Shown(), "008080 008080 8421376 | 0 128 128");
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
    Tick();
    EXPECT_EQ(Shown(), "008080 008080 8421376 | 0 128 128");
}

TEST_F(CodeEntryTextModeTest, TypedComponentKeepsItsColourAtTick) {
    ToggleTextMode();
    TypeRed200();
    EXPECT_EQ(Shown(), "C80000 C80000 200 | 200 0 0");
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
}

}  // namespace
}  // namespace test
