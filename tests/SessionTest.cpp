#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "framework/MenuDispatch.h"
#include "framework/Numbers.h"
#include "framework/WindowOrder.h"
#include "framework/testing/TestSupport.h"
#include "parabola/Arcsketcher.h"
#include "polynomial/Curvesketcher.h"
#include "tests/SessionReference.h"
#include "tests/ShellTestFixture.h"

#if defined(__SANITIZE_ADDRESS__)
#    include <sanitizer/common_interface_defs.h>
#endif

// A long, seeded session of the whole program as a user and code would drive it,
// with everything a user can see checked after every action. A failure names the
// seed and the action, so that
//   GRAPH_EXPLORER_SESSION_SEED=<seed> GRAPH_EXPLORER_SESSION_ACTIONS=<action>
// replays the session up to it.

namespace {

constexpr std::uint64_t DefaultSeed = 20240501;
constexpr std::int64_t DefaultActions = 20000;
// More open windows make every check slower and add nothing new.
constexpr std::size_t MaxWindows = 6;

// The environment's number, the default when it is unset; nothing when it is set but
// is no number.
std::optional<std::uint64_t> NumberFromEnvironment(char const* name, std::uint64_t fallback)
{
    char const* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    if (*text == '-')
        return std::nullopt;
    char* end = nullptr;
    unsigned long long const value = std::strtoull(text, &end, 0);
    if (*end != '\0')
        return std::nullopt;
    return value;
}

// splitmix64: the same stream from the same seed on every machine and library.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 .. n-1; the small bias of the remainder does not matter here.
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }

    std::int64_t Between(std::int64_t low, std::int64_t high)
    {
        return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low) + 1));
    }

    bool OneIn(std::uint64_t n) { return Below(n) == 0; }

    template<class T>
    T const& Pick(std::vector<T> const& items) { return items[Below(items.size())]; }

private:
    std::uint64_t m_state;
};

// What a sanitizer's report cannot know: the session's seed and action. Written to a
// fixed buffer at every action, printed only if a sanitizer ends the process.
char sanitizer_note[512];

#if defined(__SANITIZE_ADDRESS__)
void PrintSanitizerNote()
{
    std::fputs(sanitizer_note, stderr);
    std::fputs("\n", stderr);
}
#endif

template<class T>
std::string Quoted(T const& value)
{
    std::ostringstream out;
    out << '"' << value << '"';
    return out.str();
}

class SessionTest : public ShellTest {
protected:
    using Parabola = Arcsketcher::Arcsketcher;
    using Polynomial = Curvesketcher::Curvesketcher;

    struct PolynomialModel {
        std::weak_ptr<Polynomial> window;
        int number { 0 };
        // Label 5 keeps, in root mode, what the last update by coefficients wrote.
        std::string last_f_text { "f = 0" };
    };

    // One window of either kind, as an action picks it.
    struct Target {
        std::shared_ptr<Window> window;
        std::string name;
        PolynomialModel* polynomial { nullptr };
    };

    void RunSession(std::uint64_t seed, std::int64_t actions)
    {
        m_seed = seed;
        m_random = Random(seed);
        m_non_finite_at_start = NonFiniteConversions();
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(PrintSanitizerNote);
#endif
        std::printf("[ SESSION  ] seed %llu, %lld actions\n", static_cast<unsigned long long>(seed), static_cast<long long>(actions));
        std::fflush(stdout);

        auto const started = std::chrono::steady_clock::now();
        for (m_action_number = 1; m_action_number <= actions; ++m_action_number) {
            RunOneAction();
            CheckEverything();
            if (!m_problems.empty()) {
                ReportFailure(actions);
                break;
            }
            m_history.push_back(std::to_string(m_action_number) + ": " + m_action);
            if (m_history.size() > 12)
                m_history.pop_front();
        }
        auto const seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        // What the session reached, so that a change of weights that starves a case
        // shows.
        std::printf("[ SESSION  ] %lld actions in %.1f s: %d starts, %d polynomial windows opened, %d form switches (%d with a = 0), "
                    "%d graphs checked (%d empty, %d wider than 2000)\n",
            static_cast<long long>(std::min(m_action_number, actions)), seconds, m_starts, m_polynomials_opened, m_form_switches, m_form_switches_without_a,
            m_graphs_checked, m_empty_graphs, m_big_graphs);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback(nullptr);
#endif
    }

private:
    // Actions ------------------------------------------------------------------

