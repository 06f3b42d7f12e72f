#include "platform/cp932_system.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace kestrel::detail {

#ifdef _WIN32

namespace {
constexpr UINT kCodePage = 932;
}

std::optional<char32_t> systemDecodeCp932(std::string_view character)
{
    wchar_t wide[2];
    int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, character.data(), static_cast<int>(character.size()),
                                wide, 2);
    if (n != 1)
        return std::nullopt;
    return static_cast<char32_t>(wide[0]);
}

bool systemEncodeCp932(char32_t scalar, std::string& out)
{
    const wchar_t wide = static_cast<wchar_t>(scalar);
    char bytes[4];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (n < 1 || n > 2 || usedDefault)
        return false;
    out.append(bytes, static_cast<std::size_t>(n));
    return true;
}

#else

namespace {

// One pair of converters per thread, opened on first use.
struct Converters {
    iconv_t toUtf32 = iconv_open("UTF-32LE", "CP932");
    iconv_t fromUtf32 = iconv_open("CP932", "UTF-32LE");
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters()
    {
        if (toUtf32 != reinterpret_cast<iconv_t>(-1))
            iconv_close(toUtf32);
        if (fromUtf32 != reinterpret_cast<iconv_t>(-1))
            iconv_close(fromUtf32);
    }
};

Converters& converters()
{
    thread_local Converters instance;
    return instance;
}

// Converts all of in with cd into out (capacity outSize); the number of bytes
// written, or -1 when iconv refused any of it.
long runIconv(iconv_t cd, const char* in, std::size_t inSize, char* out, std::size_t outSize)
{
    if (cd == reinterpret_cast<iconv_t>(-1))
        return -1;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in);
    char* outPtr = out;
    std::size_t outLeft = outSize;
    if (iconv(cd, &inPtr, &inSize, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inSize != 0)
        return -1;
    return static_cast<long>(outSize - outLeft);
}

}  // namespace

std::optional<char32_t> systemDecodeCp932(std::string_view character)
{
    unsigned char utf32[8];
    long n = runIconv(converters().toUtf32, character.data(), character.size(), reinterpret_cast<char*>(utf32),
                      sizeof utf32);
    if (n != 4)
        return std::nullopt;
    return static_cast<char32_t>(utf32[0] | utf32[1] << 8 | utf32[2] << 16 | static_cast<char32_t>(utf32[3]) << 24);
}

bool systemEncodeCp932(char32_t scalar, std::string& out)
{
    const unsigned char utf32[4] = {static_cast<unsigned char>(scalar), static_cast<unsigned char>(scalar >> 8),
                                    static_cast<unsigned char>(scalar >> 16), 0};
    char bytes[4];
    long n = runIconv(converters().fromUtf32, reinterpret_cast<const char*>(utf32), sizeof utf32, bytes, sizeof bytes);
    if (n < 1 || n > 2)
        return false;
    out.append(bytes, static_cast<std::size_t>(n));
    return true;
}

#endif

}  // namespace kestrel::detail
