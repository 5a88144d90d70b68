#include "framework/FrameworkState.h"

namespace Framework {

State& GetState()
{
    static State state;
    return state;
}

}
