#pragma once

#include "platform/code_page.h"
#include "platform/translation.h"

#include <QString>

#include <cstddef>

namespace tremaro::captions {

// Every text the windows and the layout picture show, in one place: the windows, the picture,
// the programs' main functions and the tests name them here instead of writing them again.
// Only Qt Core is needed, so the picture library (Qt Gui alone) uses it too. The core's texts
// (messages, layout problems) are in core/messages.h, and the help text, one long text of its
// own, in ui/help_text.h.
//
// Each text is written in Bulgarian, the program's language, and shown in the operator's
// (platform/translation.h): the Bulgarian text is its key in po/LANGUAGE.po. A button's
// caption in another language may mark a letter with & for Alt to press it; the marked
// letters differ within a window. The keys, the address and the program's name are the same
// in every language and are not translated.

// A translated text, which gettext gives as UTF-8.
inline QString Shown(const char* text) {
    return QString::fromUtf8(text);
}

// The program's name: the main window's title until a form is read, and every message box's.
inline QString ProgramName() {
    return QStringLiteral("Tremaro");
}

// What app/main.cpp prints when there is no display to show the window on.
inline QString NoDisplay() {
    return Shown(Translated("tremaro: няма графичен екран (DISPLAY не е зададен); програмата не може да се покаже."));
}

// The main window.
inline QString ReadButton() {
    return Shown(Translated("Чете"));
}
inline QString StartButton() {
    return Shown(Translated("Старт"));
}
inline QString SaveButton() {
    return Shown(Translated("Запис"));
}
inline QString HelpButton() {
    return Shown(Translated("Помощ"));
}
inline QString ExitButton() {
    return Shown(Translated("Изход"));
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
    return Shown(Translated("Процент на корекцията: "));
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
    return Shown(Translated("Кодова таблица"));
}

// The text view's context menu: the checkable choice of TrueType fonts for corrections.
inline QString TrueTypeFontsItem() {
    return Shown(Translated("TrueType шрифтове"));
}

// A code page in that menu: its number in Windows and the language written in it.
inline QString CodePageEntry(CodePage page) {
    switch (page) {
    case CodePage::Windows1250:
        return Shown(Translated("1250 — централноевропейски"));
    case CodePage::Windows1251:
        return Shown(Translated("1251 — кирилица"));
    case CodePage::Windows1252:
        return Shown(Translated("1252 — западноевропейски"));
    case CodePage::Windows1253:
        return Shown(Translated("1253 — гръцки"));
    case CodePage::Windows1254:
        return Shown(Translated("1254 — турски"));
    case CodePage::Windows1255:
        return Shown(Translated("1255 — иврит"));
    case CodePage::Windows1256:
        return Shown(Translated("1256 — арабски"));
    case CodePage::Windows1257:
        return Shown(Translated("1257 — балтийски"));
    case CodePage::Windows1258:
        return Shown(Translated("1258 — виетнамски"));
    case CodePage::Windows874:
        return Shown(Translated("874 — тайландски"));
    case CodePage::ShiftJis:
        return Shown(Translated("932 — японски"));
    case CodePage::Gbk:
        return Shown(Translated("936 — китайски (опростен)"));
    case CodePage::UnifiedHangul:
        return Shown(Translated("949 — корейски"));
    case CodePage::Big5:
        return Shown(Translated("950 — китайски (традиционен)"));
    case CodePage::Utf8:
        return Shown(Translated("65001 — Уникод (UTF-8)"));
    }
    return {};
}

// Under the form's text when the form's own bytes said little of their code page.
inline QString CodePageGuessed() {
    return Shown(Translated("Кодовата таблица е предположена; проверете текста."));
}

// The read button's open dialog: its file types, and the pattern it starts with as the file
// name, which lists the form files until a type is picked.
inline QString AllFilesType() {
    return Shown(Translated("Всички файлове (*.*)"));
}
inline QString RichTextFilesType() {
    return Shown(Translated("RichText файлове (*.rtf)"));
}
inline QString TextFilesType() {
    return Shown(Translated("Text файлове (*.txt)"));
}
inline QString FormFilesPattern() {
    return QStringLiteral("*.frm");
}

// The read button's dialog lists project and group files too, under a type of their own.
inline QString ProjectFilesType() {
    return Shown(Translated("Проекти на Visual Basic (*.vbp *.vbg)"));
}

// The dialog that lists a project's forms, to read one of them: its title (also the view's
// menu item that opens it again), its column headings, the note of a form the project lists
// that is not there, its button that gives up, and the key that opens it again for the
// project read last.
inline QString ProjectFormsTitle() {
    return Shown(Translated("Форми на проекта"));
}
inline QString ProjectFormFileHeading() {
    return Shown(Translated("Файл"));
}
inline QString ProjectFormCaptionHeading() {
    return Shown(Translated("Заглавие"));
}
inline QString ProjectFormMissing() {
    return Shown(Translated("(няма такъв файл)"));
}
inline QString CancelButton() {
    return Shown(Translated("Отказ"));
}
inline QString ProjectFormsKeys() {
    return QStringLiteral("Ctrl+Shift+O");
}

// The help window.
inline QString HelpTitle() {
    return Shown(Translated("Помощна информация"));
}

// The layout preview: its title, which is also the main window's menu item that opens it,
// its buttons, the headings over the two pictures and the notes under them.
inline QString PreviewTitle() {
    return Shown(Translated("Преглед на формата"));
}
inline QString ZoomOutButton() {
    return QStringLiteral("−");  // the minus sign (U+2212), not a hyphen
}
inline QString ZoomInButton() {
    return QStringLiteral("+");
}
inline QString ZoomToFitButton() {
    return Shown(Translated("Побери"));
}
inline QString ZoomShown(int percent) {
    return QStringLiteral("%1 %").arg(percent);
}
inline QString BeforeHeading() {
    return Shown(Translated("Преди"));
}
inline QString AfterHeading() {
    return Shown(Translated("След"));
}
// For one control or more.
inline QString HiddenTabControls(std::size_t count) {
    return Shown(TranslatedPlural("%1 контрола на скрит раздел не е показана.",
                                  "%1 контроли на скрити раздели не са показани.", count))
        .arg(count);
}
inline QString NoFormDescription() {
    return Shown(Translated("Няма описание на форма."));
}
inline QString NoNewProblems() {
    return Shown(Translated("Няма нови проблеми."));
}

}  // namespace tremaro::captions
