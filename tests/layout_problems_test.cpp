#include "core/layout_problems.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include <string>
#include <vector>

namespace tremaro {
namespace {

struct Box {
    std::string kind, name, container;
    int left, top, width, height;
    std::string more = "";  // further property lines
};

// A form 3000 x 2000 twips holding a frame "Frame1" (at 100, 100, 2000 x 1500) and the given
// controls, each placed in the form or in the frame; a Line runs across its box.
FormModel Form(const std::vector<Box>& boxes) {
    std::string text = "Begin VB.Form Form1\n ClientWidth = 3000\n ClientHeight = 2000\n";
    auto place = [&text](const Box& box) {
        text += " Begin VB." + box.kind + " " + box.name + "\n";
        if (box.kind == "Line")  // from its box's top left corner to the bottom right one
            text += "  X1 = " + std::to_string(box.left) + "\n  X2 = " + std::to_string(box.left + box.width) +
                    "\n  Y1 = " + std::to_string(box.top) + "\n  Y2 = " + std::to_string(box.top + box.height) + "\n";
        else
            text += "  Left = " + std::to_string(box.left) + "\n  Top = " + std::to_string(box.top) +
                    "\n  Width = " + std::to_string(box.width) + "\n  Height = " + std::to_string(box.height) + "\n";
        text += box.more;
    };
    place({"Frame", "Frame1", "", 100, 100, 2000, 1500});
    for (const Box& box : boxes) {
        if (box.container == "Frame1") {
            place(box);
            text += " End\n";
        }
    }
    text += " End\n";
    for (const Box& box : boxes) {
        if (box.container != "Frame1") {
            place(box);
            text += " End\n";
        }
    }
    text += "End\n";
    return BuildFormModel(std::u16string(text.begin(), text.end()));
}

MessageLines Texts(const LayoutProblems& problems) {
    MessageLines texts;
    for (const LayoutProblem& problem : problems.listed)
        texts.push_back(problem.message);
    return texts;
}

// By 15 twips, a pixel at 100 %, a control is seen past the edge; by 14 it is not.
TEST(LayoutProblemsTest, reachingPastTheContainer_isReportedOnceItIsNewAndAPixelOrMore) {
    const FormModel before = Form({{"CommandButton", "Command1", "Frame1", 900, 100, 1000, 300},
                                   {"TextBox", "Text1", "", 2500, 1800, 600, 300},
                                   {"Label", "Label1", "Frame1", 0, 600, 2000, 900},
                                   {"Label", "Label2", "Frame1", 0, 600, 2000, 900},
                                   {"Label", "Label3", "", 0, 0, 100, 100}});
    const FormModel after = Form({{"CommandButton", "Command1", "Frame1", 900, 100, 1115, 300},
                                  {"TextBox", "Text1", "", 2500, 1800, 614, 300},  // out before, hardly more
                                  {"Label", "Label1", "Frame1", -15, 600, 2000, 900},
                                  {"Label", "Label2", "Frame1", 0, 600, 2014, 914},
                                  {"Label", "Label3", "", -14, -14, 100, 100}});
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after)),
              (MessageLines{messages::ReachesOut(u"Command1", u"Frame1"), messages::ReachesOut(u"Label1", u"Frame1")}));
    // What already reached out before is not news.
    EXPECT_TRUE(FindNewLayoutProblems(after, after).Empty());

    const std::vector<LayoutProblem> problems = FindNewLayoutProblems(before, after).listed;
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].kind, LayoutProblem::Kind::ReachesOut);
    EXPECT_EQ(after.controls[problems[0].control].name, u"Command1");
    EXPECT_EQ(after.controls[problems[0].other].name, u"Frame1");
}

