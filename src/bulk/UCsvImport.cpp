#include "UCsvImport.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr char Quote = '"';

// The message of a file that is not UTF-8, naming the line.
QString NotUtf8Message(int line)
{
    return QStringLiteral("ファイルの%1行目に UTF-8 ではないデータがあります。UTF-8 で保存したファイルを開いてください。")
        .arg(line);
}

// How a field ended: at a comma, at a line break outside quotes, or at the end of the file.
enum class TFieldEnd { Comma, Line, File };

// Bytes that can end a field or change the quoting, outside quotes.
constexpr std::array<bool, 256> MakeStopTable()
{
    std::array<bool, 256> table{};
    table[static_cast<unsigned char>(Quote)] = true;
    table[static_cast<unsigned char>(',')] = true;
    table[static_cast<unsigned char>('\r')] = true;
    table[static_cast<unsigned char>('\n')] = true;
    return table;
}
constexpr std::array<bool, 256> StopTable = MakeStopTable();

// Reads the bytes of one field, from p on, into [begin, end) and leaves p after the
// field. Every byte that the cutting looks at is ASCII, and no byte of a multi-byte
// UTF-8 character is, so working on bytes cuts exactly where working on characters
// would. The field's bytes are contiguous, so the buffer is the range itself.
TFieldEnd ReadField(const char*& p, const char* const last, const char*& begin, const char*& end)
{
    begin = p;
    bool quoted = false;
    for (;;) {
        if (quoted) {
            // Inside quotes only a double quote matters.
            const void* q = std::memchr(p, Quote, static_cast<size_t>(last - p));
            p = q ? static_cast<const char*>(q) : last;
        } else {
            while (p != last && !StopTable[static_cast<unsigned char>(*p)]) ++p;
        }
        if (p == last) {
            end = p;
            return TFieldEnd::File;
        }
        char c = *p++;
        if (c == Quote) {
            if (p - 1 == begin) {
                quoted = !quoted;
            } else {
                // A quote inside the field looks at the character after it: a second
                // quote keeps the state (a doubled quote), anything else switches it.
                if (p == last) {
                    end = p;
                    return TFieldEnd::File;
                }
                c = *p++;
                if (c != Quote) quoted = !quoted;
            }
        }
        if (!quoted) {
            if (c == '\r' || c == '\n') {
                end = p;
                return TFieldEnd::Line;
            }
            if (c == ',') {
                end = p;
                return TFieldEnd::Comma;
            }
        }
    }
}

bool IsAscii(const char* p, qsizetype size)
{
    unsigned char bits = 0;
    for (qsizetype i = 0; i < size; ++i) bits |= static_cast<unsigned char>(p[i]);
    return bits < 0x80;
}

// Well-formed UTF-8 to text; ASCII (the dates, most often) takes the short way.
QString Decode(const char* p, qsizetype size, QStringDecoder& utf8)
{
    if (IsAscii(p, size)) return QString::fromLatin1(p, size);
    return utf8.decode(QByteArrayView(p, size));
}

