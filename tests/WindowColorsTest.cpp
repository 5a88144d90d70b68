#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/Label.h"
#include "tests/ContrastRatio.h"
#include "tests/ShellTestFixture.h"

class WindowColors : public ShellTest {
protected:
    // Every label of the parabola window and of the open polynomial windows, by name.
    static std::vector<std::pair<std::string, Label*>> EveryLabel()
    {
        std::vector<std::pair<std::string, Label*>> labels;
        auto parabola = ParabolaWindow();
        for (Label* label : { &parabola->Formula(), &parabola->AValue(), &parabola->HValue(), &parabola->KValue() })
            labels.emplace_back("Arcsketcher " + label->Name(), label);
        for (auto const& polynomial : PolynomialWindows()) {
            labels.emplace_back("Curvesketcher Formula", &polynomial->Formula());
            for (std::int32_t index = 0; index < 6; ++index)
                labels.emplace_back("Curvesketcher ValueDisplay " + std::to_string(index), &polynomial->ValueDisplay(index));
        }
        return labels;
    }
};

// The labels' tables give black, which is the light desktop's text colour, so
// nothing changes there; on a dark desktop its light text keeps them legible.
TEST_F(WindowColors, EveryLabelIsLegibleOnLightAndDarkDesktops)
{
    StartUp();
    ASSERT_TRUE(OpenPolynomialWindow());
    auto const labels = EveryLabel();
    ASSERT_EQ(labels.size(), 11u);

    for (auto colors : { Testing::DesktopColors::Platform, Testing::DesktopColors::Dark }) {
        Testing::UseDesktopColors(colors);
        for (auto const& [name, label] : labels) {
            SCOPED_TRACE(name + (colors == Testing::DesktopColors::Dark ? ", dark" : ", light"));
            auto const shown = Testing::NativeState(*label);
            EXPECT_GE(ContrastRatio(shown.text_color, shown.back_color), LegibleContrast)
                << std::hex << shown.text_color << " on " << shown.back_color;
            if (colors == Testing::DesktopColors::Platform) {
                EXPECT_EQ(shown.text_color, 0x000000u);
            }
        }
    }
}
