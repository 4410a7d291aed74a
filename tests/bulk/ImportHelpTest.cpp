// The import help window: its text, and that it takes input beside the modal
// import dialog and outlives it.
#include "ImportDialogFixture.h"

#include <QTest>
#include <QWindow>

namespace {

TEST(ImportHelpText, HasItsThirtyTwoLinesWithTheirWideCharacters)
{
    const QStringList lines = TfrmImportHelp::HelpLines();
    ASSERT_EQ(lines.size(), 32);
    EXPECT_EQ(lines[0], QStringLiteral("■データインポート機能"));
    EXPECT_EQ(lines[15], QStringLiteral("ヘッダ行") + QString(6, QChar(0x3000)) + QStringLiteral("\uFF1A不要"));
    EXPECT_EQ(lines[16], QStringLiteral("項目") + QString(8, QChar(0x3000)) + QStringLiteral("\uFF1A日付、タイトル、詳細"));
    EXPECT_EQ(lines[21], QStringLiteral("年は1\uFF5E9999の範囲で利用できます。"));
    EXPECT_EQ(lines[31], QStringLiteral("2023.03.01,\"タイトル2,1\","));
    for (int empty : {1, 3, 5, 9, 11, 13, 17, 20, 22, 24, 26, 28}) EXPECT_TRUE(lines[empty].isEmpty()) << empty;
}

TEST(ImportHelpWindow, ShowsTheTextReadOnlyWrappedInItsFont)
{
    TScriptedPlatform platform;
    TfrmImportHelp help(platform);
    auto* memHelp = help.findChild<QPlainTextEdit*>(QStringLiteral("memHelp"));
    ASSERT_NE(memHelp, nullptr);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("ヘルプ(インポート)"));
    EXPECT_EQ(memHelp->toPlainText().split(u'\n'), TfrmImportHelp::HelpLines());
    EXPECT_TRUE(memHelp->isReadOnly());
    EXPECT_EQ(memHelp->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memHelp->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(memHelp->font().family(), QStringLiteral("BIZ UDGothic"));
}

// Clicks a button through its window, as the window system delivers a click: a window
// blocked by a modal dialog does not receive it.
void ClickThroughWindow(QWidget& window, QPushButton& button)
{
    ASSERT_NE(window.windowHandle(), nullptr);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, button.mapTo(&window, button.rect().center()));
}

TEST_F(ImportDialogTest, HelpTakesInputBesideTheModalDialogAndOutlivesIt)
{
    auto* helpClose = frmImportHelp.findChild<QPushButton*>(QStringLiteral("btnClose"));
    ASSERT_NE(helpClose, nullptr);
    RunDialog([&] {
        platform.ExpectModeless(QStringLiteral("frmImportHelp"));
        Button("btnHelp")->click();
        ASSERT_TRUE(frmImportHelp.isVisible());
        ASSERT_TRUE(frmImport.isModal());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frmImportHelp));

        ClickThroughWindow(frmImportHelp, *helpClose);
        EXPECT_FALSE(frmImportHelp.isVisible()) << "the modal import dialog blocked the help window";

        // Shown again, it stays open when the import dialog closes.
        platform.ExpectModeless(QStringLiteral("frmImportHelp"));
        Button("btnHelp")->click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frmImportHelp));
    });
    EXPECT_FALSE(frmImport.isVisible());
    EXPECT_TRUE(frmImportHelp.isVisible());
    ClickThroughWindow(frmImportHelp, *helpClose);
    EXPECT_FALSE(frmImportHelp.isVisible());
}

} // namespace
