// Start-up benchmark for GUI programs on an X display.
//
// Each run spawns one program and waits, listening to the root window's SubstructureNotify events, for the
// MapNotify of a top-level window that belongs to it (_NET_WM_PID) and carries the expected title. The time
// from just before the spawn to that event is the start-up time; the CPU time the process had used by then is
// taken too, as a figure that other load on the machine does not inflate, and the process's peak resident
// memory (VmHWM) at that moment. The window is then left to settle (its first frame drawn), VmHWM is read
// again from /proc, and it is ended with SIGTERM and reaped.
//
// Programs are run interleaved (A, B, A, B, ...) so that drift of the machine touches all of them alike; the
// first --warmup rounds fill the page cache and are not counted. Every run gets an empty XDG_RUNTIME_DIR of
// its own (under --runtime-base, default $TMPDIR or /tmp; a desktop's runtime directory is a tmpfs, so give
// one for figures like a user's), so a single-copy lock left by the previous, killed run is never in the way.
// A program given with --first-start also gets an empty XDG_CONFIG_HOME of its own in every run (under
// $TMPDIR or /tmp), so that each of its runs is a first start; the others share the caller's.
//
// Each program given with --program or --first-start is compared with each --baseline: the ratios are taken
// within each round (a program's run over the same round's baseline run), and their median is reported, so
// that a slow patch of the machine does not land on one program only.
//
// --env NAME=VALUE (repeatable) sets a variable for the program given next only, as the language of a run:
// `--env LANGUAGE=de --program "quorvis, German" ...`. --launcher PATH starts the program given next through
// another program that execs it in the same process (Wine's loader: `--launcher /usr/lib/wine/wine64`), so
// that its pid is still the window's. --against LABEL compares the program given next with the program of
// that label as well, as with a baseline (German against English).
//
// The ratios are given with their spread: the 10th and 90th percentiles of the rounds' ratios.
//
//   bench_startup [--runs N] [--warmup K] [--settle-ms MS] [--timeout-s S] [--csv FILE] [--log FILE]
//                 [--runtime-base DIR] {[--env NAME=VALUE ...] [--launcher PATH] [--against LABEL]
//                 --program|--first-start|--baseline LABEL TITLE PATH} ...

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <system_error>
#include <tuple>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Program
{
    std::string label;
    std::string title;
    std::string path;
    bool firstStart = false; // an empty settings folder for every run
    bool baseline = false;
    std::vector<std::string> environment; // NAME=VALUE, over the caller's
    std::string launcher;                 // started instead, with the path as its argument
    std::string against;                  // the label of a program to compare this one with, beside the baselines
};

struct Run
{
    std::size_t program = 0;
    int round = 0;
    double mapMs = 0;    // spawn to MapNotify of the main window
    double mapCpuMs = 0; // CPU time of all the process's threads up to that MapNotify
    long mapHwmKiB = 0;  // VmHWM at that MapNotify
    long hwmKiB = 0;     // VmHWM after settling, the first frame drawn
    long rssKiB = 0;     // VmRSS after settling
    long maxrssKiB = 0;  // ru_maxrss from wait4 (includes the work done while ending)
    double cpuMs = 0;    // user + system time of the whole run, settling and ending included
};

struct Options
{
    int runs = 30;
    int warmup = 2;
    int settleMs = 300;
    int timeoutS = 30;
    std::string csv;
    std::string log = "/dev/null";
    std::string runtimeBase;
    std::vector<Program> programs;
};

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

[[noreturn]] void die(const std::string &message)
{
    std::fprintf(stderr, "bench_startup: %s\n", message.c_str());
    std::exit(2);
}

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: bench_startup [--runs N] [--warmup K] [--settle-ms MS] [--timeout-s S] "
                         "[--csv FILE] [--log FILE] [--runtime-base DIR] [--env NAME=VALUE ...] [--launcher PATH] "
                         "[--against LABEL] {--program|--first-start|--baseline} LABEL TITLE PATH ...\n");
    std::exit(2);
}

