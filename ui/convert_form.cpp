#include "ui/convert_form.h"

#include "core/correction.h"
#include "core/project_forms.h"
#include "core/vb_project.h"
#include "core/scale_factors.h"
#include "core/view_text.h"
#include "picture/captions.h"
#include "ui/enter_presses_button.h"
#include "picture/fonts.h"
#include "ui/help_window.h"
#include "ui/preview_link.h"
#include "ui/view_filler.h"
#include "picture/qt_text.h"
#include "picture/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextDocument>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <utility>

namespace tremaro {
namespace {

constexpr QSize kClientSize(647, 483);  // 9705 x 7245 twips

template <typename Widget>
Widget* Place(Widget* widget, const char* objectName, QRect twipsRect) {
    widget->setObjectName(QLatin1String(objectName));
    widget->setGeometry(twipsRect);
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption, int leftTwips) {
    auto* button = Place(new QPushButton(caption, parent), objectName, TwipsRect(leftTwips, 70, 1100, 330));
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The one local file a drag carries; a drag of several files, or of anything else, is not one
// the window takes.
std::optional<QString> DraggedFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return std::nullopt;
    return data->urls().constFirst().toLocalFile();
}

}  // namespace

ConvertForm::ConvertForm(HelpLauncher& help, QWidget* parent) : QWidget(parent), help_(help) {
    setObjectName(QStringLiteral("ConvertForm"));
    setWindowTitle(captions::ProgramName());
    setFixedSize(kClientSize);
    setFont(SansSerifFont(9.75, true));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);
    setAcceptDrops(true);

    BuildControls();
    SetTabOrder();
    AddKeys();
    cmdRead_->setFocus();

    connect(cmdRead_, &QPushButton::clicked, this, &ConvertForm::ReadFormFile);
    connect(cmdStart_, &QPushButton::clicked, this, &ConvertForm::StartCorrection);
    connect(cmdSave_, &QPushButton::clicked, this, &ConvertForm::SaveForm);
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { help_.ShowHelp(); });
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
    preview_ = new PreviewLink(*this, *formView_, [this] { return ViewText(); });
    formView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(formView_, &QWidget::customContextMenuRequested, this, &ConvertForm::ShowViewMenu);
}

void ConvertForm::BuildControls() {
    cmdRead_ = MakeButton(this, "cmdRead", captions::ReadButton(), 4020);
    cmdStart_ = MakeButton(this, "cmdStart", captions::StartButton(), 5130);
    cmdSave_ = MakeButton(this, "cmdSave", captions::SaveButton(), 6240);
    cmdHelp_ = MakeButton(this, "cmdHelp", captions::HelpButton(), 7350);
    cmdExit_ = MakeButton(this, "cmdExit", captions::ExitButton(), 8460);

    percentLabel_ = Place(new QLabel(captions::PercentLabel(), this), "Label1", TwipsRect(165, 90, 2760, 240));

    percentBox_ = Place(new QLineEdit(this), "Text1", TwipsRect(2940, 70, 700, 300));
    percentBox_->setFont(SansSerifFont(9, true));
    percentBox_->installEventFilter(this);

    percentSign_ = Place(new QLabel(captions::PercentSign(), this), "Label2", TwipsRect(3690, 100, 195, 240));
    QPalette black = percentSign_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    percentSign_->setPalette(black);

    formView_ = Place(new QPlainTextEdit(this), "Text", TwipsRect(150, 450, 9400, 6585));
    formView_->setFont(CourierNewFont(9.75));
    formView_->setLineWrapMode(QPlainTextEdit::NoWrap);
    formView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The vertical bar is always there, as in the classic text box with both bars: were it to
    // come with a long form, the view's width would change under the new text, and the view
    // would lay every line out again (a layout object per line: a quarter of showing a large form).
    formView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the view for the next control, as it leaves every text box of the window;
    // a TAB typed by mistake would otherwise end up in the saved form. The view still takes
    // Ctrl+Tab and the like as a character, which the window's filter keeps from it.
    formView_->setTabChangesFocus(true);
    formView_->installEventFilter(this);
    // The text boxes take a dragged file as its name in text; the window reads it instead.
    formView_->viewport()->installEventFilter(this);
    QPalette paleYellow = formView_->palette();
    paleYellow.setColor(QPalette::Base, QColor(255, 255, 192));
    formView_->setPalette(paleYellow);
    viewFiller_ = new ViewFiller(*formView_);

    addressLabel_ = Place(new QLabel(captions::MakerAddress(), this), "Label3", TwipsRect(180, 7030, 1560, 195));
    addressLabel_->setFont(TimesNewRomanFont(8.25, true));

    codePageGuessed_ =
        Place(new QLabel(captions::CodePageGuessed(), this), "codePageGuessed", TwipsRect(1800, 7030, 7750, 195));
    codePageGuessed_->setFont(TimesNewRomanFont(8.25, true));
    codePageGuessed_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette darkRed = codePageGuessed_->palette();
    darkRed.setColor(QPalette::WindowText, QColor(160, 0, 0));
    codePageGuessed_->setPalette(darkRed);
    codePageGuessed_->hide();
}

