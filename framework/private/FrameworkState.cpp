#include "framework/private/FrameworkState.h"

namespace Framework {

State& GetState()
{
    static State state;
    return state;
}

}
