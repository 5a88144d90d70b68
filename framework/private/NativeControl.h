#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include <QPointer>
#include <QWidget>

#include "framework/RectControl.h"
#include "framework/Window.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeWindow.h"

// The widget that shows a control, a child of its window's content. Its deletion is
// deferred, since a control may go while one of its widget's own events runs.
class NativeControl {
public:
    explicit NativeControl(QWidget* widget)
        : m_widget(widget)
    {
    }
    ~NativeControl()
    {
        if (m_widget) {
            m_widget->hide();
            m_widget->deleteLater();
        }
    }
    NativeControl(NativeControl const&) = delete;
    NativeControl& operator=(NativeControl const&) = delete;

    // Nil once Qt has deleted it with its window.
    QWidget* Widget() const { return m_widget.data(); }

private:
    QPointer<QWidget> m_widget;
};

// The control's widget as its own class, or nil while it has none.
template<class W>
W* NativeWidget(RectControl const& control)
{
    auto* native = control.Native(Framework::KeyIssuer::Key());
    return native ? static_cast<W*>(native->Widget()) : nullptr;
}

// Where a control's widget is made: its open window's content. RectControl's
// Constructor checks that there is one before it asks for the widget.
inline QWidget* ContentOf(RectControl const& control)
{
    return control.OwnerWindow()->Native(Framework::KeyIssuer::Key())->Content();
}