// The value of a field read by ReadField: without the character that ended it, without
// a quote at its start, without a quote or comma at its end, each doubled quote made one,
// and trimmed of U+0000 to U+0020. An empty result is absent (an empty QString).
QString FinishValue(const char* begin, const char* end, TFieldEnd how, QStringDecoder& utf8, QByteArray& scratch)
{
    if (how != TFieldEnd::File) --end;
    if (begin != end && *begin == Quote) ++begin;
    if (begin != end && (end[-1] == Quote || end[-1] == ',')) --end;
    // Trimming before the quote pairs gives the same as after: it removes no quote and
    // the pairs lie between the trimmed ends.
    while (begin != end && static_cast<unsigned char>(*begin) <= 0x20) ++begin;
    while (begin != end && static_cast<unsigned char>(end[-1]) <= 0x20) --end;
    if (begin == end) return {};

    const auto size = static_cast<qsizetype>(end - begin);
    if (!std::memchr(begin, Quote, static_cast<size_t>(size))) return Decode(begin, size, utf8);

    scratch.resize(0); // keeps its capacity from one value to the next
    for (const char* s = begin; s != end;) {
        const auto* quote = static_cast<const char*>(std::memchr(s, Quote, static_cast<size_t>(end - s)));
        const char* const stop = quote ? quote + 1 : end;
        scratch.append(s, stop - s);
        s = stop;
        if (quote && s != end && *s == Quote) ++s; // the pair's second quote is dropped
    }
    return Decode(scratch.constData(), scratch.size(), utf8);
}

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The first byte of a sequence that is not well-formed UTF-8 by RFC 3629 (no overlong
// forms, no surrogates, nothing above U+10FFFF), or nullptr. ASCII is skipped eight
// bytes at a time.
const unsigned char* FirstMalformed(const unsigned char* p, const unsigned char* const last)
{
    while (p != last) {
        if (last - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                p += 8;
                continue;
            }
        }
        const unsigned char b = *p;
        if (b < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return p;
        }
        if (last - p < length || p[1] < low || p[1] > high) return p;
        for (int i = 2; i < length; ++i)
            if (!IsContinuation(p[i])) return p;
        p += length;
    }
    return nullptr;
}

} // namespace

ECsvEncodingError::ECsvEncodingError(int line)
    : std::runtime_error(NotUtf8Message(line).toStdString()), FLine(line)
{
}

int FirstNonUtf8Line(const QByteArray& bytes)
{
    const auto* const first = reinterpret_cast<const unsigned char*>(bytes.constData());
    const unsigned char* const bad = FirstMalformed(first, first + bytes.size());
    if (!bad) return 0;
    // The line of the bad bytes: one more than the line breaks before them, CR LF counting once.
    int line = 1;
    for (const unsigned char* p = first; p != bad; ++p)
        if (*p == '\n' || (*p == '\r' && (p + 1 == bad || p[1] != '\n'))) ++line;
    return line;
}

std::vector<TImportRecord> ReadImportCsv(const QByteArray& bytes)
{
    if (const int line = FirstNonUtf8Line(bytes)) throw ECsvEncodingError(line);

    const char* p = bytes.constData();
    const char* const last = p + bytes.size();
    if (bytes.startsWith("\xEF\xBB\xBF")) p += 3;

    // A U+FEFF at the start of a value is a character of the value, not a byte-order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QByteArray scratch;
    std::vector<TImportRecord> records;
    // Room for one record per LF, but never more than one per 32 bytes of the file, so
    // that a file of empty lines does not reserve memory many times its size.
    const auto lineFeeds = size_t(std::count(p, last, '\n'));
    records.reserve(std::min(lineFeeds, size_t(last - p) / 32) + 1);
    do {
        TImportRecord& record = records.emplace_back();
        QString* const values[] = {&record.Date, &record.Title, &record.Content};
        TFieldEnd how = TFieldEnd::File;
        bool lineEnded = false;
        for (QString* value : values) {
            if (p == last || lineEnded) break; // this field and the rest are absent
            const char *begin, *end;
            how = ReadField(p, last, begin, end);
            *value = FinishValue(begin, end, how, utf8, scratch);
            lineEnded = how == TFieldEnd::Line;
        }
        // Fields after the third are read and dropped.
        while (how == TFieldEnd::Comma) {
            const char *begin, *end;
            how = ReadField(p, last, begin, end);
        }
        while (p != last && (*p == '\r' || *p == '\n')) ++p;
    } while (p != last);
    return records;
}

QString FileErrorMessage(const QString& fileName, const QString& reason)
{
    return QStringLiteral("ファイル %1 を読み込めません。\n%2").arg(QDir::toNativeSeparators(fileName), reason);
}

std::vector<TImportRecord> ReadImportFile(const QString& fileName)
{
    QFile file(fileName);
    const auto fail = [&] { throw std::runtime_error(FileErrorMessage(fileName, file.errorString()).toStdString()); };
    if (!file.open(QIODevice::ReadOnly)) fail();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) fail();
    return ReadImportCsv(bytes);
}
