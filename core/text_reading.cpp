#include "core/text_reading.h"

#include "platform/unicode.h"

#include <cstdint>
#include <initializer_list>
#include <unordered_map>

namespace tremaro {
namespace {

bool IsUnread(char16_t c) {
    return IsByteKeptAsItWas(c) || (c >= 0x80 && c <= 0x9F) || (c >= 0xE000 && c <= 0xF8FF);
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Whether a word whose characters above ASCII are of these scripts (a bit for each) is a word
// of a text written in the page.
bool FitsPage(CodePage page, unsigned scripts, bool hasAsciiLetter, std::size_t length) {
    // A lone letter says nothing: a © or ° of any text is a letter in some code page.
    if (length < 2 && !IsLatin(page))
        return false;
    auto only = [scripts](std::initializer_list<Script> allowed) {
        unsigned mask = 1u << static_cast<unsigned>(Script::Mark);
        for (const Script script : allowed)
            mask |= 1u << static_cast<unsigned>(script);
        return (scripts & ~mask) == 0;
    };
    switch (page) {
    case CodePage::Windows1250:
    case CodePage::Windows1252:
    case CodePage::Windows1254:
    case CodePage::Windows1257:
    case CodePage::Windows1258:
        // Accented letters stand among plain ones; a word of nothing but accented letters is
        // another script's word misread, but for the one-letter words of French or Spanish.
        return only({Script::Latin}) && (hasAsciiLetter || length == 1);
    case CodePage::Windows1251:
        return only({Script::Cyrillic}) && !hasAsciiLetter;
    case CodePage::Windows1253:
        return only({Script::Greek}) && !hasAsciiLetter;
    case CodePage::Windows1255:
        return only({Script::Hebrew}) && !hasAsciiLetter;
    case CodePage::Windows1256:
        return only({Script::Arabic}) && !hasAsciiLetter;
    case CodePage::Windows874:
        return only({Script::Thai}) && !hasAsciiLetter;
    case CodePage::ShiftJis:
        return only({Script::Han, Script::Kana, Script::CjkSymbol});
    case CodePage::Gbk:
    case CodePage::Big5:
        return only({Script::Han, Script::CjkSymbol});
    case CodePage::UnifiedHangul:
        return only({Script::Hangul, Script::Han, Script::CjkSymbol});
    case CodePage::Utf8:
        return only({Script::Latin}) || only({Script::Greek}) || only({Script::Cyrillic}) || only({Script::Hebrew}) ||
               only({Script::Arabic}) || only({Script::Thai}) ||
               only({Script::Han, Script::Kana, Script::Hangul, Script::CjkSymbol});
    }
    return false;
}

// Of the characters above ASCII that the bytes make in an East Asian code page, the share that
// are of the few thousand an East Asian text is mostly written in (GB2312's first level of
// hanzi, Big5's frequent ones, the Hangul syllables of KS X 1001, kana and Shift-JIS's first
// level of kanji) or their punctuation. European text read in these pages makes pairs too, but
// of rare characters.
struct CommonCharacters {
    std::size_t characters = 0;
    std::size_t common = 0;
};

CommonCharacters CommonCharactersOf(CodePage page, std::string_view lines) {
    auto isLead = [page](unsigned byte) {
        return page == CodePage::ShiftJis ? (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)
                                          : byte >= 0x81 && byte <= 0xFE;
    };
    auto isCommon = [page](unsigned lead, unsigned trail) {
        switch (page) {
        case CodePage::Gbk:
            return lead >= 0xA1 && lead <= 0xD7 && trail >= 0xA1;
        case CodePage::Big5:
            return lead >= 0xA1 && lead <= 0xC6;
        case CodePage::UnifiedHangul:
            return lead >= 0xA1 && lead <= 0xC8 && trail >= 0xA1;
        default:
            return lead <= 0x98;
        }
    };
    CommonCharacters found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto byte = static_cast<unsigned char>(lines[i]);
        if (byte < 0x80)
            continue;
        ++found.characters;
        if (isLead(byte) && i + 1 < lines.size()) {
            found.common += isCommon(byte, static_cast<unsigned char>(lines[i + 1])) ? 1 : 0;
            ++i;
        } else {
            // Shift-JIS's half-width katakana, which Japanese forms use for their short labels.
            found.common += page == CodePage::ShiftJis && byte >= 0xA1 && byte <= 0xDF ? 1 : 0;
        }
    }
    return found;
}

// The length of the valid UTF-8 sequence of two bytes or more at the front of bytes, or 0.
std::size_t Utf8SequenceAt(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(bytes[1]);
    const bool overlongOrSurrogate = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
                                     (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90);
    return overlongOrSurrogate ? 0 : length;
}

// The words of one script a text reads as, counted a character at a time.
class WordTally {
public:
    explicit WordTally(CodePage page) : page_(page) {}

