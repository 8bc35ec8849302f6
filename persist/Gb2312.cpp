#include "persist/Gb2312.h"

#include "model/Utf8.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>

namespace varkel {
namespace {

// How many bytes from the start are below 0x80, eight at a time.
std::size_t AsciiSpan(const char* p, std::size_t n) {
    std::size_t k = 0;
    for (; k + 8 <= n; k += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + k, 8);
        if (word & 0x8080808080808080ull)
            break;
    }
    while (k < n && static_cast<unsigned char>(p[k]) < 0x80)
        ++k;
    return k;
}

bool IsAscii(const std::string& text) {
    return AsciiSpan(text.data(), text.size()) == text.size();
}

// One open conversion descriptor per direction and thread: opening one is
// far dearer than converting a configuration.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Strict conversion: any sequence without a mapping is a failure, never
    // a substitution.
    bool Convert(const std::string& in, std::string& out, std::size_t* badOffset) {
        out.clear();
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            if (badOffset)
                *badOffset = 0;
            return false;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // reset the shift state
        out.resize(in.size() * 2 + 16);
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        std::size_t used = 0;
        while (true) {
            char* outPtr = out.data() + used;
            std::size_t outLeft = out.size() - used;
            std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            used = out.size() - outLeft;
            if (rc != static_cast<std::size_t>(-1)) {
                // Flush any pending state; the code pages here are stateless,
                // but a final call costs nothing.
                outPtr = out.data() + used;
                outLeft = out.size() - used;
                if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
                    break;
                used = out.size() - outLeft;
                // glibc answers the number of irreversible conversions; any
                // of them would be a silent substitution.
                if (rc != 0)
                    break;
                out.resize(used);
                return true;
            }
            if (errno == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            break; // EILSEQ or EINVAL (a truncated sequence at the end)
        }
        if (badOffset)
            *badOffset = in.size() - inLeft;
        return false;
    }

    // The same conversion with the ASCII bytes copied rather than passed
    // through iconv: they stand for themselves in the code page, and a file
    // is mostly markup. Only runs of multi-byte characters are converted;
    // they are cut where a character ends (a lead byte 0x81-0xFE, then three
    // more bytes when the second is a digit, as GB18030 has it, else one),
    // and since the code page keeps no state, converting them one by one
    // gives the same text. False on anything unusual, for the caller to
    // convert the whole text the usual way, which also finds the offset of
    // a fault.
    bool ConvertRuns(const std::string& in, std::string& out) {
        out.clear();
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        // A two-byte character takes at most three bytes in UTF-8, a
        // four-byte one at most four.
        out.resize(in.size() + in.size() / 2 + 16);
        const char* src = in.data();
        const std::size_t n = in.size();
        char* dst = out.data();
        std::size_t i = 0;
        while (i < n) {
            const std::size_t ascii = AsciiSpan(src + i, n - i);
            std::memcpy(dst, src + i, ascii);
            dst += ascii;
            i += ascii;
            if (i == n)
                break;
            const std::size_t start = i;
            while (i < n) {
                const auto lead = static_cast<unsigned char>(src[i]);
                if (lead < 0x80)
                    break;
                if (lead == 0x80 || lead == 0xFF || i + 1 >= n)
                    return false;
                const auto second = static_cast<unsigned char>(src[i + 1]);
                i += second >= 0x30 && second <= 0x39 ? 4 : 2;
            }
            if (i > n)
                return false;
            char* inPtr = const_cast<char*>(src + start);
            std::size_t inLeft = i - start;
            std::size_t outLeft = static_cast<std::size_t>(out.data() + out.size() - dst);
            if (iconv(cd_, &inPtr, &inLeft, &dst, &outLeft) != 0)
                return false; // a fault, or an irreversible conversion
        }
        out.resize(static_cast<std::size_t>(dst - out.data()));
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

bool EncodeGb2312(const std::string& utf8, std::string& out) {
    if (IsAscii(utf8)) {
        out = utf8;
        return true;
    }
    std::size_t bad = 0;
    if (!IsValidUtf8(utf8, &bad))
        return false;
    thread_local Converter toGbk("GBK", "UTF-8");
    return toGbk.Convert(utf8, out, nullptr);
}

bool IsGb2312Text(const std::string& utf8) {
    std::string out;
    return EncodeGb2312(utf8, out);
}

bool DecodeGb2312(const std::string& bytes, std::string& utf8, std::size_t* badOffset) {
    if (IsAscii(bytes)) {
        utf8 = bytes;
        return true;
    }
    thread_local Converter fromGbk("UTF-8", "GBK");
    return fromGbk.ConvertRuns(bytes, utf8) || fromGbk.Convert(bytes, utf8, badOffset);
}

} // namespace varkel
