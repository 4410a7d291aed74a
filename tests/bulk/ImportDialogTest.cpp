// The import dialog driven through its controls: opening files, the error list and
// the painted cells, corrections and deletions, the category choice, and storing.
#include "ImportDialogFixture.h"

#include "MEvent.h"
#include "UCsvExport.h"
#include "UImportPaint.h"

#include <QLineEdit>
#include <QTest>

namespace {

const QString EnterDate = QStringLiteral("日付を入力してください。");
const QString EnterTitle = QStringLiteral("タイトルを入力してください。");
QString WrongDate(const QString& text)
{
    return QStringLiteral("正しい日付を入力してください。[") + text + u']';
}

QByteArray Lines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

// Rows "<date>,タイトルN,詳細N" for N = 1..count, dated 1 January 2024 onwards.
QStringList GoodLines(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << QDate(2024, 1, 1).addDays(n - 1).toString(u"yyyy-MM-dd") + QStringLiteral(",タイトル%1,詳細%1").arg(n);
    return lines;
}

bool IsRed(const std::optional<QColor>& face)
{
    return face && face->red() == 255 && face->green() == 0 && face->blue() == 0 && face->alpha() == 128;
}

// Every date and title cell is painted red exactly when the error list holds its entry.
void ExpectRedExactlyWhereListed(const std::vector<QStringList>& rows, const std::vector<TShownError>& errors)
{
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int column : {1, 2}) {
            const QString location = QStringLiteral("%1-%2").arg(r + 1).arg(column);
            const bool listed = std::any_of(errors.begin(), errors.end(),
                                            [&](const TShownError& e) { return e.Location == location; });
            EXPECT_EQ(IsRed(ImportCellBackground(column, rows[r][column])), listed) << location.toStdString();
        }
    }
}

TEST_F(ImportDialogTest, HelpSampleLinesGiveThreeRowsAndStoreThreeEvents)
{
    db.AddCategory(QStringLiteral("誕生日"));
    const int holidays = db.AddCategory(QStringLiteral("祝日"));
    const QString path = WriteFile(QStringLiteral("sample.csv"), Lines(TfrmImportHelp::HelpLines().mid(29)));

    RunDialog([&] {
        EXPECT_FALSE(Button("btnImport")->isEnabled());
        EXPECT_FALSE(Button("btnDeleteRow")->isEnabled());
        EXPECT_EQ(cmbCategory()->count(), 2);
        EXPECT_EQ(cmbCategory()->currentIndex(), -1);

        OpenFile(path);
        const TScriptedPlatform::TShown& dialog = platform.Shown().at(1);
        EXPECT_EQ(dialog.Text, QStringLiteral("インポートファイル"));
        EXPECT_EQ(dialog.Detail, QStringLiteral("CSV|*.csv|ALL|*.*"));

        const std::vector<QStringList> expected = {
            {"1", "2023-01-01", "タイトル1", "詳細"},
            {"2", "2023/02/01", "タイトル2", ""},
            {"3", "2023.03.01", "タイトル2,1", ""},
        };
        EXPECT_EQ(Rows(), expected);
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(memContent()->toPlainText(), QStringLiteral("詳細"));
        EXPECT_TRUE(Button("btnDeleteRow")->isEnabled());
        EXPECT_FALSE(Button("btnImport")->isEnabled()) << "no category chosen yet";

        SelectCategory(1);
        ASSERT_TRUE(Button("btnImport")->isEnabled());
        platform.ExpectMessage(QStringLiteral("3件のデータをインポートしました。"));
        Button("btnImport")->click();

        // The dialog is empty again.
        EXPECT_TRUE(Rows().empty());
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(cmbCategory()->currentIndex(), -1);
        EXPECT_FALSE(Button("btnImport")->isEnabled());
        EXPECT_FALSE(Button("btnDeleteRow")->isEnabled());
        EXPECT_TRUE(memContent()->toPlainText().isEmpty());
    });

    const TEventList stored = TEvent::Select(TEventCondition{});
    ASSERT_EQ(stored.size(), 3u);
    const int dates[] = {20230101, 20230201, 20230301};
    const QString titles[] = {"タイトル1", "タイトル2", "タイトル2,1"};
    const QString contents[] = {"詳細", "", ""};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(stored[i]->Date(), dates[i]);
        EXPECT_EQ(stored[i]->Title(), titles[i]);
        EXPECT_EQ(stored[i]->Content(), contents[i]);
        EXPECT_EQ(stored[i]->CategoryId(), holidays);
        EXPECT_EQ(stored[i]->NonLeapYearProc(), TNonLeapYearProc::Skip);
    }
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events WHERE notice_days <> 0"), 0);
}

