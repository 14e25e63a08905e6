#include "batch/protocol.h"
#include "app/assembly.h"
#include "model/model.h"
#include "model/registry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace qvk::batch {

namespace {

// The request's shape is wrong; the answer is a fault line.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fault(const QString& what) { throw Fault(what.toStdString()); }

void only_keys(const QJsonObject& o, std::initializer_list<const char*> allowed, const QString& where)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool ok = false;
        for (const char* a : allowed)
            ok = ok || it.key() == QLatin1String(a);
        if (!ok)
            fault(QStringLiteral("unknown key \"%1\" in %2").arg(it.key(), where));
    }
}

int whole_number(const QJsonValue& v, const QString& what)
{
    if (!v.isDouble())
        fault(what + QStringLiteral(" must be a number"));
    const double d = v.toDouble();
    if (!(d == std::floor(d)) || d < -2147483648.0 || d > 2147483647.0)
        fault(what + QStringLiteral(" must be a whole 32-bit number"));
    return static_cast<int>(d);
}

bool boolean(const QJsonValue& v, const QString& what)
{
    if (!v.isBool())
        fault(what + QStringLiteral(" must be true or false"));
    return v.toBool();
}

QString string(const QJsonValue& v, const QString& what)
{
    if (!v.isString())
        fault(what + QStringLiteral(" must be a string"));
    return v.toString();
}

void apply_settings(WindowModel& m, const QJsonValue& v)
{
    if (!v.isObject())
        fault(QStringLiteral("\"settings\" must be an object"));
    const QJsonObject o = v.toObject();
    const auto named = [](const QString& key) {
        return std::find_if(std::begin(kSettingsFields), std::end(kSettingsFields),
                            [&key](const SettingsField& f) { return key == QLatin1String(f.name); });
    };
    // Every key is checked before any value.
    for (auto it = o.begin(); it != o.end(); ++it)
        if (named(it.key()) == std::end(kSettingsFields))
            fault(QStringLiteral("unknown key \"%1\" in settings").arg(it.key()));
    Settings s = m.settings();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const SettingsField& f = *named(it.key());
        if (f.number)
            s.*f.number = whole_number(it.value(), it.key());
        else
            s.*f.on = boolean(it.value(), it.key());
    }
    m.setSettings(s);
}

// Values are given as the answer shows them (strings); numbers and booleans
// are taken too where the field holds one.
QString value_text(const QJsonValue& v, const QString& key)
{
    if (v.isString())
        return v.toString();
    if (v.isBool())
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (v.isDouble())
        return QString::number(whole_number(v, key));
    fault(QStringLiteral("value of \"%1\" must be a string").arg(key));
}

void apply_set(WindowModel& m, const QJsonValue& v)
{
    if (!v.isObject())
        fault(QStringLiteral("\"set\" must be an object"));
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        const QString key = it.key();
        const QString field = key.section(u'.', 0, 0);
        if (!m.has(field))
            fault(QStringLiteral("unknown field \"%1\"").arg(key));
        const Kind kind = m.field(field).kind;
        const bool textual = !key.contains(u'.') && (kind == Kind::Edit || kind == Kind::Label || kind == Kind::Memo);
        if (textual && !it.value().isString())
            fault(QStringLiteral("value of \"%1\" must be a string").arg(key));
        try {
            m.setValueText(key, value_text(it.value(), key));
        } catch (const std::invalid_argument& e) {
            fault(QStringLiteral("\"%1\": %2").arg(key, QString::fromUtf8(e.what())));
        }
    }
}

void apply_grids(WindowModel& m, const QJsonValue& v)
{
    if (!v.isObject())
        fault(QStringLiteral("\"grids\" must be an object"));
    const QJsonObject o = v.toObject();
    for (auto it = o.begin(); it != o.end(); ++it) {
        if (!m.hasGrid(it.key()))
            fault(QStringLiteral("unknown grid \"%1\"").arg(it.key()));
        if (!it.value().isArray())
            fault(QStringLiteral("grid \"%1\" must be an array of rows").arg(it.key()));
        const QJsonArray rows = it.value().toArray();
        // The size first: a grid beyond the bounds is refused before its texts are copied.
        qsizetype cols = 0;
        for (const QJsonValue& row : rows) {
            if (!row.isArray())
                fault(QStringLiteral("grid \"%1\": each row must be an array").arg(it.key()));
            cols = std::max(cols, row.toArray().size());
        }
        Grid& g = m.gridForWrite(it.key());
        try {
            g.resize(static_cast<int>(std::min<qsizetype>(cols, Grid::kMaxCols + 1)),
                     static_cast<int>(std::min<qsizetype>(rows.size(), Grid::kMaxRows + 1)));
        } catch (const grid::EPubStrGridError& e) {
            fault(QStringLiteral("grid \"%1\": %2").arg(it.key(), e.message()));
        }
        for (int r = 0; r < g.RowCount(); ++r) {
            const QJsonArray row = rows[r].toArray();
            for (int c = 0; c < g.ColCount(); ++c)
                g.SetCellIfChanged(c, r, c < row.size() ? string(row[c], QStringLiteral("grid cell")) : QString());
        }
    }
}

