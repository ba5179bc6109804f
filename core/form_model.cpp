#include "core/form_model.h"

#include "core/form_structure.h"
#include "core/layout_names.h"
#include "platform/numbers.h"
#include "platform/text_lines.h"
#include "platform/text_ops.h"

#include <algorithm>
#include <cmath>

namespace tremaro {
namespace {

std::optional<double> NumberIn(std::u16string_view value) {
    const NumberReading reading = ReadNumber(value);
    if (!reading.found || !std::isfinite(reading.value))
        return std::nullopt;
    return reading.value;
}

int WholeNumberIn(std::u16string_view value, int otherwise) {
    const std::optional<double> number = NumberIn(value);
    if (!number || std::abs(*number) > 1e9)
        return otherwise;
    return static_cast<int>(*number);
}

std::optional<FormColor> ColorIn(std::u16string_view value) {
    const std::optional<double> number = NumberIn(value);
    if (!number || *number < 0 || *number > 4294967295.0)
        return std::nullopt;
    return static_cast<FormColor>(*number);
}

// A quoted text as the designer writes it ("" inside stands for one quote); nothing for a
// value kept elsewhere (a caption in the .frx file is written $"Form1.frx":0000).
std::optional<std::u16string> QuotedTextIn(std::u16string_view value) {
    if (value.empty() || value.front() != u'"')
        return std::nullopt;
    std::u16string text;
    for (std::size_t from = 1;;) {
        const std::size_t quote = value.find(u'"', from);
        text.append(value.substr(from, quote == std::u16string_view::npos ? quote : quote - from));
        if (quote == std::u16string_view::npos || quote + 1 >= value.size() || value[quote + 1] != u'"')
            return text;
        text.push_back(u'"');
        from = quote + 2;
    }
}

bool IsTrue(std::u16string_view value) {
    const std::optional<double> number = NumberIn(value);
    return number && *number != 0;
}

void ReadFontProperty(FormControl& control, std::u16string_view name, std::u16string_view value) {
    control.ownFont = true;
    if (SameName(name, u"Name") || SameName(name, u"FontName")) {
        if (auto text = QuotedTextIn(value))
            control.font.name = std::move(*text);
    } else if (SameName(name, u"Size") || SameName(name, u"FontSize")) {
        if (auto size = NumberIn(value); size && *size > 0 && *size < 2000)
            control.font.size = *size;
    } else if (SameName(name, u"Weight")) {
        control.font.bold = WholeNumberIn(value, 400) >= 600;
    } else if (SameName(name, u"FontBold")) {
        control.font.bold = IsTrue(value);
    } else if (SameName(name, u"Italic") || SameName(name, u"FontItalic")) {
        control.font.italic = IsTrue(value);
    }
}

// TabCaption(n) = "Text" of a tabbed dialog; false for any other name.
bool ReadTabCaption(FormControl& control, std::u16string_view name, std::u16string_view value) {
    constexpr std::u16string_view kStart = u"TabCaption(";
    if (!NameStartsWith(name, kStart) || !name.ends_with(u')'))
        return false;
    const std::optional<double> number = NumberIn(name.substr(kStart.size()));
    // Real dialogs have a handful of tabs; a number past any sane count is not believed.
    if (!number || *number < 0 || *number >= 1000)
        return true;
    auto& captions = control.tabs.captions;
    const auto index = static_cast<std::size_t>(*number);
    if (captions.size() <= index)
        captions.resize(index + 1);
    captions[index] = QuotedTextIn(value).value_or(std::u16string());
    return true;
}

// The tabbed dialog's own layout: how many tabs, in rows of how many, which is shown, how high.
bool ReadTabLayout(FormControl& control, std::u16string_view name, std::u16string_view value) {
    if (SameName(name, u"Tabs"))
        control.tabs.count = std::clamp(WholeNumberIn(value, 3), 1, 1000);
    else if (SameName(name, u"TabsPerRow"))
        control.tabs.perRow = std::clamp(WholeNumberIn(value, 3), 1, 1000);
    else if (SameName(name, u"Tab"))
        control.tabs.shown = WholeNumberIn(value, 0);
    else if (SameName(name, u"TabHeight")) {
        if (const auto height = NumberIn(value); height && *height >= 0 && *height < 1e7)
            control.tabs.rowHeight = *height * 1440 / 2540;
    } else {
        return ReadTabCaption(control, name, value);
    }
    return true;
}

// The properties the model reads from a control's own lines. A form names dozens of others
// (TabIndex, ToolTipText, the binary _ExtentX...), so a name is looked up among these, sorted
// as NamedRow wants them, rather than compared with each in turn.
enum class Property : std::uint8_t {
    Other,
    X1,
    Y1,
    X2,
    Y2,
    Top,
    Left,
    Text,
    Width,
    Height,
    Caption,
    Index,
    ForeColor,
    BackColor,
    BorderColor,
    FillColor,
    Visible,
    BorderStyle,
    BackStyle,
    BorderWidth,
    Shape,
    Value,
    Style,
    Alignment,
    FillStyle,
    AutoSize,
    WordWrap,
    MultiLine,
    ScaleMode,
    ScaleLeft,
    ScaleTop,
    ScaleWidth,
    ScaleHeight,
    OldFont,
};

struct NamedProperty {
    std::u16string_view name;
    Property property;
};

constexpr NamedProperty kNamedProperties[] = {
    {u"X1", Property::X1},
    {u"X2", Property::X2},
    {u"Y1", Property::Y1},
    {u"Y2", Property::Y2},
    {u"Top", Property::Top},
    {u"Left", Property::Left},
    {u"Text", Property::Text},
    {u"Index", Property::Index},
    {u"Shape", Property::Shape},
    {u"Style", Property::Style},
    {u"Value", Property::Value},
    {u"Width", Property::Width},
    {u"Height", Property::Height},
    {u"Caption", Property::Caption},
    {u"Visible", Property::Visible},
    {u"AutoSize", Property::AutoSize},
    {u"FontBold", Property::OldFont},
    {u"FontName", Property::OldFont},
    {u"FontSize", Property::OldFont},
    {u"ScaleTop", Property::ScaleTop},
    {u"WordWrap", Property::WordWrap},
    {u"Alignment", Property::Alignment},
    {u"BackColor", Property::BackColor},
    {u"BackStyle", Property::BackStyle},
    {u"FillColor", Property::FillColor},
    {u"FillStyle", Property::FillStyle},
    {u"ForeColor", Property::ForeColor},
    {u"MultiLine", Property::MultiLine},
    {u"ScaleLeft", Property::ScaleLeft},
    {u"ScaleMode", Property::ScaleMode},
    {u"FontItalic", Property::OldFont},
    {u"ScaleWidth", Property::ScaleWidth},
    {u"BorderColor", Property::BorderColor},
    {u"BorderStyle", Property::BorderStyle},
    {u"BorderWidth", Property::BorderWidth},
    {u"ScaleHeight", Property::ScaleHeight},
};

static_assert(std::is_sorted(std::begin(kNamedProperties), std::end(kNamedProperties),
                             [](const NamedProperty& a, const NamedProperty& b) {
                                 return NameBefore(a.name, b.name);
                             }));

Property PropertyNamed(std::u16string_view name) {
    const NamedProperty* found = NamedRow(kNamedProperties, name);
    return found ? found->property : Property::Other;
}

void ReadControlProperty(FormControl& control, std::u16string_view name, std::u16string_view value) {
    if (NameStartsWith(name, u"Tab") && ReadTabLayout(control, name, value))
        return;
    switch (PropertyNamed(name)) {
    case Property::Other:
        return;
    case Property::X1:
        control.x1 = NumberIn(value);
        return;
    case Property::Y1:
        control.y1 = NumberIn(value);
        return;
    case Property::X2:
        control.x2 = NumberIn(value);
        return;
    case Property::Y2:
        control.y2 = NumberIn(value);
        return;
    case Property::Top:
        control.top = NumberIn(value);
        return;
    case Property::Left:
        control.left = NumberIn(value);
        return;
    case Property::Text:
        control.text = QuotedTextIn(value);
        return;
    case Property::Width:
        control.width = NumberIn(value);
        return;
    case Property::Height:
        control.height = NumberIn(value);
        return;
    case Property::Caption:
        control.caption = QuotedTextIn(value);
        return;
    case Property::Index:
        control.index = WholeNumberIn(value, 0);
        return;
    case Property::ForeColor:
        control.foreColor = ColorIn(value);
        return;
    case Property::BackColor:
        control.backColor = ColorIn(value);
        return;
    case Property::BorderColor:
        control.borderColor = ColorIn(value);
        return;
    case Property::FillColor:
        control.fillColor = ColorIn(value);
        return;
    case Property::Visible:
        control.visible = IsTrue(value);
        return;
    case Property::BorderStyle:
        control.borderStyle = WholeNumberIn(value, -1);
        return;
    case Property::BackStyle:
        control.backStyle = WholeNumberIn(value, -1);
        return;
    case Property::BorderWidth:
        control.borderWidth = std::clamp(WholeNumberIn(value, 1), 1, 100);
        return;
    case Property::Shape:
        control.shape = WholeNumberIn(value, 0);
        return;
    case Property::Value:
        control.value = WholeNumberIn(value, 0);
        return;
    case Property::Style:
        control.style = WholeNumberIn(value, 0);
        return;
    case Property::Alignment:
        control.alignment = WholeNumberIn(value, 0);
        return;
    case Property::FillStyle:
        control.fillStyle = WholeNumberIn(value, 1);
        return;
    case Property::AutoSize:
        control.autoSize = IsTrue(value);
        return;
    case Property::WordWrap:
        control.wordWrap = IsTrue(value);
        return;
    case Property::MultiLine:
        control.multiLine = IsTrue(value);
        return;
    case Property::ScaleMode:
        control.scaleMode = static_cast<ScaleMode>(WholeNumberIn(value, 1));
        return;
    case Property::ScaleLeft:
        control.scaleLeft = NumberIn(value);
        return;
    case Property::ScaleTop:
        control.scaleTop = NumberIn(value);
        return;
    case Property::ScaleWidth:
        control.scaleWidth = NumberIn(value);
        return;
    case Property::ScaleHeight:
        control.scaleHeight = NumberIn(value);
        return;
    case Property::OldFont:
        ReadFontProperty(control, name, value);
        return;
    }
}

// One pass over the lines, with the description's blocks and groups as the correction finds
// them: each block is a control, in the order of their Begin lines.
class ModelReader {
public:
    explicit ModelReader(std::span<const std::u16string_view> lines)
        : lines_(lines), structure_(FormStructure::Scan(lines)) {}

