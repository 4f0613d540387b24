// Filling the location list: the whole DXCC list, and the largest city list,
// into the sorted drop-down list as the main window does.

#include "catalogue/master_list.h"
#include "core/line_file.h"
#include "ui/common/screen_text.h"
#include "ui/common/search_combo_box.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

std::vector<std::string> dataLines(const std::string& name)
{
    return qvk::readLineFile(std::string(QVK_DATA_DIR) + "/" + name).lines;
}

void fill(benchmark::State& state, const std::vector<std::string>& entries)
{
    qvk::ui::SearchComboBox list;
    for (auto _ : state) {
        list.clearAll();
        for (const auto& entry : entries) list.addSorted(qvk::ui::toScreen(entry));
    }
    state.counters["entries"] = static_cast<double>(entries.size());
}

void FillDxccList(benchmark::State& state) { fill(state, qvk::dxccEntries(dataLines("states.txt"))); }
BENCHMARK(FillDxccList)->Unit(benchmark::kMillisecond);

void FillLargestCityList(benchmark::State& state) { fill(state, dataLines("statedata/CA.txt")); }
BENCHMARK(FillLargestCityList)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
