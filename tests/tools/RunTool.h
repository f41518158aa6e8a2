#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// Runs one of the suite's programs and collects what it did.
struct Ran {
    int exitCode;  // -1 when it crashed or hung for a minute
    std::string out;
    std::string err;
};

inline Ran RunTool(const char* program, const QStringList& arguments,
                   const std::vector<std::pair<QString, QString>>& environment = {}) {
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) {
        variables.insert(name, value);
    }
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    process.closeWriteChannel();  // nobody types: a question gets end of input
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {-1, process.readAllStandardOutput().toStdString(),
                process.readAllStandardError().toStdString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

inline QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
