#include "framework/PopupMenu.h"

#include <array>

#include <QComboBox>
#include <QSignalBlocker>

#include "framework/Trace.h"
#include "framework/Window.h"
#include "framework/private/ControlEvents.h"
#include "framework/private/KeyIssuer.h"
#include "framework/private/NativeControl.h"

using Framework::KeyIssuer;

namespace {

void Configure(QComboBox& combo, PopupMenu const& model)
{
    QSignalBlocker const blocker(combo);
    combo.clear();
    for (auto const& row : model.Rows())
        combo.addItem(QString::fromStdString(row));
    // An index without a row shows no row.
    auto const index = model.ListIndex();
    combo.setCurrentIndex(index >= 0 && index < combo.count() ? index : -1);
}

}

PopupMenu::PopupMenu() = default;

PopupMenu::~PopupMenu() = default;

void PopupMenu::SetTextUnit(std::int32_t unit)
{
    // As a label's: the unit a new menu starts with is the only one, so only the
    // trace shows the setting.
    Trace("SetTextUnit", Name());
    m_text_unit = unit;
}

void PopupMenu::SetInitialValue(std::string_view rows)
{
    m_rows.clear();
    if (!rows.empty()) {
        std::size_t start = 0;
        while (true) {
            auto const end = rows.find('\r', start);
            m_rows.emplace_back(rows.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    SyncNative();
}

void PopupMenu::SetListIndex(std::int32_t index)
{
    if (index == m_list_index)
        return;
    m_list_index = index;
    SyncNative();
    RaiseChange();
}

void PopupMenu::AddChangeHandler(ChangeHandler handler)
{
    m_change = std::move(handler);
}

PropertyTable const& PopupMenu::Properties() const
{
    static constexpr std::array rows {
        PropertyRowOf<"InitialValue", &PopupMenu::SetInitialValue>(),
        PropertyRowOf<"ListIndex", &PopupMenu::SetListIndex>(),
    };
    static PropertyTable const table { rows, RectControl::Properties() };
    return table;
}

void PopupMenu::UserChose(FrameworkKey, std::int32_t row)
{
    if (row == m_list_index)
        return;
    m_list_index = row;
    RaiseChange();
}

void PopupMenu::RaiseChange()
{
    RaiseControlEvent(*this, m_change);
}

std::unique_ptr<NativeControl> PopupMenu::MakeNative()
{
    auto* combo = new QComboBox(ContentOf(*this));
    Configure(*combo, *this);
    // Sent for every row the user picks, the selected one included.
    QObject::connect(combo, &QComboBox::activated, combo, AtBoundary(*this, [](PopupMenu& self, int row) { self.UserChose(KeyIssuer::Key(), row); }));
    return std::make_unique<NativeControl>(combo);
}

void PopupMenu::SyncNative()
{
    if (auto* combo = NativeWidget<QComboBox>(*this))
        Configure(*combo, *this);
}
