#pragma once
// The one rule by which Marlune reads a whole number from text: years, months and
// days typed into the windows, stored settings, and the pieces of import dates.
#include <QString>
#include <optional>
#include <stdexcept>
#include <string>

// A value that cannot be converted (a text that is no whole number, parts that are
// no calendar date). The message is the program's own Japanese text, UTF-8 encoded.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString& message);
};

// Optional leading blanks (U+0020 only), an optional sign, then decimal digits or
// hexadecimal digits after "$", "x", "X", "0x" or "0X", and nothing after the digits.
// A decimal value must fit a signed 32-bit integer; hexadecimal digits may spell any
// 32-bit pattern (up to FFFFFFFF), which is read as a signed 32-bit integer.
std::optional<int> TryStrToInt(const QString& text);

// Like TryStrToInt, but a text that fails raises EConvertError with
// "'<text>' は整数ではありません".
int StrToInt(const QString& text);

// The failure message for a text that is not a whole number.
QString NotWholeNumberMessage(const QString& text);
