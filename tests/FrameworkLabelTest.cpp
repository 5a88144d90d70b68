#include <cstdint>

#include "framework/Label.h"
#include "tests/ContrastRatio.h"
#include "tests/FrameworkFixture.h"

namespace {

class CaptionWindow : public Window {
public:
    void CreateControls() override
    {
        MakeControl<Label>(*this, "Plain", { 0, 0, 100, 20, "" })->SetText("plain");
        auto red = MakeControl<Label>(*this, "Red", { 0, 30, 100, 20, "" });
        red->SetText("red");
        red->SetTextColor(0xC00000);
    }
};

}

using FrameworkLabel = FrameworkTest;

// A label in the default black takes the desktop's text colour, which a light
// desktop has black; any other colour stays the label's own in every theme.
TEST_F(FrameworkLabel, DefaultBlackFollowsTheDesktopAndAnotherColourStays)
{
    auto window = Open<CaptionWindow>();
    auto& plain = window->Find<Label>("Plain");
    auto& red = window->Find<Label>("Red");
    EXPECT_EQ(Testing::NativeState(plain).text_color, 0x000000u);
    EXPECT_EQ(Testing::NativeState(red).text_color, 0xC00000u);

    Testing::UseDesktopColors(Testing::DesktopColors::Dark);
    auto const dark = Testing::NativeState(plain);
    EXPECT_GE(ContrastRatio(dark.text_color, dark.back_color), LegibleContrast)
        << std::hex << dark.text_color << " on " << dark.back_color;
    EXPECT_EQ(Testing::NativeState(red).text_color, 0xC00000u);
    EXPECT_EQ(plain.TextColor(), 0x000000u);

    // Set back to black, the red label follows the desktop too.
    red.SetTextColor(0x000000);
    EXPECT_EQ(Testing::NativeState(red).text_color, dark.text_color);

    Testing::UseDesktopColors(Testing::DesktopColors::Platform);
    EXPECT_EQ(Testing::NativeState(plain).text_color, 0x000000u);
    EXPECT_EQ(Testing::NativeState(red).text_color, 0x000000u);
}
