#pragma once
// Reads fields from 8-bit text by the rules of C formatted input: white space between fields is
// skipped whatever it is, "%d" reads a decimal integer, "%f" a floating-point number into single
// precision, "%s" one run of non-white-space characters. Numbers never depend on the locale.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

class CFormattedScanner {
public:
    explicit CFormattedScanner(QByteArray text) : data(std::move(text)) {}

    // True when nothing but white space is left.
    bool AtEnd();
    bool ReadInt(std::int32_t& out);
    bool ReadFloat(float& out);
    // Reads one word; keeps at most maxChars characters of it (the rest of the word is consumed).
    bool ReadWord(QString& out, int maxChars);
    // Reads "0x" followed by up to 16 hexadecimal digits as a two's-complement 64-bit value.
    bool ReadHex64(std::int64_t& out);
    // Skips blanks up to and including the end of the current line.
    void SkipLineEnd();
    // Returns the current line without its line end and moves past it.
    QByteArray TakeLine();
    std::size_t Position() const { return pos; }
    void SetPosition(std::size_t position) { pos = position; }

private:
    void SkipSpace();
    bool Peek(char& c) const;

    QByteArray data;
    std::size_t pos = 0;
};
