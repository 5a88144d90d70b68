#include "polynomial/ValueDisplay.h"

namespace Curvesketcher {

void ValueDisplay::Constructor(std::int32_t index)
{
    SetIndex(index);
    RectControl::Constructor();
}

}
