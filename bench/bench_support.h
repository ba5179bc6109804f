#pragma once

#include <string>
#include <vector>

namespace tremaro::bench {

// A folder of its own holding the largest allowed form (32766 generated lines); made once
// per run of a benchmark program and removed at its end.
const std::string& LargestForm();
const std::string& BenchFolder();

// Runs a program to its end with standard input from inputPath (or /dev/null) and its
// output thrown away; returns its exit status.
int RunProgram(const std::vector<std::string>& arguments, const std::string& inputPath = "/dev/null");

}  // namespace tremaro::bench