// `typed`: the characters the request has typed so far.
void apply_type(WindowModel& m, const Registry& r, const QJsonValue& v, qsizetype& typed)
{
    if (!v.isObject())
        fault(QStringLiteral("\"type\" must be an object"));
    const QJsonObject o = v.toObject();
    only_keys(o, {"field", "text", "cell"}, QStringLiteral("type"));
    const QString name = string(o[u"field"], QStringLiteral("type.field"));
    const QString text = string(o[u"text"], QStringLiteral("type.text"));
    if (text.size() > kMaxTypedChars - typed)
        fault(QStringLiteral("a request types at most %1 characters").arg(kMaxTypedChars));
    typed += text.size();
    const auto short_enough = [&](const QString& before) {
        if (before.size() > kMaxTypedChars)
            fault(QStringLiteral("cannot type into \"%1\": its text is longer than %2 characters")
                      .arg(name)
                      .arg(kMaxTypedChars));
    };
    if (o.contains(u"cell")) {
        if (!m.hasGrid(name))
            fault(QStringLiteral("unknown grid \"%1\"").arg(name));
        const QJsonArray cell = o[u"cell"].toArray();
        if (!o[u"cell"].isArray() || cell.size() != 2)
            fault(QStringLiteral("type.cell must be [col, row]"));
        const int col = whole_number(cell[0], QStringLiteral("type.cell"));
        const int row = whole_number(cell[1], QStringLiteral("type.cell"));
        const Grid& g = m.grid(name);
        if (col < 0 || row < 0 || col >= g.ColCount() || row >= g.RowCount())
            fault(QStringLiteral("type.cell is outside grid \"%1\"").arg(name));
        short_enough(g.cell(col, row));
        type_text(
            m, r, name, text, false, 0, [&] { return m.grid(name).cell(col, row); },
            [&](const QString& t) { m.gridForWrite(name).setCell(col, row, t); });
        return;
    }
    if (!m.has(name))
        fault(QStringLiteral("unknown field \"%1\"").arg(name));
    const Kind kind = m.field(name).kind;
    if (kind != Kind::Edit && kind != Kind::Memo)
        fault(QStringLiteral("field \"%1\" cannot be typed into").arg(name));
    short_enough(m.text(name));
    type_text(m, r, name, text);
}

QJsonObject message_json(const Message& msg)
{
    QJsonObject o;
    switch (msg.kind) {
    case Message::Kind::Beep:
        o[u"kind"] = QStringLiteral("beep");
        return o;
    case Message::Kind::Error: o[u"kind"] = QStringLiteral("error"); break;
    case Message::Kind::Information: o[u"kind"] = QStringLiteral("information"); break;
    case Message::Kind::Warning: o[u"kind"] = QStringLiteral("warning"); break;
    case Message::Kind::Question: o[u"kind"] = QStringLiteral("question"); break;
    }
    o[u"title"] = msg.title;
    o[u"text"] = msg.text;
    return o;
}