    struct Action {
        int weight;
        // Returns false when the action has nothing to act on now.
        bool (SessionTest::*run)();
    };

    void RunOneAction()
    {
        static constexpr std::array<Action, 16> actions { {
            { 120, &SessionTest::ParabolaSliderByCode },
            { 120, &SessionTest::PolynomialSliderByCode },
            { 80, &SessionTest::Drag },
            { 140, &SessionTest::Keys },
            { 50, &SessionTest::FormByMenu },
            { 50, &SessionTest::FormByKeys },
            { 50, &SessionTest::OrderByUser },
            { 30, &SessionTest::OrderByCode },
            { 40, &SessionTest::ModeByUser },
            { 20, &SessionTest::ModeByCode },
            { 30, &SessionTest::OpenPolynomial },
            { 20, &SessionTest::ClosePolynomial },
            { 2, &SessionTest::CloseParabola },
            { 30, &SessionTest::Resize },
            { 20, &SessionTest::ActivateOne },
            { 20, &SessionTest::Restart },
        } };
        m_action.clear();
        try {
            if (OpenWindows().empty()) {
                StartAgain("no window is left, so the program has quit: start it again");
            } else {
                int total = 0;
                for (auto const& action : actions)
                    total += action.weight;
                while (true) {
                    auto roll = static_cast<int>(m_random.Below(static_cast<std::uint64_t>(total)));
                    auto const* chosen = actions.data();
                    while (roll >= chosen->weight)
                        roll -= (chosen++)->weight;
                    if ((this->*chosen->run)())
                        break;
                }
            }
        } catch (std::exception const& error) {
            Problem(std::string("the action threw: ") + error.what());
        } catch (...) {
            Problem("the action threw an exception of unknown type");
        }
        if (auto escaped = Testing::TakeEscapedException()) {
            try {
                std::rethrow_exception(escaped);
            } catch (std::exception const& error) {
                Problem(std::string("an exception escaped a handler: ") + error.what());
            } catch (...) {
                Problem("an exception of unknown type escaped a handler");
            }
        }
    }

    void Describe(std::string text)
    {
        m_action = std::move(text);
        std::snprintf(sanitizer_note, sizeof sanitizer_note, "Session seed %llu, action %lld: %s", static_cast<unsigned long long>(m_seed),
            static_cast<long long>(m_action_number), m_action.c_str());
    }

