#include "core/layout_problems.h"

#include "core/messages.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

namespace tremaro {
namespace {

// Less than a pixel at 100 % cannot be seen, and values rounded one by one (a control's Left,
// its neighbour's Left and Width) often meet a twip apart after a correction.
constexpr double kLeastVisible = kTwipsPerPixel;

bool Looked(const FormControl& control) {
    return TakesPlace(control) && !control.onHiddenTab;
}

bool ContainerHasSize(const FormModel& model, std::size_t container) {
    if (container == 0)
        return model.clientWidth && model.clientHeight;
    const FormControl& c = model.controls[container];
    return c.width && c.height;
}

// How far a control reaches past each inner edge of its container, in twips (negative
// where it stays inside): left, top, right, bottom. Nothing when it is not looked at or its
// container has no size.
std::optional<TwipsBox> ReachOf(const FormModel& model, std::size_t index) {
    const FormControl& control = model.controls[index];
    if (!Looked(control) || !ContainerHasSize(model, *control.container))
        return std::nullopt;
    const TwipsBox box = BoxOf(control);
    const TwipsBox inner = InnerBoxOf(model, *control.container);
    return TwipsBox{inner.left - box.left, inner.top - box.top, box.right - inner.right, box.bottom - inner.bottom};
}

// Whether a reach (or an overlap) of `now` twips is new beside one of `was` before a
// correction by factor: a pixel or more, and, where there was one before, a pixel or more
// beyond it scaled. A correction that scales every value keeps what was there in proportion,
// and rounding each value on its own moves edges by a twip or two, which scaled overlaps of
// a few twips cross a pixel with.
bool NewInProportion(double now, std::optional<double> was, double factor) {
    if (now < kLeastVisible)
        return false;
    return !was || *was <= 0 || now - *was * factor >= kLeastVisible;
}

// A reach past a left or right edge grows with the widths, one past a top or bottom edge with
// the heights.
bool ReachesOutAnew(const TwipsBox& now, const std::optional<TwipsBox>& was, const ScaleFactors& factors) {
    const auto side = [&was](double TwipsBox::*edge) {
        return was ? std::optional<double>((*was).*edge) : std::nullopt;
    };
    return NewInProportion(now.left, side(&TwipsBox::left), factors.horizontal) ||
           NewInProportion(now.top, side(&TwipsBox::top), factors.vertical) ||
           NewInProportion(now.right, side(&TwipsBox::right), factors.horizontal) ||
           NewInProportion(now.bottom, side(&TwipsBox::bottom), factors.vertical);
}

// How much two spans across (or down) share, in twips; negative when they lie apart. A span
// of no length (a Line across a control) shares how deep it lies inside the other, from the
// nearer end: a line whose ends are given in pixels or inches may stand a few twips inside a
// control whose edge it runs along, which cannot be seen.
double Shared(double a0, double a1, double b0, double b1) {
    if (a0 == a1)
        return std::min(a0 - b0, b1 - a0);
    if (b0 == b1)
        return std::min(b0 - a0, a1 - b0);
    return std::min(a1, b1) - std::max(a0, b0);
}

struct Overlap {
    double across = 0, down = 0;  // twips shared; an overlap when both are positive
};

Overlap OverlapOf(const TwipsBox& a, const TwipsBox& b) {
    return {Shared(a.left, a.right, b.left, b.right), Shared(a.top, a.bottom, b.top, b.bottom)};
}

bool Seen(const Overlap& overlap) {
    return overlap.across >= kLeastVisible && overlap.down >= kLeastVisible;
}

// Controls that lay apart (or touched) before overlap anew as soon as the overlap is seen;
// controls that overlapped before only when it has grown past the scaled one on an axis.
bool OverlapsAnew(const Overlap& now, const std::optional<Overlap>& was, const ScaleFactors& factors) {
    if (!Seen(now))
        return false;
    if (!was || was->across <= 0 || was->down <= 0)
        return true;
    return NewInProportion(now.across, was->across, factors.horizontal) ||
           NewInProportion(now.down, was->down, factors.vertical);
}

// The earlier state, looked up once for each control of the later one.
class Earlier {
public:
    Earlier(const FormModel& before, const FormModel& after) : model_(before), match_(after.controls.size()) {
        std::unordered_map<std::u16string, std::size_t> byName;
        for (std::size_t i = 1; i < before.controls.size(); ++i)
            byName.emplace(before.controls[i].DisplayName(), i);
        for (std::size_t i = 1; i < after.controls.size(); ++i)
            if (const auto found = byName.find(after.controls[i].DisplayName()); found != byName.end())
                match_[i] = found->second;
    }

    std::optional<TwipsBox> Reach(std::size_t later) const {
        return match_[later] ? ReachOf(model_, *match_[later]) : std::nullopt;
    }

    // A control that is new did not fit before, in the sense that its problem is new.
    bool TextFitted(std::size_t later, TextMeasure& measure) const {
        return !match_[later] || TextFits(model_.controls[*match_[later]], measure);
    }

