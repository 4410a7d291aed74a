#pragma once
// The user's settings in the key/value table settings. Nothing is cached: every
// read asks the table, every write first reads and stores only a changed value.
#include "MDataBaseCommon.h"
#include "UTypes.h"

#include <QString>

class TSettings : public TDataBaseCommon {
public:
    TSettings() = delete; // class-level operations only

    // The stored value, or Default when the key has no row.
    static QString ReadSetting(const QString& key, const QString& defaultValue);
    // Stores Value unless exactly that text is stored already.
    static void WriteSetting(const QString& key, const QString& value);

    static int GetContentHeight();
    static int GetEventCategoryWidth();
    static int GetEventDateWidth();
    static int GetEventTitleWidth();
    static int GetFormMainHeight();
    static int GetFormMainWidth();
    static QString GetEventDateFormat();
    static QString GetTargetDateFormat();
    static TSortOrder GetEventSortOrder();

    static void SetContentHeight(int value);
    static void SetEventCategoryWidth(int value);
    static void SetEventDateWidth(int value);
    static void SetEventTitleWidth(int value);
    static void SetFormMainHeight(int value);
    static void SetFormMainWidth(int value);
    static void SetEventSortOrder(TSortOrder value);
    static void SetApplicationVersion(const QString& value);
};
