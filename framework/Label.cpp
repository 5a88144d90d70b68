#include "framework/Label.h"

#include <array>

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include "framework/Trace.h"
#include "framework/Window.h"
#include "framework/private/NativeControl.h"

namespace {

void ApplyText(QLabel& label, Label const& model)
{
    label.setText(QString::fromStdString(model.Text()));
}

void ApplyAlignment(QLabel& label, Label const& model)
{
    switch (model.TextAlign()) {
    case 1:
        label.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case 2:
        label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    }
}

void ApplyColor(QLabel& label, Label const& model)
{
    // Black, the default, is the theme's text colour: a dark theme puts light text
    // on its dark windows, and a label left unset follows it, also when the theme
    // changes while the program runs. Any other colour is the label's own.
    QPalette palette;
    if (model.TextColor() != 0x000000)
        palette.setColor(QPalette::WindowText, QColor::fromRgb(model.TextColor()));
    label.setPalette(palette);
}

void ApplyFont(QLabel& label, Label const& model)
{
    QFont font = model.TextFont() == "System" ? QApplication::font() : QFont(QString::fromStdString(model.TextFont()));
    // Points are the one text unit (0); size 0 keeps the font's own size.
    if (model.TextSize() > 0)
        font.setPointSizeF(model.TextSize());
    font.setBold(model.Bold());
    font.setItalic(model.Italic());
    font.setUnderline(model.Underline());
    label.setFont(font);
}

void ApplyWrap(QLabel& label, Label const& model)
{
    label.setWordWrap(model.Multiline());
}

template<void (*apply)(QLabel&, Label const&)>
void Sync(Label const& model)
{
    if (auto* label = NativeWidget<QLabel>(model))
        apply(*label, model);
}

}

Label::Label() = default;

Label::~Label() = default;

void Label::SetText(std::string text)
{
    if (text == m_text)
        return;
    m_text = std::move(text);
    Sync<ApplyText>(*this);
}

void Label::SetTextAlign(std::int32_t text_align)
{
    m_text_align = text_align;
    Sync<ApplyAlignment>(*this);
}

void Label::SetTextColor(std::uint32_t rgb)
{
    m_text_color = rgb & 0xFFFFFF;
    Sync<ApplyColor>(*this);
}

void Label::SetTextFont(std::string font)
{
    m_text_font = std::move(font);
    SyncFont();
}

void Label::SetTextSize(float points)
{
    m_text_size = points;
    SyncFont();
}

void Label::SetTextUnit(std::int32_t unit)
{
    // A new label's unit is already 0, the only one; the trace shows whether and
    // when a window set it.
    Trace("SetTextUnit", Name());
    m_text_unit = unit;
}

void Label::SetBold(bool bold)
{
    m_bold = bold;
    SyncFont();
}

void Label::SetItalic(bool italic)
{
    m_italic = italic;
    SyncFont();
}

void Label::SetUnderline(bool underline)
{
    m_underline = underline;
    SyncFont();
}

void Label::SetMultiline(bool multiline)
{
    m_multiline = multiline;
    Sync<ApplyWrap>(*this);
}

PropertyTable const& Label::Properties() const
{
    static constexpr std::array rows {
        PropertyRowOf<"Text", &Label::SetText>(),
        PropertyRowOf<"TextAlign", &Label::SetTextAlign>(),
        PropertyRowOf<"TextColor", [](Label& label, Color color) { label.SetTextColor(color.rgb); }>(),
        PropertyRowOf<"TextFont", &Label::SetTextFont>(),
        PropertyRowOf<"Bold", &Label::SetBold>(),
        PropertyRowOf<"Italic", &Label::SetItalic>(),
        PropertyRowOf<"Underline", &Label::SetUnderline>(),
        PropertyRowOf<"Multiline", &Label::SetMultiline>(),
    };
    static PropertyTable const table { rows, RectControl::Properties() };
    return table;
}

std::unique_ptr<NativeControl> Label::MakeNative()
{
    auto* label = new QLabel(ContentOf(*this));
    label->setTextFormat(Qt::PlainText);
    ApplyText(*label, *this);
    ApplyAlignment(*label, *this);
    ApplyColor(*label, *this);
    ApplyFont(*label, *this);
    ApplyWrap(*label, *this);
    return std::make_unique<NativeControl>(label);
}

void Label::SyncFont()
{
    Sync<ApplyFont>(*this);
}
