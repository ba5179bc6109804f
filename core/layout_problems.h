#pragma once

#include "core/form_model.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tremaro {

// The places where a form's layout has gone wrong since an earlier state of it: a control
// that now reaches past the inner edge of its container, and two controls of one container
// that now overlap. Only what is new is reported, so a form whose controls overlapped on
// purpose before a correction shows nothing for them afterwards. Controls are matched
// between the two states by name and index; one that did not exist before is new in every
// respect. Controls that take no place on the form, or lie on a hidden tab, are not looked
// at. Touching edges are not an overlap.

struct LayoutProblem {
    enum class Kind { ReachesOut, Overlaps };
    Kind kind = Kind::ReachesOut;
    std::size_t control = 0;  // in the later model
    std::size_t other = 0;    // the container, or the control overlapped
    std::u16string text;      // "Name излиза извън Container." / "Name застъпва Other."
};

std::vector<LayoutProblem> FindNewLayoutProblems(const FormModel& before, const FormModel& after);

}  // namespace tremaro
