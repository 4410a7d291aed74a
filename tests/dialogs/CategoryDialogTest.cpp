// The category manager: showing, the five commands with their prompts,
// questions and messages, the buttons' states, the selection, and rollback on
// failure.
#include "DialogDriver.h"
#include "FCategoryItems.h"
#include "MCategory.h"

#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString AddCaption = QStringLiteral("追加するカテゴリー名を入力してください。");
const QString EditCaption = QStringLiteral("変更後のカテゴリー名を入力してください。");

QString DeleteQuestion(int count)
{
    return QStringLiteral("カテゴリーに関連するイベントが%"
                          "1件あります。\r\nイベントも同時に削除しますがよろしいですか？")
        .arg(count);
}

void CloseManager(TForm& form)
{
    Click(Find<QPushButton>(form, QStringLiteral("btnClose")));
}

class CategoryDialogTest : public DialogTest {
protected:
    // Three categories a, b, c in that order; returns their ids.
    std::array<int, 3> AddThree()
    {
        return {db.AddCategory(QStringLiteral("a")), db.AddCategory(QStringLiteral("b")),
                db.AddCategory(QStringLiteral("c"))};
    }
    QString StoredOrder()
    {
        QStringList names;
        for (const auto& category : TCategory::AllOrderBySortOrder()) names << category->Name();
        return names.join(u',');
    }
    // Every UPDATE of categories fails from now on.
    void RefuseCategoryUpdates()
    {
        db.Connection().ExecSQL("CREATE TRIGGER no_update BEFORE UPDATE ON categories BEGIN SELECT "
                                "RAISE(ABORT, 'no update'); END;");
    }
};

} // namespace

TEST_F(CategoryDialogTest, ShowingListsTheCategoriesInTheirOrderAndSelectsTheFirst)
{
    struct TCase {
        QStringList names;
        int selected;
        QString enabled;
    };
    const TCase cases[] = {
        {{}, -1, QString()},
        {{QStringLiteral("仕事")}, 0, QStringLiteral("btnEdit btnDelete")},
        {{QStringLiteral("仕事"), QStringLiteral("家族")}, 0, QStringLiteral("btnEdit btnDelete btnDown")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.names.join(u',').toStdString());
        db.Connection().ExecSQL("DELETE FROM categories;");
        for (const QString& name : c.names) db.AddCategory(name);
        const int result = RunCategoryManager([&](TForm& form) {
            EXPECT_EQ(CategoryNames(form), c.names);
            EXPECT_EQ(SelectedCategoryRow(form), c.selected);
            EXPECT_EQ(EnabledCategoryButtons(form), c.enabled);
            EXPECT_TRUE(Find<QPushButton>(form, QStringLiteral("btnAdd")).isEnabled());
            EXPECT_EQ(form.focusWidget(), &Find<QListView>(form, QStringLiteral("lsvCategory")));
            CloseManager(form);
        });
        EXPECT_EQ(result, mrCancel);
    }
}

TEST_F(CategoryDialogTest, ShowingFollowsTheStoredPositionsNotTheIds)
{
    const auto ids = AddThree();
    db.Connection().ExecSQL(("UPDATE categories SET sort_order = 10 WHERE id = " + std::to_string(ids[0])).c_str());
    RunCategoryManager([&](TForm& form) {
        EXPECT_EQ(CategoryNames(form), (QStringList{"b", "c", "a"}));
        CloseManager(form);
    });
    // Rows of the previous showing never linger: the next showing rebuilds the
    // list, and a failed read leaves it empty.
    db.Connection().ExecSQL("DROP TABLE categories;");
    const int result = RunCategoryManager(
        [&](TForm& form) {
            EXPECT_TRUE(CategoryNames(form).isEmpty());
            EXPECT_EQ(EnabledCategoryButtons(form), QString());
            form.reject(); // the title bar's close box
        },
        [&] { platform.ExpectError(QString()); });
    EXPECT_EQ(result, mrCancel);
}

TEST_F(CategoryDialogTest, AddStoresTheTypedNameAtTheEndAndSelectsIt)
{
    AddThree();
    db.Connection().ExecSQL("UPDATE categories SET sort_order = 5 WHERE name = 'c';");
    RunCategoryManager([&](TForm& form) {
        platform.ExpectPrompt(AddCaption, QStringLiteral("d"));
        Click(Find<QPushButton>(form, QStringLiteral("btnAdd")));
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "b", "c", "d"}));
        EXPECT_EQ(SelectedCategoryRow(form), 3);
        EXPECT_EQ(EnabledCategoryButtons(form), QStringLiteral("btnEdit btnDelete btnUp"));
        CloseManager(form);
    });
    EXPECT_EQ(platform.Shown().at(1).Detail, QStringLiteral("カテゴリー名|"));
    EXPECT_EQ(db.ScalarInt("SELECT sort_order FROM categories WHERE name = 'd';"), 6);
}

