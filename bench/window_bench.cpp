// The main window on the largest allowed form, headless: from cmdRead to the form in the
// view, and from cmdStart to the corrected form in the view; and the layout picture of forms
// of several hundred controls. With --memory it reports instead how much the window's peak
// memory grows with that form over an empty window.
#include "bench_support.h"

#include "core/form_model.h"
#include "core/form_lines.h"
#include "tools/sample_form.h"
#include "ui/convert_form.h"
#include "picture/form_picture.h"
#include "picture/picture_fonts.h"
#include "core/layout_problems.h"
#include "platform/heap_pages.h"
#include "ui/help_window.h"
#include "ui/view_filler.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/resource.h>
#include <string>

namespace tremaro::bench {
namespace {

void Click(ConvertForm& form, const char* name) {
    form.findChild<QPushButton*>(QLatin1String(name))->click();
    QApplication::processEvents();  // lay out and paint what the click put in the view
}

void Read(ConvertForm& form) {
    form.Chooser().SetNextAnswer(QString::fromStdString(LargestForm()));
    Click(form, "cmdRead");
}

void BM_WindowReadToView(benchmark::State& state) {
    HelpLauncher help;
    ConvertForm form(help);
    form.show();
    for (auto _ : state)
        Read(form);
}
BENCHMARK(BM_WindowReadToView)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WindowStartToView(benchmark::State& state) {
    HelpLauncher help;
    ConvertForm form(help);
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("120"));
    for (auto _ : state) {
        state.PauseTiming();
        form.Messages().SetNextAnswer(PressedButton::Ok);  // drops the correction of the round before
        Read(form);
        form.Messages().SetNextAnswer(PressedButton::Ok);
        state.ResumeTiming();
        Click(form, "cmdStart");
    }
}
BENCHMARK(BM_WindowStartToView)->Unit(benchmark::kMillisecond)->UseRealTime();

// The benchmark form of ../shared/bench/big_form.py (Windows-1251 labels with their fonts,
// then code) of lineCount lines, or where that script is missing the generated sample form.
std::string BenchmarkForm(int lineCount) {
    const std::string path = BenchFolder() + "/Form" + std::to_string(lineCount) + ".frm";
    if (std::ifstream(BIG_FORM_SCRIPT).good() &&
        RunProgram({"python3", BIG_FORM_SCRIPT, path, std::to_string(lineCount)}) == 0)
        return path;
    std::ofstream(path, std::ios::binary) << GenerateSampleForm(lineCount);
    return path;
}

// What the program does for `tremaro FORM`, then ends as soon as the form is in the view,
// laid out and painted (a long form's first lines; with wholeText, once every line is in the
// view too): the child process of BM_ProgramShowsForm.
int ShowFormAndEnd(const char* path, bool wholeText) {
    HelpLauncher help;
    ConvertForm form(help);
    form.OpenFileWhenShown(path);
    form.show();
    while (!form.Lines().HasForm())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    if (wholeText)
        while (form.findChild<ViewFiller*>()->Filling())
            QApplication::processEvents();
    std::fflush(stdout);
    std::_Exit(0);  // what is left is the teardown, which the operator does not wait for
}

double ChildrenCpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The program from its start to a form shown in its window (this benchmark program run again
// as ShowFormAndEnd): a small form (200 lines) and the benchmark form (32,757 lines, room left
// for the Font group a correction adds), each in a process of its own, as the operator opens
// one; the second argument 1 waits for the whole text of a long form in the view, not only
// its first lines. The ratio of two is what the form's size costs beyond starting the window;
// the processor time (cpu_ms) wanders less with the machine's load than the wall time.
void BM_ProgramShowsForm(benchmark::State& state) {
    const std::string path = BenchmarkForm(static_cast<int>(state.range(0)));
    const char* const mode = state.range(1) != 0 ? "--show-whole-form" : "--show-form";
    const double cpuBefore = ChildrenCpuMs();
    for (auto _ : state)
        if (RunProgram({"/proc/self/exe", mode, path}) != 0)
            state.SkipWithError("the window did not show the form");
    state.counters["cpu_ms"] = (ChildrenCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ProgramShowsForm)
    ->Args({200, 0})
    ->Args({32757, 0})
    ->Args({32757, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The layout picture of a form of several hundred controls (frames of labels and text
// boxes, some on hidden tabs), drawn at 100 % into an image.
void BM_DrawFormPicture(benchmark::State& state) {
    const std::string path = BenchFolder() + "/Picture.frm";
    std::ofstream(path, std::ios::binary) << GenerateSampleForm(6000);
    FormLines lines;
    lines.LoadFormFile(path);
    const FormModel model = BuildFormModel(std::u16string_view(lines.AssembleText()));
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderFormPicture(model, 1.0));
    state.counters["controls"] = static_cast<double>(model.controls.size() - 1);
    state.counters["drawn"] = static_cast<double>(model.controls.size() - 1 - model.HiddenTabCount());
}
BENCHMARK(BM_DrawFormPicture)->Unit(benchmark::kMillisecond)->UseRealTime();

// A form of 500 controls in a grid, every one in sight: each common kind in turn, captioned;
// at scale 1 as designed, at another as a correction by that much leaves it (its font too).
std::u16string GridForm(double scale = 1) {
    static const char* const kinds[] = {"CommandButton", "Label",   "TextBox", "CheckBox",   "OptionButton",
                                        "ComboBox",      "ListBox", "Frame",   "PictureBox", "Shape"};
    const auto twips = [scale](int value) { return std::to_string(static_cast<int>(value * scale + 0.5)); };
    std::string text = "Begin VB.Form frmGrid\r\n   ClientHeight = " + twips(10000) +
                       "\r\n   ClientWidth = " + twips(18000) + "\r\n   BeginProperty Font\r\n" +
                       "      Name = \"MS Sans Serif\"\r\n      Size = " + std::to_string(8.25 * scale) +
                       "\r\n   EndProperty\r\n";
    for (int i = 0; i < 500; ++i) {
        const std::string n = std::to_string(i);
        text += "   Begin VB." + std::string(kinds[i % 10]) + " ctl" + n + "\r\n";
        text += "      Caption = \"Field " + n + "\"\r\n      Text = \"Value " + n + "\"\r\n";
        text += "      Left = " + twips(i % 20 * 900 + 60) + "\r\n      Top = " + twips(i / 20 * 400 + 40) +
                "\r\n      Width = " + twips(840) + "\r\n      Height = " + twips(340) + "\r\n   End\r\n";
    }
    text += "End\r\n";
    return std::u16string(text.begin(), text.end());
}

void BM_DrawFormPicture_AllInSight(benchmark::State& state) {
    const FormModel model = BuildFormModel(std::u16string_view(GridForm()));
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderFormPicture(model, 1.0));
    state.counters["controls"] = static_cast<double>(model.controls.size() - 1);
}
BENCHMARK(BM_DrawFormPicture_AllInSight)->Unit(benchmark::kMillisecond)->UseRealTime();

// The new problems of that grid made 60 % as large, with its text measured (with a measure
// made afresh, as for a new window) and without: the difference is what the fit check costs.
// At 60 % the text in MS Sans Serif keeps its size, so much of it no longer fits and is
// measured twice, before and after.
void BM_LayoutProblems_FitCheck(benchmark::State& state) {
    const FormModel before = BuildFormModel(std::u16string_view(GridForm()));
    const FormModel after = BuildFormModel(std::u16string_view(GridForm(0.6)));
    const bool measured = state.range(0) != 0;
    std::size_t found = 0;
    for (auto _ : state) {
        PictureTextMeasure measure;
        found =
            FindNewLayoutProblems(before, after, ScaleFactors::Both(0.6), measured ? &measure : nullptr).listed.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["problems"] = static_cast<double>(found);
}
BENCHMARK(BM_LayoutProblems_FitCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The process's peak resident memory so far, in kilobytes.
long PeakMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

int ReportPeakMemory() {
    HelpLauncher help;
    ConvertForm form(help);
    form.show();
    QApplication::processEvents();
    LargestForm();  // made before measuring, so its making does not count
    const long empty = PeakMemoryKb();
    Read(form);
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("120"));
    form.Messages().SetNextAnswer(PressedButton::Ok);
    Click(form, "cmdStart");
    const long loaded = PeakMemoryKb();
    std::printf(
        "peak memory: empty window %.1f MB, after read and correction of the largest form %.1f MB, "
        "growth %.1f MB\n",
        empty / 1024.0, loaded / 1024.0, (loaded - empty) / 1024.0);
    return 0;
}

}  // namespace
}  // namespace tremaro::bench

int main(int argc, char* argv[]) {
    const tremaro::HeapInHugePages heap(64u << 20);  // as the program has it (app/main.cpp)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0)
        return tremaro::bench::ReportPeakMemory();
    if (argc > 2 && std::strcmp(argv[1], "--show-form") == 0)
        return tremaro::bench::ShowFormAndEnd(argv[2], false);
    if (argc > 2 && std::strcmp(argv[1], "--show-whole-form") == 0)
        return tremaro::bench::ShowFormAndEnd(argv[2], true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