    void Read(int line) {
        // Most of a long form is its code, outside the description: those lines are not trimmed.
        const FormStructure::LinePlace& place = structure_.PlaceOf(line);
        if (place.role != FormStructure::LineRole::BlockStart && place.role != FormStructure::LineRole::Inside)
            return;
        const std::u16string_view trimmed = TrimmedText(lines_[static_cast<std::size_t>(line - 1)]);
        if (place.role == FormStructure::LineRole::BlockStart)
            OpenBlock(trimmed.substr(5), structure_.BlockAt(place.block).parent, line);
        else
            ReadProperty(trimmed, place);
    }

    FormModel Finish() {
        ResolveInheritedValues();
        if (!model_.Empty()) {
            const FormControl& form = model_.controls[0];
            model_.caption = form.caption.value_or(std::u16string());
        }
        return std::move(model_);
    }

private:
    void OpenBlock(std::u16string_view rest, std::int32_t parent, int line) {
        FormControl control;
        control.beginLine = line;
        control.className = NextWord(rest);
        control.name = NextWord(rest);
        if (parent != FormStructure::kNone)
            control.container = static_cast<std::size_t>(parent);
        model_.controls.push_back(std::move(control));
    }

    void ReadProperty(std::u16string_view trimmed, const FormStructure::LinePlace& place) {
        const std::size_t equals = trimmed.find(u'=');
        if (equals == std::u16string_view::npos)
            return;
        const std::u16string_view name = TrimmedText(trimmed.substr(0, equals));
        const std::u16string_view value = TrimmedText(trimmed.substr(equals + 1));
        FormControl& control = model_.controls[static_cast<std::size_t>(place.block)];
        if (place.group == FormStructure::kNone) {
            ReadControlProperty(control, name, value);
            if (!control.container && SameName(name, u"ClientWidth"))
                model_.clientWidth = NumberIn(value);
            else if (!control.container && SameName(name, u"ClientHeight"))
                model_.clientHeight = NumberIn(value);
        } else if (SameName(structure_.GroupName(lines_, place.group), u"Font")) {
            ReadFontProperty(control, name, value);
        }
    }

