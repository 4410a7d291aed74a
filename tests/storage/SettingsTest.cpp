// The settings store: defaults, stored texts that do not read as their kind, and
// writes that happen only when the value changes.
#include "MSettings.h"
#include "StorageCheck.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

void Store(TTestDatabase& db, const QString& key, const QString& value)
{
    SQLite::Statement q(db.Connection().Database(), "INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?);");
    q.bind(1, key.toStdString());
    q.bind(2, value.toStdString());
    q.exec();
}

QString Stamps(TTestDatabase& db, const char* key)
{
    return db.ScalarText(std::string("SELECT created_at || '|' || updated_at FROM settings WHERE key = '") + key + "';");
}

const QString OldStamps = QString::fromLatin1(OldStamp) + QLatin1Char('|') + QString::fromLatin1(OldStamp);

struct TIntegerKey {
    const char* key;
    std::function<int()> get;
    std::function<void(int)> set;
    int defaultValue;
};

const TIntegerKey IntegerKeys[] = {
    {"ContentHeight", TSettings::GetContentHeight, TSettings::SetContentHeight, 64},
    {"EventCategoryWidth", TSettings::GetEventCategoryWidth, TSettings::SetEventCategoryWidth, 80},
    {"EventDateWidth", TSettings::GetEventDateWidth, TSettings::SetEventDateWidth, 80},
    {"EventTitleWidth", TSettings::GetEventTitleWidth, TSettings::SetEventTitleWidth, 200},
    {"FormMainHeight", TSettings::GetFormMainHeight, TSettings::SetFormMainHeight, 480},
    {"FormMainWidth", TSettings::GetFormMainWidth, TSettings::SetFormMainWidth, 640},
};

} // namespace

TEST_F(DatabaseTest, EveryMissingKeyReadsAsItsDefault)
{
    for (const auto& k : IntegerKeys) EXPECT_EQ(k.get(), k.defaultValue) << k.key;
    EXPECT_EQ(TSettings::GetEventDateFormat(), QStringLiteral("yyyy-mm-dd"));
    EXPECT_EQ(TSettings::GetTargetDateFormat(), QStringLiteral("yyyy年m月d日(ddd)"));
    EXPECT_EQ(TSettings::GetEventSortOrder(), TSortOrder::Asc);
    EXPECT_EQ(TSettings::ReadSetting(QStringLiteral("Nothing"), QStringLiteral("既定")), QStringLiteral("既定"));
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM settings;"), 0); // reading writes nothing
}

TEST_F(DatabaseTest, EveryIntegerKeyWritesAndReadsItsOwnRow)
{
    int value = 1;
    for (const auto& k : IntegerKeys) k.set(value++ * 100);
    value = 1;
    for (const auto& k : IntegerKeys) {
        EXPECT_EQ(k.get(), value * 100) << k.key;
        EXPECT_EQ(TSettings::ReadSetting(QString::fromLatin1(k.key), QString()), QString::number(value++ * 100));
    }
    TSettings::SetEventSortOrder(TSortOrder::Desc);
    EXPECT_EQ(TSettings::ReadSetting(QStringLiteral("EventSortOrder"), QString()), QStringLiteral("1"));
    EXPECT_EQ(TSettings::GetEventSortOrder(), TSortOrder::Desc);
    TSettings::SetApplicationVersion(QStringLiteral("1.1.1"));
    EXPECT_EQ(TSettings::ReadSetting(QStringLiteral("ApplicationVersion"), QString()), QStringLiteral("1.1.1"));
    TSettings::SetFormMainWidth(-5);
    EXPECT_EQ(TSettings::ReadSetting(QStringLiteral("FormMainWidth"), QString()), QStringLiteral("-5"));
    EXPECT_EQ(TSettings::GetFormMainWidth(), -5);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM settings;"), 8);
}

