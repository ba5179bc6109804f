#include "core/code_page_choice.h"

#include "platform/charset_detector.h"
#include "platform/unicode.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tremaro {
namespace {

// What the detector hears in a few kilobytes is as good as what it hears in a megabyte, and
// costs a fraction of a millisecond.
constexpr std::size_t kDetectorSample = 4096;

bool IsHigh(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

bool IsLineBreak(char byte) {
    return byte == '\r' || byte == '\n';
}

char Lowered(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && std::equal(start.begin(), start.end(), text.begin(),
                                                     [](char a, char b) { return Lowered(a) == Lowered(b); });
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && StartsWithIgnoringCase(text.substr(text.size() - end.size()), end);
}

std::string_view Trimmed(std::string_view line) {
    std::size_t first = 0;
    while (first < line.size() && (line[first] == ' ' || line[first] == '\t'))
        ++first;
    std::size_t last = line.size();
    while (last > first && (line[last - 1] == ' ' || line[last - 1] == '\t'))
        --last;
    return line.substr(first, last - first);
}

struct CharsetOfCodePage {
    int charset;
    CodePage page;
};

constexpr CharsetOfCodePage kCharsets[] = {
    {0, CodePage::Windows1252},     {204, CodePage::Windows1251}, {238, CodePage::Windows1250},
    {161, CodePage::Windows1253},   {162, CodePage::Windows1254}, {177, CodePage::Windows1255},
    {178, CodePage::Windows1256},   {186, CodePage::Windows1257}, {163, CodePage::Windows1258},
    {222, CodePage::Windows874},    {128, CodePage::ShiftJis},    {134, CodePage::Gbk},
    {129, CodePage::UnifiedHangul}, {136, CodePage::Big5},
};

// 1 and 2 (the default and the symbol character sets) say nothing.
std::optional<CodePage> CodePageOfCharset(long charset) {
    for (const CharsetOfCodePage& known : kCharsets)
        if (known.charset == charset)
            return known.page;
    return std::nullopt;
}

// The code pages the Charset values of the file's font groups (groups whose name ends in
// Font) name, in the order they stand, read a line at a time. The words are ASCII in every
// code page, so they are looked for in the bytes.
class CharsetVotes {
public:
    void Read(std::string_view line) {
        // Only lines that open or close a group, end a block or give a Charset matter.
        std::size_t first = 0;
        while (first < line.size() && (line[first] == ' ' || line[first] == '\t'))
            ++first;
        if (first == line.size())
            return;
        const char letter = Lowered(line[first]);
        if (letter != 'b' && letter != 'e' && (letter != 'c' || fontGroupDepth_ != 1))
            return;
        const std::string_view trimmed = Trimmed(line);
        if (StartsWithIgnoringCase(trimmed, "BeginProperty") &&
            (trimmed.size() == 13 || trimmed[13] == ' ' || trimmed[13] == '\t')) {
            const std::string_view rest = Trimmed(trimmed.substr(13));
            const std::string_view name = rest.substr(0, rest.find_first_of(" \t"));
            if (fontGroupDepth_ > 0)
                ++fontGroupDepth_;
            else if (EndsWithIgnoringCase(name, "Font"))
                fontGroupDepth_ = 1;
        } else if (fontGroupDepth_ > 0 && (trimmed == "EndProperty" || trimmed == "End")) {
            fontGroupDepth_ = trimmed == "End" ? 0 : fontGroupDepth_ - 1;
        } else if (fontGroupDepth_ == 1 && StartsWithIgnoringCase(trimmed, "Charset")) {
            ReadCharset(Trimmed(trimmed.substr(7)));
        }
    }

    const std::vector<CodePage>& Votes() const { return votes_; }

private:
    void ReadCharset(std::string_view rest) {
        if (rest.empty() || rest.front() != '=')
            return;
        const std::string_view digits = Trimmed(rest.substr(1));
        long charset = 0;
        std::size_t i = 0;
        for (; i < digits.size() && i < 6 && digits[i] >= '0' && digits[i] <= '9'; ++i)
            charset = charset * 10 + (digits[i] - '0');
        if (i > 0)
            if (const auto page = CodePageOfCharset(charset))
                votes_.push_back(*page);
    }

    int fontGroupDepth_ = 0;  // inside a font group, how many groups deep
    std::vector<CodePage> votes_;
};

// The most frequent of the votes that pass, the first in the file on a tie. Each code page
// is put to the test once, however many fonts name it.
template <typename Passes>
std::optional<CodePage> MostFrequent(const std::vector<CodePage>& votes, Passes passes) {
    std::vector<std::pair<CodePage, int>> counts;  // in the order of their first vote
    for (const CodePage vote : votes) {
        const auto found =
            std::find_if(counts.begin(), counts.end(), [vote](const auto& c) { return c.first == vote; });
        if (found == counts.end())
            counts.emplace_back(vote, 1);
        else
            ++found->second;
    }
    std::optional<CodePage> best;
    int bestCount = 0;
    for (const auto& [page, count] : counts) {
        if (count > bestCount && passes(page)) {
            best = page;
            bestCount = count;
        }
    }
    return best;
}

bool Holds(const std::vector<CodePage>& votes, CodePage page) {
    return std::find(votes.begin(), votes.end(), page) != votes.end();
}

// What the detection needs of the bytes, found in one pass sixteen bytes at a time: most
// lines hold no byte of 128 or more and say nothing of the fonts.
struct FormBytes {
    bool anyHigh = false;
    std::string highLines;  // the lines holding a byte of 128 or more, each followed by LF
    std::vector<CodePage> votes;
};

constexpr std::size_t kBlock = 16;

// Bits for the line breaks and for the bytes of 128 or more among the (up to) sixteen bytes
// from block on.
void MarksOf(const char* block, const char* end, unsigned& breaks, unsigned& highs) {
#ifdef __SSE2__
    if (block + kBlock <= end) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
        breaks = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')))));
        highs = static_cast<unsigned>(_mm_movemask_epi8(bytes));
        return;
    }
#endif
    breaks = 0;
    highs = 0;
    for (std::size_t i = 0; i < kBlock && block + i < end; ++i) {
        breaks |= IsLineBreak(block[i]) ? 1u << i : 0;
        highs |= IsHigh(block[i]) ? 1u << i : 0;
    }
}

FormBytes ScanBytes(std::string_view bytes) {
    FormBytes found;
    CharsetVotes charsets;
    const char* const base = bytes.data();
    const char* const end = base + bytes.size();
    std::size_t lineStart = 0;
    bool lineIsHigh = false;
    auto endLine = [&](std::size_t lineEnd) {
        if (lineEnd == lineStart)
            return;  // between the CR and the LF of a line break
        const std::string_view line(base + lineStart, lineEnd - lineStart);
        if (lineIsHigh) {
            found.highLines += line;
            found.highLines += '\n';
        }
        charsets.Read(line);
    };
    for (const char* block = base; block < end; block += kBlock) {
        unsigned breaks = 0;
        unsigned highs = 0;
        MarksOf(block, end, breaks, highs);
        for (unsigned marks = breaks | highs; marks != 0; marks &= marks - 1) {
            const unsigned bit = static_cast<unsigned>(__builtin_ctz(marks));
            const auto at = static_cast<std::size_t>(block - base) + bit;
            if (highs & (1u << bit)) {
                lineIsHigh = true;
                found.anyHigh = true;
                continue;
            }
            endLine(at);
            lineStart = at + 1;
            lineIsHigh = false;
        }
    }
    if (lineStart < bytes.size())
        endLine(bytes.size());
    found.votes = charsets.Votes();
    return found;
}

// What an answer of uchardet 0.0.7 means for a file saved on Windows.
std::optional<CodePage> CodePageOfDetectorAnswer(std::string_view answer) {
    struct Answer {
        std::string_view name;
        CodePage page;
    };
    static constexpr Answer kAnswers[] = {
        {"WINDOWS-1250", CodePage::Windows1250},
        {"ISO-8859-2", CodePage::Windows1250},
        {"IBM852", CodePage::Windows1250},
        {"MAC-CENTRALEUROPE", CodePage::Windows1250},
        {"ISO-8859-16", CodePage::Windows1250},
        {"WINDOWS-1251", CodePage::Windows1251},
        {"ISO-8859-5", CodePage::Windows1251},
        {"KOI8-R", CodePage::Windows1251},
        {"IBM855", CodePage::Windows1251},
        {"IBM866", CodePage::Windows1251},
        {"MAC-CYRILLIC", CodePage::Windows1251},
        {"WINDOWS-1252", CodePage::Windows1252},
        {"ISO-8859-1", CodePage::Windows1252},
        {"ISO-8859-15", CodePage::Windows1252},
        {"MAC-ROMAN", CodePage::Windows1252},
        {"WINDOWS-1253", CodePage::Windows1253},
        {"ISO-8859-7", CodePage::Windows1253},
        {"WINDOWS-1254", CodePage::Windows1254},
        {"ISO-8859-9", CodePage::Windows1254},
        {"ISO-8859-3", CodePage::Windows1254},
        {"WINDOWS-1255", CodePage::Windows1255},
        {"ISO-8859-8", CodePage::Windows1255},
        {"WINDOWS-1256", CodePage::Windows1256},
        {"ISO-8859-6", CodePage::Windows1256},
        {"WINDOWS-1257", CodePage::Windows1257},
        {"ISO-8859-13", CodePage::Windows1257},
        {"ISO-8859-4", CodePage::Windows1257},
        {"ISO-8859-10", CodePage::Windows1257},
        {"WINDOWS-1258", CodePage::Windows1258},
        {"VISCII", CodePage::Windows1258},
        {"TCVN", CodePage::Windows1258},
        {"TIS-620", CodePage::Windows874},
        {"ISO-8859-11", CodePage::Windows874},
        {"WINDOWS-874", CodePage::Windows874},
        {"SHIFT_JIS", CodePage::ShiftJis},
        {"EUC-JP", CodePage::ShiftJis},
        {"ISO-2022-JP", CodePage::ShiftJis},
        {"GB18030", CodePage::Gbk},
        {"HZ-GB-2312", CodePage::Gbk},
        {"ISO-2022-CN", CodePage::Gbk},
        {"BIG5", CodePage::Big5},
        {"EUC-TW", CodePage::Big5},
        {"EUC-KR", CodePage::UnifiedHangul},
        {"UHC", CodePage::UnifiedHangul},
        {"ISO-2022-KR", CodePage::UnifiedHangul},
        {"CP949", CodePage::UnifiedHangul},
    };
    for (const Answer& known : kAnswers)
        if (known.name == answer)
            return known.page;
    return std::nullopt;  // UTF-8 (the bytes are not) or nothing heard
}

std::optional<CodePage> DetectorsCodePage(std::string_view sample) {
    return CodePageOfDetectorAnswer(DetectedCharsetName(sample));
}

// The comments a Chinese, Japanese or Korean edition of the designer writes after the values
// it names (StartUpPosition = 3 'Windows Default), in that edition's code page.
struct EditionComments {
    CodePage page;
    std::vector<std::u16string_view> comments;
};

const std::vector<EditionComments>& EditionsComments() {
    static const std::vector<EditionComments> kComments = {
        {CodePage::Gbk,
         {u"'窗口缺省", u"'屏幕中心", u"'所有者中心", u"'透明", u"'平面", u"'无", u"'固定对话框", u"'用户", u"'最大化",
          u"'左对齐", u"'居中", u"'右对齐", u"'实线", u"'实心"}},
        {CodePage::Big5,
         {u"'系統預設值", u"'螢幕中央", u"'表單中央", u"'沒有框線", u"'透明", u"'平面", u"'單線固定", u"'使用者自訂",
          u"'最大化", u"'圖片外觀", u"'對齊表單上方", u"'對齊表單下方", u"'置中對齊", u"'固定對話方塊"}},
        {CodePage::ShiftJis,
         {u"'Windows の既定値", u"'画面の中央", u"'ｵｰﾅｰ ﾌｫｰﾑの中央", u"'固定ﾀﾞｲｱﾛｸﾞ", u"'なし", u"'透明", u"'ﾌﾗｯﾄ",
          u"'ﾕｰｻﾞｰ", u"'最大化", u"'中央揃え", u"'右揃え", u"'実線", u"'ｸﾞﾗﾌｨｯｸｽ", u"'ﾄﾞﾛｯﾌﾟﾀﾞｳﾝ ﾘｽﾄ", u"'固定(実線)"}},
        {CodePage::UnifiedHangul,
         {u"'Windows 기본값", u"'화면 가운데", u"'소유자 가운데", u"'크기 고정 대화 상자", u"'없음", u"'투명", u"'평면",
          u"'사용자", u"'최대화", u"'가운데 맞춤", u"'오른쪽 맞춤", u"'위 맞춤", u"'아래 맞춤", u"'고정 단일",
          u"'그래픽", u"'수직", u"'고정 도구 창"}},
    };
    return kComments;
}

struct EncodedComment {
    CodePage page;
    std::string bytes;
};

const std::vector<EncodedComment>& EncodedEditionComments() {
    static const std::vector<EncodedComment> kEncoded = [] {
        std::vector<EncodedComment> encoded;
        for (const EditionComments& edition : EditionsComments()) {
            for (const std::u16string_view comment : edition.comments) {
                std::string bytes;
                if (!AppendEncoded(edition.page, comment, bytes))
                    encoded.push_back({edition.page, std::move(bytes)});
            }
        }
        return encoded;
    }();
    return kEncoded;
}

// The edition whose comments the lines hold most often, where the lines are valid in its
// code page. Every comment starts with an apostrophe, so only the apostrophes are looked at.
std::optional<CodePage> EditionOfComments(std::string_view lines) {
    std::map<CodePage, int> hits;
    for (std::size_t at = lines.find('\''); at != std::string_view::npos; at = lines.find('\'', at + 1))
        for (const EncodedComment& comment : EncodedEditionComments())
            if (lines.substr(at).starts_with(comment.bytes))
                ++hits[comment.page];
    std::optional<CodePage> best;
    int bestCount = 0;
    for (const auto& [page, count] : hits) {
        if (count > bestCount && ReadsAsText(page, lines)) {
            best = page;
            bestCount = count;
        }
    }
    return best;
}

bool IsSingleByte(CodePage page) {
    return !IsEastAsian(page) && page != CodePage::Utf8;
}

bool IsLatin(CodePage page) {
    return page == CodePage::Windows1250 || page == CodePage::Windows1252 || page == CodePage::Windows1254 ||
           page == CodePage::Windows1257 || page == CodePage::Windows1258;
}

bool IsOtherScript(CodePage page) {
    return page == CodePage::Windows1251 || page == CodePage::Windows1253 || page == CodePage::Windows1255 ||
           page == CodePage::Windows1256 || page == CodePage::Windows874;
}

std::u16string Decoded(CodePage page, std::string_view bytes) {
    std::u16string text;
    AppendDecoded(page, bytes, text);
    return text;
}

// Of the characters above ASCII, the share that are letters or marks when read in page.
double ShareOfLetters(CodePage page, std::string_view lines) {
    std::size_t high = 0;
    std::size_t letters = 0;
    for (const char16_t c : Decoded(page, lines)) {
        if (c < 0x80)
            continue;
        ++high;
        letters += IsLetterOrMark(c) ? 1 : 0;
    }
    return high == 0 ? 1.0 : static_cast<double>(letters) / static_cast<double>(high);
}

// Of the bytes of 128 or more, the share that stand in runs of two or more: an East Asian
// text is made of such pairs, a European one mostly of single letters among ASCII.
double ShareOfPairedBytes(std::string_view lines) {
    std::size_t high = 0;
    std::size_t paired = 0;
    std::size_t run = 0;
    for (std::size_t i = 0; i <= lines.size(); ++i) {
        if (i < lines.size() && IsHigh(lines[i])) {
            ++run;
            continue;
        }
        high += run;
        paired += run >= 2 ? run : 0;
        run = 0;
    }
    return high == 0 ? 0.0 : static_cast<double>(paired) / static_cast<double>(high);
}

// For a few East Asian words with no other signal: the code page whose lead and trail bytes
// every pair fits (Hangul syllables and GB2312's hanzi have narrow ranges of their own).
std::optional<CodePage> EastAsianByItsPairs(std::string_view lines) {
    std::vector<std::pair<unsigned char, unsigned char>> pairs;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsHigh(lines[i]) && i + 1 < lines.size()) {
            pairs.emplace_back(static_cast<unsigned char>(lines[i]), static_cast<unsigned char>(lines[i + 1]));
            ++i;
        }
    }
    if (pairs.empty())
        return std::nullopt;
    auto allIn = [&pairs](unsigned leadFrom, unsigned leadTo) {
        return std::all_of(pairs.begin(), pairs.end(), [=](const auto& pair) {
            return pair.first >= leadFrom && pair.first <= leadTo && pair.second >= 0xA1 && pair.second <= 0xFE;
        });
    };
    if (ReadsAsText(CodePage::UnifiedHangul, lines) && allIn(0xB0, 0xC8))
        return CodePage::UnifiedHangul;
    if (ReadsAsText(CodePage::Gbk, lines) && allIn(0xA1, 0xF7))
        return CodePage::Gbk;
    for (const CodePage page : {CodePage::Big5, CodePage::ShiftJis, CodePage::Gbk})
        if (ReadsAsText(page, lines))
            return page;
    return std::nullopt;
}

