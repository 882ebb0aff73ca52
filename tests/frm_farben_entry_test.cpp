// Typing a colour as components or as a decimal value, with real key events
// through the key filters. Timer4 is advanced by calling its tick handler.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "frm_farben.h"
#include "frm_farben_inspector.h"

namespace {

constexpr std::size_t kDisplay = 64;
constexpr std::size_t kCode = 65;

class EntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    tk::TextBox* Red() { return form.txtRGB[0]; }
    tk::TextBox* Green() { return form.txtRGB[1]; }
    tk::TextBox* Blue() { return form.txtRGB[2]; }

    // Replaces the field's text by typing, as a user who selects all first.
    void Type(tk::TextBox* field, const char* text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    void Paste(tk::TextBox* field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
    void Backspaces(tk::TextBox* field, int count) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        for (int i = 0; i < count; ++i) QTest::keyClick(field, Qt::Key_Backspace);
    }
    void Tick() { form.Timer4_Timer(); }

    // The display colour and every notation of it.
    void ExpectColour(tk::ColourValue display, const std::string& code, const std::string& decimal,
                      const std::vector<std::string>& components) {
        EXPECT_EQ(form.txtFarbe[kDisplay]->BackColor(), display);
        EXPECT_EQ(form.txtFarbe[kCode]->Text(), code);
        EXPECT_EQ(form.txtDecimal->Text(), decimal);
        EXPECT_EQ((std::vector<std::string>{Red()->Text(), Green()->Text(), Blue()->Text()}),
                  components);
    }

    frmFarben form;
    frmFarbenInspector inspect{form};
};

TEST_F(EntryTest, TypedComponentReachesEveryNotationAtNextTick) {
    Type(Red(), "200");
    EXPECT_TRUE(inspect.RgbActive());
    EXPECT_EQ(form.Timer4.Interval(), 50);
    ExpectColour(16777215, "", "", {"200", "0", "0"});  // nothing computed before the tick

    Tick();
    ExpectColour(200, "C80000", "200", {"200", "0", "0"});
    EXPECT_TRUE(inspect.RgbActive()) << "the components written back keep the timer armed";
    EXPECT_EQ(form.Timer4.Interval(), 50);
}

TEST_F(EntryTest, ComponentAbove255BecomesMaximumAtOnce) {
    Type(Red(), "300");
    EXPECT_EQ(Red()->Text(), "255");
    EXPECT_EQ(Red()->cursorPosition(), 3);
    EXPECT_FALSE(Red()->hasSelectedText());
    Tick();
    ExpectColour(255, "FF0000", "255", {"255", "0", "0"});
}

TEST_F(EntryTest, ThreeComponentsGiveOneColour) {
    Type(Red(), "0");
    Type(Green(), "128");
    Type(Blue(), "255");
    Tick();
    ExpectColour(16744448, "0080FF", "16744448", {"0", "128", "255"});
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
    EXPECT_EQ(Red()->Text(), "");
    Tick();
    ExpectColour(200, "C80000", "200", {"", "0", "0"});

    QTest::keyClicks(Red(), "10");
    Tick();
    ExpectColour(10, "0A0000", "10", {"10", "0", "0"});
}

// Decimal entry acts at once. Pasted text passes no key filter.
TEST_F(EntryTest, DecimalEntryIsCorrectedIntoRange) {
    struct Case {
        const char* text;
        bool pasted;
        tk::ColourValue display;
        const char* code;
        const char* decimal;
        std::vector<std::string> components;
    };
    const std::vector<Case> cases = {
        {"16777216", false, 16777215, "FFFFFF", "16777215", {"255", "255", "255"}},
        {"-5", true, 0, "000000", "0", {"0", "0", "0"}},
        {"12.5", true, 12, "0C0000", "12.5", {"12", "0", "0"}},
        {"99999999999", true, 16777215, "FFFFFF", "16777215", {"255", "255", "255"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Type(form.txtDecimal, "500");
        if (c.pasted) {
            Paste(form.txtDecimal, QString::fromLatin1(c.text));
        } else {
            Type(form.txtDecimal, c.text);
        }
        ExpectColour(c.display, c.code, c.decimal, c.components);
    }
}

TEST_F(EntryTest, EmptiedDecimalFieldMeansBlack) {
    Type(form.txtDecimal, "123");
    ExpectColour(123, "7B0000", "123", {"123", "0", "0"});
    Backspaces(form.txtDecimal, 3);
    ExpectColour(0, "000000", "", {"0", "0", "0"});
}

TEST_F(EntryTest, LeadingZerosDroppedOnlyWhenColourChanges) {
    Type(Red(), "007");
    Tick();
    ExpectColour(7, "070000", "7", {"7", "0", "0"});

    Type(Red(), "007");
    Tick();
    ExpectColour(7, "070000", "7", {"007", "0", "0"});
}

TEST_F(EntryTest, SteadyColourTicksWriteNothing) {
    Type(Red(), "20");
    Type(Blue(), "40");
    Tick();
    ExpectColour(2621460, "140028", "2621460", {"20", "0", "40"});

    std::vector<QWidget*> fields = {Red(), Green(), Blue(), form.txtDecimal, form.txtFarbe[kCode]};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QWidget* field : fields) {
        spies.push_back(std::make_unique<QSignalSpy>(field, SIGNAL(textChanged(QString))));
    }
    for (int i = 0; i < 3; ++i) Tick();
    for (std::size_t i = 0; i < spies.size(); ++i) EXPECT_EQ(spies[i]->count(), 0) << i;
    ExpectColour(2621460, "140028", "2621460", {"20", "0", "40"});
    EXPECT_EQ(form.Timer4.Interval(), 50) << "the timer goes on ticking";
}

TEST_F(EntryTest, PastedNegativeComponentBecomesZero) {
    Type(Red(), "200");
    Tick();
    Paste(Red(), QStringLiteral("-5"));
    EXPECT_EQ(Red()->Text(), "0");
    Tick();
    ExpectColour(0, "000000", "0", {"0", "0", "0"});
}

TEST_F(EntryTest, PastedComponentThatIsNoNumberKeepsColour) {
    Type(Red(), "200");
    Tick();
    Paste(Green(), QStringLiteral("abc"));
    Tick();
    ExpectColour(200, "C80000", "200", {"200", "abc", "0"});

    Type(Green(), "1");
    Tick();
    ExpectColour(456, "C80100", "456", {"200", "1", "0"});
}

// Leaving VGA text mode by an entry keeps the entered value, not white.
TEST_F(EntryTest, DecimalEntryInTextModeKeepsValueAndUnticks) {
    form.Check1->setFocus();
    QTest::keyClick(form.Check1, Qt::Key_Space);
    ASSERT_EQ(form.Check1->Value(), 1);

    Type(form.txtDecimal, "9");
    EXPECT_EQ(form.Check1->Value(), 0);
    ExpectColour(9, "090000", "9", {"9", "0", "0"});
}

}  // namespace
