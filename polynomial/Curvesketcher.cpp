#include "polynomial/Curvesketcher.h"

#include <utility>

#include "framework/Delegate.h"
#include "framework/Numbers.h"
#include "parabola/GraphCanvasTable.h"
#include "parabola/GraphView.h"
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

namespace {

// A label's text size and unit are not part of its table, so they are set first.
template<class FindLabel>
void SetUpLabel(FindLabel find, PropertyStream const& table)
{
    find().SetTextSize(14.0f);
    find().SetTextUnit(0);
    SetProperties(find(), table);
}

}

void Curvesketcher::Layout()
{
    SetMenuBar(MenuBar1::MenuBar1::Instance());
    SetProperties(*this, WindowTable());
}

void Curvesketcher::CreateControls()
{
    CreateControls0();
}

// The controls are created one at a time in tab order, each completely before the
// next. Only allocation, construction and registration use the new object; every
// later step finds the control again in the window. Handlers are attached after the
// tables, so the tables' initial values reach none of them.
void Curvesketcher::CreateControls0()
{
    CreateGraph();
    CreateFormula();
    CreateValueSlider(2);
    CreateValueSlider(1);
    CreateValueSlider(0);
    CreateValueDisplay(0);
    CreateValueDisplay(1);
    CreateValueDisplay(2);
    CreatePopupMenu("OrderMenu", OrderMenuTable(), &Curvesketcher::OrderMenu_Change);
    CreateValueSlider(3);
    CreateValueDisplay(3);
    CreatePopupMenu("ModeMenu", ModeMenuTable(), &Curvesketcher::ModeMenu_Change);
    CreateValueSlider(4);
    CreateValueDisplay(4);
    CreateValueSlider(5);
    CreateValueDisplay(5);
}

void Curvesketcher::CreateGraph()
{
    auto canvas = New<Canvas>();
    canvas->Constructor();
    AddControl("Graph", canvas);
    SetProperties(Graph(), GraphCanvasTable());
    RuntimeAddEventHandler(Graph(), Canvas::PaintEvent, RuntimeCreateDelegate(*this, &Curvesketcher::Graph_Paint));
}

void Curvesketcher::CreateFormula()
{
    auto label = New<Label>();
    label->Constructor();
    AddControl("Formula", label);
    SetUpLabel([this]() -> Label& { return Formula(); }, FormulaTable());
}

void Curvesketcher::CreateValueSlider(std::int32_t index)
{
    auto slider = New<::Curvesketcher::ValueSlider>();
    slider->Constructor(index);
    AddControl("ValueSlider", slider);
    SetProperties(ValueSlider(index), ValueSliderTable(index));
    RuntimeAddEventHandler(ValueSlider(index), Slider::ValueChangedEvent, RuntimeCreateDelegate(*this, &Curvesketcher::ValueSlider_ValueChanged));
}

void Curvesketcher::CreateValueDisplay(std::int32_t index)
{
    auto label = New<::Curvesketcher::ValueDisplay>();
    label->Constructor(index);
    AddControl("ValueDisplay", label);
    SetUpLabel([this, index]() -> Label& { return ValueDisplay(index); }, ValueDisplayTable(index));
}

void Curvesketcher::CreatePopupMenu(std::string_view name, PropertyStream const& table, void (Curvesketcher::*change)(PopupMenu&))
{
    auto menu = New<PopupMenu>();
    menu->Constructor();
    AddControl(name, menu);
    Find<PopupMenu>(name).SetTextUnit(0);
    SetProperties(Find<PopupMenu>(name), table);
    RuntimeAddEventHandler(Find<PopupMenu>(name), PopupMenu::ChangeEvent, RuntimeCreateDelegate(*this, change));
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