Options parse(int argc, char **argv)
{
    Options o;
    auto number = [&](int &i) {
        if (i + 1 >= argc)
            usage();
        return std::atoi(argv[++i]);
    };
    std::vector<std::string> environment;
    std::string launcher, against;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--runs")
            o.runs = number(i);
        else if (a == "--warmup")
            o.warmup = number(i);
        else if (a == "--settle-ms")
            o.settleMs = number(i);
        else if (a == "--timeout-s")
            o.timeoutS = number(i);
        else if (a == "--csv" && i + 1 < argc)
            o.csv = argv[++i];
        else if (a == "--log" && i + 1 < argc)
            o.log = argv[++i];
        else if (a == "--runtime-base" && i + 1 < argc)
            o.runtimeBase = argv[++i];
        else if (a == "--env" && i + 1 < argc && std::strchr(argv[i + 1], '=') != nullptr)
            environment.emplace_back(argv[++i]);
        else if (a == "--launcher" && i + 1 < argc)
            launcher = argv[++i];
        else if (a == "--against" && i + 1 < argc)
            against = argv[++i];
        else if ((a == "--program" || a == "--first-start" || a == "--baseline") && i + 3 < argc) {
            o.programs.push_back({argv[i + 1], argv[i + 2], argv[i + 3], a == "--first-start",
                                  a == "--baseline", std::move(environment), std::move(launcher),
                                  std::move(against)});
            environment.clear();
            launcher.clear();
            against.clear();
            i += 3;
        } else
            usage();
    }
    if (o.programs.empty() || o.runs < 1 || o.warmup < 0 || o.settleMs < 0 || o.timeoutS < 1)
        usage();
    return o;
}

// A window may be destroyed between its MapNotify and our reading its properties; that is not fatal.
int ignoreXErrors(Display *, XErrorEvent *) { return 0; }

