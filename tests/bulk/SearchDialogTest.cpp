// The search dialog driven through its controls: the criteria and their checks, the
// selection, editing and deleting a listed event, and the export to a real file.
#include "FCategory.h"
#include "FEvent.h"
#include "FSearch.h"
#include "MSettings.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "UserInput.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The controls of the search dialog.
struct TSearch {
    explicit TSearch(TForm& form) : Form(form) {}

    void TypeDates(const QStringList& from, const QStringList& to)
    {
        QLineEdit* const boxes[] = {&FromYear, &FromMonth, &FromDay, &ToYear, &ToMonth, &ToDay};
        for (int i = 0; i < 3; ++i) TypeInto(*boxes[i], from.value(i));
        for (int i = 0; i < 3; ++i) TypeInto(*boxes[i + 3], to.value(i));
    }
    QStringList Column(int column) const
    {
        QStringList texts;
        const QAbstractItemModel& model = *List.model();
        for (int row = 0; row < model.rowCount(); ++row) texts << model.index(row, column).data().toString();
        return texts;
    }
    QStringList Titles() const { return Column(2); }
    void ClickRow(int row)
    {
        const QRect cell = List.visualRect(List.model()->index(row, 2));
        QTest::mouseClick(List.viewport(), Qt::LeftButton, {}, cell.center());
    }
    int SelectedRow() const
    {
        const auto selected = List.selectionModel()->selectedRows();
        return selected.isEmpty() ? -1 : selected.first().row();
    }
    // "edit delete" for the enabled ones of btnEdit and btnDelete.
    QString EnabledButtons() const
    {
        QStringList enabled;
        if (Edit.isEnabled()) enabled << QStringLiteral("edit");
        if (Delete.isEnabled()) enabled << QStringLiteral("delete");
        return enabled.join(u' ');
    }
    QString Focus() const { return Form.focusWidget() ? Form.focusWidget()->objectName() : QString(); }

    TForm& Form;
    QLineEdit& FromYear = Find<QLineEdit>(Form, "edtFromYear");
    QLineEdit& FromMonth = Find<QLineEdit>(Form, "edtFromMonth");
    QLineEdit& FromDay = Find<QLineEdit>(Form, "edtFromDay");
    QLineEdit& ToYear = Find<QLineEdit>(Form, "edtToYear");
    QLineEdit& ToMonth = Find<QLineEdit>(Form, "edtToMonth");
    QLineEdit& ToDay = Find<QLineEdit>(Form, "edtToDay");
    QLineEdit& Title = Find<QLineEdit>(Form, "edtTitle");
    QComboBox& Category = Find<QComboBox>(Form, "cmbCategory");
    QLineEdit& Content = Find<QLineEdit>(Form, "edtContent");
    QPushButton& Search = Find<QPushButton>(Form, "btnSearch");
    QPushButton& Clear = Find<QPushButton>(Form, "btnClear");
    QTableView& List = Find<QTableView>(Form, "grdEvent");
    QPlainTextEdit& Detail = Find<QPlainTextEdit>(Form, "memContent");
    QPushButton& Export = Find<QPushButton>(Form, "btnExport");
    QPushButton& Edit = Find<QPushButton>(Form, "btnEdit");
    QPushButton& Delete = Find<QPushButton>(Form, "btnDelete");
    QPushButton& Close = Find<QPushButton>(Form, "btnClose");
};

class SearchDialogTest : public DatabaseTest {
protected:
    void SetUp() override
    {
        work = db.AddCategory(QStringLiteral("仕事"));
        home = db.AddCategory(QStringLiteral("家庭"));
        db.AddEvent(2020, 2, 29, QStringLiteral("閏日 50%"), work, 0, QStringLiteral("詳細あり"));
        db.AddEvent(2021, 5, 5, QStringLiteral("5000円"), work, 0, QStringLiteral("a_b"));
        db.AddEvent(2019, 12, 31, QStringLiteral("大晦日"), home);
        db.AddEvent(2020, 2, 29, QStringLiteral("閏日2"), home, 0, QStringLiteral("家"));
        db.AddEvent(2020, 1, 1, QStringLiteral("元日"), home, 0, QStringLiteral("初詣"));
    }

