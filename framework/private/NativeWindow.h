#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include <memory>
#include <vector>

#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include "framework/MenuBar.h"

class QAction;
class Window;

// The native side of a window: a main window whose central content widget has the
// window's size, and this window's own view of its menu bar.
class NativeWindow {
public:
    explicit NativeWindow(Window& window);
    // Closes the native window and deletes it later, never inside its own event.
    ~NativeWindow();
    NativeWindow(NativeWindow const&) = delete;
    NativeWindow& operator=(NativeWindow const&) = delete;

    QMainWindow* Main() const { return m_main.data(); }
    QWidget* Content() const { return m_content.data(); }

    // Builds this window's view of the bar (nil: none).
    void ShowMenuBar(MenuBar const* bar);
    // Gives every action of the view the enabled state of its item.
    void SyncMenuEnabling();
    void SetMenuBarVisible(bool visible);

    // What the menu bar adds to the content's height at that content width.
    int MenuBarHeight(int content_width) const;
    void SetContentSize(int width, int height);
    // A window that is not resizeable keeps the given size.
    void SetContentLimits(int min_width, int min_height, int max_width, int max_height, bool resizeable, int width, int height);
    void Show(bool full_screen);
    // While the framework itself sizes the window, the sizes that the toolkit reports
    // on the way are not the user's.
    bool IsApplyingSize() const { return m_applying_size; }

private:
    struct MenuAction {
        QPointer<QAction> action;
        std::weak_ptr<MenuItem> item;
    };
    void AddMenuEntries(QWidget& menu, MenuItem const& parent);

    // Held weakly: the window owns this, and its menu actions may outlive it.
    std::weak_ptr<Window> m_window;
    QPointer<QMainWindow> m_main;
    QPointer<QWidget> m_content;
    std::vector<MenuAction> m_menu_actions;
    bool m_applying_size { false };
};