TEST(LayoutProblemsTest, overlaps_onlyNewOnesOfAPixelOrMoreBetweenControlsOfOneContainer) {
    const FormModel before = Form({{"CommandButton", "A", "", 2200, 100, 200, 200},
                                   {"CommandButton", "B", "", 2400, 100, 200, 200},  // touches A
                                   {"CommandButton", "C", "", 2200, 500, 400, 400},
                                   {"CommandButton", "D", "", 2300, 600, 100, 100},  // inside C already
                                   {"CommandButton", "E", "Frame1", 0, 0, 100, 100},
                                   {"CommandButton", "F", "", 2200, 1000, 200, 200},
                                   {"CommandButton", "G", "", 2400, 1000, 200, 200},  // touches F
                                   {"Line", "H", "", 2700, 100, 0, 1000},             // a line down...
                                   {"CommandButton", "I", "", 2750, 500, 200, 200},   // ...beside a button
                                   {"Line", "J", "", 2200, 1300, 0, 300},             // on a button's edge
                                   {"CommandButton", "K", "", 2200, 1250, 200, 400}});
    const FormModel after = Form({{"CommandButton", "A", "", 2200, 100, 215, 200},
                                  {"CommandButton", "B", "", 2400, 100, 200, 200},
                                  {"CommandButton", "C", "", 2200, 500, 400, 400},
                                  {"CommandButton", "D", "", 2300, 600, 114, 114},   // grown by less than a pixel
                                  {"CommandButton", "E", "Frame1", 0, 0, 100, 100},  // under C, other container
                                  {"CommandButton", "F", "", 2200, 1000, 201, 200},  // a twip of rounding
                                  {"CommandButton", "G", "", 2400, 1000, 200, 200},
                                  {"Line", "H", "", 2700, 100, 0, 1000},
                                  {"CommandButton", "I", "", 2650, 500, 200, 200},  // now across the line
                                  {"Line", "J", "", 2200, 1300, 0, 300},            // 5 twips inside, in rounding
                                  {"CommandButton", "K", "", 2195, 1250, 200, 400}});
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after)),
              (MessageLines{messages::Overlaps(u"A", u"B"), messages::Overlaps(u"H", u"I")}));
    EXPECT_TRUE(FindNewLayoutProblems(before, before).Empty());
}

// At 125 % an overlap of 12 twips becomes 15, a pixel, and a reach of 12 past an edge too:
// in proportion nothing has changed. What grows past the scaled amount by a pixel is new, and
// so is an overlap of controls that lay apart.
TEST(LayoutProblemsTest, atAFactor_onlyWhatExceedsTheScaledOverlapOrReachIsNew) {
    const FormModel before = Form({{"CommandButton", "A", "", 200, 100, 412, 200},  // 12 into B
                                   {"CommandButton", "B", "", 600, 100, 400, 200},
                                   {"CommandButton", "C", "", 200, 500, 400, 200},  // 12 into D
                                   {"CommandButton", "D", "", 588, 500, 400, 200},
                                   {"CommandButton", "E", "", 200, 900, 400, 200},  // apart from F
                                   {"CommandButton", "F", "", 600, 900, 400, 200},
                                   {"CommandButton", "G", "", 2412, 1200, 600, 200},  // 12 past the right edge
                                   {"CommandButton", "H", "", 2412, 1500, 600, 200}});
    const FormModel after = Form({{"CommandButton", "A", "", 250, 125, 515, 250},  // 15 into B: in proportion
                                  {"CommandButton", "B", "", 750, 125, 500, 250},
                                  {"CommandButton", "C", "", 250, 625, 500, 250},  // 30 into D: 15 more
                                  {"CommandButton", "D", "", 720, 625, 500, 250},
                                  {"CommandButton", "E", "", 250, 1125, 500, 250},  // 30 into F, newly
                                  {"CommandButton", "F", "", 720, 1125, 500, 250},
                                  {"CommandButton", "G", "", 3015, 1500, 750, 250},    // 15 past: in proportion
                                  {"CommandButton", "H", "", 3000, 1875, 780, 250}});  // 30 past: 15 more
    // The form's client area grows with its controls.
    FormModel scaledAfter = after;
    scaledAfter.clientWidth = 3750;
    scaledAfter.clientHeight = 2500;
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, scaledAfter, ScaleFactors::Both(1.25))),
              (MessageLines{messages::Overlaps(u"C", u"D"), messages::Overlaps(u"E", u"F"),
                            messages::ReachesOut(u"H", u"Form1")}));
}

