#pragma once

#include "core/form_model.h"
#include "core/message.h"
#include "core/scale_factors.h"
#include "core/text_fit.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tremaro {

// The places where a form's layout has gone wrong since an earlier state of it: a control
// that now reaches past the inner edge of its container, two controls of one container that
// now overlap, and (when there is a TextMeasure to ask) a control whose text no longer fits
// inside it (core/text_fit.h). Only what is new is reported, and new in proportion: the later
// state is the earlier one scaled by factors (the correction's percents / 100, across and
// down; 1 for text only typed), so an overlap or a reach past an edge that was there before
// counts only where, on an axis (or an edge), it now exceeds the earlier one times that axis'
// factor by a pixel or more (15 twips); a form whose controls overlapped on purpose before a
// correction shows nothing for them afterwards, nor do overlaps of a few twips that scaling
// makes a pixel wide. A text that did not fit before is not news either. Controls are matched
// between the two states by name and index; one that did not exist before is new in every
// respect. Controls that take no place on the form, or lie on a hidden tab, are not looked
// at. Touching edges are not an overlap, and for controls that lay apart neither is an
// overlap or a reach past an edge of less than a pixel at 100 %: it cannot be seen, and a
// correction that rounds each value on its own leaves controls that touched a twip apart.
//
// A pile of controls that all overlap one another (a hidden tab's controls brought back to
// the form by a correction) has pairs in the square of its size, more than anyone can read or
// a picture can hold. So at most kMostListedProblems are listed and the rest only counted; the
// counting stops after kMostUncountedPairs further pairs have been looked at, and the count
// then says "at least". Only a pile that overlapped already before is gone through pair by
// pair to its end, without building anything.

struct LayoutProblem {
    enum class Kind { ReachesOut, Overlaps, TextDoesNotFit };
    Kind kind = Kind::ReachesOut;
    std::size_t control = 0;  // in the later model
    std::size_t other = 0;    // the container, the control overlapped, or the control itself
    Message message;          // names the control and the other, as its kind needs
};

struct LayoutProblems {
    static constexpr std::size_t kMostListedProblems = 200;
    static constexpr std::size_t kMostUncountedPairs = 100000;

    std::vector<LayoutProblem> listed;  // in the order of the controls they are about
    std::size_t unlisted = 0;           // found beyond the listed ones
    bool unlistedAtLeast = false;       // the counting stopped early: there are more still

    bool Empty() const { return listed.empty(); }
};

// Without a measure, text is not looked at.
LayoutProblems FindNewLayoutProblems(const FormModel& before, const FormModel& after, const ScaleFactors& factors = {},
                                     TextMeasure* measure = nullptr);

// The line that closes a list cut short ("… и още N проблема."); none when nothing was left out.
std::optional<Message> UnlistedProblemsNote(const LayoutProblems& problems);

}  // namespace tremaro
