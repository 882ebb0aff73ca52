// The toolkit layer as the window handlers rely on it: when change, click and
// key handlers run, and what reaches them.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QSignalSpy>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "check_box.h"
#include "label.h"
#include "control_change.h"
#include "text_box.h"
#include "timer.h"
#include "test_support.h"
#include "window.h"

namespace {

using Log = std::vector<std::string>;

// A shown, active top-level widget, so that focus and shortcuts behave as
// they do for the user.
class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        mWindow.resize(300, 100);
        mBox = new tk::TextBox(&mWindow);
        mBox->setGeometry(0, 0, 100, 20);
        mOther = new tk::TextBox(&mWindow);
        mOther->setGeometry(0, 30, 100, 20);
        mCheck = new tk::CheckBox(&mWindow);
        mCheck->setGeometry(150, 40, 100, 20);
        ASSERT_TRUE(test::ShowActive(mWindow));
        mBox->setFocus();
    }

    QWidget mWindow;
    tk::TextBox* mBox = nullptr;
    tk::TextBox* mOther = nullptr;
    tk::CheckBox* mCheck = nullptr;
    Log mLog;
};

TEST_F(ToolkitTest, ProgramWriteRunsChangeHandlerInsideItNestedWritesFirst) {
    // Like a component field: a value above 255 is corrected in place, and
    // every change is passed on to a second box.
    mBox->OnChange([this] {
        mLog.push_back("box " + mBox->Text());
        if (mBox->Text() == "300") mBox->SetText("255");
        mOther->SetText(mBox->Text());
        mLog.push_back("box end " + mBox->Text());
    });
    mOther->OnChange([this] { mLog.push_back("other " + mOther->Text()); });

    mBox->SetText("300");
    mLog.push_back("after write");
    EXPECT_EQ(mLog, (Log{"box 300", "box 255", "other 255", "box end 255", "box end 255",
                         "after write"}));
    EXPECT_EQ(mBox->Text(), "255");
    EXPECT_EQ(mBox->text(), QStringLiteral("255"));

    mLog.clear();
    mBox->SetText("255");
    mOther->SetText("255");
    EXPECT_TRUE(mLog.empty()) << "an identical write runs nothing";
}

