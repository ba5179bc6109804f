#include "ui/convert_form.h"

#include "core/correction.h"
#include "core/save_backup.h"
#include "core/view_text.h"
#include "ui/fonts.h"
#include "ui/help_window.h"
#include "ui/maker_address.h"
#include "ui/twips.h"
#include "tremaro_icon.xpm"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>


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

QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ConvertForm::ConvertForm(FrmHelp& help, QWidget* parent) : QWidget(parent), help_(help) {
    setObjectName(QStringLiteral("ConvertForm"));
    setWindowTitle(QStringLiteral("Tremaro"));
    setWindowIcon(QIcon(QPixmap(tremaro_icon_xpm)));
    setFixedSize(kClientSize);
    setFont(SansSerifFont(9.75, true));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(background);
    setAutoFillBackground(true);

    BuildControls();
    SetTabOrder();
    cmdRead_->setFocus();

    connect(cmdRead_, &QPushButton::clicked, this, &ConvertForm::ReadFormFile);
    connect(cmdStart_, &QPushButton::clicked, this, &ConvertForm::StartCorrection);
    connect(cmdSave_, &QPushButton::clicked, this, &ConvertForm::SaveForm);
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { help_.ShowHelp(); });
    connect(cmdExit_, &QPushButton::clicked, this, &QWidget::close);
}

void ConvertForm::BuildControls() {
    cmdRead_ = MakeButton(this, "cmdRead", QStringLiteral("Чете"), 4020);
    cmdStart_ = MakeButton(this, "cmdStart", QStringLiteral("Старт"), 5130);
    cmdSave_ = MakeButton(this, "cmdSave", QStringLiteral("Запис"), 6240);
    cmdHelp_ = MakeButton(this, "cmdHelp", QStringLiteral("Помощ"), 7350);
    cmdExit_ = MakeButton(this, "cmdExit", QStringLiteral("Изход"), 8460);

    label1_ = Place(new QLabel(QStringLiteral("Процент на корекцията: "), this), "Label1",
                    TwipsRect(165, 90, 2760, 240));

    text1_ = Place(new QLineEdit(this), "Text1", TwipsRect(2940, 70, 700, 300));
    text1_->setFont(SansSerifFont(9, true));

    label2_ = Place(new QLabel(QStringLiteral("%"), this), "Label2", TwipsRect(3690, 100, 195, 240));
    QPalette black = label2_->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label2_->setPalette(black);

    text_ = Place(new QPlainTextEdit(this), "Text", TwipsRect(150, 450, 9400, 6585));
    text_->setFont(CourierNewFont(9.75));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette paleYellow = text_->palette();
    paleYellow.setColor(QPalette::Base, QColor(255, 255, 192));
    text_->setPalette(paleYellow);

    label3_ = Place(new QLabel(QString::fromLatin1(kMakerAddress), this), "Label3", TwipsRect(180, 7030, 1560, 195));
    label3_->setFont(TimesNewRomanFont(8.25, true));
}

void ConvertForm::SetTabOrder() {
    const QWidget* order[] = {cmdRead_, cmdStart_, cmdSave_, cmdExit_, text1_, text_, cmdHelp_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

void ConvertForm::ReadFormFile() {
    const std::optional<QString> chosen = fileChooser_.ChooseFormFile(this);
    if (!chosen || chosen->isEmpty() || chosen->contains(QLatin1Char('*')))
        return;
    const std::string path = QFile::encodeName(*chosen).toStdString();
    // Everything the window shows changes only once the whole file is in: a failed read
    // must not leave a new name over the old form's text, where a save would put it.
    const FormLines::LoadResult result = formLines_.LoadFormFile(path);
    if (result.status != FormLines::LoadStatus::Loaded) {
        ShowMessage(result.message, MessageButtons::Ok);
        return;
    }
    formFileName_ = path;
    SetViewText(formLines_.AssembleText());
    SetTitle("Tremaro: " + path);
}

void ConvertForm::StartCorrection() {
    const QString percent = text1_->text();
    RunCorrection(std::u16string(percent.utf16(), percent.utf16() + percent.size()), formLines_, *this);
}

void ConvertForm::SaveForm() {
    SaveWithBackup(formFileName_, *this);
}

PressedButton ConvertForm::ShowMessage(const std::string& text, MessageButtons buttons) {
    return messages_.Show(this, QString::fromStdString(text), buttons);
}

void ConvertForm::SetViewText(std::u16string text) {
    // The view breaks lines itself; a CR would make a line break of its own.
    QString plain = ToQString(text);
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text_->setPlainText(plain);
}

std::u16string ConvertForm::ViewText() const {
    // The raw text keeps every character as typed (the plain text would turn a
    // no-break space into a blank); paragraph separators are the view's line breaks.
    const QString raw = text_->document()->toRawText();
    std::u16string text;
    text.reserve(static_cast<std::size_t>(raw.size()) + static_cast<std::size_t>(text_->blockCount()));
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator)
            text += u"\r\n";
        else
            text.push_back(c.unicode());
    }
    return text;
}

void ConvertForm::SetTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

}  // namespace tremaro
