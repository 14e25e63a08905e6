#pragma once
// An INI file kept line by line, so that a file written by hand or by an
// older copy keeps its comments, unknown keys and sections, key order and
// line ends when values are changed and the file is written again.
#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace qvk::config {

class IniFile {
public:
    IniFile();

    // A missing or unreadable file gives an empty one.
    static IniFile load(const QString& path);
    static IniFile parse(const QByteArray& bytes);
    QByteArray toBytes() const;

    // Writes the whole file to a temporary file beside it and puts that in
    // place only when complete: on any failure the old file stays as it was.
    bool save(const QString& path) const;

    // The first value of `key` in the first section of that name (names
    // compare without regard to case), trimmed, without enclosing quotes.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // A value that is missing or not a whole number gives `fallback`;
    // "0x" and "$" introduce hexadecimal digits.
    int readInteger(const QString& section, const QString& key, int fallback) const;
    // Any non-zero integer is true.
    bool readBool(const QString& section, const QString& key, bool fallback) const;

    // Replaces the value in place, or adds the key at the end of its section,
    // or adds the section at the end of the file.
    void setValue(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

private:
    struct Line {
        QByteArray text; // without its line end
        QByteArray end;  // "\r\n", "\n" or empty for a last line without one
    };

    std::optional<QByteArray> sectionOf(const Line& line) const;
    std::optional<QByteArray> keyOf(const Line& line) const;
    qsizetype findKey(const QByteArray& section, const QByteArray& key) const;
    void insertLine(qsizetype at, const QByteArray& text);

    QByteArray bom_;
    QByteArray eol_;
    std::vector<Line> lines_;
};

} // namespace qvk::config