TEST_F(CategoryDialogTest, AddTakesTheTextAsTypedAndIgnoresCancelAndEmptyText)
{
    db.AddCategory(QStringLiteral("仕事"));
    RunCategoryManager([&](TForm& form) {
        platform.ExpectPrompt(AddCaption, std::nullopt)
            .ExpectPrompt(AddCaption, QString())
            .ExpectPrompt(AddCaption, QStringLiteral("  "))
            .ExpectPrompt(AddCaption, QStringLiteral("仕事"));
        auto& add = Find<QPushButton>(form, QStringLiteral("btnAdd"));
        Click(add); // Cancel
        Click(add); // OK with nothing typed
        EXPECT_EQ(CategoryNames(form), QStringList{QStringLiteral("仕事")});
        Click(add); // blanks make a name
        Click(add); // names need not be unique
        EXPECT_EQ(CategoryNames(form),
                  (QStringList{QStringLiteral("仕事"), QStringLiteral("  "), QStringLiteral("仕事")}));
        CloseManager(form);
    });
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM categories;"), 3);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM categories WHERE name = '  ';"), 1);
}

TEST_F(CategoryDialogTest, FailedAddShowsTheErrorAndAddsNoRow)
{
    db.Connection().ExecSQL("CREATE TRIGGER no_insert BEFORE INSERT ON categories BEGIN SELECT "
                            "RAISE(ABORT, 'no insert'); END;");
    RunCategoryManager([&](TForm& form) {
        platform.ExpectPrompt(AddCaption, QStringLiteral("d")).ExpectError(QStringLiteral("no insert"));
        Click(Find<QPushButton>(form, QStringLiteral("btnAdd")));
        EXPECT_TRUE(CategoryNames(form).isEmpty());
        EXPECT_EQ(EnabledCategoryButtons(form), QString());
        CloseManager(form);
    });
}

TEST_F(CategoryDialogTest, RenameChangesOnlyTheRowTextAndTheStoredName)
{
    const auto ids = AddThree();
    RunCategoryManager([&](TForm& form) {
        platform.ExpectPrompt(EditCaption, QStringLiteral("B2"));
        ClickCategoryObject(form, 1, TCategoryItemObject::Name);
        Click(Find<QPushButton>(form, QStringLiteral("btnEdit")));
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "B2", "c"}));
        EXPECT_EQ(SelectedCategoryRow(form), 1);
        CloseManager(form);
    });
    EXPECT_EQ(platform.Shown().at(1).Detail, QStringLiteral("カテゴリー名|b"));
    EXPECT_EQ(TCategory::FindById(ids[1])->Name(), QStringLiteral("B2"));
    EXPECT_EQ(StoredOrder(), QStringLiteral("a,B2,c"));
}

TEST_F(CategoryDialogTest, RenameWithoutANewNameWritesNothing)
{
    AddThree();
    RefuseCategoryUpdates(); // any write would show its error box and fail the
                             // test
    RunCategoryManager([&](TForm& form) {
        platform.ExpectPrompt(EditCaption, std::nullopt)
            .ExpectPrompt(EditCaption, QString())
            .ExpectPrompt(EditCaption, QStringLiteral("a"));
        auto& edit = Find<QPushButton>(form, QStringLiteral("btnEdit"));
        for (int i = 0; i < 3; ++i) Click(edit);
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "b", "c"}));
        CloseManager(form);
    });
}

