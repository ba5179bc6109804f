#pragma once

#include "core/form_model.h"
#include "core/layout_problems.h"
#include "picture/picture_fonts.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace tremaro {

// "Преглед на формата": the form as it was read ("Преди") and as the view's text stands now
// ("След"), side by side at one zoom, with the places where "След" has a problem that "Преди"
// did not listed under them and outlined in red; picking one in the list shows it. A window
// of its own with no owner; it only reads texts and never changes the form.
class PreviewWindow final : public QWidget {
    Q_OBJECT

public:
    PreviewWindow();

    // Shows the window (not yet shown) beside the main window as PlaceSideBySide says, moving
    // the main window where the screen has no room beside it. Until the window manager has
    // framed this window, its frame is taken to be like the main window's; once it is mapped,
    // the two are placed again with the frame it got.
    void OpenBeside(QWidget& mainWindow);

    // Draws both texts afresh, keeping the zoom; after stands to before as factors say (the
    // corrections since the read), which the problems are weighed by.
    void ShowForms(std::u16string_view before, std::u16string_view after, const ScaleFactors& factors = {});

    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);
    void ZoomToFit();

    const FormModel& After() const { return after_; }
    const LayoutProblems& Problems() const { return problems_; }
    std::optional<std::size_t> Highlighted() const { return highlighted_; }

signals:
    // The operator picked a problem: the line of its control's Begin in the text drawn as "След".
    void ProblemPicked(int beginLine);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBeside(QSize frame);
    void BuildControls();
    void Redraw();
    void ShowProblem(int row);
    int ColumnHeadingWidth(const char* objectName) const;

    QSize wantedSize_;  // inside the frame
    QPointer<QWidget> mainWindow_;
    QRect mainFrameAtOpening_;
    bool awaitingFrame_ = false;

    FormModel before_;
    FormModel after_;
    PictureTextMeasure measure_;  // the picture's fonts, kept from one drawing to the next
    LayoutProblems problems_;
    std::optional<std::size_t> highlighted_;
    double zoom_ = 1.0;
    bool zoomChosen_ = false;  // until the operator or a first fit chooses, a new form is fitted

    QPushButton* zoomOut_ = nullptr;
    QPushButton* zoomIn_ = nullptr;
    QPushButton* zoomFit_ = nullptr;
    QLabel* zoomShown_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* beforeCaption_ = nullptr;
    QLabel* afterCaption_ = nullptr;
    QLabel* beforePicture_ = nullptr;
    QLabel* afterPicture_ = nullptr;
    QLabel* beforeNote_ = nullptr;
    QLabel* afterNote_ = nullptr;
    QListWidget* problemList_ = nullptr;
};

}  // namespace tremaro