TEST_F(DatabaseTest, StoredTextsThatDoNotReadAsTheirKindGiveTheDefault)
{
    struct {
        const char* stored;
        int width;       // FormMainWidth
        TSortOrder sort; // EventSortOrder
    } cases[] = {
        {"700", 700, TSortOrder::Asc},
        {"1", 1, TSortOrder::Desc},
        {"0", 0, TSortOrder::Asc},
        {"2", 2, TSortOrder::Asc},
        {"-1", -1, TSortOrder::Asc},
        {"  0x1", 1, TSortOrder::Desc}, // the one whole-number rule: blanks, then hexadecimal
        {"abc", 640, TSortOrder::Asc},
        {"", 640, TSortOrder::Asc},
        {"7 ", 640, TSortOrder::Asc},
        {"2147483648", 640, TSortOrder::Asc},
        {"1.0", 640, TSortOrder::Asc},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        Store(db, QStringLiteral("FormMainWidth"), QString::fromLatin1(c.stored));
        Store(db, QStringLiteral("EventSortOrder"), QString::fromLatin1(c.stored));
        EXPECT_EQ(TSettings::GetFormMainWidth(), c.width);
        EXPECT_EQ(TSettings::GetEventSortOrder(), c.sort);
    }

    // Keys are compared exactly.
    Store(db, QStringLiteral("FormMainWidth"), QStringLiteral("800"));
    Store(db, QStringLiteral("formmainheight"), QStringLiteral("900"));
    EXPECT_EQ(TSettings::GetFormMainWidth(), 800);
    EXPECT_EQ(TSettings::GetFormMainHeight(), 480);
}

TEST_F(DatabaseTest, StoredTextsAreReturnedAsTheyAreEvenWhenEmpty)
{
    Store(db, QStringLiteral("ContentHeight"), QStringLiteral("0"));
    EXPECT_EQ(TSettings::GetContentHeight(), 0);
    Store(db, QStringLiteral("EventDateFormat"), QString());
    EXPECT_EQ(TSettings::GetEventDateFormat(), QString());
    Store(db, QStringLiteral("TargetDateFormat"), QStringLiteral("m/d"));
    EXPECT_EQ(TSettings::GetTargetDateFormat(), QStringLiteral("m/d"));
    EXPECT_EQ(TSettings::ReadSetting(QStringLiteral("EventDateFormat"), QStringLiteral("既定")), QString());
}

TEST_F(DatabaseTest, AWriteStoresOnlyAChangedValue)
{
    TSettings::SetFormMainWidth(640);
    SetOldStamps(db, "settings");

    TSettings::SetFormMainWidth(640);
    EXPECT_EQ(Stamps(db, "FormMainWidth"), OldStamps);

    TSettings::SetFormMainWidth(700);
    EXPECT_EQ(TSettings::ReadSetting(QStringLiteral("FormMainWidth"), QString()), QStringLiteral("700"));
    const QString stamps = Stamps(db, "FormMainWidth");
    EXPECT_TRUE(stamps.startsWith(QString::fromLatin1(OldStamp) + QLatin1Char('|'))) << stamps.toStdString();
    EXPECT_NE(stamps, OldStamps);

    // The value is compared exactly: another spelling of the same number is a change.
    SetOldStamps(db, "settings");
    TSettings::WriteSetting(QStringLiteral("FormMainWidth"), QStringLiteral("0700"));
    EXPECT_NE(Stamps(db, "FormMainWidth"), OldStamps);
    EXPECT_EQ(TSettings::GetFormMainWidth(), 700);
}

TEST_F(DatabaseTest, ANewKeyIsInsertedWithBothStampsEqual)
{
    TSettings::SetEventSortOrder(TSortOrder::Desc);
    const QString stamps = Stamps(db, "EventSortOrder");
    const QStringList parts = stamps.split(QLatin1Char('|'));
    ASSERT_EQ(parts.size(), 2);
    EXPECT_EQ(parts[0], parts[1]);
    EXPECT_FALSE(parts[0].isEmpty());

    // The empty text to a missing key equals the read's empty default: nothing is written.
    TSettings::WriteSetting(QStringLiteral("Empty"), QString());
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM settings WHERE key = 'Empty';"), 0);
}
