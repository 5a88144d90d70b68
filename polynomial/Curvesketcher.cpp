#include "polynomial/Curvesketcher.h"

#include <utility>

#include "framework/BuildControl.h"
#include "framework/Numbers.h"
#include "framework/PropertyStream.h"
#include "parabola/GraphCanvasTable.h"
#include "parabola/GraphView.h"
#include "parabola/GraphWindowControlDefaults.h"
#include "parabola/SignedTerm.h"
#include "parabola/SliderValue.h"
#include "polynomial/CurvesketcherLayout.h"
#include "polynomial/PolynomialEquation.h"
#include "polynomial/PolynomialEvaluation.h"
#include "polynomial/PolynomialValues.h"
#include "polynomial/ValueArea.h"
#include "polynomial/ValueDisplay.h"
#include "polynomial/ValueSlider.h"
#include "shell/MenuBar1.h"

namespace Curvesketcher {

void Curvesketcher::Layout()
{
    SetMenuBar(MenuBar1::MenuBar1::Instance());
    SetProperties(*this, WindowTable());
}

void Curvesketcher::CreateControls()
{
    CreateControls0();
}

// The controls come one at a time in tab order, each built whole before the next.
void Curvesketcher::CreateControls0()
{
    auto const& defaults = GraphWindowControlDefaults;
    auto const value_slider = [&](std::int32_t index) {
        BuildControl<::Curvesketcher::ValueSlider>(*this, "ValueSlider", index, defaults, ValueSliderTable(index), &Curvesketcher::ValueSlider_ValueChanged);
    };
    auto const value_display = [&](std::int32_t index) {
        BuildControl<::Curvesketcher::ValueDisplay>(*this, "ValueDisplay", index, defaults, ValueDisplayTable(index));
    };
    BuildControl<Canvas>(*this, "Graph", defaults, GraphCanvasTable(), &Curvesketcher::Graph_Paint);
    BuildControl<Label>(*this, "Formula", defaults, FormulaTable());
    value_slider(2);
    value_slider(1);
    value_slider(0);
    value_display(0);
    value_display(1);
    value_display(2);
    BuildControl<PopupMenu>(*this, "OrderMenu", defaults, OrderMenuTable(), &Curvesketcher::OrderMenu_Change);
    value_slider(3);
    value_display(3);
    BuildControl<PopupMenu>(*this, "ModeMenu", defaults, ModeMenuTable(), &Curvesketcher::ModeMenu_Change);
    value_slider(4);
    value_display(4);
    value_slider(5);
    value_display(5);
}

Canvas& Curvesketcher::Graph() const
{
    return Find<Canvas>("Graph");
}

Label& Curvesketcher::Formula() const
{
    return Find<Label>("Formula");
}

Slider& Curvesketcher::ValueSlider(std::int32_t index) const
{
    return Find<Slider>("ValueSlider", index);
}

Label& Curvesketcher::ValueDisplay(std::int32_t index) const
{
    return Find<Label>("ValueDisplay", index);
}

PopupMenu& Curvesketcher::OrderMenu() const
{
    return Find<PopupMenu>("OrderMenu");
}

PopupMenu& Curvesketcher::ModeMenu() const
{
    return Find<PopupMenu>("ModeMenu");
}

void Curvesketcher::Graph_Paint(Canvas&, Graphics&)
{
    UpdateGraph();
}

void Curvesketcher::ValueSlider_ValueChanged(Slider&)
{
    UpdateGraph();
}

void Curvesketcher::OrderMenu_Change(PopupMenu&)
{
    UpdateGraph();
}

void Curvesketcher::ModeMenu_Change(PopupMenu&)
{
    UpdateGraph();
}

void Curvesketcher::UpdateGraph()
{
    // The six values are read once and serve all three stages, hidden members too.
    PolynomialValues values {};
    for (std::int32_t i = 0; i < MemberCount; ++i)
        values[static_cast<std::size_t>(i)] = SliderValue(ValueSlider(i).Value());

    // Visibility and value labels. The order is read afresh before every visibility
    // write; the mode once for the stage.
    std::int32_t const mode = ModeMenu().ListIndex();
    for (std::int32_t i = 0; i < MemberCount; ++i) {
        ValueSlider(i).SetVisible(MemberShown(i, OrderMenu().ListIndex(), mode));
        ValueDisplay(i).SetVisible(MemberShown(i, OrderMenu().ListIndex(), mode));
    }
    for (std::int32_t i = 0; i < MemberCount; ++i) {
        if (auto const prefix = ValueLabelPrefix(i, mode))
            ValueDisplay(i).SetText(std::string(*prefix) + Str(values[static_cast<std::size_t>(i)]));
    }

    // The equation, with the menus read again rather than reused; the mode only for
    // an order that has an equation. Its signed terms are the window's PlusOrMinus.
    std::string equation;
    std::int32_t const order = OrderMenu().ListIndex();
    if (IsOrderIndex(order))
        equation = EquationText(order, ModeMenu().ListIndex(), values, [this](double value) { return PlusOrMinus(value); });
    Formula().SetText(std::move(equation));

    // The graph, with both menus read again at every sample, the mode first.
    DrawGraphView(*this, [this, &values](double x) {
        std::int32_t const sample_mode = ModeMenu().ListIndex();
        std::int32_t const sample_order = OrderMenu().ListIndex();
        return EvaluatePolynomial(sample_order, sample_mode, values, x);
    });
}

void Curvesketcher::XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py)
{
    GraphViewMapping(*this, x, y, px, py);
}

std::string Curvesketcher::PlusOrMinus(double value)
{
    return SignedTerm(value);
}

}
