// libFuzzer target: arbitrary bytes as a form file and an arbitrary percent text, through
// load, correction and assembling. The first byte gives the percent text's length (0 to
// 11), the bytes after it the percent, and the rest is the form file.
#include "cli/console_port.h"
#include "core/correction.h"
#include "core/line_store.h"
#include "platform/code_page.h"

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

bool HasKey(const std::u16string& line) {
    if (line.find(u'=') == std::u16string::npos)
        return false;
    for (const char16_t* key : {u"Top  ", u"Height  ", u"Width  ", u"Left  ", u"Size  "})
        if (line.find(key) != std::u16string::npos)
            return true;
    return false;
}

void CheckRewrittenLine(const std::u16string& before, const std::u16string& after) {
    const std::size_t start = before.find(u'=') + 1;
    const std::size_t window = std::min<std::size_t>(10, before.size() - start);
    Check(after.size() >= before.size(), "a line got shorter");
    const std::size_t newWindow = window + (after.size() - before.size());
    Check(after.compare(0, start, before, 0, start) == 0, "the text before the window changed");
    Check(after.compare(start + newWindow, std::u16string::npos, before, start + window) == 0,
          "the text after the window changed");
    Check(after.compare(start, 2, u"  ") == 0, "the new window does not start with two blanks");
    Check(before.find(u'\'', start) == std::u16string::npos, "a line with a comment was rewritten");
    if (newWindow != window)
        Check(after[start + newWindow - 1] != u' ', "a line grew more than its number needs");
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
    for (int slot = 1; slot <= lines.LineCount(); ++slot) {
        before.emplace_back(lines.Line(slot));
        Check(lines.Line(slot).find_first_of(u"\r\n") == std::u16string::npos, "a loaded line holds a line break");
    }

    ConsolePort port;
    const CorrectionOutcome outcome = RunCorrection(DecodeCodePage(percentBytes), lines, port);
    for (int slot = 1; slot <= lines.LineCount(); ++slot) {
        const std::u16string& was = before[static_cast<std::size_t>(slot - 1)];
        const std::u16string now(lines.Line(slot));
        Check(now.find_first_of(u"\r\n") == std::u16string::npos, "a corrected line holds a line break");
        if (outcome != CorrectionOutcome::Corrected || !HasKey(was)) {
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
