#include "UCsvImport.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const TImportRecord& r, std::ostream* os)
{
    *os << "{" << r.Date.toStdString() << " | " << r.Title.toStdString() << " | " << r.Content.toStdString()
        << "}";
}

namespace {

// A record from UTF-8 texts; a U+FEFF at the start of a text stays.
TImportRecord R(const char* date = "", const char* title = "", const char* content = "")
{
    const auto text = [](const char* utf8) -> QString {
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom).decode(utf8);
    };
    return {text(date), text(title), text(content)};
}

struct TReadCase {
    const char* name;
    QByteArray bytes;
    std::vector<TImportRecord> records;
};

void PrintTo(const TReadCase& c, std::ostream* os) { *os << c.name; }

class ImportReader : public ::testing::TestWithParam<TReadCase> {};

TEST_P(ImportReader, CutsTheBytesIntoRecords)
{
    const auto records = ReadImportCsv(GetParam().bytes);
    EXPECT_EQ(records, GetParam().records);
    for (const auto& r : records) {
        // An absent value is an empty QString, never a text of blanks.
        EXPECT_EQ(r.Date.trimmed().isEmpty(), r.Date.isEmpty());
        EXPECT_EQ(r.Title.trimmed().isEmpty(), r.Title.isEmpty());
    }
}

const QByteArray Bom("\xEF\xBB\xBF");

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportReader,
    ::testing::Values(
        TReadCase{"EmptyFile", "", {R()}},
        TReadCase{"BomOnly", Bom, {R()}},
        TReadCase{"BomSkipped", Bom + "2024-01-01,a,b", {R("2024-01-01", "a", "b")}},
        TReadCase{"LaterBomIsAValue", Bom + Bom + "1," + Bom + "x", {R("\xEF\xBB\xBF" "1", "\xEF\xBB\xBF" "x")}},
        TReadCase{"HelpSamples",
                  "2023-01-01,タイトル1,詳細\r\n2023/02/01,タイトル2,\r\n2023.03.01,\"タイトル2,1\",\r\n",
                  {R("2023-01-01", "タイトル1", "詳細"), R("2023/02/01", "タイトル2"),
                   R("2023.03.01", "タイトル2,1")}},
        TReadCase{"LfOnly", "a,b,c\nd,e,f\n", {R("a", "b", "c"), R("d", "e", "f")}},
        TReadCase{"CrOnly", "a,b,c\rd,e,f\r", {R("a", "b", "c"), R("d", "e", "f")}},
        TReadCase{"CrLfWithEmptyLines", "\r\na,b,c\r\n\r\n\n\rd,e,f\r\n\r\n",
                  {R(), R("a", "b", "c"), R("d", "e", "f")}},
        TReadCase{"LineBreaksOnly", "\n\r\n", {R()}},
        TReadCase{"QuotedCommaPairAndLineBreak", "2024-01-01,\"a,b\"\"c\r\nd\",e\r\nx,y",
                  {R("2024-01-01", "a,b\"c\r\nd", "e"), R("x", "y")}},
        TReadCase{"DoubledQuotes", "\"a\"\"\"\"b\",\"\"\"\",\"\"", {R("a\"\"b", "\"")}},
        TReadCase{"EmptyQuotedField", "\"\",x,y", {R("", "x", "y")}},
        TReadCase{"BlanksTrimmedAlsoInsideQuotes", "\" 2024-1-5 \",\t b \x01,\" c\r\n \"",
                  {R("2024-1-5", "b", "c")}},
        TReadCase{"BlanksOnlyLine", "   \n1,2,3", {R(), R("1", "2", "3")}},
        TReadCase{"IdeographicSpaceKept", "1,\xE3\x80\x80x\xE3\x80\x80,3",
                  {R("1", "\xE3\x80\x80x\xE3\x80\x80", "3")}},
        TReadCase{"FewerFields", "a\nb,c\nd,e,", {R("a"), R("b", "c"), R("d", "e")}},
        TReadCase{"FiveFieldsQuotedBreakInFourth", "a,b,c,\"d\r\ne\",f\r\ng,h,i\r\n",
                  {R("a", "b", "c"), R("g", "h", "i")}},
        TReadCase{"FourthFieldBreakUnquotedEndsLine", "a,b,c,d\ne,f,g", {R("a", "b", "c"), R("e", "f", "g")}},
        TReadCase{"LoneQuoteInsideField", "ab\"c,d\ne\"f,g", {R("ab\"c,d\ne\"f", "g")}},
        TReadCase{"LoneQuoteLastIsDropped", "a,b\"c,\nd\"\n", {R("a", "b\"c,\nd")}},
        TReadCase{"QuoteAtEndOfFile", "abc\"", {R("abc")}},
        TReadCase{"BlankBeforeOpeningQuote", " \"a,b\",c", {R("\"a,b", "c")}},
        TReadCase{"UnclosedQuoteRunsToEnd", "\"abc,def\r\nx,y", {R("abc,def\r\nx,y")}},
        TReadCase{"UnclosedQuoteTrailingComma", "1,\"abc,", {R("1", "abc")}},
        TReadCase{"NulBytesTrimmed", QByteArray("\0a\0,b", 5), {R("a", "b")}}),
    [](const auto& info) { return std::string(info.param.name); });

