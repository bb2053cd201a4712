#include "time/unicode_text.hpp"

#include "base/utf8_text.hpp"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

#include <cstdint>

namespace skyanchor {
namespace {

// A code point, where bytes that are no UTF-8 read as U+FFFD, the character that stands for them.
CodePoint readAt(std::string_view text, std::size_t pos) {
    const CodePoint c = codePointAt(text, pos);
    return {c.value < 0 ? 0xFFFD : c.value, c.length};
}

}  // namespace

std::string readingForm(std::string_view text, bool turkicCase) {
    const std::uint32_t foldOptions = turkicCase ? U_FOLD_CASE_EXCLUDE_SPECIAL_I : U_FOLD_CASE_DEFAULT;
    std::string form;
    form.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x7F && byte != '\t' && !(turkicCase && byte == 'I')) {  // ASCII, most of every date text
            form += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte);
            ++pos;
            continue;
        }
        const CodePoint c = readAt(text, pos);
        pos += c.length;
        const auto type = static_cast<UCharCategory>(u_charType(c.value));
        if (type == U_FORMAT_CHAR) continue;
        if (type == U_DECIMAL_DIGIT_NUMBER) {
            form += static_cast<char>('0' + u_charDigitValue(c.value));
        } else if (type == U_SPACE_SEPARATOR || u_isUWhiteSpace(c.value)) {
            form += ' ';
        } else if (type == U_OTHER_LETTER || type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK) {
            form.append(text.substr(pos - c.length, c.length));  // no case to fold (CJK, Thai, Tibetan...)
        } else {
            appendUtf8(form, u_foldCase(c.value, foldOptions));
        }
    }
    return form;
}

// Walks the text a character at a time, as readingForm folds each on its own; invisible marks
// have no form, so none is taken at either end.
std::string_view typedSpan(std::string_view text, std::size_t from, std::size_t to, bool turkicCase) {
    std::size_t pos = 0;
    std::size_t formPos = 0;
    std::size_t begin = text.size();
    while (pos < text.size() && formPos < to) {
        const std::size_t length = readAt(text, pos).length;
        const std::size_t formLength = readingForm(text.substr(pos, length), turkicCase).size();
        if (begin == text.size() && formPos >= from && formLength != 0) begin = pos;
        formPos += formLength;
        pos += length;
    }
    return begin < pos ? text.substr(begin, pos - begin) : std::string_view{};
}

std::string withoutAccents(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decompose = icu::Normalizer2::getNFDInstance(status);
    const icu::Normalizer2* compose = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status)) return std::string(text);
    const icu::UnicodeString decomposed =
        decompose->normalize(icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size()))), status);
    icu::UnicodeString bare;
    for (std::int32_t i = 0; i < decomposed.length(); ++i) {
        const char16_t unit = decomposed.charAt(i);
        if (unit < 0x0300 || unit > 0x036F) bare.append(unit);  // the combining diacritical marks
    }
    std::string out;
    compose->normalize(bare, status).toUTF8String(out);
    return U_FAILURE(status) ? std::string(text) : out;
}

std::size_t letterLength(std::string_view text, std::size_t pos) {
    const CodePoint c = readAt(text, pos);
    return (U_GET_GC_MASK(c.value) & (U_GC_L_MASK | U_GC_M_MASK)) != 0 ? c.length : 0;
}

std::size_t blankLength(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') return 1;
    const CodePoint c = readAt(text, pos);
    return u_isUWhiteSpace(c.value) && u_charType(c.value) == U_SPACE_SEPARATOR ? c.length : 0;
}

void appendWords(std::string_view text, std::vector<std::string>& words) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size()) {
            const std::size_t letter = letterLength(text, end);
            if (letter == 0) break;
            end += letter;
        }
        if (end > pos) {
            words.emplace_back(text.substr(pos, end - pos));
            pos = end;
        } else {
            ++pos;
        }
    }
}

}  // namespace skyanchor
