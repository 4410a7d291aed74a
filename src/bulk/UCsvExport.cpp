#include "UCsvExport.h"

#include <QSaveFile>
#include <QStringEncoder>

#include <stdexcept>

namespace {

constexpr char16_t Quote = u'"';

// The file's bytes, appended in place: every text goes straight from UTF-16 into the
// buffer, without a byte array per field.
class TUtf8Buffer {
public:
    void Append(QStringView text)
    {
        Reserve(FEncoder.requiredSpace(text.size()));
        char* const end = FEncoder.appendToBuffer(FBytes.data() + FSize, text);
        FSize = end - FBytes.data();
    }
    void Append(char c)
    {
        Reserve(1);
        FBytes[FSize++] = c;
    }
    QByteArray Take()
    {
        FBytes.truncate(FSize);
        return std::move(FBytes);
    }

private:
    void Reserve(qsizetype more)
    {
        if (FSize + more <= FBytes.size()) return;
        FBytes.resize(std::max(FBytes.size() * 2, FSize + more + 4096));
    }

    QStringEncoder FEncoder{QStringEncoder::Utf8};
    QByteArray FBytes;
    qsizetype FSize = 0;
};

void AppendField(TUtf8Buffer& out, const QString& field)
{
    if (!NeedsCsvQuotes(field)) {
        out.Append(field);
        return;
    }
    out.Append('"');
    QStringView rest(field);
    for (qsizetype quote; (quote = rest.indexOf(Quote)) >= 0;) {
        out.Append(rest.first(quote + 1));
        out.Append('"');
        rest = rest.sliced(quote + 1);
    }
    out.Append(rest);
    out.Append('"');
}

void AppendLineEnd(TUtf8Buffer& out)
{
    out.Append('\r');
    out.Append('\n');
}

// yyyy-mm-dd, whatever date pattern the list uses.
void AppendDate(TUtf8Buffer& out, const QDate& date)
{
    char text[10];
    const int year = date.year(), month = date.month(), day = date.day();
    text[0] = char('0' + year / 1000 % 10);
    text[1] = char('0' + year / 100 % 10);
    text[2] = char('0' + year / 10 % 10);
    text[3] = char('0' + year % 10);
    text[4] = '-';
    text[5] = char('0' + month / 10);
    text[6] = char('0' + month % 10);
    text[7] = '-';
    text[8] = char('0' + day / 10);
    text[9] = char('0' + day % 10);
    for (char c : text) out.Append(c);
}

} // namespace

bool NeedsCsvQuotes(const QString& field)
{
    for (const QChar c : field) {
        const char16_t u = c.unicode();
        if (u == Quote || u == u',' || (u >= 0x01 && u <= 0x20)) return true;
    }
    return false;
}

QByteArray BuildExportCsv(const TEventList& events)
{
    TUtf8Buffer out;
    out.Append(QStringView(u"\uFEFF日付,タイトル,詳細,カテゴリー"));
    AppendLineEnd(out);
    for (const auto& event : events) {
        AppendDate(out, event->DateTime());
        out.Append(',');
        AppendField(out, event->Title());
        out.Append(',');
        AppendField(out, event->Content());
        out.Append(',');
        AppendField(out, event->CategoryName());
        AppendLineEnd(out);
    }
    return out.Take();
}

void ExportCsvFile(const QString& fileName, const TEventList& events)
{
    const QByteArray bytes = BuildExportCsv(events);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error(file.errorString().toStdString());
    if (file.write(bytes) != bytes.size()) {
        const QString message = file.errorString();
        file.cancelWriting();
        throw std::runtime_error(message.toStdString());
    }
    if (!file.commit()) throw std::runtime_error(file.errorString().toStdString());
}
