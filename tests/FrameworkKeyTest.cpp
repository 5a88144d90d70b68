#include <type_traits>

#include "framework/FrameworkKey.h"

// The tests are code above the framework like the program's own: what holds here
// holds for shell/, parabola/ and polynomial/ too. Without a key of its own making
// or one it was handed, such code can call no framework-side method.
static_assert(!std::is_default_constructible_v<FrameworkKey>, "code above the framework can make a framework key");
static_assert(!std::is_copy_constructible_v<FrameworkKey> && !std::is_move_constructible_v<FrameworkKey>,
    "a framework key given to code above the framework can be handed on");

// The framework's private headers open only to the framework and its testing library.
#ifdef GRAPH_EXPLORER_FRAMEWORK_SIDE
#error "the framework's own side is open to the tests: GRAPH_EXPLORER_FRAMEWORK_SIDE must stay PRIVATE to framework and framework_testing"
#endif