void ConvertForm::SetTabOrder() {
    const QWidget* order[] = {cmdRead_, cmdStart_, cmdSave_, cmdExit_, percentBox_, formView_, cmdHelp_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

// The desktop's keys for opening, saving and help press the buttons, whatever has the focus
// in the window; the captions stay as designed, and the tooltips name the keys.
void ConvertForm::AddKeys() {
    const std::pair<QString, QPushButton*> keys[] = {
        {captions::ReadKeys(), cmdRead_}, {captions::SaveKeys(), cmdSave_}, {captions::HelpKeys(), cmdHelp_}};
    for (const auto& [text, button] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(text, QKeySequence::PortableText), this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        button->setToolTip(text);
    }
    projectFormsAction_ = new QAction(captions::ProjectFormsTitle(), this);
    projectFormsAction_->setObjectName(QStringLiteral("projectFormsAction"));
    projectFormsAction_->setShortcut(QKeySequence(captions::ProjectFormsKeys(), QKeySequence::PortableText));
    projectFormsAction_->setShortcutContext(Qt::WindowShortcut);
    projectFormsAction_->setEnabled(false);
    addAction(projectFormsAction_);
    connect(projectFormsAction_, &QAction::triggered, this, &ConvertForm::ChooseAgainFromProject);
}

void ConvertForm::ShowViewMenu(const QPoint& position) {
    const std::unique_ptr<QMenu> menu(formView_->createStandardContextMenu(position));
    menu->setObjectName(QStringLiteral("viewContextMenu"));
    // The preview right after Paste, so that it stands with the two things the help text tells of.
    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(),
                                    [](const QAction* a) { return a->objectName() == QLatin1String("edit-paste"); });
    if (paste != actions.end() && paste + 1 != actions.end())
        menu->insertAction(*(paste + 1), preview_->OpenAction());
    else
        menu->addAction(preview_->OpenAction());
    menu->addSeparator();
    menu->addAction(projectFormsAction_);
    AddCodePageMenu(*menu);
    AddTrueTypeFontsItem(*menu);
    menu->exec(formView_->viewport()->mapToGlobal(position));
}

// Every code page a form can be read in, the one in use checked. The menu is made afresh each
// time, so the actions need no group: a group would draw radio dots instead of the check mark.
// There is nothing to read again before a form has been read.
void ConvertForm::AddCodePageMenu(QMenu& menu) {
    QMenu* pages = menu.addMenu(captions::CodePageMenu());
    pages->setObjectName(QStringLiteral("codePageMenu"));
    pages->setEnabled(document_.Lines().HasForm());
    for (const CodePage page : kCodePages) {
        QAction* action = pages->addAction(captions::CodePageEntry(page));
        action->setCheckable(true);
        action->setChecked(page == document_.TextCodePage());
        connect(action, &QAction::triggered, this, [this, page] { ReadAgainIn(page); });
    }
}

// The choice stands for every correction from now on, in later runs too; a form already
// corrected keeps the names it got.
void ConvertForm::AddTrueTypeFontsItem(QMenu& menu) {
    QAction* item = menu.addAction(captions::TrueTypeFontsItem());
    item->setObjectName(QStringLiteral("trueTypeFonts"));
    item->setCheckable(true);
    item->setChecked(trueTypeFonts_.Chosen());
    connect(item, &QAction::toggled, this, [this](bool chosen) { trueTypeFonts_.Remember(chosen); });
}

// A code page chosen by hand is the operator's word for the form's whole folder.
void ConvertForm::ReadAgainIn(CodePage codePage) {
    if (codePage == document_.TextCodePage() || !document_.MayDropUnsavedWork())
        return;
    if (document_.ReadAgainIn(codePage) != FormLines::LoadStatus::Loaded)
        return;
    rememberedCodePages_.Remember(document_.FileName(), codePage);
    ShowWhetherTheCodePageIsGuessed();
    preview_->FormRead(document_.Lines().AssembleText());
}

void ConvertForm::ShowWhetherTheCodePageIsGuessed() {
    codePageGuessed_->setVisible(document_.Lines().HasForm() && !document_.CodePageDecided().certain);
}

void ConvertForm::keyPressEvent(QKeyEvent* event) {
    if (!PressFocusedButtonOnEnter(*this, *event))
        QWidget::keyPressEvent(event);
}

bool ConvertForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && fileToOpenWhenShown_ &&
        windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                const std::string path = *std::exchange(fileToOpenWhenShown_, std::nullopt);
                OpenFile(path);
            },
            Qt::QueuedConnection);
    }
    if ((watched == formView_->viewport() || watched == percentBox_) && TakeFileDrop(event))
        return true;
    if (watched == formView_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            focusNextPrevChild(forward);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConvertForm::closeEvent(QCloseEvent* event) {
    if (document_.MayDropUnsavedWork())
        event->accept();
    else
        event->ignore();
}

void ConvertForm::dragEnterEvent(QDragEnterEvent* event) {
    TakeFileDrop(event);
}

void ConvertForm::dropEvent(QDropEvent* event) {
    TakeFileDrop(event);
}

// Whether the event is a file's drag or drop, which the window takes wherever it lands. The
// file is read once the drop is over: a question about unsaved work must not keep the program
// the file came from waiting for the drop's end.
bool ConvertForm::TakeFileDrop(QEvent* event) {
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove && event->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> file = DraggedFile(drop->mimeData());
    if (!file)
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, path = *file] { ReadDroppedFile(path); }, Qt::QueuedConnection);
    return true;
}

