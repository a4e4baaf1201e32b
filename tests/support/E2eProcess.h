#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <string>

namespace quorvan::testing {

// Generous guard so a hung program fails the test instead of blocking it; not a timing check.
constexpr int kGuardMs = 20000;

// The virtual radio on its pseudo-terminal.
class VirtualRadio {
 public:
  explicit VirtualRadio(const QStringList& args) {
    process_.setProgram(QStringLiteral(QUORVAN_RADIOSIM_PATH));
    process_.setArguments(args);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(kGuardMs)) return;
    while (!process_.canReadLine() && process_.waitForReadyRead(kGuardMs)) {
    }
    device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
  }
  ~VirtualRadio() { Stop(); }
  VirtualRadio(const VirtualRadio&) = delete;
  VirtualRadio& operator=(const VirtualRadio&) = delete;

  const QString& Device() const { return device_; }
  void Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(kGuardMs)) {
      process_.kill();
      process_.waitForFinished(kGuardMs);
    }
  }

 private:
  QProcess process_;
  QString device_;
};

inline std::string Slurp(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Waits for a log file to hold `lines` lines (the radio has answered that many commands).
inline bool WaitForLogLines(const QString& path, int lines) {
  QDeadlineTimer deadline(kGuardMs);
  while (!deadline.hasExpired()) {
    const std::string text = Slurp(path);
    if (std::count(text.begin(), text.end(), '\n') >= lines) return true;
    QThread::msleep(10);
  }
  return false;
}

// Waits for a log file to hold a line that begins with `start` (the radio has received it).
inline bool WaitForLogLine(const QString& path, const QString& start) {
  QDeadlineTimer deadline(kGuardMs);
  while (!deadline.hasExpired()) {
    for (const QString& line : QString::fromStdString(Slurp(path)).split('\n')) {
      if (line.startsWith(start)) return true;
    }
    QThread::msleep(5);
  }
  return false;
}

struct CliRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// What a run told on a stream, its progress lines ("40%") left out.
inline std::string Told(const QString& stream) {
  QStringList lines = stream.split('\n');
  lines.removeIf(
      [](const QString& line) { return QRegularExpression("^\\d+%$").match(line).hasMatch(); });
  return lines.join('\n').toStdString();
}

// quorvan-cli with its own empty settings store.
class Cli {
 public:
  Cli() {
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("HOME"), home_.path());
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + "/config");
    environment_.remove(QStringLiteral("XDG_DATA_HOME"));  // the backups go below the home
  }

  // Standard input is `input` (a file), or empty.
  void Start(const QStringList& args, const QString& input = {}) {
    if (fileSizeLimitKb_ > 0) {
      // As on a full disk: no file grows past the limit (the write fails, nothing is killed).
      process_.setProgram(QStringLiteral("/bin/sh"));
      process_.setArguments(QStringList{"-c",
                                        "trap '' XFSZ; ulimit -f " +
                                            QString::number(fileSizeLimitKb_) +
                                            "; exec \"$0\" \"$@\"",
                                        QStringLiteral(QUORVAN_CLI_PATH)} +
                            args);
    } else {
      process_.setProgram(QStringLiteral(QUORVAN_CLI_PATH));
      process_.setArguments(args);
    }
    process_.setProcessEnvironment(environment_);
    process_.setStandardInputFile(input.isEmpty() ? QProcess::nullDevice() : input);
    process_.start();
    process_.waitForStarted(kGuardMs);
  }
  CliRun Finish() {
    CliRun run;
    if (!process_.waitForFinished(kGuardMs)) process_.kill();
    process_.waitForFinished(kGuardMs);
    run.exitCode = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process_.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process_.readAllStandardError());
    return run;
  }
  CliRun Run(const QStringList& args, const QString& input = {}) {
    Start(args, input);
    return Finish();
  }
  qint64 Pid() const { return process_.processId(); }
  // The environment its runs get (its own home, settings and backups), for runs of its own.
  const QProcessEnvironment& Environment() const { return environment_; }
  // The runs that follow cannot write files larger than this (in the shell's units of 512 or
  // 1024 bytes); 0 lifts the limit.
  void LimitFileSize(int kb) { fileSizeLimitKb_ = kb; }
  QString File(const QString& name) const { return home_.filePath(name); }

 private:
  QTemporaryDir home_;
  QProcessEnvironment environment_;
  QProcess process_;
  int fileSizeLimitKb_ = 0;
};

}  // namespace quorvan::testing
