#include "TerminationSignals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace {

const int Watched[] = {SIGINT, SIGTERM};
const char StopByte = 0;

std::atomic<int> firstSignal{0};
std::atomic<int> wakeFd{-1};
struct sigaction previous[2];
// The program's name for the line written by the handler itself (no allocation there).
char handlerProgram[64] = "sorvik";

void writeText(const char *text)
{
    ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

// Only async-signal-safe calls here: the work is done by the watching thread.
void onSignal(int signal)
{
    int expected = 0;
    if (!firstSignal.compare_exchange_strong(expected, signal)) {
        writeText(handlerProgram);
        writeText(": second signal, ending at once\n");
        ::_exit(128 + signal);
    }
    const char byte = char(signal);
    const int fd = wakeFd.load();
    if (fd >= 0) {
        ssize_t ignored = ::write(fd, &byte, 1);
        (void)ignored;
    }
}

const struct sigaction &handlerAction()
{
    static const struct sigaction action = [] {
        struct sigaction made
        {
        };
        made.sa_handler = onSignal;
        sigemptyset(&made.sa_mask);
        made.sa_flags = SA_RESTART;
        return made;
    }();
    return action;
}

sigset_t watchedSet()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : Watched)
        sigaddset(&set, signal);
    return set;
}

// A program started from here must not inherit the blocked signals (a mask survives exec).
void unblockInChild()
{
    const sigset_t set = watchedSet();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

// The next byte from the pipe; -1 when nothing came within `timeout` (negative: no limit).
int readByte(int fd, int timeoutMs)
{
    pollfd wait{fd, POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&wait, 1, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return -1;
        char byte = 0;
        const ssize_t got = ::read(fd, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1 ? int(static_cast<unsigned char>(byte)) : -1;
    }
}

}  // namespace

TerminationSignals::TerminationSignals(std::string programName, Handler onSignal, std::chrono::seconds grace)
    : m_programName(std::move(programName))
    , m_onSignal(std::move(onSignal))
    , m_grace(grace)
{
    if (::pipe2(m_pipe, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("cannot watch for signals: ") + std::strerror(errno));
    std::strncpy(handlerProgram, m_programName.c_str(), sizeof handlerProgram - 1);
    firstSignal = 0;
    wakeFd = m_pipe[1];
    // The signals reach the watching thread only. Delivered to a thread that works with
    // the database engine, even a handler that does nothing leaves the engine spinning at
    // that thread's next detach; every thread started from here on inherits the mask.
    const sigset_t set = watchedSet();
    ::pthread_sigmask(SIG_BLOCK, &set, &m_previousMask);
    static const bool childUnblocks = ::pthread_atfork(nullptr, nullptr, unblockInChild) == 0;
    (void)childUnblocks;
    m_watcher = std::thread([this] { watch(); });

    for (int i = 0; i < 2; ++i)
        ::sigaction(Watched[i], &handlerAction(), &previous[i]);
}

void TerminationSignals::reclaim()
{
    if (wakeFd < 0)
        return;  // no one watches
    for (const int signal : Watched) {
        struct sigaction current
        {
        };
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != ::onSignal)
            ::sigaction(signal, &handlerAction(), nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    for (int i = 0; i < 2; ++i)
        ::sigaction(Watched[i], &previous[i], nullptr);
    ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
    wakeFd = -1;
    ssize_t ignored = ::write(m_pipe[1], &StopByte, 1);
    (void)ignored;
    m_watcher.join();
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

int TerminationSignals::received()
{
    return firstSignal.load();
}

std::string TerminationSignals::signalName(int signal)
{
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
    default:
        return "signal " + std::to_string(signal);
    }
}

void TerminationSignals::watch()
{
    const sigset_t set = watchedSet();
    ::pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    const int signal = readByte(m_pipe[0], -1);
    if (signal <= 0)
        return;  // stopped by the destructor
    try {
        if (m_onSignal)
            m_onSignal(signal);
    } catch (...) {
        // The deadline below still ends the process.
    }
    const auto graceMs = int(std::chrono::duration_cast<std::chrono::milliseconds>(m_grace).count());
    if (readByte(m_pipe[0], graceMs) == StopByte)
        return;
    const std::string line = m_programName + ": did not end within " + std::to_string(m_grace.count())
        + " seconds after " + signalName(signal) + "; ending at once\n";
    writeText(line.c_str());
    ::_exit(128 + signal);
}
