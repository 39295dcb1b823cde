#include "calc_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

extern char** environ;

namespace orvanta::testing {

namespace {

std::string NameOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

class Pipe {
public:
    Pipe() {
        if (pipe2(m_ends, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe2 failed");
        }
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    int Read() const { return m_ends[0]; }
    int Write() const { return m_ends[1]; }
    void CloseRead() { Close(m_ends[0]); }
    void CloseWrite() { Close(m_ends[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0) {
            close(fd);
            fd = -1;
        }
    }
    int m_ends[2] = {-1, -1};
};

}  // namespace

std::vector<std::string> CalcOutput::ErrLines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < err.size()) {
        const std::size_t end = err.find('\n', start);
        lines.push_back(err.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

CalcOutput RunCalcProgram(const std::vector<std::string>& args,
                          const std::vector<std::string>& environment) {
    std::vector<std::string> argv_text = {ORVANTA_CALC_PROGRAM};
    argv_text.insert(argv_text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argv_text) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    std::vector<std::string> env_text;
    for (char** entry = environ; *entry; ++entry) {
        bool replaced = false;
        for (const std::string& override_entry : environment) {
            replaced = replaced || NameOf(override_entry) == NameOf(*entry);
        }
        if (!replaced) {
            env_text.emplace_back(*entry);
        }
    }
    env_text.insert(env_text.end(), environment.begin(), environment.end());
    std::vector<char*> envp;
    for (std::string& entry : env_text) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    Pipe out_pipe;
    Pipe err_pipe;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_pipe.Write(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err_pipe.Write(), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argv_text[0].c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + argv_text[0]);
    }
    out_pipe.CloseWrite();
    err_pipe.CloseWrite();

    // Both pipes at once, so that a full one never stalls the program.
    CalcOutput result;
    pollfd fds[2] = {{out_pipe.Read(), POLLIN, 0}, {err_pipe.Read(), POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open_pipes = 2;
    while (open_pipes > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open_pipes;
            }
        }
    }

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

}  // namespace orvanta::testing
