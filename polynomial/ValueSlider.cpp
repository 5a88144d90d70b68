#include "polynomial/ValueSlider.h"

namespace Curvesketcher {

void ValueSlider::Constructor(std::int32_t index)
{
    SetIndex(index);
    RectControl::Constructor();
}

}
