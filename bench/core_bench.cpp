// The core on the largest allowed form: load, correction, assembling, the layout model,
// saving; and the command line from end to end beside cat (the floor: reading and writing the
// file) and the Perl script a user might write instead.
#include "bench_support.h"

#include "core/console_port.h"
#include "core/correction.h"
#include "core/form_model.h"
#include "core/layout_problems.h"
#include "core/form_lines.h"
#include "core/save_backup.h"
#include "platform/input_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace tremaro::bench {
namespace {

FormLines LoadedLargestForm() {
    FormLines lines;
    lines.LoadFormFile(LargestForm());
    return lines;
}

void BM_Load(benchmark::State& state) {
    for (auto _ : state) {
        FormLines lines;
        benchmark::DoNotOptimize(lines.LoadFormFile(LargestForm()));
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Correction(benchmark::State& state) {
    const FormLines loaded = LoadedLargestForm();
    ConsolePort port;
    for (auto _ : state) {
        state.PauseTiming();
        FormLines lines = loaded;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RunCorrection(u"120", lines, port));
    }
}
BENCHMARK(BM_Correction)->Unit(benchmark::kMillisecond);

void BM_Assembling(benchmark::State& state) {
    const FormLines lines = LoadedLargestForm();
    for (auto _ : state)
        benchmark::DoNotOptimize(lines.AssembleText());
}
BENCHMARK(BM_Assembling)->Unit(benchmark::kMillisecond);

void BM_LoadCorrectAssemble(benchmark::State& state) {
    ConsolePort port;
    for (auto _ : state) {
        FormLines lines;
        lines.LoadFormFile(LargestForm());
        benchmark::DoNotOptimize(RunCorrection(u"120", lines, port));
    }
}
BENCHMARK(BM_LoadCorrectAssemble)->Unit(benchmark::kMillisecond);

// The layout picture's model of the largest form, from its assembled text.
void BM_FormModel(benchmark::State& state) {
    const std::u16string text = LoadedLargestForm().AssembleText();
    std::size_t controls = 0;
    for (auto _ : state) {
        const FormModel model = BuildFormModel(std::u16string_view(text));
        controls = model.controls.size();
        benchmark::DoNotOptimize(controls);
    }
    state.counters["controls"] = static_cast<double>(controls);
}
BENCHMARK(BM_FormModel)->Unit(benchmark::kMillisecond);

// The new problems when 1500 buttons of a hidden tab all land on one spot: over a million
// overlapping pairs, of which 200 are listed and the rest counted within a budget. Goal: a
// few milliseconds, so the preview never stalls on such a form.
void BM_LayoutProblems_HiddenTabPile(benchmark::State& state) {
    auto pile = [](int left) {
        std::u16string text = u"Begin VB.Form F\n ClientWidth = 9000\n ClientHeight = 6000\n";
        for (int i = 0; i < 1500; ++i) {
            const std::string control = " Begin VB.CommandButton C" + std::to_string(i) +
                                        "\n  Left = " + std::to_string(left) +
                                        "\n  Top = 0\n  Width = 100\n  Height = 100\n End\n";
            text.append(control.begin(), control.end());
        }
        return BuildFormModel(std::u16string_view(text + u"End\n"));
    };
    const FormModel before = pile(-60000);
    const FormModel after = pile(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindNewLayoutProblems(before, after));
}
BENCHMARK(BM_LayoutProblems_HiddenTabPile)->Unit(benchmark::kMillisecond);

// The save as the window makes it: the form read again and compared with what was read,
// the backup written from those bytes, the corrected form written and renamed over it.
void BM_SaveWithBackup(benchmark::State& state) {
    const std::string form = BenchFolder() + "/Saved.frm";
    const std::string backup = BenchFolder() + "/Saved.bak";
    ConsolePort port;
    FormLines lines = LoadedLargestForm();
    RunCorrection(u"120", lines, port);
    FileRead read;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(backup);
        std::filesystem::copy_file(LargestForm(), form, std::filesystem::copy_options::overwrite_existing);
        ReadWholeFile(form, read);
        state.ResumeTiming();
        benchmark::DoNotOptimize(SaveWithBackup(form, read, port, CodePage::Windows1251));
    }
}
BENCHMARK(BM_SaveWithBackup)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CommandLine_Stdout(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RunProgram({TREMARO_SCALE, "--stdout", "120", LargestForm()}));
}
BENCHMARK(BM_CommandLine_Stdout)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PerlScript_Stdout(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RunProgram({"perl", SCALE_SCRIPT, "120"}, LargestForm()));
}
BENCHMARK(BM_PerlScript_Stdout)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Cat(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(RunProgram({"cat", LargestForm()}));
}
BENCHMARK(BM_Cat)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CommandLine_Save(benchmark::State& state) {
    const std::string form = BenchFolder() + "/Batch.frm";
    const std::string backup = BenchFolder() + "/Batch.bak";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(backup);
        std::filesystem::copy_file(LargestForm(), form, std::filesystem::copy_options::overwrite_existing);
        state.ResumeTiming();
        benchmark::DoNotOptimize(RunProgram({TREMARO_SCALE, "120", form}));
    }
}
BENCHMARK(BM_CommandLine_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tremaro::bench

BENCHMARK_MAIN();
