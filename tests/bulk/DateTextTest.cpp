#include "UDateText.h"

#include <gtest/gtest.h>

namespace {

TEST(DateText, SplitsAtEverySeparatorKeepingEmptyPieces)
{
    const struct {
        const char16_t* text;
        QStringList pieces;
    } cases[] = {
        {u"", {}},
        {u"2024", {u"2024"_qs}},
        {u"2024-10/20.5", {u"2024"_qs, u"10"_qs, u"20"_qs, u"5"_qs}},
        {u"-", {u""_qs, u""_qs}},
        {u"-2024--1-", {u""_qs, u"2024"_qs, u""_qs, u"1"_qs, u""_qs}},
        {u"3-1", {u"3"_qs, u"1"_qs}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitDate(QString::fromUtf16(c.text)), c.pieces) << QString::fromUtf16(c.text).toStdString();
}

TEST(DateText, JudgesDateTextsByTheRule)
{
    const struct {
        const char16_t* text;
        bool valid;
    } cases[] = {
        {u"2024-10-20", true},  {u"2024/10/20", true},   {u"2024.10.20", true},  {u"2024-1-5", true},
        {u"2024/01.05", true},  {u"2024-10", false},     {u"2024-10-20-", false}, {u"-2024-10-20", false},
        {u"2024--10-20", false}, {u"2024- 10- 20", true}, {u"2024 -10-20", false}, {u"2024-10-20 ", false},
        {u"2023-02-29", false}, {u"1900-02-29", false},  {u"2024-02-29", true},  {u"2000-02-29", true},
        {u"0-1-1", false},      {u"10000-1-1", false},   {u"2024-13-1", false},  {u"2024-4-31", false},
        {u"65537-1-1", false},  {u"24-1-5", true},       {u"$7E8-1-1", true},    {u"9999-12-31", true},
        {u"2024年10月20日", false}, {u"", false},          {u"a-b-c", false},      {u"+2024-+1-+1", true},
        {u"日付", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidDateText(QString::fromUtf16(c.text)), c.valid) << QString::fromUtf16(c.text).toStdString();
}

} // namespace