// Takes the request away: its texts are freed before the answer is built.
QJsonObject run_request(QJsonObject&& taken)
{
    QJsonObject request = std::move(taken);
    only_keys(request, {"settings", "steps", "explain"}, QStringLiteral("the request"));
    if (!request.contains(u"steps") || !request[u"steps"].isArray())
        fault(QStringLiteral("\"steps\" must be an array"));
    if (request.contains(u"explain") && !request[u"explain"].isBool())
        fault(QStringLiteral("\"explain\" must be true or false"));
    const bool explain = request[u"explain"].toBool(false);

    WindowModel m;
    Registry r;
    RecordingHost host;
    m.setHost(&host);
    app::assemble(m, r);
    if (request.contains(u"settings"))
        apply_settings(m, request[u"settings"]);

    QJsonArray steps = request[u"steps"].toArray();
    request = QJsonObject();
    if (steps.size() > kMaxSteps)
        fault(QStringLiteral("a request holds at most %1 steps").arg(kMaxSteps));
    QJsonArray stepAnswers;
    qsizetype typed = 0;
    for (const QJsonValue& sv : steps) {
        if (!sv.isObject())
            fault(QStringLiteral("each step must be an object"));
        const QJsonObject step = sv.toObject();
        only_keys(step, {"set", "grids", "type", "run", "stop_after_polls"}, QStringLiteral("a step"));
        host.messages.clear();
        host.effects.clear();
        const std::uint64_t explained = m.postupSerial();
        host.polls = 0;
        host.onPoll = nullptr;

        if (step.contains(u"set"))
            apply_set(m, step[u"set"]);
        if (step.contains(u"grids"))
            apply_grids(m, step[u"grids"]);
        if (step.contains(u"type"))
            apply_type(m, r, step[u"type"], typed);
        if (step.contains(u"stop_after_polls") && !step.contains(u"run"))
            fault(QStringLiteral("\"stop_after_polls\" goes with \"run\""));
        if (step.contains(u"run")) {
            const QString event = string(step[u"run"], QStringLiteral("run"));
            if (!r.contains(event))
                fault(QStringLiteral("unknown handler \"%1\"").arg(event));
            if (step.contains(u"stop_after_polls")) {
                const int n = whole_number(step[u"stop_after_polls"], QStringLiteral("stop_after_polls"));
                if (n < 1)
                    fault(QStringLiteral("\"stop_after_polls\" must be 1 or more"));
                const QString stop = r.stopHandler(event);
                host.onPoll = [&m, &r, n, stop](int poll) {
                    if (poll == n && !stop.isEmpty())
                        run_required(m, r, stop);
                };
            }
            run_required(m, r, event);
            host.onPoll = nullptr;
        }

        QJsonArray messages;
        for (const Message& msg : host.messages)
            messages.append(message_json(msg));
        QJsonObject answer;
        answer[u"messages"] = messages;
        answer[u"effects"] = QJsonArray::fromStringList(host.effects);
        if (explain) {
            QJsonObject exact;
            QStringList lines;
            if (m.postupSerial() != explained) {
                const Postup& p = m.postup();
                lines = p.plain();
                for (const auto& [name, value] : p.exact)
                    exact[name] = value;
            }
            answer[u"postup"] = QJsonArray::fromStringList(lines);
            answer[u"exact"] = exact;
            if (m.postupSerial() != explained && !m.drawnNow().isEmpty())
                if (const QString& svg = m.sketch(m.drawnNow()); !svg.isEmpty())
                    answer[u"sketch"] = svg;
        }
        stepAnswers.append(answer);
    }

    steps = QJsonArray();

    QJsonObject fields;
    for (const auto& [key, text] : m.snapshot())
        fields[key] = text;
    QJsonObject grids;
    for (const QString& name : m.gridNames()) {
        QJsonArray rows;
        const Grid& g = m.grid(name);
        for (int row = 0; row < g.RowCount(); ++row) {
            QJsonArray cells;
            for (int col = 0; col < g.ColCount(); ++col)
                cells.append(g.cell(col, row));
            rows.append(cells);
        }
        grids[name] = rows;
    }
    const Settings& s = m.settings();
    QJsonObject settings;
    for (const SettingsField& f : kSettingsFields) {
        if (f.number)
            settings[QLatin1String(f.name)] = s.*f.number;
        else
            settings[QLatin1String(f.name)] = s.*f.on;
    }

    QJsonObject out;
    out[u"steps"] = stepAnswers;
    out[u"fields"] = fields;
    out[u"grids"] = grids;
    out[u"listing"] = QJsonArray::fromStringList(m.listing());
    out[u"listing_visible"] = m.listingVisible();
    out[u"settings"] = settings;
    return out;
}

QByteArray fault_line(const QString& what)
{
    QJsonObject o;
    o[u"fault"] = what;
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace

std::optional<QByteArray> answer_next(std::istream& in)
{
    QByteArray line;
    bool tooLong = false;
    char chunk[4096];
    for (;;) {
        in.getline(chunk, sizeof chunk);
        const std::streamsize got = in.gcount();
        // A full chunk without its "\n" sets failbit; the line goes on.
        const bool more = in.fail() && !in.eof() && got == static_cast<std::streamsize>(sizeof chunk - 1);
        const bool newline = !in.fail() && !in.eof();
        if (!tooLong) {
            const qsizetype n = static_cast<qsizetype>(got) - (newline ? 1 : 0);
            if (line.size() + n > kMaxLineBytes) {
                tooLong = true;
                line = QByteArray();
            } else {
                line.append(chunk, n);
            }
        }
        if (more) {
            in.clear();
            continue;
        }
        if (got == 0 && !newline && line.isEmpty() && !tooLong)
            return std::nullopt; // the end of the input
        break;
    }
    if (tooLong)
        return fault_line(QStringLiteral("request line longer than %1 bytes").arg(kMaxLineBytes));
    return answer(line);
}

QByteArray answer(const QByteArray& line)
{
    if (line.trimmed().isEmpty())
        return {};
    QJsonParseError error{};
    QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError)
        return fault_line(QStringLiteral("not valid JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset));
    if (!doc.isObject())
        return fault_line(QStringLiteral("a request must be a JSON object"));
    try {
        QJsonObject request = doc.object();
        doc = QJsonDocument();
        return QJsonDocument(run_request(std::move(request))).toJson(QJsonDocument::Compact);
    } catch (const Fault& f) {
        return fault_line(QString::fromUtf8(f.what()));
    } catch (const std::exception& e) {
        return fault_line(QStringLiteral("internal error: %1").arg(QString::fromUtf8(e.what())));
    }
}

} // namespace qvk::batch
