#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/RectControl.h"

// A pop-up menu of text rows. InitialValue gives the rows as one text split at
// carriage returns; ListIndex is the selected row counted from 0 (-1: none). Change
// is raised when code sets a different ListIndex or the user chooses a different
// row; choosing the selected row again raises nothing.
class PopupMenu : public RectControl {
public:
    static constexpr int ChangeEvent = FirstOwnEvent;
    using ChangeHandler = std::function<void(PopupMenu&)>;

    PopupMenu();
    ~PopupMenu() override;

    std::vector<std::string> const& Rows() const { return m_rows; }
    void SetInitialValue(std::string_view rows);
    // Cheap: read at every sample of a curve.
    std::int32_t ListIndex() const { return m_list_index; }
    void SetListIndex(std::int32_t);
    std::int32_t TextUnit() const { return m_text_unit; }
    void SetTextUnit(std::int32_t unit);

    bool TakesKeyboardFocus() const override { return true; }
    void AddChangeHandler(ChangeHandler handler);
    PropertyTable const& Properties() const override;

    // Framework side: the user chose a row.
    void UserChose(FrameworkKey, std::int32_t row);

protected:
    std::unique_ptr<NativeControl> MakeNative() override;

private:
    void SyncNative();
    void RaiseChange();

    std::vector<std::string> m_rows;
    std::int32_t m_list_index { -1 };
    std::int32_t m_text_unit { 0 };
    ChangeHandler m_change;
};
