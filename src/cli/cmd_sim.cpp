// wallctl sim --link PATH: the simulated wall on a pseudo-terminal whose
// path is linked at PATH, so that wallcontrol, wallctl send or anything
// else drives it through a real port. Prints every frame it decodes, one
// line each; answers read requests; runs until SIGINT or SIGTERM, which
// remove the link.
//
// Standard input takes commands while it runs: "recall N" sends the
// processor's plan-recall notice for plan N (1-based).
#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/cli_registry.h"
#include "cli/usage_error.h"
#include "sim/sim_system.h"

namespace wall::cli {
namespace {

// The line counts as quiet, and a partial frame as abandoned, after this.
constexpr int kQuietMs = 50;

volatile std::sig_atomic_t stopRequested = 0;
void requestStop(int) { stopRequested = 1; }

struct SimOptions {
  std::string link;
  std::optional<int> cmdForm;
  int rows = 8;
  int columns = 8;
};

class PtyWall {
 public:
  explicit PtyWall(const SimOptions& o, int cmdForm) : sim_(o.rows, o.columns, cmdForm), link_(o.link) {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) throw CommandFailure("openpty failed", 1);
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    tcsetattr(slave_, TCSANOW, &t);
    std::error_code ec;
    if (std::filesystem::is_symlink(link_, ec)) std::filesystem::remove(link_, ec);
    std::filesystem::create_symlink(name, link_, ec);
    if (ec) throw CommandFailure("cannot link " + link_ + ": " + ec.message(), 1);
    std::cout << "sim: wall of " << o.rows << " x " << o.columns << ", command format " << cmdForm << ", on "
              << link_ << " -> " << name << std::endl;
  }
  ~PtyWall() {
    std::error_code ec;
    std::filesystem::remove(link_, ec);
    close(master_);
    close(slave_);
  }
  PtyWall(const PtyWall&) = delete;
  PtyWall& operator=(const PtyWall&) = delete;

  void run() {
    bool stdinOpen = true;
    while (!stopRequested) {
      pollfd fds[2] = {{master_, POLLIN, 0}, {STDIN_FILENO, static_cast<short>(stdinOpen ? POLLIN : 0), 0}};
      const int n = poll(fds, 2, kQuietMs);
      if (n < 0) continue;  // a signal: the loop looks at the flag
      if (n == 0) {
        print(sim_.flush(kWallDevice));
        continue;
      }
      if (fds[0].revents & POLLIN) fromLine();
      if (fds[1].revents & (POLLIN | POLLHUP)) stdinOpen = fromStdin();
    }
  }

 private:
  void fromLine() {
    std::uint8_t buf[4096];
    const ssize_t got = read(master_, buf, sizeof buf);
    if (got <= 0) return;
    print(sim_.feed(kWallDevice, std::span<const std::uint8_t>(buf, static_cast<std::size_t>(got))));
  }

  bool fromStdin() {
    std::string line;
    char c = 0;
    while (read(STDIN_FILENO, &c, 1) == 1 && c != '\n') line += c;
    if (line.empty() && c != '\n') return false;  // end of input
    std::istringstream words(line);
    std::string verb;
    int plan = 0;
    if (words >> verb >> plan && verb == "recall" && plan >= 1 && plan <= 256) {
      const Bytes notice = sim::recallNotice(static_cast<std::uint8_t>(plan - 1));
      writeAll(notice);
      std::cout << "sent " << hexText(notice) << "  recall notice for plan " << plan << std::endl;
    } else if (!line.empty()) {
      std::cout << "sim: commands are \"recall N\"" << std::endl;
    }
    return true;
  }

  void print(const sim::SimLine::Output& out) {
    for (const std::string& line : out.log) std::cout << line << "\n";
    for (const Bytes& reply : out.replies) writeAll(reply);
    if (!out.log.empty()) std::cout.flush();
  }

  void writeAll(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) return;
      done += static_cast<std::size_t>(n);
    }
  }

  sim::SimSystem sim_;
  std::string link_;
  int master_ = -1;
  int slave_ = -1;  // kept open so that the line lives between the program's opens
};

void install(CLI::App& app, CliContext& ctx, int& status) {
  auto o = std::make_shared<SimOptions>();
  auto* sim = app.add_subcommand("sim", "Run the simulated wall on a pseudo-terminal linked at PATH");
  sim->add_option("--link", o->link, "Where to link the pseudo-terminal's path")->required();
  sim->add_option("--cmd-form", o->cmdForm, "Command format 0-3 of the wall (default 0)")->check(CLI::Range(0, 3));
  sim->add_option("--rows", o->rows, "Rows of units (default 8)")->check(CLI::Range(1, sim::SimWall::kMaxSide));
  sim->add_option("--columns", o->columns, "Columns of units (default 8)")->check(CLI::Range(1, sim::SimWall::kMaxSide));
  sim->callback([o, &ctx, &status] {
    struct sigaction sa {};
    sa.sa_handler = requestStop;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    PtyWall wall(*o, o->cmdForm.value_or(ctx.cmdFormOption.value_or(0)));
    wall.run();
    status = 0;
  });
}

const CommandRegistrar registrar({"sim", 60, install});

}  // namespace
}  // namespace wall::cli
