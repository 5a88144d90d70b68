#include "framework/private/NativeWindow.h"

#include <algorithm>
#include <string>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QWidget>

#include "framework/MenuDispatch.h"
#include "framework/Window.h"
#include "framework/WindowOrder.h"
#include "framework/private/EventBoundary.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/WindowOrder.h"

using Framework::KeyIssuer;

namespace {

// The top level: activation, deactivation and the close button reach the window
// through the event-dispatch boundary.
class FrameWindow final : public QMainWindow {
public:
    explicit FrameWindow(std::weak_ptr<Window> window)
        : m_window(std::move(window))
    {
    }

protected:
    bool event(QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::WindowActivate:
            Framework::RunAtBoundary([window = m_window] {
                auto open = window.lock();
                if (open && open->IsOpen())
                    Framework::MoveToFrontAndUpdateMenus(*open);
            });
            break;
        case QEvent::WindowDeactivate:
            Framework::RunAtBoundary([window = m_window] {
                auto open = window.lock();
                if (open && open->IsOpen())
                    UpdateMenuItems();
            });
            break;
        default:
            break;
        }
        return QMainWindow::event(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (auto open = m_window.lock(); open && open->IsOpen())
            Framework::RunAtBoundary([open] { open->NativeClosed(KeyIssuer::Key()); });
        event->accept();
    }

public:
    // A key is about to be matched against the shortcuts of this window, which has the
    // keyboard. Its commands are judged with it in front: where the framework last
    // learnt of another front window (a menu opened in another window, a window shown
    // without the focus), the menus are brought up to date for this one first, so that
    // a command enabled here is not dropped as another window's disabled one.
    // Most keys arrive in the front window, and the query goes up the focused
    // widget's parents: only a window behind enters the boundary, once.
    void KeyboardCommandComing()
    {
        auto open = m_window.lock();
        if (open && open->IsOpen() && FrontWindow() != open)
            Framework::RunAtBoundary([&open] { Framework::MoveToFrontAndUpdateMenus(*open); });
    }

private:
    std::weak_ptr<Window> m_window;
};

// Sees every key before the toolkit matches it against the shortcuts, in whatever
// widget of a window it arrives: the toolkit sends the override query to the focused
// widget and up its parents, and lets no disabled action take a shortcut.
class KeyboardCommandWatcher final : public QObject {
public:
    using QObject::QObject;

    // One per application object, which owns it.
    static void Install()
    {
        static QPointer<KeyboardCommandWatcher> installed;
        auto* application = QCoreApplication::instance();
        if (installed || !application)
            return;
        installed = new KeyboardCommandWatcher(application);
        application->installEventFilter(installed);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
            if (auto* frame = dynamic_cast<FrameWindow*>(static_cast<QWidget*>(watched)->window()))
                frame->KeyboardCommandComing();
        }
        return false;
    }
};

// The window's content: its size is the window's Width and Height.
class ContentWidget final : public QWidget {
public:
    explicit ContentWidget(std::weak_ptr<Window> window)
        : m_window(std::move(window))
    {
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        auto open = m_window.lock();
        if (!open || !open->IsOpen() || !open->Native(KeyIssuer::Key()) || open->Native(KeyIssuer::Key())->IsApplyingSize())
            return;
        QSize const size = event->size();
        Framework::RunAtBoundary([open, size] { open->NativeResized(KeyIssuer::Key(), size.width(), size.height()); });
    }

private:
    std::weak_ptr<Window> m_window;
};

QKeySequence ShortcutOf(std::string const& shortcut)
{
    // "Cmd" is the platform's command modifier, which Qt calls Ctrl everywhere (it
    // maps Ctrl to Command on macOS).
    QString text = QString::fromStdString(shortcut);
    text.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"), Qt::CaseInsensitive);
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}

int BoundedSize(std::int32_t size)
{
    return std::clamp<std::int32_t>(size, 0, QWIDGETSIZE_MAX);
}

}

NativeWindow::NativeWindow(Window& window)
    : m_window(std::static_pointer_cast<Window>(window.shared_from_this()))
{
    KeyboardCommandWatcher::Install();
    auto* main = new FrameWindow(m_window);
    m_main = main;
    auto* content = new ContentWidget(m_window);
    content->setFocusPolicy(Qt::NoFocus);
    main->setCentralWidget(content);
    m_content = content;
}

NativeWindow::~NativeWindow()
{
    if (!m_main)
        return;
    m_main->close();
    m_main->deleteLater();
}

