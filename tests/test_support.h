// Shared by the window tests: the indexes of the window design, the main
// window shown and active, user input through real events, the table of
// hostile pasted texts, and the check that every notation shows one colour.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QStyleOptionButton>
#include <QTest>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "colour_value.h"
#include "frm_farben.h"
#include "frm_farben_inspector.h"

namespace test {

constexpr std::size_t kFirstSlot = 48;  // custom slots 48 to 63
constexpr std::size_t kDisplay = 64;
constexpr std::size_t kCode = 65;
constexpr tk::ColourValue kWhite = 16777215;

constexpr tk::ColourValue Value(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

[[nodiscard]] inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// What a real double-click delivers: press, release (a click), double-click, release.
inline void DoubleClick(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

// A click on the box itself: the centre of a wide check box is no hit.
inline void ClickCheckBox(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect tick = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, tick.center());
}

// Replaces the field's text by typing, as a user who selects all first.
inline void Type(tk::TextBox* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// Select all and Ctrl+V: pasted text passes no key filter.
inline void Paste(tk::TextBox* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// The colour in every notation: "display code decimal | red green blue", the
// display as its hex code and an empty text as "-".
inline std::string Shown(const frmFarben& form) {
    const auto text = [](const tk::TextBox* field) {
        return field->Text().empty() ? std::string("-") : field->Text();
    };
    return colour::HexCodeFromColourValue(form.txtFarbe[kDisplay]->BackColor()) + " " +
           text(form.txtFarbe[kCode]) + " " + text(form.txtDecimal) + " | " +
           text(form.txtRGB[0]) + " " + text(form.txtRGB[1]) + " " + text(form.txtRGB[2]);
}

// What is wrong with the colour the window shows after the deferred update
// recomputed it, or nothing: each component converts to 0 to 255, together
// they make the display's colour, and the code and decimal fields show it.
inline std::string Disagreement(const frmFarben& form) {
    std::int64_t composed = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto value = colour::TextToInteger(form.txtRGB[k]->Text());
        if (!value || *value < 0 || *value > 255) return "component " + Shown(form);
        composed += std::int64_t{*value} << (8 * k);
    }
    const tk::ColourValue display = form.txtFarbe[kDisplay]->BackColor();
    if (display != composed ||
        form.txtFarbe[kCode]->Text() != colour::HexCodeFromColourValue(display) ||
        form.txtDecimal->Text() != colour::DecimalText(display)) {
        return "notations disagree: " + Shown(form);
    }
    return {};
}

// The main window, shown and active, so that focus and shortcuts behave as
// they do for the user.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(form)); }

    std::string Shown() const { return test::Shown(form); }
    tk::TextBox* Code() const { return form.txtFarbe[kCode]; }
    tk::TextBox* Slot(std::size_t i) const { return form.txtFarbe[kFirstSlot + i]; }
    void Tick() { form.Timer4_Timer(); }
    void ToggleTextMode() {
        const int before = form.Check1->Value();
        ClickCheckBox(form.Check1);
        EXPECT_NE(form.Check1->Value(), before);
    }

    frmFarben form;
    frmFarbenInspector state{form};
};

// --- Hostile pasted texts ----------------------------------------------------
// Every row starts from red 10, green 20, blue 30 and states the field's text
// after the paste and the display after the next tick of the deferred update.

constexpr tk::ColourValue kPasteStart = Value(10, 20, 30);  // code 0A141E

// Outcome columns: kAsPasted, the field keeps the pasted text; kKept, the
// component text does not convert and the colour stays as it was.
inline constexpr std::nullopt_t kAsPasted = std::nullopt;
inline constexpr std::nullopt_t kKept = std::nullopt;

struct PastedText {
    const char* name;
    QString text;
    std::optional<std::string> component;  // a component field after the paste
    std::optional<int> componentValue;     // that component after the tick
    std::optional<std::string> decimal;    // the decimal field after the paste
    tk::ColourValue decimalDisplay;
    std::optional<std::string> code;  // the code field after a click, the paste and Enter
    tk::ColourValue codeDisplay;
};

inline const std::vector<PastedText>& PasteTable() {
    static const std::vector<PastedText> rows = {
        {"Empty", "", kAsPasted, kKept, kAsPasted, 0, kAsPasted, kPasteStart},
        {"BlanksOnly", "   ", kAsPasted, kKept, kAsPasted, 0, "000000", 0},
        {"MinusZero", "-0", kAsPasted, 0, kAsPasted, 0, "000000", 0},
        {"MinusFive", "-5", "0", 0, "0", 0, "050000", 5},
        {"HugeExponent", "1e400", "255", 255, "16777215", kWhite, "014000", 16385},
        {"NegativeHugeExponent", "-1e400", "0", 0, "0", 0, "010400", 1025},
        {"Hex16BitMinusOne", "&HFFFF", "0", 0, "0", 0, "00FFFF", 16776960},
        {"Hex32BitMinusOne", "&HFFFFFFFF", "0", 0, "0", 0, kAsPasted, kPasteStart},
        {"Octal", "&O777", "255", 255, kAsPasted, 511, "007707", 489216},
        {"HexTwelveDigits", "&HFFFFFFFFFFFF", "255", 255, "16777215", kWhite, kAsPasted,
         kPasteStart},
        {"DecimalComma", "12,5", kAsPasted, kKept, kAsPasted, 12, "120500", 1298},
        {"DecimalPoint", "12.5", kAsPasted, 12, kAsPasted, 12, "120500", 1298},
        // Lower-case letters are no hex digits of a code: "ff8000" reads as 008000.
        {"LowerCaseCode", "ff8000", kAsPasted, kKept, kAsPasted, 0, "008000", 32768},
        {"FullWidthDigits", QString::fromUtf8("\uFF11\uFF12\uFF13"), kAsPasted, kKept, kAsPasted,
         0, "000000", 0},
        {"Emoji", QString::fromUtf8("\U0001F3A8"), kAsPasted, kKept, kAsPasted, 0, "000000", 0},
        {"TenKilobytesOfNines", QString(10240, u'9'), "255", 255, "16777215", kWhite, kAsPasted,
         kPasteStart},
        {"NulInside", QStringLiteral("12") + QChar(u'\0') + QStringLiteral("34"), kAsPasted,
         kKept, kAsPasted, 12, "120304", 262930},
        // Hebrew alef and bet, a blank, 12.
        {"RightToLeft", QString::fromUtf8("\u05D0\u05D1 12"), kAsPasted, kKept, kAsPasted, 0,
         "000102", 131328},
    };
    return rows;
}

}  // namespace test
