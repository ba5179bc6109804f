#include "core/code_page_choice.h"

#include "core/most_frequent.h"
#include "core/text_reading.h"
#include "platform/charset_detector.h"
#include "platform/text_ops.h"
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

bool IsLineBreak(char byte) {
    return byte == '\r' || byte == '\n';
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
        line.remove_prefix(LeadingBlanks(line));
        if (line.empty())
            return;
        const char letter = FoldAsciiCase(line.front());
        if (letter != 'b' && letter != 'e' && (letter != 'c' || fontGroupDepth_ != 1))
            return;
        const std::string_view trimmed = line.substr(0, line.size() - TrailingBlanks(line));
        if (StartsWithIgnoringAsciiCase(trimmed, "BeginProperty") &&
            (trimmed.size() == 13 || trimmed[13] == ' ' || trimmed[13] == '\t')) {
            const std::string_view rest = TrimmedText(trimmed.substr(13));
            const std::string_view name = rest.substr(0, rest.find_first_of(" \t"));
            if (fontGroupDepth_ > 0)
                ++fontGroupDepth_;
            else if (EndsWithIgnoringAsciiCase(name, "Font"))
                fontGroupDepth_ = 1;
        } else if (fontGroupDepth_ > 0 && (trimmed == "EndProperty" || trimmed == "End")) {
            fontGroupDepth_ = trimmed == "End" ? 0 : fontGroupDepth_ - 1;
        } else if (fontGroupDepth_ == 1 && StartsWithIgnoringAsciiCase(trimmed, "Charset")) {
            ReadCharset(TrimmedText(trimmed.substr(7)));
        }
    }

    const std::vector<CodePage>& Votes() const { return votes_; }

private:
    void ReadCharset(std::string_view rest) {
        if (rest.empty() || rest.front() != '=')
            return;
        const std::string_view digits = TrimmedText(rest.substr(1));
        long charset = 0;
        std::size_t i = 0;
        for (; i < digits.size() && i < 6 && IsDigit(digits[i]); ++i)
            charset = charset * 10 + (digits[i] - '0');
        if (i > 0)
            if (const auto page = CodePageOfCharset(charset))
                votes_.push_back(*page);
    }

    int fontGroupDepth_ = 0;  // inside a font group, how many groups deep
    std::vector<CodePage> votes_;
};

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
        highs |= IsAboveAscii(block[i]) ? 1u << i : 0;
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

// The edition whose comments the lines hold most often. Every comment starts with an apostrophe, so only the
// apostrophes are looked at.
std::optional<CodePage> EditionOfComments(std::string_view lines) {
    std::map<CodePage, int> hits;
    for (std::size_t at = lines.find('\''); at != std::string_view::npos; at = lines.find('\'', at + 1))
        for (const EncodedComment& comment : EncodedEditionComments())
            if (lines.substr(at).starts_with(comment.bytes))
                ++hits[comment.page];
    std::optional<CodePage> best;
    int bestCount = 0;
    for (const auto& [page, count] : hits) {
        if (count > bestCount) {
            best = page;
            bestCount = count;
        }
    }
    return best;
}

// How much each witness weighs for a code page. The form's own word (its fonts, its
// designer's edition, UTF-8's unmistakable sequences) outweighs what is heard in the text,
// which outweighs a stray byte; found right in this order on real forms of many languages.
struct Weights {
    double scriptCharset;   // times the share of the fonts naming a script other than Western that name it
    double westernCharset;  // times the share of all the fonts naming a script that say Western
    double editionComments;
    double utf8;              // times the share of the bytes of 128 or more that stand in valid sequences
    double detector;          // times how sure it can be: on a few words it guesses
    double wordsOfOneScript;  // times the share of the characters above ASCII that stand in such words
    double pairsFit;
    double perUnreadByte;  // taken off for each byte the page leaves undefined or cannot decode
};

constexpr Weights kWeights{
    .scriptCharset = 5.0,
    .westernCharset = 1.0,
    .editionComments = 6.0,
    .utf8 = 8.0,
    .detector = 3.0,
    .wordsOfOneScript = 3.0,
    .pairsFit = 1.5,
    .perUnreadByte = 0.25,
};

// The detector is as sure as its answers on texts of this many bytes above ASCII; on fewer it
// counts for as much less.
constexpr double kBytesTheDetectorNeeds = 16;

// Less than this for the best page is a whisper (the detector's guess at one byte), no decision.
constexpr double kLeastEvidence = 1.0;

// A winner whose lead over the next is at least this, heard by the detector and read as words,
// is taken as certain even where no font names its script.
constexpr double kClearLead = 2.0;