void NativeWindow::ShowMenuBar(MenuBar const* bar)
{
    if (!m_main)
        return;
    m_menu_actions.clear();
    // The main window deletes the view it replaces.
    if (!bar) {
        m_main->setMenuWidget(nullptr);
        return;
    }
    auto* view = new QMenuBar;
    m_main->setMenuBar(view);
    AddMenuEntries(*view, *bar);
    SyncMenuEnabling();
}

void NativeWindow::AddMenuEntries(QWidget& menu, MenuItem const& parent)
{
    for (auto const& item : parent.Children()) {
        QString const text = QString::fromStdString(item->Text());
        QAction* action = nullptr;
        if (!item->Children().empty()) {
            auto* submenu = new QMenu(text, &menu);
            // A menu opens in the window the user works in, whatever the order that the
            // framework last learnt: that window is the front one for its items.
            QObject::connect(submenu, &QMenu::aboutToShow, submenu, [window = m_window] {
                Framework::RunAtBoundary([&window] {
                    if (auto open = window.lock(); open && open->IsOpen())
                        Framework::MoveToFrontAndUpdateMenus(*open);
                    else
                        UpdateMenuItems();
                });
            });
            AddMenuEntries(*submenu, *item);
            action = submenu->menuAction();
        } else {
            action = new QAction(&menu);
            if (item->IsSeparator()) {
                // The "-" only marks the entry; some styles draw a separator's text
                // beside its line, so the separator gets none.
                action->setSeparator(true);
            } else {
                action->setText(text);
                action->setShortcut(ShortcutOf(item->KeyboardShortcut()));
                // Clicked or by its shortcut, the item was chosen in this window: its
                // handlers are asked first (ChooseMenuItem brings the menus up to date).
                QObject::connect(action, &QAction::triggered, action, [window = m_window, name = item->Name()] {
                    Framework::RunAtBoundary([&window, &name] {
                        if (auto open = window.lock(); open && open->IsOpen())
                            Framework::MoveToFront(*open);
                        ChooseMenuItem(name);
                    });
                });
            }
        }
        menu.addAction(action);
        m_menu_actions.push_back({ action, item });
    }
}

void NativeWindow::SyncMenuEnabling()
{
    for (auto const& entry : m_menu_actions) {
        auto item = entry.item.lock();
        if (entry.action && item)
            entry.action->setEnabled(item->Enabled());
    }
}

void NativeWindow::SetMenuBarVisible(bool visible)
{
    if (m_main && m_main->menuWidget())
        m_main->menuWidget()->setVisible(visible);
}

int NativeWindow::MenuBarHeight(int content_width) const
{
    if (!m_main)
        return 0;
    auto* bar = m_main->menuWidget();
    if (!bar || !bar->isVisibleTo(m_main))
        return 0;
    if (auto* menu_bar = qobject_cast<QMenuBar*>(bar); menu_bar && menu_bar->isNativeMenuBar())
        return 0;
    // As the main window's layout gives the bar its height.
    int height = bar->heightForWidth(std::max(content_width, bar->minimumWidth()));
    if (height < 0)
        height = bar->sizeHint().height();
    int const minimum = std::max(0, bar->minimumHeight() > 0 ? bar->minimumHeight() : bar->minimumSizeHint().height());
    return std::clamp(height, minimum, std::max(minimum, bar->maximumHeight()));
}

void NativeWindow::SetContentSize(int width, int height)
{
    if (!m_main || !m_content)
        return;
    m_applying_size = true;
    width = BoundedSize(width);
    height = BoundedSize(height);
    m_content->resize(width, height);
    m_main->resize(width, BoundedSize(height + MenuBarHeight(width)));
    m_applying_size = false;
}

void NativeWindow::SetContentLimits(int min_width, int min_height, int max_width, int max_height, bool resizeable, int width, int height)
{
    if (!m_main || !m_content)
        return;
    if (!resizeable) {
        min_width = max_width = width;
        min_height = max_height = height;
    }
    m_applying_size = true;
    m_content->setMinimumSize(BoundedSize(min_width), BoundedSize(min_height));
    m_content->setMaximumSize(BoundedSize(max_width), BoundedSize(max_height));
    int const bar = MenuBarHeight(width);
    m_main->setMinimumSize(BoundedSize(min_width), BoundedSize(min_height + bar));
    m_main->setMaximumSize(BoundedSize(max_width), BoundedSize(max_height + bar));
    m_applying_size = false;
}

void NativeWindow::Show(bool full_screen)
{
    if (!m_main)
        return;
    // The sizes that the first show reports are the toolkit's first guess at the
    // menu bar; the window's own size is applied again once it is polished.
    m_applying_size = true;
    if (full_screen)
        m_main->showFullScreen();
    else
        m_main->show();
    m_applying_size = false;
}