// With a factor for each axis, a reach past a left or right edge is weighed by the one across
// and a reach past a top or bottom edge by the one down: G reaches 120 past the right edge and
// K 120 past the bottom; each grows by its own axis' factor, which is no news.
TEST(LayoutProblemsTest, atTwoFactors_eachEdgeIsWeighedByItsAxis) {
    const FormModel before =
        Form({{"CommandButton", "G", "", 2880, 100, 240, 100}, {"CommandButton", "K", "", 100, 1880, 100, 240}});
    FormModel wider = Form({{"CommandButton", "G", "", 3600, 100, 300, 100},  // 150 past
                            {"CommandButton", "K", "", 125, 1880, 125, 240}});
    wider.clientWidth = 3750;
    EXPECT_TRUE(FindNewLayoutProblems(before, wider, {1.25, 1.0}).Empty());
    EXPECT_FALSE(FindNewLayoutProblems(before, wider, {1.0, 1.25}).Empty());
    FormModel taller = Form({{"CommandButton", "G", "", 2880, 125, 240, 125},
                             {"CommandButton", "K", "", 100, 2350, 100, 300}});  // 150 past
    taller.clientHeight = 2500;
    EXPECT_TRUE(FindNewLayoutProblems(before, taller, {1.0, 1.25}).Empty());
    EXPECT_FALSE(FindNewLayoutProblems(before, taller, {1.25, 1.0}).Empty());
}

TEST(LayoutProblemsTest, newControlsCountAsNew_hiddenAndPlacelessOnesAreNotLookedAt) {
    const FormModel before = Form({});
    const FormModel after = Form({{"CommandButton", "New1", "", 2900, 0, 200, 100},
                                  {"CommandButton", "Gone", "", -75000, 0, 5000, 100},
                                  {"Timer", "Timer1", "", 2950, 0, 200, 100}});
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after)), (MessageLines{messages::ReachesOut(u"New1", u"Form1")}));
}

// A font of fixed pitch: every character 100 twips wide, a line 200 high, lines broken between
// words; "&" marks a mnemonic and takes no room.
class FixedPitch final : public TextMeasure {
public:
    TextExtent Measure(const FormFont&, std::u16string_view text, std::optional<double> wrapWidth,
                       bool mnemonics) override {
        std::vector<double> words{0};
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (mnemonics && text[i] == u'&' && i + 1 < text.size())
                ++i;  // the marked character, or the second of "&&"
            if (text[i] == u' ')
                words.push_back(0);
            else
                words.back() += 100;
        }
        TextExtent extent{0, 200};
        double line = -100;
        for (const double word : words) {
            if (wrapWidth && line >= 0 && line + 100 + word > *wrapWidth) {
                extent.height += 200;
                line = word;
            } else {
                line += 100 + word;
            }
            extent.width = std::max(extent.width, line);
        }
        return extent;
    }
};

std::string Caption(const std::string& text) {
    return "  Caption = \"" + text + "\"\n";
}

