// A configuration file edited by hand or cut short: reading it never
// crashes, writing it back keeps every byte, and a file read again gives
// the same values.
#include "app/config/ini_file.h"

#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using qvk::config::IniFile;

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::parse(bytes);
    if (ini.toBytes() != bytes)
        fail("written file differs from the one read");
    const IniFile again = IniFile::parse(ini.toBytes());

    // Every section and key the file names, as the reader sees them.
    QByteArray section;
    QList<std::pair<QByteArray, QByteArray>> names;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray t = raw.trimmed();
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
        } else if (t.startsWith(';') || t.startsWith('#')) {
            continue;
        } else if (const qsizetype eq = t.indexOf('='); eq > 0) {
            names.append({section, t.first(eq).trimmed()});
        }
    }
    for (const auto& [rawSection, rawKey] : names) {
        const QString s = QString::fromUtf8(rawSection);
        const QString k = QString::fromUtf8(rawKey);
        if (ini.value(s, k) != again.value(s, k))
            fail("value differs after reading again");
        (void)ini.readInteger(s, k, 7);
        (void)ini.readBool(s, k, true);
    }

    // A value written and read again is the value written.
    if (!names.isEmpty()) {
        IniFile changed = IniFile::parse(bytes);
        const auto& [rawSection, rawKey] = names.front();
        const QString s = QString::fromUtf8(rawSection);
        const QString k = QString::fromUtf8(rawKey);
        const QString v = QStringLiteral("12 ab");
        // Names that are not UTF-8 cannot be asked for by the program.
        const bool whole = !rawSection.isEmpty() && !rawKey.isEmpty() && s.toUtf8() == rawSection
            && k.toUtf8() == rawKey;
        if (whole) {
            changed.setValue(s, k, v);
            if (IniFile::parse(changed.toBytes()).value(s, k) != v)
{
                std::fprintf(stderr, "[%s] %s\n", qPrintable(s), qPrintable(k));
                fail("written value not read back");
            }
        }
    }
    return 0;
}