TEST_F(CategoryDialogTest, CommandsOnARowWhoseCategoryWasDeletedMeanwhile)
{
    struct TCase {
        const char* button;
        std::function<void(int id)> expect; // the boxes the command shows
        QStringList rows;
    };
    const TCase cases[] = {
        {"btnEdit",
         [&](int) {
             platform.ExpectPrompt(EditCaption, QStringLiteral("x"))
                 .ExpectMessage(QStringLiteral("編集対象のカテゴリーが見つかりませんでした。"));
         },
         {"a", "b", "c"}},
        // The lookup fails before anything is written.
        {"btnDown",
         [&](int id) { platform.ExpectError(QStringLiteral("Category not found. [%1]").arg(id)); },
         {"a", "b", "c"}},
        // Nothing left to delete: no question, and the row goes.
        {"btnDelete", [&](int) {}, {"b", "c"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.button);
        db.Connection().ExecSQL("DELETE FROM categories;");
        const auto ids = AddThree();
        RunCategoryManager([&](TForm& form) {
            c.expect(ids[0]);
            TCategory::DeleteById(ids[0]);
            Click(Find<QPushButton>(form, QString::fromLatin1(c.button)));
            EXPECT_EQ(CategoryNames(form), c.rows);
            CloseManager(form);
        });
        EXPECT_EQ(StoredOrder(), QStringLiteral("b,c"));
    }
}

TEST_F(CategoryDialogTest, DeleteAsksOnlyForACategoryWithEventsAndTakesThemAlong)
{
    const auto ids = AddThree();
    for (int day = 1; day <= 3; ++day) db.AddEvent(2024, 5, day, QStringLiteral("e"), ids[1]);
    const int otherEvent = db.AddEvent(2024, 5, 9, QStringLiteral("other"), ids[2]);
    RunCategoryManager([&](TForm& form) {
        platform.ExpectConfirm(DeleteQuestion(3), false).ExpectConfirm(DeleteQuestion(3), true);
        auto& remove = Find<QPushButton>(form, QStringLiteral("btnDelete"));
        Click(remove); // "a" has no events: gone at once, "b" moves into row 0
        EXPECT_EQ(CategoryNames(form), (QStringList{"b", "c"}));
        EXPECT_EQ(SelectedCategoryRow(form), 0);
        Click(remove); // "b" has three: No keeps everything
        EXPECT_EQ(CategoryNames(form), (QStringList{"b", "c"}));
        EXPECT_EQ(EventCount(), 4);
        Click(remove); // Yes
        EXPECT_EQ(CategoryNames(form), QStringList{"c"});
        CloseManager(form);
    });
    EXPECT_EQ(StoredOrder(), QStringLiteral("c"));
    EXPECT_EQ(EventCount(), 1);
    EXPECT_EQ(db.ScalarInt("SELECT id FROM events;"), otherEvent);
}

TEST_F(CategoryDialogTest, DeleteSelectsTheFollowingRowElseTheNewLastRow)
{
    struct TCase {
        int deleted;
        QStringList rows;
        int selected;
        QString enabled;
    };
    const TCase cases[] = {
        {0, {"b", "c"}, 0, QStringLiteral("btnEdit btnDelete btnDown")},
        {1, {"a", "c"}, 1, QStringLiteral("btnEdit btnDelete btnUp")},
        {2, {"a", "b"}, 1, QStringLiteral("btnEdit btnDelete btnUp")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.deleted);
        db.Connection().ExecSQL("DELETE FROM categories;");
        AddThree();
        RunCategoryManager([&](TForm& form) {
            ClickCategoryObject(form, c.deleted, TCategoryItemObject::Name);
            Click(Find<QPushButton>(form, QStringLiteral("btnDelete")));
            EXPECT_EQ(CategoryNames(form), c.rows);
            EXPECT_EQ(SelectedCategoryRow(form), c.selected);
            EXPECT_EQ(EnabledCategoryButtons(form), c.enabled);
            CloseManager(form);
        });
    }
}

TEST_F(CategoryDialogTest, DeletingTheOnlyRowLeavesAnEmptyListWithOnlyAddAndClose)
{
    db.AddCategory(QStringLiteral("a"));
    RunCategoryManager([&](TForm& form) {
        platform.ExpectPrompt(AddCaption, QStringLiteral("new"));
        Click(Find<QPushButton>(form, QStringLiteral("btnDelete")));
        EXPECT_TRUE(CategoryNames(form).isEmpty());
        EXPECT_EQ(SelectedCategoryRow(form), -1);
        EXPECT_EQ(EnabledCategoryButtons(form), QString());
        Click(Find<QPushButton>(form, QStringLiteral("btnAdd")));
        EXPECT_EQ(CategoryNames(form), QStringList{"new"});
        EXPECT_EQ(EnabledCategoryButtons(form), QStringLiteral("btnEdit btnDelete"));
        CloseManager(form);
    });
}

TEST_F(CategoryDialogTest, FailedDeleteRollsBackTheEventsAndKeepsTheList)
{
    const auto ids = AddThree();
    for (int day = 1; day <= 3; ++day) db.AddEvent(2024, 5, day, QStringLiteral("e"), ids[1]);
    db.Connection().ExecSQL("CREATE TRIGGER no_delete BEFORE DELETE ON "
                            "categories BEGIN SELECT RAISE(ABORT, 'boom'); END;");
    RunCategoryManager([&](TForm& form) {
        platform.ExpectConfirm(DeleteQuestion(3), true).ExpectError(QStringLiteral("boom"));
        ClickCategoryObject(form, 1, TCategoryItemObject::Name);
        Click(Find<QPushButton>(form, QStringLiteral("btnDelete")));
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "b", "c"}));
        EXPECT_EQ(SelectedCategoryRow(form), 1);
        EXPECT_EQ(EnabledCategoryButtons(form), QStringLiteral("btnEdit btnDelete btnUp btnDown"));
        CloseManager(form);
    });
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events WHERE category_id = " + std::to_string(ids[1])), 3);
    EXPECT_EQ(StoredOrder(), QStringLiteral("a,b,c"));
}

