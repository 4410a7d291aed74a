#include "MSettings.h"

#include "UWholeNumber.h"

namespace {

int ReadInteger(const QString& key, const QString& defaultText)
{
    if (const auto value = TryStrToInt(TSettings::ReadSetting(key, defaultText))) return *value;
    return StrToInt(defaultText);
}

void WriteInteger(const QString& key, int value)
{
    TSettings::WriteSetting(key, QString::number(value));
}

} // namespace

QString TSettings::ReadSetting(const QString& key, const QString& defaultValue)
{
    auto q = query::New("SELECT value FROM settings WHERE key = :Key;");
    query::BindText(q, ":Key", key);
    if (q.executeStep()) return query::Text(q, q.getColumnIndex("value"));
    return defaultValue;
}

void TSettings::WriteSetting(const QString& key, const QString& value)
{
    if (ReadSetting(key, QString()) == value) return;
    auto q = query::New("INSERT INTO settings (key, value) values (:Key, :Value) ON CONFLICT(key) DO UPDATE SET "
                        "value = :Value, updated_at = CURRENT_TIMESTAMP");
    query::BindText(q, ":Value", value);
    query::BindText(q, ":Key", key);
    q.exec();
}

int TSettings::GetContentHeight() { return ReadInteger(QStringLiteral("ContentHeight"), QStringLiteral("64")); }
int TSettings::GetEventCategoryWidth() { return ReadInteger(QStringLiteral("EventCategoryWidth"), QStringLiteral("80")); }
int TSettings::GetEventDateWidth() { return ReadInteger(QStringLiteral("EventDateWidth"), QStringLiteral("80")); }
int TSettings::GetEventTitleWidth() { return ReadInteger(QStringLiteral("EventTitleWidth"), QStringLiteral("200")); }
int TSettings::GetFormMainHeight() { return ReadInteger(QStringLiteral("FormMainHeight"), QStringLiteral("480")); }
int TSettings::GetFormMainWidth() { return ReadInteger(QStringLiteral("FormMainWidth"), QStringLiteral("640")); }

QString TSettings::GetEventDateFormat()
{
    return ReadSetting(QStringLiteral("EventDateFormat"), QStringLiteral("yyyy-mm-dd"));
}

QString TSettings::GetTargetDateFormat()
{
    return ReadSetting(QStringLiteral("TargetDateFormat"), QStringLiteral("yyyy年m月d日(ddd)"));
}

TSortOrder TSettings::GetEventSortOrder()
{
    const auto value = TryStrToInt(ReadSetting(QStringLiteral("EventSortOrder"), QStringLiteral("0")));
    return value == 1 ? TSortOrder::Desc : TSortOrder::Asc;
}

void TSettings::SetContentHeight(int value) { WriteInteger(QStringLiteral("ContentHeight"), value); }
void TSettings::SetEventCategoryWidth(int value) { WriteInteger(QStringLiteral("EventCategoryWidth"), value); }
void TSettings::SetEventDateWidth(int value) { WriteInteger(QStringLiteral("EventDateWidth"), value); }
void TSettings::SetEventTitleWidth(int value) { WriteInteger(QStringLiteral("EventTitleWidth"), value); }
void TSettings::SetFormMainHeight(int value) { WriteInteger(QStringLiteral("FormMainHeight"), value); }
void TSettings::SetFormMainWidth(int value) { WriteInteger(QStringLiteral("FormMainWidth"), value); }

void TSettings::SetEventSortOrder(TSortOrder value)
{
    WriteInteger(QStringLiteral("EventSortOrder"), static_cast<int>(value));
}

void TSettings::SetApplicationVersion(const QString& value)
{
    WriteSetting(QStringLiteral("ApplicationVersion"), value);
}
