// What the timer ticks cost while little or nothing changes: a tick of the
// deferred update that finds the colour as it was writes nothing, allocates
// nothing and repaints nothing; a counter tick repaints only what it changed;
// the large window's follow tick repaints nothing while the colour stands.
// Ticks are run by calling the tick handlers; paints are delivered by sending
// the posted events, so no timer of the windows runs in between.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "frm_farben.h"
#include "frm_farben_inspector.h"
#include "frm_farben_xl.h"

// Heap allocations on this thread while counting is on: every operator new,
// and, outside AddressSanitizer builds (which own malloc), every malloc,
// calloc and realloc, which is how Qt's strings and containers allocate.
namespace {
thread_local bool t_counting = false;
thread_local std::size_t t_allocations = 0;
void NoteAllocation() {
    if (t_counting) ++t_allocations;
}
}  // namespace

void* operator new(std::size_t size) {
    NoteAllocation();
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* malloc(std::size_t size) {
    NoteAllocation();
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    NoteAllocation();
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    NoteAllocation();
    return __libc_realloc(p, size);
}
}
#endif

namespace {

std::size_t AllocationsOf(const std::function<void()>& work) {
    t_allocations = 0;
    t_counting = true;
    work();
    t_counting = false;
    return t_allocations;
}

// Paints waiting for the event loop are delivered now; timers do not run.
void DeliverPendingPaints() {
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents();
}

std::vector<QWidget*> WindowAndChildren(QWidget& window) {
    std::vector<QWidget*> widgets{&window};
    for (QWidget* child : window.findChildren<QWidget*>()) widgets.push_back(child);
    return widgets;
}

std::string Describe(const QWidget* w) {
    const QRect r(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    std::string text = w->metaObject()->className();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        text += " \"" + edit->text().toStdString() + "\"";
    }
    return text + " at " + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
           std::to_string(r.width()) + "x" + std::to_string(r.height());
}

// Which widgets of a window were repainted, and which were written to: a
// line edit's text changed or a widget's palette changed, however briefly.
class EventLog : public QObject {
public:
    explicit EventLog(QWidget& window) : mWidgets(WindowAndChildren(window)) {
        for (QWidget* w : mWidgets) {
            w->installEventFilter(this);
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                connect(edit, &QLineEdit::textChanged, this, [this, w] { mWritten.insert(w); });
            }
        }
    }

    void Clear() {
        mPainted.clear();
        mWritten.clear();
    }
    const std::set<QWidget*>& Painted() const { return mPainted; }
    const std::set<QWidget*>& Written() const { return mWritten; }
    const std::vector<QWidget*>& Widgets() const { return mWidgets; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint) mPainted.insert(w);
        if (event->type() == QEvent::PaletteChange) mWritten.insert(w);
        return false;
    }

private:
    std::vector<QWidget*> mWidgets;
    std::set<QWidget*> mPainted;
    std::set<QWidget*> mWritten;
};

// The text and the background colour of each text box.
using Looks = std::map<QWidget*, std::pair<std::string, tk::ColourValue>>;
Looks LooksOf(const std::vector<QWidget*>& widgets) {
    Looks looks;
    for (QWidget* w : widgets) {
        if (auto* box = dynamic_cast<tk::TextBox*>(w)) looks[w] = {box->Text(), box->BackColor()};
    }
    return looks;
}

class IdleCostTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        DeliverPendingPaints();
    }

    void Settle() {
        form.Timer4_Timer();
        DeliverPendingPaints();
        log.Clear();
    }

    frmFarben form;
    frmFarbenInspector state{form};
    EventLog log{form};
};

struct Entry {
    const char* name;
    std::function<void(frmFarben&)> enter;
};
void PrintTo(const Entry& entry, std::ostream* os) { *os << entry.name; }

class SteadyTickTest : public IdleCostTest, public ::testing::WithParamInterface<Entry> {};

