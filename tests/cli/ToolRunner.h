// Runs the built vorel-report, or another command-line program, and gathers what it said.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace vorel::test {

struct ToolResult {
  int status;
  QByteArray out, err;
};

// The tool under a French locale; changes names environment variables to set, or to remove
// when their value is null.
inline ToolResult RunProgram(const QString& program, const QStringList& arguments,
                             const QList<std::pair<QString, QString>>& changes = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("LANG", "fr_FR.UTF-8");
  env.remove("LC_ALL");
  for (const auto& [name, value] : changes) {
    if (value.isNull())
      env.remove(name);
    else
      env.insert(name, value);
  }
  p.setProcessEnvironment(env);
  p.start(program, arguments);
  if (!p.waitForFinished(120000)) return {-1, {}, {}};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
          p.readAllStandardError()};
}

inline ToolResult RunTool(const QStringList& arguments,
                          const QList<std::pair<QString, QString>>& changes = {}) {
  return RunProgram(QStringLiteral(VOREL_REPORT_TOOL), arguments, changes);
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline bool HasProgram(const char* name) {
  return !QStandardPaths::findExecutable(QString::fromLatin1(name)).isEmpty();
}

}  // namespace vorel::test
