// Shared by the window tests: the main window shown and active, user input
// through real events, ticks as the event loop delivers them, and the colour
// as every notation shows it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimerEvent>
#include <functional>
#include <string>

#include "colour_value.h"
#include "frm_farben.h"
#include "frm_farben_xl.h"

// Read access to the main window's private state, for the tests.
class frmFarbenInspector {
public:
    explicit frmFarbenInspector(const frmFarben& form) : f(form) {}
    bool RgbActive() const { return f.mRgbActive; }
    bool Updating() const { return f.mUpdating; }
    // A counter's flags: "U" moving up, "D" moving down, "u" resuming upward, or "-" each.
    std::string Flags(int component) const {
        const bool flags[3][3] = {{f.mRedUp, f.mRedDown, f.mRedResumeUp}, {f.mGreenUp, f.mGreenDown, f.mGreenResumeUp},
                                  {f.mBlueUp, f.mBlueDown, f.mBlueResumeUp}};
        const bool* c = flags[component];
        return std::string(c[0] ? "U" : "-") + (c[1] ? "D" : "-") + (c[2] ? "u" : "-");
    }

private:
    const frmFarben& f;
};

// A tick as the event loop delivers it: only a running timer ticks.
class tk::TimerInspector {
public:
    static void Tick(tk::Timer& timer) {
        if (!timer.mTimer.isActive()) return;
        QTimerEvent tick(timer.mTimer.timerId());
        QCoreApplication::sendEvent(&timer.mTimer, &tick);
    }
};

namespace test {

using design::kDisplay, design::kFirstSlot, colour::kWhite;
constexpr int kCode = design::kCodeField;

[[nodiscard]] inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline void Tick(tk::Timer& timer) { tk::TimerInspector::Tick(timer); }

// A click on the box of a check box: the centre of a wide one is no hit.
inline void Click(QWidget* w) {
    QStyleOptionButton option;
    option.initFrom(w);
    const QRect box = w->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, w);
    QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QCheckBox*>(w) ? box.center() : w->rect().center());
}

// What a real double-click delivers: press, release (a click), double-click, release.
inline void DoubleClick(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

// Replaces the field's text as a user who selects all first, then types it or pastes it.
inline void Type(QWidget* field, const QString& text, bool paste = false) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (paste) QGuiApplication::clipboard()->setText(text);
    paste ? QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier) : QTest::keyClicks(field, text);
}
inline void Paste(QWidget* field, const QString& text) { Type(field, text, true); }

// The colour in every notation: "display code decimal | red green blue", the
// display as its hex code and an empty text as "-"; then " VGA" while text
// mode is ticked and the VGA name shown, if any.
inline std::string Shown(const frmFarben& form) {
    const auto text = [](const tk::TextBox* field) {
        return field->Text().empty() ? std::string("-") : field->Text();
    };
    std::string shown = colour::HexCodeFromColourValue(form.txtFarbe[kDisplay]->BackColor()) + " " +
                        text(form.txtFarbe[kCode]) + " " + text(form.txtDecimal) + " | " +
                        text(form.txtRGB[0]) + " " + text(form.txtRGB[1]) + " " + text(form.txtRGB[2]);
    if (form.Check1->Value() == tk::CheckBox::kTicked) shown += " VGA";
    if (!form.Label3->Caption().empty()) shown += " " + form.Label3->Caption();
    return shown;
}

// Presses "X L" and runs `whileOpen` inside the large window's modal loop;
// the window is closed afterwards. Whether it opened.
inline bool WithLargeWindow(frmFarben& form, const std::function<void(frmFarbenXL&)>& whileOpen) {
    bool opened = false;
    QTimer::singleShot(0, &form, [&] {
        frmFarbenXL* large = form.LargeWindow();
        if (large && QTest::qWaitForWindowExposed(large)) {
            opened = true;
            whileOpen(*large);
        }
        if (form.LargeWindow()) form.LargeWindow()->close();
    });
    Click(form.cmdFarben[10]);
    return opened && form.LargeWindow() == nullptr;
}

// The main window, shown and active, so that focus and shortcuts behave as
// they do for the user.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(form)); }

    std::string Shown() const { return test::Shown(form); }
    tk::TextBox* Code() const { return form.txtFarbe[kCode]; }
    tk::TextBox* Slot(std::size_t i) const { return form.txtFarbe[kFirstSlot + i]; }
    void Tick() { test::Tick(form.Timer4); }

    frmFarben form;
    frmFarbenInspector state{form};
};

}  // namespace test
