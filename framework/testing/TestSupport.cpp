#include "framework/testing/TestSupport.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QSlider>
#include <QTest>
#include <QWidget>

#include "framework/Trace.h"
#include "framework/WindowOrder.h"
#include "framework/private/EventBoundary.h"
#include "framework/private/FrameworkState.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeControl.h"
#include "framework/private/NativeWindow.h"
#include "framework/private/WindowOrder.h"

using Framework::KeyIssuer;

namespace Testing {

namespace {

// A widget's colour for the role, in the colour group that it paints in now.
std::uint32_t ColorGroupColor(QWidget const& widget, QPalette::ColorRole role)
{
    QPalette::ColorGroup const group = !widget.isEnabled() ? QPalette::Disabled
        : widget.isActiveWindow()                          ? QPalette::Active
                                                           : QPalette::Inactive;
    return widget.palette().color(group, role).rgb() & 0xFFFFFF;
}

QMainWindow* MainOf(Window& window)
{
    return window.Native(KeyIssuer::Key()) ? window.Native(KeyIssuer::Key())->Main() : nullptr;
}

template<class W>
W& WidgetOf(RectControl& control)
{
    auto* widget = NativeWidget<W>(control);
    if (!widget)
        throw NilObjectException("the control has no widget");
    return *widget;
}

// The action of that text in a menu view, with the menus that lead to it, outermost
// first; nil when there is none.
QAction* FindMenuAction(QWidget const& menu, QString const& text, std::vector<QMenu*>& path)
{
    for (auto* action : menu.actions()) {
        if (auto* submenu = action->menu()) {
            path.push_back(submenu);
            if (auto* found = FindMenuAction(*submenu, text, path))
                return found;
            path.pop_back();
        } else if (!action->isSeparator() && action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

void AddMenuViewEntries(QWidget const& menu, int depth, std::vector<MenuViewEntry>& entries)
{
    for (auto* action : menu.actions()) {
        MenuViewEntry entry;
        entry.depth = depth;
        entry.text = action->text().toStdString();
        entry.shortcut = action->shortcut().toString(QKeySequence::NativeText).toStdString();
        entry.separator = action->isSeparator();
        entry.enabled = action->isEnabled();
        entries.push_back(std::move(entry));
        if (auto* submenu = action->menu())
            AddMenuViewEntries(*submenu, depth + 1, entries);
    }
}

}

void ProcessEvents()
{
    // Twice: events that the first round posts (a repaint after a resize) are run too.
    // Back in the loop, what closed windows left behind goes, widgets last.
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        Framework::ReleaseClosedControls();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

namespace {

// Asks the window system to give the window the keyboard, and waits until it has;
// the framework learns of it as of any activation.
void ActivateNatively(Window& window)
{
    auto* main = MainOf(window);
    if (!main || !main->isVisible() || QApplication::activeWindow() == main)
        return;
    // The offscreen platform stacks nothing; it only activates.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        main->raise();
    main->activateWindow();
    (void)QTest::qWaitForWindowActive(main, 1000);
    ProcessEvents();
}

}

void Activate(Window& window)
{
    ActivateNatively(window);
    // Whatever the window system did, the window is the framework's front window now,
    // as a click on it would make it.
    if (window.IsOpen() && FrontWindow().get() != &window)
        Framework::RunAtBoundary([&] { Framework::MoveToFrontAndUpdateMenus(window); });
}

void PressKeys(Window& window, std::string_view keys)
{
    ActivateNatively(window);
    auto const parts = QString::fromUtf8(keys.data(), static_cast<qsizetype>(keys.size())).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (auto const& part : parts) {
        auto* main = MainOf(window);
        if (!main)
            return;
        QWidget* target = main->focusWidget() ? main->focusWidget() : main;
        QTest::keySequence(target, QKeySequence::fromString(part.trimmed(), QKeySequence::PortableText));
        ProcessEvents();
    }
}

void DragSlider(Slider& slider, std::vector<std::int32_t> const& positions)
{
    auto& native = WidgetOf<QSlider>(slider);
    native.setSliderDown(true);
    for (auto position : positions)
        native.setSliderPosition(position);
    native.setSliderDown(false);
    ProcessEvents();
}

void ChoosePopupRow(PopupMenu& menu, std::int32_t row)
{
    auto& native = WidgetOf<QComboBox>(menu);
    native.setCurrentIndex(row);
    // What the pop-up list sends when the user picks a row, the same row included.
    emit native.activated(row);
    ProcessEvents();
}

void CloseAsUser(Window& window)
{
    if (auto* main = MainOf(window))
        main->close();
    ProcessEvents();
}

void ResizeAsUser(Window& window, std::int32_t width, std::int32_t height)
{
    auto* main = MainOf(window);
    if (!main)
        return;
    main->resize(width, height + window.Native(KeyIssuer::Key())->MenuBarHeight(width));
    ProcessEvents();
}

void RaisePaint(Canvas& canvas)
{
    canvas.RaisePaint(KeyIssuer::Key());
}

bool ChooseInMenuView(Window& window, std::string_view text, MenuChoice how)
{
    auto* main = MainOf(window);
    if (!main || !main->menuWidget())
        throw NilObjectException("the window shows no menu bar");
    std::vector<QMenu*> path;
    auto* action = FindMenuAction(*main->menuWidget(), QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), path);
    if (!action)
        throw NilObjectException("the window's menu bar shows no item " + std::string(text));
    if (how == MenuChoice::Shortcut) {
        // The key goes the way of every key: the toolkit matches it against the
        // enabled shortcuts of the window that has the keyboard.
        bool chosen = false;
        auto const connection = QObject::connect(action, &QAction::triggered, [&chosen] { chosen = true; });
        PressKeys(window, action->shortcut().toString(QKeySequence::PortableText).toStdString());
        QObject::disconnect(connection);
        return chosen;
    }
    for (auto* menu : path)
        emit menu->aboutToShow();
    bool const enabled = action->isEnabled();
    // A disabled item cannot be clicked.
    if (enabled)
        action->trigger();
    ProcessEvents();
    return enabled;
}

std::vector<MenuViewEntry> MenuView(Window& window)
{
    std::vector<MenuViewEntry> entries;
    auto* main = MainOf(window);
    if (main && main->menuWidget())
        AddMenuViewEntries(*main->menuWidget(), 0, entries);
    return entries;
}

NativeWindowState NativeState(Window& window)
{
    NativeWindowState state;
    auto* main = MainOf(window);
    if (!main)
        return state;
    auto* content = window.Native(KeyIssuer::Key())->Content();
    int const bar = window.Native(KeyIssuer::Key())->MenuBarHeight(content->width());
    state.title = main->windowTitle().toStdString();
    state.content_width = content->width();
    state.content_height = content->height();
    state.min_width = main->minimumWidth();
    state.min_height = main->minimumHeight() - bar;
    state.max_width = main->maximumWidth();
    state.max_height = main->maximumHeight() - bar;
    state.visible = main->isVisible();
    auto const flags = main->windowFlags();
    state.close_button = flags.testFlag(Qt::WindowCloseButtonHint);
    state.minimize_button = flags.testFlag(Qt::WindowMinimizeButtonHint);
    state.maximize_button = flags.testFlag(Qt::WindowMaximizeButtonHint);
    state.menu_bar_visible = main->menuWidget() && main->menuWidget()->isVisibleTo(main);
    return state;
}

NativeControlState NativeState(RectControl& control)
{
    NativeControlState state;
    auto* widget = NativeWidget<QWidget>(control);
    if (!widget)
        return state;
    auto const geometry = widget->geometry();
    state.left = geometry.left();
    state.top = geometry.top();
    state.width = geometry.width();
    state.height = geometry.height();
    state.visible = widget->isVisible();
    state.hidden = widget->isHidden();
    state.focusable = (widget->focusPolicy() & Qt::TabFocus) != 0;
    if (auto* label = qobject_cast<QLabel*>(widget))
        state.text = label->text().toStdString();
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        state.text = combo->currentText().toStdString();
    else if (auto* slider = qobject_cast<QSlider*>(widget))
        state.position = slider->sliderPosition();
    // A control that does not fill its own background shows the one of the nearest
    // widget behind it that does, the window at the latest.
    QWidget const* filled = widget;
    while (!filled->isWindow() && !filled->autoFillBackground())
        filled = filled->parentWidget();
    state.text_color = ColorGroupColor(*widget, widget->foregroundRole());
    state.back_color = ColorGroupColor(*filled, filled->backgroundRole());
    return state;
}

void UseDesktopColors(DesktopColors colors)
{
    // A palette with no colour set gives the application the platform's own again.
    QPalette palette;
    if (colors == DesktopColors::Dark) {
        for (auto role : { QPalette::Window, QPalette::Button, QPalette::Base, QPalette::AlternateBase })
            palette.setColor(role, QColor(0x2A, 0x2A, 0x2E));
        for (auto role : { QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::BrightText })
            palette.setColor(role, QColor(0xF0, 0xF0, 0xF0));
    }
    QApplication::setPalette(palette);
    ProcessEvents();
}

std::uint32_t ShownPixel(Canvas& canvas, std::int32_t x, std::int32_t y)
{
    auto& widget = WidgetOf<QWidget>(canvas);
    QWidget* top = widget.window();
    if (x < 0 || y < 0 || x >= widget.width() || y >= widget.height() || !top->windowHandle() || !top->windowHandle()->screen())
        return NoShownPixel;
    // The screen takes the place in logical pixels and hands back the block of device
    // pixels that covers it, as many as the ratio of the toolkit's scaling or of the
    // platform makes; its centre lies inside the logical pixel at any ratio. Where the
    // window system keeps nothing, the grab is empty.
    QPoint const at = widget.mapTo(top, QPoint(x, y));
    QImage const shown = top->windowHandle()->screen()->grabWindow(top->winId(), at.x(), at.y(), 1, 1).toImage();
    if (shown.isNull())
        return NoShownPixel;
    return shown.pixel(shown.width() / 2, shown.height() / 2) & 0xFFFFFF;
}

std::exception_ptr TakeEscapedException()
{
    return std::exchange(Framework::GetState().escaped, nullptr);
}

void PostToEventLoop(std::function<void()> function)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [function = std::move(function)] { Framework::RunAtBoundary(function); }, Qt::QueuedConnection);
}

void ResetFramework()
{
    auto& state = Framework::GetState();
    // Calls that a test posted and never ran must not run in the next one.
    QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    Framework::CloseAllWindows();
    state.application.reset();
    state.escaped = nullptr;
    state.quit_requested = false;
    state.exit_status = 0;
    state.exception_helper = nullptr;
    SetTraceSink({});
    if (QCoreApplication::testAttribute(Qt::AA_SetPalette))
        UseDesktopColors(DesktopColors::Platform);
    ProcessEvents();
    state.escaped = nullptr;
}

}
