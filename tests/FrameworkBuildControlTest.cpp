#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/BuildControl.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/PropertyStream.h"
#include "framework/Slider.h"
#include "tests/ConstructionTrace.h"
#include "tests/FrameworkFixture.h"

namespace {

// A member class as a window declares one: built only with its index.
class Cell : public Label {
public:
    void Constructor(std::int32_t index)
    {
        SetIndex(index);
        RectControl::Constructor();
    }

private:
    using Label::Constructor;
};

// The mistake the member rule keeps out: a member that can be built without its index.
class CellWithoutIndexToo : public Label {
public:
    using Label::Constructor;
    void Constructor(std::int32_t index);
};

static_assert(StandaloneControl<Label> && !ArrayMemberControl<Label>);
static_assert(ArrayMemberControl<Cell> && !StandaloneControl<Cell>);
static_assert(!ArrayMemberControl<CellWithoutIndexToo>);

// A table names its control, as the windows' tables do, which the trace shows.
PropertyStream Table(std::string_view name, std::vector<PropertyEntry> rows)
{
    rows.insert(rows.begin(), TextEntry("Name", name));
    return WritePropertyStream(rows);
}

// Defaults that are neither the framework's nor the system's own, so that only the
// window can have handed them in.
constexpr ControlDefaults defaults { .label_text_size = 9.0f, .text_unit = 0 };

class BuiltWindow : public Window {
public:
    void CreateControls() override
    {
        BuildControl<Label>(*this, "Caption", defaults, Table("Caption", { TextEntry("Text", "caption") }));
        BuildControl<Slider>(*this, "Slider", defaults, Table("Slider", { Int32Entry("Value", 30) }), &BuiltWindow::Slider_ValueChanged);
        BuildControl<PopupMenu>(*this, "Menu", defaults, Table("Menu", { TextEntry("InitialValue", "One\rTwo"), Int32Entry("ListIndex", 1) }), &BuiltWindow::Menu_Change);
        BuildControl<Cell>(*this, "Cell", 1, defaults, Table("Cell", { TextEntry("Text", "one") }));
        BuildControl<Cell>(*this, "Cell", 0, defaults, Table("Cell", { TextEntry("Text", "zero") }));
    }

    void Slider_ValueChanged(Slider&) { events.emplace_back("Slider"); }
    void Menu_Change(PopupMenu&) { events.emplace_back("Menu"); }

    std::vector<std::string> events;
};

using FrameworkBuildControl = FrameworkTest;

}

// Each control gets the window's defaults, then its table, then the window's handler,
// so that no value a table sets reaches a handler; a member's steps reach the member
// of its own index, however many share its name.
TEST_F(FrameworkBuildControl, DefaultsThenTableThenHandler)
{
    std::shared_ptr<BuiltWindow> window;
    auto const steps = ConstructionSteps([&] { window = Open<BuiltWindow>(); });
    EXPECT_EQ(steps, (std::vector<std::string> {
        "SetTextUnit Caption", "SetProperties Caption",
        "SetProperties Slider", "RuntimeAddEventHandler Slider",
        "SetTextUnit Menu", "SetProperties Menu", "RuntimeAddEventHandler Menu",
        "SetTextUnit Cell", "SetProperties Cell",
        "SetTextUnit Cell", "SetProperties Cell",
    }));
    EXPECT_EQ(window->Find<Label>("Caption").TextSize(), 9.0f);
    EXPECT_EQ(window->Find<Label>("Caption").Text(), "caption");
    EXPECT_EQ(window->Find<Slider>("Slider").Value(), 30);
    EXPECT_EQ(window->Find<PopupMenu>("Menu").ListIndex(), 1);
    for (auto const& [index, text] : { std::pair { 0, "zero" }, std::pair { 1, "one" } }) {
        EXPECT_EQ(window->Find<Label>("Cell", index).Text(), text);
        EXPECT_EQ(window->Find<Label>("Cell", index).TextSize(), 9.0f);
    }

    EXPECT_TRUE(window->events.empty());
    window->Find<Slider>("Slider").SetValue(31);
    window->Find<PopupMenu>("Menu").SetListIndex(0);
    EXPECT_EQ(window->events, (std::vector<std::string> { "Slider", "Menu" }));
}