    // Twips per unit of a container's scale across and down, and its origin.
    struct Scale {
        double across = 1, down = 1, left = 0, top = 0;
    };

    Scale ScaleOf(std::size_t container) const {
        const FormControl& c = model_.controls[container];
        switch (c.scaleMode) {
        case ScaleMode::User: {
            const TwipsBox inner = InnerBoxOf(model_, container);
            Scale scale;
            if (c.scaleWidth && *c.scaleWidth != 0)
                scale.across = (inner.right - inner.left) / *c.scaleWidth;
            if (c.scaleHeight && *c.scaleHeight != 0)
                scale.down = (inner.bottom - inner.top) / *c.scaleHeight;
            scale.left = c.scaleLeft.value_or(0);
            scale.top = c.scaleTop.value_or(0);
            return scale;
        }
        case ScaleMode::Twips:
            return {};
        case ScaleMode::Points:
            return {kTwipsPerPoint, kTwipsPerPoint};
        case ScaleMode::Pixels:
            return {kTwipsPerPixel, kTwipsPerPixel};
        case ScaleMode::Characters:
            return {120, 240};
        case ScaleMode::Inches:
            return {kTwipsPerInch, kTwipsPerInch};
        case ScaleMode::Millimeters:
            return {kTwipsPerInch / 25.4, kTwipsPerInch / 25.4};
        case ScaleMode::Centimeters:
            return {kTwipsPerInch / 2.54, kTwipsPerInch / 2.54};
        }
        return {};  // a number no ScaleMode has: read as twips
    }

