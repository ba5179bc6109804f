#include "tools/sample_form.h"

#include <random>
#include <vector>

namespace tremaro {
namespace {

class FormWriter {
public:
    FormWriter(int lineCount, unsigned seed) : lineCount_(lineCount), random_(seed) {}

    std::string Write() {
        Header();
        int control = 0;
        while (Remaining() > 40)
            Frame(control++);
        Line("End");
        for (const char* attribute : {"Attribute VB_Name = \"frmSample\"", "Attribute VB_GlobalNameSpace = False",
                                      "Attribute VB_Creatable = False", "Attribute VB_PredeclaredId = True",
                                      "Attribute VB_Exposed = False", "Option Explicit"})
            Line(attribute);
        while (Remaining() > 0)
            CodeLine();
        return text_;
    }

private:
    int Remaining() const { return lineCount_ - written_; }

    void Line(const std::string& line) {
        if (written_ >= lineCount_)
            return;
        text_ += line;
        text_ += "\r\n";
        ++written_;
    }

    void Property(int depth, const std::string& name, const std::string& value) {
        std::string line(static_cast<std::size_t>(3 * depth), ' ');
        line += name;
        line.resize(line.size() < static_cast<std::size_t>(3 * depth + 16) ? static_cast<std::size_t>(3 * depth + 16)
                                                                           : line.size() + 1,
                    ' ');
        Line(line + "=   " + value);
    }

    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void Header() {
        Line("VERSION 5.00");
        Line("Object = \"{BDC217C8-ED16-11CD-956C-0000C04E4C0A}#1.1#0\"; \"TABCTL32.OCX\"");
        Line("Begin VB.Form frmSample ");
        Property(1, "BackColor", "&H00FFFFFF&");
        Property(1, "BorderStyle", "0  'None");
        Property(1, "Caption", "\"\xC1\xEB\xE0\xED\xEA\xE0\"");
        Property(1, "ClientHeight", "11010");
        Property(1, "ClientLeft", "0");
        Property(1, "ClientTop", "0");
        Property(1, "ClientWidth", "8850");
        Font(1, "9.75");
        Property(1, "LinkTopic", "\"Form1\"");
        Property(1, "ScaleHeight", "11010");
        Property(1, "ScaleWidth", "8850");
        Property(1, "StartUpPosition", "3  'Windows Default");
    }

    void Font(int depth, const std::string& size) {
        Line(std::string(static_cast<std::size_t>(3 * depth), ' ') + "BeginProperty Font ");
        Property(depth + 1, "Name", "\"Times New Roman\"");
        Property(depth + 1, "Size", size);
        Property(depth + 1, "Charset", "204");
        Property(depth + 1, "Weight", Number(0, 1) ? "700" : "400");
        Property(depth + 1, "Underline", "0   'False");
        Property(depth + 1, "Italic", "0   'False");
        Property(depth + 1, "Strikethrough", "0   'False");
        Line(std::string(static_cast<std::size_t>(3 * depth), ' ') + "EndProperty");
    }

    void Measures(int depth, bool hiddenTab) {
        Property(depth, "Height", std::to_string(Number(195, 3000)));
        Property(depth, "Left", std::to_string(hiddenTab ? Number(-74900, -70000) : Number(0, 8000)));
        Property(depth, "TabIndex", std::to_string(Number(0, 60)));
        Property(depth, "Top", std::to_string(Number(0, 10000)));
        Property(depth, "Width", std::to_string(Number(100, 8000)));
    }

    void Label(int depth, int index, bool hiddenTab) {
        Line(std::string(static_cast<std::size_t>(3 * depth), ' ') + "Begin VB.Label lblField" + std::to_string(index) +
             " ");
        Property(depth + 1, "AutoSize", "-1  'True");
        Property(depth + 1, "BackStyle", "0  'Transparent");
        Property(depth + 1, "Caption", "\"\xC8\xEC\xE5, \xF4\xE0\xEC\xE8\xEB\xE8\xFF:\"");
        static const char* const sizes[] = {"8.25", "9.75", "12", "14.25", "18", "8", "9"};
        Font(depth + 1, sizes[Number(0, 6)]);
        Measures(depth + 1, hiddenTab);
        Line(std::string(static_cast<std::size_t>(3 * depth), ' ') + "End");
    }

    void TextBox(int depth, int index, bool hiddenTab) {
        Line(std::string(static_cast<std::size_t>(3 * depth), ' ') + "Begin VB.TextBox txtField" +
             std::to_string(index) + " ");
        Property(depth + 1, "Appearance", "0  'Flat");
        Measures(depth + 1, hiddenTab);
        Property(depth + 1, "Text", "\"\"");
        Line(std::string(static_cast<std::size_t>(3 * depth), ' ') + "End");
    }

    void Frame(int index) {
        const bool tabbed = index % 3 == 2;
        Line(tabbed ? "   Begin TabDlg.SSTab tabPage" + std::to_string(index) + " "
                    : "   Begin VB.Frame fraGroup" + std::to_string(index) + " ");
        Property(2, "Caption", "\"\xC3\xF0\xF3\xEF\xE0\"");
        Measures(2, false);
        if (tabbed) {
            Property(2, "_ExtentX", "14843");
            Property(2, "_ExtentY", "4471");
            Property(2, "TabHeight", "520");
        }
        for (int child = 0; child < 3; ++child) {
            Label(2, index * 10 + child, tabbed && child == 2);
            TextBox(2, index * 10 + child, tabbed && child == 1);
        }
        Line("   End");
    }

    void CodeLine() {
        static const char* const code[] = {
            "Private Sub Form_Load()",
            "    Me.Top = 0: Me.Left = 0",
            "    lblField0.Caption = \"\xC4\xE0\xF2\xE0:\" ' the date",
            "    If txtField0.Width > 1000 Then txtField0.Width = 1000",
            "End Sub",
            "",
        };
        Line(code[codeLine_++ % std::size(code)]);
    }

    int lineCount_;
    int written_ = 0;
    int codeLine_ = 0;
    std::mt19937 random_;
    std::string text_;
};

}  // namespace

std::string GenerateSampleForm(int lineCount, unsigned seed) {
    return FormWriter(lineCount, seed).Write();
}

}  // namespace tremaro
