// Decoding the "@ID@" answer of a second-generation tester.
#include "device/DeviceIdentity.h"

#include <array>
#include <vector>

namespace Device {

namespace {

struct TypeName {
    const wchar_t* code;
    const wchar_t* displayName;
};

constexpr std::array<TypeName, 4> kTypeNames{{
    {L"KESTREL", L"Lexamet Kestrel 1"},
    {L"TAMARIN", L"Lexamet Tamarin 1"},
    {L"Kestr2 ", L"Lexamet Kestrel 2"},
    {L"Tamar2 ", L"Lexamet Tamarin 2"},
}};

// The pieces between ';', empty ones left out.
std::vector<std::wstring> SplitFields(const std::wstring& text)
{
    std::vector<std::wstring> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(L';', start);
        if (end == std::wstring::npos)
            end = text.size();
        if (end > start)
            pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

int HexDigit(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

} // namespace

std::wstring TypeDisplayName(const std::wstring& typeCode)
{
    for (const TypeName& entry : kTypeNames) {
        if (typeCode == entry.code)
            return entry.displayName;
    }
    return typeCode;
}

std::wstring MarkEmptyFields(const std::wstring& answer)
{
    std::wstring marked;
    marked.reserve(answer.size() + answer.size() / 2);
    for (std::size_t i = 0; i < answer.size();) {
        if (answer.compare(i, 2, L";;") == 0) {
            marked += L";-;";
            i += 2;
        } else {
            marked += answer[i++];
        }
    }
    return marked;
}

bool ParseSignature(const std::wstring& text, std::uint32_t& value)
{
    std::size_t at = 0;
    if (text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X'))
        at = 2;
    if (at >= text.size())
        return false;
    std::uint64_t number = 0;
    for (; at < text.size(); ++at) {
        const int digit = HexDigit(text[at]);
        if (digit < 0)
            return false;
        number = number * 16 + static_cast<std::uint64_t>(digit);
        if (number > 0xFFFFFFFFull)
            return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

bool DecodeIdentity(const std::wstring& answer, std::uint8_t classCode, SDeviceIdentity& identity,
                    SShortIdentity& shortIdentity)
{
    const std::vector<std::wstring> pieces = SplitFields(MarkEmptyFields(answer));
    std::wstring* const fields[] = {&identity.type,      &identity.hardwareRevision,   &identity.serialNumber,
                                    &identity.signature, &identity.applicationVersion, &identity.bootloaderVersion};
    constexpr std::size_t kRequiredFields = 5;
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (i >= pieces.size()) {
            if (i < kRequiredFields)
                return false;
            // Without a boot loader field the identity still stands, with that version unknown.
            fields[i]->clear();
            continue;
        }
        *fields[i] = pieces[i];
    }
    identity.type = TypeDisplayName(identity.type);
    shortIdentity.type = identity.type;
    shortIdentity.applicationVersion = identity.applicationVersion;
    shortIdentity.serialNumber = identity.serialNumber;

    std::uint32_t signature = 0;
    if (!ParseSignature(identity.signature, signature))
        return false;
    return !identity.type.empty() && !identity.applicationVersion.empty() && !identity.serialNumber.empty()
        && !identity.hardwareRevision.empty() && !identity.signature.empty() && (signature >> 24) == classCode;
}

} // namespace Device
