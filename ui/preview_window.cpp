#include "ui/preview_window.h"

#include "picture/captions.h"
#include "ui/enter_presses_button.h"
#include "picture/form_picture.h"
#include "picture/qt_text.h"
#include "ui/window_placement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <tuple>

namespace tremaro {
namespace {

constexpr double kZoomStep = 1.25;
// Low enough for Побери to fit even a form of 300,000 twips a side (20,000 pixels at 100 %)
// into a window, which takes about 2 %.
constexpr double kSmallestZoom = 0.01;
constexpr double kLargestZoom = 8.0;
constexpr int kPictureGap = 24;
// Beside the main window the window is as wide as the room there, but not narrower than this:
// two pictures and the buttons still stand side by side.
constexpr int kNarrowestBeside = 500;

template <typename Widget>
Widget* Named(Widget* widget, const char* objectName) {
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

QLabel* Heading(const QString& text, const char* objectName) {
    auto* label = Named(new QLabel(text), objectName);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    label->setFont(bold);
    return label;
}

// The form's caption as the title bar above its picture shows it.
QLabel* TitleBar(const char* objectName) {
    auto* title = Named(new QLabel, objectName);
    title->setAutoFillBackground(true);
    QPalette colours = title->palette();
    colours.setColor(QPalette::Window, QColor(10, 36, 106));
    colours.setColor(QPalette::WindowText, Qt::white);
    title->setPalette(colours);
    title->setMargin(3);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

QVBoxLayout* PictureColumn(QLabel* heading, QLabel* caption, QLabel* picture, QLabel* note) {
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    for (QLabel* label : {heading, caption, picture, note}) {
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        column->addWidget(label, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    column->addStretch();
    return column;
}

QPixmap PictureOf(const FormModel& model, double zoom, const PictureMarks& marks = {}) {
    if (model.Empty())
        return {};
    return QPixmap::fromImage(RenderFormPicture(model, zoom, marks));
}

}  // namespace

PreviewWindow::PreviewWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(captions::PreviewTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    BuildControls();
    // Room for two pictures side by side, but never more than the screen has, frame included.
    const QSize wanted(1100, 760);
    wantedSize_ = screen() ? wanted.boundedTo(screen()->availableGeometry().size() * 9 / 10) : wanted;
    resize(wantedSize_);
}

void PreviewWindow::OpenBeside(QWidget& mainWindow) {
    mainWindow_ = &mainWindow;
    mainFrameAtOpening_ = mainWindow.frameGeometry();
    PlaceBeside(mainWindow.frameGeometry().size() - mainWindow.size());
    awaitingFrame_ = true;
    show();
    windowHandle()->installEventFilter(this);
}

// Both frames are the window manager's: the main window's as it stood when the operator asked
// for this one, and this one's as it says once the window is mapped.
void PreviewWindow::PlaceBeside(QSize frame) {
    const QScreen* shown = mainWindow_ ? mainWindow_->screen() : nullptr;
    if (!shown)
        return;
    const SideBySide place =
        PlaceSideBySide(mainFrameAtOpening_, wantedSize_ + frame, shown->availableGeometry(), kNarrowestBeside);
    if (place.main.topLeft() != mainWindow_->frameGeometry().topLeft())
        mainWindow_->move(place.main.topLeft());
    resize(place.beside.size() - frame);
    move(place.beside.topLeft());
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (awaitingFrame_ && watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        // Only the first frame is followed: the window is the operator's to move from then on.
        awaitingFrame_ = false;
        const QMargins margins = windowHandle()->frameMargins();
        PlaceBeside(QSize(margins.left() + margins.right(), margins.top() + margins.bottom()));
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::BuildControls() {
    zoomOut_ = Named(new QPushButton(captions::ZoomOutButton()), "zoomOut");
    zoomIn_ = Named(new QPushButton(captions::ZoomInButton()), "zoomIn");
    zoomFit_ = Named(new QPushButton(captions::ZoomToFitButton()), "zoomFit");
    zoomShown_ = Named(new QLabel, "zoomShown");
    zoomOut_->setShortcut(QKeySequence::ZoomOut);
    zoomIn_->setShortcut(QKeySequence::ZoomIn);
    auto* zoomRow = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(zoomOut_), static_cast<QWidget*>(zoomIn_),
                            static_cast<QWidget*>(zoomFit_), static_cast<QWidget*>(zoomShown_)})
        zoomRow->addWidget(widget);
    zoomRow->addStretch();

    beforeCaption_ = TitleBar("captionBefore");
    afterCaption_ = TitleBar("captionAfter");
    beforePicture_ = Named(new QLabel, "pictureBefore");
    afterPicture_ = Named(new QLabel, "pictureAfter");
    beforeNote_ = Named(new QLabel, "noteBefore");
    afterNote_ = Named(new QLabel, "noteAfter");
    auto* pictures = new QWidget;
    auto* pictureRow = new QHBoxLayout(pictures);
    pictureRow->setSpacing(kPictureGap);
    pictureRow->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureRow->addLayout(PictureColumn(Heading(captions::BeforeHeading(), "headingBefore"), beforeCaption_,
                                        beforePicture_, beforeNote_));
    pictureRow->addLayout(
        PictureColumn(Heading(captions::AfterHeading(), "headingAfter"), afterCaption_, afterPicture_, afterNote_));
    pictureRow->addStretch();
    scroll_ = Named(new QScrollArea, "pictures");
    scroll_->setWidget(pictures);
    scroll_->setWidgetResizable(true);

    problemList_ = Named(new QListWidget, "problems");
    problemList_->setMaximumHeight(110);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(zoomRow);
    layout->addWidget(scroll_, 1);
    layout->addWidget(problemList_);

    connect(zoomOut_, &QPushButton::clicked, this, [this] { SetZoom(zoom_ / kZoomStep); });
    connect(zoomIn_, &QPushButton::clicked, this, [this] { SetZoom(zoom_ * kZoomStep); });
    connect(zoomFit_, &QPushButton::clicked, this, &PreviewWindow::ZoomToFit);
    connect(problemList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowProblem(problemList_->row(item)); });
    connect(problemList_, &QListWidget::currentRowChanged, this, &PreviewWindow::ShowProblem);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
    if (!PressFocusedButtonOnEnter(*this, *event))
        QWidget::keyPressEvent(event);
}

void PreviewWindow::ShowForms(std::u16string_view before, std::u16string_view after, const ScaleFactors& factors) {
    before_ = BuildFormModel(before);
    after_ = BuildFormModel(after);
    zoom_ = std::min({zoom_, PictureZoom(before_, zoom_), PictureZoom(after_, zoom_)});
    problems_ = FindNewLayoutProblems(before_, after_, factors, &measure_);
    highlighted_.reset();

    const QSignalBlocker quiet(problemList_);
    problemList_->clear();
    for (const LayoutProblem& problem : problems_.listed)
        problemList_->addItem(QString::fromStdString(TextOf(problem.message)));
    if (const auto more = UnlistedProblemsNote(problems_)) {
        auto* rest = new QListWidgetItem(QString::fromStdString(TextOf(*more)), problemList_);
        rest->setFlags(Qt::NoItemFlags);
    }
    if (problems_.Empty()) {
        auto* none = new QListWidgetItem(captions::NoNewProblems(), problemList_);
        none->setFlags(Qt::NoItemFlags);
    }
    Redraw();
    if (!zoomChosen_ && !after_.Empty()) {
        // Once the new window has its size: a form larger than the view is fitted, a
        // smaller one stays at 100 %.
        QTimer::singleShot(0, this, [this] {
            if (zoomChosen_)
                return;
            ZoomToFit();
            if (zoom_ > 1.0)
                SetZoom(1.0);
        });
    }
}

void PreviewWindow::SetZoom(double zoom) {
    // The larger form decides how far the zoom can go, so both stay at one zoom and the
    // zoom shown is the one drawn.
    zoom = std::clamp(zoom, kSmallestZoom, kLargestZoom);
    zoom_ = std::min({zoom, PictureZoom(before_, zoom), PictureZoom(after_, zoom)});
    zoomChosen_ = true;
    Redraw();
}

void PreviewWindow::ZoomToFit() {
    // Around the pictures the view holds what does not scale (headings, notes, margins), and a
    // note wider than its picture widens the picture's column; the zoom that fits is found on
    // the column widths as they would be, measured from the pictures as they are now.
    Redraw();
    layout()->activate();
    scroll_->widget()->layout()->activate();
    struct Column {
        double pictureAtFull;  // width in pixels at 100 %
        int fixed;             // the widest label of the column that does not scale
    };
    const Column columns[] = {{beforePicture_->pixmap().width() / zoom_,
                               std::max(beforeNote_->sizeHint().width(), ColumnHeadingWidth("headingBefore"))},
                              {afterPicture_->pixmap().width() / zoom_,
                               std::max(afterNote_->sizeHint().width(), ColumnHeadingWidth("headingAfter"))}};
    auto columnsWidth = [&columns](double zoom) {
        double width = 0;
        for (const Column& column : columns)
            width += std::max(column.pictureAtFull * zoom, double(column.fixed));
        return width;
    };
    const QSize whole = scroll_->widget()->sizeHint();
    const int shownHeight = std::max(beforePicture_->pixmap().height(), afterPicture_->pixmap().height());
    const double aroundWidth = whole.width() - columnsWidth(zoom_);
    const QSize room = scroll_->viewport()->size();
    // The widths grow with the zoom, so the largest zoom that fits is found by halving.
    double fits = 0;
    double tooLarge = kLargestZoom * 2;
    for (int step = 0; step < 40; ++step) {
        const double middle = (fits + tooLarge) / 2;
        (aroundWidth + columnsWidth(middle) <= room.width() ? fits : tooLarge) = middle;
    }
    const double heightAtFull = shownHeight / zoom_;
    const double down = heightAtFull > 0 ? (room.height() - (whole.height() - shownHeight)) / heightAtFull : fits;
    SetZoom(std::min(fits, down));
}

int PreviewWindow::ColumnHeadingWidth(const char* objectName) const {
    const auto* heading = findChild<QLabel*>(QLatin1String(objectName));
    return heading ? heading->sizeHint().width() : 0;
}

void PreviewWindow::Redraw() {
    beforePicture_->setPixmap(PictureOf(before_, zoom_));
    afterPicture_->setPixmap(PictureOf(after_, zoom_, {ControlsToOutline(problems_.listed), highlighted_}));
    for (auto [caption, model, picture] :
         {std::tuple(beforeCaption_, &before_, beforePicture_), std::tuple(afterCaption_, &after_, afterPicture_)}) {
        caption->setText(ToQString(model->caption));
        caption->setFixedWidth(picture->pixmap().width());
        caption->setVisible(model->HasTitleBar());
    }
    beforeNote_->setText(PictureNote(before_));
    afterNote_->setText(PictureNote(after_));
    zoomShown_->setText(captions::ZoomShown(qRound(zoom_ * 100)));
}

void PreviewWindow::ShowProblem(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= problems_.listed.size())
        return;
    highlighted_ = problems_.listed[static_cast<std::size_t>(row)].control;
    emit ProblemPicked(after_.controls[*highlighted_].beginLine);
    Redraw();
    const QRect place = ControlRectInPicture(after_, *highlighted_, zoom_);
    const QPoint centre = afterPicture_->mapTo(scroll_->widget(), place.center());
    scroll_->ensureVisible(centre.x(), centre.y(), place.width() / 2 + 40, place.height() / 2 + 40);
}

}  // namespace tremaro