    // Shows the dialog modally and runs script in it; the dialog is closed afterwards.
    void Run(const std::function<void(TSearch&)>& script)
    {
        platform.ExpectModal(QStringLiteral("frmSearch"), [&](TForm& form) {
            TSearch search(form);
            script(search);
            Click(search.Close);
        });
        EXPECT_EQ(platform.ShowModal(frmSearch), mrCancel);
        platform.VerifyAllUsed();
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    int work = 0;
    int home = 0;
    TScriptedPlatform platform;
    TfrmCategory frmCategory{platform};
    TfrmEvent frmEvent{platform, frmCategory};
    TfrmSearch frmSearch{platform, frmEvent};
};

const QStringList All = {u"大晦日"_qs, u"元日"_qs, u"閏日 50%"_qs, u"閏日2"_qs, u"5000円"_qs};

TEST_F(SearchDialogTest, ListsWhatMeetsEveryGivenCriterion)
{
    const struct {
        const char* name;
        QStringList from, to;
        QString title;
        int category; // combo entry; -1 for none chosen
        QString content;
        QStringList titles;
    } cases[] = {
        {"nothing given", {}, {}, {}, -1, {}, All},
        {"the empty entry", {}, {}, {}, 0, {}, All},
        {"start only", {"2020", "1", "1"}, {}, {}, -1, {}, {u"元日"_qs, u"閏日 50%"_qs, u"閏日2"_qs, u"5000円"_qs}},
        {"end only", {}, {"2019", "12", "31"}, {}, -1, {}, {u"大晦日"_qs}},
        {"one day", {"2020", "2", "29"}, {"2020", "02", "029"}, {}, -1, {}, {u"閏日 50%"_qs, u"閏日2"_qs}},
        {"title literal percent", {}, {}, u"50%"_qs, -1, {}, {u"閏日 50%"_qs}},
        {"title of one blank", {}, {}, u" "_qs, -1, {}, {u"閏日 50%"_qs}},
        {"category", {}, {}, {}, 2, {}, {u"大晦日"_qs, u"元日"_qs, u"閏日2"_qs}},
        {"detail literal underscore", {}, {}, {}, -1, u"a_b"_qs, {u"5000円"_qs}},
        {"start and category", {"2020", "1", "1"}, {}, {}, 1, {}, {u"閏日 50%"_qs, u"5000円"_qs}},
        {"title and detail", {}, {}, u"閏日"_qs, -1, u"家"_qs, {u"閏日2"_qs}},
    };
    Run([&](TSearch& s) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            s.TypeDates(c.from, c.to);
            TypeInto(s.Title, c.title);
            if (c.category >= 0) Choose(s.Category, c.category);
            else s.Category.setCurrentIndex(-1);
            TypeInto(s.Content, c.content);
            Click(s.Search);
            EXPECT_EQ(s.Titles(), c.titles);
            EXPECT_EQ(s.SelectedRow(), -1);
            EXPECT_EQ(s.EnabledButtons(), QString());
            EXPECT_EQ(s.Focus(), u"btnSearch"_qs);
        }
        // The list shows each event's own date, its category and its title.
        Click(s.Clear);
        Click(s.Search);
        EXPECT_EQ(s.Column(0), (QStringList{u"2019-12-31"_qs, u"2020-01-01"_qs, u"2020-02-29"_qs, u"2020-02-29"_qs,
                                            u"2021-05-05"_qs}));
        EXPECT_EQ(s.Column(1), (QStringList{u"家庭"_qs, u"家庭"_qs, u"仕事"_qs, u"家庭"_qs, u"仕事"_qs}));
    });
}

TEST_F(SearchDialogTest, ADateEndThatIsIncompleteOrImpossibleStopsTheSearch)
{
    const struct {
        QStringList from, to;
        bool conversion; // the error box of a failed conversion, else a message
        QString text;
        const char16_t* focus;
    } cases[] = {
        {{"2021", "1", "1"}, {"2020", "12", "31"}, false, u"日付の範囲が正しくありません。"_qs, u"edtFromYear"},
        {{"2020", "2", ""}, {}, true, u"'' は整数ではありません"_qs, u"edtFromDay"},
        {{"", "", "5"}, {}, true, u"'' は整数ではありません"_qs, u"edtFromYear"},
        {{"2023", "2", "29"}, {}, false, u"日付が正しくありません。"_qs, u"edtFromYear"},
        {{"65537", "1", "1"}, {}, false, u"日付が正しくありません。"_qs, u"edtFromYear"},
        {{"2020", "1", "1"}, {"2020", "13", "1"}, false, u"日付が正しくありません。"_qs, u"edtToYear"},
        {{}, {"2020", "1x", "1"}, true, u"'1x' は整数ではありません"_qs, u"edtToMonth"},
        {{"0", "1", "1"}, {}, false, u"日付が正しくありません。"_qs, u"edtFromYear"},
    };
    Run([&](TSearch& s) {
        TypeInto(s.Title, u"閏日"_qs);
        Click(s.Search);
        s.ClickRow(1);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text.toStdString() + " " + c.from.join(u'/').toStdString());
            s.TypeDates(c.from, c.to);
            TypeInto(s.Title, QString());
            if (c.conversion) platform.ExpectError(c.text);
            else platform.ExpectMessage(c.text);
            Click(s.Search);
            EXPECT_EQ(s.Focus(), QString::fromUtf16(c.focus));
            // Nothing was searched: the list and its selection stay.
            EXPECT_EQ(s.Titles(), (QStringList{u"閏日 50%"_qs, u"閏日2"_qs}));
            EXPECT_EQ(s.SelectedRow(), 1);
        }
    });
}