TEST_F(ImportDialogTest, ListsEveryFaultyCellInOrderAndPaintsIt)
{
    QStringList lines = GoodLines(10);
    lines[0] = QStringLiteral("2023-02-29,閏日ではない,");
    lines[1] = QStringLiteral("2024-01-02,,詳細2");
    lines[2] = QStringLiteral(",,詳細3");  // empty date and empty title
    lines[3] = QStringLiteral("   ");     // blanks only: three absent values
    lines[6] = QStringLiteral("2024/4/31,タイトル7");
    lines[9] = QStringLiteral("2024年1月10日,タイトル10");
    const QString path = WriteFile(QStringLiteral("faults.csv"), Lines(lines));

    RunDialog([&] {
        db.AddCategory(QStringLiteral("予定"));
        OpenFile(path);
        const std::vector<TShownError> expected = {
            {"1-1", WrongDate("2023-02-29")},
            {"2-2", EnterTitle},
            {"3-1", EnterDate},
            {"3-2", EnterTitle},
            {"4-1", EnterDate},
            {"4-2", EnterTitle},
            {"7-1", WrongDate("2024/4/31")},
            {"10-1", WrongDate("2024年1月10日")},
        };
        EXPECT_EQ(Errors(), expected);
        const auto rows = Rows();
        ExpectRedExactlyWhereListed(rows, Errors());
        // The row numbers have their light grey face, the details none.
        EXPECT_EQ(ImportCellBackground(0, rows[0][0]), QColor(0xF5, 0xF5, 0xF5));
        EXPECT_FALSE(ImportCellBackground(3, QString()).has_value());
    });
}

TEST_F(ImportDialogTest, EditsAddAndRemoveErrors)
{
    QStringList lines = GoodLines(3);
    lines[1] = QStringLiteral("2023-02-29,タイトル2,詳細2");
    const QString path = WriteFile(QStringLiteral("edits.csv"), Lines(lines));
    db.AddCategory(QStringLiteral("予定"));

    RunDialog([&] {
        OpenFile(path);
        SelectCategory(0);
        ASSERT_EQ(Errors(), (std::vector<TShownError>{{"2-1", WrongDate("2023-02-29")}}));
        EXPECT_FALSE(Button("btnImport")->isEnabled());

        EditCell(1, 1, QStringLiteral("2024-02-29"));
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(Rows()[1][1], QStringLiteral("2024-02-29"));
        EXPECT_TRUE(Button("btnImport")->isEnabled());

        EditCell(2, 1, QString());
        EditCell(0, 2, QString());
        EditCell(0, 1, QStringLiteral("2024-13-01"));
        EXPECT_EQ(Errors(), (std::vector<TShownError>{
                                {"1-1", WrongDate("2024-13-01")}, {"1-2", EnterTitle}, {"3-1", EnterDate}}));
        ExpectRedExactlyWhereListed(Rows(), Errors());
        EXPECT_FALSE(Button("btnImport")->isEnabled());

        // A date error replaced by another keeps its place; a title of blanks is a title.
        EditCell(0, 1, QStringLiteral("2024-4-31"));
        EditCell(0, 2, QStringLiteral("   "));
        EXPECT_EQ(Errors(), (std::vector<TShownError>{{"1-1", WrongDate("2024-4-31")}, {"3-1", EnterDate}}));
        EditCell(0, 1, QStringLiteral("2024-4-30"));
        EditCell(2, 1, QStringLiteral("$7E8-1-1"));
        EXPECT_TRUE(Errors().empty());
        ASSERT_TRUE(Button("btnImport")->isEnabled());

        platform.ExpectMessage(QStringLiteral("3件のデータをインポートしました。"));
        Button("btnImport")->click();
    });

    const TEventList stored = TEvent::Select(TEventCondition{});
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0]->Date(), 20240101); // $7E8-1-1, the third row
    EXPECT_EQ(stored[1]->Date(), 20240229);
    EXPECT_EQ(stored[2]->Date(), 20240430);
    EXPECT_EQ(stored[2]->Title(), QStringLiteral("   "));
}