    void AddAscii(char16_t c) {
        if (ScriptOf(c) == Script::None) {
            EndWord();
            return;
        }
        ++length_;
        hasAsciiLetter_ = hasAsciiLetter_ || IsAsciiLetter(c);
    }

    // A character above ASCII, or a byte that read as none (unread).
    void AddAbove(Script script, bool unread) {
        ++above_;
        unread_ += unread ? 1 : 0;
        if (script == Script::None || unread) {
            EndWord();
            return;
        }
        ++length_;
        ++wordAbove_;
        scripts_ |= 1u << static_cast<unsigned>(script);
    }

    double ShareInWords() {
        EndWord();
        return above_ == 0 ? 0.0 : static_cast<double>(inWords_) / static_cast<double>(above_);
    }
    int Unread() const { return unread_; }

    // Takes in another tally's finished words as though they had come times over.
    void AddTimes(WordTally& other, std::size_t times) {
        other.EndWord();
        above_ += other.above_ * times;
        inWords_ += other.inWords_ * times;
        unread_ += other.unread_ * static_cast<int>(times);
    }

private:
    void EndWord() {
        if (wordAbove_ > 0 && FitsPage(page_, scripts_, hasAsciiLetter_, length_))
            inWords_ += wordAbove_;
        scripts_ = 0;
        hasAsciiLetter_ = false;
        length_ = 0;
        wordAbove_ = 0;
    }