TEST_F(SearchDialogTest, SelectingARowShowsItsDetailAndEnablesEditAndDelete)
{
    Run([&](TSearch& s) {
        EXPECT_EQ(s.Focus(), u"edtFromYear"_qs);
        EXPECT_EQ(s.EnabledButtons(), QString());
        Click(s.Search);
        s.ClickRow(1);
        EXPECT_EQ(s.Detail.toPlainText(), u"初詣"_qs);
        EXPECT_EQ(s.EnabledButtons(), u"edit delete"_qs);
        // A new search selects nothing and keeps the detail pane until a row is selected.
        Click(s.Search);
        EXPECT_EQ(s.SelectedRow(), -1);
        EXPECT_EQ(s.EnabledButtons(), QString());
        EXPECT_EQ(s.Detail.toPlainText(), u"初詣"_qs);
        s.ClickRow(2);
        EXPECT_EQ(s.Detail.toPlainText(), u"詳細あり"_qs);
        // Clearing empties the criteria, the list and the pane.
        TypeInto(s.Title, u"x"_qs);
        Click(s.Clear);
        EXPECT_EQ(s.Titles(), QStringList());
        EXPECT_EQ(s.Detail.toPlainText(), QString());
        EXPECT_EQ(s.Title.text(), QString());
        EXPECT_EQ(s.Category.currentIndex(), -1);
        EXPECT_EQ(s.Category.count(), 3);
        EXPECT_EQ(s.Focus(), u"edtFromYear"_qs);
        s.TypeDates({u"1999"_qs, u"1"_qs, u"1"_qs}, {});
        TypeInto(s.Content, u"初"_qs);
        Click(s.Search);
        s.ClickRow(0);
    });
    // A new showing starts empty.
    Run([&](TSearch& s) {
        for (QLineEdit* edit : {&s.FromYear, &s.Content, &s.Title}) EXPECT_EQ(edit->text(), QString());
        EXPECT_EQ(s.Titles(), QStringList());
        EXPECT_EQ(s.Detail.toPlainText(), QString());
        EXPECT_EQ(s.EnabledButtons(), QString());
    });
}

TEST_F(SearchDialogTest, EditingARowShowsTheStoredValuesInPlace)
{
    TSettings::WriteSetting(u"EventDateFormat"_qs, u"yyyy年m月d日"_qs);
    Run([&](TSearch& s) {
        Click(s.Search);
        s.ClickRow(1);
        // Closing the editor without storing changes nothing.
        platform.ExpectModal(u"frmEvent"_qs, [](TForm& editor) {
            EXPECT_EQ(Find<QLineEdit>(editor, "edtTitle").text(), u"元日"_qs);
            Click(Find<QPushButton>(editor, "btnClose"));
        });
        Click(s.Edit);
        EXPECT_EQ(s.Titles(), All);

        platform.ExpectModal(u"frmEvent"_qs, [&](TForm& editor) {
            TypeInto(Find<QLineEdit>(editor, "edtYear"), u"2030"_qs);
            TypeInto(Find<QLineEdit>(editor, "edtTitle"), u"新年"_qs);
            editor.findChild<QPlainTextEdit*>(u"memContent"_qs)->setPlainText(u"新しい詳細"_qs);
            platform.ExpectMessage(u"更新しました。"_qs);
            Click(Find<QPushButton>(editor, "btnUpdate"));
        });
        Click(s.Edit);
        // The row keeps its place although its new date orders it last.
        EXPECT_EQ(s.Titles(), (QStringList{u"大晦日"_qs, u"新年"_qs, u"閏日 50%"_qs, u"閏日2"_qs, u"5000円"_qs}));
        EXPECT_EQ(s.Column(0).at(1), u"2030年1月1日"_qs);
        EXPECT_EQ(s.Detail.toPlainText(), u"新しい詳細"_qs);
        EXPECT_EQ(s.SelectedRow(), 1);

        // A double click opens the editor on that row too.
        s.ClickRow(3);
        const QRect cell = s.List.visualRect(s.List.model()->index(3, 2));
        platform.ExpectModal(u"frmEvent"_qs, [](TForm& editor) {
            EXPECT_EQ(Find<QLineEdit>(editor, "edtTitle").text(), u"閏日2"_qs);
            editor.reject();
        });
        QTest::mouseDClick(s.List.viewport(), Qt::LeftButton, {}, cell.center());
    });
}

