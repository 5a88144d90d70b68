#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/Canvas.h"
#include "framework/Graphics.h"
#include "framework/Label.h"
#include "framework/PopupMenu.h"
#include "framework/Slider.h"
#include "framework/Window.h"

namespace Curvesketcher {

// The polynomial window: an order and a mode menu choose a polynomial of degree 1 to
// 5 given by coefficients or by roots, one slider and value label per coefficient or
// root is shown, and the graph and the equation follow every change. The window keeps
// no state of its own: everything lives in its controls, which it looks up at every
// use.
class Curvesketcher final : public Window {
public:
    static constexpr std::string_view ClassNameText = "Curvesketcher.Curvesketcher";

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    Canvas& Graph() const;
    Label& Formula() const;
    Slider& ValueSlider(std::int32_t index) const;
    Label& ValueDisplay(std::int32_t index) const;
    PopupMenu& OrderMenu() const;
    PopupMenu& ModeMenu() const;

    void Graph_Paint(Canvas& canvas, Graphics& graphics);
    void ValueSlider_ValueChanged(Slider& slider);
    void OrderMenu_Change(PopupMenu& menu);
    void ModeMenu_Change(PopupMenu& menu);

    // Recomputes and redraws everything from the controls: the values, visibility and
    // value labels, then the equation, then the graph.
    void UpdateGraph();
    void XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py);
    std::string PlusOrMinus(double value);
};

}
