#pragma once

#include "core/form_lines.h"
#include "core/form_units.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tremaro {

// What a form looks like, read from its lines in one pass for the layout picture. The
// description, its blocks (the form and its controls) and its property groups are those the
// correction finds (FormStructure), so the picture shows what the correction scales.
//
// controls[0] is the form itself and every control follows its container. Positions are in
// twips relative to the container's top left corner. The designer stores a control's Left,
// Top, Width and Height in twips whatever the ScaleMode of its container (a control 8415 wide
// fits a form 574 pixels wide), and only the ends of a Line in the container's own units
// (pixels, inches, a user scale...), which the model turns into twips; a user scale is mapped
// onto the container's inner size. A control without a font of its own takes its form's, as
// Visual Basic gives it. Whether a control stands on a hidden tab (and so does everything
// inside it) is decided as the correction decides it (StandsOnHiddenTab). Lines the model does
// not understand are skipped: any text gives a model, an empty one when there is no
// description at all.

// The font a form has when it names none, and that its controls inherit: the designer writes
// a Font group only where a font differs from it.
inline constexpr std::u16string_view kDefaultFontName = u"MS Sans Serif";
inline constexpr double kDefaultFontSize = 8.25;  // points

struct FormFont {
    std::u16string name{kDefaultFontName};
    double size = kDefaultFontSize;  // points
    bool bold = false;
    bool italic = false;
};

// Colours as the designer writes them (&H00BBGGRR&); with the top bit set the low byte names
// one of the system's colours instead.
using FormColor = std::uint32_t;

struct FormControl {
    std::u16string className;  // "VB.CommandButton", "MSComctlLib.ListView"...
    std::u16string name;
    std::optional<int> index;              // for a member of a control array
    std::optional<std::size_t> container;  // nothing for the form

    int beginLine = 0;  // the control's Begin line in the text it was read from

    std::optional<double> left, top, width, height;  // twips
    std::optional<double> x1, y1, x2, y2;            // twips, for lines
    std::optional<std::u16string> caption, text;

    FormFont font;
    bool ownFont = false;
    std::optional<FormColor> foreColor, backColor, borderColor, fillColor;
    bool visible = true;
    bool onHiddenTab = false;

    int borderStyle = -1;  // -1 when the form does not say
    int backStyle = -1;
    int borderWidth = 1;     // pixels
    int shape = 0;           // for shapes: rectangle, square, oval, circle, rounded...
    int fillStyle = 1;       // for shapes: 0 solid, 1 transparent, 2 to 7 hatched
    int value = 0;           // for check and option boxes: whether the mark is shown
    int style = 0;           // for combo boxes and the like
    int alignment = 0;       // of the text: left, right, centre
    bool autoSize = false;   // a label that sizes itself to its caption
    bool wordWrap = false;   // which way such a label grows
    bool multiLine = false;  // a text box of several lines

    // For a tabbed dialog (TabDlg.SSTab): its tabs, laid out in rows of perRow, and the one shown.
    struct Tabs {
        int count = 3;
        int perRow = 3;
        int shown = 0;
        double rowHeight = 300;  // twips; stored in HIMETRIC (529, a centimetre's 0.529)
        std::vector<std::u16string> captions;
    } tabs;

    // How the control's own children are placed (its ScaleMode and user scale, as read).
    ScaleMode scaleMode = ScaleMode::Twips;
    std::optional<double> scaleLeft, scaleTop, scaleWidth, scaleHeight;

    // The class without its library ("CommandButton" for "VB.CommandButton").
    std::u16string_view Kind() const;
    // The name as the form's code writes it: "Name" or "Name(Index)".
    std::u16string DisplayName() const;
};

struct FormModel {
    std::vector<FormControl> controls;
    std::optional<double> clientWidth, clientHeight;  // twips
    std::u16string caption;

    bool Empty() const { return controls.empty(); }
    std::size_t HiddenTabCount() const;
    // Whether the form is shown in a window with a title bar: not a user control, property
    // page or user document (they live inside another window), nor a form without a border.
    bool HasTitleBar() const;
};

// The model of a form given as its lines (without line breaks).
FormModel BuildFormModel(std::span<const std::u16string_view> lines);

FormModel BuildFormModel(std::u16string_view text);

// The model of the store's lines as they stand: no text is assembled and split again.
FormModel BuildFormModel(const FormLines& lines);

// Whether a control occupies a place on the form's surface: it has a position and a size
// (or both ends, for a line) and is not of a kind that shows nothing there (menus, timers,
// dialogs, image lists). Controls on hidden tabs still occupy their place.
bool TakesPlace(const FormControl& control);

// The area the control covers in its container, in twips: left, top, right, bottom; for a
// line the box around its ends. Only for controls that take a place.
struct TwipsBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};
TwipsBox BoxOf(const FormControl& control);

// The inner size of a control as a container of others, in twips: the form's client area,
// or a control's own size.
TwipsBox InnerBoxOf(const FormModel& model, std::size_t container);

}  // namespace tremaro
