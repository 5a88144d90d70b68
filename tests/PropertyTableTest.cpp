#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/PropertyStream.h"
#include "framework/PropertyTable.h"

namespace {

// A class with a table of its own and a base class with another; both write down
// what their setters are given.
class Shape : public Object {
public:
    std::vector<std::string> log;

    void SetLeft(std::int32_t left) { log.push_back("Shape Left " + std::to_string(left)); }
    void SetVisible(bool visible) { log.push_back(std::string("Shape Visible ") + (visible ? "true" : "false")); }

    PropertyTable const& Properties() const override
    {
        static constexpr std::array rows {
            PropertyRowOf<"Left", &Shape::SetLeft>(),
            PropertyRowOf<"Visible", &Shape::SetVisible>(),
        };
        static PropertyTable const table { rows, Object::Properties() };
        return table;
    }
};

class Box : public Shape {
public:
    void SetTitle(std::string_view title) { log.push_back("Box Title " + std::string(title)); }

    PropertyTable const& Properties() const override
    {
        static constexpr std::array rows {
            PropertyRowOf<"Title", &Box::SetTitle>(),
            PropertyRowOf<"Visible", [](Box& box, bool) { box.log.push_back("Box Visible"); }>(),
            PropertyRowOf<"TextColor", [](Box& box, Color color) { box.log.push_back("Box TextColor " + std::to_string(color.rgb)); }>(),
        };
        static PropertyTable const table { rows, Shape::Properties() };
        return table;
    }
};

// A row compiles only when the format has its name and gives it the type its setter
// takes.
template<PropertyName name, auto setter>
concept RowCompiles = requires { PropertyRowOf<name, setter>(); };

static_assert(RowCompiles<"Left", &Shape::SetLeft>);
static_assert(RowCompiles<"Title", &Box::SetTitle>);
static_assert(RowCompiles<"Name", [](Shape&, std::string const&) {}>);
static_assert(!RowCompiles<"Visible", &Shape::SetLeft>);
static_assert(!RowCompiles<"Left", &Shape::SetVisible>);
static_assert(!RowCompiles<"Left", &Box::SetTitle>);
static_assert(!RowCompiles<"BackColor", [](Shape&, std::int32_t) {}>);
static_assert(!RowCompiles<"TextColor", [](Shape&, std::string_view) {}>);
static_assert(!RowCompiles<"left", &Shape::SetLeft>);
static_assert(!RowCompiles<"TextSize", &Shape::SetLeft>);

}

TEST(PropertyTableTest, AStreamAppliesInItsOrderTheClassRowBeforeTheBaseRowAndIgnoresTheRest)
{
    std::vector<PropertyEntry> const rows {
        TextEntry("Title", "Graph"),
        Int32Entry("Left", 3),
        BooleanEntry("Visible", true),
        Int32Entry("Top", 4),
        ColorEntry("TextColor", 0x123456),
        TextEntry("InitialValue", "Linear"),
        Int32Entry("Left", -5),
    };
    auto const stream = WritePropertyStream(rows);

    Box box;
    SetProperties(box, stream);
    EXPECT_EQ(box.log,
        (std::vector<std::string> { "Box Title Graph", "Shape Left 3", "Box Visible", "Box TextColor 1193046",
            "Shape Left -5" }));

    Shape shape;
    SetProperties(shape, stream);
    EXPECT_EQ(shape.log, (std::vector<std::string> { "Shape Left 3", "Shape Visible true", "Shape Left -5" }));

    Object plain;
    EXPECT_NO_THROW(SetProperties(plain, stream));
}

// A value made by hand can disagree with its name's type; applying it is refused,
// not half done.
TEST(PropertyTableTest, AValueOfAnotherTypeThanItsNameIsRefused)
{
    Shape shape;
    EXPECT_THROW(shape.Properties().Apply(shape, "Left", BooleanEntry("Visible", true).value), RuntimeException);
    EXPECT_TRUE(shape.log.empty());
}

// A row put in the wrong class's table never calls its setter on an object of
// another class.
TEST(PropertyTableTest, ARowAppliedToAnObjectOfAnotherClassIsRefused)
{
    Shape shape;
    Box box;
    EXPECT_THROW(box.Properties().Apply(shape, "Title", TextEntry("Title", "Graph").value), IllegalCastException);
    EXPECT_TRUE(shape.log.empty());
}
