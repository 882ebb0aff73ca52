// A long sweep: the three counters and the deferred update run for a million
// ticks, with the large window following the display, driven by calling the
// tick handlers in a loop. Memory must not grow and no value may leave its
// range.
//
// One tick is one round of Timer1, Timer2, Timer3 and Timer4 of the main window
// and Timer1 of the large window, each handler called once. TESSIVO_SOAK_TICKS
// (default 1000000) sets the number of ticks.
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

#include "frm_farben_xl.h"
#include "test_support.h"

namespace {

constexpr long kBaselineTicks = 1000;
constexpr long kFullCheckEvery = 1000;
constexpr long kGrowthAllowedKiB = 1024;
constexpr long kRedSweepTicks = 510;  // 0 up to 254 and back in steps of 1

// AddressSanitizer holds freed memory in quarantine (256 MiB by default), so
// there the resident memory grows without any leak; LeakSanitizer looks for
// leaks at the end of the run instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMemoryTellsLeaks = false;
#else
constexpr bool kResidentMemoryTellsLeaks = true;
#endif

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
    }
    return -1;
}

long SoakTicks() {
    bool ok = false;
    const long ticks = qEnvironmentVariableIntValue("TESSIVO_SOAK_TICKS", &ok);
    return ok && ticks > 0 ? ticks : 1000000;
}

// Everything the window shows agrees and lies in range, the counters still
// move, no slot was touched, and the large window shows the display's colour.
// Returns what is wrong, or nothing.
std::string FullCheck(const frmFarben& form, const frmFarbenXL& large) {
    const frmFarbenInspector state(form);
    if (std::string wrong = test::Disagreement(form); !wrong.empty()) return wrong;
    for (int k = 0; k < 3; ++k) {
        if (state.Up(k) == state.Down(k)) {
            return "counter " + std::to_string(k) + " is not moving in exactly one direction";
        }
    }
    if (large.BackColor() != form.txtFarbe[test::kDisplay]->BackColor()) {
        return "the large window shows " + std::to_string(large.BackColor());
    }
    if (state.Updating()) return "mUpdating is true";
    for (std::size_t slot = 0; slot < 16; ++slot) {
        if (form.txtFarbe[test::kFirstSlot + slot]->BackColor() != test::kWhite) {
            return "slot " + std::to_string(slot) + " was written";
        }
    }
    return {};
}

TEST(Soak, CountersAndLargeWindowRunAMillionTicksInSteadyMemory) {
    const long ticks = SoakTicks();
    frmFarben form;
    ASSERT_TRUE(test::ShowActive(form));
    frmFarbenXL large(&form, form);  // as "X L" makes it, without the modal loop
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));

    // Red in steps of 1 (a period of 510 ticks), green and blue in steps of 5
    // in opposite directions, so the colours do not repeat for a long time.
    form.Check3->SetValue(tk::CheckBox::kUnticked);
    form.cmdFarben_Click(2);  // red up
    form.cmdFarben_Click(4);  // green up
    form.cmdFarben_Click(7);  // blue down

    std::array<int, 3> lowest{255, 255, 255};
    std::array<int, 3> highest{0, 0, 0};
    long baselineKiB = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long tick = 1; tick <= ticks; ++tick) {
        form.Timer1_Timer();
        form.Timer2_Timer();
        form.Timer3_Timer();
        form.Timer4_Timer();
        large.Timer1_Timer();

        const tk::ColourValue display = form.txtFarbe[test::kDisplay]->BackColor();
        ASSERT_TRUE(display >= 0 && display <= test::kWhite)
            << "tick " << tick << ": display " << display;
        for (std::size_t k = 0; k < 3; ++k) {
            const int component = (display >> (8 * k)) & 0xFF;
            lowest[k] = std::min(lowest[k], component);
            highest[k] = std::max(highest[k], component);
        }
        if (tick % kFullCheckEvery == 0 || tick == ticks) {
            QCoreApplication::sendPostedEvents();  // repaints, as the event loop would do them
            const std::string wrong = FullCheck(form, large);
            ASSERT_TRUE(wrong.empty()) << "tick " << tick << ": " << wrong;
        }
        if (tick == std::min(kBaselineTicks, ticks)) baselineKiB = ResidentKiB();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long endKiB = ResidentKiB();

    const long perSecond = std::lround(static_cast<double>(ticks) / seconds);
    std::printf(
        "soak: %ld ticks (one tick = Timer1, Timer2, Timer3, Timer4 and the large window's Timer1) "
        "in %.1f s, %ld ticks/s; VmRSS after %ld ticks %ld KiB, at the end %ld KiB, difference "
        "%+ld KiB\n",
        ticks, seconds, perSecond, std::min(kBaselineTicks, ticks), baselineKiB, endKiB,
        endKiB - baselineKiB);

    ASSERT_GT(baselineKiB, 0) << "VmRSS not found in /proc/self/status";
    if (kResidentMemoryTellsLeaks) {
        EXPECT_LE(endKiB - baselineKiB, kGrowthAllowedKiB);
    } else {
        std::printf("soak: memory growth not judged under AddressSanitizer\n");
    }
    // The sweeps really ran: every component went down to 0 and up to its
    // highest standing value (254 in steps of 1, 250 in steps of 5).
    if (ticks >= 2 * kRedSweepTicks) {
        EXPECT_EQ(lowest, (std::array<int, 3>{0, 0, 0}));
        EXPECT_EQ(highest, (std::array<int, 3>{254, 250, 250}));
    }
}

}  // namespace
