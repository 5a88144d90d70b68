#pragma once

#include <cstdint>

#include "framework/RectControl.h"

namespace Curvesketcher {

// A member of one of the polynomial window's control arrays: a control of class Base
// that knows its index before the framework builds it. The members of an array share
// one name, so the window can register a member and find it again only by its index.
template<class Base>
class ArrayMember : public Base {
public:
    // Sets the member's Index, then runs the framework's construction.
    void Constructor(std::int32_t index)
    {
        this->SetIndex(index);
        RectControl::Constructor();
    }

private:
    // A member built without its index could not be told from the other members of
    // its array, so the class offers no construction without one.
    using Base::Constructor;
};

}
