#include "UWholeNumber.h"

#include <cstdint>

EConvertError::EConvertError(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int> TryStrToInt(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ') ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return std::nullopt; // nothing, blanks only, or a sign or prefix alone

    if (hex) {
        std::uint64_t value = 0;
        for (; i < n; ++i) {
            const int d = HexDigit(text[i]);
            if (d < 0) return std::nullopt;
            value = value * 16 + static_cast<unsigned>(d);
            if (value > 0xFFFFFFFFull) return std::nullopt;
        }
        std::uint32_t bits = static_cast<std::uint32_t>(value);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }

    std::int64_t value = 0;
    for (; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9') return std::nullopt;
        value = value * 10 + (u - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}

QString NotWholeNumberMessage(const QString& text)
{
    return QStringLiteral("'%1' は整数ではありません").arg(text);
}

int StrToInt(const QString& text)
{
    if (const auto value = TryStrToInt(text)) return *value;
    throw EConvertError(NotWholeNumberMessage(text));
}
