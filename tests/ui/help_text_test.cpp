#include "ui/help_text.h"
#include "picture/captions.h"
#include "qstring_printer.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

namespace tremaro {
namespace {

const QString kQuote = QStringLiteral("\"");

// Lines 1 to 5, piece by piece, as the help text is made of them.
std::vector<std::vector<QString>> HelpParagraphPieces() {
    return {
        {QStringLiteral(
             "    Тази програма е предназначена да преоразмерява форми на Visual Basic 6.0. Формата се зарежда"),
         QStringLiteral(" в текстов вид с помощта на бутона [Чете]. Записва се процентът на корекцията."),
         QStringLiteral(" 80 ще намали размерите на формата на 80% от оригиналния размер, а 120 ще я увеличи"),
         QStringLiteral(" на 120%. Допустими са стойности от 20 до 500, защото ако се посочи 1% няма да се получи"),
         QStringLiteral(
             " добър резултат. Променят се размерите на всички параметри на компонентите: етикети, текстови"),
         QStringLiteral(
             " полета, фреймове, картинки, включително и размера на шрифтовете, като всички размери се закръгляват до"),
         QStringLiteral(" цели стойности.")},
        {QStringLiteral(
             "    Всичко това облекчава изготвянето на бланки и формуляри. Например бланката се изготвя като форма"),
         QStringLiteral(
             " без заглавие и без контур. Добре е цветът на фона да е бял, защото някои по стари принтери печатат"),
         QStringLiteral(
             " сивото като черно и после нищо не се вижда. Нанасят се етикетите с указателни надписи и етикетите с"),
         QStringLiteral(" контур или без контур, които трябва да се попълват от съответната програма. Навсякъде фонът "
                        "трябва да е бял."),
         QStringLiteral(
             " Така бланката се изготвя много бързо, вместо де се чертае на принтера. С командата Object.PrintForm"),
         QStringLiteral(" тя се отпечатва. При настройването на бланката, тази програма оказва съществена помощ, "
                        "защото значително"),
         QStringLiteral(" ускорява процесите. С нейна помощ е направена бланката "), kQuote,
         QStringLiteral("Заповед за командировка"), kQuote, QStringLiteral(", намалена на 60%"),
         QStringLiteral(" в програмата "), kQuote, QStringLiteral("Лендаро"), kQuote, QStringLiteral(" (Lendaro).")},
        {QStringLiteral(
             "    След преоразмеряването може да се наложи ръчно да се донаместят някои компоненти на таблици,"),
         QStringLiteral(" което се дължи на закръгленията при изчисляването на размерите. Това е сравнително по-лесна"),
         QStringLiteral(" и бърза процедура, вместо всичко да се чертае отново.")},
        {QStringLiteral("    В текстовото поле, което е достъпно за оператора, се виждат параметрите на формата и"),
         QStringLiteral("  компонентите. Могат да се правят корекции на надписи, смяна на цветове и други неща, ако"),
         QStringLiteral("  операторът знае какво прави. С десния бутон на мишката могат да се ползват Copy и Paste.")},
        {QStringLiteral("    При запис, оригиналният файл се преименува с разширение BAK, а коригираният се записва"),
         QStringLiteral(" с името на оригиналния файл.")},
    };
}

QString JoinPieces(const std::vector<QString>& pieces) {
    QString line;
    for (const QString& piece : pieces)
        line += piece;
    return line;
}

TEST(HelpText, isTheSevenLinesMadeOfTheirPieces) {
    QStringList expected;
    for (const auto& pieces : HelpParagraphPieces())
        expected << JoinPieces(pieces);
    expected << QString() << QStringLiteral("    ") + captions::MakerAddress();

    const QString text = BuildHelpText();
    EXPECT_EQ(text, expected.join(QStringLiteral("\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_FALSE(text.endsWith(QLatin1Char('\n')));
    EXPECT_EQ(text.count(QLatin1Char('\r')), 6);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 6);
}

TEST(HelpText, keepsEveryQuoteAndDoubleBlank) {
    const QStringList lines = BuildHelpText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[1].count(QLatin1Char('"')), 4);
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"Заповед за командировка\"")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\"Лендаро\" (Lendaro).")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("и  компонентите.")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("ако  операторът")));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("    ")) && lines[i][4] != QLatin1Char(' ')) << i;
}

}  // namespace
}  // namespace tremaro
