#pragma once
// Shift-JIS in its Windows form, code page 932, against the program's UTF-8 strings.
// Texts are UTF-8 inside the program; every file boundary converts with these.
//
// Code page 932 differs from plain Shift_JIS in a few characters that Japanese users type
// every day: 0x8160 is the full-width tilde "～" (U+FF5E, not the wave dash U+301C),
// 0x817C reads as the full-width hyphen-minus "－" (U+FF0D, not the minus sign U+2212),
// and the extension rows add the circled numbers "①", the Roman numerals "Ⅰ" and more
// kanji. Files written by Windows programs use this form.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace stelvar {

// A text that cannot be converted: a character with no code page 932 form, invalid
// UTF-8, or bytes that are not code page 932 text.
class EncodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 -> code page 932. Throws EncodingError naming the offending character.
std::string Utf8ToCp932(std::string_view utf8);

// Code page 932 -> UTF-8. Throws EncodingError naming the offending byte position.
std::string Cp932ToUtf8(std::string_view cp932);

// Bytes the UTF-8 text takes in code page 932: ASCII and half-width katakana one byte,
// every other (full-width) character two. Report lines are aligned on this width.
// Throws EncodingError like Utf8ToCp932.
std::size_t Cp932Length(std::string_view utf8);

// True for a byte that starts a two-byte character in code page 932.
constexpr bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace stelvar