TEST_F(SearchDialogTest, DeletingRereadsTheResultAndKeepsThePosition)
{
    Run([&](TSearch& s) {
        TypeInto(s.FromYear, u"2020"_qs);
        TypeInto(s.FromMonth, u"1"_qs);
        TypeInto(s.FromDay, u"1"_qs);
        Click(s.Search);
        // Another change since the search shows after the re-read; criteria of the search apply.
        db.AddEvent(2022, 1, 1, QStringLiteral("後から"), work);
        db.AddEvent(2000, 1, 1, QStringLiteral("範囲外"), work);
        TypeInto(s.FromYear, u"1900"_qs);

        s.ClickRow(3);
        platform.ExpectConfirm(u"5000円 を削除しますか？"_qs, false);
        Click(s.Delete);
        EXPECT_EQ(s.Titles().size(), 4);
        EXPECT_EQ(s.SelectedRow(), 3);

        platform.ExpectConfirm(u"5000円 を削除しますか？"_qs, true).ExpectMessage(u"削除しました。"_qs);
        Click(s.Delete);
        EXPECT_EQ(s.Titles(), (QStringList{u"元日"_qs, u"閏日 50%"_qs, u"閏日2"_qs, u"後から"_qs}));
        EXPECT_EQ(s.SelectedRow(), 3);
        EXPECT_EQ(s.EnabledButtons(), u"edit delete"_qs);

        // Deleting the last row selects the new last row.
        platform.ExpectConfirm(u"後から を削除しますか？"_qs, true).ExpectMessage(u"削除しました。"_qs);
        Click(s.Delete);
        EXPECT_EQ(s.SelectedRow(), 2);
        EXPECT_EQ(s.Detail.toPlainText(), u"家"_qs);

        // Deleting the only row leaves an empty list with both buttons disabled.
        TypeInto(s.Title, u"大晦日"_qs);
        s.TypeDates({}, {});
        Click(s.Search);
        s.ClickRow(0);
        platform.ExpectConfirm(u"大晦日 を削除しますか？"_qs, true).ExpectMessage(u"削除しました。"_qs);
        Click(s.Delete);
        EXPECT_EQ(s.Titles(), QStringList());
        EXPECT_EQ(s.EnabledButtons(), QString());
    });
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 4);
}

TEST_F(SearchDialogTest, ExportWritesTheListedResultAfterAskingAboutAnExistingFile)
{
    TSettings::WriteSetting(u"EventDateFormat"_qs, u"yyyy/m/d"_qs);
    const QString path = db.Folder() + u"/result.csv"_qs;
    const QByteArray header = "\xEF\xBB\xBF日付,タイトル,詳細,カテゴリー\r\n";
    const QByteArray leapDays = header + "2020-02-29,\"閏日 50%\",詳細あり,仕事\r\n"
                                         "2020-02-29,閏日2,家,家庭\r\n";
    Run([&](TSearch& s) {
        // Before any search the file holds the header line only.
        platform.ExpectSaveFile(path).ExpectMessage(u"0件のデータをエクスポートしました。"_qs);
        Click(s.Export);
        EXPECT_EQ(ReadFile(path), header);
        EXPECT_EQ(platform.Shown().at(1).Detail, u"CSV|*.csv|ALL|*.*"_qs);

        TypeInto(s.Title, u"閏日"_qs);
        Click(s.Search);
        EXPECT_EQ(s.Column(0).first(), u"2020/2/29"_qs);
        // Cancelling the file dialog, or answering No, writes nothing.
        platform.ExpectSaveFile(std::nullopt);
        Click(s.Export);
        platform.ExpectSaveFile(path).ExpectConfirm(u"ファイルが存在します。上書きしても良いですか？"_qs, false);
        Click(s.Export);
        EXPECT_EQ(ReadFile(path), header);
        platform.ExpectSaveFile(path)
            .ExpectConfirm(u"ファイルが存在します。上書きしても良いですか？"_qs, true)
            .ExpectMessage(u"2件のデータをエクスポートしました。"_qs);
        Click(s.Export);
        EXPECT_EQ(ReadFile(path), leapDays);

        // A file that cannot be created: the platform's error, no count message, nothing written.
        const QString unwritable = db.Folder() + u"/missing/result.csv"_qs;
        platform.ExpectSaveFile(unwritable).ExpectError(QString());
        Click(s.Export);
        EXPECT_FALSE(QFile::exists(unwritable));

        // After clearing, the export writes what the list shows: nothing.
        Click(s.Clear);
        platform.ExpectSaveFile(path)
            .ExpectConfirm(u"ファイルが存在します。上書きしても良いですか？"_qs, true)
            .ExpectMessage(u"0件のデータをエクスポートしました。"_qs);
        Click(s.Export);
        EXPECT_EQ(ReadFile(path), header);
    });
}

} // namespace