TEST_F(CategoryDialogTest, MovingSwapsExactlyTheTwoPositionsAndKeepsTheSelection)
{
    const auto ids = AddThree();
    db.Connection().ExecSQL("UPDATE categories SET sort_order = sort_order * 10;"); // 10, 20, 30
    const auto sortOrder = [&](int id) {
        return db.ScalarInt("SELECT sort_order FROM categories WHERE id = " + std::to_string(id));
    };
    RunCategoryManager([&](TForm& form) {
        auto& up = Find<QPushButton>(form, QStringLiteral("btnUp"));
        auto& down = Find<QPushButton>(form, QStringLiteral("btnDown"));
        ClickCategoryObject(form, 1, TCategoryItemObject::Name);
        Click(up);
        EXPECT_EQ(CategoryNames(form), (QStringList{"b", "a", "c"}));
        EXPECT_EQ(SelectedCategoryRow(form), 0);
        EXPECT_EQ(EnabledCategoryButtons(form), QStringLiteral("btnEdit btnDelete btnDown"));
        EXPECT_EQ(sortOrder(ids[1]), 10);
        EXPECT_EQ(sortOrder(ids[0]), 20);
        EXPECT_EQ(sortOrder(ids[2]), 30);

        Click(down);
        Click(down);
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "c", "b"}));
        EXPECT_EQ(SelectedCategoryRow(form), 2);
        EXPECT_EQ(EnabledCategoryButtons(form), QStringLiteral("btnEdit btnDelete btnUp"));
        CloseManager(form);
    });
    EXPECT_EQ(StoredOrder(), QStringLiteral("a,c,b"));
    EXPECT_EQ(sortOrder(ids[0]), 10);
}

TEST_F(CategoryDialogTest, FailedMoveRollsBackTheFirstWriteAndKeepsTheRows)
{
    const auto ids = AddThree();
    // The second of the two writes fails, after the first has gone through.
    db.Connection().ExecSQL(("CREATE TRIGGER no_second BEFORE UPDATE ON categories WHEN OLD.id = " +
                             std::to_string(ids[0]) + " BEGIN SELECT RAISE(ABORT, 'locked'); END;")
                                .c_str());
    RunCategoryManager([&](TForm& form) {
        platform.ExpectError(QStringLiteral("locked"));
        ClickCategoryObject(form, 1, TCategoryItemObject::Name);
        Click(Find<QPushButton>(form, QStringLiteral("btnUp")));
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "b", "c"}));
        EXPECT_EQ(SelectedCategoryRow(form), 1);
        CloseManager(form);
    });
    EXPECT_EQ(db.ScalarInt("SELECT sort_order FROM categories WHERE id = " + std::to_string(ids[1])), 2);
    EXPECT_EQ(StoredOrder(), QStringLiteral("a,b,c"));
}

TEST_F(CategoryDialogTest, RowPicturesSelectTheirRowAndRunItsCommand)
{
    const auto ids = AddThree();
    db.AddEvent(2024, 1, 1, QStringLiteral("e"), ids[2]);
    RunCategoryManager([&](TForm& form) {
        platform.ExpectConfirm(DeleteQuestion(1), true).ExpectPrompt(EditCaption, QStringLiteral("A"));
        ClickCategoryObject(form, 2, TCategoryItemObject::Delete); // row 0 is selected before
        EXPECT_EQ(CategoryNames(form), (QStringList{"a", "b"}));
        EXPECT_EQ(SelectedCategoryRow(form), 1);

        ClickCategoryObject(form, 0, TCategoryItemObject::Edit);
        EXPECT_EQ(CategoryNames(form), (QStringList{"A", "b"}));
        EXPECT_EQ(SelectedCategoryRow(form), 0);

        // The name and the room between the pictures only select.
        ClickCategoryObject(form, 1, TCategoryItemObject::None);
        EXPECT_EQ(SelectedCategoryRow(form), 1);
        ClickCategoryObject(form, 0, TCategoryItemObject::Name);
        EXPECT_EQ(SelectedCategoryRow(form), 0);
        CloseManager(form);
    });
    EXPECT_EQ(EventCount(), 0);
}

