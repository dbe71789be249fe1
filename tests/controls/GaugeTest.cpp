// The skinned gauge of the progress window: its values, one golden picture
// of every value and sweep moment that matters at the window's size, the
// two-colour text split at the bar's end, the repaint that comes at once, and
// the light's timing on the test clock.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "GaugeTestKit.h"
#include "GoldenPicture.h"
#include "skinpaint/sBlockCopy.h"
#include "vcl/VclExceptions.h"

namespace {

using controls::TsGauge;
using gaugetest::TGaugeDesktop;
using ui::headless::AdvanceClock;

constexpr int LightTick = 22;

int Brightness(const gfx::TBitmap& picture, int x, int y) {
    const uint8_t* p = picture.ScanLine(y) + 4 * x;
    return p[0] + p[1] + p[2];
}

bool SamePixels(const gfx::TBitmap& a, const gfx::TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (std::memcmp(a.ScanLine(y) + 4 * x, b.ScanLine(y) + 4 * x, 3) != 0) return false;
    return true;
}

uint32_t Rgb(const gfx::TBitmap& picture, int x, int y) {
    const uint8_t* p = picture.ScanLine(y) + 4 * x;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

void Ticks(int count) {
    for (int i = 0; i < count; ++i) AdvanceClock(LightTick);
}

TEST(GaugeValues, DefaultsClampingPercentagesAndRangeErrors) {
    TGaugeDesktop desktop;
    auto* fresh = new TsGauge(desktop.Form);
    EXPECT_EQ(fresh->Width(), 120);
    EXPECT_EQ(fresh->Height(), 30);
    EXPECT_EQ(fresh->Text(), "47%") << "a new gauge shows 47 until the program sets a value";
    EXPECT_TRUE(fresh->Animated());
    EXPECT_TRUE(fresh->CalcPercents());
    EXPECT_EQ(fresh->SkinData().ControlKind, 161);

    TsGauge& gauge = *desktop.Form->sGauge1;
    int changes = 0;
    gauge.OnChange = [&](vcl::TObject*) { ++changes; };
    struct Row {
        int Set;
        int Stored;
        const char* Text;
        int Filled;  // of the gauge's 369 pixels
    };
    const std::vector<Row> rows = {
        {0, 0, "0%", 0},       {50, 50, "50%", 184},  {100, 100, "100%", 369}, {150, 100, "100%", 369},
        {-1, 0, "0%", 0},      {99, 99, "99%", 365},  {1, 1, "1%", 3},
    };
    for (const Row& row : rows) {
        gauge.SetProgress(row.Set);
        EXPECT_EQ(gauge.Progress(), row.Stored) << row.Set;
        EXPECT_EQ(gauge.Text(), row.Text) << row.Set;
        EXPECT_EQ(gauge.FilledLength(gauge.Width()), row.Filled) << row.Set;
    }
    EXPECT_EQ(changes, 6) << "150 after 100 stores nothing new";

    gauge.SetMaxValue(1000);
    gauge.SetProgress(5);
    EXPECT_EQ(gauge.Text(), "0%");
    gauge.SetCalcPercents(false);
    gauge.SetSuffix(" of 1000");
    EXPECT_EQ(gauge.Text(), "5 of 1000");

    TsGauge& empty = *desktop.Form->sGauge2;
    empty.SetMaxValue(0);
    EXPECT_EQ(empty.Progress(), 0);
    EXPECT_EQ(empty.Text(), "0%") << "an empty range has no percentage";
    EXPECT_EQ(empty.FilledLength(369), 0);

    try {
        gauge.SetMinValue(2000);
        ADD_FAILURE() << "a minimum above the maximum";
    } catch (const vcl::EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Value must be between -2147483647 and 999");
    }
    try {
        gauge.SetMaxValue(-5);
        ADD_FAILURE() << "a maximum below the minimum";
    } catch (const vcl::EInvalidOperation& e) {
        EXPECT_STREQ(e.what(), "Value must be between 1 and 2147483647");
    }
}

// One picture, one gauge of the progress window on its skinned form per row:
// the values 47 (a new gauge), 0, 50, 100 and 150 (out of range), then both
// gauges sweeping, at 100 and 50, at four moments of one sweep.
TEST(GaugeGolden, ProgressWindowGaugesAsRecorded) {
    TGaugeDesktop desktop;
    TsGauge& full = *desktop.Form->sGauge1;
    TsGauge& half = *desktop.Form->sGauge2;
    // A little of the skinned form around each gauge shows its corners.
    constexpr int Margin = 3, RowHeight = 17 + 2 * Margin;
    std::vector<gfx::TBitmap> rows;
    for (int value : {47, 0, 50, 100, 150}) {
        full.SetProgress(value);
        rows.push_back(desktop.Shown(full, Margin));
    }
    full.SetProgress(100);
    half.SetProgress(50);
    int ticked = 0;
    for (int tick : {10, 20, 30, 40}) {
        Ticks(tick - ticked);
        ticked = tick;
        rows.push_back(desktop.Shown(full, Margin));
        rows.push_back(desktop.Shown(half, Margin));
    }
    gfx::TBitmap sheet(full.Width() + 2 * Margin, RowHeight * int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        skinpaint::CopyBlock(sheet, 0, RowHeight * int(i), rows[i], {0, 0, rows[i].Width(), rows[i].Height()});

    EXPECT_EQ(golden::DifferenceFromGolden(sheet, CONTROLS_TEST_DATA, "gauge-progress"), 0)
        << "see gauge-progress-actual.png in the test's working folder";
}

// The percentage is written twice in the same place: in the trough's colour
// over the whole gauge and in the bar's colour over the filled part only. So
// every pixel of the digits left of the bar's end is the bar's light text and
// every one from the end on the trough's dark text.
TEST(GaugeText, TheDigitsChangeColourExactlyAtTheEndOfTheBar) {
    TGaugeDesktop desktop;
    TsGauge& gauge = *desktop.Form->sGauge1;
    for (int value : {48, 50, 52}) {
        gauge.SetProgress(value);
        gauge.SetShowText(false);
        gauge.Repaint();
        const gfx::TBitmap bare = desktop.Shown(gauge);
        gauge.SetShowText(true);
        gauge.Repaint();
        const gfx::TBitmap written = desktop.Shown(gauge);
        const int end = gauge.FilledLength(gauge.Width());
        int lighter = 0, darker = 0, wrong = 0;
        for (int y = 0; y < written.Height(); ++y)
            for (int x = 0; x < written.Width(); ++x) {
                const int change = Brightness(written, x, y) - Brightness(bare, x, y);
                if (change == 0) continue;
                const bool overBar = x < end;
                if (overBar && change > 0) ++lighter;
                else if (!overBar && change < 0) ++darker;
                else ++wrong;
            }
        EXPECT_EQ(wrong, 0) << value << "%: text pixels in the other part's colour";
        EXPECT_GT(lighter, 10) << value << "%: the bar's end cuts through the text";
        EXPECT_GT(darker, 10) << value << "%";
    }
}

// The job controller sets a value and goes on to blocking work: the new bar
// is on the screen before any message is processed.
TEST(GaugeRepaint, EveryChangeOfThePercentageShowsAtOnce) {
    TGaugeDesktop desktop;
    TsGauge& gauge = *desktop.Form->sGauge1;
    gauge.SetProgress(10);
    ui::ProcessPendingMessages();
    const gfx::TBitmap before = desktop.Shown(gauge);
    gauge.SetProgress(80);
    const gfx::TBitmap after = desktop.Shown(gauge);
    EXPECT_FALSE(SamePixels(before, after));
    ui::ProcessPendingMessages();
    EXPECT_TRUE(SamePixels(after, desktop.Shown(gauge))) << "the immediate picture is the whole new picture";

    gauge.SetMaxValue(1000);
    gauge.SetCalcPercents(false);
    ui::ProcessPendingMessages();
    const gfx::TBitmap five = desktop.Shown(gauge);
    gauge.SetProgress(gauge.Progress() + 1);
    EXPECT_FALSE(SamePixels(five, desktop.Shown(gauge))) << "the raw value's text changed, the percentage did not";
}

// A sweep starts on the first tick and on the tick at which the sweep's
// clock, 22 ms per tick, has passed 2222 ms: the 102nd after the start. The
// light moves 15 pixels a tick and nothing is painted once it has passed the
// bar's end.
TEST(GaugeLight, SweepsEveryHundredAndSecondTickAndRestsBetween) {
    TGaugeDesktop desktop;
    TsGauge& gauge = *desktop.Form->sGauge1;
    gauge.SetProgress(100);
    ASSERT_TRUE(gauge.LightRunning());
    EXPECT_EQ(gauge.LightPos(), 9999);
    std::vector<int> starts;
    gfx::TBitmap previous = desktop.Shown(gauge);
    int changed = 0, changedAfterPass = 0;
    for (int tick = 1; tick <= 205; ++tick) {
        Ticks(1);
        if (gauge.LightPos() == -300 + 15) starts.push_back(tick);
        gfx::TBitmap now = desktop.Shown(gauge);
        const bool differs = !SamePixels(previous, now);
        const int sinceStart = starts.empty() ? tick : tick - starts.back();
        changed += differs;
        if (differs && sinceStart >= 45) ++changedAfterPass;
        previous = std::move(now);
    }
    EXPECT_EQ(starts, (std::vector<int>{1, 103, 205}));
    EXPECT_GT(changed, 70) << "the light moves on the screen";
    EXPECT_EQ(changedAfterPass, 0) << "no painting while the light rests";

    // What counts is the filled part, not the sign of the value: half of
    // -100..0 sweeps too.
    gauge.SetMinValue(-100);
    gauge.SetMaxValue(0);
    gauge.SetProgress(-50);
    Ticks(110);
    const gfx::TBitmap half = desktop.Shown(gauge);
    Ticks(10);
    EXPECT_FALSE(SamePixels(half, desktop.Shown(gauge))) << "the light runs over half of -100..0";

    gauge.SetAnimated(false);
    EXPECT_FALSE(gauge.LightRunning());
}

// A hidden window's gauge does not keep the program awake: its light stops
// at the first tick that finds the window hidden and takes up again where it
// was when the gauge is painted in the shown window.
TEST(GaugeLight, RestsWhileItsWindowIsHiddenAndGoesOnWhenShownAgain) {
    TGaugeDesktop desktop;
    TsGauge& gauge = *desktop.Form->sGauge1;
    gauge.SetProgress(100);
    Ticks(30);  // the light is on the bar
    const int position = gauge.LightPos();
    desktop.Form->Hide();
    Ticks(2);
    EXPECT_FALSE(gauge.LightRunning());
    EXPECT_EQ(gauge.LightPos(), position) << "no sweep while nobody sees it";
    desktop.Form->Show();
    ui::ProcessPendingMessages();
    EXPECT_TRUE(gauge.LightRunning());
    Ticks(10);  // past the window's show animation
    EXPECT_EQ(gauge.LightPos(), position + 10 * 15);
    const gfx::TBitmap shown = desktop.Shown(gauge);
    Ticks(1);
    EXPECT_FALSE(SamePixels(shown, desktop.Shown(gauge))) << "the light moves on the screen again";

    gauge.SetAnimated(false);
    desktop.Form->Hide();
    desktop.Form->Show();
    ui::ProcessPendingMessages();
    EXPECT_FALSE(gauge.LightRunning()) << "a paint starts only a rested light, not one switched off";
}

// The manager's broadcasts: without a skin the gauge looks like the plain
// gauge and its light stops; with the skin back it sweeps again. And the
// parent's update, which puts the gauge's painting off until it ends.
TEST(GaugeSkin, RemovedAndAppliedAgainAndPutOffDuringTheParentsUpdate) {
    TGaugeDesktop desktop;
    TsGauge& gauge = *desktop.Form->sGauge1;
    gauge.SetProgress(50);
    Ticks(1);
    const gfx::TBitmap skinned = desktop.Shown(gauge);

    desktop.Manager->SetActive(false);
    ui::ProcessPendingMessages();
    EXPECT_FALSE(gauge.LightRunning());
    const gfx::TBitmap plain = desktop.Shown(gauge);
    // The plain look: a black bar over white in a black border.
    EXPECT_EQ(Brightness(plain, 0, 0), 0);
    EXPECT_EQ(Brightness(plain, 20, 8), 0);
    EXPECT_EQ(Brightness(plain, 300, 8), 3 * 255);

    desktop.Manager->SetActive(true);
    ui::ProcessPendingMessages();
    EXPECT_TRUE(gauge.LightRunning());
    Ticks(1);
    const gfx::TBitmap again = desktop.Shown(gauge);
    EXPECT_EQ(Brightness(again, 300, 8), Brightness(skinned, 300, 8)) << "the skinned trough is back";
    EXPECT_EQ(Brightness(again, 100, 8), Brightness(skinned, 100, 8)) << "and the bar, where the light is not";

    // While its parent is being updated the gauge puts its painting off,
    // marking only its first pixel; the end of the update paints it.
    const auto command = [&](uint16_t number, uint16_t argument) {
        gauge.Perform(skin::SKIN_COMMAND_MESSAGE, skin::SkinCommandWParam(number, argument), 0);
    };
    command(skin::SKC_SET_UPDATING, 1);
    gauge.SetProgress(90);
    EXPECT_EQ(Rgb(desktop.Shown(gauge), 0, 0), 0xFF00FFu);
    command(6, 0);
    const gfx::TBitmap ended = desktop.Shown(gauge);
    gauge.Repaint();
    EXPECT_TRUE(SamePixels(ended, desktop.Shown(gauge))) << "the end of the update painted the whole gauge";
}

}  // namespace