std::optional<unsigned long> windowPid(Display *dpy, Window w, Atom netWmPid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::optional<unsigned long> pid;
    if (XGetWindowProperty(dpy, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && type == XA_CARDINAL && format == 32 && count == 1)
        pid = *reinterpret_cast<unsigned long *>(data);
    if (data)
        XFree(data);
    return pid;
}

// _NET_WM_NAME (UTF-8) when set, else WM_NAME.
std::string windowTitle(Display *dpy, Window w, Atom netWmName, Atom utf8)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netWmName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data && type == utf8 && format == 8)
        title.assign(reinterpret_cast<char *>(data), count);
    if (data)
        XFree(data);
    if (title.empty()) {
        char *name = nullptr;
        if (XFetchName(dpy, w, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// CPU time used so far by all threads of a process, from the scheduler's nanosecond counters; unlike wall
// time it does not grow when other work on the machine keeps the process waiting for a core.
double cpuMsOf(pid_t pid)
{
    std::error_code ec;
    double ns = 0;
    for (const auto &task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
        std::ifstream stat(task.path() / "schedstat");
        double run = 0;
        if (stat >> run)
            ns += run;
    }
    return ns / 1e6;
}

// VmHWM and VmRSS of a running process, in KiB.
std::pair<long, long> memoryOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    long hwm = -1, rss = -1;
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            hwm = std::strtol(line.c_str() + 6, nullptr, 10);
        else if (line.rfind("VmRSS:", 0) == 0)
            rss = std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return {hwm, rss};
}

class Launcher
{
public:
    Launcher(const Options &options, int logFd) : m_opt(options), m_logFd(logFd)
    {
        m_dpy = XOpenDisplay(nullptr);
        if (!m_dpy)
            die("cannot open the X display (is DISPLAY set?)");
        XSetErrorHandler(ignoreXErrors);
        fcntl(ConnectionNumber(m_dpy), F_SETFD, FD_CLOEXEC);
        m_root = DefaultRootWindow(m_dpy);
        m_netWmPid = XInternAtom(m_dpy, "_NET_WM_PID", False);
        m_netWmName = XInternAtom(m_dpy, "_NET_WM_NAME", False);
        m_utf8 = XInternAtom(m_dpy, "UTF8_STRING", False);
        XSelectInput(m_dpy, m_root, SubstructureNotifyMask);
        XSync(m_dpy, False);
    }
    ~Launcher() { XCloseDisplay(m_dpy); }

    // One run of `program`; nullopt (with a message) when its window did not come up.
    std::optional<Run> run(const Program &program)
    {
        const std::filesystem::path runtime = makeTempDir(runtimeBase());
        const std::filesystem::path config =
            program.firstStart ? makeTempDir(tempBase()) : std::filesystem::path();
        std::vector<std::string> envStrings = program.environment;
        envStrings.push_back("XDG_RUNTIME_DIR=" + runtime.string());
        if (!config.empty())
            envStrings.push_back("XDG_CONFIG_HOME=" + config.string());
        // The caller's variables, but for those set above.
        const auto setAbove = [&, own = envStrings.size()](const char *entry) {
            const std::size_t name = std::strcspn(entry, "=") + 1;
            return std::any_of(envStrings.begin(), envStrings.begin() + static_cast<std::ptrdiff_t>(own),
                               [&](const std::string &s) { return s.compare(0, name, entry, name) == 0; });
        };
        for (char **e = environ; *e; ++e)
            if (!setAbove(*e))
                envStrings.emplace_back(*e);
        std::vector<char *> envp;
        for (std::string &s : envStrings)
            envp.push_back(s.data());
        envp.push_back(nullptr);
        std::string launcher = program.launcher, path = program.path;
        std::vector<char *> argv;
        if (!launcher.empty())
            argv.push_back(launcher.data());
        argv.push_back(path.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, m_logFd, STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, m_logFd, STDERR_FILENO);

        // Events left over from the previous run (its windows being destroyed) are not this run's.
        XSync(m_dpy, True);

        const double start = nowMs();
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            std::filesystem::remove_all(runtime);
            if (!config.empty())
                std::filesystem::remove_all(config);
            die("cannot start " + program.path + ": " + std::strerror(spawned));
        }

        std::optional<double> mapped = waitForMap(pid, program.title, start);
        Run r;
        if (mapped) {
            r.mapMs = *mapped - start;
            r.mapCpuMs = cpuMsOf(pid);
            r.mapHwmKiB = memoryOf(pid).first;
            usleep(useconds_t(m_opt.settleMs) * 1000);
            std::tie(r.hwmKiB, r.rssKiB) = memoryOf(pid);
        }
        kill(pid, SIGTERM);
        int status = 0;
        rusage usage{};
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        r.maxrssKiB = usage.ru_maxrss;
        r.cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                  double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        std::filesystem::remove_all(runtime);
        if (!config.empty())
            std::filesystem::remove_all(config);
        if (!mapped)
            return std::nullopt;
        return r;
    }

private:
    static std::string tempBase()
    {
        const char *tmp = std::getenv("TMPDIR");
        return tmp && *tmp ? tmp : "/tmp";
    }
    std::string runtimeBase() const { return m_opt.runtimeBase.empty() ? tempBase() : m_opt.runtimeBase; }

    static std::filesystem::path makeTempDir(const std::string &base)
    {
        std::string templ = base + "/bench-run-XXXXXX";
        if (!mkdtemp(templ.data())) // made with mode 0700, as a runtime directory must be
            die("cannot make a folder for a run: " + std::string(std::strerror(errno)));
        return templ;
    }

    // The time at which the first matching window of `pid` was mapped, or nullopt on time-out or early exit.
    std::optional<double> waitForMap(pid_t pid, const std::string &title, double start)
    {
        const double deadline = start + m_opt.timeoutS * 1e3;
        pollfd pfd{ConnectionNumber(m_dpy), POLLIN, 0};
        for (;;) {
            while (XPending(m_dpy)) {
                XEvent ev;
                XNextEvent(m_dpy, &ev);
                if (ev.type != MapNotify || ev.xmap.event != m_root || ev.xmap.override_redirect)
                    continue;
                const double at = nowMs();
                const Window w = ev.xmap.window;
                const std::optional<unsigned long> owner = windowPid(m_dpy, w, m_netWmPid);
                if (owner && *owner != static_cast<unsigned long>(pid))
                    continue;
                const std::string shown = windowTitle(m_dpy, w, m_netWmName, m_utf8);
                if (!title.empty() && shown != title) {
                    std::fprintf(stderr, "bench_startup: pid %d mapped a window titled \"%s\", not \"%s\"\n",
                                 int(pid), shown.c_str(), title.c_str());
                    continue;
                }
                return at;
            }
            // Left unreaped (WNOWAIT): the caller collects it with its resource usage.
            siginfo_t info{};
            if (waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid) {
                std::fprintf(stderr, "bench_startup: pid %d ended (status %d) before showing its window\n",
                             int(pid), info.si_status);
                return std::nullopt;
            }
            const double left = deadline - nowMs();
            if (left <= 0) {
                std::fprintf(stderr, "bench_startup: no window from pid %d within %d s\n", int(pid),
                             m_opt.timeoutS);
                return std::nullopt;
            }
            poll(&pfd, 1, int(std::min(left, 20.0)) + 1);
        }
    }

    const Options &m_opt;
    int m_logFd;
    Display *m_dpy = nullptr;
    Window m_root = 0;
    Atom m_netWmPid = None, m_netWmName = None, m_utf8 = None;
};

double quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    // Linear interpolation between closest ranks; q = 0.5 gives the usual median.
    const double pos = q * double(v.size() - 1);
    const auto lo = std::size_t(std::floor(pos));
    const auto hi = std::size_t(std::ceil(pos));
    return v[lo] + (v[hi] - v[lo]) * (pos - double(lo));
}

