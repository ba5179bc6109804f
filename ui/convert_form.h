#pragma once

#include "core/form_document.h"
#include "core/operator_port.h"
#include "ui/file_chooser.h"
#include "ui/message_presenter.h"
#include "ui/project_form_chooser.h"
#include "ui/remembered_code_pages.h"
#include "ui/remembered_folder.h"
#include "ui/remembered_true_type_fonts.h"

#include <QWidget>

#include <optional>
#include <string>

class QAction;
class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QMenu;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tremaro {

class HelpLauncher;
class PreviewLink;
class ViewFiller;

// The main window: one button for each operation along the top, the percent box beside
// them and the form's text below, which the operator may edit before saving. It owns the
// form being worked on, hands each button to it, and is the core's operator port. Work that
// was not saved is never dropped without the operator's word: a read, reading it again in
// another code page and closing the window ask first. A form file dropped on the window is
// read as Чете reads it.
//
// A project or group file, chosen or dropped, is not shown: its forms are listed to read one
// of them ("Форми на проекта"), and the project is remembered until another one is read, so
// that its list opens again with one key (Ctrl+Shift+O, or the view's menu), the form after
// the one read last chosen to start with.
class ConvertForm final : public QWidget, public OperatorPort {
    Q_OBJECT

public:
    explicit ConvertForm(HelpLauncher& help, QWidget* parent = nullptr);

    PressedButton ShowMessage(const MessageLines& lines, MessageButtons buttons) override;
    void SetViewText(std::u16string text) override;
    std::u16string ViewTextToSave() override { return ViewText(); }
    bool ViewTextEdited() override;
    void SetTitle(const std::string& title) override;

    // Reads the file as Чете does once the file is chosen: a form, or a project whose forms
    // are listed to choose one.
    void OpenFile(const std::string& path);

    // The program's command line file: read as OpenFile reads it once the window system has
    // shown the window, so that a message about the file stands over the window where it is
    // rather than where it was before the window manager placed it.
    void OpenFileWhenShown(std::string path);

    FileChooser& Chooser() { return fileChooser_; }
    MessagePresenter& Messages() { return messages_; }
    ProjectFormChooser& ProjectForms() { return projectForms_; }
    const FormLines& Lines() const { return document_.Lines(); }
    const std::string& FormFileName() const { return document_.FileName(); }

    // The view's whole text with CR LF line breaks, as a save writes it.
    std::u16string ViewText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildControls();
    void SetTabOrder();
    void AddKeys();
    void ShowViewMenu(const QPoint& position);
    void AddCodePageMenu(QMenu& menu);
    void AddTrueTypeFontsItem(QMenu& menu);
    void ReadAgainIn(CodePage codePage);
    void ShowWhetherTheCodePageIsGuessed();
    void ReadFormFile();
    void ReadForm(const std::string& path, std::optional<CodePageDecision> codePage);
    void ChooseFromProject();
    void ChooseAgainFromProject();
    bool TakeFileDrop(QEvent* event);
    void ReadDroppedFile(const QString& path);
    void StartCorrection();
    void SaveForm();

    HelpLauncher& help_;
    FileChooser fileChooser_;
    MessagePresenter messages_;
    ProjectFormChooser projectForms_;
    FormDocument document_{*this};
    RememberedCodePages rememberedCodePages_;
    RememberedFolder lastFolder_;
    RememberedTrueTypeFonts trueTypeFonts_;

    QPushButton* cmdRead_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QLabel* percentLabel_ = nullptr;
    QLineEdit* percentBox_ = nullptr;
    QLabel* percentSign_ = nullptr;
    QPlainTextEdit* formView_ = nullptr;
    ViewFiller* viewFiller_ = nullptr;  // puts a long form into the view a part at a time
    QLabel* addressLabel_ = nullptr;
    QLabel* codePageGuessed_ = nullptr;
    PreviewLink* preview_ = nullptr;  // the picture of the layout, when the operator asks for it
    std::optional<std::string> fileToOpenWhenShown_;
    std::optional<std::string> project_;  // the project or group file read last
    QAction* projectFormsAction_ = nullptr;
};

}  // namespace tremaro
