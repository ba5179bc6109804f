#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace tremaro {

// One line on a terminal that says which form a long run is at ("[12/60] frmMain.frm"),
// rewritten in place. A run that ends within quietFor shows nothing, so a quick run's output
// is only its reports; the line is wiped before the reports are printed.
class ProgressLine {
public:
    // to: the terminal, or nothing where standard error is no terminal (then it shows nothing).
    ProgressLine(std::ostream* to, std::size_t total,
                 std::chrono::steady_clock::duration quietFor = std::chrono::seconds(1));
    ~ProgressLine() { Wipe(); }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // The run is at its number-th form (from 1), the file at path.
    void At(std::size_t number, const std::string& path);

    // Takes the line off the terminal, if it was shown.
    void Wipe();

private:
    std::ostream* to_;
    std::size_t total_;
    std::chrono::steady_clock::time_point showFrom_;
    bool shown_ = false;
};

}  // namespace tremaro