    static void ToTwips(std::optional<double>& value, double perUnit, double origin) {
        if (value)
            *value = (*value - origin) * perUnit;
    }

    // The form's client size when the form does not give it: its scale size where that is in
    // fixed units, else its outer size.
    std::optional<double> ClientSide(std::optional<double> scaleSide, double perUnit,
                                     std::optional<double> outer) const {
        if (model_.controls[0].scaleMode != ScaleMode::User && scaleSide)
            return *scaleSide * perUnit;
        return outer;
    }

    // Containers come before what they hold, so one pass in order sees each container done.
    void ResolveInheritedValues() {
        if (model_.Empty())
            return;
        FormControl& form = model_.controls[0];
        const Scale formScale = ScaleOf(0);
        if (!model_.clientWidth)
            model_.clientWidth = ClientSide(form.scaleWidth, formScale.across, form.width);
        if (!model_.clientHeight)
            model_.clientHeight = ClientSide(form.scaleHeight, formScale.down, form.height);
        for (std::size_t i = 1; i < model_.controls.size(); ++i) {
            FormControl& control = model_.controls[i];
            const FormControl& container = model_.controls[*control.container];
            control.onHiddenTab = container.onHiddenTab ||
                                  StandsOnHiddenTab(structure_.BlockAt(static_cast<std::int32_t>(i)).tab, control.left);
            if (!control.ownFont)
                control.font = model_.controls[0].font;
            // Only the ends of a line are in the container's units; the rest is in twips.
            const Scale scale = ScaleOf(*control.container);
            ToTwips(control.x1, scale.across, scale.left);
            ToTwips(control.x2, scale.across, scale.left);
            ToTwips(control.y1, scale.down, scale.top);
            ToTwips(control.y2, scale.down, scale.top);
        }
    }

