#include "app/config/ini_file.h"
#include "core/errors.h"
#include "core/numeric.h"

#include <QFile>
#include <QSaveFile>

namespace qvk::config {

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

QByteArray native_eol()
{
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

bool same_name(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

IniFile::IniFile() : eol_(native_eol()) {}

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniFile();
    return parse(file.readAll());
}

IniFile IniFile::parse(const QByteArray& bytes)
{
    IniFile ini;
    QByteArrayView rest(bytes);
    if (rest.startsWith(kBom)) {
        ini.bom_ = kBom;
        rest = rest.sliced(kBom.size());
    }
    bool eolSeen = false;
    while (!rest.isEmpty()) {
        const qsizetype nl = rest.indexOf('\n');
        Line line;
        if (nl < 0) {
            line.text = rest.toByteArray();
            rest = {};
        } else {
            QByteArrayView text = rest.first(nl);
            if (text.endsWith('\r')) {
                text.chop(1);
                line.end = QByteArrayLiteral("\r\n");
            } else {
                line.end = QByteArrayLiteral("\n");
            }
            line.text = text.toByteArray();
            rest = rest.sliced(nl + 1);
            if (!eolSeen) {
                ini.eol_ = line.end;
                eolSeen = true;
            }
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

QByteArray IniFile::toBytes() const
{
    QByteArray out = bom_;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out;
}

bool IniFile::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = toBytes();
    // Check the flush ourselves: a write cut short by a full disk can
    // otherwise still be committed as a truncated file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> IniFile::sectionOf(const Line& line) const
{
    const QByteArray t = line.text.trimmed();
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

std::optional<QByteArray> IniFile::keyOf(const Line& line) const
{
    const QByteArray t = line.text.trimmed();
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('['))
        return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return t.first(eq).trimmed();
}

qsizetype IniFile::findKey(const QByteArray& section, const QByteArray& key) const
{
    std::optional<QByteArray> current;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (std::optional<QByteArray> s = sectionOf(lines_[i])) {
            current = s;
            continue;
        }
        if (!current || !same_name(*current, section))
            continue;
        if (std::optional<QByteArray> k = keyOf(lines_[i]); k && same_name(*k, key))
            return static_cast<qsizetype>(i);
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const qsizetype i = findKey(section.toUtf8(), key.toUtf8());
    if (i < 0)
        return std::nullopt;
    const QByteArray& text = lines_[static_cast<size_t>(i)].text;
    QByteArray v = text.mid(text.indexOf('=') + 1).trimmed();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return QString::fromUtf8(v);
}

int IniFile::readInteger(const QString& section, const QString& key, int fallback) const
{
    const std::optional<QString> v = value(section, key);
    if (!v)
        return fallback;
    try {
        return parse_integer32(*v);
    } catch (const Exception&) {
        return fallback;
    }
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::insertLine(qsizetype at, const QByteArray& text)
{
    // The line before a new one needs a line end of its own.
    if (at > 0 && lines_[static_cast<size_t>(at - 1)].end.isEmpty())
        lines_[static_cast<size_t>(at - 1)].end = eol_;
    lines_.insert(lines_.begin() + at, Line{text, eol_});
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const QByteArray v = value.toUtf8();
    if (const qsizetype i = findKey(s, k); i >= 0) {
        Line& line = lines_[static_cast<size_t>(i)];
        line.text = *keyOf(line) + '=' + v;
        return;
    }
    // After the last non-blank line of the first section of that name.
    qsizetype header = -1;
    qsizetype last = -1;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (std::optional<QByteArray> name = sectionOf(lines_[i])) {
            if (header >= 0)
                break;
            if (same_name(*name, s))
                header = last = static_cast<qsizetype>(i);
            continue;
        }
        if (header >= 0 && !lines_[i].text.trimmed().isEmpty())
            last = static_cast<qsizetype>(i);
    }
    if (header < 0) {
        insertLine(static_cast<qsizetype>(lines_.size()), '[' + s + ']');
        last = static_cast<qsizetype>(lines_.size()) - 1;
    }
    insertLine(last + 1, k + '=' + v);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace qvk::config
