#include "MCategory.h"
#include "TestDatabase.h"
#include "UCsvExport.h"
#include "UCsvImport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QByteArray Header = "\xEF\xBB\xBF日付,タイトル,詳細,カテゴリー\r\n";

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ExportQuoting, QuotesFieldsWithQuotesCommasBlanksAndControlCharacters)
{
    const struct {
        const char16_t* field;
        bool quoted;
    } cases[] = {
        {u"", false},          {u"plain", false},      {u"日本語\u3000テキスト", false}, {u"a\"b", true},
        {u"a,b", true},        {u"a b", true},         {u"\tx", true},              {u"x\n", true},
        {u"\r", true},         {u"\x1f", true},        {u"\x7f", false},            {u"©", false},
    };
    for (const auto& c : cases) EXPECT_EQ(NeedsCsvQuotes(QString::fromUtf16(c.field)), c.quoted) << QString::fromUtf16(c.field).toStdString();
}

class Export : public DatabaseTest {
protected:
    int work = db.AddCategory(QStringLiteral("仕事"));
    int home = db.AddCategory(QStringLiteral("家, 庭"));
};

TEST_F(Export, WritesBomHeaderAndOneQuotedLinePerEventInResultOrder)
{
    db.AddEvent(2020, 2, 29, QStringLiteral("閏日"), work);
    db.AddEvent(99, 7, 4, QStringLiteral("say \"hi\""), home, 0, QStringLiteral("line1\r\nline2, end"));
    db.AddEvent(2024, 1, 5, QStringLiteral("会議\u3000室"), work, 0, QStringLiteral("詳細"));
    const TEventList events = TEvent::Select({});

    const QByteArray expected = Header + "0099-07-04,\"say \"\"hi\"\"\",\"line1\r\nline2, end\",\"家, 庭\"\r\n"
                                         "2020-02-29,閏日,,仕事\r\n"
                                         "2024-01-05,会議\u3000室,詳細,仕事\r\n";
    EXPECT_EQ(BuildExportCsv(events), expected);
    EXPECT_EQ(BuildExportCsv({}), Header);
}

TEST_F(Export, RoundTripThroughTheReaderKeepsDatesTitlesAndDetails)
{
    const QString titles[] = {u"a,b"_qs, u"\"quoted\" \"\""_qs, u"  edges  "_qs, u"一\r\n二\n三"_qs,
                              u"日本語の\u3000タイトル"_qs, u"x"_qs};
    const QString contents[] = {u""_qs, u"comma, and \"quote\""_qs, u"\r\nbreaks at the edges\n"_qs,
                                u"中\r段,\"\""_qs, u"  "_qs, u"\t"_qs};
    for (int i = 0; i < 6; ++i) db.AddEvent(2000 + i, 1 + i, 10 + i, titles[i], i % 2 ? work : home, 0, contents[i]);
    const TEventList events = TEvent::Select({});

    const auto records = ReadImportCsv(BuildExportCsv(events));
    ASSERT_EQ(records.size(), events.size() + 1);
    EXPECT_EQ(records[0], (TImportRecord{u"日付"_qs, u"タイトル"_qs, u"詳細"_qs}));
    for (size_t i = 0; i < events.size(); ++i) {
        const TEvent& e = *events[i];
        EXPECT_EQ(records[i + 1].Date, e.DateTime().toString(u"yyyy-MM-dd"_qs));
        EXPECT_EQ(records[i + 1].Title, e.Title().trimmed());
        EXPECT_EQ(records[i + 1].Content, e.Content().trimmed());
    }
}

TEST_F(Export, FileIsReplacedWholeOrLeftAsItWas)
{
    db.AddEvent(2024, 10, 20, QStringLiteral("t"), work);
    const TEventList events = TEvent::Select({});
    const QString path = db.Folder() + u"/out.csv"_qs;

    WriteBytes(path, QByteArray(10000, 'x'));
    ExportCsvFile(path, events);
    EXPECT_EQ(ReadBytes(path), Header + "2024-10-20,t,,仕事\r\n");

    // A stored date that is no calendar date fails before the file is touched.
    TEventList broken;
    broken.push_back(std::make_unique<TEvent>());
    broken.back()->SetYmd(2023, 2, 29);
    EXPECT_ANY_THROW(ExportCsvFile(path, broken));
    EXPECT_EQ(ReadBytes(path), Header + "2024-10-20,t,,仕事\r\n");

    // A target that cannot be created gives the platform's error and leaves no file behind.
    const QString folder = db.Folder() + u"/missing"_qs;
    for (const QString& target : QStringList{folder + u"/out.csv"_qs, db.Folder()}) {
        try {
            ExportCsvFile(target, events);
            ADD_FAILURE() << "no failure for " << target.toStdString();
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(QString::fromUtf8(e.what()).isEmpty());
        }
    }
    EXPECT_FALSE(QDir(folder).exists());
    EXPECT_EQ(QDir(db.Folder()).entryList(QDir::Files | QDir::Hidden).filter(u".csv"_qs),
              QStringList{u"out.csv"_qs});
}

} // namespace
