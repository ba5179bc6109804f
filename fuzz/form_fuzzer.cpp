// libFuzzer target: arbitrary bytes as a form file and an arbitrary percent text, through
// load, correction and assembling. The first byte gives the percent text's length (0 to
// 11), the bytes after it the percent (in code page 1252, where 0xD7 is the × between a
// width's and a height's percent), and the rest is the form file.
#include "core/console_port.h"
#include "core/correction.h"
#include "core/form_lines.h"
#include "core/layout_names.h"
#include "platform/code_page.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace tremaro;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::u16string_view Trimmed(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

bool StartsWithWord(std::u16string_view trimmed, std::u16string_view word) {
    return trimmed.starts_with(word) &&
           (trimmed.size() == word.size() || trimmed[word.size()] == u' ' || trimmed[word.size()] == u'\t');
}

// Which lines may change at all, worked out by counting Begin and End lines only: from the
// first Begin to the End that brings the count back to nothing, without the Begin, End,
// BeginProperty and EndProperty lines themselves.
std::vector<bool> MayChange(const std::vector<std::u16string>& lines) {
    std::vector<bool> mayChange(lines.size(), false);
    int depth = 0;
    bool started = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u16string_view trimmed = Trimmed(lines[i]);
        const bool begin = StartsWithWord(trimmed, u"Begin");
        const bool end = trimmed == u"End";
        if (!started && !begin)
            continue;
        started = true;
        depth += begin ? 1 : end ? -1 : 0;
        mayChange[i] = !begin && !end && !StartsWithWord(trimmed, u"BeginProperty") && trimmed != u"EndProperty";
        if (depth == 0)
            break;
    }
    return mayChange;
}

// Whether the table of layout names scales a property of this line's name anywhere: in a
// block's own lines or in a font group.
bool HasLayoutName(const std::u16string& line) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string::npos)
        return false;
    const std::u16string_view name = Trimmed(std::u16string_view(line).substr(0, equals));
    return KindOfValue(name, {}) != ValueKind::Kept || KindOfValue(name, {true, u"Font", false}) != ValueKind::Kept;
}

// A changed line differs from the old one only inside the value its plan changed: after its
// first "=", and for a quoted value, inside the quotes; what came in holds no quote.
void CheckRewrittenLine(const std::u16string& before, const std::u16string& after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::size_t equals = before.find(u'=');
    std::size_t valueFirst = equals + 1;
    std::size_t valueEnd = before.size();
    const std::size_t start = before.find_first_not_of(u" \t", equals + 1);
    if (start != std::u16string::npos && before[start] == u'"') {
        valueFirst = start + 1;
        valueEnd = std::min(before.find(u'"', start + 1), before.size());
    }
    Check(prefix >= valueFirst, "the text before the value changed");
    Check(before.size() - suffix <= valueEnd, "the text after the value changed");
    const std::u16string_view added = std::u16string_view(after).substr(prefix, after.size() - prefix - suffix);
    Check(added.find_first_of(u"\"\r\n") == std::u16string_view::npos, "what replaced the value holds a quote");
    Check(before.find(u'\'', equals) == std::u16string::npos, "a line with a comment was rewritten");
}

// The lines a correction added: the form's own Font group, nine lines put in one place,
// only where the run went through.
struct InsertedGroup {
    std::size_t at = 0;     // index of the first, counting the lines as they were
    std::size_t lines = 0;  // 0 or 9
};

InsertedGroup FindInsertedGroup(const std::vector<std::u16string>& before, const FormLines& after) {
    const auto count = static_cast<std::size_t>(after.LineCount());
    if (count == before.size())
        return {};
    Check(count == before.size() + 9, "a correction added other than the nine lines of a font group");
    std::size_t at = 0;
    while (at <= before.size() &&
           !(Trimmed(after.Line(static_cast<int>(at) + 1)) == u"BeginProperty Font" &&
             Trimmed(after.Line(static_cast<int>(at) + 2)) == u"Name            =   \"MS Sans Serif\"" &&
             Trimmed(after.Line(static_cast<int>(at) + 9)) == u"EndProperty"))
        ++at;
    Check(at <= before.size(), "the added lines are not a font group");
    return {at, 9};
}

