#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace quillan::service::testing {

// A child program with its standard output and error read through pipes.
class Subprocess {
 public:
  explicit Subprocess(std::vector<std::string> arguments) {
    int out[2];
    int err[2];
    if (pipe(out) != 0 || pipe(err) != 0) {
      return;
    }
    pid_ = fork();
    if (pid_ == 0) {
      dup2(out[1], STDOUT_FILENO);
      dup2(err[1], STDERR_FILENO);
      close(out[0]);
      close(err[0]);
      std::vector<char*> argv;
      for (auto& argument : arguments) {
        argv.push_back(argument.data());
      }
      argv.push_back(nullptr);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(out[1]);
    close(err[1]);
    out_ = out[0];
    err_ = err[0];
  }
  ~Subprocess() {
    if (pid_ > 0 && !waited_) {
      kill(pid_, SIGKILL);
      wait();
    }
    close(out_);
    close(err_);
  }
  Subprocess(const Subprocess&) = delete;
  Subprocess& operator=(const Subprocess&) = delete;

  // One line of standard output (without its line feed); empty at the end.
  std::string readLine() {
    std::string line;
    char c = 0;
    while (read(out_, &c, 1) == 1 && c != '\n') {
      line.push_back(c);
    }
    return line;
  }

  void signal(int number) { kill(pid_, number); }

  // Waits for the end; the exit code, or 128 + the signal that ended it.
  int wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    waited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  std::string restOfOutput() { return drain(out_); }
  std::string errorOutput() { return drain(err_); }

 private:
  static std::string drain(int fd) {
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) {
      text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
  bool waited_ = false;
};

struct Finished {
  int exitCode;
  std::string out;
  std::string err;
};

// Runs a program to its end.
inline Finished runProgram(std::vector<std::string> arguments) {
  Subprocess child(std::move(arguments));
  std::string out = child.restOfOutput();
  std::string err = child.errorOutput();
  const int code = child.wait();
  return {code, std::move(out), std::move(err)};
}

}  // namespace quillan::service::testing