TEST_F(ImportDialogTest, DetailTypedInTheEditBoxIsWrittenWhenItLosesTheFocus)
{
    const QString path = WriteFile(QStringLiteral("detail.csv"), Lines(GoodLines(3)));
    RunDialog([&] {
        frmImport.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frmImport));
        OpenFile(path);
        grdEvents()->setCurrentIndex(grdEvents()->model()->index(1, 2));
        EXPECT_EQ(memContent()->toPlainText(), QStringLiteral("詳細2"));

        memContent()->setFocus();
        memContent()->selectAll();
        TypeText(memContent(), QStringLiteral("一行目"));
        QTest::keyClick(memContent(), Qt::Key_Return);
        TypeText(memContent(), QStringLiteral("二行目"));
        EXPECT_EQ(Rows()[1][3], QStringLiteral("詳細2")) << "written only when the edit box is left";

        grdEvents()->setFocus();
        EXPECT_EQ(Rows()[1][3], QStringLiteral("一行目\n二行目"));

        // Passing through the detail cell in the list keeps its line break.
        QLineEdit* editor = OpenEditor(1, 3);
        ASSERT_NE(editor, nullptr);
        CommitEditor(editor);
        EXPECT_EQ(Rows()[1][3], QStringLiteral("一行目\n二行目"));

        // Another row shows its own detail.
        grdEvents()->setCurrentIndex(grdEvents()->model()->index(2, 1));
        EXPECT_EQ(memContent()->toPlainText(), QStringLiteral("詳細3"));
    });
}

TEST_F(ImportDialogTest, DeletingARowRenumbersTheRowsAfterItAndTheirErrors)
{
    QStringList lines = GoodLines(5);
    lines[4] = QStringLiteral("2024-02-30,タイトル5,詳細5");
    const QString path = WriteFile(QStringLiteral("five.csv"), Lines(lines));

    RunDialog([&] {
        OpenFile(path);
        ASSERT_EQ(Errors(), (std::vector<TShownError>{{"5-1", WrongDate("2024-02-30")}}));

        grdEvents()->setCurrentIndex(grdEvents()->model()->index(2, 1));
        Button("btnDeleteRow")->click();

        EXPECT_EQ(Errors(), (std::vector<TShownError>{{"4-1", WrongDate("2024-02-30")}}));
        const auto rows = Rows();
        ASSERT_EQ(rows.size(), 4u);
        QStringList numbers, titles;
        for (const auto& row : rows) numbers << row[0], titles << row[2];
        EXPECT_EQ(numbers, QStringList({"1", "2", "3", "4"}));
        EXPECT_EQ(titles, QStringList({"タイトル1", "タイトル2", "タイトル4", "タイトル5"}));
        // The row now at that place is the current one and shows its detail.
        EXPECT_EQ(grdEvents()->currentIndex().row(), 2);
        EXPECT_EQ(memContent()->toPlainText(), QStringLiteral("詳細4"));

        // Deleting the faulty row clears the list; deleting every row disables the button.
        grdEvents()->setCurrentIndex(grdEvents()->model()->index(3, 1));
        Button("btnDeleteRow")->click();
        EXPECT_TRUE(Errors().empty());
        for (int i = 0; i < 3; ++i) Button("btnDeleteRow")->click();
        EXPECT_TRUE(Rows().empty());
        EXPECT_FALSE(Button("btnDeleteRow")->isEnabled());
        EXPECT_TRUE(memContent()->toPlainText().isEmpty());
    });
}

TEST_F(ImportDialogTest, SelectingAnErrorSelectsItsCellAndScrollsItsRowToTheTop)
{
    QStringList lines = GoodLines(40);
    lines[6] = QStringLiteral("2024-01-07,,七番目の詳細");
    lines[29] = QStringLiteral("x,タイトル30");
    const QString path = WriteFile(QStringLiteral("forty.csv"), Lines(lines));

    RunDialog([&] {
        OpenFile(path);
        ASSERT_EQ(Errors().size(), 2u);
        ASSERT_EQ(Errors()[0].Location, QStringLiteral("7-2"));

        grdError()->setCurrentIndex(grdError()->model()->index(0, 1));
        EXPECT_EQ(grdEvents()->currentIndex(), grdEvents()->model()->index(6, 2));
        EXPECT_EQ(grdEvents()->rowAt(0), 6);
        EXPECT_EQ(memContent()->toPlainText(), QStringLiteral("七番目の詳細"));

        grdError()->setCurrentIndex(grdError()->model()->index(1, 0));
        EXPECT_EQ(grdEvents()->currentIndex(), grdEvents()->model()->index(29, 1));
        EXPECT_EQ(grdEvents()->rowAt(0), 29);

        // Clicking the entry that is already selected goes back to its cell again.
        grdEvents()->scrollToTop();
        const QRect entry = grdError()->visualRect(grdError()->model()->index(1, 1));
        QTest::mouseClick(grdError()->viewport(), Qt::LeftButton, {}, entry.center());
        EXPECT_EQ(grdEvents()->rowAt(0), 29);

        // Correcting that cell removes the selected entry; the list stays on the corrected cell.
        EditCell(29, 1, QStringLiteral("2024-01-30"));
        EXPECT_EQ(Errors().size(), 1u);
        EXPECT_EQ(grdEvents()->currentIndex(), grdEvents()->model()->index(29, 1));
    });
}