    CodePage page_;
    std::size_t above_ = 0;
    std::size_t inWords_ = 0;
    int unread_ = 0;
    unsigned scripts_ = 0;
    bool hasAsciiLetter_ = false;
    std::size_t length_ = 0;
    std::size_t wordAbove_ = 0;
};

// One character of an East Asian code page, told from its bytes by the ranges of the
// standard behind the page, so that weighing a European form's words in these pages needs
// no converter: its script, or that the bytes are no character.
struct EastAsianCharacter {
    std::size_t length = 1;
    Script script = Script::None;
    bool unread = false;
};

bool Within(unsigned byte, unsigned first, unsigned last) {
    return byte >= first && byte <= last;
}

EastAsianCharacter GbkCharacter(unsigned lead, unsigned trail) {
    if (!Within(lead, 0x81, 0xFE) || !Within(trail, 0x40, 0xFE) || trail == 0x7F)
        return {1, Script::None, lead != 0x80};  // 0x80 is the euro sign
    if (Within(lead, 0xB0, 0xF7) && trail >= 0xA1)
        return {2, Script::Han};  // GB2312's hanzi
    if (Within(lead, 0xA1, 0xA9) && trail >= 0xA1) {
        static constexpr Script kRows[] = {Script::CjkSymbol, Script::None, Script::CjkSymbol,
                                           Script::Kana,      Script::Kana, Script::Greek,
                                           Script::Cyrillic,  Script::None, Script::None};
        return {2, kRows[lead - 0xA1]};
    }
    if ((Within(lead, 0xAA, 0xAF) || Within(lead, 0xF8, 0xFE)) && trail >= 0xA1)
        return {2, Script::None, true};  // left to the user
    return {2, Script::Han};             // GBK's further hanzi
}

EastAsianCharacter Big5Character(unsigned lead, unsigned trail) {
    if (!Within(lead, 0xA1, 0xF9) || !(Within(trail, 0x40, 0x7E) || Within(trail, 0xA1, 0xFE)))
        return {1, Script::None, true};
    const unsigned code = lead << 8 | trail;
    if (code < 0xA440)
        return {2, Script::CjkSymbol};
    if (code <= 0xC67E || Within(code, 0xC940, 0xF9D5))
        return {2, Script::Han};
    return {2, Script::None, code < 0xC940};  // Microsoft's Big5 defines nothing between
}

EastAsianCharacter UnifiedHangulCharacter(unsigned lead, unsigned trail) {
    const bool extendedTrail = Within(trail, 0x41, 0x5A) || Within(trail, 0x61, 0x7A) || Within(trail, 0x81, 0xA0);
    if (!Within(lead, 0x81, 0xFE) || !(extendedTrail || Within(trail, 0xA1, 0xFE)))
        return {1, Script::None, true};
    if (extendedTrail)
        return {2, Script::Hangul, lead > 0xC6};  // the rest of the syllables, to lead C6
    if (Within(lead, 0xB0, 0xC8))
        return {2, Script::Hangul};
    if (Within(lead, 0xCA, 0xFD))
        return {2, Script::Han};
    if (Within(lead, 0xA1, 0xAC)) {
        static constexpr Script kRows[] = {Script::CjkSymbol, Script::None, Script::CjkSymbol, Script::Hangul,
                                           Script::Greek,     Script::None, Script::None,      Script::None,
                                           Script::None,      Script::Kana, Script::Kana,      Script::Cyrillic};
        return {2, kRows[lead - 0xA1]};
    }
    return {2, Script::None, true};
}

EastAsianCharacter ShiftJisCharacter(unsigned lead, unsigned trail) {
    if (Within(lead, 0xA1, 0xDF))
        return {1, Script::Kana};  // half-width katakana
    if (!(Within(lead, 0x81, 0x9F) || Within(lead, 0xE0, 0xFC)) || !Within(trail, 0x40, 0xFC) || trail == 0x7F)
        return {1, Script::None, true};
    const unsigned code = lead << 8 | trail;
    if (lead == 0x81)
        return {2, Script::CjkSymbol};
    if (lead == 0x82)
        return {2, code >= 0x829F ? Script::Kana : Script::CjkSymbol};
    if (lead == 0x83)
        return {2, code <= 0x8396 ? Script::Kana : Script::Greek};
    if (lead == 0x84)
        return {2, code <= 0x8491 ? Script::Cyrillic : Script::None};
    if (Within(code, 0x889F, 0xEAA4) || Within(lead, 0xED, 0xEE) || Within(lead, 0xFA, 0xFC))
        return {2, Script::Han};
    return {2, Script::None, lead != 0x87};  // 87: NEC's symbols; the rest left to the user or to none
}

EastAsianCharacter EastAsianCharacterAt(CodePage page, std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const unsigned trail = bytes.size() > 1 ? static_cast<unsigned char>(bytes[1]) : 0;
    switch (page) {
    case CodePage::Gbk:
        return GbkCharacter(lead, trail);
    case CodePage::Big5:
        return Big5Character(lead, trail);
    case CodePage::UnifiedHangul:
        return UnifiedHangulCharacter(lead, trail);
    default:
        return ShiftJisCharacter(lead, trail);
    }
}

void TallyEastAsian(CodePage page, std::string_view bytes, WordTally& tally) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (!IsAboveAscii(bytes[i])) {
            tally.AddAscii(static_cast<char16_t>(bytes[i++]));
            continue;
        }
        const EastAsianCharacter character = EastAsianCharacterAt(page, bytes.substr(i));
        tally.AddAbove(character.script, character.unread);
        i += character.length;
    }
}

