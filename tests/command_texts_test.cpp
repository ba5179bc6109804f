#include "cli/command_texts.h"

#include <gtest/gtest.h>

namespace tremaro {
namespace {

// The one place where the tests write the command line programs' own texts out: every other
// test names them.

TEST(CommandTexts, scaleProgram) {
    EXPECT_STREQ(command_texts::kScaleUsage,
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
    EXPECT_STREQ(command_texts::kWrongCommandLine, "Грешен команден ред.");
    EXPECT_STREQ(command_texts::kOutputNotWritten, "Резултатът не може да бъде изведен.");
    EXPECT_EQ(command_texts::UnknownCodePage("koi8-r"), "Непозната кодова таблица: koi8-r.");
    EXPECT_EQ(command_texts::Version("tremaro-scale"), "tremaro-scale 1.0");
    EXPECT_EQ(command_texts::ReportTitle("80"), "Корекция с 80 %: нови проблеми във формите");
    EXPECT_EQ(command_texts::ReportCount(1, 3), "Форми с нови проблеми: 1 от 3.");
    EXPECT_STREQ(command_texts::kReportNoNewProblems, "Няма нови проблеми.");
    EXPECT_EQ(command_texts::ReportNotWritten("r/index.html"), "Отчетът не може да бъде записан: r/index.html");
    EXPECT_EQ(command_texts::InForm("a.frm", "Стойността на ред 2 е извън обхвата."),
              "a.frm: Стойността на ред 2 е извън обхвата.");
    EXPECT_EQ(command_texts::DesignerNotScaled("Data.Dsr"), "Не е коригиран (дизайнер, а не форма): Data.Dsr");
    EXPECT_EQ(command_texts::ProjectNotSaved("App.vbp"),
              "Нито една форма на App.vbp не е записана, защото горните не могат да бъдат коригирани. Поправете ги "
              "и изпълнете командата отново.");
    EXPECT_EQ(command_texts::ProjectPartlySaved("App.vbp", 2, 5),
              "От формите на App.vbp са записани 2 от 5 (изброени по-горе); останалите не са променени. Поправете "
              "причината и коригирайте само тях.");
}

TEST(CommandTexts, previewProgram) {
    EXPECT_STREQ(command_texts::kPreviewUsage,
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
    EXPECT_STREQ(command_texts::kPictureNotDrawn, "Картината не може да бъде нарисувана: няма достатъчно памет.");
    EXPECT_EQ(command_texts::PictureNotWritten("/f/a.png"), "Картината не може да бъде записана: /f/a.png");
}

TEST(CommandTexts, windowProgram) {
    EXPECT_STREQ(command_texts::kWindowUsage,
                 "Употреба:\n"
                 "  tremaro [ФАЙЛ]\n"
                 "      отваря прозореца на програмата; ФАЙЛ, ако е даден, се чете както с \"Чете\"\n"
                 "  tremaro --help\n"
                 "      показва тази помощ\n"
                 "  tremaro --version\n"
                 "      показва версията\n");
}

}  // namespace
}  // namespace tremaro