    std::span<const std::u16string_view> lines_;
    FormStructure structure_;
    FormModel model_;
};

}  // namespace

std::u16string_view FormControl::Kind() const {
    const std::size_t dot = className.rfind(u'.');
    return dot == std::u16string::npos ? std::u16string_view(className)
                                       : std::u16string_view(className).substr(dot + 1);
}

std::u16string FormControl::DisplayName() const {
    if (!index)
        return name;
    std::u16string shown = name;
    shown += u'(';
    shown += NumberToText(*index);
    shown += u')';
    return shown;
}

std::size_t FormModel::HiddenTabCount() const {
    return static_cast<std::size_t>(std::count_if(controls.begin(), controls.end(),
                                                  [](const FormControl& c) { return c.onHiddenTab && TakesPlace(c); }));
}

FormModel BuildFormModel(std::span<const std::u16string_view> lines) {
    ModelReader reader(lines);
    for (int line = 1; line <= static_cast<int>(lines.size()); ++line)
        reader.Read(line);
    return reader.Finish();
}

FormModel BuildFormModel(std::u16string_view text) {
    const std::vector<std::u16string_view> lines = SplitIntoLines(text);
    return BuildFormModel(std::span<const std::u16string_view>(lines));
}

FormModel BuildFormModel(const FormLines& lines) {
    std::vector<std::u16string_view> views;
    views.reserve(static_cast<std::size_t>(lines.LineCount()));
    for (int slot = 1; slot <= lines.LineCount(); ++slot)
        views.push_back(lines.Line(slot));
    return BuildFormModel(std::span<const std::u16string_view>(views));
}

bool FormModel::HasTitleBar() const {
    if (Empty())
        return false;
    const FormControl& form = controls[0];
    const std::u16string_view kind = form.Kind();
    if (kind == u"UserControl" || kind == u"PropertyPage" || kind == u"UserDocument")
        return false;
    return form.borderStyle != 0;
}

bool TakesPlace(const FormControl& control) {
    if (!control.container)
        return false;
    const std::u16string_view kind = control.Kind();
    if (kind == u"Menu" || kind == u"Timer" || kind == u"CommonDialog" || kind == u"ImageList" || kind == u"Winsock" ||
        kind == u"MSComm" || kind == u"Inet")
        return false;
    if (kind == u"Line")
        return control.x1 && control.y1 && control.x2 && control.y2;
    return control.left && control.top && control.width && control.height;
}

TwipsBox BoxOf(const FormControl& control) {
    if (control.Kind() == u"Line" && control.x1 && control.y1 && control.x2 && control.y2)
        return {std::min(*control.x1, *control.x2), std::min(*control.y1, *control.y2),
                std::max(*control.x1, *control.x2), std::max(*control.y1, *control.y2)};
    const double left = control.left.value_or(0);
    const double top = control.top.value_or(0);
    return {left, top, left + control.width.value_or(0), top + control.height.value_or(0)};
}

TwipsBox InnerBoxOf(const FormModel& model, std::size_t container) {
    if (container == 0)
        return {0, 0, model.clientWidth.value_or(0), model.clientHeight.value_or(0)};
    const FormControl& control = model.controls[container];
    return {0, 0, control.width.value_or(0), control.height.value_or(0)};
}

}  // namespace tremaro
