// Hostile text pasted into the component fields, the decimal field and the
// code field, the way a user pastes: select all, Ctrl+V (which the key filters
// never see), and Enter after a click for the code field. Every row starts from
// red 10, green 20, blue 30 and states the field's text after the paste and
// the display colour after the next tick of the deferred update.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "frm_farben.h"

namespace {

constexpr std::size_t kDisplay = 64;
constexpr std::size_t kCode = 65;
constexpr tk::ColourValue kWhite = 16777215;

constexpr std::array<int, 3> kStartComponents = {10, 20, 30};
constexpr tk::ColourValue kStart = 1971210;  // 10 + 256 * 20 + 65536 * 30, code 0A141E

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
    std::optional<std::string> code;  // the code field after the paste and Enter
    tk::ColourValue codeDisplay;
};

void PrintTo(const PastedText& row, std::ostream* os) { *os << row.name; }

// Hebrew alef and bet, a blank, 12.
const QString kRightToLeft = QString::fromUtf8("\u05D0\u05D1 12");
const QString kWithNul = QStringLiteral("12") + QChar(u'\0') + QStringLiteral("34");

const std::vector<PastedText> kRows = {
    {"Empty", "", kAsPasted, kKept, kAsPasted, 0, kAsPasted, kStart},
    {"BlanksOnly", "   ", kAsPasted, kKept, kAsPasted, 0, "000000", 0},
    {"MinusZero", "-0", kAsPasted, 0, kAsPasted, 0, "000000", 0},
    {"MinusFive", "-5", "0", 0, "0", 0, "050000", 5},
    {"HugeExponent", "1e400", "255", 255, "16777215", kWhite, "014000", 16385},
    {"NegativeHugeExponent", "-1e400", "0", 0, "0", 0, "010400", 1025},
    {"Hex16BitMinusOne", "&HFFFF", "0", 0, "0", 0, "00FFFF", 16776960},
    {"Hex32BitMinusOne", "&HFFFFFFFF", "0", 0, "0", 0, kAsPasted, kStart},
    {"Octal", "&O777", "255", 255, kAsPasted, 511, "007707", 489216},
    {"HexTwelveDigits", "&HFFFFFFFFFFFF", "255", 255, "16777215", kWhite, kAsPasted, kStart},
    {"DecimalComma", "12,5", kAsPasted, kKept, kAsPasted, 12, "120500", 1298},
    {"DecimalPoint", "12.5", kAsPasted, 12, kAsPasted, 12, "120500", 1298},
    {"FullWidthDigits", QString::fromUtf8("\uFF11\uFF12\uFF13"), kAsPasted, kKept, kAsPasted, 0,
     "000000", 0},
    {"Emoji", QString::fromUtf8("\U0001F3A8"), kAsPasted, kKept, kAsPasted, 0, "000000", 0},
    {"TenKilobytesOfNines", QString(10240, u'9'), "255", 255, "16777215", kWhite, kAsPasted,
     kStart},
    {"NulInside", kWithNul, kAsPasted, kKept, kAsPasted, 12, "120304", 262930},
    {"RightToLeft", kRightToLeft, kAsPasted, kKept, kAsPasted, 0, "000102", 131328},
};

// A window showing the start colour in every notation, typed as a decimal value.
class Window {
public:
    Window() {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        form.txtDecimal->setFocus();
        QTest::keyClicks(form.txtDecimal, QString::number(kStart));
        form.Timer4_Timer();
        EXPECT_EQ(Display(), kStart);
        EXPECT_EQ(form.txtFarbe[kCode]->Text(), "0A141E");
    }

    void Paste(tk::TextBox* field, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        ExpectDisplayInRange();
    }
    void Tick() {
        form.Timer4_Timer();
        ExpectDisplayInRange();
    }
    tk::ColourValue Display() const { return form.txtFarbe[kDisplay]->BackColor(); }

    frmFarben form;

private:
    void ExpectDisplayInRange() const {
        EXPECT_GE(Display(), 0);
        EXPECT_LE(Display(), kWhite);
    }
};

std::string Utf8(const QString& text) { return text.toStdString(); }

class PasteTest : public ::testing::TestWithParam<PastedText> {
protected:
    const PastedText& row = GetParam();
    std::string pasted = Utf8(row.text);
};

TEST_P(PasteTest, IntoEachComponentField) {
    for (std::size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE("component " + std::to_string(k));
        auto window = std::make_unique<Window>();
        tk::TextBox* field = window->form.txtRGB[k];
        window->Paste(field, row.text);
        EXPECT_EQ(field->Text(), row.component.value_or(pasted));
        window->Tick();

        std::array<int, 3> components = kStartComponents;
        if (row.componentValue) components[k] = *row.componentValue;
        EXPECT_EQ(window->Display(), components[0] + 256 * components[1] + 65536 * components[2]);
    }
}

TEST_P(PasteTest, IntoDecimalField) {
    Window window;
    window.Paste(window.form.txtDecimal, row.text);
    EXPECT_EQ(window.form.txtDecimal->Text(), row.decimal.value_or(pasted));
    window.Tick();
    EXPECT_EQ(window.Display(), row.decimalDisplay);
}

TEST_P(PasteTest, IntoCodeFieldAndEnter) {
    Window window;
    tk::TextBox* code = window.form.txtFarbe[kCode];
    QTest::mouseClick(code, Qt::LeftButton);
    window.Paste(code, row.text);
    QTest::keyClick(code, Qt::Key_Return);
    EXPECT_EQ(code->Text(), row.code.value_or(pasted));
    window.Tick();
    EXPECT_EQ(window.Display(), row.codeDisplay);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteTest, ::testing::ValuesIn(kRows),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
