// The event editor: opening in Add and Edit mode, the leap-year rule's
// enabling, the input checks in their order, storing, and the way to the
// category manager.
#include "DialogDriver.h"
#include "MEvent.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString CreateCategoryFirst = QStringLiteral("先にカテゴリーを作成してください。");
const QString AddCaption = QStringLiteral("追加するカテゴリー名を入力してください。");

// The controls of the event editor.
struct TEditor {
    explicit TEditor(TForm& form)
        : Form(form), Year(Find<QLineEdit>(form, QStringLiteral("edtYear"))),
          Month(Find<QLineEdit>(form, QStringLiteral("edtMonth"))),
          Day(Find<QLineEdit>(form, QStringLiteral("edtDay"))),
          Rule(Find<QComboBox>(form, QStringLiteral("cmbNonLeapYearProc"))),
          Title(Find<QLineEdit>(form, QStringLiteral("edtTitle"))),
          Category(Find<QComboBox>(form, QStringLiteral("cmbCategory"))),
          Content(Find<QPlainTextEdit>(form, QStringLiteral("memContent"))),
          Add(Find<QPushButton>(form, QStringLiteral("btnAdd"))),
          Update(Find<QPushButton>(form, QStringLiteral("btnUpdate"))),
          Close(Find<QPushButton>(form, QStringLiteral("btnClose"))),
          CategoryButton(Find<QToolButton>(form, QStringLiteral("btnCategory")))
    {
    }
    void TypeDate(const QString& year, const QString& month, const QString& day)
    {
        TypeInto(Year, year);
        TypeInto(Month, month);
        TypeInto(Day, day);
    }
    QString Date() const { return Year.text() + u'/' + Month.text() + u'/' + Day.text(); }
    QWidget* Focus() const { return Form.focusWidget(); }

    TForm& Form;
    QLineEdit& Year;
    QLineEdit& Month;
    QLineEdit& Day;
    QComboBox& Rule;
    QLineEdit& Title;
    QComboBox& Category;
    QPlainTextEdit& Content;
    QPushButton& Add;
    QPushButton& Update;
    QPushButton& Close;
    QToolButton& CategoryButton;
};

class EventDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        work = db.AddCategory(QStringLiteral("仕事"));
        family = db.AddCategory(QStringLiteral("家族"));
    }
    // Opens the editor in that mode; whileShowing queues what the showing itself
    // shows.
    int RunAdd(const std::function<void(TEditor&)>& script, const std::function<void()>& whileShowing = {})
    {
        frmEvent.SetFormMode(TFormMode::Add);
        return Run(script, whileShowing);
    }
    int RunEdit(int id, const std::function<void(TEditor&)>& script, const std::function<void()>& whileShowing = {})
    {
        frmEvent.SetFormMode(TFormMode::Edit);
        frmEvent.SetEventId(id);
        return Run(script, whileShowing);
    }
    int Run(const std::function<void(TEditor&)>& script, const std::function<void()>& whileShowing)
    {
        return RunEventEditor(
            [&](TForm& form) {
                TEditor editor(form);
                script(editor);
            },
            whileShowing);
    }
    // The stored row of the one event as
    // "date|rule|notice|category|title|content".
    QString StoredEvent()
    {
        const auto events = TEvent::Select(TEventCondition());
        if (events.size() != 1) return QStringLiteral("%1 events").arg(events.size());
        const TEvent& e = *events.front();
        return QStringLiteral("%1|%2|%3|%4|%5|%6")
            .arg(e.Date())
            .arg(static_cast<int>(e.NonLeapYearProc()))
            .arg(e.NoticeDays())
            .arg(e.CategoryName(), e.Title(), e.Content());
    }

    int work = 0;
    int family = 0;
};

} // namespace

