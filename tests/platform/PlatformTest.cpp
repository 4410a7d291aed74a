// The platform layer: the command guard, the dialogs' modal results, and Qt's form
// of the file filters.
#include "ScriptedPlatform.h"
#include "UForm.h"
#include "UMeasure.h"
#include "UWholeNumber.h"

#include <QCloseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A dialog whose showing can fail or close it at once.
class TProbeForm : public TForm {
public:
    explicit TProbeForm(TPlatform& platform) : TForm(platform, nullptr) { setObjectName(QStringLiteral("frmProbe")); }
    std::function<void()> OnShow;
    int Shown = 0;
    int Closed = 0;

protected:
    void FormShow() override
    {
        ++Shown;
        if (OnShow) OnShow();
    }
    void FormClose() override { ++Closed; }
};

} // namespace

TEST(CommandGuard, ShowsTheFailureAndLetsNothingEscape)
{
    TScriptedPlatform platform;
    platform.ExpectError(QStringLiteral("'x' は整数ではありません")).ExpectError(QStringLiteral("boom"));
    platform.Guard([] { StrToInt(QStringLiteral("x")); });
    platform.Guard([] { throw std::runtime_error("boom"); });
    bool ran = false;
    platform.Guard([&] { ran = true; });
    EXPECT_TRUE(ran);
}

TEST(Form, ModalResultsOfTheButtonsAndOfTheCloseBox)
{
    TScriptedPlatform platform;
    TProbeForm form(platform);
    platform.ExpectModal(QStringLiteral("frmProbe"), [](TForm& f) { f.Close(mrOk); });
    EXPECT_EQ(platform.ShowModal(form), mrOk);
    platform.ExpectModal(QStringLiteral("frmProbe"), [](TForm& f) { f.close(); }); // the title bar's close box
    EXPECT_EQ(platform.ShowModal(form), mrCancel);
    platform.ExpectModal(QStringLiteral("frmProbe"), [](TForm& f) { QTest::keyClick(&f, Qt::Key_Escape); });
    EXPECT_EQ(platform.ShowModal(form), mrCancel);
    EXPECT_EQ(form.Shown, 3);
    EXPECT_EQ(form.Closed, 3);
}

TEST(Form, ADialogThatClosesWhileShowingEndsAfterTheShowing)
{
    TScriptedPlatform platform;
    TProbeForm form(platform);
    form.OnShow = [&] {
        form.Platform().ShowError(QStringLiteral("Event not found. [7]"));
        form.Close(mrCancel);
    };
    platform.ExpectModal(QStringLiteral("frmProbe"), [](TForm&) { ADD_FAILURE() << "the dialog was left open"; });
    platform.ExpectError(QStringLiteral("Event not found. [7]"));
    // The modal expectation is taken before the showing, so the error follows it.
    EXPECT_EQ(platform.ShowModal(form), mrCancel);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Closed, 1);
}

TEST(Form, AFailingShowingIsReportedAndTheDialogStaysUsable)
{
    TScriptedPlatform platform;
    TProbeForm form(platform);
    form.OnShow = [] { throw std::runtime_error("cannot read"); };
    platform.ExpectModal(QStringLiteral("frmProbe"), [](TForm& f) { f.Close(mrCancel); });
    platform.ExpectError(QStringLiteral("cannot read"));
    EXPECT_EQ(platform.ShowModal(form), mrCancel);
}

TEST(PlatformText, FileFiltersInQtsForm)
{
    EXPECT_EQ(QtFileFilter(QStringLiteral("CSV|*.csv|ALL|*.*")), QStringLiteral("CSV (*.csv);;ALL (*.*)"));
    EXPECT_EQ(QtFileFilter(QStringLiteral("Text|*.txt;*.csv")), QStringLiteral("Text (*.txt *.csv)"));
}

TEST(Measures, RoundHalvesToTheEvenNeighbour)
{
    const struct {
        double value;
        int rounded;
    } cases[] = {{100.5, 100}, {101.5, 102}, {100.4, 100}, {100.6, 101}, {64.0, 64}, {0.5, 0}, {-1.5, -2}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}
