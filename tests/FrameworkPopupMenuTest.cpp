#include <vector>

#include "framework/Delegate.h"
#include "framework/PopupMenu.h"
#include "tests/FrameworkFixture.h"

namespace {

class MenuWindow : public Window {
public:
    void CreateControls() override
    {
        auto menu = MakeControl<PopupMenu>(*this, "OrderMenu", { 10, 10, 200, 20, "" });
        menu->SetInitialValue("Linear\rQuadratic\rCubic");
        menu->SetListIndex(0);
        RuntimeAddEventHandler(*menu, PopupMenu::ChangeEvent, RuntimeCreateDelegate(*this, &MenuWindow::OrderMenu_Change));
    }
    void OrderMenu_Change(PopupMenu& menu) { seen.push_back(menu.ListIndex()); }

    PopupMenu& OrderMenu() { return Find<PopupMenu>("OrderMenu"); }

    std::vector<std::int32_t> seen;
};

using FrameworkPopupMenu = FrameworkTest;

}

TEST_F(FrameworkPopupMenu, RowsComeFromTheInitialValueSplitAtCarriageReturns)
{
    auto window = Open<MenuWindow>();
    auto& menu = window->OrderMenu();
    EXPECT_EQ(menu.Rows(), (std::vector<std::string> { "Linear", "Quadratic", "Cubic" }));
    EXPECT_EQ(menu.ListIndex(), 0);
    EXPECT_EQ(Testing::NativeState(menu).text, "Linear");
    EXPECT_TRUE(window->seen.empty());

    menu.SetInitialValue("");
    EXPECT_TRUE(menu.Rows().empty());
    menu.SetInitialValue("One\r\rThree");
    EXPECT_EQ(menu.Rows(), (std::vector<std::string> { "One", "", "Three" }));
}

TEST_F(FrameworkPopupMenu, ChangeComesOnlyWithADifferentRow)
{
    auto window = Open<MenuWindow>();
    auto& menu = window->OrderMenu();

    // By code: before the setter returns, and only on a change.
    menu.SetListIndex(2);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ 2 }));
    menu.SetListIndex(2);
    EXPECT_EQ(window->seen.size(), 1u);
    EXPECT_EQ(Testing::NativeState(menu).text, "Cubic");

    // By the user: choosing the selected row again raises nothing.
    Testing::ChoosePopupRow(menu, 2);
    EXPECT_EQ(window->seen.size(), 1u);
    Testing::ChoosePopupRow(menu, 1);
    EXPECT_EQ(window->seen, std::vector<std::int32_t>({ 2, 1 }));
    EXPECT_EQ(menu.ListIndex(), 1);
    EXPECT_EQ(Testing::NativeState(menu).text, "Quadratic");
}
