#include "picture/form_picture.h"

#include "core/text_fit.h"
#include "picture/captions.h"
#include "picture/fonts.h"
#include "picture/picture_fonts.h"
#include "picture/qt_text.h"
#include "picture/twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tremaro {
namespace {

// A picture of 4096 x 4096 pixels takes 64 MB; the window holds a few of them at once (image,
// pixmap, before and after), which an office machine can spare. A form of a screen or two is
// drawn at the zoom asked for even at 400 %; only a larger one is drawn smaller, but whole.
constexpr double kMostPixels = 4096.0 * 4096.0;
// Widgets and PNG writers cope with any side up to 32,767; a form a few pixels high and very
// wide must stay well inside that.
constexpr double kMaxSide = 16000;
// Real forms nest a handful of containers deep; a file nesting thousands must not exhaust the
// stack, and nothing that deep could be seen anyway.
constexpr int kDeepestNesting = 100;
// The room a property page's tab leaves on each side of its caption, in pixels at 100 %:
// the padding Windows gives the tabs of its own property sheets.
constexpr int kTabMargin = 6;
// Room enough for any caption to be measured in.
constexpr int kTallest = 1 << 20;
const QColor kFace(212, 208, 200);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kProblemRed(230, 0, 0);

// The classic Windows scheme the designer shows forms in, by the system colour's index
// (&H80000000& to &H80000018&): scroll bar, desktop, active and inactive caption, menu, window,
// window frame, menu text, window text, caption text, active and inactive border, application
// workspace, highlight, highlight text, button face, button shadow, grey text, button text,
// inactive caption text, button highlight, dark shadow, light, tooltip text and tooltip.
QColor SystemColor(unsigned index) {
    static const QRgb kScheme[] = {
        qRgb(212, 208, 200), qRgb(58, 110, 165),  qRgb(10, 36, 106),   qRgb(128, 128, 128), qRgb(212, 208, 200),
        qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(255, 255, 255),
        qRgb(212, 208, 200), qRgb(212, 208, 200), qRgb(128, 128, 128), qRgb(10, 36, 106),   qRgb(255, 255, 255),
        qRgb(212, 208, 200), qRgb(128, 128, 128), qRgb(128, 128, 128), qRgb(0, 0, 0),       qRgb(212, 208, 200),
        qRgb(255, 255, 255), qRgb(64, 64, 64),    qRgb(212, 208, 200), qRgb(0, 0, 0),       qRgb(255, 255, 225),
    };
    return index < std::size(kScheme) ? QColor(kScheme[index]) : kFace;
}

QColor ColorOf(std::optional<FormColor> color, const QColor& otherwise) {
    if (!color)
        return otherwise;
    if (*color & 0x80000000u)
        return SystemColor(*color & 0xFFu);
    return QColor(static_cast<int>(*color & 0xFFu), static_cast<int>((*color >> 8) & 0xFFu),
                  static_cast<int>((*color >> 16) & 0xFFu));
}

bool IsLightweight(std::u16string_view kind) {
    return kind == u"Label" || kind == u"Line" || kind == u"Shape" || kind == u"Image";
}

int AlignmentOf(const FormControl& control) {
    switch (control.alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

class FormPainter {
public:
    FormPainter(QPainter& painter, const FormModel& model, double zoom)
        : painter_(painter), model_(model), zoom_(PictureZoom(model, zoom)), pixelsPerTwip_(zoom_ / kTwipsPerPixel),
          origins_(model.controls.size()), children_(model.controls.size()) {
        for (std::size_t i = 1; i < model.controls.size(); ++i) {
            const FormControl& control = model.controls[i];
            const QPointF& outer = origins_[*control.container];
            origins_[i] = outer + QPointF(control.left.value_or(0), control.top.value_or(0));
            if (TakesPlace(control) && !control.onHiddenTab)
                children_[*control.container].push_back(i);
        }
    }

    QRect RectOf(std::size_t index) const {
        const FormControl& control = model_.controls[index];
        if (!control.container)
            return QRect(QPoint(0, 0), FormPictureSize(model_, zoom_));
        const QRect stored = RectIn(*control.container, BoxOf(control));
        return control.autoSize && control.Kind() == u"Label" ? AutoSized(control, stored) : stored;
    }

    void Draw(const PictureMarks& marks) {
        if (model_.Empty())
            return;
        const QRect client(QPoint(0, 0), FormPictureSize(model_, zoom_));
        painter_.fillRect(client, ColorOf(model_.controls[0].backColor, kFace));
        painter_.save();
        painter_.setClipRect(client);
        DrawChildren(0, 0);
        painter_.restore();
        for (const std::size_t index : marks.outlined)
            Outline(index, 2);
        if (marks.highlighted)
            Outline(*marks.highlighted, 4);
    }

private:
    int Pixels(double twips) const {
        return static_cast<int>(std::lround(std::clamp(twips * pixelsPerTwip_, -1e6, 1e6)));
    }
    int Scaled(double pixelsAtFullSize) const { return std::max(1, qRound(pixelsAtFullSize * zoom_)); }

    // A box given in a container's twips, in the picture's pixels.
    QRect RectIn(std::size_t container, const TwipsBox& box) const {
        const QPointF& outer = origins_[container];
        const int left = Pixels(outer.x() + box.left);
        const int top = Pixels(outer.y() + box.top);
        return QRect(left, top, std::max(1, Pixels(outer.x() + box.right) - left),
                     std::max(1, Pixels(outer.y() + box.bottom) - top));
    }

    // A label with AutoSize takes the size of its caption in its font, as Visual Basic makes it
    // whatever the form stores: with WordWrap it keeps its width and grows down; without, it
    // takes the caption's width and height, growing from the edge its alignment keeps (the
    // left, the right, or the centre). An empty caption leaves it as stored.
    QRect AutoSized(const FormControl& control, const QRect& stored) const {
        const QString caption = CaptionOf(control);
        if (caption.isEmpty())
            return stored;
        const QFontMetrics metrics(PictureFont(control.font, zoom_));
        const int border = LabelBorder(control);
        if (control.wordWrap) {
            const QRect text = metrics.boundingRect(QRect(0, 0, std::max(1, stored.width() - 2 * border), kTallest),
                                                    Qt::AlignLeft | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
            return QRect(stored.left(), stored.top(), stored.width(), text.height() + 2 * border);
        }
        const QRect text =
            metrics.boundingRect(QRect(0, 0, kTallest, kTallest), Qt::AlignLeft | Qt::TextShowMnemonic, caption);
        const int width = text.width() + 2 * border;
        int left = stored.left();
        if (control.alignment == 1)
            left = stored.right() + 1 - width;
        else if (control.alignment == 2)
            left = stored.left() + (stored.width() - width) / 2;
        return QRect(left, stored.top(), width, text.height() + 2 * border);
    }

    int LabelBorder(const FormControl& control) const { return control.borderStyle == 1 ? Scaled(1) : 0; }

    // Where the control's text is drawn: the room the fit check measures it against.
    QRect TextRectOf(const FormControl& control, const QRect& otherwise) const {
        const std::optional<TextRoom> room = TextRoomOf(control);
        return room ? RectIn(*control.container, room->box) : otherwise;
    }

    void DrawChildren(std::size_t container, int depth) {
        if (children_[container].empty())
            return;
        painter_.save();
        if (container != 0)
            painter_.setClipRect(RectOf(container), Qt::IntersectClip);
        // Windowless controls lie beneath the windowed ones of their container, and within
        // each layer the designer writes the topmost control first: drawn from the last up.
        const std::vector<std::size_t>& children = children_[container];
        for (const bool lightweight : {true, false}) {
            for (auto child = children.rbegin(); child != children.rend(); ++child) {
                if (IsLightweight(model_.controls[*child].Kind()) != lightweight)
                    continue;
                DrawControl(*child);
                if (depth < kDeepestNesting)
                    DrawChildren(*child, depth + 1);
            }
        }
        painter_.restore();
    }

    void DrawControl(std::size_t index) {
        const FormControl& control = model_.controls[index];
        const QRect rect = RectOf(index);
        painter_.setOpacity(control.visible ? 1.0 : 0.45);  // the designer shows them all the same
        const std::u16string_view kind = control.Kind();
        if (kind == u"CommandButton" || (kind == u"CheckBox" && control.style == 1) ||
            (kind == u"OptionButton" && control.style == 1))
            Button(control, rect);
        else if (kind == u"Label")
            Label(control, rect);
        else if (kind == u"TextBox" || kind == u"RichTextBox" || kind == u"MaskEdBox")
            TextBox(control, rect);
        else if (kind == u"Frame")
            Frame(control, rect);
        else if (kind == u"CheckBox" || kind == u"OptionButton")
            Mark(control, rect, kind == u"OptionButton");
        else if (kind == u"ListBox" || kind == u"FileListBox" || kind == u"DirListBox")
            Sunken(rect, ColorOf(control.backColor, Qt::white));
        else if (kind == u"ComboBox" || kind == u"DriveListBox" || kind == u"ImageCombo" || kind == u"DataCombo")
            Combo(control, rect);
        else if (kind == u"PictureBox" || kind == u"Image")
            Crossed(control, rect, kind == u"PictureBox");
        else if (kind == u"Line")
            Line(control);
        else if (kind == u"Shape")
            Shape(control, rect);
        else if (kind == u"SSTab")
            TabbedDialog(control, rect);
        else
            Other(control, rect);
        painter_.setOpacity(1.0);
    }

    void Edge(const QRect& rect, int inset, const QColor& topLeft, const QColor& bottomRight) {
        const QRect r = rect.adjusted(inset, inset, -inset, -inset);
        if (r.width() < 1 || r.height() < 1)
            return;
        painter_.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter_.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        painter_.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter_.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    }

    void Raised(const QRect& rect, const QColor& face) {
        painter_.fillRect(rect, face);
        Edge(rect, 0, Qt::white, Qt::black);
        Edge(rect, 1, face, kShadow);
    }

    void Sunken(const QRect& rect, const QColor& base) {
        painter_.fillRect(rect, base);
        Edge(rect, 0, kShadow, Qt::white);
        Edge(rect, 1, kDarkShadow, kFace);
    }

    void Text(const FormControl& control, const QRect& rect, int flags, const QString& text, const QColor& pen) {
        if (text.isEmpty())
            return;
        painter_.setFont(PictureFont(control.font, zoom_));
        painter_.setPen(pen);
        painter_.drawText(rect, flags | Qt::TextShowMnemonic, text);
    }

    static QString CaptionOf(const FormControl& control) {
        return control.caption ? ToQString(*control.caption) : QString();
    }

    void Button(const FormControl& control, const QRect& rect) {
        Raised(rect, ColorOf(control.backColor, kFace));
        Text(control, TextRectOf(control, rect), Qt::AlignCenter | Qt::TextWordWrap, CaptionOf(control),
             ColorOf(control.foreColor, Qt::black));
    }

    void Label(const FormControl& control, const QRect& rect) {
        if (control.backStyle != 0)
            painter_.fillRect(rect, ColorOf(control.backColor, kFace));
        if (control.borderStyle == 1)
            Edge(rect, 0, kShadow, Qt::white);
        if (control.autoSize) {  // sized to the caption: nothing to break or cut
            const int border = LabelBorder(control);
            Text(control, rect.adjusted(border, border, -border, -border),
                 AlignmentOf(control) | Qt::AlignTop | (control.wordWrap ? Qt::TextWordWrap : 0), CaptionOf(control),
                 ColorOf(control.foreColor, Qt::black));
            return;
        }
        Text(control, TextRectOf(control, rect), AlignmentOf(control) | Qt::AlignTop | Qt::TextWordWrap,
             CaptionOf(control), ColorOf(control.foreColor, Qt::black));
    }

    void TextBox(const FormControl& control, const QRect& rect) {
        const QColor base = ColorOf(control.backColor, Qt::white);
        if (control.borderStyle == 0)
            painter_.fillRect(rect, base);
        else
            Sunken(rect, base);
        const QString text = control.text ? ToQString(*control.text) : CaptionOf(control);
        painter_.setFont(PictureFont(control.font, zoom_));
        painter_.setPen(ColorOf(control.foreColor, Qt::black));
        const QRect inside = rect.adjusted(Scaled(3), Scaled(2), -Scaled(3), -Scaled(2));
        if (control.multiLine)
            painter_.drawText(inside, AlignmentOf(control) | Qt::AlignTop | Qt::TextWordWrap, text);
        else
            painter_.drawText(TextRectOf(control, inside), AlignmentOf(control) | Qt::AlignTop, text);
    }

    // The caption stands on the top edge, on a patch of the frame's colour 2 pixels wider on
    // each side, and is cut where its room ends.
    void Frame(const FormControl& control, const QRect& rect) {
        const QColor back = ColorOf(control.backColor, kFace);
        painter_.fillRect(rect, back);
        const QFont font = PictureFont(control.font, zoom_);
        const QFontMetrics metrics(font);
        const int lineY = rect.top() + metrics.height() / 2;
        const QRect box(rect.left(), lineY, rect.width(), rect.bottom() - lineY + 1);
        Edge(box, 0, kShadow, Qt::white);
        Edge(box, 1, Qt::white, kShadow);
        const QString caption = CaptionOf(control);
        if (caption.isEmpty())
            return;
        const QRect room = TextRectOf(control, rect);
        const int width = metrics.horizontalAdvance(QString(caption).remove(QLatin1Char('&')));
        const QRect patch(room.left() - Scaled(2), rect.top(),
                          std::clamp(width, 0, std::max(room.width(), 0)) + 2 * Scaled(2), metrics.height());
        painter_.fillRect(patch, back);
        Text(control, QRect(room.left(), rect.top(), room.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
             caption, ColorOf(control.foreColor, Qt::black));
    }

    // The mark stands on the left, or on the right with Alignment = 1.
    void Mark(const FormControl& control, const QRect& rect, bool round) {
        if (control.backStyle != 0)
            painter_.fillRect(rect, ColorOf(control.backColor, kFace));
        const int side = std::min(Scaled(13), rect.height());
        const int boxLeft = control.alignment == 1 ? rect.right() + 1 - side : rect.left();
        const QRect box(boxLeft, rect.top() + (rect.height() - side) / 2, side, side);
        painter_.save();
        if (round) {
            painter_.setRenderHint(QPainter::Antialiasing);
            painter_.setPen(QPen(kShadow, 1));
            painter_.setBrush(Qt::white);
            painter_.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
            if (control.value != 0) {
                painter_.setBrush(Qt::black);
                painter_.setPen(Qt::NoPen);
                painter_.drawEllipse(QRectF(box).adjusted(side * 0.33, side * 0.33, -side * 0.33, -side * 0.33));
            }
        } else {
            Sunken(box, control.value == 2 ? kFace : Qt::white);
            if (control.value != 0) {
                painter_.setRenderHint(QPainter::Antialiasing);
                painter_.setPen(QPen(control.value == 2 ? kShadow : Qt::black, std::max(1.0, 2 * zoom_)));
                const QRectF inner = QRectF(box).adjusted(side * 0.22, side * 0.25, -side * 0.22, -side * 0.25);
                painter_.drawPolyline(QPolygonF({QPointF(inner.left(), inner.center().y()),
                                                 QPointF(inner.left() + inner.width() * 0.38, inner.bottom()),
                                                 QPointF(inner.right(), inner.top())}));
            }
        }
        painter_.restore();
        Text(control, TextRectOf(control, rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
             CaptionOf(control), ColorOf(control.foreColor, Qt::black));
    }

    void Combo(const FormControl& control, const QRect& rect) {
        Sunken(rect, ColorOf(control.backColor, Qt::white));
        const int width = std::min(Scaled(16), rect.width() - 4);
        if (width < 2 || rect.height() < 6)
            return;
        const QRect button(rect.right() - 1 - width, rect.top() + 2, width, rect.height() - 4);
        Raised(button, kFace);
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(Qt::black);
        const QPointF centre = QRectF(button).center();
        const double half = std::max(1.5, 3.5 * zoom_);
        painter_.drawPolygon(QPolygonF(
            {centre + QPointF(-half, -half / 2), centre + QPointF(half, -half / 2), centre + QPointF(0, half / 2)}));
        painter_.restore();
        if (control.text) {
            painter_.setFont(PictureFont(control.font, zoom_));
            painter_.setPen(ColorOf(control.foreColor, Qt::black));
            painter_.drawText(TextRectOf(control, rect.adjusted(Scaled(3), 0, -width - 2, 0)),
                              Qt::AlignLeft | Qt::AlignVCenter, ToQString(*control.text));
        }
    }

    void Crossed(const FormControl& control, const QRect& rect, bool picture) {
        if (picture) {
            if (control.borderStyle == 0)
                painter_.fillRect(rect, ColorOf(control.backColor, kFace));
            else
                Sunken(rect, ColorOf(control.backColor, kFace));
        }
        painter_.save();
        painter_.setPen(QPen(kShadow, 1, picture ? Qt::SolidLine : Qt::DashLine));
        painter_.setBrush(Qt::NoBrush);
        const QRect inner = picture ? rect.adjusted(2, 2, -2, -2) : rect;
        if (!picture)
            painter_.drawRect(inner.adjusted(0, 0, -1, -1));
        painter_.drawLine(inner.topLeft(), inner.bottomRight());
        painter_.drawLine(inner.topRight(), inner.bottomLeft());
        painter_.restore();
    }

    void Line(const FormControl& control) {
        const QPointF& outer = origins_[*control.container];
        painter_.save();
        painter_.setPen(QPen(ColorOf(control.borderColor, Qt::black), std::max(1, qRound(control.borderWidth * zoom_)),
                             Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(QPoint(Pixels(outer.x() + *control.x1), Pixels(outer.y() + *control.y1)),
                          QPoint(Pixels(outer.x() + *control.x2), Pixels(outer.y() + *control.y2)));
        painter_.restore();
    }

    void Shape(const FormControl& control, const QRect& rect) {
        QRect box = rect;
        if (control.shape == 1 || control.shape == 3 || control.shape == 5) {
            const int side = std::min(rect.width(), rect.height());
            box = QRect(rect.left() + (rect.width() - side) / 2, rect.top() + (rect.height() - side) / 2, side, side);
        }
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, control.shape >= 2);
        const int pen = std::max(1, qRound(control.borderWidth * zoom_));
        const QRectF inside = QRectF(box).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
        const auto outline = [&control, &inside, this] {
            if (control.shape == 2 || control.shape == 3)
                painter_.drawEllipse(inside);
            else if (control.shape == 4 || control.shape == 5)
                painter_.drawRoundedRect(inside, inside.width() / 8, inside.height() / 8);
            else
                painter_.drawRect(inside);
        };
        // The back colour, then the fill over it, then the border.
        painter_.setPen(Qt::NoPen);
        if (control.backStyle == 1) {
            painter_.setBrush(ColorOf(control.backColor, Qt::white));
            outline();
        }
        if (const Qt::BrushStyle fill = FillPattern(control.fillStyle); fill != Qt::NoBrush) {
            painter_.setBrush(QBrush(ColorOf(control.fillColor, Qt::black), fill));
            outline();
        }
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(control.borderStyle == 0 ? QPen(Qt::NoPen)
                                                 : QPen(ColorOf(control.borderColor, Qt::black), pen));
        outline();
        painter_.restore();
    }

    // FillStyle: 0 solid, 1 transparent, then horizontal and vertical lines, the two
    // diagonals, a cross and a diagonal cross.
    static Qt::BrushStyle FillPattern(int fillStyle) {
        switch (fillStyle) {
        case 0:
            return Qt::SolidPattern;
        case 2:
            return Qt::HorPattern;
        case 3:
            return Qt::VerPattern;
        case 4:
            return Qt::BDiagPattern;
        case 5:
            return Qt::FDiagPattern;
        case 6:
            return Qt::CrossPattern;
        case 7:
            return Qt::DiagCrossPattern;
        default:
            return Qt::NoBrush;
        }
    }

    // A tabbed dialog: its rows of tabs over a raised page, the row of the shown tab next to
    // the page (as the dialog moves it there), the shown tab raised into the page. The page
    // holds the shown tab's controls, drawn as its children.
    void TabbedDialog(const FormControl& control, const QRect& rect) {
        const FormControl::Tabs& tabs = control.tabs;
        const int perRow = std::max(1, tabs.perRow);
        const int rows = std::max(1, (tabs.count + perRow - 1) / perRow);
        const int rowHeight = std::clamp(Pixels(tabs.rowHeight), 1, std::max(1, rect.height() / rows));
        const QColor face = ColorOf(control.backColor, kFace);
        const int pageTop = rect.top() + rows * rowHeight;
        const QRect page(rect.left(), pageTop, rect.width(), rect.bottom() + 1 - pageTop);
        painter_.fillRect(page, face);
        Edge(page, 0, Qt::white, kDarkShadow);
        Edge(page, 1, face, kShadow);
        const int shownRow = tabs.shown >= 0 && tabs.shown < tabs.count ? tabs.shown / perRow : -1;
        int place = 0;  // from the top
        for (int row = 0; row < rows; ++row) {
            if (row != shownRow)
                TabRow(control, rect, row, place++, rowHeight, face);
        }
        if (shownRow >= 0)
            TabRow(control, rect, shownRow, place, rowHeight, face);
    }

    // In the dialog's own style the tabs of a row share its width equally; in the style of
    // property pages (Style = 1) each is as wide as its caption and the margins beside it.
    void TabRow(const FormControl& control, const QRect& rect, int row, int place, int rowHeight, const QColor& face) {
        const int perRow = std::max(1, control.tabs.perRow);
        const int top = rect.top() + place * rowHeight;
        const QFontMetrics metrics(PictureFont(control.font, zoom_));
        int right = rect.left();
        for (int column = 0; column < perRow; ++column) {
            const int tab = row * perRow + column;
            if (tab >= control.tabs.count)
                break;
            const int left = control.style == 1
                                 ? right
                                 : rect.left() + static_cast<int>(static_cast<qint64>(rect.width()) * column / perRow);
            right = control.style == 1
                        ? left + metrics.horizontalAdvance(WithoutMnemonics(TabCaption(control, tab))) +
                              2 * Scaled(kTabMargin)
                        : rect.left() + static_cast<int>(static_cast<qint64>(rect.width()) * (column + 1) / perRow);
            const bool shown = tab == control.tabs.shown;
            // A tab not shown stands a little lower and apart from the page by its edge.
            const int lift = shown ? 0 : std::min(Scaled(2), rowHeight / 4);
            const QRect box(left, top + lift, right - left, rowHeight - lift + (shown ? 2 : 0));
            painter_.fillRect(box, face);
            painter_.fillRect(QRect(box.left(), box.top(), box.width(), 1), Qt::white);
            painter_.fillRect(QRect(box.left(), box.top(), 1, box.height()), Qt::white);
            painter_.fillRect(QRect(box.right(), box.top(), 1, box.height()), kDarkShadow);
            painter_.fillRect(QRect(box.right() - 1, box.top() + 1, 1, box.height() - 1), kShadow);
            Text(control, box.adjusted(Scaled(3), 1, -Scaled(3), 0), Qt::AlignCenter, TabCaption(control, tab),
                 ColorOf(control.foreColor, Qt::black));
        }
    }

    // A tab without a caption of its own shows the one the dialog gives a new tab.
    static QString TabCaption(const FormControl& control, int tab) {
        const auto index = static_cast<std::size_t>(tab);
        if (index < control.tabs.captions.size())
            return ToQString(control.tabs.captions[index]);
        return QStringLiteral("Tab %1").arg(tab);
    }

    void Other(const FormControl& control, const QRect& rect) {
        painter_.save();
        painter_.setPen(QPen(kShadow, 1, Qt::DashLine));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(rect.adjusted(0, 0, -1, -1));
        QFont font = SansSerifFont(8, false);
        font.setPixelSize(std::max(1, qRound(11 * zoom_)));
        painter_.setFont(font);
        painter_.setPen(kDarkShadow);
        painter_.drawText(rect.adjusted(Scaled(3), Scaled(2), -Scaled(2), -Scaled(2)), Qt::AlignLeft | Qt::AlignTop,
                          ToQString(control.className));
        painter_.restore();
    }

    void Outline(std::size_t index, int width) {
        if (index == 0 || index >= model_.controls.size() || !TakesPlace(model_.controls[index]))
            return;
        painter_.save();
        painter_.setPen(QPen(kProblemRed, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(RectOf(index).adjusted(0, 0, -1, -1));
        painter_.restore();
    }

    QPainter& painter_;
    const FormModel& model_;
    double zoom_;
    double pixelsPerTwip_;
    std::vector<QPointF> origins_;                    // of each control in the client area, in twips
    std::vector<std::vector<std::size_t>> children_;  // those drawn, in the form's order
};

QFont HeadingFont() {
    QFont font = SansSerifFont(8, true);
    font.setPixelSize(16);
    return font;
}

QFont ListFont() {
    QFont font = SansSerifFont(8, false);
    font.setPixelSize(13);
    return font;
}

}  // namespace

double PictureZoom(const FormModel& model, double zoom) {
    // The client area in pixels at 100 %; a negative or missing size draws as nothing.
    const double width = std::max(model.clientWidth.value_or(0), 0.0) / kTwipsPerPixel;
    const double height = std::max(model.clientHeight.value_or(0), 0.0) / kTwipsPerPixel;
    const double longest = std::max(width, height);
    if (longest * zoom > kMaxSide)
        zoom = kMaxSide / longest;
    if (width * height * zoom * zoom > kMostPixels)
        zoom = std::sqrt(kMostPixels / (width * height));
    return zoom;
}

QSize FormPictureSize(const FormModel& model, double zoom) {
    zoom = PictureZoom(model, zoom);
    auto side = [zoom](std::optional<double> twips) {
        const double pixels = std::clamp(twips.value_or(0) * zoom / kTwipsPerPixel, 0.0, kMaxSide);
        return std::max(1, static_cast<int>(std::lround(pixels)));
    };
    return {side(model.clientWidth), side(model.clientHeight)};
}

QRect ControlRectInPicture(const FormModel& model, std::size_t control, double zoom) {
    QImage unused(1, 1, QImage::Format_RGB32);
    QPainter painter(&unused);
    return FormPainter(painter, model, zoom).RectOf(control);
}

void DrawFormPicture(QPainter& painter, const FormModel& model, double zoom, const PictureMarks& marks) {
    FormPainter(painter, model, zoom).Draw(marks);
}

QImage RenderFormPicture(const FormModel& model, double zoom, const PictureMarks& marks) {
    QImage image(FormPictureSize(model, zoom), QImage::Format_RGB32);
    image.fill(kFace);
    QPainter painter(&image);
    DrawFormPicture(painter, model, zoom, marks);
    return image;
}

std::vector<std::size_t> ControlsToOutline(const std::vector<LayoutProblem>& problems) {
    std::vector<std::size_t> controls;
    for (const LayoutProblem& problem : problems) {
        controls.push_back(problem.control);
        if (problem.kind == LayoutProblem::Kind::Overlaps)
            controls.push_back(problem.other);
    }
    return controls;
}

QString PictureNote(const FormModel& model) {
    if (model.Empty())
        return captions::NoFormDescription();
    const std::size_t hidden = model.HiddenTabCount();
    return hidden == 0 ? QString() : captions::HiddenTabControls(hidden);
}

QImage RenderComparison(const FormModel& before, const FormModel& after, const LayoutProblems& problems, double zoom) {
    zoom = std::min(PictureZoom(before, zoom), PictureZoom(after, zoom));
    constexpr int kMargin = 12;
    constexpr int kGap = 24;
    const QFont heading = HeadingFont();
    const QFont listFont = ListFont();
    const int headingHeight = QFontMetrics(heading).height() + 6;
    // A user control, property page or user document lives inside another window: no title bar.
    const int titleHeight = before.HasTitleBar() || after.HasTitleBar() ? headingHeight : 0;
    const int listLine = QFontMetrics(listFont).height() + 2;

    const QImage pictures[] = {RenderFormPicture(before, zoom),
                               RenderFormPicture(after, zoom, {ControlsToOutline(problems.listed), std::nullopt})};
    const FormModel* models[] = {&before, &after};
    const QString headings[] = {captions::BeforeHeading(), captions::AfterHeading()};

    QStringList lines;
    for (const LayoutProblem& problem : problems.listed)
        lines << QString::fromStdString(TextOf(problem.message));
    if (const auto more = UnlistedProblemsNote(problems))
        lines << QString::fromStdString(TextOf(*more));
    if (lines.isEmpty())
        lines << captions::NoNewProblems();
    int listWidth = 0;
    for (const QString& line : lines)
        listWidth = std::max(listWidth, QFontMetrics(listFont).horizontalAdvance(line));

    const int picturesHeight = std::max(pictures[0].height(), pictures[1].height());
    const int width = std::max(2 * kMargin + pictures[0].width() + kGap + pictures[1].width(), 2 * kMargin + listWidth);
    const int height = kMargin + headingHeight + titleHeight + picturesHeight + listLine + kMargin / 2 +
                       static_cast<int>(lines.size()) * listLine + kMargin;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(245, 245, 245));
    QPainter painter(&image);
    int left = kMargin;
    for (int side = 0; side < 2; ++side) {
        int top = kMargin;
        painter.setFont(heading);
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, top, pictures[side].width(), headingHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         headings[side]);
        top += headingHeight;
        const QRect titleBar(left, top, pictures[side].width(), titleHeight);
        if (models[side]->HasTitleBar()) {
            painter.fillRect(titleBar, SystemColor(0x02));
            painter.setPen(Qt::white);
            painter.drawText(titleBar.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             ToQString(models[side]->caption));
        }
        top += titleHeight;
        painter.drawImage(left, top, pictures[side]);
        painter.setFont(listFont);
        painter.setPen(kDarkShadow);
        painter.drawText(QRect(left, top + picturesHeight, std::max(pictures[side].width(), 400), listLine),
                         Qt::AlignLeft | Qt::AlignVCenter, PictureNote(*models[side]));
        left += pictures[side].width() + kGap;
    }
    int top = kMargin + headingHeight + titleHeight + picturesHeight + listLine + kMargin / 2;
    painter.setFont(listFont);
    painter.setPen(problems.Empty() ? kDarkShadow : kProblemRed.darker(130));
    for (const QString& line : lines) {
        painter.drawText(QRect(kMargin, top, width - 2 * kMargin, listLine), Qt::AlignLeft | Qt::AlignVCenter, line);
        top += listLine;
    }
    return image;
}

}  // namespace tremaro