std::optional<CodePage> ChooseAmongLatin(CodePage detected, const std::vector<CodePage>& votes,
                                         std::string_view lines) {
    const bool readsAsText = ReadsAsText(detected, lines);
    const bool sameAsWestern = Decoded(detected, lines) == Decoded(CodePage::Windows1252, lines);
    // Hungarian and Polish forms often keep the designer's Western fonts; their ő and ł tell.
    if (detected == CodePage::Windows1250 && readsAsText && !sameAsWestern &&
        std::all_of(votes.begin(), votes.end(), [](CodePage vote) { return vote == CodePage::Windows1252; }))
        return detected;
    if (Holds(votes, CodePage::Windows1252) || sameAsWestern || !readsAsText)
        return CodePage::Windows1252;
    return detected;
}

CodePage ChooseForText(const FormBytes& found) {
    const std::string& lines = found.highLines;
    if (ReadsAsText(CodePage::Utf8, lines))
        return CodePage::Utf8;
    if (const auto edition = EditionOfComments(lines))
        return *edition;
    const std::vector<CodePage>& votes = found.votes;
    const std::optional<CodePage> detected = DetectorsCodePage(std::string_view(lines).substr(0, kDetectorSample));

    if (const auto eastAsian =
            MostFrequent(votes, [&lines](CodePage vote) { return IsEastAsian(vote) && ReadsAsText(vote, lines); }))
        return *eastAsian;
    if (detected && IsEastAsian(*detected) && ReadsAsText(*detected, lines))
        return *detected;
    if (const auto named = MostFrequent(votes, [&lines](CodePage vote) {
            return !IsEastAsian(vote) && vote != CodePage::Windows1252 && ReadsAsText(vote, lines);
        }))
        return *named;
    if (detected && IsOtherScript(*detected) && ReadsAsText(*detected, lines))
        return *detected;
    if (votes.empty()) {
        const std::optional<CodePage> singleByte =
            detected && IsSingleByte(*detected) ? detected : std::optional<CodePage>();
        const bool readsAsLetters =
            singleByte && ReadsAsText(*singleByte, lines) && ShareOfLetters(*singleByte, lines) >= 0.8;
        if (!readsAsLetters && ShareOfPairedBytes(lines) >= 0.5)
            if (const auto eastAsian = EastAsianByItsPairs(lines))
                return *eastAsian;
    }
    if (detected && (IsLatin(*detected)))
        if (const auto latin = ChooseAmongLatin(*detected, votes, lines))
            return *latin;
    return Holds(votes, CodePage::Windows1252) ? CodePage::Windows1252 : CodePage::Windows1251;
}

}  // namespace

int CharsetOf(CodePage page) {
    for (const CharsetOfCodePage& known : kCharsets)
        if (known.page == page)
            return known.charset;
    return 1;
}

CodePage ChooseCodePage(std::string_view bytes) {
    const FormBytes found = ScanBytes(bytes);
    if (found.anyHigh)
        return ChooseForText(found);
    return MostFrequent(found.votes, [](CodePage) { return true; }).value_or(CodePage::Windows1251);
}

}  // namespace tremaro
