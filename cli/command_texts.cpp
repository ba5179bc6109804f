#include "cli/command_texts.h"

#include "platform/translation.h"

namespace tremaro::command_texts {

const char* ScaleUsage() {
    return Translated(
        "Употреба:\n"
        "  tremaro-scale [--truetype] [--code-page ИМЕ] [--] ПРОЦЕНТ ФАЙЛ...\n"
        "      коригира всеки файл с процента и го записва; оригиналът остава\n"
        "      до него с разширение .bak\n"
        "  tremaro-scale --stdout [--truetype] [--code-page ИМЕ] [--] ПРОЦЕНТ ФАЙЛ\n"
        "      извежда коригирания текст на стандартния изход, без да променя файла\n"
        "  tremaro-scale --show-code-page [--code-page ИМЕ] [--] ФАЙЛ...\n"
        "      извежда за всеки файл името му и кодовата таблица, в която се чете\n"
        "  tremaro-scale --help\n"
        "      показва тази помощ\n"
        "  tremaro-scale --version\n"
        "      показва версията\n"
        "Процентът е от 20 до 500. С --code-page файловете се четат в кодовата таблица ИМЕ\n"
        "(windows-1252, cp1251, shift_jis, gbk, cp949, big5, utf-8...), иначе в тази, която\n"
        "личи от тях. След -- всичко е процент и файлове, дори да започва с -.\n"
        "ПРОЦЕНТ може да е и ШxВ или Ш×В (например 133x100): ширините се коригират с Ш,\n"
        "височините с В, а шрифтовете с по-малкия от двата.\n"
        "ФАЙЛ може да е проект на Visual Basic (.vbp) или група проекти (.vbg): тогава\n"
        "формите му се коригират заедно и се записват всички или нито една.\n"
        "С --truetype шрифтовете MS Sans Serif и Courier на формите стават Microsoft Sans\n"
        "Serif и Courier New, които Windows показва във всеки размер.\n");
}

const char* PreviewUsage() {
    return Translated(
        "Употреба:\n"
        "  tremaro-preview [--truetype] ПРОЦЕНТ ФАЙЛ КАРТИНА.png\n"
        "      рисува формата от ФАЙЛ преди и след корекцията с процента и записва\n"
        "      картината; ФАЙЛ не се променя\n"
        "  tremaro-preview [--truetype] --problems ПРОЦЕНТ ФАЙЛ...\n"
        "      извежда новите проблеми, които корекцията с процента създава във всеки\n"
        "      файл, по един на ред като ФАЙЛ: проблем; файловете не се променят\n"
        "  tremaro-preview [--truetype] --report ПАПКА ПРОЦЕНТ ФАЙЛ...\n"
        "      записва в ПАПКА картината на всеки файл и ПАПКА/index.html, страница с\n"
        "      картините и новите проблеми на всички файлове за преглед в браузър\n"
        "  tremaro-preview --help\n"
        "      показва тази помощ\n"
        "  tremaro-preview --version\n"
        "      показва версията\n"
        "Процентът е от 20 до 500. ФАЙЛ може да е проект (.vbp) или група проекти (.vbg):\n"
        "тогава се проверяват формите му.\n"
        "С --truetype шрифтовете се заменят както с tremaro-scale --truetype.\n");
}

const char* WindowUsage() {
    return Translated(
        "Употреба:\n"
        "  tremaro [ФАЙЛ]\n"
        "      отваря прозореца на програмата; ФАЙЛ, ако е даден, се чете както с \"Чете\"\n"
        "  tremaro --help\n"
        "      показва тази помощ\n"
        "  tremaro --version\n"
        "      показва версията\n");
}

const char* WrongCommandLine() {
    return Translated("Грешен команден ред.");
}

const char* OutputNotWritten() {
    return Translated("Резултатът не може да бъде изведен.");
}

const char* PictureNotDrawn() {
    return Translated("Картината не може да бъде нарисувана: няма достатъчно памет.");
}

std::string UnknownCodePage(const std::string& name) {
    return Filled(Translated("Непозната кодова таблица: %1."), {name});
}

// A name and a number: nothing to translate.
std::string Version(std::string_view program) {
    return std::string(program) + " " TREMARO_VERSION;
}

std::string PictureNotWritten(const std::string& path) {
    return Filled(Translated("Картината не може да бъде записана: %1"), {path});
}

std::string InForm(const std::string& path, const std::string& message) {
    // The form's path, then what the core said about it.
    return Filled(Translated("%1: %2"), {path, message});
}

std::string DesignerNotScaled(const std::string& path) {
    return Filled(Translated("Не е коригиран (дизайнер, а не форма): %1"), {path});
}

std::string ProjectNotSaved(const std::string& project) {
    return Filled(Translated("Нито една форма на %1 не е записана, защото горните не могат да бъдат коригирани. "
                             "Поправете ги и изпълнете командата отново."),
                  {project});
}

// The Bulgarian sentence is the same for one form and for several; a translation may not be.
std::string ProjectPartlySaved(const std::string& project, std::size_t saved, std::size_t forms) {
    return Filled(TranslatedPlural("От формите на %1 са записани %2 от %3 (изброени по-горе); останалите не са "
                                   "променени. Поправете причината и коригирайте само тях.",
                                   "От формите на %1 са записани %2 от %3 (изброени по-горе); останалите не са "
                                   "променени. Поправете причината и коригирайте само тях.",
                                   saved),
                  {project, std::to_string(saved), std::to_string(forms)});
}

std::string ReportTitle(const std::string& percent) {
    return Filled(Translated("Корекция с %1 %: нови проблеми във формите"), {percent});
}

std::string ReportCount(std::size_t withProblems, std::size_t forms) {
    return Filled(TranslatedPlural("Форми с нови проблеми: %1 от %2.", "Форми с нови проблеми: %1 от %2.", forms),
                  {std::to_string(withProblems), std::to_string(forms)});
}

const char* ReportNoNewProblems() {
    return Translated("Няма нови проблеми.");
}

std::string ReportNotWritten(const std::string& path) {
    return Filled(Translated("Отчетът не може да бъде записан: %1"), {path});
}

}  // namespace tremaro::command_texts
