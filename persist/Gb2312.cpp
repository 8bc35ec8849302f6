#include "persist/Gb2312.h"

#include "model/Utf8.h"

#include <cerrno>
#include <iconv.h>

namespace varkel {
namespace {

bool IsAscii(const std::string& text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
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

bool DecodeGb2312(const std::string& bytes, std::string& utf8, std::size_t* badOffset) {
    if (IsAscii(bytes)) {
        utf8 = bytes;
        return true;
    }
    thread_local Converter fromGbk("UTF-8", "GBK");
    return fromGbk.Convert(bytes, utf8, badOffset);
}

} // namespace varkel