struct Summary
{
    double mapMedian, mapMin, mapP90, mapCpuMedian, mapHwmMedian, hwmMedian, cpuMedian;
    std::size_t count;
};

// Medians over the rounds in which both ran of program's figure / baseline's figure, for the time, the CPU
// time and the peak memory to the window; with the 10th and 90th percentiles of the time's ratios.
struct Ratios
{
    double map, mapCpu, mapHwm, hwm, mapP10, mapP90;
    std::size_t rounds;
};

Ratios ratiosWithinRounds(const std::vector<Run> &runs, std::size_t program, std::size_t baseline)
{
    std::vector<double> map, mapCpu, mapHwm, hwm;
    for (const Run &p : runs) {
        if (p.program != program)
            continue;
        for (const Run &b : runs)
            if (b.program == baseline && b.round == p.round) {
                map.push_back(p.mapMs / b.mapMs);
                mapCpu.push_back(p.mapCpuMs / b.mapCpuMs);
                mapHwm.push_back(double(p.mapHwmKiB) / double(b.mapHwmKiB));
                hwm.push_back(double(p.hwmKiB) / double(b.hwmKiB));
            }
    }
    return {quantile(map, 0.5), quantile(mapCpu, 0.5), quantile(mapHwm, 0.5),
            quantile(hwm, 0.5), quantile(map, 0.1),    quantile(map, 0.9),
            map.size()};
}