// Bytes that are not well-formed UTF-8 stop the reading, naming the line.
struct TBadCase {
    const char* name;
    QByteArray bytes;
    int line;
};

void PrintTo(const TBadCase& c, std::ostream* os) { *os << c.name; }

class ImportEncoding : public ::testing::TestWithParam<TBadCase> {};

TEST_P(ImportEncoding, RejectsTheFileNamingTheLine)
{
    try {
        ReadImportCsv(GetParam().bytes);
        ADD_FAILURE() << "no failure";
    } catch (const ECsvEncodingError& e) {
        EXPECT_EQ(e.Line(), GetParam().line);
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  QStringLiteral("ファイルの%1行目に UTF-8 ではないデータがあります。UTF-8 で保存したファイルを開いてください。")
                      .arg(GetParam().line));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportEncoding,
    ::testing::Values(
        // "日付" and "タイトル" saved as Shift_JIS on the third line.
        TBadCase{"ShiftJis", "2023-01-01,a\r\n2023-01-02,b\r\n2023-01-03,\x93\xfa\x95\x74,\x83\x5e\x83\x43\x83\x67\x83\x8b\r\n", 3},
        TBadCase{"LoneContinuation", "\x80", 1},
        TBadCase{"Overlong", "a\n\xC0\x80", 2},
        TBadCase{"OverlongThreeBytes", "\xE0\x80\xAF", 1},
        TBadCase{"Surrogate", "\xED\xA0\x80", 1},
        TBadCase{"AboveMaximum", "\xF4\x90\x80\x80", 1},
        TBadCase{"CutAtEnd", "a\r\nb\r\n\xE3\x81", 3},
        TBadCase{"CutBeforeAscii", "\xE3\x81,", 1},
        TBadCase{"CrOnlyLines", "a\rb\r\xFF", 3},
        TBadCase{"QuotedBreakCountsAsLine", "\"a\r\nb\"\n\xFE", 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ImportEncoding, AcceptsEveryWellFormedLength)
{
    // U+007F, U+0080, U+07FF, U+0800, U+FFFF, U+10000 and U+10FFFF.
    const QByteArray bytes("\x7F,\xC2\x80\xDF\xBF,\xE0\xA0\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF");
    EXPECT_EQ(FirstNonUtf8Line(bytes), 0);
    const auto records = ReadImportCsv(bytes);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Content, QString::fromUtf8(bytes.mid(bytes.indexOf(',', 2) + 1)));
}

TEST(ImportFile, ReadsAFileAndReportsThePlatformErrorOfOneThatCannotBeOpened)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("events.csv"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("2024-10-20,a,b\r\n");
    }
    EXPECT_EQ(ReadImportFile(path), std::vector<TImportRecord>{R("2024-10-20", "a", "b")});

    for (const QString& bad : {dir.filePath(QStringLiteral("missing.csv")), dir.path()}) {
        QFile probe(bad);
        probe.open(QIODevice::ReadOnly);
        const QString expected =
            probe.isOpen() ? QString() : FileErrorMessage(bad, probe.errorString());
        try {
            ReadImportFile(bad);
            ADD_FAILURE() << "no failure for " << bad.toStdString();
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(QString::fromUtf8(e.what()).isEmpty());
            if (!expected.isEmpty()) {
                EXPECT_EQ(QString::fromUtf8(e.what()), expected);
            }
        }
    }
}

} // namespace
