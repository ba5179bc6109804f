#pragma once

#include "core/form_model.h"
#include "core/layout_problems.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class QPainter;

namespace tremaro {

// A picture of a form's layout as the form designer would show it: the client area at the
// picture's top left corner, 1 pixel for 15 twips at zoom 1, each control drawn as its class
// suggests (buttons raised, text boxes sunken, frames etched, lines and shapes as
// themselves, other and ActiveX controls as a dashed box with their class name), captions in
// the control's font at its size times the zoom. Controls that take no place on the form and
// controls on hidden tabs are not drawn. Works on any paint device, a QImage included, so it
// needs no display.

struct PictureMarks {
    std::vector<std::size_t> outlined;       // controls to outline in red
    std::optional<std::size_t> highlighted;  // the one the operator picked, outlined more
};

// The zoom a form's picture is really drawn at: the one asked for, or less when the picture
// would be larger than about 4096 x 4096 pixels (or longer than 16000 on a side), so that an
// absurd form cannot ask for gigabytes and is still shown whole. Every function below that
// takes a zoom draws and measures at this one.
double PictureZoom(const FormModel& model, double zoom);

// The picture's size in pixels (the client area); at least 1 x 1.
QSize FormPictureSize(const FormModel& model, double zoom);

// Where a control lies in the picture, in pixels.
QRect ControlRectInPicture(const FormModel& model, std::size_t control, double zoom);

void DrawFormPicture(QPainter& painter, const FormModel& model, double zoom, const PictureMarks& marks = {});
QImage RenderFormPicture(const FormModel& model, double zoom, const PictureMarks& marks = {});

// The controls a list of problems is about, to be outlined: each control, and for an
// overlap the control it covers too.
std::vector<std::size_t> ControlsToOutline(const std::vector<LayoutProblem>& problems);

// The line shown under a form's picture: that there is no form to draw, or how many controls
// it leaves out because they lie on hidden tabs; empty when it leaves out none.
QString PictureNote(const FormModel& model);

// The whole comparison on one image: "Преди" and "След" side by side, each with its form's
// caption and hidden-tab note, and the new problems listed under them.
// Both are drawn at one zoom, lowered for the larger form as PictureZoom says. The list holds
// what the finder listed and its closing line, so its height is bounded too.
QImage RenderComparison(const FormModel& before, const FormModel& after, const LayoutProblems& problems, double zoom);

}  // namespace tremaro
