#pragma once
// Programs of the desktop that the program starts without waiting.
#include <QString>
#include <QStringList>

#include <functional>

namespace qvk::shell {

// Common desktop calculators, in the order they are tried.
QStringList desktop_calculators();

// Finds a program on the search path; empty when it is not installed.
using ProgramFinder = std::function<QString(const QString& name)>;
// Starts a program without waiting; false when it could not start.
using ProgramStarter = std::function<bool(const QString& path)>;

QString find_on_path(const QString& name);
// Finds a program in the folders of `path`, a search path written as PATH is.
ProgramFinder finder_on(const QString& path);
bool start_detached(const QString& path);

// Starts the first installed calculator; returns its path, or empty when none is.
QString start_desktop_calculator(const ProgramFinder& find = find_on_path,
                                 const ProgramStarter& start = start_detached);

// What the user is told when no calculator is installed.
QString no_calculator_text();

} // namespace qvk::shell