void TallyUtf8(std::string_view bytes, WordTally& tally) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (!IsAboveAscii(bytes[i])) {
            tally.AddAscii(static_cast<char16_t>(bytes[i++]));
            continue;
        }
        const std::size_t length = Utf8SequenceAt(bytes.substr(i));
        if (length == 0) {
            tally.AddAbove(Script::None, true);
            ++i;
            continue;
        }
        char32_t code = static_cast<unsigned char>(bytes[i]) & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k)
            code = code << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        tally.AddAbove(code <= 0xFFFF ? ScriptOf(static_cast<char16_t>(code)) : Script::None, false);
        i += length;
    }
}

// Whether the byte can stand inside a word of text in any code page: a letter, or a byte the
// multibyte code pages take as a trail byte.
bool CanStandInAWord(char byte) {
    return IsAboveAscii(byte) || (byte >= '@' && byte <= '~') || (byte >= '0' && byte <= '9');
}

void TallyWord(CodePage page, std::string_view word, std::u16string& text, WordTally& tally) {
    if (IsEastAsian(page)) {
        TallyEastAsian(page, word, tally);
    } else if (page == CodePage::Utf8) {
        TallyUtf8(word, tally);
    } else {
        const std::size_t start = text.size();
        AppendDecoded(page, word, text);
        for (std::size_t i = start; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c < 0x80)
                tally.AddAscii(c);
            else
                tally.AddAbove(ScriptOf(c), IsUnread(c));
        }
    }
}

}  // namespace

Reading ReadingIn(CodePage page, const std::vector<CountedWord>& words) {
    Reading reading;
    WordTally tally(page);
    CommonCharacters common;
    for (const CountedWord& counted : words) {
        WordTally once(page);
        TallyWord(page, counted.word, reading.text, once);
        tally.AddTimes(once, counted.count);
        if (IsEastAsian(page)) {
            const CommonCharacters inWord = CommonCharactersOf(page, counted.word);
            common.characters += inWord.characters * counted.count;
            common.common += inWord.common * counted.count;
        }
    }
    reading.shareInWords = tally.ShareInWords();
    reading.unread = tally.Unread();
    if (IsEastAsian(page))
        reading.shareInWords *=
            common.characters == 0 ? 0.0 : static_cast<double>(common.common) / static_cast<double>(common.characters);
    return reading;
}

std::vector<CountedWord> CountedWords(std::string_view words) {
    std::vector<CountedWord> counted;
    std::unordered_map<std::string_view, std::size_t> indexOfWord;
    for (std::size_t start = 0; start < words.size();) {
        std::size_t end = words.find(' ', start);
        end = end == std::string_view::npos ? words.size() : end + 1;
        const std::string_view word = words.substr(start, end - start);
        const auto [at, isNew] = indexOfWord.try_emplace(word, counted.size());
        if (isNew)
            counted.push_back({word, 0});
        ++counted[at->second].count;
        start = end;
    }
    return counted;
}

std::string WordsAboveAscii(std::string_view lines) {
    std::string words;
    for (std::size_t i = 0; i < lines.size();) {
        if (!IsAboveAscii(lines[i])) {
            ++i;
            continue;
        }
        std::size_t first = i;
        while (first > 0 && CanStandInAWord(lines[first - 1]))
            --first;
        std::size_t end = i;
        while (end < lines.size() && CanStandInAWord(lines[end]))
            ++end;
        words.append(lines.substr(first, end - first));
        words += ' ';
        i = end;
    }
    return words;
}

double ShareInUtf8Sequences(std::string_view lines) {
    std::size_t high = 0;
    std::size_t inSequences = 0;
    for (std::size_t i = 0; i < lines.size();) {
        if (!IsAboveAscii(lines[i])) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceAt(lines.substr(i));
        high += std::max<std::size_t>(length, 1);
        inSequences += length;
        i += std::max<std::size_t>(length, 1);
    }
    return high == 0 ? 0.0 : static_cast<double>(inSequences) / static_cast<double>(high);
}

}  // namespace tremaro