TEST_F(ImportDialogTest, ImportButtonNeedsRowsNoErrorAndACategoryInAnyOrder)
{
    QStringList lines = GoodLines(2);
    lines[1] = QStringLiteral("2024-01-02,,詳細");
    const QString path = WriteFile(QStringLiteral("one-fault.csv"), Lines(lines));
    db.AddCategory(QStringLiteral("予定"));

    const std::vector<std::vector<std::string>> orders = {
        {"open", "fix", "category"}, {"open", "category", "fix"}, {"category", "open", "fix"}};
    for (const auto& order : orders) {
        SCOPED_TRACE(order[0] + " " + order[1] + " " + order[2]);
        RunDialog([&] {
            for (std::size_t step = 0; step < order.size(); ++step) {
                EXPECT_FALSE(Button("btnImport")->isEnabled());
                if (order[step] == "open") OpenFile(path);
                else if (order[step] == "fix") EditCell(1, 2, QStringLiteral("タイトル2"));
                else SelectCategory(0);
            }
            EXPECT_TRUE(Button("btnImport")->isEnabled());
            // Losing any one of the three disables it again.
            cmbCategory()->setCurrentIndex(-1);
            EXPECT_FALSE(Button("btnImport")->isEnabled());
            SelectCategory(0);
            EditCell(0, 1, QString());
            EXPECT_FALSE(Button("btnImport")->isEnabled());
            EditCell(0, 1, QStringLiteral("2024-01-01"));
            EXPECT_TRUE(Button("btnImport")->isEnabled());
            Button("btnDeleteRow")->click();
            Button("btnDeleteRow")->click();
            EXPECT_FALSE(Button("btnImport")->isEnabled());
        });
    }
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events"), 0);
}

TEST_F(ImportDialogTest, ExportedFileGivesAHeaderRowToDelete)
{
    const int family = db.AddCategory(QStringLiteral("家族"));
    db.AddEvent(2020, 2, 29, QStringLiteral("閏日の記念日"), family, 1, QStringLiteral("一行目\r\n二行目"));
    db.AddEvent(1999, 12, 31, QStringLiteral("大晦日, \"特別\""), family);
    const QString path =
        WriteFile(QStringLiteral("export.csv"), BuildExportCsv(TEvent::Select(TEventCondition{})));

    RunDialog([&] {
        OpenFile(path);
        EXPECT_EQ(Errors(), (std::vector<TShownError>{{"1-1", WrongDate(QStringLiteral("日付"))}}));
        ASSERT_EQ(Rows().size(), 3u);
        EXPECT_EQ(Rows()[0], QStringList({"1", "日付", "タイトル", "詳細"}));

        grdEvents()->setCurrentIndex(grdEvents()->model()->index(0, 1));
        Button("btnDeleteRow")->click();
        EXPECT_TRUE(Errors().empty());
        const std::vector<QStringList> expected = {
            {"1", "1999-12-31", "大晦日, \"特別\"", ""},
            {"2", "2020-02-29", "閏日の記念日", "一行目\r\n二行目"},
        };
        EXPECT_EQ(Rows(), expected);
    });
}

// What makes the insert fail, set up after the rows were opened and checked.
struct TFailingInsert {
    const char* Name;
    std::string Sql; // %1: the chosen category's id
};

class ImportFailureTest : public ImportDialogTest, public ::testing::WithParamInterface<TFailingInsert> {};