TEST_F(EventDialogTest, AddModeOpensOnTodayWithAnEmptyFormEveryTime)
{
    platform.SetToday(QDate(2024, 4, 6));
    RunAdd([&](TEditor& editor) {
        TypeInto(editor.Title, QStringLiteral("残り物"));
        TypeInto(editor.Content, QStringLiteral("前回の入力"));
        Choose(editor.Category, 1);
        Click(editor.Close);
    });
    const int result = RunAdd([&](TEditor& editor) {
        EXPECT_EQ(editor.Date(), QStringLiteral("2024/4/6"));
        EXPECT_EQ(editor.Rule.currentText(), QStringLiteral("スキップする"));
        EXPECT_FALSE(editor.Rule.isEnabled());
        EXPECT_EQ(editor.Category.currentIndex(), -1);
        EXPECT_EQ(editor.Category.count(), 2);
        EXPECT_TRUE(editor.Title.text().isEmpty());
        EXPECT_TRUE(editor.Content.toPlainText().isEmpty());
        EXPECT_TRUE(editor.Add.isVisible());
        EXPECT_FALSE(editor.Update.isVisible());
        EXPECT_TRUE(editor.Close.isVisible());
        EXPECT_EQ(editor.Focus(), &editor.Year);
        editor.Form.reject(); // the title bar's close box
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(EventCount(), 0);
}

TEST_F(EventDialogTest, TheLeapYearRuleIsEnabledExactlyWhileMonthAndDayRead2And29)
{
    struct TCase {
        const char* month;
        const char* day;
        bool enabled;
    };
    const TCase cases[] = {
        {"2", "29", true},  {"02", "29", true}, {" +2", "0x1D", true}, {"2", "28", false},  {"3", "29", false},
        {"x", "29", false}, {"2", "", false},   {"", "29", false},     {"2", "29x", false},
    };
    RunAdd([&](TEditor& editor) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(std::string(c.month) + "/" + c.day);
            TypeInto(editor.Month, QString::fromLatin1(c.month));
            TypeInto(editor.Day, QString::fromLatin1(c.day));
            EXPECT_EQ(editor.Rule.isEnabled(), c.enabled);
        }
        // Each keystroke counts: the rule follows while the day is being typed.
        TypeInto(editor.Month, QStringLiteral("2"));
        TypeInto(editor.Day, QStringLiteral("2"));
        EXPECT_FALSE(editor.Rule.isEnabled());
        QTest::keyClicks(&editor.Day, QStringLiteral("9"));
        EXPECT_TRUE(editor.Rule.isEnabled());
        // A disabled rule keeps its choice.
        Choose(editor.Rule, 2);
        TypeInto(editor.Day, QStringLiteral("28"));
        EXPECT_FALSE(editor.Rule.isEnabled());
        EXPECT_EQ(editor.Rule.currentIndex(), 2);
        Click(editor.Close);
    });
    EXPECT_TRUE(platform.BoxTexts().empty());
}

