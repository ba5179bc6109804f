#include "core/layout_problems.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tremaro {
namespace {

struct Box {
    std::string kind, name, container;
    int left, top, width, height;
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

std::vector<std::u16string> Texts(const LayoutProblems& problems) {
    std::vector<std::u16string> texts;
    for (const LayoutProblem& problem : problems.listed)
        texts.push_back(problem.text);
    return texts;
}

// By 15 twips, a pixel at 100 %, a control is seen past the edge; by 14 it is not.
TEST(LayoutProblemsTest, reachingPastTheContainer_isReportedOnceItIsNewAndAPixelOrMore) {
    const FormModel before = Form({{"CommandButton", "Command1", "Frame1", 900, 100, 1000, 300},
                                   {"TextBox", "Text1", "", 2500, 1800, 600, 300},
                                   {"Label", "Label1", "Frame1", 0, 0, 2000, 1500},
                                   {"Label", "Label2", "Frame1", 0, 0, 2000, 1500},
                                   {"Label", "Label3", "", 0, 0, 100, 100}});
    const FormModel after = Form({{"CommandButton", "Command1", "Frame1", 900, 100, 1115, 300},
                                  {"TextBox", "Text1", "", 2500, 1800, 700, 300},
                                  {"Label", "Label1", "Frame1", -15, 0, 2000, 1500},
                                  {"Label", "Label2", "Frame1", 0, 0, 2014, 1514},
                                  {"Label", "Label3", "", -14, -14, 100, 100}});
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after)),
              (std::vector<std::u16string>{messages::ReachesOut(u"Command1", u"Frame1"),
                                           messages::ReachesOut(u"Label1", u"Frame1")}));
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
                                   {"CommandButton", "G", "", 2400, 1000, 200, 200},   // touches F
                                   {"Line", "H", "", 2700, 100, 0, 1000},              // a line down...
                                   {"CommandButton", "I", "", 2750, 500, 200, 200}});  // ...beside a button
    const FormModel after = Form({{"CommandButton", "A", "", 2200, 100, 215, 200},
                                  {"CommandButton", "B", "", 2400, 100, 200, 200},
                                  {"CommandButton", "C", "", 2200, 500, 400, 400},
                                  {"CommandButton", "D", "", 2300, 600, 120, 120},
                                  {"CommandButton", "E", "Frame1", 0, 0, 100, 100},  // under C, other container
                                  {"CommandButton", "F", "", 2200, 1000, 201, 200},  // a twip of rounding
                                  {"CommandButton", "G", "", 2400, 1000, 200, 200},
                                  {"Line", "H", "", 2700, 100, 0, 1000},
                                  {"CommandButton", "I", "", 2650, 500, 200, 200}});  // now across the line
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after)),
              (std::vector<std::u16string>{messages::Overlaps(u"A", u"B"), messages::Overlaps(u"H", u"I")}));
    EXPECT_TRUE(FindNewLayoutProblems(before, before).Empty());
}

TEST(LayoutProblemsTest, newControlsCountAsNew_hiddenAndPlacelessOnesAreNotLookedAt) {
    const FormModel before = Form({});
    const FormModel after = Form({{"CommandButton", "New1", "", 2900, 0, 200, 100},
                                  {"CommandButton", "Gone", "", -75000, 0, 5000, 100},
                                  {"Timer", "Timer1", "", 2950, 0, 200, 100}});
    EXPECT_EQ(Texts(FindNewLayoutProblems(before, after)),
              (std::vector<std::u16string>{messages::ReachesOut(u"New1", u"Form1")}));
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

    EXPECT_EQ(UnlistedProblemsNote(FindNewLayoutProblems(pile(3, -60000), pile(3, 0))), u"");
}

}  // namespace
}  // namespace tremaro
