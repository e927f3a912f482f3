#pragma once
// Who a second-generation tester says it is: its answer to "@ID@" decoded into the identity record.
//
// The answer is "type;hardware revision;serial number;signature;application version;bootloader
// version". An empty field (";;") reads "-"; empty pieces are skipped; the first five fields must
// be present, the boot loader's may be missing. A known type code is replaced by its display name.
// The signature is a 32-bit hexadecimal number whose top byte is the tester's device class.

#include <cstdint>
#include <string>

namespace Device {

struct SDeviceIdentity {
    std::wstring type;               // display name, or the type code as sent when it is unknown
    std::wstring applicationVersion; // application firmware version, as text
    std::wstring serialNumber;
    std::wstring hardwareRevision;
    std::wstring signature; // 32-bit hexadecimal; top byte = device class
    std::wstring bootloaderVersion;
};

// The part of the identity the identification hands to its caller.
struct SShortIdentity {
    std::wstring type;
    std::wstring applicationVersion;
    std::wstring serialNumber;
};

// The display name of a type code (7 characters, compared exactly); the code itself when unknown.
std::wstring TypeDisplayName(const std::wstring& typeCode);

// Every ";;" replaced by ";-;" in one left-to-right pass.
std::wstring MarkEmptyFields(const std::wstring& answer);

// Decodes answer into identity (fields assigned before a failure keep their new values) and, once
// the five required fields are there, copies type, application version and serial number into
// shortIdentity. True when the five required fields are non-empty, the signature is one 32-bit
// hexadecimal number and its top byte equals classCode.
bool DecodeIdentity(const std::wstring& answer, std::uint8_t classCode, SDeviceIdentity& identity,
                    SShortIdentity& shortIdentity);

// A signature text as one hexadecimal number of at most 32 bits (an optional "0x" before the
// digits, nothing else around them). False when it is not one.
bool ParseSignature(const std::wstring& text, std::uint32_t& value);

} // namespace Device
