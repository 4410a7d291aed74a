// The road of one event through the editing dialogs: its category made in the
// manager, the event added for 29 February, found on the days its rule names,
// and its title changed in Edit mode.
#include "DialogDriver.h"
#include "MEvent.h"
#include "UCalendar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList TitlesListedOn(int year, int month, int day)
{
    QStringList titles;
    for (const auto& event : TEvent::SelectByMmdd(month * 100 + day, TSortOrder::Asc, IsLeapYear(year)))
        titles << event->Title();
    return titles;
}

} // namespace

TEST_F(DialogTest, OneEventFromItsCategoryToAChangedTitle)
{
    // The editor opens on an empty database: first the category.
    platform.SetToday(QDate(2024, 2, 1));
    const auto firstTheCategory = [&] {
        platform.ExpectMessage(QStringLiteral("先にカテゴリーを作成してください。"));
        ExpectCategoryManager([&](TForm& manager) {
            platform.ExpectPrompt(QStringLiteral("追加するカテゴリー名を入力してください。"), QStringLiteral("記念日"));
            Click(Find<QPushButton>(manager, QStringLiteral("btnAdd")));
            Click(Find<QPushButton>(manager, QStringLiteral("btnClose")));
        });
    };
    frmEvent.SetFormMode(TFormMode::Add);
    EXPECT_EQ(RunEventEditor(
                  [&](TForm& form) {
                      platform.ExpectMessage(QStringLiteral("追加しました。"));
                      TypeInto(Find<QLineEdit>(form, QStringLiteral("edtDay")), QStringLiteral("29"));
                      Choose(Find<QComboBox>(form, QStringLiteral("cmbNonLeapYearProc")), 2);
                      TypeInto(Find<QLineEdit>(form, QStringLiteral("edtTitle")), QStringLiteral("うるう日の誕生日"));
                      TypeInto(Find<QPlainTextEdit>(form, QStringLiteral("memContent")), QStringLiteral("四年に一度"));
                      Choose(Find<QComboBox>(form, QStringLiteral("cmbCategory")), 0);
                      Click(Find<QPushButton>(form, QStringLiteral("btnAdd")));
                  },
                  firstTheCategory),
              mrOk);

    const QStringList added{QStringLiteral("うるう日の誕生日")};
    EXPECT_EQ(TitlesListedOn(2023, 3, 1), added);
    EXPECT_EQ(TitlesListedOn(2024, 2, 29), added);
    EXPECT_TRUE(TitlesListedOn(2023, 2, 28).isEmpty());
    EXPECT_TRUE(TitlesListedOn(2024, 3, 1).isEmpty());

    const auto listed = TEvent::SelectByMmdd(301, TSortOrder::Asc, false);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed.front()->Date(), 20240229);
    EXPECT_EQ(listed.front()->CategoryName(), QStringLiteral("記念日"));
    EXPECT_EQ(listed.front()->Content(), QStringLiteral("四年に一度"));

    frmEvent.SetFormMode(TFormMode::Edit);
    frmEvent.SetEventId(listed.front()->Id());
    EXPECT_EQ(RunEventEditor([&](TForm& form) {
                  platform.ExpectMessage(QStringLiteral("更新しました。"));
                  EXPECT_EQ(Find<QComboBox>(form, QStringLiteral("cmbNonLeapYearProc")).currentIndex(), 2);
                  TypeInto(Find<QLineEdit>(form, QStringLiteral("edtTitle")), QStringLiteral("誕生日"));
                  Click(Find<QPushButton>(form, QStringLiteral("btnUpdate")));
              }),
              mrOk);
    EXPECT_EQ(TitlesListedOn(2023, 3, 1), QStringList{QStringLiteral("誕生日")});
    EXPECT_EQ(EventCount(), 1);
}
