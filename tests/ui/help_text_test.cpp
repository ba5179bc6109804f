#include "ui/help_text.h"
#include "picture/captions.h"
#include "platform/translation.h"
#include "qstring_printer.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace tremaro {
namespace {

// The Bulgarian help text is the program's own and stays as it was written, byte for byte:
// its SHA-256 in UTF-8 stands for the 3449 bytes.
TEST(HelpText, inBulgarianIsTheTextAsWritten_sevenLinesWithCrLf) {
    const QString text = BuildHelpText();
    EXPECT_EQ(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex(),
              QByteArrayLiteral("24e87245cf99b535dadef157e488c208405ee55a92be7f79cfefd9a87df6370a"));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[5].isEmpty());
    EXPECT_EQ(lines[6], QStringLiteral("    ") + captions::MakerAddress());
}

// What is not words in a paragraph (numbers, percents, names written in Latin letters):
// a translation that says what the paragraph says keeps every one of them.
QStringList NamesAndNumbers(const QString& paragraph) {
    static const QRegularExpression kToken(QStringLiteral("[A-Za-z0-9][A-Za-z0-9.%]*[A-Za-z0-9%]|[0-9]"));
    QStringList tokens;
    for (const QRegularExpressionMatch& match : kToken.globalMatch(paragraph))
        tokens << match.captured();
    return tokens;
}

QString ShownCaption(const QString& caption) {
    return QStringLiteral("[") + QString(caption).remove(QLatin1Char('&')) + QStringLiteral("]");
}

TEST(HelpText, inEnglishSaysEachParagraphWithItsNumbersAndNames_laidOutAsTheBulgarian) {
    const QStringList bulgarian = HelpParagraphs();
    const QString bulgarianText = BuildHelpText();
    const QString bulgarianRead = ShownCaption(captions::ReadButton());
    UseLanguage("en");
    const QStringList english = HelpParagraphs();
    const QString englishText = BuildHelpText();
    const QString englishRead = ShownCaption(captions::ReadButton());
    UseLanguage("bg");

    ASSERT_EQ(english.size(), 5);
    ASSERT_EQ(bulgarian.size(), 5);
    for (qsizetype i = 0; i < english.size(); ++i) {
        EXPECT_NE(english[i], bulgarian[i]) << i;
        EXPECT_FALSE(english[i].contains(QRegularExpression(QStringLiteral("[\\x{400}-\\x{4ff}]")))) << i;
        EXPECT_FALSE(english[i].contains(QLatin1Char('\n')) || english[i].startsWith(QLatin1Char(' '))) << i;
        for (const QString& token : NamesAndNumbers(bulgarian[i]))
            EXPECT_TRUE(english[i].contains(token)) << "paragraph " << i + 1 << " lacks " << token.toStdString();
    }
    // The first paragraph names the read button by the caption the operator sees on it.
    EXPECT_TRUE(bulgarian[0].contains(bulgarianRead));
    EXPECT_TRUE(english[0].contains(englishRead)) << englishRead.toStdString();
    // The same seven lines: five indented paragraphs, an empty line and the address.
    const QStringList lines = englishText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines.mid(5), bulgarianText.split(QStringLiteral("\r\n")).mid(5));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lines[i], QStringLiteral("    ") + english[i]);
}

}  // namespace
}  // namespace tremaro
