#pragma once

#include <cstdint>
#include <string>

#include "framework/RectControl.h"

// A line of static text. TextAlign: 0 left, 1 centred, 2 right. TextFont "System"
// is the platform's default font; TextSize is in points for TextUnit 0 (the only
// unit), 0 meaning the font's own size. TextColor 000000, the default, draws in
// the desktop theme's text colour, which is black in Qt's own light theme.
class Label : public RectControl {
public:
    Label();
    ~Label() override;

    std::string const& Text() const { return m_text; }
    void SetText(std::string text);
    std::int32_t TextAlign() const { return m_text_align; }
    void SetTextAlign(std::int32_t);
    std::uint32_t TextColor() const { return m_text_color; }
    void SetTextColor(std::uint32_t rgb);
    std::string const& TextFont() const { return m_text_font; }
    void SetTextFont(std::string font);
    float TextSize() const { return m_text_size; }
    void SetTextSize(float points);
    std::int32_t TextUnit() const { return m_text_unit; }
    void SetTextUnit(std::int32_t unit);
    bool Bold() const { return m_bold; }
    void SetBold(bool);
    bool Italic() const { return m_italic; }
    void SetItalic(bool);
    bool Underline() const { return m_underline; }
    void SetUnderline(bool);
    // Wraps the text at word boundaries within the label's width.
    bool Multiline() const { return m_multiline; }
    void SetMultiline(bool);

    PropertyTable const& Properties() const override;

protected:
    std::unique_ptr<NativeControl> MakeNative() override;

private:
    void SyncFont();

    std::string m_text;
    std::int32_t m_text_align { 0 };
    std::uint32_t m_text_color { 0x000000 };
    std::string m_text_font { "System" };
    float m_text_size { 0.0f };
    std::int32_t m_text_unit { 0 };
    bool m_bold { false }, m_italic { false }, m_underline { false };
    bool m_multiline { false };
};
