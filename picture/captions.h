#pragma once

#include "platform/code_page.h"

#include <QString>

#include <cstddef>

namespace tremaro::captions {

// Every text the windows and the layout picture show, in one place: the windows, the picture,
// the programs' main functions and the tests name them here instead of writing them again.
// Only Qt Core is needed, so the picture library (Qt Gui alone) uses it too. The core's texts
// (messages, layout problems) are in core/messages.h, and the help text, one long text of its
// own, in ui/help_text.h.

// The program's name: the main window's title until a form is read, and every message box's.
inline QString ProgramName() {
    return QStringLiteral("Tremaro");
}

// What app/main.cpp prints when there is no display to show the window on.
inline QString NoDisplay() {
    return QStringLiteral("tremaro: няма графичен екран (DISPLAY не е зададен); програмата не може да се покаже.");
}

// The main window.
inline QString ReadButton() {
    return QStringLiteral("Чете");
}
inline QString StartButton() {
    return QStringLiteral("Старт");
}
inline QString SaveButton() {
    return QStringLiteral("Запис");
}
inline QString HelpButton() {
    return QStringLiteral("Помощ");
}
inline QString ExitButton() {
    return QStringLiteral("Изход");
}
// The keys that press three of the buttons, as their tooltips name them; the keys are read
// from these texts, so a tooltip never names a key that does nothing.
inline QString ReadKeys() {
    return QStringLiteral("Ctrl+O");
}
inline QString SaveKeys() {
    return QStringLiteral("Ctrl+S");
}
inline QString HelpKeys() {
    return QStringLiteral("F1");
}
inline QString PercentLabel() {
    return QStringLiteral("Процент на корекцията: ");
}
inline QString PercentSign() {
    return QStringLiteral("%");
}
// The maker's address, under the text view and at the end of the help text. The .example
// domain is reserved and belongs to no one.
inline QString MakerAddress() {
    return QStringLiteral("tremaro.example");
}

// The text view's context menu: the submenu of the code pages the form can be read in
// (their names are the core's, DisplayName).
inline QString CodePageMenu() {
    return QStringLiteral("Кодова таблица");
}

// The text view's context menu: the checkable choice of TrueType fonts for corrections.
inline QString TrueTypeFontsItem() {
    return QStringLiteral("TrueType шрифтове");
}

// A code page in that menu: its number in Windows and the language written in it.
inline QString CodePageEntry(CodePage page) {
    switch (page) {
    case CodePage::Windows1250:
        return QStringLiteral("1250 — централноевропейски");
    case CodePage::Windows1251:
        return QStringLiteral("1251 — кирилица");
    case CodePage::Windows1252:
        return QStringLiteral("1252 — западноевропейски");
    case CodePage::Windows1253:
        return QStringLiteral("1253 — гръцки");
    case CodePage::Windows1254:
        return QStringLiteral("1254 — турски");
    case CodePage::Windows1255:
        return QStringLiteral("1255 — иврит");
    case CodePage::Windows1256:
        return QStringLiteral("1256 — арабски");
    case CodePage::Windows1257:
        return QStringLiteral("1257 — балтийски");
    case CodePage::Windows1258:
        return QStringLiteral("1258 — виетнамски");
    case CodePage::Windows874:
        return QStringLiteral("874 — тайландски");
    case CodePage::ShiftJis:
        return QStringLiteral("932 — японски");
    case CodePage::Gbk:
        return QStringLiteral("936 — китайски (опростен)");
    case CodePage::UnifiedHangul:
        return QStringLiteral("949 — корейски");
    case CodePage::Big5:
        return QStringLiteral("950 — китайски (традиционен)");
    case CodePage::Utf8:
        return QStringLiteral("65001 — Уникод (UTF-8)");
    }
    return {};
}

// Under the form's text when the form's own bytes said little of their code page.
inline QString CodePageGuessed() {
    return QStringLiteral("Кодовата таблица е предположена; проверете текста.");
}

// The read button's open dialog: its file types, and the pattern it starts with as the file
// name, which lists the form files until a type is picked.
inline QString AllFilesType() {
    return QStringLiteral("Всички файлове (*.*)");
}
inline QString RichTextFilesType() {
    return QStringLiteral("RichText файлове (*.rtf)");
}
inline QString TextFilesType() {
    return QStringLiteral("Text файлове (*.txt)");
}
inline QString FormFilesPattern() {
    return QStringLiteral("*.frm");
}

// The read button's dialog lists project and group files too, under a type of their own.
inline QString ProjectFilesType() {
    return QStringLiteral("Проекти на Visual Basic (*.vbp *.vbg)");
}

// The dialog that lists a project's forms, to read one of them: its title (also the view's
// menu item that opens it again), its column headings, the note of a form the project lists
// that is not there, its button that gives up, and the key that opens it again for the
// project read last.
inline QString ProjectFormsTitle() {
    return QStringLiteral("Форми на проекта");
}
inline QString ProjectFormFileHeading() {
    return QStringLiteral("Файл");
}
inline QString ProjectFormCaptionHeading() {
    return QStringLiteral("Заглавие");
}
inline QString ProjectFormMissing() {
    return QStringLiteral("(няма такъв файл)");
}
inline QString CancelButton() {
    return QStringLiteral("Отказ");
}
inline QString ProjectFormsKeys() {
    return QStringLiteral("Ctrl+Shift+O");
}

// The help window.
inline QString HelpTitle() {
    return QStringLiteral("Помощна информация");
}

// The layout preview: its title, which is also the main window's menu item that opens it,
// its buttons, the headings over the two pictures and the notes under them.
inline QString PreviewTitle() {
    return QStringLiteral("Преглед на формата");
}
inline QString ZoomOutButton() {
    return QStringLiteral("−");  // the minus sign (U+2212), not a hyphen
}
inline QString ZoomInButton() {
    return QStringLiteral("+");
}
inline QString ZoomToFitButton() {
    return QStringLiteral("Побери");
}
inline QString ZoomShown(int percent) {
    return QStringLiteral("%1 %").arg(percent);
}
inline QString BeforeHeading() {
    return QStringLiteral("Преди");
}
inline QString AfterHeading() {
    return QStringLiteral("След");
}
// For one control or more.
inline QString HiddenTabControls(std::size_t count) {
    if (count == 1)
        return QStringLiteral("1 контрола на скрит раздел не е показана.");
    return QStringLiteral("%1 контроли на скрити раздели не са показани.").arg(count);
}
inline QString NoFormDescription() {
    return QStringLiteral("Няма описание на форма.");
}
inline QString NoNewProblems() {
    return QStringLiteral("Няма нови проблеми.");
}

}  // namespace tremaro::captions
