#pragma once
// Small text helpers of the simulator's console: splitting a command line, numbers, hex dumps.

#include <cstdint>
#include <string>
#include <vector>

namespace Sim {

// Splits a line at white space. "double quotes" keep spaces together and understand the escapes
// \xHH, \r, \n, \t, \\ and \". False with a reason on an unterminated quote or a bad escape.
bool SplitCommandLine(const std::string& line, std::vector<std::string>* words, std::string* error);
// Decimal, or hexadecimal with 0x; the whole text must be the number.
bool ParseInteger(const std::string& text, long long* value);
bool ParseFloat(const std::string& text, float* value);
// "C1 D0 20"
std::string HexBytes(const std::vector<std::uint8_t>& bytes, std::size_t limit = 64);
// Hex byte words ("C1", "0xC1", "c1d020") into bytes; false on anything else.
bool ParseHexBytes(const std::vector<std::string>& words, std::vector<std::uint8_t>* bytes);

} // namespace Sim
