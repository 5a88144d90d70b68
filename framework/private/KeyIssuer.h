#pragma once

#ifndef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "framework/private/ is the framework's own side, which code above the framework cannot include."
#endif

#include "framework/FrameworkKey.h"

namespace Framework {

// Where the framework's own code, and the testing library that acts as the platform,
// get the key for a framework-side method.
class KeyIssuer {
public:
    static constexpr FrameworkKey Key() { return {}; }
};

}
