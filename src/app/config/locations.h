#pragma once
// Where the configuration lives: beside the program, or in multi-user mode
// in a folder of the program's own inside the user's configuration folder.
#include <QString>

namespace qvk::config {

// The folder with a trailing separator (an empty text stays empty).
QString with_separator(const QString& folder);

// The platform's per-user configuration folder with a trailing separator,
// or an empty text when the platform cannot tell it.
QString platform_user_folder();

// The base folder with a trailing separator, created for its owner alone when
// it is missing: a new account often has no ~/.config yet, and the XDG rules
// ask a program that writes there to create it.
QString ensured_user_folder(const QString& folder);

struct Locations {
    QString programFolder; // with its trailing separator
    QString userFolder;    // with its trailing separator, or empty

    // The program folder given, the user folder from the platform.
    static Locations forProgram(const QString& programFolder);

    QString normalFile() const;       // programFolder + "qvkalkor.ini"
    QString markerFile() const;       // programFolder + "users.qvp"
    // userFolder + "QVkalkor" and the file in it. Both are empty when the
    // user folder is unknown, so that nothing lands in the current folder.
    QString userConfigFolder() const;
    QString multiUserFile() const;
};

} // namespace qvk::config