TEST_F(ToolkitTest, TypedTextRunsChangeHandlerPerCharacter) {
    mBox->OnChange([this] {
        mLog.push_back(mBox->Text());
        if (mBox->Text() == "300") mBox->SetText("255");
    });
    QTest::keyClicks(mBox, "300");
    EXPECT_EQ(mLog, (Log{"3", "30", "300", "255"}));
    EXPECT_EQ(mBox->text(), QStringLiteral("255"));

    // Typing over the selected text the same character leaves the text as it was.
    mLog.clear();
    QTest::keyClick(mBox, Qt::Key_End);
    QTest::keyClick(mBox, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(mBox, "5");
    EXPECT_EQ(mBox->text(), QStringLiteral("255"));
    EXPECT_TRUE(mLog.empty());
}

TEST_F(ToolkitTest, CheckBoxRunsClickHandlerOnlyWhenValueChanges) {
    mCheck->OnClick([this] { mLog.push_back("click " + std::to_string(mCheck->Value())); });

    mCheck->SetValue(tk::CheckBox::kTicked);
    mLog.push_back("after write");
    mCheck->SetValue(tk::CheckBox::kTicked);
    mCheck->SetValue(tk::CheckBox::kUnticked);
    mCheck->SetValue(tk::CheckBox::kUnticked);
    EXPECT_EQ(mLog, (Log{"click 1", "after write", "click 0"}));

    mLog.clear();
    mCheck->setFocus();
    QTest::keyClick(mCheck, Qt::Key_Space);
    EXPECT_EQ(mLog, (Log{"click 1"})) << "the user's change runs it once";
}

TEST_F(ToolkitTest, KeyFilterSeesCharacterCodesAndMayReplaceOrDiscard) {
    std::vector<int> offered;
    mBox->OnKeyPress([&offered](int& code) {
        offered.push_back(code);
        if (code == 'a') code = 'b';
        if (code == 'x') code = 0;
    });
    QSignalSpy returns(mBox, &QLineEdit::returnPressed);

    QTest::keyClicks(mBox, "1a");
    EXPECT_EQ(mBox->text(), QStringLiteral("1b"));
    QTest::keyClick(mBox, Qt::Key_X);
    EXPECT_EQ(mBox->text(), QStringLiteral("1b"));
    QTest::keyClick(mBox, Qt::Key_Backspace);
    EXPECT_EQ(mBox->text(), QStringLiteral("1"));
    QTest::keyClick(mBox, Qt::Key_Return);
    EXPECT_EQ(mBox->text(), QStringLiteral("1"));
    EXPECT_EQ(offered, (std::vector<int>{'1', 'a', 'x', 8, 13}));
    EXPECT_EQ(returns.count(), 1);
}

// Paste bypasses a digits-only filter: that is how non-numeric text reaches
// the component and decimal fields.
TEST_F(ToolkitTest, KeysWithoutCharacterAndEditingShortcutsAreNotOfferedAndKeepWorking) {
    int offered = 0;
    mBox->OnKeyPress([&offered](int& code) {
        ++offered;
        code = 0;
    });
    QClipboard* clipboard = QGuiApplication::clipboard();
    mBox->SetText("123");
    QTest::keyClick(mBox, Qt::Key_Home);
    QTest::keyClick(mBox, Qt::Key_Delete);
    EXPECT_EQ(mBox->Text(), "23");
    QTest::keyClick(mBox, Qt::Key_End);
    QTest::keyClick(mBox, Qt::Key_Left);
    QTest::keyClick(mBox, Qt::Key_Delete);
    EXPECT_EQ(mBox->Text(), "2");

    QTest::keyClick(mBox, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(mBox->SelText(), "2");
    QTest::keyClick(mBox, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("2"));
    QTest::keyClick(mBox, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(mBox->Text(), "");
    QTest::keyClick(mBox, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(mBox->Text(), "2");
    clipboard->setText(QStringLiteral("abc"));
    QTest::keyClick(mBox, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(mBox, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mBox->Text(), "abc");

    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab}) {
        QTest::keyClick(mBox, key);
    }
    EXPECT_EQ(offered, 0);
    EXPECT_TRUE(mOther->hasFocus()) << "Tab still moves the focus";
}

TEST_F(ToolkitTest, BackgroundColourWrittenIsReadBack) {
    tk::Window window;
    for (const tk::ColourValue value : {0, 255, 65280, 16711680, 0x123456, 16777215, 0}) {
        mBox->SetBackColor(value);
        EXPECT_EQ(mBox->BackColor(), value);
        EXPECT_EQ(mBox->palette().color(QPalette::Base), tk::ToQColor(value)) << value;
        window.SetBackColor(value);
        EXPECT_EQ(window.BackColor(), value);
        EXPECT_EQ(window.palette().color(QPalette::Window), tk::ToQColor(value)) << value;
    }
    EXPECT_EQ(tk::ToQColor(0x123456), QColor(0x56, 0x34, 0x12)) << "red is the lowest byte";
}

TEST_F(ToolkitTest, FirstPressOfDoubleClickArrivesAsClickFirst) {
    mBox->OnClick([this] { mLog.push_back("click"); });
    mBox->OnDblClick([this] { mLog.push_back("double"); });
    const QPoint at(10, 10);

    // A real double click: press, release, double-click, release.
    QTest::mouseClick(mBox, Qt::LeftButton, {}, at);
    EXPECT_EQ(mLog, (Log{"click"}));
    QTest::mouseDClick(mBox, Qt::LeftButton, {}, at);
    QTest::mouseRelease(mBox, Qt::LeftButton, {}, at);
    EXPECT_EQ(mLog, (Log{"click", "double"})) << "the second release is no click";

    QTest::mouseClick(mBox, Qt::LeftButton, {}, at);
    EXPECT_EQ(mLog, (Log{"click", "double", "click"}));
}

// --- Timers ---------------------------------------------------------------
// Ticks are delivered by hand as the timer event the Qt timer gets; whether
// the Qt timer still runs tells whether the program would be woken.

void DeliverTick(QTimer* qtimer) {
    ASSERT_TRUE(qtimer->isActive()) << "a stopped timer gets no ticks";
    QTimerEvent tick(qtimer->timerId());
    QCoreApplication::sendEvent(qtimer, &tick);
}

constexpr int kLongInterval = 10000;  // ms; no tick comes by itself in a test

// As many ticks that change nothing as put a quiet timer to sleep.
void DeliverQuietTicks(QTimer* qtimer) {
    for (int i = 0; i < tk::Timer::kQuietTicksBeforeSleep; ++i) DeliverTick(qtimer);
}

// A timer of its own QObject, so that its Qt timer is the only child.
struct OwnedTimer {
    QObject owner;
    tk::Timer timer{&owner};
    QTimer* qtimer = owner.findChild<QTimer*>();
};

TEST_F(ToolkitTest, TimerTicksAtPositiveIntervalOnly) {
    OwnedTimer t;
    ASSERT_NE(t.qtimer, nullptr);
    int ticks = 0;
    t.timer.OnTick([&ticks] { ++ticks; });
    EXPECT_FALSE(t.qtimer->isActive());

    t.timer.SetInterval(5);
    EXPECT_EQ(t.timer.Interval(), 5);
    EXPECT_TRUE(t.qtimer->isActive());
    EXPECT_EQ(t.qtimer->interval(), 5);
    DeliverTick(t.qtimer);
    EXPECT_EQ(ticks, 1);

    t.timer.SetInterval(0);
    EXPECT_EQ(t.timer.Interval(), 0);
    EXPECT_FALSE(t.qtimer->isActive());
}

// --- Timers that sleep through ticks that cannot do anything ----------------


// Every write that changes a control counts once; a write of what it holds
// already counts nothing.
TEST_F(ToolkitTest, ControlChangesCountEffectiveWritesOnly) {
    tk::Window window;
    tk::Label label(&mWindow);
    label.SetCaption("Rot");
    window.SetBackColor(0);
    struct Write {
        const char* what;
        std::function<void()> write;
        int counted;
    };
    const std::vector<Write> writes = {
        {"text", [&] { mBox->SetText("12"); }, 1},
        {"same text", [&] { mBox->SetText("12"); }, 0},
        {"typed character", [&] { QTest::keyClick(mBox, Qt::Key_3); }, 1},
        {"box colour", [&] { mBox->SetBackColor(255); }, 1},
        {"same box colour", [&] { mBox->SetBackColor(255); }, 0},
        {"check value", [&] { mCheck->SetValue(mCheck->Value() == 0 ? 1 : 0); }, 1},
        {"same check value", [&] { mCheck->SetValue(mCheck->Value()); }, 0},
        {"caption", [&] { label.SetCaption("Grün"); }, 1},
        {"same caption", [&] { label.SetCaption("Grün"); }, 0},
        {"window colour", [&] { window.SetBackColor(65280); }, 1},
        {"same window colour", [&] { window.SetBackColor(65280); }, 0},
    };
    for (const Write& w : writes) {
        const std::uint64_t before = tk::ControlChanges();
        w.write();
        EXPECT_EQ(tk::ControlChanges() - before, static_cast<std::uint64_t>(w.counted)) << w.what;
    }
}

TEST_F(ToolkitTest, QuietTimerSleepsAfterATickThatChangedNoControl) {
    OwnedTimer t;
    int ticks = 0;
    t.timer.OnTick([&] {
        ++ticks;
        mBox->SetText("written");
    });
    t.timer.SleepAfterQuietTick();
    t.timer.SetInterval(kLongInterval);

    DeliverTick(t.qtimer);
    EXPECT_FALSE(t.timer.IsSleeping()) << "the tick changed a text";
    // The following ticks write the same text: no change.
    for (int quiet = 1; quiet < tk::Timer::kQuietTicksBeforeSleep; ++quiet) {
        DeliverTick(t.qtimer);
        EXPECT_FALSE(t.timer.IsSleeping()) << quiet << " quiet ticks";
    }
    DeliverTick(t.qtimer);
    EXPECT_TRUE(t.timer.IsSleeping());
    EXPECT_FALSE(t.qtimer->isActive());
    EXPECT_EQ(t.timer.Interval(), kLongInterval) << "asleep, the timer keeps its interval";

    mOther->SetText("other");
    EXPECT_FALSE(t.timer.IsSleeping()) << "a control change wakes it";
    DeliverQuietTicks(t.qtimer);
    EXPECT_TRUE(t.timer.IsSleeping());

    t.timer.SetInterval(kLongInterval);
    EXPECT_FALSE(t.timer.IsSleeping()) << "so does setting its interval";
    EXPECT_EQ(ticks, 1 + 2 * tk::Timer::kQuietTicksBeforeSleep);

    // Stopped after some quiet ticks and started again, it counts afresh.
    DeliverTick(t.qtimer);
    t.timer.SetInterval(0);
    t.timer.SetInterval(kLongInterval);
    for (int quiet = 1; quiet < tk::Timer::kQuietTicksBeforeSleep; ++quiet) DeliverTick(t.qtimer);
    EXPECT_FALSE(t.timer.IsSleeping());
}

TEST_F(ToolkitTest, QuietTimerWakesOnEventsThatMayRunAHandler) {
    OwnedTimer quiet;
    OwnedTimer other;
    quiet.timer.SleepAfterQuietTick();
    quiet.timer.SetInterval(kLongInterval);
    other.timer.SetInterval(kLongInterval);
    DeliverQuietTicks(quiet.qtimer);
    ASSERT_TRUE(quiet.timer.IsSleeping());

    DeliverTick(other.qtimer);
    EXPECT_TRUE(quiet.timer.IsSleeping()) << "a tick that changed nothing is no activity";
    mBox->repaint();
    QEvent updateRequest(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&mWindow, &updateRequest);
    EXPECT_TRUE(quiet.timer.IsSleeping()) << "painting is no activity";

    QEvent anything(QEvent::User);
    QCoreApplication::sendEvent(&mWindow, &anything);
    EXPECT_FALSE(quiet.timer.IsSleeping());

    DeliverQuietTicks(quiet.qtimer);
    ASSERT_TRUE(quiet.timer.IsSleeping());
    QTest::keyClick(mBox, Qt::Key_Right);  // a key that changes no text
    EXPECT_FALSE(quiet.timer.IsSleeping());
}

// Woken, it ticks when it would have ticked had it not slept, then at the full
// interval again. (The wait only bounds the first period from above.)
TEST_F(ToolkitTest, WakingKeepsTheRhythm) {
    OwnedTimer t;
    t.timer.SleepAfterQuietTick();
    t.timer.SetInterval(kLongInterval);
    DeliverQuietTicks(t.qtimer);
    ASSERT_TRUE(t.timer.IsSleeping());

    constexpr int kAsleep = 30;  // ms
    QTest::qSleep(kAsleep);
    tk::NoteControlChange();
    ASSERT_TRUE(t.qtimer->isActive());
    const int shortened = t.qtimer->interval();
    EXPECT_LE(shortened, kLongInterval - kAsleep);

    t.timer.SetInterval(kLongInterval);
    EXPECT_EQ(t.qtimer->interval(), shortened) << "setting the same interval keeps the period";

    t.timer.OnTick([&] { mBox->SetText(mBox->Text() + "!"); });
    DeliverTick(t.qtimer);
    EXPECT_EQ(t.qtimer->interval(), kLongInterval);
}

TEST_F(ToolkitTest, IdleTimerSleepsUntilItsIntervalIsSetAgain) {
    OwnedTimer t;
    bool idle = false;
    t.timer.SleepWhile([&] { return idle; });
    t.timer.SetInterval(kLongInterval);

    DeliverTick(t.qtimer);
    EXPECT_FALSE(t.timer.IsSleeping());
    idle = true;
    DeliverTick(t.qtimer);
    EXPECT_TRUE(t.timer.IsSleeping());

    // Neither changes nor events wake it: only its interval.
    mOther->SetText("changed");
    QEvent anything(QEvent::User);
    QCoreApplication::sendEvent(&mWindow, &anything);
    EXPECT_FALSE(t.qtimer->isActive());
    t.timer.SetInterval(kLongInterval);
    EXPECT_TRUE(t.qtimer->isActive());

    DeliverTick(t.qtimer);
    ASSERT_TRUE(t.timer.IsSleeping());
    t.timer.SetInterval(0);
    EXPECT_FALSE(t.timer.IsSleeping());
    tk::NoteControlChange();
    EXPECT_FALSE(t.qtimer->isActive()) << "stopped stays stopped";
}

// A stray timer event for a stopped timer runs nothing, and a sleeper that is
// destroyed is not woken afterwards (the sanitizer build sees the latter).
TEST_F(ToolkitTest, StoppedAndDestroyedTimersStayOutOfTheWay) {
    OwnedTimer stopped;
    int ticks = 0;
    stopped.timer.OnTick([&] { ++ticks; });
    stopped.timer.SetInterval(kLongInterval);
    stopped.timer.SetInterval(0);
    QTimerEvent stray(stopped.qtimer->timerId());
    QCoreApplication::sendEvent(stopped.qtimer, &stray);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(stopped.qtimer->isActive());

    {
        OwnedTimer gone;
        gone.timer.SleepAfterQuietTick();
        gone.timer.SetInterval(kLongInterval);
        DeliverQuietTicks(gone.qtimer);
        ASSERT_TRUE(gone.timer.IsSleeping());
    }
    tk::NoteControlChange();
    QEvent anything(QEvent::User);
    QCoreApplication::sendEvent(&mWindow, &anything);
}

}  // namespace