TEST_P(SteadyTickTest, WritesAllocatesAndRepaintsNothing) {
    GetParam().enter(form);
    Settle();
    ASSERT_TRUE(state.RgbActive()) << "the ticks recompute the colour";
    ASSERT_EQ(form.Timer4.Interval(), 50);
    const auto before = LooksOf(log.Widgets());

    const std::size_t allocations = AllocationsOf([this] {
        for (int i = 0; i < 20; ++i) form.Timer4_Timer();
    });
    DeliverPendingPaints();

    EXPECT_EQ(allocations, 0U);
    for (QWidget* w : log.Written()) ADD_FAILURE() << "written: " << Describe(w);
    for (QWidget* w : log.Painted()) ADD_FAILURE() << "repainted: " << Describe(w);
    EXPECT_EQ(LooksOf(log.Widgets()), before);
    EXPECT_TRUE(state.RgbActive());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SteadyTickTest,
    ::testing::Values(
        Entry{"TypedComponent", [](frmFarben& f) { f.txtRGB[0]->SetText("200"); }},
        Entry{"LeadingZerosKept",
              [](frmFarben& f) {
                  f.txtRGB[1]->SetText("7");
                  f.Timer4_Timer();
                  f.txtRGB[1]->SetText("007");
              }},
        Entry{"ChartSwatch", [](frmFarben& f) { f.txtFarbe_Click(26); }},
        Entry{"CustomSlotAfterSave",
              [](frmFarben& f) {
                  f.txtFarbe_Click(13);
                  f.Timer4_Timer();
                  f.cmdFarben_Click(1);
                  f.txtFarbe_Click(48);
              }},
        Entry{"DecimalEntry", [](frmFarben& f) { f.txtDecimal->SetText("8421631"); }}),
    [](const auto& instance) { return std::string(instance.param.name); });

// Running counters, each ticked once, then the deferred update they armed.
struct Sweep {
    const char* name;
    std::vector<int> components;  // 0 red, 1 green, 2 blue
    std::size_t changed;          // text boxes whose text or colour the ticks change
};
void PrintTo(const Sweep& sweep, std::ostream* os) { *os << sweep.name; }

class CounterTickTest : public IdleCostTest, public ::testing::WithParamInterface<Sweep> {};

// Every text box whose text or colour the ticks changed is repainted; besides
// the controls they wrote to, only what lies under or over those is: their
// containers and the neighbours that overlap them.
TEST_P(CounterTickTest, RepaintsOnlyWhatItWrote) {
    form.txtRGB[1]->SetText("40");
    Settle();
    for (const int k : GetParam().components) form.cmdFarben_Click(static_cast<std::int16_t>(2 + 2 * k));
    Settle();
    const Looks before = LooksOf(log.Widgets());

    const std::array<void (frmFarben::*)(), 3> counterTicks = {
        &frmFarben::Timer1_Timer, &frmFarben::Timer2_Timer, &frmFarben::Timer3_Timer};
    for (const int k : GetParam().components) (form.*counterTicks[static_cast<std::size_t>(k)])();
    form.Timer4_Timer();
    DeliverPendingPaints();

    std::size_t changed = 0;
    for (const auto& [w, look] : LooksOf(log.Widgets())) {
        if (before.at(w) == look) continue;
        ++changed;
        EXPECT_TRUE(log.Painted().count(w)) << "not repainted: " << Describe(w);
    }
    EXPECT_EQ(changed, GetParam().changed);
    const auto windowRect = [](const QWidget* w) {
        return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
    };
    for (QWidget* w : log.Painted()) {
        const bool explained = std::any_of(log.Written().begin(), log.Written().end(), [&](QWidget* c) {
            return c == w || w->isAncestorOf(c) || windowRect(w).intersects(windowRect(c));
        });
        EXPECT_TRUE(explained) << "repainted, nothing written there: " << Describe(w);
    }
}

// Red alone: its field, the code, the display and the decimal field change.
INSTANTIATE_TEST_SUITE_P(Counters, CounterTickTest,
                         ::testing::Values(Sweep{"Red", {0}, 4}, Sweep{"AllThree", {0, 1, 2}, 6}),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(IdleCostTest, LargeWindowFollowTickRepaintsOnlyForANewColour) {
    form.txtFarbe_Click(17);
    frmFarbenXL large(&form, form);
    large.SetBackColor(form.DisplayColour());
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
    EventLog largeLog(large);
    DeliverPendingPaints();
    largeLog.Clear();

    large.Timer1_Timer();
    large.Timer1_Timer();
    DeliverPendingPaints();
    EXPECT_TRUE(largeLog.Painted().empty());
    EXPECT_TRUE(largeLog.Written().empty());

    form.txtFarbe_Click(20);
    large.Timer1_Timer();
    DeliverPendingPaints();
    EXPECT_EQ(large.BackColor(), form.DisplayColour());
    EXPECT_TRUE(largeLog.Painted().count(&large));
}

}  // namespace