    std::optional<Overlap> OverlapBefore(std::size_t later, std::size_t otherLater) const {
        if (!match_[later] || !match_[otherLater])
            return std::nullopt;
        const FormControl& was = model_.controls[*match_[later]];
        const FormControl& other = model_.controls[*match_[otherLater]];
        if (!Looked(was) || !Looked(other))
            return std::nullopt;
        return OverlapOf(BoxOf(was), BoxOf(other));
    }

private:
    const FormModel& model_;
    std::vector<std::optional<std::size_t>> match_;  // for each later control, its earlier self
};

LayoutProblem Problem(LayoutProblem::Kind kind, const FormModel& model, std::size_t control, std::size_t other) {
    const std::u16string name = model.controls[control].DisplayName();
    const std::u16string otherName = model.controls[other].DisplayName();
    switch (kind) {
    case LayoutProblem::Kind::ReachesOut:
        return {kind, control, other, messages::ReachesOut(name, otherName)};
    case LayoutProblem::Kind::Overlaps:
        return {kind, control, other, messages::Overlaps(name, otherName)};
    case LayoutProblem::Kind::TextDoesNotFit:
        break;
    }
    return {kind, control, control, messages::TextDoesNotFit(name)};
}

struct Placed {
    std::size_t index;
    TwipsBox box;
};

// Lists problems up to the limit and counts the rest, within the counting budget.
class ProblemCollector {
public:
    bool Full() const { return problems_.listed.size() >= LayoutProblems::kMostListedProblems; }
    bool CountingStopped() const { return problems_.unlistedAtLeast; }

    template <typename MakeProblem>
    void Found(MakeProblem make) {
        if (Full())
            ++problems_.unlisted;
        else
            problems_.listed.push_back(make());
    }

    // One more pair looked at; false once the count of the unlisted ones has used its budget.
    bool LookAtPair() {
        if (!Full())
            return true;
        if (++pairsAfterFull_ > LayoutProblems::kMostUncountedPairs)
            problems_.unlistedAtLeast = true;
        return !problems_.unlistedAtLeast;
    }

    LayoutProblems Take() { return std::move(problems_); }

private:
    LayoutProblems problems_;
    std::size_t pairsAfterFull_ = 0;
};

// Sorted by left edge, each control meets only those that start before it ends.
void FindNewOverlaps(std::vector<Placed>& siblings, const FormModel& after, const Earlier& earlier,
                     const ScaleFactors& factors, ProblemCollector& found) {
    std::sort(siblings.begin(), siblings.end(), [](const Placed& a, const Placed& b) {
        // By position in the file among equals, so the same form always lists the same problems.
        return a.box.left != b.box.left ? a.box.left < b.box.left : a.index < b.index;
    });
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        for (std::size_t j = i + 1; j < siblings.size() && siblings[j].box.left < siblings[i].box.right; ++j) {
            if (!found.LookAtPair())
                return;
            const Overlap overlap = OverlapOf(siblings[i].box, siblings[j].box);
            if (!Seen(overlap))
                continue;
            const std::size_t first = std::min(siblings[i].index, siblings[j].index);
            const std::size_t second = std::max(siblings[i].index, siblings[j].index);
            if (OverlapsAnew(overlap, earlier.OverlapBefore(first, second), factors))
                found.Found([&] { return Problem(LayoutProblem::Kind::Overlaps, after, first, second); });
        }
    }
}

}  // namespace

LayoutProblems FindNewLayoutProblems(const FormModel& before, const FormModel& after, const ScaleFactors& factors,
                                     TextMeasure* measure) {
    if (after.Empty())
        return {};
    ProblemCollector found;
    const Earlier earlier(before, after);
    std::vector<std::vector<Placed>> children(after.controls.size());
    for (std::size_t i = 1; i < after.controls.size(); ++i) {
        const FormControl& control = after.controls[i];
        if (!Looked(control))
            continue;
        children[*control.container].push_back({i, BoxOf(control)});
        if (const std::optional<TwipsBox> reach = ReachOf(after, i);
            reach && ReachesOutAnew(*reach, earlier.Reach(i), factors))
            found.Found([&] { return Problem(LayoutProblem::Kind::ReachesOut, after, i, *control.container); });
        if (measure && !TextFits(control, *measure) && earlier.TextFitted(i, *measure))
            found.Found([&] { return Problem(LayoutProblem::Kind::TextDoesNotFit, after, i, i); });
    }
    for (std::vector<Placed>& siblings : children) {
        if (found.CountingStopped())
            break;
        FindNewOverlaps(siblings, after, earlier, factors, found);
    }
    LayoutProblems problems = found.Take();
    std::stable_sort(problems.listed.begin(), problems.listed.end(),
                     [](const LayoutProblem& a, const LayoutProblem& b) {
                         return a.control != b.control ? a.control < b.control : a.kind < b.kind;
                     });
    return problems;
}

std::optional<Message> UnlistedProblemsNote(const LayoutProblems& problems) {
    if (problems.unlisted == 0 && !problems.unlistedAtLeast)
        return std::nullopt;
    return messages::UnlistedProblems(problems.unlisted, problems.unlistedAtLeast);
}

}  // namespace tremaro