TEST(LayoutProblemsTest, textThatNoLongerFits_isListedForEachKindThatShowsIt) {
    // All stand at one spot before as after, so that only their text is news; each holds 4
    // characters (400 twips) or says how many it holds.
    const auto form = [](bool after) {
        const auto at = [after](const std::string& kind, const std::string& name, int width, int height, int widthAfter,
                                int heightAfter, const std::string& more) {
            return Box{kind, name, "", 2200, 100, after ? widthAfter : width, after ? heightAfter : height, more};
        };
        std::vector<Box> boxes = {
            at("Label", "Narrower", 600, 300, 390, 300, Caption("Name")),
            at("Label", "JustFits", 600, 300, 400, 300, Caption("Name")),
            at("Label", "Sized", 600, 300, 100, 100, Caption("Name") + "  AutoSize = -1 'True\n"),
            at("Label", "Wraps", 600, 450, 450, 450, Caption("Aa Bb")),        // two lines of 200 fit 450
            at("Label", "WrapsTooLow", 600, 450, 450, 300, Caption("Aa Bb")),  // but not 300
            at("Label", "NeverFitted", 300, 300, 300, 300, Caption("Name")),
            at("CommandButton", "Go", 500, 300, 450, 300, Caption("&Save")),    // inside a 30-twip edge
            at("Frame", "Box", 800, 100, 600, 100, Caption("Group")),           // 8 pixels in, 2 before the edge
            at("TextBox", "Single", 500, 300, 500, 250, "  Text = \"abc\"\n"),  // 30 twips off, top and bottom
            at("TextBox", "Multi", 500, 300, 500, 250, "  Text = \"abc\"\n  MultiLine = -1 'True\n"),
            at("ComboBox", "Combo", 700, 300, 700, 100, "  Text = \"abc\"\n"),  // its height is its font's
            at("CheckBox", "Tick", 600, 300, 500, 300, Caption("Yes")),         // 17 pixels for the mark
            at("Line", "Underline", 600, 0, 100, 0, Caption("Name")),
        };
        if (after)
            boxes.push_back({"Label", "Fresh", "", 100, 1700, 100, 200, Caption("Name")});
        return Form(boxes);
    };
    const FormModel before = form(false);
    const FormModel after = form(true);
    FixedPitch measure;
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after, {}, &measure)),
              (MessageLines{messages::TextDoesNotFit(u"Narrower"), messages::TextDoesNotFit(u"WrapsTooLow"),
                            messages::TextDoesNotFit(u"Go"), messages::TextDoesNotFit(u"Box"),
                            messages::TextDoesNotFit(u"Single"), messages::TextDoesNotFit(u"Tick"),
                            messages::TextDoesNotFit(u"Fresh")}));
    const LayoutProblem first = FindNewLayoutProblems(before, after, {}, &measure).listed.front();
    EXPECT_EQ(first.kind, LayoutProblem::Kind::TextDoesNotFit);
    EXPECT_EQ(after.controls[first.control].name, u"Narrower");
    // Without a measure the text is not looked at.
    EXPECT_TRUE(FindNewLayoutProblems(before, after).Empty());
}

// The controls of a hidden tab that a correction brings back onto the form all overlap: the
// list stops at its limit and says how many more there are, and a pile of any size is cheap.
TEST(LayoutProblemsTest, aPileBroughtBackFromAHiddenTab_isListedUpToTheLimitAndTheRestCounted) {
    auto pile = [](int count, int left) {
        std::vector<Box> boxes;
        for (int i = 0; i < count; ++i)
            boxes.push_back({"CommandButton", std::string("C").append(std::to_string(i)), "", left, 0, 100, 100});
        return Form(boxes);
    };
    // 30 controls make 435 pairs: 200 listed, 235 counted.
    const LayoutProblems some = FindNewLayoutProblems(pile(30, -60000), pile(30, 0));
    EXPECT_EQ(some.listed.size(), 200u);
    EXPECT_EQ(some.unlisted, 235u);
    EXPECT_EQ(UnlistedProblemsNote(some), messages::UnlistedProblems(235, false));
    EXPECT_EQ(Texts(some)[0], messages::Overlaps(u"C0", u"C1"));

    // 1500 make 1,124,250 pairs: the counting stops on its budget and says so.
    const LayoutProblems many = FindNewLayoutProblems(pile(1500, -60000), pile(1500, 0));
    EXPECT_EQ(many.listed.size(), 200u);
    EXPECT_TRUE(many.unlistedAtLeast);
    EXPECT_GE(many.unlisted, 1000u);
    EXPECT_LT(many.unlisted, 1124250u - 200u);
    EXPECT_EQ(UnlistedProblemsNote(many), messages::UnlistedProblems(many.unlisted, true));

    EXPECT_EQ(UnlistedProblemsNote(FindNewLayoutProblems(pile(3, -60000), pile(3, 0))), std::nullopt);
}

}  // namespace
}  // namespace tremaro