TEST_P(ImportFailureTest, StoresNothingAndLeavesTheDialogAsItWas)
{
    const int chosen = db.AddCategory(QStringLiteral("予定"));
    db.AddEvent(2000, 1, 1, QStringLiteral("前からある予定"), db.AddCategory(QStringLiteral("その他")));
    QStringList lines = GoodLines(4);
    lines[1] = QStringLiteral("2024-01-02,,詳細2");
    const QString path = WriteFile(QStringLiteral("fails.csv"), Lines(lines));

    RunDialog([&] {
        OpenFile(path);
        SelectCategory(0);
        EditCell(1, 2, QStringLiteral("boom"));
        ASSERT_TRUE(Button("btnImport")->isEnabled());
        const auto rowsBefore = Rows();

        const QString sql = QString::fromStdString(GetParam().Sql).replace(QStringLiteral("%1"), QString::number(chosen));
        db.Connection().ExecSQL(sql.toUtf8().constData());
        platform.ExpectError(QString());
        Button("btnImport")->click();

        EXPECT_EQ(Rows(), rowsBefore);
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(cmbCategory()->currentIndex(), 0);
        EXPECT_TRUE(Button("btnImport")->isEnabled());
        EXPECT_TRUE(Button("btnDeleteRow")->isEnabled());
    });
    ASSERT_FALSE(platform.BoxTexts().empty());
    EXPECT_FALSE(platform.BoxTexts().back().isEmpty());
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events WHERE title <> '前からある予定'"), 0);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportFailureTest,
    ::testing::Values(
        // The category was deleted meanwhile (its event moved away first): the foreign key refuses every row.
        TFailingInsert{"CategoryDeletedMeanwhile", "DELETE FROM categories WHERE id = %1;"},
        // The second row is refused after the first was inserted: the first must not stay.
        TFailingInsert{"SecondRowRefused",
                       "CREATE TRIGGER refuse BEFORE INSERT ON events WHEN NEW.title = 'boom' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END;"}),
    [](const auto& info) { return std::string(info.param.Name); });

// A file that cannot be used for the import.
struct TUnreadableFile {
    const char* Name;
    QByteArray Bytes; // empty: no file at all
};

class UnreadableFileTest : public ImportDialogTest, public ::testing::WithParamInterface<TUnreadableFile> {};

