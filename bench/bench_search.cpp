// The search dialog on a database of 1,000,000 events, offscreen: a search with no
// criterion lists every event. Measured: from the click on the search button until
// the dialog has been painted with the list, and the process's peak memory; beside
// it the storage's search alone.
#include "BenchData.h"
#include "FCategory.h"
#include "FEvent.h"
#include "FSearch.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

// Boxes and dialogs that nobody answers: a benchmark that shows one has failed.
class TSilentPlatform : public TPlatform {
public:
    void ShowMessage(const QString& text) override { Report(text); }
    bool Confirm(const QString& text) override { return Report(text), false; }
    bool InputQuery(const QString& caption, const QString&, QString&) override { return Report(caption), false; }
    std::optional<QString> OpenFileName(const TFileDialogOptions&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }
    void ShowError(const QString& text) override { Report(text); }
    int ShowModal(TForm& form) override { return form.BeginModal() ? mrCancel : form.result(); }
    void ShowModeless(QWidget&) override {}
    QDate Today() override { return QDate::currentDate(); }

    bool Failed = false;

private:
    void Report(const QString& text)
    {
        std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
        Failed = true;
    }
};

void BM_SearchListsAllEvents(benchmark::State& state)
{
    benchdata::TBenchDatabase database(1'000'000);
    TSilentPlatform platform;
    TfrmCategory frmCategory(platform);
    TfrmEvent frmEvent(platform, frmCategory);
    TfrmSearch frmSearch(platform, frmEvent);
    auto* search = frmSearch.findChild<QPushButton*>(QStringLiteral("btnSearch"));
    auto* list = frmSearch.findChild<QTableView*>(QStringLiteral("grdEvent"));
    int rows = 0;
    for (auto _ : state) {
        frmSearch.BeginModal();
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        search->click();
        frmSearch.repaint();
        QApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        rows = list->model()->rowCount();
        frmSearch.done(mrCancel);
    }
    if (platform.Failed) state.SkipWithError("a box was shown");
    state.counters["rows"] = rows;
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_SearchListsAllEvents)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// The storage's search alone, for the share of the dialog's time that is not the list's.
void BM_SelectAllEventsAlone(benchmark::State& state)
{
    benchdata::TBenchDatabase database(1'000'000);
    for (auto _ : state) benchmark::DoNotOptimize(TEvent::Select({}).size());
}
BENCHMARK(BM_SelectAllEventsAlone)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
