// Arbitrary bytes through the import reader and the date text rule. Besides the
// sanitizers' findings, the target stops on any record that differs from a plain,
// character-by-character reading of the same text, on a well-formed file that is
// refused or a malformed one that is read, and on a date text judged differently
// from its pieces.
#include "UCalendar.h"
#include "UCsvImport.h"
#include "UDateText.h"
#include "UWholeNumber.h"

#include <QStringDecoder>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

// The reading steps taken literally, one character at a time, on the decoded text.
class TPlainReader {
public:
    explicit TPlainReader(const QString& text) : FText(text) {}

    std::vector<TImportRecord> Read()
    {
        std::vector<TImportRecord> records;
        do {
            TImportRecord record;
            QString* const values[] = {&record.Date, &record.Title, &record.Content};
            bool lineEnded = false;
            TEnd end = TEnd::File;
            for (QString* value : values) {
                if (AtEnd() || lineEnded) continue;
                *value = ReadField(end);
                lineEnded = end == TEnd::Line;
            }
            while (end == TEnd::Comma) ReadField(end);
            while (!AtEnd() && (FText[FPos] == u'\r' || FText[FPos] == u'\n')) ++FPos;
            records.push_back(record);
        } while (!AtEnd());
        return records;
    }

private:
    enum class TEnd { Comma, Line, File };

    bool AtEnd() const { return FPos >= FText.size(); }

    QString ReadField(TEnd& end)
    {
        QString buffer;
        bool quoted = false;
        end = TEnd::File;
        for (;;) {
            if (AtEnd()) break;
            buffer += FText[FPos++];
            if (buffer.back() == u'"') {
                if (buffer.size() == 1) {
                    quoted = !quoted;
                } else {
                    if (AtEnd()) break;
                    buffer += FText[FPos++];
                    if (buffer.back() != u'"') quoted = !quoted;
                }
            }
            if (!quoted && (buffer.back() == u'\r' || buffer.back() == u'\n')) {
                end = TEnd::Line;
                break;
            }
            if (!quoted && buffer.back() == u',') {
                end = TEnd::Comma;
                break;
            }
        }
        if (end != TEnd::File) buffer.chop(1);
        if (buffer.startsWith(u'"')) buffer.remove(0, 1);
        if (buffer.endsWith(u'"') || buffer.endsWith(u',')) buffer.chop(1);
        for (qsizetype i = 0; i < buffer.size(); ++i)
            if (buffer[i] == u'"' && i + 1 < buffer.size() && buffer[i + 1] == u'"') buffer.remove(i, 1);
        qsizetype first = 0, last = buffer.size();
        while (first < last && buffer[first].unicode() <= 0x20) ++first;
        while (last > first && buffer[last - 1].unicode() <= 0x20) --last;
        return first == last ? QString() : buffer.mid(first, last - first);
    }

    const QString& FText;
    qsizetype FPos = 0;
};

void CheckDateText(const QString& text)
{
    const QStringList pieces = SplitDate(text);
    Require(text.isEmpty() ? pieces.isEmpty() : pieces.join(u'-').size() == text.size(), "pieces cover the text");
    bool valid = pieces.size() == 3;
    for (qsizetype i = 0; valid && i < 3; ++i) valid = TryStrToInt(pieces[i]).has_value();
    if (valid) valid = IsValidDate(StrToInt(pieces[0]), StrToInt(pieces[1]), StrToInt(pieces[2]));
    Require(IsValidDateText(text) == valid, "date text judged by its pieces");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    const bool wellFormed = !decoder.hasError();
    Require((FirstNonUtf8Line(bytes) == 0) == wellFormed, "the encoding check agrees with the UTF-8 decoder");

    std::vector<TImportRecord> records;
    try {
        records = ReadImportCsv(bytes);
    } catch (const ECsvEncodingError& e) {
        Require(!wellFormed, "a well-formed file is read");
        Require(e.Line() >= 1, "the line of the bad bytes");
        return 0;
    }
    Require(wellFormed, "a malformed file is refused");
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const auto expected = TPlainReader(text).Read();
    if (records != expected) {
        for (const auto& list : {records, expected}) {
            std::fprintf(stderr, "%zu records:\n", list.size());
            for (const auto& r : list)
                std::fprintf(stderr, "  [%s] [%s] [%s]\n", qPrintable(r.Date), qPrintable(r.Title),
                             qPrintable(r.Content));
        }
    }
    Require(records == expected, "records as the reading steps give them");

    for (const auto& record : records) {
        CheckDateText(record.Date);
        CheckDateText(record.Title);
    }
    CheckDateText(text.left(40));
    return 0;
}