TEST_P(UnreadableFileTest, ChangesNothing)
{
    db.AddCategory(QStringLiteral("予定"));
    QStringList lines = GoodLines(3);
    lines[2] = QStringLiteral("2024-01-03,");
    const QString good = WriteFile(QStringLiteral("good.csv"), Lines(lines));
    const QString bad = GetParam().Bytes.isEmpty() ? db.Folder() + QStringLiteral("/missing.csv")
                                                   : WriteFile(QStringLiteral("bad.csv"), GetParam().Bytes);

    RunDialog([&] {
        OpenFile(good);
        SelectCategory(0);
        grdEvents()->setCurrentIndex(grdEvents()->model()->index(1, 2));
        const auto rows = Rows();
        const auto errors = Errors();
        ASSERT_EQ(errors.size(), 1u);

        platform.ExpectOpenFile(bad);
        platform.ExpectError(QString());
        Button("btnOpenFile")->click();

        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(Errors(), errors);
        EXPECT_EQ(cmbCategory()->currentIndex(), 0);
        EXPECT_EQ(grdEvents()->currentIndex().row(), 1);
        EXPECT_EQ(memContent()->toPlainText(), QStringLiteral("詳細2"));
        EXPECT_TRUE(Button("btnDeleteRow")->isEnabled());
        EXPECT_FALSE(Button("btnImport")->isEnabled());

        // Cancelling the file dialog changes nothing either.
        platform.ExpectOpenFile(std::nullopt);
        Button("btnOpenFile")->click();
        EXPECT_EQ(Rows(), rows);

        // A second good file replaces every row and error; the category stays chosen.
        OpenFile(WriteFile(QStringLiteral("second.csv"), Lines(GoodLines(2))));
        EXPECT_EQ(Rows().size(), 2u);
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(cmbCategory()->currentIndex(), 0);
        EXPECT_TRUE(Button("btnImport")->isEnabled());
    });
    EXPECT_FALSE(platform.BoxTexts().at(0).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableFileTest,
    ::testing::Values(
        // "2024-01-01,予定" in Shift_JIS on the second line.
        TUnreadableFile{"NotUtf8", QByteArray("2024-01-01,ok\r\n2024-01-02,\x97\x5c\x92\xe8\r\n")},
        TUnreadableFile{"Missing", QByteArray()}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ImportDialogTest, KeepsLongValuesWholeUpToTheDatabase)
{
    db.AddCategory(QStringLiteral("長文"));
    QString title;
    for (int i = 0; title.size() < 20000; ++i) title += QStringLiteral("長いタイトル%1 ").arg(i);
    title = title.left(19999) + u'終';
    const QString content = QStringLiteral("詳細").repeated(12000) + u'\n' + QStringLiteral("続き").repeated(8000);
    const QString csvTitle = u'"' + title + u'"';
    const QString path = WriteFile(QStringLiteral("long.csv"),
                                   (QStringLiteral("2024-05-05,") + csvTitle + u',' + u'"' + content + u'"').toUtf8());

    RunDialog([&] {
        OpenFile(path);
        ASSERT_EQ(Rows().size(), 1u);
        EXPECT_EQ(Rows()[0][2].size(), 20000);
        EXPECT_EQ(memContent()->toPlainText(), content);
        // Typing into the list cell keeps the rest of a long value too.
        QLineEdit* editor = OpenEditor(0, 3);
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_End);
        TypeText(editor, QStringLiteral("追記"));
        CommitEditor(editor);
        SelectCategory(0);
        platform.ExpectMessage(QStringLiteral("1件のデータをインポートしました。"));
        Button("btnImport")->click();
    });
    EXPECT_EQ(db.ScalarText("SELECT title FROM events"), title);
    EXPECT_EQ(db.ScalarText("SELECT content FROM events"), content + QStringLiteral("追記"));
}

// What the category manager does while the import dialog waits for it.
struct TCategoryChange {
    const char* Name;
    int SelectedBefore;    // combo index before, -1 for none
    std::string Sql;       // run inside the category manager
    int SelectedAfter;     // combo index after, -1 for none
    QStringList NamesAfter;
};

class CategoryButtonTest : public ImportDialogTest, public ::testing::WithParamInterface<TCategoryChange> {};

TEST_P(CategoryButtonTest, KeepsAChosenCategoryThatStillExists)
{
    db.AddCategory(QStringLiteral("仕事"));
    db.AddCategory(QStringLiteral("家族"));
    db.AddCategory(QStringLiteral("趣味"));
    const QString path = WriteFile(QStringLiteral("ok.csv"), Lines(GoodLines(2)));
    const TCategoryChange& change = GetParam();

    RunDialog([&] {
        OpenFile(path);
        SelectCategory(change.SelectedBefore);
        platform.ExpectModal(QStringLiteral("frmCategory"), [&](TForm& form) {
            db.Connection().ExecSQL(change.Sql.c_str());
            form.Close(mrCancel);
        });
        frmImport.findChild<QPushButton*>(QStringLiteral("btnCategory"))->click();

        QStringList names;
        for (int i = 0; i < cmbCategory()->count(); ++i) names << cmbCategory()->itemText(i);
        EXPECT_EQ(names, change.NamesAfter);
        EXPECT_EQ(cmbCategory()->currentIndex(), change.SelectedAfter);
        EXPECT_EQ(Button("btnImport")->isEnabled(), change.SelectedAfter >= 0);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CategoryButtonTest,
    ::testing::Values(
        TCategoryChange{"RenamedAndMovedToTheTop", 1,
                        "UPDATE categories SET name = '親戚', sort_order = 0 WHERE name = '家族';", 0,
                        {"親戚", "仕事", "趣味"}},
        TCategoryChange{"AnotherDeleted", 2, "DELETE FROM categories WHERE name = '仕事';", 1, {"家族", "趣味"}},
        TCategoryChange{"ChosenDeleted", 1, "DELETE FROM categories WHERE name = '家族';", -1, {"仕事", "趣味"}},
        TCategoryChange{"NoneChosenBefore", -1, "INSERT INTO categories (name, sort_order) VALUES ('新規', 9);", -1,
                        {"仕事", "家族", "趣味", "新規"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ImportDialogTest, EveryShowingStartsEmpty)
{
    db.AddCategory(QStringLiteral("予定"));
    const QString path = WriteFile(QStringLiteral("empty.csv"), QByteArray());
    RunDialog([&] {
        // An empty file gives one row with both errors.
        OpenFile(path);
        SelectCategory(0);
        EXPECT_EQ(Rows(), (std::vector<QStringList>{{"1", "", "", ""}}));
        EXPECT_EQ(Errors(), (std::vector<TShownError>{{"1-1", EnterDate}, {"1-2", EnterTitle}}));
    });
    RunDialog([&] {
        EXPECT_TRUE(Rows().empty());
        EXPECT_TRUE(Errors().empty());
        EXPECT_EQ(cmbCategory()->currentIndex(), -1);
        EXPECT_FALSE(Button("btnDeleteRow")->isEnabled());
        EXPECT_FALSE(Button("btnImport")->isEnabled());
    });
}

} // namespace
