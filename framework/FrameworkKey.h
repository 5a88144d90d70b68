#pragma once

namespace Framework {
class KeyIssuer;
}

// The argument of the methods that only the framework may call: the platform's
// reports (a user's move, a resize, a close), and a canvas's hold on its surface.
// The constructor that makes one is private and open to Framework::KeyIssuer alone,
// which only the framework's private headers define, so code above the framework
// cannot make a key. A key can be neither copied nor moved, so a method that is
// given one cannot hand it on.
class FrameworkKey {
public:
    FrameworkKey(FrameworkKey const&) = delete;
    FrameworkKey& operator=(FrameworkKey const&) = delete;

private:
    friend class Framework::KeyIssuer;
    constexpr FrameworkKey() = default;
};
