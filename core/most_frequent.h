#pragma once

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace tremaro {

// The value that stands most often among values, the first to stand on a tie: how a form's
// fonts and a folder's forms cast their votes. Nothing for no values.
template <typename Value>
std::optional<Value> MostFrequent(const std::vector<Value>& values) {
    std::vector<std::pair<Value, int>> counts;  // in the order of their first standing
    for (const Value& value : values) {
        const auto found =
            std::find_if(counts.begin(), counts.end(), [&value](const auto& count) { return count.first == value; });
        if (found == counts.end())
            counts.emplace_back(value, 1);
        else
            ++found->second;
    }
    std::optional<Value> best;
    int bestCount = 0;
    for (const auto& [value, count] : counts) {
        if (count > bestCount) {
            best = value;
            bestCount = count;
        }
    }
    return best;
}

}  // namespace tremaro
