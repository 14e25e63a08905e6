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
bool start_detached(const QString& path);

// Starts the first installed calculator; returns its path, or empty when none is.
QString start_desktop_calculator(const ProgramFinder& find = find_on_path,
                                 const ProgramStarter& start = start_detached);

} // namespace qvk::shell
