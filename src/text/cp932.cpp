#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace stelvar {
namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

// One pair of conversion descriptors per thread, opened on first use: opening the
// converter costs far more than converting a report line.
class Descriptors {
public:
    Descriptors() = default;
    Descriptors(const Descriptors&) = delete;
    Descriptors& operator=(const Descriptors&) = delete;
    ~Descriptors() {
        if (toCp932_ != kNoDescriptor) iconv_close(toCp932_);
        if (toUtf8_ != kNoDescriptor) iconv_close(toUtf8_);
    }
    iconv_t ToCp932() { return Open(toCp932_, "CP932", "UTF-8"); }
    iconv_t ToUtf8() { return Open(toUtf8_, "UTF-8", "CP932"); }

private:
    static iconv_t Open(iconv_t& cd, const char* to, const char* from) {
        if (cd == kNoDescriptor) {
            cd = iconv_open(to, from);
            if (cd == kNoDescriptor)
                throw EncodingError(std::string("no converter from ") + from + " to " + to +
                                    ": " + std::strerror(errno));
        }
        // Back to the initial state, whatever an earlier failed call left behind.
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return cd;
    }
    iconv_t toCp932_ = kNoDescriptor;
    iconv_t toUtf8_ = kNoDescriptor;
};

Descriptors& ThreadDescriptors() {
    thread_local Descriptors descriptors;
    return descriptors;
}

// The code point of the well-formed UTF-8 sequence at the start of s, or -1.
long DecodeUtf8(std::string_view s) {
    if (s.empty()) return -1;
    const auto b0 = static_cast<unsigned char>(s[0]);
    int length = 0;
    long cp = 0;
    if (b0 < 0x80) return b0;
    if (b0 >= 0xC2 && b0 <= 0xDF) { length = 2; cp = b0 & 0x1F; }
    else if (b0 >= 0xE0 && b0 <= 0xEF) { length = 3; cp = b0 & 0x0F; }
    else if (b0 >= 0xF0 && b0 <= 0xF4) { length = 4; cp = b0 & 0x07; }
    else return -1;
    if (s.size() < static_cast<std::size_t>(length)) return -1;
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr long kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    return cp;
}

[[noreturn]] void ThrowEncodeError(std::string_view utf8, std::size_t pos) {
    const long cp = DecodeUtf8(utf8.substr(pos));
    char buffer[64];
    if (cp < 0) {
        std::snprintf(buffer, sizeof buffer, "text is not valid UTF-8 (at byte %zu)", pos);
        throw EncodingError(buffer);
    }
    const std::size_t length = cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    std::snprintf(buffer, sizeof buffer, " (U+%04lX)", cp);
    throw EncodingError("'" + std::string(utf8) +
                        "' cannot be converted to Shift-JIS (code page 932): no form for '" +
                        std::string(utf8.substr(pos, length)) + "'" + buffer);
}

[[noreturn]] void ThrowDecodeError(std::string_view cp932, std::size_t pos) {
    char buffer[112];
    std::snprintf(buffer, sizeof buffer,
                  "text is not Shift-JIS (code page 932): byte 0x%02X at position %zu",
                  static_cast<unsigned>(static_cast<unsigned char>(cp932[pos])), pos);
    throw EncodingError(buffer);
}

template <typename OnError>
std::string Convert(iconv_t cd, std::string_view in, std::size_t initialSize, OnError onError) {
    std::string out(initialSize + 16, '\0');
    // iconv takes a non-const input pointer but does not write through it.
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t used = 0;
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (result != kIconvFailed) break;
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        onError(in, static_cast<std::size_t>(inPtr - in.data()));
    }
    out.resize(used);
    return out;
}

}  // namespace

std::string Utf8ToCp932(std::string_view utf8) {
    // No character takes more bytes in code page 932 than in UTF-8.
    return Convert(ThreadDescriptors().ToCp932(), utf8, utf8.size(), ThrowEncodeError);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    // A single byte (half-width katakana) grows to three in UTF-8.
    return Convert(ThreadDescriptors().ToUtf8(), cp932, cp932.size() * 3, ThrowDecodeError);
}

std::size_t Cp932Length(std::string_view utf8) {
    std::size_t ascii = 0;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    if (ascii == utf8.size()) return ascii;  // the common case of report lines
    return Utf8ToCp932(utf8).size();
}

}  // namespace stelvar