    // Positions inside the range, often 0 (so that a = 0 comes up), and far outside
    // it, up to the 32-bit limits, as form switches can write them.
    std::int32_t AnyPosition()
    {
        auto const kind = m_random.Below(20);
        if (kind < 3)
            return 0;
        if (kind < 12)
            return static_cast<std::int32_t>(m_random.Between(-100, 100));
        if (kind < 16)
            return static_cast<std::int32_t>(m_random.Between(-100000, 100000));
        if (kind < 18)
            return static_cast<std::int32_t>(m_random.Between(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
        auto const margin = m_random.Between(0, 63);
        return static_cast<std::int32_t>(m_random.OneIn(2) ? std::numeric_limits<std::int32_t>::max() - margin : std::numeric_limits<std::int32_t>::min() + margin);
    }

    bool ParabolaSliderByCode()
    {
        auto parabola = OpenParabola();
        if (!parabola)
            return false;
        static constexpr std::array<char const*, 3> names { "ASlider", "HSlider", "KSlider" };
        char const* name = names[m_random.Below(names.size())];
        auto const position = AnyPosition();
        Describe(std::string("Arcsketcher: ") + name + ".SetValue(" + std::to_string(position) + ")");
        parabola->Find<Slider>(name).SetValue(position);
        Testing::ProcessEvents();
        return true;
    }

    bool PolynomialSliderByCode()
    {
        auto target = PickPolynomial();
        if (!target.window)
            return false;
        auto& window = static_cast<Polynomial&>(*target.window);
        auto const index = static_cast<std::int32_t>(m_random.Below(6));
        auto const position = AnyPosition();
        Describe(target.name + ": ValueSlider(" + std::to_string(index) + ").SetValue(" + std::to_string(position) + ")");
        window.ValueSlider(index).SetValue(position);
        Testing::ProcessEvents();
        return true;
    }

    // The user drags a thumb that is shown, through positions inside the range.
    bool Drag()
    {
        auto target = PickWindow();
        std::vector<Slider*> shown;
        for (auto const& control : target.window->Controls()) {
            if (auto* slider = dynamic_cast<Slider*>(control.get()); slider && slider->Visible())
                shown.push_back(slider);
        }
        if (shown.empty())
            return false;
        Slider& slider = *m_random.Pick(shown);
        std::vector<std::int32_t> positions;
        auto const count = m_random.Between(1, 6);
        for (std::int64_t i = 0; i < count; ++i)
            positions.push_back(static_cast<std::int32_t>(m_random.Between(slider.Minimum(), slider.Maximum())));
        std::string list;
        for (auto position : positions)
            list += (list.empty() ? "" : ", ") + std::to_string(position);
        Describe(target.name + ": drag " + slider.Name() + "(" + std::to_string(slider.Index()) + ") through " + list);
        Testing::DragSlider(slider, positions);
        return true;
    }

    // Key steps on whatever has the focus: sliders and pop-up menus.
    bool Keys()
    {
        static std::vector<std::string> const keys { "Left", "Right", "Up", "Down", "PgUp", "PgDown", "Home", "End", "Tab", "Tab", "Backtab" };
        auto target = PickWindow();
        std::string sequence;
        auto const count = m_random.Between(1, 3);
        for (std::int64_t i = 0; i < count; ++i)
            sequence += (sequence.empty() ? "" : ",") + m_random.Pick(keys);
        Describe(target.name + ": keys " + sequence);
        // One at a time: a pop-up menu that has the focus can pass through a mode
        // between two keys, and label 5 keeps what that mode wrote.
        std::string_view rest = sequence;
        while (!rest.empty()) {
            auto const comma = rest.find(',');
            Testing::PressKeys(*target.window, rest.substr(0, comma));
            FollowLabelFive();
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
        return true;
    }

    // The positions the H and K sliders must hold after a form switch, worked out
    // from the sliders and the form before it.
    struct Positions {
        std::int32_t a, h, k;
    };
    Positions PositionsOf(Parabola& parabola) const
    {
        return { parabola.ASlider().Value(), parabola.HSlider().Value(), parabola.KSlider().Value() };
    }
    Positions AfterFormSwitch(Positions before, bool to_vertex_form) const
    {
        using namespace SessionReference;
        double const a = ValueOf(before.a);
        double const first = ValueOf(before.h);
        double const second = ValueOf(before.k);
        Positions after = before;
        if (to_vertex_form) {
            double const new_h = (-first) / (2.0 * a);
            double const new_k = second - ((first * first) / (4.0 * a));
            after.h = PositionFor((100.0 * new_h) / 5.0).value_or(before.h);
            after.k = PositionFor((100.0 * new_k) / 5.0).value_or(before.k);
        } else {
            // From the vertex of the parabola on screen, in either form.
            Vertex vertex { first, second };
            if (!m_vertex_form)
                vertex = VertexOf(a, first, second);
            double const b = (-2.0 * vertex.h) * a;
            double const c = ((a * vertex.h) * vertex.h) + vertex.k;
            after.h = PositionFor(b * 20.0).value_or(before.h);
            after.k = PositionFor(c * 20.0).value_or(before.k);
        }
        return after;
    }

    // Checks a form switch that was or was not taken, and follows the form.
    void FollowFormSwitch(Parabola* parabola, std::optional<Positions> before, bool to_vertex_form, bool taken)
    {
        if (!parabola || !before)
            return;
        Positions const expected = taken ? AfterFormSwitch(*before, to_vertex_form) : *before;
        Positions const actual = PositionsOf(*parabola);
        if (actual.a != expected.a || actual.h != expected.h || actual.k != expected.k) {
            Problem("the form switch left the sliders at " + std::to_string(actual.a) + ", " + std::to_string(actual.h) + ", " + std::to_string(actual.k)
                + " where " + std::to_string(expected.a) + ", " + std::to_string(expected.h) + ", " + std::to_string(expected.k) + " belong");
        }
        if (taken) {
            m_vertex_form = to_vertex_form;
            ++m_form_switches;
            m_form_switches_without_a += before->a == 0;
        }
    }

    // The menu items, chosen with one window or another in front; with the parabola
    // window closed nothing takes them.
    bool FormByMenu()
    {
        auto parabola = OpenParabola();
        bool const to_vertex_form = m_random.OneIn(2);
        char const* item = to_vertex_form ? "QuadraticVertexForm" : "QuadraticPolynomialForm";
        bool const click_parabola_first = parabola && !m_random.OneIn(3);
        Describe(std::string(click_parabola_first ? "click Arcsketcher, then " : "") + "choose " + item);
        if (click_parabola_first)
            Testing::Activate(*parabola);
        std::optional<Positions> before;
        if (parabola)
            before = PositionsOf(*parabola);
        bool const expected = parabola && FrontWindow() == parabola;
        bool const taken = ChooseMenuItem(item);
        Testing::ProcessEvents();
        if (taken != expected)
            Problem(std::string(item) + (taken ? " was taken" : " was not taken") + " with " + FrontName() + " in front");
        FollowFormSwitch(parabola.get(), before, to_vertex_form, taken);
        return true;
    }

    // Ctrl+1 and Ctrl+2, typed into the parabola window or into a polynomial one,
    // where they are greyed.
    bool FormByKeys()
    {
        auto parabola = OpenParabola();
        Target target;
        if (parabola && !m_random.OneIn(3))
            target = { parabola, "Arcsketcher", nullptr };
        else
            target = PickWindow();
        bool const to_vertex_form = m_random.OneIn(2);
        char const* keys = to_vertex_form ? "Ctrl+1" : "Ctrl+2";
        Describe(target.name + ": keys " + keys);
        std::optional<Positions> before;
        if (parabola)
            before = PositionsOf(*parabola);
        Testing::PressKeys(*target.window, keys);
        FollowFormSwitch(parabola.get(), before, to_vertex_form, target.window == parabola);
        return true;
    }

    std::int32_t AnyListIndex(std::int32_t rows)
    {
        if (!m_random.OneIn(8))
            return static_cast<std::int32_t>(m_random.Below(static_cast<std::uint64_t>(rows)));
        // Code may set indexes that name no row.
        static std::vector<std::int32_t> const odd { -1, 5, 6, 100, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 2 };
        return m_random.Pick(odd);
    }

    bool ChooseRow(bool order, bool by_user)
    {
        auto target = PickPolynomial();
        if (!target.window)
            return false;
        auto& window = static_cast<Polynomial&>(*target.window);
        PopupMenu& menu = order ? window.OrderMenu() : window.ModeMenu();
        std::int32_t const rows = order ? 5 : 2;
        if (by_user) {
            auto const row = static_cast<std::int32_t>(m_random.Below(rows));
            Describe(target.name + ": choose row " + std::to_string(row) + " of " + menu.Name());
            Testing::ChoosePopupRow(menu, row);
        } else {
            auto const index = AnyListIndex(rows);
            Describe(target.name + ": " + menu.Name() + ".SetListIndex(" + std::to_string(index) + ")");
            menu.SetListIndex(index);
            Testing::ProcessEvents();
        }
        return true;
    }
    bool OrderByUser() { return ChooseRow(true, true); }
    bool OrderByCode() { return ChooseRow(true, false); }
    bool ModeByUser() { return ChooseRow(false, true); }
    bool ModeByCode() { return ChooseRow(false, false); }

    bool OpenPolynomial()
    {
        if (OpenWindows().size() >= MaxWindows)
            return false;
        auto before = PolynomialWindows();
        if (m_random.OneIn(2)) {
            Describe("choose EquationsCurvesketcher with " + FrontName() + " in front");
            if (!ChooseMenuItem("EquationsCurvesketcher"))
                Problem("EquationsCurvesketcher was not taken");
        } else {
            auto target = PickWindow();
            Describe(target.name + ": keys Ctrl+3");
            Testing::PressKeys(*target.window, "Ctrl+3");
        }
        Testing::ProcessEvents();
        std::vector<std::shared_ptr<Polynomial>> added;
        for (auto const& window : PolynomialWindows()) {
            if (std::find(before.begin(), before.end(), window) == before.end())
                added.push_back(window);
        }
        if (added.size() != 1) {
            Problem(std::to_string(added.size()) + " polynomial windows opened, not one");
            return true;
        }
        PolynomialModel model;
        model.window = added.front();
        model.number = ++m_polynomials_opened;
        m_polynomials.push_back(std::move(model));
        return true;
    }

    bool ClosePolynomial()
    {
        auto target = PickPolynomial();
        if (!target.window)
            return false;
        Describe(target.name + ": close");
        Forget(*target.window);
        Testing::CloseAsUser(*target.window);
        return true;
    }

    bool CloseParabola()
    {
        auto parabola = OpenParabola();
        if (!parabola)
            return false;
        Describe("Arcsketcher: close");
        m_parabola.reset();
        Testing::CloseAsUser(*parabola);
        return true;
    }

    // From 64 x 64 up; big sizes are rare, since every drawing then costs more.
    bool Resize()
    {
        auto target = PickWindow();
        std::int32_t width, height;
        auto const kind = m_random.Below(100);
        if (kind < 4) {
            width = 64;
            height = 64;
        } else if (kind < 6) {
            width = static_cast<std::int32_t>(m_random.Between(1200, 4000));
            height = static_cast<std::int32_t>(m_random.Between(900, 3000));
        } else if (kind < 7) {
            width = 4000;
            height = 3000;
        } else {
            width = static_cast<std::int32_t>(m_random.Between(64, 1200));
            height = static_cast<std::int32_t>(m_random.Between(64, 1000));
        }
        Describe(target.name + ": resize to " + std::to_string(width) + " x " + std::to_string(height));
        Testing::ResizeAsUser(*target.window, width, height);
        return true;
    }

    bool ActivateOne()
    {
        auto target = PickWindow();
        Describe("click " + target.name);
        Testing::Activate(*target.window);
        return true;
    }

    // Once the parabola window is gone, the user sometimes quits and starts again.
    bool Restart()
    {
        if (OpenParabola())
            return false;
        StartAgain("quit with Ctrl+Q, then start the program again");
        return true;
    }

    void StartAgain(std::string description)
    {
        Describe(std::move(description));
        if (auto front = FrontWindow()) {
            Testing::PressKeys(*front, "Ctrl+Q");
            Reset();
        } else {
            Reset();
        }
        StartUp();
        m_parabola = ParabolaWindow();
        m_vertex_form = true;
        m_polynomials.clear();
        ++m_starts;
        if (!m_parabola.lock())
            Problem("start-up opened no parabola window");
    }

    // Picking windows ------------------------------------------------------------

    std::shared_ptr<Parabola> OpenParabola() const { return m_parabola.lock(); }

    Target PickWindow()
    {
        std::vector<Target> targets;
        if (auto parabola = OpenParabola())
            targets.push_back({ parabola, "Arcsketcher", nullptr });
        for (auto& model : m_polynomials) {
            if (auto window = model.window.lock())
                targets.push_back({ window, "Curvesketcher #" + std::to_string(model.number), &model });
        }
        if (targets.empty())
            throw std::runtime_error("the session has no window to act on");
        return m_random.Pick(targets);
    }

    Target PickPolynomial()
    {
        if (m_polynomials.empty())
            return {};
        auto& model = m_polynomials[m_random.Below(m_polynomials.size())];
        return { model.window.lock(), "Curvesketcher #" + std::to_string(model.number), &model };
    }

    void Forget(Window& window)
    {
        std::erase_if(m_polynomials, [&](PolynomialModel const& model) { return model.window.lock().get() == &window; });
    }

    std::string FrontName() const
    {
        auto front = FrontWindow();
        if (!front)
            return "no window";
        if (front == OpenParabola())
            return "Arcsketcher";
        for (auto const& model : m_polynomials) {
            if (model.window.lock() == front)
                return "Curvesketcher #" + std::to_string(model.number);
        }
        return "an unknown window";
    }

    // Every update by coefficients writes label 5; by roots it keeps that text.
    void FollowLabelFive()
    {
        for (auto& model : m_polynomials) {
            auto window = model.window.lock();
            if (!window)
                continue;
            auto const mode = window->ModeMenu().ListIndex();
            if (auto text = SessionReference::PolynomialLabelText(5, mode, SessionReference::ValueOf(window->ValueSlider(5).Value())))
                model.last_f_text = *text;
        }
    }

    // Checks ---------------------------------------------------------------------

    void Problem(std::string text) { m_problems.push_back(std::move(text)); }

    void Expect(bool holds, std::string const& what)
    {
        if (!holds)
            Problem(what);
    }

    void ExpectText(std::string const& where, std::string const& shown, std::string const& expected)
    {
        if (shown != expected)
            Problem(where + " shows " + Quoted(shown) + ", not " + Quoted(expected));
    }

    // The label's own text and what its widget shows.
    void ExpectLabel(std::string const& where, Label& label, std::string const& expected)
    {
        ExpectText(where, label.Text(), expected);
        ExpectText(where + " on screen", Testing::NativeState(label).text, expected);
    }

    void CheckEverything()
    {
        if (NonFiniteConversions() != m_non_finite_at_start)
            Problem(std::to_string(NonFiniteConversions() - m_non_finite_at_start) + " NaNs or infinities reached a conversion to an integer");

        std::vector<std::shared_ptr<Window>> expected;
        auto parabola = OpenParabola();
        if (parabola)
            expected.push_back(parabola);
        for (auto const& model : m_polynomials) {
            if (auto window = model.window.lock())
                expected.push_back(window);
            else
                Problem("Curvesketcher #" + std::to_string(model.number) + " is gone without being closed");
        }
        auto open = OpenWindows();
        auto by_address = [](auto const& x, auto const& y) { return x.get() < y.get(); };
        std::sort(expected.begin(), expected.end(), by_address);
        std::sort(open.begin(), open.end(), by_address);
        if (open != expected)
            Problem(std::to_string(open.size()) + " windows are open where " + std::to_string(expected.size()) + " should be");

        if (parabola)
            CheckParabola(*parabola);
        for (auto& model : m_polynomials) {
            if (auto window = model.window.lock())
                CheckPolynomial(*window, model);
        }
    }

    void CheckParabola(Parabola& window)
    {
        using namespace SessionReference;
        std::string const where = "Arcsketcher: ";
        auto const positions = PositionsOf(window);
        double const a = ValueOf(positions.a);
        double const first = ValueOf(positions.h);
        double const second = ValueOf(positions.k);
        bool const vertex_form = m_vertex_form;

        Expect(window.vertexForm == vertex_form, where + "vertexForm is " + (window.vertexForm ? "True" : "False") + " after the form switches made");
        Expect(!window.updating, where + "updating is left True");
        ExpectLabel(where + "AValue", window.AValue(), "a = " + Str(a));
        ExpectLabel(where + "HValue", window.HValue(), (vertex_form ? "h = " : "b = ") + Str(first));
        ExpectLabel(where + "KValue", window.KValue(), (vertex_form ? "k = " : "c = ") + Str(second));
        ExpectLabel(where + "Formula", window.Formula(), vertex_form ? VertexFormText(a, first, second) : PolynomialFormText(a, first, second));

        // The stored parabola, from which the next Polynomial Form starts.
        Expect(window.a == a, where + "a holds " + Str(window.a) + ", not " + Str(a));
        std::optional<Vertex> vertex;
        if (vertex_form)
            vertex = Vertex { first, second };
        else if (a != 0.0)
            vertex = VertexOf(a, first, second);
        if (vertex) {
            Expect(window.h == vertex->h, where + "h holds " + Str(window.h) + ", not " + Str(vertex->h));
            Expect(window.k == vertex->k, where + "k holds " + Str(window.k) + ", not " + Str(vertex->k));
        }

        for (Slider* slider : { &window.ASlider(), &window.HSlider(), &window.KSlider() })
            CheckThumb(where, *slider);
        CheckGraph(where, window, window.Graph(), 640);
    }

    void CheckPolynomial(Polynomial& window, PolynomialModel& model)
    {
        using namespace SessionReference;
        std::string const where = "Curvesketcher #" + std::to_string(model.number) + ": ";
        std::array<double, 6> values {};
        for (std::int32_t i = 0; i < 6; ++i)
            values[static_cast<std::size_t>(i)] = ValueOf(window.ValueSlider(i).Value());
        std::int32_t const order = window.OrderMenu().ListIndex();
        std::int32_t const mode = window.ModeMenu().ListIndex();

        for (std::int32_t i = 0; i < 6; ++i) {
            bool const shown = MemberShown(i, order, mode);
            std::string const member = "(" + std::to_string(i) + ")" + (shown ? " is hidden" : " is shown") + " with order " + std::to_string(order) + ", mode "
                + std::to_string(mode);
            for (RectControl* control : { static_cast<RectControl*>(&window.ValueSlider(i)), static_cast<RectControl*>(&window.ValueDisplay(i)) }) {
                std::string const name = where + control->Name() + member;
                Expect(control->Visible() == shown, name);
                Expect(Testing::NativeState(*control).hidden == !shown, name + " on screen");
            }

            auto text = PolynomialLabelText(i, mode, values[static_cast<std::size_t>(i)]);
            if (i == 5) {
                if (text)
                    model.last_f_text = *text;
                else
                    text = model.last_f_text;
            }
            ExpectLabel(where + "ValueDisplay(" + std::to_string(i) + ")", window.ValueDisplay(i), *text);
            CheckThumb(where, window.ValueSlider(i));
        }
        ExpectLabel(where + "Formula", window.Formula(), PolynomialEquationText(order, mode, values));

        for (PopupMenu* menu : { &window.OrderMenu(), &window.ModeMenu() }) {
            auto const index = menu->ListIndex();
            auto const& rows = menu->Rows();
            std::string const row = index >= 0 && static_cast<std::size_t>(index) < rows.size() ? rows[static_cast<std::size_t>(index)] : std::string();
            ExpectText(where + menu->Name() + " on screen", Testing::NativeState(*menu).text, row);
        }
        CheckGraph(where, window, window.Graph(), 720);
    }

    // The thumb stands at the slider's position, or at the nearer end for one
    // outside the range.
    void CheckThumb(std::string const& where, Slider& slider)
    {
        auto const thumb = Testing::NativeState(slider).position;
        auto const expected = std::clamp(slider.Value(), slider.Minimum(), slider.Maximum());
        Expect(thumb == expected, where + slider.Name() + "(" + std::to_string(slider.Index()) + ") at " + std::to_string(slider.Value()) + " shows its thumb at "
            + std::to_string(thumb));
    }

    // The canvas follows the window on all four edges, its surface is its size, and
    // a canvas that has pixels shows the black frame on every edge pixel.
    void CheckGraph(std::string const& where, Window& window, Canvas& canvas, std::int32_t table_height)
    {
        std::int32_t const width = std::max(0, window.Width() - 40);
        std::int32_t const height = std::max(0, window.Height() - (table_height - 460));
        if (canvas.Width() != width || canvas.Height() != height) {
            Problem(where + "the graph is " + std::to_string(canvas.Width()) + " x " + std::to_string(canvas.Height()) + " in a window of "
                + std::to_string(window.Width()) + " x " + std::to_string(window.Height()));
            return;
        }
        auto surface = canvas.Graphics();
        if (!surface || surface->Width() != width || surface->Height() != height) {
            Problem(where + "the graph's surface is not the canvas's size");
            return;
        }
        ++m_graphs_checked;
        m_big_graphs += width > 2000;
        if (width == 0 || height == 0) {
            ++m_empty_graphs;
            return;
        }
        auto black = [&](std::int32_t x, std::int32_t y) {
            if (surface->Pixel(x, y) == 0x000000)
                return true;
            std::ostringstream out;
            out << where << "the frame pixel (" << x << ", " << y << ") of the " << width << " x " << height << " graph is " << std::hex << surface->Pixel(x, y);
            Problem(out.str());
            return false;
        };
        for (std::int32_t x = 0; x < width; ++x) {
            if (!black(x, 0) || !black(x, height - 1))
                return;
        }
        for (std::int32_t y = 0; y < height; ++y) {
            if (!black(0, y) || !black(width - 1, y))
                return;
        }
    }

    void ReportFailure(std::int64_t actions)
    {
        std::ostringstream out;
        out << "Session seed " << m_seed << ", action " << m_action_number << " of " << actions << ": " << m_action << "\n";
        std::size_t shown = 0;
        for (auto const& problem : m_problems) {
            if (++shown > 20) {
                out << "  ... and " << (m_problems.size() - 20) << " more\n";
                break;
            }
            out << "  " << problem << "\n";
        }
        out << "The actions before it:\n";
        for (auto const& line : m_history)
            out << "  " << line << "\n";
        out << "Replay: GRAPH_EXPLORER_SESSION_SEED=" << m_seed << " GRAPH_EXPLORER_SESSION_ACTIONS=" << m_action_number;
        ADD_FAILURE() << out.str();
    }

    std::uint64_t m_seed { 0 };
    Random m_random { 0 };
    std::int64_t m_action_number { 0 };
    std::string m_action;
    std::deque<std::string> m_history;
    std::vector<std::string> m_problems;
    std::uint64_t m_non_finite_at_start { 0 };

    // The model: which windows must be open, the parabola window's form (which the
    // sliders alone do not tell) and label 5's carried-over texts.
    std::weak_ptr<Parabola> m_parabola;
    bool m_vertex_form { true };
    std::vector<PolynomialModel> m_polynomials;
    int m_polynomials_opened { 0 };
    int m_starts { 0 };
    int m_form_switches { 0 };
    int m_form_switches_without_a { 0 };
    int m_graphs_checked { 0 };
    int m_empty_graphs { 0 };
    int m_big_graphs { 0 };
};

TEST_F(SessionTest, RandomSessionKeepsEveryWindowTrueToItsControls)
{
    auto const seed = NumberFromEnvironment("GRAPH_EXPLORER_SESSION_SEED", DefaultSeed);
    auto const actions = NumberFromEnvironment("GRAPH_EXPLORER_SESSION_ACTIONS", DefaultActions);
    ASSERT_TRUE(seed) << "GRAPH_EXPLORER_SESSION_SEED is not a number";
    ASSERT_TRUE(actions) << "GRAPH_EXPLORER_SESSION_ACTIONS is not a number";
    RunSession(*seed, static_cast<std::int64_t>(*actions));
}

}