TEST_F(CategoryDialogTest, RowsAre36HighAndTheNameStaysClearOfThePictures)
{
    db.AddCategory(QStringLiteral("とても長い名前のカテゴリーとても長い名前のカテ"
                                  "ゴリーとても長い名前のカテゴリー"));
    RunCategoryManager([&](TForm& form) {
        auto& list = Find<QListView>(form, QStringLiteral("lsvCategory"));
        const auto* delegate = static_cast<const TCategoryItemDelegate*>(list.itemDelegate());
        for (const int width : {640, 300, 900}) {
            SCOPED_TRACE(width);
            form.resize(width, 480);
            QApplication::processEvents();
            const QRect row = list.visualRect(list.model()->index(0, 0));
            EXPECT_EQ(row.height(), 36);
            const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
            EXPECT_EQ(delegate->NameWidth(),
                      list.contentsRect().width() - 2 * TCategoryItemDelegate::ItemSpacing - 52 - scrollBar);
            EXPECT_LT(delegate->NameRect(row).right(), TCategoryItemDelegate::EditRect(row).left());
            EXPECT_EQ(TCategoryItemDelegate::DeleteRect(row).left() - TCategoryItemDelegate::EditRect(row).left(), 30);
        }
        CloseManager(form);
    });
}

TEST_F(CategoryDialogTest, ActionsCarryTheirTextsHintsAndPicturesAndTheButtonsShowThem)
{
    struct TCase {
        const char* action;
        const char* button;
        QString text;
        QString hint;
    };
    const TCase cases[] = {
        {"actAdd", "btnAdd", QStringLiteral("追加(&A)..."), QStringLiteral("カテゴリーを追加します")},
        {"actEdit", "btnEdit", QStringLiteral("編集(&E)..."), QStringLiteral("カテゴリー名を編集します")},
        {"actDelete", "btnDelete", QStringLiteral("削除(&D)"), QStringLiteral("カテゴリーを削除します")},
        {"actUp", "btnUp", QString(), QStringLiteral("カテゴリーを上に移動します")},
        {"actDown", "btnDown", QString(), QStringLiteral("カテゴリーを下に移動します")},
        {"actClose", "btnClose", QStringLiteral("閉じる(&C)"), QStringLiteral("ダイアログを閉じます")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.action);
        const auto& action = Find<QAction>(frmCategory, QString::fromLatin1(c.action));
        const auto& button = Find<QPushButton>(frmCategory, QString::fromLatin1(c.button));
        EXPECT_EQ(action.text(), c.text);
        EXPECT_EQ(action.toolTip(), c.hint);
        EXPECT_FALSE(action.icon().pixmap(48, 48).isNull());
        EXPECT_TRUE(action.shortcut().isEmpty());
        EXPECT_EQ(button.text(), c.text);
        EXPECT_EQ(button.toolTip(), c.hint);
        EXPECT_FALSE(button.icon().isNull());
        EXPECT_EQ(button.height(), 32);
        if (c.text.isEmpty()) {
            EXPECT_EQ(button.width(), 32);
        } else { // 80 wide, or wider where the caption needs it
            EXPECT_GE(button.width(), 80);
            EXPECT_GE(button.width(), button.sizeHint().width());
        }
    }
    EXPECT_EQ(frmCategory.windowTitle(), QStringLiteral("カテゴリー"));
}

TEST_F(CategoryDialogTest, TabGoesFromTheListToCloseThenTheCommandButtons)
{
    AddThree();
    RunCategoryManager([&](TForm& form) {
        ClickCategoryObject(form, 1, TCategoryItemObject::Name);
        EXPECT_EQ(TabChain(Find<QListView>(form, QStringLiteral("lsvCategory"))),
                  (QStringList{"lsvCategory", "btnClose", "btnAdd", "btnEdit", "btnDelete", "btnUp", "btnDown"}));
        CloseManager(form);
    });
}