TEST_F(EventDialogTest, AFailedCheckShowsOnlyTheFirstMessageMovesTheFocusAndKeepsTheInput)
{
    struct TCase {
        const char* year;
        const char* month;
        const char* day;
        const char* title;
        int category;
        QString message;
        const char* focus;
    };
    const TCase cases[] = {
        {"0", "1", "1", "", -1, QStringLiteral("年は1以上にしてください。"), "edtYear"},
        {"-5", "1", "1", "t", 0, QStringLiteral("年は1以上にしてください。"), "edtYear"},
        {"2023", "2", "29", "", -1, QStringLiteral("日付が正しくありません。"), "edtYear"},
        {"10000", "1", "1", "t", 0, QStringLiteral("日付が正しくありません。"), "edtYear"},
        {"65537", "1", "1", "t", 0, QStringLiteral("日付が正しくありません。"), "edtYear"},
        {"2024", "13", "1", "t", 0, QStringLiteral("日付が正しくありません。"), "edtYear"},
        {"2024", "4", "31", "t", 0, QStringLiteral("日付が正しくありません。"), "edtYear"},
        {"2024", "4", "0", "t", 0, QStringLiteral("日付が正しくありません。"), "edtYear"},
        {"2024", "2", "29", "", -1, QStringLiteral("タイトルを入力してください。"), "edtTitle"},
        {"2024", "4", "6", "t", -1, QStringLiteral("カテゴリーを選択してください。"), "cmbCategory"},
    };
    RunAdd([&](TEditor& editor) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(std::string(c.year) + "/" + c.month + "/" + c.day + " " + c.title);
            editor.Category.setCurrentIndex(-1);
            editor.TypeDate(QString::fromLatin1(c.year), QString::fromLatin1(c.month), QString::fromLatin1(c.day));
            TypeInto(editor.Title, QString::fromLatin1(c.title));
            if (c.category >= 0) Choose(editor.Category, c.category);
            TypeInto(editor.Content, QStringLiteral("詳細"));
            platform.ExpectMessage(c.message);
            Click(editor.Add);
            platform.VerifyAllUsed();
            EXPECT_EQ(editor.Focus()->objectName(), QString::fromLatin1(c.focus));
            EXPECT_TRUE(editor.Form.isVisible());
            EXPECT_EQ(editor.Date(), QString::fromLatin1(c.year) + u'/' + QString::fromLatin1(c.month) + u'/' +
                                         QString::fromLatin1(c.day));
            EXPECT_EQ(editor.Title.text(), QString::fromLatin1(c.title));
            EXPECT_EQ(editor.Category.currentIndex(), c.category);
            EXPECT_EQ(editor.Content.toPlainText(), QStringLiteral("詳細"));
        }
        Click(editor.Close);
    });
    EXPECT_EQ(EventCount(), 0);
}

TEST_F(EventDialogTest, ADateTextThatIsNoWholeNumberGoesToTheErrorBoxWithTheFocusOnItsEdit)
{
    struct TCase {
        const char* year;
        const char* month;
        const char* day;
        QString error;
        const char* focus;
    };
    const TCase cases[] = {
        {"", "4", "6", QStringLiteral("'' は整数ではありません"), "edtYear"},
        {"2024", "x", "6", QStringLiteral("'x' は整数ではありません"), "edtMonth"},
        {"2024", "4", "6 ", QStringLiteral("'6 ' は整数ではありません"), "edtDay"},
        {"99999999999", "4", "6", QStringLiteral("'99999999999' は整数ではありません"), "edtYear"},
    };
    RunAdd([&](TEditor& editor) {
        TypeInto(editor.Title, QStringLiteral("t"));
        Choose(editor.Category, 0);
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.focus);
            editor.TypeDate(QString::fromLatin1(c.year), QString::fromLatin1(c.month), QString::fromLatin1(c.day));
            platform.ExpectError(c.error);
            Click(editor.Add);
            platform.VerifyAllUsed();
            EXPECT_EQ(editor.Focus()->objectName(), QString::fromLatin1(c.focus));
            EXPECT_TRUE(editor.Form.isVisible());
            EXPECT_EQ(editor.Year.text(), QString::fromLatin1(c.year));
        }
        Click(editor.Close);
    });
    EXPECT_EQ(EventCount(), 0);
}

TEST_F(EventDialogTest, AddStoresTheEventAsTypedWithTheChosenRuleOnlyFor29February)
{
    struct TCase {
        const char* day;
        int rule;
        QString stored;
    };
    const TCase cases[] = {
        // Blanks are a title; the detail may be empty.
        {"29", 2, QStringLiteral("20240229|2|0|仕事|  |")},
        // The rule was chosen for 29 February, then the day changed: a new event
        // keeps Skip.
        {"28", 2, QStringLiteral("20240228|0|0|仕事|  |")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.day);
        db.Connection().ExecSQL("DELETE FROM events;");
        const int result = RunAdd([&](TEditor& editor) {
            platform.ExpectMessage(QStringLiteral("追加しました。"));
            editor.TypeDate(QStringLiteral("2024"), QStringLiteral("2"), QStringLiteral("29"));
            Choose(editor.Rule, c.rule);
            TypeInto(editor.Day, QString::fromLatin1(c.day));
            TypeInto(editor.Title, QStringLiteral("  "));
            Choose(editor.Category, 0);
            Click(editor.Add);
            EXPECT_FALSE(editor.Form.isVisible());
        });
        EXPECT_EQ(result, mrOk);
        EXPECT_EQ(StoredEvent(), c.stored);
    }
}

