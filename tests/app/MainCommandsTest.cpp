// The main window's commands that need no dialog: moving between days, reloading,
// the order, deleting an event, and the menu and toolbar that carry them.
#include "MainWindowFixture.h"

#include "MCategory.h"
#include "MEvent.h"
#include "TestDatabase.h"

#include <QAction>
#include <QCalendarWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

void SeedThreeEventsOnToday()
{
    const int category = AddTestCategory(QStringLiteral("家族"));
    for (int year : {2001, 2002, 2003})
        AddTestEvent(year, 4, 6, QStringLiteral("event%1").arg(year), category, 0, QStringLiteral("detail%1").arg(year));
}

QStringList ActionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* action : actions) names << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

} // namespace

TEST_F(MainWindowTest, ShortcutsMoveBetweenDaysAndReload)
{
    Seed(SeedThreeEventsOnToday);
    Open();
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Calendar().selectedDate(), QDate(2024, 4, 5));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Calendar().selectedDate(), QDate(2024, 4, 7));
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Calendar().selectedDate(), QDate(2024, 4, 6));
    EXPECT_EQ(Rows().size(), 3);

    // Reload leaves no row selected; a new event of the day appears.
    ClickRow(0);
    EXPECT_EQ(window->SelectedRow(), 0);
    AddTestEvent(1980, 4, 6, QStringLiteral("extra"), TCategory::AllOrderBySortOrder().front()->Id());
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(window->SelectedRow(), -1);
    EXPECT_EQ(Rows().size(), 4);
    EXPECT_FALSE(Action("actEditEvent").isEnabled());
}

TEST_F(MainWindowTest, DeleteAsksWithTheTitleAndKeepsThePosition)
{
    Seed(SeedThreeEventsOnToday);
    Open();
    ClickRow(1);

    platform.ExpectConfirm(QStringLiteral("event2002 を削除しますか？"), false);
    Action("actDeleteEvent").trigger();
    EXPECT_EQ(Rows().size(), 3);
    EXPECT_EQ(window->SelectedRow(), 1);

    platform.ExpectConfirm(QStringLiteral("event2002 を削除しますか？"), true).ExpectMessage(QStringLiteral("削除しました。"));
    Action("actDeleteEvent").trigger();
    ASSERT_EQ(Rows().size(), 2);
    EXPECT_EQ(window->SelectedRow(), 1);
    EXPECT_EQ(Detail().toPlainText(), QStringLiteral("detail2003"));
    EXPECT_EQ(TEvent::Select(TEventCondition()).size(), 2u);

    // Deleting the last row selects the new last row; deleting the only row, none.
    platform.ExpectConfirm(QStringLiteral("event2003 を削除しますか？"), true).ExpectMessage(QStringLiteral("削除しました。"));
    Action("actDeleteEvent").trigger();
    EXPECT_EQ(window->SelectedRow(), 0);
    platform.ExpectConfirm(QStringLiteral("event2001 を削除しますか？"), true).ExpectMessage(QStringLiteral("削除しました。"));
    Action("actDeleteEvent").trigger();
    EXPECT_EQ(window->SelectedRow(), -1);
    EXPECT_FALSE(Action("actDeleteEvent").isEnabled());
    EXPECT_TRUE(Detail().toPlainText().isEmpty());

    // With no row selected the command does nothing and shows nothing.
    window->findChild<QAction*>(QStringLiteral("actDeleteEvent"))->setEnabled(true);
    Action("actDeleteEvent").trigger();
    EXPECT_TRUE(platform.AllUsed());
}

TEST_F(MainWindowTest, AFailedDeleteIsReportedAndTheListStays)
{
    Seed([] {
        SeedThreeEventsOnToday();
        Db().exec("CREATE TRIGGER refuse BEFORE DELETE ON events BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    });
    Open();
    ClickRow(0);
    platform.ExpectConfirm(QStringLiteral("event2001 を削除しますか？"), true).ExpectError(QStringLiteral("refused"));
    Action("actDeleteEvent").trigger();
    EXPECT_EQ(Rows().size(), 3);
    EXPECT_EQ(window->SelectedRow(), 0);
}

TEST_F(MainWindowTest, MenuAndToolbarCarryTheActionsInTheirPlaces)
{
    Open();
    auto* menuBar = window->findChild<QMenuBar*>(QStringLiteral("mnuMain"));
    ASSERT_NE(menuBar, nullptr);
    const QList<QAction*> menus = menuBar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("イベント(&E)"));
    EXPECT_EQ(ActionNames(menus[0]->menu()->actions()), QStringList{"actExit"});
    EXPECT_EQ(ActionNames(menus[1]->menu()->actions()),
              (QStringList{"actAddEvent", "actEditEvent", "actDeleteEvent", "actSearch", "actImportEvent",
                           "actCategory", "-", "actGoPreviousday", "actGoToday", "actGoNextDay", "-", "actReload",
                           "-", "actSortAsc", "actSortDesc"}));

    auto* toolbar = window->findChild<QToolBar*>(QStringLiteral("tlbMain"));
    QStringList buttons;
    for (QAction* action : toolbar->actions()) {
        QWidget* widget = toolbar->widgetForAction(action);
        buttons << (widget ? widget->objectName() : QString());
    }
    buttons.removeAll(QString());
    EXPECT_EQ(buttons, (QStringList{"btnAddEvent", "btnEditEvent", "btnDeleteEvent", "btnSearchEvent", "btnImport",
                                    "btnGroup", "btnPreviousDay", "btnToday", "btnNextDay", "lblDate", "btnReload",
                                    "btnSortAsc", "btnSortDesc"}));

    EXPECT_EQ(Action("actGoNextDay").shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_TRUE(Action("actSearch").shortcut().isEmpty());
    EXPECT_EQ(Action("actImportEvent").toolTip(), QStringLiteral("イベントをインポート(取り込み)します"));

    // The sort buttons show their actions' state as pressed or released.
    auto* asc = window->findChild<QToolButton*>(QStringLiteral("btnSortAsc"));
    auto* desc = window->findChild<QToolButton*>(QStringLiteral("btnSortDesc"));
    EXPECT_TRUE(asc->isChecked());
    EXPECT_FALSE(desc->isChecked());
    QTest::mouseClick(desc, Qt::LeftButton);
    EXPECT_FALSE(asc->isChecked());
    EXPECT_TRUE(desc->isChecked());
    EXPECT_TRUE(Action("actSortDesc").isChecked());
}

TEST_F(MainWindowTest, ExitClosesAndStores)
{
    Open();
    Action("actExit").trigger();
    EXPECT_FALSE(window->isVisible());
    window.reset();
    EXPECT_EQ(QueryInt("SELECT COUNT(*) FROM settings;"), 8);
}
