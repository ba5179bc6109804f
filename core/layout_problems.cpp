#include "core/layout_problems.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace tremaro {
namespace {

bool Looked(const FormControl& control) {
    return TakesPlace(control) && !control.onHiddenTab;
}

bool ContainerHasSize(const FormModel& model, std::size_t container) {
    if (container == 0)
        return model.clientWidth && model.clientHeight;
    const FormControl& c = model.controls[container];
    return c.width && c.height;
}

bool ReachesOut(const FormModel& model, std::size_t index) {
    const FormControl& control = model.controls[index];
    if (!Looked(control) || !ContainerHasSize(model, *control.container))
        return false;
    const TwipsBox box = BoxOf(control);
    const TwipsBox inner = InnerBoxOf(model, *control.container);
    return box.left < inner.left || box.top < inner.top || box.right > inner.right || box.bottom > inner.bottom;
}

bool Overlap(const TwipsBox& a, const TwipsBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class Earlier {
public:
    explicit Earlier(const FormModel& model) : model_(model) {
        for (std::size_t i = 1; i < model.controls.size(); ++i)
            byName_.emplace(model.controls[i].DisplayName(), i);
    }

    std::optional<std::size_t> Find(const FormControl& control) const {
        const auto found = byName_.find(control.DisplayName());
        if (found == byName_.end())
            return std::nullopt;
        return found->second;
    }

    bool ReachedOut(const FormControl& control) const {
        const auto index = Find(control);
        return index && ReachesOut(model_, *index);
    }

    bool Overlapped(const FormControl& a, const FormControl& b) const {
        const auto first = Find(a);
        const auto second = Find(b);
        if (!first || !second)
            return false;
        const FormControl& was = model_.controls[*first];
        const FormControl& other = model_.controls[*second];
        return Looked(was) && Looked(other) && Overlap(BoxOf(was), BoxOf(other));
    }

private:
    const FormModel& model_;
    std::unordered_map<std::u16string, std::size_t> byName_;
};

LayoutProblem Problem(LayoutProblem::Kind kind, const FormModel& model, std::size_t control, std::size_t other) {
    const std::u16string_view joint = kind == LayoutProblem::Kind::ReachesOut ? u" излиза извън " : u" застъпва ";
    std::u16string text = model.controls[control].DisplayName();
    text += joint;
    text += model.controls[other].DisplayName();
    text += u'.';
    return {kind, control, other, std::move(text)};
}

struct Placed {
    std::size_t index;
    TwipsBox box;
};

// Sorted by left edge, each control meets only those that start before it ends.
void FindNewOverlaps(std::vector<Placed>& siblings, const FormModel& after, const Earlier& earlier,
                     std::vector<LayoutProblem>& problems) {
    std::sort(siblings.begin(), siblings.end(),
              [](const Placed& a, const Placed& b) { return a.box.left < b.box.left; });
    for (std::size_t i = 0; i < siblings.size(); ++i) {
        for (std::size_t j = i + 1; j < siblings.size() && siblings[j].box.left < siblings[i].box.right; ++j) {
            if (!Overlap(siblings[i].box, siblings[j].box))
                continue;
            const std::size_t first = std::min(siblings[i].index, siblings[j].index);
            const std::size_t second = std::max(siblings[i].index, siblings[j].index);
            if (!earlier.Overlapped(after.controls[first], after.controls[second]))
                problems.push_back(Problem(LayoutProblem::Kind::Overlaps, after, first, second));
        }
    }
}

}  // namespace

std::vector<LayoutProblem> FindNewLayoutProblems(const FormModel& before, const FormModel& after) {
    std::vector<LayoutProblem> problems;
    if (after.Empty())
        return problems;
    const Earlier earlier(before);
    std::vector<std::vector<Placed>> children(after.controls.size());
    for (std::size_t i = 1; i < after.controls.size(); ++i) {
        const FormControl& control = after.controls[i];
        if (!Looked(control))
            continue;
        children[*control.container].push_back({i, BoxOf(control)});
        if (ReachesOut(after, i) && !earlier.ReachedOut(control))
            problems.push_back(Problem(LayoutProblem::Kind::ReachesOut, after, i, *control.container));
    }
    for (std::vector<Placed>& siblings : children)
        FindNewOverlaps(siblings, after, earlier, problems);
    std::stable_sort(problems.begin(), problems.end(), [](const LayoutProblem& a, const LayoutProblem& b) {
        return a.control != b.control ? a.control < b.control : a.kind < b.kind;
    });
    return problems;
}

}  // namespace tremaro