void ConvertForm::ReadDroppedFile(const QString& path) {
    if (document_.MayDropUnsavedWork())
        OpenFile(QFile::encodeName(path).toStdString());
}

void ConvertForm::ReadFormFile() {
    if (!document_.MayDropUnsavedWork())
        return;
    const std::optional<QString> chosen = fileChooser_.ChooseFormFile(this, lastFolder_.FolderToStartIn());
    if (!chosen || chosen->isEmpty() || chosen->contains(QLatin1Char('*')))
        return;
    OpenFile(QFile::encodeName(*chosen).toStdString());
}

void ConvertForm::OpenFile(const std::string& path) {
    if (ListsForms(path)) {
        project_ = path;
        projectFormsAction_->setEnabled(true);
        lastFolder_.RememberFolderOf(path);
        ChooseFromProject();
        return;
    }
    ReadForm(path, std::nullopt);
}

// A code page chosen by hand for the form's folder comes first; else the one given, else the
// form's own.
void ConvertForm::ReadForm(const std::string& path, std::optional<CodePageDecision> codePage) {
    if (const std::optional<CodePage> remembered = rememberedCodePages_.ForFolderOf(path))
        codePage = CodePageDecision{*remembered, CodePageBasis::Folder, true};
    if (document_.Read(path, codePage) != FormLines::LoadStatus::Loaded)
        return;
    lastFolder_.RememberFolderOf(path);
    ShowWhetherTheCodePageIsGuessed();
    preview_->FormRead(document_.Lines().AssembleText());
}

// The list starts on the form after the one read last from it, so that the project's forms
// are gone through one Enter each.
void ConvertForm::ChooseFromProject() {
    const std::vector<ProjectForm> forms = FormsOfProject(*project_);
    int startingRow = 0;
    for (std::size_t i = 0; i < forms.size(); ++i)
        if (forms[i].path == document_.FileName())
            startingRow = static_cast<int>(std::min(i + 1, forms.size() - 1));
    const std::optional<std::size_t> chosen =
        projectForms_.ChooseForm(this, QFile::decodeName(project_->c_str()), forms, startingRow);
    if (chosen && *chosen < forms.size())
        ReadForm(forms[*chosen].path, forms[*chosen].codePage);
}

void ConvertForm::ChooseAgainFromProject() {
    if (project_ && document_.MayDropUnsavedWork())
        ChooseFromProject();
}

void ConvertForm::OpenFileWhenShown(std::string path) {
    fileToOpenWhenShown_ = std::move(path);
    create();  // the window system's window, whose exposure is awaited
    windowHandle()->installEventFilter(this);
}

void ConvertForm::StartCorrection() {
    const QString percentText = percentBox_->text();
    const std::u16string_view percent(reinterpret_cast<const char16_t*>(percentText.utf16()),
                                      static_cast<std::size_t>(percentText.size()));
    if (document_.Correct(percent, CorrectionChoices{trueTypeFonts_.Chosen()}) == CorrectionOutcome::Corrected)
        preview_->Corrected(*ScaleFactorsOf(percent));
    else
        preview_->Refresh();
}

void ConvertForm::SaveForm() {
    if (IsSaved(document_.Save()))
        lastFolder_.RememberFolderOf(document_.FileName());
}

PressedButton ConvertForm::ShowMessage(const MessageLines& lines, MessageButtons buttons) {
    return messages_.Show(this, QString::fromStdString(TextOf(lines)), buttons);
}

void ConvertForm::SetViewText(std::u16string text) {
    // The view takes CR LF as one line break, so the text goes in as it is, without a copy
    // with other line breaks.
    viewFiller_->SetText(ToQString(text));
}

std::u16string ConvertForm::ViewText() const {
    // The raw text keeps every character as typed (the plain text would turn a
    // no-break space into a blank); paragraph separators are the view's line breaks.
    viewFiller_->Finish();
    const QString raw = formView_->document()->toRawText();
    std::u16string text;
    text.reserve(static_cast<std::size_t>(raw.size()) + static_cast<std::size_t>(formView_->blockCount()));
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator)
            text += u"\r\n";
        else
            text.push_back(c.unicode());
    }
    return text;
}

bool ConvertForm::ViewTextEdited() {
    // Setting the text clears the flag; an edit undone back to that text clears it again.
    return formView_->document()->isModified();
}

void ConvertForm::SetTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

}  // namespace tremaro
