// The main window's commands that open the dialogs: add, edit (also by double
// click) and the category manager, each followed by the list's refresh, and the
// road of one event from its category to its deletion.
#include "MainWindowFixture.h"
#include "TestDatabase.h"
#include "UserInput.h"
#include "UApplicationWindows.h"

#include "MCategory.h"
#include "MEvent.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

class MainDialogsTest : public MainWindowTest {
protected:
    // The program's windows, as the program makes them.
    void OpenAll()
    {
        windows = std::make_unique<TApplicationWindows>(platform);
        window.reset(windows->frmMain.release());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    std::unique_ptr<TApplicationWindows> windows;
};

void SeedTwoEventsOnToday()
{
    const int category = AddTestCategory(QStringLiteral("家族"));
    for (int year : {2001, 2002}) AddTestEvent(year, 4, 6, QStringLiteral("event%1").arg(year), category);
}

} // namespace

TEST_F(MainDialogsTest, AddRefreshesOnlyAfterTheEditorStored)
{
    Seed(SeedTwoEventsOnToday);
    OpenAll();
    ClickRow(1);

    // Closed without storing: the list is not rebuilt; the selection stays.
    platform.ExpectModal(QStringLiteral("frmEvent"), [](TForm& editor) {
        EXPECT_TRUE(Find<QPushButton>(editor, QStringLiteral("btnAdd")).isVisible());
        Click(Find<QPushButton>(editor, QStringLiteral("btnClose")));
    });
    Action("actAddEvent").trigger();
    EXPECT_EQ(window->SelectedRow(), 1);

    // Stored for another day: the list is rebuilt and the position is selected again.
    platform.ExpectModal(QStringLiteral("frmEvent"), [&](TForm& editor) {
        platform.ExpectMessage(QStringLiteral("追加しました。"));
        TypeInto(Find<QLineEdit>(editor, QStringLiteral("edtDay")), QStringLiteral("7"));
        TypeInto(Find<QLineEdit>(editor, QStringLiteral("edtTitle")), QStringLiteral("tomorrow"));
        Choose(Find<QComboBox>(editor, QStringLiteral("cmbCategory")), 0);
        Click(Find<QPushButton>(editor, QStringLiteral("btnAdd")));
    });
    TEvent::DeleteById(TEvent::Select(TEventCondition()).front()->Id()); // the list must be re-read
    Action("actAddEvent").trigger();
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(window->SelectedRow(), 0);
    EXPECT_EQ(TEvent::SelectByMmdd(407, TSortOrder::Asc, true).size(), 1u);
}

TEST_F(MainDialogsTest, EditByDoubleClickMovesTheEventAwayAndKeepsThePosition)
{
    Seed(SeedTwoEventsOnToday);
    OpenAll();
    const QRect cell = Grid().visualRect(Grid().model()->index(1, 2));
    platform.ExpectModal(QStringLiteral("frmEvent"), [&](TForm& editor) {
        EXPECT_EQ(Find<QLineEdit>(editor, QStringLiteral("edtTitle")).text(), QStringLiteral("event2002"));
        EXPECT_TRUE(Find<QPushButton>(editor, QStringLiteral("btnUpdate")).isVisible());
        platform.ExpectMessage(QStringLiteral("更新しました。"));
        TypeInto(Find<QLineEdit>(editor, QStringLiteral("edtMonth")), QStringLiteral("5"));
        Click(Find<QPushButton>(editor, QStringLiteral("btnUpdate")));
    });
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mouseDClick(Grid().viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(window->SelectedRow(), 0);
    EXPECT_FALSE(platform.Shown().empty());

    // The editor closed without OK: nothing is re-read.
    platform.ExpectModal(QStringLiteral("frmEvent"),
                         [](TForm& editor) { Click(Find<QPushButton>(editor, QStringLiteral("btnClose"))); });
    Action("actEditEvent").trigger();
    EXPECT_EQ(window->SelectedRow(), 0);
}

TEST_F(MainDialogsTest, TheCategoryManagerAlwaysRefreshesTheList)
{
    Seed(SeedTwoEventsOnToday);
    OpenAll();
    platform.ExpectModal(QStringLiteral("frmCategory"), [&](TForm& manager) {
        platform.ExpectConfirm(QStringLiteral("カテゴリーに関連するイベントが2件あります。\r\nイベントも同時に削除しますがよろしいですか？"),
                               true);
        Click(Find<QPushButton>(manager, QStringLiteral("btnDelete")));
        Click(Find<QPushButton>(manager, QStringLiteral("btnClose")));
    });
    Action("actCategory").trigger();
    EXPECT_TRUE(Rows().isEmpty());
}

TEST_F(MainDialogsTest, TheRoadOfOneEvent)
{
    platform.SetToday(QDate(2024, 2, 29));
    OpenAll();

    // A category first.
    platform.ExpectModal(QStringLiteral("frmCategory"), [&](TForm& manager) {
        platform.ExpectPrompt(QStringLiteral("追加するカテゴリー名を入力してください。"), QStringLiteral("記念日"));
        Click(Find<QPushButton>(manager, QStringLiteral("btnAdd")));
        Click(Find<QPushButton>(manager, QStringLiteral("btnClose")));
    });
    Action("actCategory").trigger();

    // The event, for 29 February 2024, listed on 1 March in other years.
    platform.ExpectModal(QStringLiteral("frmEvent"), [&](TForm& editor) {
        platform.ExpectMessage(QStringLiteral("追加しました。"));
        Choose(Find<QComboBox>(editor, QStringLiteral("cmbNonLeapYearProc")), 2);
        TypeInto(Find<QLineEdit>(editor, QStringLiteral("edtTitle")), QStringLiteral("うるう日の記念日"));
        Choose(Find<QComboBox>(editor, QStringLiteral("cmbCategory")), 0);
        Click(Find<QPushButton>(editor, QStringLiteral("btnAdd")));
    });
    Action("actAddEvent").trigger();
    const QString row = QStringLiteral("2024-02-29|記念日|うるう日の記念日");
    EXPECT_EQ(Rows(), QStringList{row});

    Calendar().setSelectedDate(QDate(2023, 3, 1));
    EXPECT_EQ(Rows(), QStringList{row});
    Calendar().setSelectedDate(QDate(2023, 2, 28));
    EXPECT_TRUE(Rows().isEmpty());
    Calendar().setSelectedDate(QDate(2025, 3, 1));
    ASSERT_EQ(Rows(), QStringList{row});

    // Its title changed.
    ClickRow(0);
    platform.ExpectModal(QStringLiteral("frmEvent"), [&](TForm& editor) {
        platform.ExpectMessage(QStringLiteral("更新しました。"));
        TypeInto(Find<QLineEdit>(editor, QStringLiteral("edtTitle")), QStringLiteral("記念日"));
        Click(Find<QPushButton>(editor, QStringLiteral("btnUpdate")));
    });
    Action("actEditEvent").trigger();
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("2024-02-29|記念日|記念日")});
    EXPECT_EQ(window->SelectedRow(), 0);

    // And deleted.
    platform.ExpectConfirm(QStringLiteral("記念日 を削除しますか？"), true).ExpectMessage(QStringLiteral("削除しました。"));
    Action("actDeleteEvent").trigger();
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(TEvent::Select(TEventCondition()).size(), 0u);
}