// Whatever the code page the form was read in, its lines with their endings encode back to its
// bytes: LF, CR LF, a lone CR and a last line without one alike.
void CheckEveryByteComesBack(const std::string& bytes, const FormLines& lines) {
    std::string again;
    Check(!AppendEncoded(lines.TextCodePage(), lines.AssembleFileText(), again),
          "a character read could not be written back");
    Check(again == bytes, "the bytes read did not come back");
}

// One number means both factors: written twice around an x, it must correct the form to the
// same lines and end the same way.
void CheckSamePercentTwice(const std::string& path, const std::u16string& percent, CorrectionOutcome outcome,
                           const FormLines& corrected) {
    if (percent.find_first_of(u"xX\u00D7") != std::u16string::npos)  // two factors already, in either case
        return;
    FormLines lines;
    if (lines.LoadFormFile(path) != FormLines::LoadStatus::Loaded)
        return;
    ConsolePort port;
    Check(RunCorrection(percent + u"x" + percent, lines, port) == outcome,
          "a percent written twice ended otherwise than once");
    Check(lines.AssembleFileText() == corrected.AssembleFileText(),
          "a percent written twice corrected otherwise than once");
}

std::string FormPath() {
    return "/dev/shm/tremaro-fuzz-" + std::to_string(::getpid()) + ".frm";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t percentLength = std::min<std::size_t>(data[0] % 12, size - 1);
    const std::string percentBytes(reinterpret_cast<const char*>(data + 1), percentLength);
    const std::string formBytes(reinterpret_cast<const char*>(data + 1 + percentLength), size - 1 - percentLength);

    static const std::string path = FormPath();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(formBytes.data(), 1, formBytes.size(), file);
        std::fclose(file);
    }
    FormLines lines;
    if (lines.LoadFormFile(path) != FormLines::LoadStatus::Loaded)
        return 0;
    std::vector<std::u16string> before;
    std::vector<LineEnding> endings;
    for (int slot = 1; slot <= lines.LineCount(); ++slot) {
        before.emplace_back(lines.Line(slot));
        endings.push_back(lines.EndingOf(slot));
        Check(lines.Line(slot).find_first_of(u"\r\n") == std::u16string::npos, "a loaded line holds a line break");
    }
    CheckEveryByteComesBack(formBytes, lines);

    ConsolePort port;
    std::u16string percent;
    AppendDecoded(CodePage::Windows1252, percentBytes, percent);
    const CorrectionOutcome outcome = RunCorrection(percent, lines, port);
    CheckSamePercentTwice(path, percent, outcome, lines);
    const InsertedGroup inserted = FindInsertedGroup(before, lines);
    const std::vector<bool> mayChange = MayChange(before);
    for (std::size_t index = 0; index < before.size(); ++index) {
        const std::u16string& was = before[index];
        const int slot =
            static_cast<int>(index) + 1 + (inserted.lines > 0 && index >= inserted.at ? inserted.lines : 0);
        const std::u16string now(lines.Line(slot));
        Check(now.find_first_of(u"\r\n") == std::u16string::npos, "a corrected line holds a line break");
        // Only a last line without an ending, with the font group put after it, takes one.
        Check(lines.EndingOf(slot) == endings[index] ||
                  (endings[index] == LineEnding::None && inserted.lines > 0 && index + 1 == inserted.at),
              "a line's ending changed");
        if (inserted.lines > 0 && index + 1 == inserted.at && endings[index] != LineEnding::None)
            for (std::size_t added = 1; added <= inserted.lines; ++added)
                Check(lines.EndingOf(slot + static_cast<int>(added)) == endings[index],
                      "an added line does not end as the line before it");
        if (!mayChange[index]) {
            Check(now == was, "a line outside the description or a Begin or End line changed");
        } else if (outcome != CorrectionOutcome::Corrected || !HasLayoutName(was)) {
            Check(now == was, "a line changed that must not");
        } else if (now != was) {
            CheckRewrittenLine(was, now);
        }
    }
    if (outcome == CorrectionOutcome::Corrected)
        Check(port.ViewText() == lines.AssembleText(), "the view does not show the assembled text");
    else
        Check(port.ViewText().empty(), "a refused run changed the view");
    return 0;
}