Summary summarise(const std::vector<Run> &runs, std::size_t program)
{
    std::vector<double> map, mapCpu, mapHwm, hwm, cpu;
    for (const Run &r : runs)
        if (r.program == program) {
            map.push_back(r.mapMs);
            mapCpu.push_back(r.mapCpuMs);
            mapHwm.push_back(double(r.mapHwmKiB));
            hwm.push_back(double(r.hwmKiB));
            cpu.push_back(r.cpuMs);
        }
    return {quantile(map, 0.5),    quantile(map, 0.0), quantile(map, 0.9), quantile(mapCpu, 0.5),
            quantile(mapHwm, 0.5), quantile(hwm, 0.5), quantile(cpu, 0.5), map.size()};
}

} // namespace

int main(int argc, char **argv)
{
    const Options opt = parse(argc, argv);
    const int logFd = open(opt.log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (logFd < 0)
        die("cannot open the log " + opt.log + ": " + std::strerror(errno));

    Launcher launcher(opt, logFd);
    const bool progress = isatty(STDERR_FILENO);
    std::vector<Run> runs;
    int failures = 0;
    const int rounds = opt.warmup + opt.runs;
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t p = 0; p < opt.programs.size(); ++p) {
            std::optional<Run> r = launcher.run(opt.programs[p]);
            if (!r) {
                ++failures;
                continue;
            }
            r->program = p;
            r->round = round - opt.warmup;
            if (r->round >= 0)
                runs.push_back(*r);
        }
        if (progress)
            std::fprintf(stderr, "\rround %d/%d", round + 1, rounds);
    }
    if (progress)
        std::fprintf(stderr, "\n");
    close(logFd);

    if (!opt.csv.empty()) {
        std::FILE *csv = std::fopen(opt.csv.c_str(), "w");
        if (!csv)
            die("cannot write " + opt.csv);
        std::fprintf(
            csv, "round,program,map_ms,map_cpu_ms,map_vmhwm_kib,vmhwm_kib,vmrss_kib,ru_maxrss_kib,cpu_ms\n");
        for (const Run &r : runs)
            std::fprintf(csv, "%d,%s,%.3f,%.3f,%ld,%ld,%ld,%ld,%.1f\n", r.round,
                         opt.programs[r.program].label.c_str(), r.mapMs, r.mapCpuMs, r.mapHwmKiB, r.hwmKiB,
                         r.rssKiB, r.maxrssKiB, r.cpuMs);
        std::fclose(csv);
    }

    std::printf(
        "| program | runs | start to window, median (ms) | min | p90 | CPU to window, median (ms) "
        "| peak RSS (VmHWM) at the map, median (MiB) | after the first frame | CPU per run, median (ms) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (std::size_t p = 0; p < opt.programs.size(); ++p) {
        const Summary s = summarise(runs, p);
        std::printf("| %s | %zu | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f | %.0f |\n",
                    opt.programs[p].label.c_str(), s.count, s.mapMedian, s.mapMin, s.mapP90, s.mapCpuMedian,
                    s.mapHwmMedian / 1024.0, s.hwmMedian / 1024.0, s.cpuMedian);
    }
    std::printf("\n| ratio, median of the rounds' ratios | rounds | start to window | of it: p10-p90 "
                "| CPU to window | peak memory at the map | after the first frame |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
    for (std::size_t p = 0; p < opt.programs.size(); ++p) {
        if (opt.programs[p].baseline)
            continue;
        for (std::size_t b = 0; b < opt.programs.size(); ++b) {
            if (!opt.programs[b].baseline && opt.programs[b].label != opt.programs[p].against)
                continue;
            const Ratios r = ratiosWithinRounds(runs, p, b);
            std::printf("| %s / %s | %zu | %.3f | %.3f-%.3f | %.3f | %.3f | %.3f |\n",
                        opt.programs[p].label.c_str(), opt.programs[b].label.c_str(), r.rounds, r.map,
                        r.mapP10, r.mapP90, r.mapCpu, r.mapHwm, r.hwm);
        }
    }
    if (failures) {
        std::printf("%d run(s) failed: their window did not appear\n", failures);
        return 1;
    }
    return 0;
}