// Of the bytes of 128 or more, the share that stand in runs of two or more: an East Asian
// text is made of such pairs, a European one mostly of single letters among ASCII.
double ShareOfPairedBytes(std::string_view lines) {
    std::size_t high = 0;
    std::size_t paired = 0;
    std::size_t run = 0;
    for (std::size_t i = 0; i <= lines.size(); ++i) {
        if (i < lines.size() && IsAboveAscii(lines[i])) {
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
        if (IsAboveAscii(lines[i]) && i + 1 < lines.size()) {
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
    if (allIn(0xB0, 0xC8))
        return CodePage::UnifiedHangul;
    if (allIn(0xA1, 0xF7))
        return CodePage::Gbk;
    return std::nullopt;
}

struct Witnesses {
    std::vector<CodePage> votes;
    std::optional<CodePage> edition;
    std::optional<CodePage> detected;
    double detectorSureness = 0;
    std::optional<CodePage> pairsFit;
    double utf8Share = 0;
};

double CharsetScore(CodePage page, const std::vector<CodePage>& votes) {
    const auto named = static_cast<double>(std::count(votes.begin(), votes.end(), page));
    if (page == CodePage::Windows1252)
        return votes.empty() ? 0.0 : kWeights.westernCharset * named / static_cast<double>(votes.size());
    const auto others = static_cast<double>(
        std::count_if(votes.begin(), votes.end(), [](CodePage vote) { return vote != CodePage::Windows1252; }));
    return others == 0 ? 0.0 : kWeights.scriptCharset * named / others;
}

double Score(CodePage page, const Witnesses& witnesses, const Reading& reading) {
    double score = CharsetScore(page, witnesses.votes);
    score += witnesses.edition == page ? kWeights.editionComments : 0.0;
    score += page == CodePage::Utf8 ? kWeights.utf8 * witnesses.utf8Share : 0.0;
    score += witnesses.pairsFit == page ? kWeights.pairsFit : 0.0;
    score += kWeights.wordsOfOneScript * reading.shareInWords;
    return score - kWeights.perUnreadByte * reading.unread;
}

// Whether the form's own word stands behind the page: most of its script-naming fonts, its
// designer's edition, or UTF-8's sequences.
bool FormSaysSo(CodePage page, const Witnesses& witnesses) {
    const auto named = std::count(witnesses.votes.begin(), witnesses.votes.end(), page);
    return 2 * named > static_cast<long>(witnesses.votes.size()) || witnesses.edition == page ||
           (page == CodePage::Utf8 && witnesses.utf8Share > 0.5);
}

// What a form's fonts alone decide: the code page they name most often, else the fallback;
// neither rests on the text.
CodePageDecision DecisionByFontsAlone(const std::vector<CodePage>& votes, bool certain) {
    if (const auto named = MostFrequent(votes))
        return {*named, CodePageBasis::OwnFonts, certain};
    return {CodePage::Windows1251, CodePageBasis::Nothing, certain};
}

struct Candidate {
    CodePage page;
    double score;
    Reading reading;
};

// The best and the next best.
std::pair<const Candidate*, const Candidate*> TopTwo(const std::vector<Candidate>& candidates) {
    const Candidate* best = nullptr;
    const Candidate* second = nullptr;
    for (const Candidate& candidate : candidates) {
        if (!best || candidate.score > best->score) {
            second = best;
            best = &candidate;
        } else if (!second || candidate.score > second->score) {
            second = &candidate;
        }
    }
    return {best, second};
}

CodePageDecision DecideForText(const FormBytes& found) {
    const std::string words = WordsAboveAscii(found.highLines);
    Witnesses witnesses;
    witnesses.votes = found.votes;
    witnesses.edition = EditionOfComments(found.highLines);
    witnesses.utf8Share = ShareInUtf8Sequences(words);
    if (found.votes.empty() && ShareOfPairedBytes(words) >= 0.5)
        witnesses.pairsFit = EastAsianByItsPairs(words);
    const std::string_view sample = std::string_view(found.highLines).substr(0, kDetectorSample);
    const auto bytesAbove = static_cast<double>(std::count_if(sample.begin(), sample.end(), IsAboveAscii));
    witnesses.detectorSureness = std::min(1.0, bytesAbove / kBytesTheDetectorNeeds);

    const std::vector<CountedWord> counted = CountedWords(words);
    std::vector<Candidate> candidates;
    for (const CodePage page : kCodePages) {
        Reading reading = ReadingIn(page, counted);
        const double score = Score(page, witnesses, reading);
        candidates.push_back({page, score, std::move(reading)});
    }
    // The detector is asked only where its word could change the answer or its certainty: a
    // form whose own fonts name the page, leading by more than the detector weighs, is decided.
    const auto [leader, runnerUp] = TopTwo(candidates);
    const double detectorWeight = kWeights.detector * witnesses.detectorSureness;
    if (!(leader->score - runnerUp->score > detectorWeight && FormSaysSo(leader->page, witnesses))) {
        witnesses.detected = DetectorsCodePage(sample);
        for (Candidate& candidate : candidates)
            candidate.score += witnesses.detected == candidate.page ? detectorWeight : 0.0;
    }
    const auto [best, second] = TopTwo(candidates);
    // Next to nothing heard for any page (a lone © or a binary value): the bytes decide nothing.
    if (best->score < kLeastEvidence)
        return DecisionByFontsAlone(found.votes, false);
    CodePage page = best->page;
    // The designer's own default, where the form cannot tell another Latin page from it.
    const Reading& western = std::find_if(candidates.begin(), candidates.end(), [](const Candidate& candidate) {
                                 return candidate.page == CodePage::Windows1252;
                             })->reading;
    if (IsLatin(page) && page != CodePage::Windows1252 && best->reading.text == western.text)
        page = CodePage::Windows1252;
    const bool certain =
        FormSaysSo(page, witnesses) || (witnesses.detected == page && best->score - second->score >= kClearLead);
    return {page, CodePageBasis::OwnText, certain};
}

}  // namespace

int CharsetOf(CodePage page) {
    for (const CharsetOfCodePage& known : kCharsets)
        if (known.page == page)
            return known.charset;
    return kSystemDefaultCharset;
}

bool NamesAScript(long charset) {
    return CodePageOfCharset(charset).has_value();
}

CodePageDecision DecideCodePage(std::string_view bytes) {
    const FormBytes found = ScanBytes(bytes);
    // Text of ASCII alone reads the same in every code page: nothing to misread.
    return found.anyHigh ? DecideForText(found) : DecisionByFontsAlone(found.votes, true);
}

}  // namespace tremaro
