// The window's figures on a synthetic catalogue of 100,000 quest lines:
// from choosing a category to its rows being ready on screen, and from
// starting the program to its first shown window (on the sample).
//
//   build/bin/window_bench --benchmark_repetitions=11 --benchmark_report_aggregates_only=true
//
// Runs on Qt's offscreen platform; set QT_QPA_PLATFORM=xcb under Xvfb to
// measure a real X server.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>
#include <string>

#include "catalogue/filter.h"
#include "dialog_units.h"
#include "kestrow_app.h"
#include "main_frame.h"
#include "platform/paths.h"

#include "bench/generator.h"

namespace {

constexpr std::size_t quest_lines = 100'000;

bool write_catalogue(const QString& dir) {
    kestrow::bench::GeneratorOptions options;
    options.quests = quest_lines;
    return kestrow::bench::write_catalogue_files(kestrow::bench::generate_catalogue(options), kestrow::to_path(dir));
}

// One window on the large catalogue for all category benchmarks.
struct LargeWindow {
    QTemporaryDir root;
    std::unique_ptr<CKestrowApp> app;
    QComboBox* chooser = nullptr;
    QTreeView* list = nullptr;

    LargeWindow() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath("profile")));
        QDir().mkpath(root.filePath("data"));
        if (!write_catalogue(root.filePath("data"))) qFatal("cannot write the synthetic catalogue");
        app = std::make_unique<CKestrowApp>(kestrow::to_path(root.filePath("data")));
        app->InitInstance();
        app->mainFrame()->resize(1000, 700);
        if (!QTest::qWaitForWindowExposed(app->mainFrame())) qFatal("window not shown");
        chooser = app->mainFrame()->findChild<QComboBox*>("categoryChooser");
        list = app->mainFrame()->findChild<QTreeView*>("questList");
    }

    int entry(int code) const { return chooser->findData(code); }

    // The user's pick, then everything Qt does before the rows are on screen.
    void choose(int index) {
        chooser->setCurrentIndex(index);
        emit chooser->activated(index);
        QCoreApplication::processEvents();
    }
};

LargeWindow& window() {
    static LargeWindow w;
    return w;
}

void BM_ChooseCategory(benchmark::State& state) {
    auto& w = window();
    const int target = w.entry(static_cast<int>(state.range(0)));
    const int other = w.entry(kestrow::category::job);
    if (target < 0 || other < 0) {
        state.SkipWithError("category missing from the catalogue");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        w.choose(other);
        state.ResumeTiming();
        w.choose(target);
    }
    state.counters["rows"] = w.list->model()->rowCount();
}
// The first area, the not-cleared category (about half of all quests) and the WS category.
BENCHMARK(BM_ChooseCategory)
    ->Arg(11000)
    ->Arg(kestrow::category::not_cleared)
    ->Arg(kestrow::category::ws)
    ->Unit(benchmark::kMillisecond);

// The whole program, from exec to the first shown and painted window, on the
// sample; it leaves at once when KESTROW_EXIT_AFTER_SHOW is set.
void BM_StartupToFirstWindow(benchmark::State& state) {
    QTemporaryDir root;
    QDir().mkpath(root.filePath("data"));
    for (const char* name : {"Kestrow.txt", "ClrList.txt"})
        QFile::copy(QStringLiteral(KESTROW_SAMPLE_DIR "/") + name, root.filePath("data/") + name);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KESTROW_EXIT_AFTER_SHOW", "1");
    env.insert("XDG_CONFIG_HOME", root.filePath("config"));
    if (!env.contains("DISPLAY")) env.insert("QT_QPA_PLATFORM", "offscreen");
    double inside = 0;
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(KESTROW_BINARY, {root.filePath("data")});
        if (!p.waitForFinished(20000) || p.exitCode() != 0) {
            state.SkipWithError("kestrow did not start and leave");
            return;
        }
        const QByteArray out = p.readAllStandardOutput();
        inside = out.mid(out.indexOf("after ") + 6).split(' ').value(0).toDouble();
    }
    state.counters["ms_in_process"] = inside;
}
BENCHMARK(BM_StartupToFirstWindow)->Iterations(1)->Repetitions(11)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    kestrow::install_font_substitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
