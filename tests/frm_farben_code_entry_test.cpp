// Typing an HTML code into the code field and confirming it with Enter, and
// entries made while "VGA-Farbe-Text" is ticked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QStyleOptionButton>
#include <QTest>
#include <string>

#include "frm_farben.h"

namespace {

constexpr tk::ColourValue kWhite = 0xFFFFFF;

constexpr tk::ColourValue Value(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

class CodeEntryFixture : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Replaces the whole text of a field by typing.
    static void Retype(QWidget* field, const char* text) {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    void ClickCode() { QTest::mouseClick(code, Qt::LeftButton); }
    void Enter() { QTest::keyClick(code, Qt::Key_Return); }
    // Ticks or unticks "VGA-Farbe-Text" by a click inside its box.
    void ToggleTextMode() {
        const int before = form.Check1->Value();
        QStyleOptionButton option;
        option.initFrom(form.Check1);
        const QRect box = form.Check1->style()->subElementRect(QStyle::SE_CheckBoxIndicator,
                                                               &option, form.Check1);
        QTest::mouseClick(form.Check1, Qt::LeftButton, {}, box.center());
        EXPECT_NE(form.Check1->Value(), before);
    }
    // Red typed into its field; the tick brings every notation in step.
    void TypeRed200() {
        QTest::mouseClick(form.txtRGB[0], Qt::LeftButton);
        Retype(form.txtRGB[0], "200");
        form.Timer4_Timer();
    }

    std::string Components() const {
        return form.txtRGB[0]->Text() + " " + form.txtRGB[1]->Text() + " " + form.txtRGB[2]->Text();
    }
    // The colour in every notation, the decimal field included.
    void ExpectColour(const std::string& hex, int red, int green, int blue) const {
        EXPECT_EQ(code->Text(), hex);
        EXPECT_EQ(Components(),
                  std::to_string(red) + " " + std::to_string(green) + " " + std::to_string(blue));
        EXPECT_EQ(form.txtFarbe[64]->BackColor(), Value(red, green, blue));
        EXPECT_EQ(form.txtDecimal->Text(), std::to_string(Value(red, green, blue)));
    }

    frmFarben form;
    tk::TextBox* code = form.txtFarbe[65];
};

// --- Typed codes ------------------------------------------------------------

struct TypedCode {
    const char* name;
    const char* typed;
    const char* shown;  // after typing, before Enter
    const char* converted;
    int red, green, blue;
};

void PrintTo(const TypedCode& c, std::ostream* os) { *os << c.name; }

class CodeEntryTest : public CodeEntryFixture, public ::testing::WithParamInterface<TypedCode> {};

TEST_P(CodeEntryTest, EnterConvertsTypedCode) {
    const TypedCode& c = GetParam();
    ClickCode();
    QTest::keyClicks(code, c.typed);
    EXPECT_EQ(code->Text(), c.shown);
    Enter();
    ExpectColour(c.converted, c.red, c.green, c.blue);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CodeEntryTest,
    ::testing::Values(TypedCode{"LowerCaseTyped", "ff8000", "FF8000", "FF8000", 255, 128, 0},
                      TypedCode{"EmptyAtStartUpReadsWhiteDisplay", "", "", "FFFFFF", 255, 255, 255},
                      TypedCode{"OneDigit", "1", "1", "010000", 1, 0, 0},
                      TypedCode{"FiveDigits", "12345", "12345", "123405", 18, 52, 5},
                      TypedCode{"ShortPairReadAsOneDigit", "FFF", "FFF", "FF0F00", 255, 15, 0},
                      TypedCode{"OnlyHexDigitsAccepted", "#a G-1", "A1", "A10000", 161, 0, 0}),
    [](const auto& test) { return std::string(test.param.name); });

using CodeEntryRuleTest = CodeEntryFixture;

TEST_F(CodeEntryRuleTest, SevenCharactersAreNotConverted) {
    ClickCode();
    QTest::keyClicks(code, "1234567");
    Enter();
    EXPECT_EQ(code->Text(), "1234567");
    EXPECT_EQ(Components(), "0 0 0");
    EXPECT_EQ(form.txtDecimal->Text(), "");
    EXPECT_EQ(form.txtFarbe[64]->BackColor(), kWhite);
}

TEST_F(CodeEntryRuleTest, PastedLowerCaseLettersAreSkipped) {
    QApplication::clipboard()->setText("ff8000");
    ClickCode();
    QTest::keyClick(code, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(code->Text(), "ff8000");
    Enter();
    ExpectColour("008000", 0, 128, 0);
}

TEST_F(CodeEntryRuleTest, AfterTabEditedCodeIsPutBackAndEnterDoesNotConvert) {
    TypeRed200();
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), code);
    Retype(code, "0000FF");
    Enter();
    EXPECT_EQ(Components(), "200 0 0");
    EXPECT_EQ(form.txtDecimal->Text(), "200");
    form.Timer4_Timer();
    ExpectColour("C80000", 200, 0, 0);
}

TEST_F(CodeEntryRuleTest, AfterClickTypedCodeOutlastsTicksAndEnterConverts) {
    TypeRed200();
    ClickCode();
    Retype(code, "0000FF");
    form.Timer4_Timer();
    EXPECT_EQ(code->Text(), "0000FF");
    Enter();
    ExpectColour("0000FF", 0, 0, 255);
}

// --- Entries while "VGA-Farbe-Text" is ticked keep the entered colour -------

using CodeEntryTextModeTest = CodeEntryFixture;

TEST_F(CodeEntryTextModeTest, ConfirmedCodeKeepsItsColour) {
    ClickCode();
    ToggleTextMode();
    QTest::keyClicks(code, "FF8000");
    Enter();
    ExpectColour("FF8000", 255, 128, 0);
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
}

TEST_F(CodeEntryTextModeTest, TypedDecimalKeepsItsValue) {
    TypeRed200();
    ToggleTextMode();
    Retype(form.txtDecimal, "8421376");
    ExpectColour("008080", 0, 128, 128);
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
    form.Timer4_Timer();
    ExpectColour("008080", 0, 128, 128);
}

TEST_F(CodeEntryTextModeTest, TypedComponentKeepsItsColourAtTick) {
    ToggleTextMode();
    TypeRed200();
    ExpectColour("C80000", 200, 0, 0);
    EXPECT_EQ(form.Check1->Value(), tk::CheckBox::kUnticked);
}

}  // namespace
