// The desktop program with the worst-case Setting.ini (gen/worst_case_settings:
// a 30 x 30 wall, 48 plans, four 1000-output matrices ...), offscreen, the wall
// port on a pseudo-terminal.
//
//   StartupToMainWindowShown  from reading the settings to the main window shown
//                             and its first activation done (language, SetBoard);
//                             counter rss_MB: the resident memory afterwards
//   EventLoopLatencyPowerOn   a 10 ms timer's lateness on the user-interface
//                             thread while 64 units power on one by one with
//                             100 ms pauses (6.4 s); counters p50/p99/max in ms
//   ProgramResidentMemory     the wallcontrol program itself started on that file:
//                             its resident memory once the window is up (rss_MB)

#include <benchmark/benchmark.h>
#include <pty.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/app/session.h"
#include "core/settings/settings_file.h"
#include "gen/worst_case_settings.h"
#include "gui/app/main_window.h"
#include "io/script_runner.h"

namespace wall::bench {
namespace {

// A pseudo-terminal whose slave is the wall port; what the program writes is
// drained so that the line never fills.
class PtyPort {
 public:
  PtyPort() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) std::abort();
    path_ = name;
    drain_.setInterval(20);
    QObject::connect(&drain_, &QTimer::timeout, [this] {
      char buf[4096];
      while (true) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(master_, &set);
        timeval tv{0, 0};
        if (::select(master_ + 1, &set, nullptr, nullptr, &tv) <= 0) break;
        if (::read(master_, buf, sizeof buf) <= 0) break;
      }
    });
    drain_.start();
  }
  ~PtyPort() {
    ::close(master_);
    ::close(slave_);
  }
  const std::string& path() const { return path_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string path_;
  QTimer drain_;
};

std::string worstCaseFile(const QTemporaryDir& dir, const PtyPort& pty, int powerDelay10Ms) {
  const std::string path = dir.filePath("Setting.ini").toStdString();
  std::ofstream(path, std::ios::binary) << worstCaseSettingsText();
  SettingsFile file(path);
  SettingsFile::Batch batch(file);
  file.writeInt("YbCommDevice1 Com Set", "PortNo", 1);
  file.writeString("YbCommDevice1 Com Set", "Device", pty.path());
  for (int d = 2; d <= 5; ++d) file.writeInt("YbCommDevice" + std::to_string(d) + " Com Set", "PortNo", 0);
  file.writeInt("SETTING", "PowerDelayTime10Ms", powerDelay10Ms);
  file.writeInt("SETTING", "Began", 0);
  file.writeInt("SETTING", "bLogin", 0);
  // Read as 0; the program writes it back as "0" at its first activation.
  file.writeString("SETTING", "Language", "00");
  return path;
}

struct Program {
  std::unique_ptr<SettingsFile> file;
  std::unique_ptr<Session> session;
  std::unique_ptr<MainWindow> window;

  explicit Program(const std::string& path, const std::string& dir) {
    file = std::make_unique<SettingsFile>(path);
    session = std::make_unique<Session>(*file, dir);
    session->load();
    window = std::make_unique<MainWindow>(*session, QStringLiteral("wallcontrol"));
    window->openPorts();
    window->show();  // the first activation runs here: language, SetBoard
    QApplication::processEvents();
  }
};

double residentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

void StartupToMainWindowShown(benchmark::State& state) {
  QTemporaryDir dir;
  PtyPort pty;
  const std::string path = worstCaseFile(dir, pty, 0);
  std::unique_ptr<Program> last;
  for (auto _ : state) {
    last.reset();
    last = std::make_unique<Program>(path, dir.path().toStdString());
    benchmark::DoNotOptimize(last->window->isVisible());
  }
  state.counters["rss_MB"] = residentMegabytes();
  state.counters["units"] = last->session->rows() * last->session->columns();
}
BENCHMARK(StartupToMainWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

void EventLoopLatencyPowerOn(benchmark::State& state) {
  QTemporaryDir dir;
  PtyPort pty;
  const std::string path = worstCaseFile(dir, pty, 10);  // 100 ms between units
  Program p(path, dir.path().toStdString());
  std::vector<double> late;
  for (auto _ : state) {
    p.session->setSelection(Selection{0, 0, 7, 7});  // 64 units
    late.clear();
    QElapsedTimer clock;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(10);
    qint64 expected = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      late.push_back(static_cast<double>(std::max<qint64>(0, now - expected)) / 1e6);
      expected = now + 10'000'000;
    });
    QEventLoop loop;
    QObject::connect(p.window.get(), &MainWindow::powerScriptFinished, &loop, &QEventLoop::quit);
    clock.start();
    expected = 10'000'000;
    probe.start();
    p.window->powerOn();
    loop.exec();
    probe.stop();
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  std::sort(late.begin(), late.end());
  auto pct = [&](double q) {
    if (late.empty()) return 0.0;
    return late[static_cast<std::size_t>(q * static_cast<double>(late.size() - 1))];
  };
  state.counters["p50_ms"] = pct(0.50);
  state.counters["p99_ms"] = pct(0.99);
  state.counters["max_ms"] = late.empty() ? 0.0 : late.back();
  state.counters["samples"] = static_cast<double>(late.size());
  state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(EventLoopLatencyPowerOn)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

double residentMegabytesOf(qint64 pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

void ProgramResidentMemory(benchmark::State& state) {
  QTemporaryDir dir;
  PtyPort pty;
  const std::string path = worstCaseFile(dir, pty, 0);
  double rss = 0;
  for (auto _ : state) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(WALLCONTROL_PATH), {"--settings", QString::fromStdString(path)});
    program.waitForStarted();
    // Up and activated: the first activation stores the language.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
      QApplication::processEvents();
      SettingsFile f(path);
      if (f.readString("SETTING", "Language", "") == "0") break;
      QThread::msleep(20);
    }
    QThread::msleep(500);  // let it settle: timers ticking, window painted
    rss = residentMegabytesOf(program.processId());
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    program.waitForFinished(10000);
  }
  state.counters["rss_MB"] = rss;
}
BENCHMARK(ProgramResidentMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace wall::bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
