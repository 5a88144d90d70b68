#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Object.h"

class Window;

// The event every control class declares first; the handlers of the system attach
// to it by number.
inline constexpr int FirstOwnEvent = 15;

// Every control: its name and index in its window and the window that owns it.
class Control : public Object {
public:
    static constexpr std::int32_t NoIndex = std::numeric_limits<std::int32_t>::min();

    Control();
    ~Control() override;

    std::string const& Name() const { return m_name; }
    std::int32_t Index() const { return m_index; }
    void SetIndex(std::int32_t index) { m_index = index; }

    // The owning window; nil once it has closed.
    std::shared_ptr<::Window> OwnerWindow() const;
    // Whether the control was made in a window that has closed since: such a control
    // raises no event.
    bool WindowClosed() const { return m_adopted && !OwnerWindow(); }

    PropertyTable const& Properties() const override;

private:
    friend class ::Window;
    std::string m_name;
    std::int32_t m_index { NoIndex };
    std::weak_ptr<::Window> m_window;
    bool m_adopted { false };
};
