// Typing a colour as components or as a decimal value, with real key events
// through the key filters. Timer4 is advanced by calling its tick handler.
// Pasted text is covered by the paste table (frm_farben_paste_test.cpp).
#include <QSignalSpy>
#include <memory>
#include <vector>

#include "test_support.h"

namespace test {
namespace {

class EntryTest : public WindowTest {
protected:
    tk::TextBox* Red() { return form.txtRGB[0]; }
    tk::TextBox* Green() { return form.txtRGB[1]; }
    tk::TextBox* Blue() { return form.txtRGB[2]; }
    void Backspaces(tk::TextBox* field, int count) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        for (int i = 0; i < count; ++i) QTest::keyClick(field, Qt::Key_Backspace);
    }
};

TEST_F(EntryTest, TypedComponentsReachEveryNotationAtTheNextTick) {
    Type(Red(), "200");
    EXPECT_TRUE(state.RgbActive());
    EXPECT_EQ(form.Timer4.Interval(), 50);
    EXPECT_EQ(Shown(), "FFFFFF - - | 200 0 0") << "nothing is computed before the tick";
    Tick();
    EXPECT_EQ(Shown(), "C80000 C80000 200 | 200 0 0");
    EXPECT_TRUE(state.RgbActive()) << "the components written back keep the timer armed";
    EXPECT_EQ(form.Timer4.Interval(), 50);

    Type(Red(), "0");
    Type(Green(), "128");
    Type(Blue(), "255");
    Tick();
    EXPECT_EQ(Shown(), "0080FF 0080FF 16744448 | 0 128 255");
}

TEST_F(EntryTest, ComponentAbove255BecomesMaximumAtOnce) {
    Type(Red(), "300");
    EXPECT_EQ(Red()->Text(), "255");
    EXPECT_EQ(Red()->cursorPosition(), 3);
    EXPECT_FALSE(Red()->hasSelectedText());
    Tick();
    EXPECT_EQ(Shown(), "FF0000 FF0000 255 | 255 0 0");
}

TEST_F(EntryTest, KeyFiltersDiscardAllButDigitsAndBackspace) {
    Type(Green(), "12");
    Type(form.txtDecimal, "34");
    for (tk::TextBox* field : {Red(), Green(), Blue(), form.txtDecimal}) {
        const std::string before = field->Text();
        QSignalSpy changes(field, &QLineEdit::textChanged);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, "a- Z+.,");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->Text(), before);
        EXPECT_EQ(changes.count(), 0);
    }
}

TEST_F(EntryTest, EmptyComponentSuspendsTicksUntilItHoldsText) {
    Type(Red(), "200");
    Tick();
    Backspaces(Red(), 3);
    Tick();
    EXPECT_EQ(Shown(), "C80000 C80000 200 | - 0 0");
    QTest::keyClicks(Red(), "10");
    Tick();
    EXPECT_EQ(Shown(), "0A0000 0A0000 10 | 10 0 0");
}

// Decimal entry acts at once, without a tick.
TEST_F(EntryTest, DecimalEntryAbove16777215IsCorrectedAndEmptiedFieldMeansBlack) {
    Type(form.txtDecimal, "16777216");
    EXPECT_EQ(Shown(), "FFFFFF FFFFFF 16777215 | 255 255 255");
    Type(form.txtDecimal, "123");
    EXPECT_EQ(Shown(), "7B0000 7B0000 123 | 123 0 0");
    Backspaces(form.txtDecimal, 3);
    EXPECT_EQ(Shown(), "000000 000000 - | 0 0 0");
}

TEST_F(EntryTest, LeadingZerosDroppedOnlyWhenColourChanges) {
    Type(Red(), "007");
    Tick();
    EXPECT_EQ(Shown(), "070000 070000 7 | 7 0 0");
    Type(Red(), "007");
    Tick();
    EXPECT_EQ(Shown(), "070000 070000 7 | 007 0 0");
}

TEST_F(EntryTest, SteadyColourTicksWriteNothing) {
    Type(Red(), "20");
    Type(Blue(), "40");
    Tick();
    EXPECT_EQ(Shown(), "140028 140028 2621460 | 20 0 40");

    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QWidget* field : {Red(), Green(), Blue(), form.txtDecimal, Code()}) {
        spies.push_back(std::make_unique<QSignalSpy>(field, SIGNAL(textChanged(QString))));
    }
    for (int i = 0; i < 3; ++i) Tick();
    for (std::size_t i = 0; i < spies.size(); ++i) EXPECT_EQ(spies[i]->count(), 0) << i;
    EXPECT_EQ(Shown(), "140028 140028 2621460 | 20 0 40");
    EXPECT_EQ(form.Timer4.Interval(), 50) << "the timer goes on ticking";
}

}  // namespace
}  // namespace test
