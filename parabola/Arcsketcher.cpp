#include "parabola/Arcsketcher.h"

#include <string>
#include <utility>

#include "framework/BuildControl.h"
#include "framework/Delegate.h"
#include "framework/Object.h"
#include "framework/PropertyStream.h"
#include "framework/WindowOrder.h"
#include "parabola/ArcsketcherLayout.h"
#include "parabola/GraphCanvasTable.h"
#include "parabola/GraphView.h"
#include "parabola/GraphWindowControlDefaults.h"
#include "parabola/ParabolaMath.h"
#include "parabola/ParabolaText.h"
#include "parabola/SliderValue.h"
#include "shell/MenuBar1.h"

namespace Arcsketcher {

namespace {

// A form switch hands the slider the conversion of the double; a double that is not
// finite (a = 0 has no vertex) stands for no position, and the slider keeps its own.
void MoveSliderTo(Slider& slider, double value)
{
    if (auto position = SliderPosition(value))
        slider.SetValue(*position);
}

}

std::shared_ptr<Arcsketcher> Arcsketcher::Instance()
{
    std::shared_ptr<Window> window = GetImplicitWindow(ClassNameText);
    if (!window) {
        auto created = RuntimeNewObject<Arcsketcher>();
        created->Constructor();
        window = created;
    }
    return RuntimeCheckCast<Arcsketcher>(window);
}

void Arcsketcher::Layout()
{
    SetMenuBar(MenuBar1::MenuBar1::Instance());
    SetProperties(*this, WindowTable());
}

void Arcsketcher::CreateControls()
{
    CreateControls0();
}

// The controls come one at a time in tab order, each built whole before the next.
void Arcsketcher::CreateControls0()
{
    auto const& defaults = GraphWindowControlDefaults;
    BuildControl<Canvas>(*this, "Graph", defaults, GraphCanvasTable(), &Arcsketcher::Graph_Paint);
    BuildControl<Label>(*this, "Formula", defaults, FormulaTable());
    BuildControl<Slider>(*this, "KSlider", defaults, KSliderTable(), &Arcsketcher::KSlider_ValueChanged);
    BuildControl<Slider>(*this, "HSlider", defaults, HSliderTable(), &Arcsketcher::HSlider_ValueChanged);
    BuildControl<Slider>(*this, "ASlider", defaults, ASliderTable(), &Arcsketcher::ASlider_ValueChanged);
    BuildControl<Label>(*this, "AValue", defaults, AValueTable());
    BuildControl<Label>(*this, "HValue", defaults, HValueTable());
    BuildControl<Label>(*this, "KValue", defaults, KValueTable());
}

void Arcsketcher::Graph_Paint(Canvas&, Graphics&)
{
    UpdateGraph();
}

void Arcsketcher::KSlider_ValueChanged(Slider&)
{
    if (!updating)
        UpdateGraph();
}

void Arcsketcher::HSlider_ValueChanged(Slider&)
{
    if (!updating)
        UpdateGraph();
}

void Arcsketcher::ASlider_ValueChanged(Slider&)
{
    UpdateGraph();
}

std::shared_ptr<MenuItem> Arcsketcher::MenuItemNamed(std::string_view name) const
{
    auto item = NilCheck(MenuBar(), "the window's menu bar").Lookup(name);
    if (!item)
        throw NilObjectException(std::string("no menu item named ") + std::string(name));
    return item;
}

std::shared_ptr<MenuItem> Arcsketcher::QuadraticPolynomialForm() const
{
    return MenuItemNamed("QuadraticPolynomialForm");
}

std::shared_ptr<MenuItem> Arcsketcher::QuadraticVertexForm() const
{
    return MenuItemNamed("QuadraticVertexForm");
}

void Arcsketcher::AddMenuHandlers(Window& window)
{
    auto self = RuntimeCheckCast<Arcsketcher>(window.shared_from_this());
    window.AddMenuHandler("QuadraticPolynomialForm", RuntimeCreateDelegate(*self, &Arcsketcher::QuadraticPolynomialForm_Action));
    window.AddMenuHandler("QuadraticVertexForm", RuntimeCreateDelegate(*self, &Arcsketcher::QuadraticVertexForm_Action));
}

void Arcsketcher::Event_EnableMenuItems()
{
    QuadraticVertexForm()->Enable();
    QuadraticPolynomialForm()->Enable();
}

// Works from the stored vertex, which holds the parabola on screen in either form.
// The guard keeps the H slider's own event from updating between the two writes,
// which would replace the vertex with one from a half-converted pair of sliders.
bool Arcsketcher::QuadraticPolynomialForm_Action()
{
    vertexForm = false;
    updating = true;
    double const b = (-2.0 * h) * a;
    MoveSliderTo(HSlider(), b * 20.0);
    double const c = ((a * h) * h) + k;
    MoveSliderTo(KSlider(), c * 20.0);
    updating = false;
    UpdateGraph();
    return true;
}

// Works from the sliders, taking them as b and c whatever form the window is in.
bool Arcsketcher::QuadraticVertexForm_Action()
{
    vertexForm = true;
    updating = true;
    double const b = SliderValue(HSlider().Value());
    double const c = SliderValue(KSlider().Value());
    double const new_h = (-b) / (2.0 * a);
    double const new_k = c - ((b * b) / (4.0 * a));
    MoveSliderTo(HSlider(), (100.0 * new_h) / 5.0);
    MoveSliderTo(KSlider(), (100.0 * new_k) / 5.0);
    updating = false;
    UpdateGraph();
    return true;
}

void Arcsketcher::UpdateGraph()
{
    a = SliderValue(ASlider().Value());
    AValue().SetText(ParameterText("a", a));

    std::string equation;
    // Without a leading coefficient the polynomial form has no vertex to draw
    // through; the labels and the equation then describe the line y = b x + c.
    bool without_vertex = false;
    double b = 0.0;
    double c = 0.0;
    if (vertexForm) {
        h = SliderValue(HSlider().Value());
        HValue().SetText(ParameterText("h", h));
        k = SliderValue(KSlider().Value());
        KValue().SetText(ParameterText("k", k));
        equation = VertexFormEquation(a, h, k);
    } else {
        b = SliderValue(HSlider().Value());
        HValue().SetText(ParameterText("b", b));
        c = SliderValue(KSlider().Value());
        KValue().SetText(ParameterText("c", c));
        equation = PolynomialFormEquation(a, b, c);
        auto const vertex = PolynomialVertex(a, b, c);
        h = vertex.h;
        k = vertex.k;
        without_vertex = a == 0.0;
    }
    Formula().SetText(std::move(equation));

    if (without_vertex)
        DrawGraphView(*this, [b, c](double x) { return LineValue(b, c, x); });
    else
        DrawGraphView(*this, [this](double x) { return ParabolaValue(a, h, k, x); });
}

void Arcsketcher::XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py)
{
    GraphViewMapping(*this, x, y, px, py);
}

}
