#pragma once

#include "core/line_store.h"
#include "core/operator_port.h"
#include "ui/file_chooser.h"
#include "ui/message_presenter.h"

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tremaro {

class FrmHelp;

// The main window: one button for each operation along the top, the percent box beside
// them and the form's text below, which the operator may edit before saving. It owns the
// form being worked on and is the core's operator port.
class ConvertForm final : public QWidget, public OperatorPort {
    Q_OBJECT

public:
    explicit ConvertForm(FrmHelp& help, QWidget* parent = nullptr);

    PressedButton ShowMessage(const std::string& text, MessageButtons buttons) override;
    void SetViewText(std::u16string text) override;
    std::u16string ViewTextToSave() override { return ViewText(); }
    void SetTitle(const std::string& title) override;

    FileChooser& Chooser() { return fileChooser_; }
    MessagePresenter& Messages() { return messages_; }
    const FormLines& Lines() const { return formLines_; }
    const std::string& FormFileName() const { return formFileName_; }

    // The view's whole text with CR LF line breaks, as a save writes it.
    std::u16string ViewText() const;

private:
    void BuildControls();
    void SetTabOrder();
    void ReadFormFile();
    void StartCorrection();
    void SaveForm();

    FrmHelp& help_;
    FileChooser fileChooser_;
    MessagePresenter messages_;
    FormLines formLines_;
    std::string formFileName_;

    QPushButton* cmdRead_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* label3_ = nullptr;
};

}  // namespace tremaro
