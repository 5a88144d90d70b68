#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/Canvas.h"
#include "framework/Graphics.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/Slider.h"
#include "framework/Window.h"

namespace Arcsketcher {

// The parabola window. Three sliders give a quadratic in vertex form
// y = a (x - h)^2 + k or in polynomial form y = a x^2 + b x + c; every change
// rewrites the value labels and the equation and redraws the graph. The window
// holds no control: each use finds it again by name.
class Arcsketcher : public Window {
public:
    static constexpr std::string_view ClassNameText = "Arcsketcher.Arcsketcher";
    static constexpr bool HasImplicitInstance = true;

    // The open implicit window, or a new one when there is none.
    static std::shared_ptr<Arcsketcher> Instance();

    // The leading coefficient and the vertex as of the last update, in either form.
    double a { 0.0 };
    double h { 0.0 };
    double k { 0.0 };
    // True: the H and K sliders hold h and k; false: they hold b and c.
    bool vertexForm { true };
    // True only while a form switch rewrites the H and K sliders.
    bool updating { false };

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    Canvas& Graph() const { return Find<Canvas>("Graph"); }
    Label& Formula() const { return Find<Label>("Formula"); }
    Slider& KSlider() const { return Find<Slider>("KSlider"); }
    Slider& HSlider() const { return Find<Slider>("HSlider"); }
    Slider& ASlider() const { return Find<Slider>("ASlider"); }
    Label& AValue() const { return Find<Label>("AValue"); }
    Label& HValue() const { return Find<Label>("HValue"); }
    Label& KValue() const { return Find<Label>("KValue"); }

    void Graph_Paint(Canvas& canvas, Graphics& g);
    void KSlider_ValueChanged(Slider& slider);
    void HSlider_ValueChanged(Slider& slider);
    void ASlider_ValueChanged(Slider& slider);

    std::shared_ptr<MenuItem> QuadraticPolynomialForm() const;
    std::shared_ptr<MenuItem> QuadraticVertexForm() const;
    void AddMenuHandlers(Window& window) override;
    void Event_EnableMenuItems() override;

    bool QuadraticPolynomialForm_Action();
    bool QuadraticVertexForm_Action();

    void UpdateGraph();
    void XYtoCoordinates(double x, double y, std::int32_t& px, std::int32_t& py);

private:
    std::shared_ptr<MenuItem> MenuItemNamed(std::string_view name) const;
};

}
