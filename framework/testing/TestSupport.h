#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/RectControl.h"
#include "framework/Slider.h"
#include "framework/Window.h"

// Drives real windows the way a user would, and reads back what the platform shows.
// For tests only: the program never links this.
namespace Testing {

// Runs the pending events: paints, activations, posted calls.
void ProcessEvents();

// Makes the window the active, front window, as a click on it would.
void Activate(Window& window);

// Types keys into the window's focused control, or the window itself when nothing
// has focus: a key sequence such as "Ctrl+3", "Right", "Left", "PgUp", "PgDown",
// "Home", "End", "Tab", "Backtab", "Down"; several separated by commas.
// The window system gives the window the keyboard first where it has not got it,
// which is an activation like any other; the framework's front window is otherwise
// left as it is. Shortcuts go through the window's menu bar view, as real keys do.
void PressKeys(Window& window, std::string_view keys);

// A drag of the thumb by the user: pressed, moved through each position, released.
void DragSlider(Slider& slider, std::vector<std::int32_t> const& positions);

// The user chooses a row of the pop-up menu.
void ChoosePopupRow(PopupMenu& menu, std::int32_t row);

// The user clicks the window's close button.
void CloseAsUser(Window& window);

// The user resizes the window to the given content size.
void ResizeAsUser(Window& window, std::int32_t width, std::int32_t height);

// The canvas's surface needs drawing, as when its content is lost: Paint is raised
// right here, outside the event-dispatch boundary, so that whatever it throws
// reaches the test.
void RaisePaint(Canvas& canvas);

// One entry of a window's menu bar view, in tree order (depth 0: the menus).
struct MenuViewEntry {
    int depth { 0 };
    std::string text;       // with its "&" mnemonic marks
    std::string shortcut;   // as the platform shows it, e.g. "Ctrl+Q"
    bool separator { false };
    bool enabled { false };
};
std::vector<MenuViewEntry> MenuView(Window& window);

// The user chooses the item of that text (with its "&" marks) in the window's own
// view of its menu bar: Click opens the menus that lead to it first and clicks it,
// without activating the window, as on a display where the window that the user
// works in is not the one the framework last learnt of; Shortcut presses its key in
// the window as PressKeys does. Returns whether the item was chosen, which a
// disabled item cannot be.
enum class MenuChoice { Click, Shortcut };
bool ChooseInMenuView(Window& window, std::string_view text, MenuChoice how);

// What the window system has for a window.
struct NativeWindowState {
    std::string title;
    std::int32_t content_width { 0 }, content_height { 0 };
    std::int32_t min_width { 0 }, min_height { 0 }, max_width { 0 }, max_height { 0 };
    bool visible { false };
    bool close_button { false }, minimize_button { false }, maximize_button { false };
    bool menu_bar_visible { false };
};
NativeWindowState NativeState(Window& window);

// What the window system has for a control.
struct NativeControlState {
    std::int32_t left { 0 }, top { 0 }, width { 0 }, height { 0 };
    bool visible { false };     // shown on screen (its window shown and itself visible)
    bool hidden { true };       // explicitly hidden
    bool focusable { false };
    std::string text;           // a label's text, a pop-up menu's current row
    std::int32_t position { 0 };// a slider's thumb position
    // The colours (0xRRGGBB) that it draws its text in and that the window fills
    // behind it with, as they are now.
    std::uint32_t text_color { 0 }, back_color { 0 };
};
NativeControlState NativeState(RectControl& control);

// The desktop's colours as the user switches them while the program runs: the
// platform's own, or a dark theme's light text on dark windows.
enum class DesktopColors { Platform, Dark };
void UseDesktopColors(DesktopColors colors);

// The colour (0xRRGGBB) that the screen shows at a logical pixel of the canvas, as
// the window system last received it from the window; NoShownPixel, which is no
// colour, where it has none (outside the canvas or the window, or not yet shown).
inline constexpr std::uint32_t NoShownPixel = 0xFF000000u;
std::uint32_t ShownPixel(Canvas& canvas, std::int32_t x, std::int32_t y);

// The exception that the event-dispatch boundary caught last, if any, and clears it.
std::exception_ptr TakeEscapedException();

// Calls the function from the event loop, once, as soon as the loop runs.
void PostToEventLoop(std::function<void()> function);

// Closes every window, drops the application object and forgets escaped exceptions,
// so that each test starts from a clean framework.
void ResetFramework();

} // namespace Testing
