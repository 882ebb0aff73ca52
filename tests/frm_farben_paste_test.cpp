// Hostile text pasted into the component fields, the decimal field and the
// code field (Enter after a click there), row by row of the paste table in
// test_support.h. No paste may leave a colour outside 0 to 16777215.
#include <array>
#include <ostream>

#include "test_support.h"

namespace test {

void PrintTo(const PastedText& row, std::ostream* os) { *os << row.name; }

namespace {

class PasteTest : public WindowTest, public ::testing::WithParamInterface<PastedText> {
protected:
    // The start colour in every notation, typed as a decimal value.
    void ShowStartColour() {
        Type(form.txtDecimal, QString::number(kPasteStart));
        Tick();
        ASSERT_EQ(Shown(), "0A141E 0A141E 1971210 | 10 20 30");
    }
    void PasteChecked(tk::TextBox* field) {
        Paste(field, row.text);
        ExpectDisplayInRange();
    }
    void TickChecked() {
        Tick();
        ExpectDisplayInRange();
    }
    void ExpectDisplayInRange() const {
        EXPECT_GE(form.txtFarbe[kDisplay]->BackColor(), 0);
        EXPECT_LE(form.txtFarbe[kDisplay]->BackColor(), kWhite);
    }
    tk::ColourValue Display() const { return form.txtFarbe[kDisplay]->BackColor(); }

    const PastedText& row = GetParam();
    const std::string pasted = row.text.toStdString();
};

TEST_P(PasteTest, IntoEachComponentField) {
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE("component " + std::to_string(k));
        ShowStartColour();
        PasteChecked(form.txtRGB[k]);
        EXPECT_EQ(form.txtRGB[k]->Text(), row.component.value_or(pasted));
        TickChecked();
        std::array<int, 3> components = {10, 20, 30};
        if (row.componentValue) components[k] = *row.componentValue;
        EXPECT_EQ(Display(), Value(components[0], components[1], components[2]));
    }
}

TEST_P(PasteTest, IntoDecimalField) {
    ShowStartColour();
    PasteChecked(form.txtDecimal);
    EXPECT_EQ(form.txtDecimal->Text(), row.decimal.value_or(pasted));
    TickChecked();
    EXPECT_EQ(Display(), row.decimalDisplay);
}

TEST_P(PasteTest, IntoCodeFieldAndEnter) {
    ShowStartColour();
    Click(Code());
    PasteChecked(Code());
    QTest::keyClick(Code(), Qt::Key_Return);
    EXPECT_EQ(Code()->Text(), row.code.value_or(pasted));
    TickChecked();
    EXPECT_EQ(Display(), row.codeDisplay);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteTest, ::testing::ValuesIn(PasteTable()),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace test