TEST_F(EventDialogTest, EditModeShowsTheStoredEventAndUpdatesIt)
{
    const int id = db.AddEvent(2020, 2, 29, QStringLiteral("結婚記念日"), family, 1, QStringLiteral("一行目\n二行目"));
    db.Connection().ExecSQL("UPDATE events SET notice_days = 5;");
    const int result = RunEdit(id, [&](TEditor& editor) {
        platform.ExpectMessage(QStringLiteral("更新しました。"));
        EXPECT_EQ(editor.Date(), QStringLiteral("2020/2/29"));
        EXPECT_TRUE(editor.Rule.isEnabled());
        EXPECT_EQ(editor.Rule.currentIndex(), 1);
        EXPECT_EQ(editor.Title.text(), QStringLiteral("結婚記念日"));
        EXPECT_EQ(editor.Content.toPlainText(), QStringLiteral("一行目\n二行目"));
        EXPECT_EQ(editor.Category.currentText(), QStringLiteral("家族"));
        EXPECT_FALSE(editor.Add.isVisible());
        EXPECT_TRUE(editor.Update.isVisible());
        EXPECT_EQ(editor.Focus(), &editor.Year);

        // Moved to 1 March: the rule is disabled, and the stored rule is kept.
        TypeInto(editor.Month, QStringLiteral("3"));
        TypeInto(editor.Day, QStringLiteral("1"));
        EXPECT_FALSE(editor.Rule.isEnabled());
        Choose(editor.Category, 0);
        Click(editor.Update);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(StoredEvent(), QStringLiteral("20200301|1|0|仕事|結婚記念日|一行目\n二行目"));
    EXPECT_EQ(db.ScalarInt("SELECT date_ind FROM events;"), 301);
}

TEST_F(EventDialogTest, UpdateKeepsTheLineBreaksOfADetailTextLeftAsShown)
{
    struct TCase {
        const char* what;
        QString typed; // nothing: the memo is left alone
        QString stored;
    };
    const QString stored = QStringLiteral("一行目\r\n二行目\r三行目");
    const TCase cases[] = {
        {"left alone", QString(), stored},
        {"retyped", QStringLiteral("新しい詳細"), QStringLiteral("新しい詳細")},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        db.Connection().ExecSQL("DELETE FROM events;");
        const int id = db.AddEvent(2021, 7, 14, QStringLiteral("t"), work, 0, stored);
        RunEdit(id, [&](TEditor& editor) {
            platform.ExpectMessage(QStringLiteral("更新しました。"));
            EXPECT_EQ(editor.Content.toPlainText(), QStringLiteral("一行目\n二行目\n三行目"));
            TypeInto(editor.Title, QStringLiteral("t2"));
            if (!c.typed.isNull()) TypeInto(editor.Content, c.typed);
            Click(editor.Update);
        });
        EXPECT_EQ(TEvent::FindById(id)->Content(), c.stored);
        EXPECT_EQ(TEvent::FindById(id)->Title(), QStringLiteral("t2"));
    }
}

TEST_F(EventDialogTest, EditModeForAMissingEventReportsItAndClosesAtOnce)
{
    const int result = RunEdit(
        999, [&](TEditor&) { ADD_FAILURE() << "the editor stayed open"; },
        [&] { platform.ExpectError(QStringLiteral("Event not found. [999]")); });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(frmEvent.isVisible());
}

TEST_F(EventDialogTest, UpdatingAnEventDeletedMeanwhileStoresNothingAndStaysOpen)
{
    const int id = db.AddEvent(2021, 7, 14, QStringLiteral("t"), work);
    const int result = RunEdit(id, [&](TEditor& editor) {
        platform.ExpectError(QStringLiteral("Event not found. [%1]").arg(id));
        TEvent::DeleteById(id);
        Click(editor.Update);
        EXPECT_TRUE(editor.Form.isVisible());
        EXPECT_EQ(editor.Title.text(), QStringLiteral("t"));
        Click(editor.Close);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(EventCount(), 0);
}

TEST_F(EventDialogTest, AFailedSaveReachesTheErrorBoxAndKeepsTheDialogOpen)
{
    db.Connection().ExecSQL("CREATE TRIGGER no_insert BEFORE INSERT ON events "
                            "BEGIN SELECT RAISE(ABORT, 'disk full'); END;");
    const int result = RunAdd([&](TEditor& editor) {
        platform.ExpectError(QStringLiteral("disk full"));
        TypeInto(editor.Title, QStringLiteral("t"));
        Choose(editor.Category, 1);
        Click(editor.Add);
        EXPECT_TRUE(editor.Form.isVisible());
        Click(editor.Close);
    });
    EXPECT_EQ(result, mrCancel);
}

TEST_F(EventDialogTest, WithNoCategoriesTheManagerOpensAndItsCategoriesArriveUnselected)
{
    struct TCase {
        QStringList created;
    };
    const TCase cases[] = {{{QStringLiteral("仕事"), QStringLiteral("趣味")}}, {{}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.created.join(u',').toStdString());
        db.Connection().ExecSQL("DELETE FROM categories;");
        const auto whileShowing = [&] {
            platform.ExpectMessage(CreateCategoryFirst);
            ExpectCategoryManager([&](TForm& manager) {
                for (const QString& name : c.created) {
                    platform.ExpectPrompt(AddCaption, name);
                    Click(Find<QPushButton>(manager, QStringLiteral("btnAdd")));
                }
                Click(Find<QPushButton>(manager, QStringLiteral("btnClose")));
            });
        };
        RunAdd(
            [&](TEditor& editor) {
                QStringList entries;
                for (int i = 0; i < editor.Category.count(); ++i) entries << editor.Category.itemText(i);
                EXPECT_EQ(entries, c.created);
                EXPECT_EQ(editor.Category.currentIndex(), -1);
                EXPECT_EQ(editor.Date(), QStringLiteral("2024/4/6"));
                Click(editor.Close);
            },
            whileShowing);
    }
}

TEST_F(EventDialogTest, TheCategoryButtonKeepsTheChosenCategoryElseChoosesTheFirst)
{
    const int hobby = db.AddCategory(QStringLiteral("趣味")); // 仕事, 家族, 趣味
    const QString renameCaption = QStringLiteral("変更後のカテゴリー名を入力してください。");
    struct TCase {
        const char* what;
        int chosen;                         // index chosen before, -1 for none
        std::function<void(TForm&)> manage; // what the user does in the manager
        QStringList entries;                // the combo afterwards
        int selected;
    };
    const auto click = [](TForm& form, const char* name) { Click(Find<QPushButton>(form, QString::fromLatin1(name))); };
    const auto clickRow = [](TForm& form, int row) { ClickCategoryObject(form, row, TCategoryItemObject::Name); };
    const TCase cases[] = {
        {"renamed and moved up",
         1,
         [&](TForm& m) {
             clickRow(m, 1);
             platform.ExpectPrompt(renameCaption, QStringLiteral("家庭"));
             click(m, "btnEdit");
             click(m, "btnUp");
         },
         {QStringLiteral("家庭"), QStringLiteral("仕事"), QStringLiteral("趣味")},
         0},
        {"nothing chosen",
         -1,
         [&](TForm& m) { clickRow(m, 2); },
         {QStringLiteral("家庭"), QStringLiteral("仕事"), QStringLiteral("趣味")},
         0},
        {"the chosen one deleted",
         2,
         [&](TForm& m) {
             clickRow(m, 2);
             click(m, "btnDelete");
         },
         {QStringLiteral("家庭"), QStringLiteral("仕事")},
         0},
        {"all deleted",
         0,
         [&](TForm& m) {
             click(m, "btnDelete");
             click(m, "btnDelete");
         },
         {},
         -1},
    };
    Q_UNUSED(hobby);
    RunAdd([&](TEditor& editor) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.what);
            editor.Category.setCurrentIndex(-1);
            if (c.chosen >= 0) Choose(editor.Category, c.chosen);
            ExpectCategoryManager([&](TForm& manager) {
                c.manage(manager);
                click(manager, "btnClose");
            });
            Click(editor.CategoryButton);
            QStringList entries;
            for (int i = 0; i < editor.Category.count(); ++i) entries << editor.Category.itemText(i);
            EXPECT_EQ(entries, c.entries);
            EXPECT_EQ(editor.Category.currentIndex(), c.selected);
        }
        Click(editor.Close);
    });
}

TEST_F(EventDialogTest, LayoutTextsAndTabOrder)
{
    RunAdd([&](TEditor& editor) {
        EXPECT_EQ(editor.Form.windowTitle(), QStringLiteral("イベント"));
        EXPECT_EQ(editor.Form.size(), QSize(640, 480));
        EXPECT_EQ(editor.Year.width(), 40);
        EXPECT_EQ(editor.Month.width(), 24);
        EXPECT_EQ(editor.Day.width(), 24);
        EXPECT_EQ(editor.CategoryButton.size(), QSize(24, 24));
        EXPECT_EQ(editor.CategoryButton.toolTip(), QStringLiteral("カテゴリーの編集をします"));
        QStringList rules;
        for (int i = 0; i < editor.Rule.count(); ++i) rules << editor.Rule.itemText(i);
        EXPECT_EQ(rules, (QStringList{QStringLiteral("スキップする"), QStringLiteral("2月28日に表示する"),
                                      QStringLiteral("3月1日に表示する")}));
        struct TButton {
            QPushButton& button;
            QString text;
            QString hint;
        };
        for (const TButton& b :
             {TButton{editor.Add, QStringLiteral("追加(&A)"), QStringLiteral("イベントを追加します")},
              TButton{editor.Update, QStringLiteral("更新(&U)"), QStringLiteral("イベントを更新します")},
              TButton{editor.Close, QStringLiteral("閉じる(&C)"), QStringLiteral("ダイアログを閉じます")}}) {
            EXPECT_EQ(b.button.text(), b.text);
            EXPECT_EQ(b.button.toolTip(), b.hint);
            EXPECT_EQ(b.button.height(), 32);
            EXPECT_GE(b.button.width(), 80); // wider only where the caption needs it
            EXPECT_GE(b.button.width(), b.button.sizeHint().width());
            EXPECT_FALSE(b.button.icon().isNull());
        }
        // The visible buttons sit at the right: btnClose 16 from the right and the
        // bottom.
        const QRect close = editor.Close.geometry();
        EXPECT_EQ(editor.Form.width() - close.right() - 1, 16);
        EXPECT_EQ(editor.Form.height() - close.bottom() - 1, 16);
        EXPECT_LT(editor.Add.geometry().right(), close.left());

        editor.TypeDate(QStringLiteral("2024"), QStringLiteral("2"), QStringLiteral("29"));
        EXPECT_EQ(TabChain(editor.Year), (QStringList{"edtYear", "edtMonth", "edtDay", "cmbNonLeapYearProc", "edtTitle",
                                                      "cmbCategory", "memContent", "btnAdd", "btnClose"}));
        // Resizing: the memo follows the width and the height.
        const QSize before = editor.Content.size();
        editor.Form.resize(800, 600);
        QApplication::processEvents();
        EXPECT_EQ(editor.Content.size(), before + QSize(160, 120));
        Click(editor.Close);
    });
}
