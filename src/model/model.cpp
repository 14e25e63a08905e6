#include "model/model.h"
#include "core/fpu.h"

#include <algorithm>
#include <stdexcept>

namespace qvk {

namespace {

constexpr QLatin1StringView kHelpPrefix("help:");
constexpr QLatin1StringView kStartCalculator("start:calc");
constexpr QLatin1StringView kShowListing("listing:show");

} // namespace

QString Effect::name() const
{
    switch (kind) {
    case Kind::Help: return kHelpPrefix + topic;
    case Kind::StartCalculator: return kStartCalculator;
    case Kind::ShowListing: return kShowListing;
    }
    throw std::logic_error("an effect of no kind");
}

Effect Effect::named(const QString& name)
{
    if (name.startsWith(kHelpPrefix) && name.size() > kHelpPrefix.size())
        return help(name.mid(kHelpPrefix.size()));
    if (name == kStartCalculator)
        return startCalculator();
    if (name == kShowListing)
        return showListing();
    throw std::logic_error("no effect is named \"" + name.toStdString() + '"');
}

WindowModel::WindowModel() = default;

Field& WindowModel::add(Field field)
{
    if (index_.contains(field.name))
        throw std::logic_error("field declared twice: " + field.name.toStdString());
    index_.insert(field.name, static_cast<int>(fields_.size()));
    fields_.push_back(std::move(field));
    return fields_.back();
}

Grid& WindowModel::addGrid(const QString& name)
{
    if (grids_.count(name))
        throw std::logic_error("grid declared twice: " + name.toStdString());
    gridOrder_.append(name);
    auto& g = grids_[name];
    g = std::make_unique<Grid>();
    g->observe([this, name](const grid::GridChange&) { notify(name); });
    return *g;
}

QStringList WindowModel::gridNames() const { return gridOrder_; }

const Field& WindowModel::field(const QString& name) const
{
    auto it = index_.constFind(name);
    if (it == index_.constEnd())
        throw std::logic_error("unknown field: " + name.toStdString());
    return fields_[static_cast<size_t>(*it)];
}

Field& WindowModel::mut(const QString& name) { return const_cast<Field&>(field(name)); }

void WindowModel::notify(const QString& name)
{
    if (observers_.empty())
        return;
    // Views create and show windows, load icons and fonts: none of the flags
    // that leaves may reach the calculation, nor may it clear a pending one.
    FpuFlagsKept calculation;
    for (const Observer& o : observers_)
        o(name);
    // A step of a long run that changed what is shown is slow anyway: its
    // poll reaches the host, which keeps its pace by the clock.
    nextPass_ = polls_ + 1;
}

void WindowModel::setText(const QString& name, const QString& text)
{
    Field& f = mut(name);
    if (f.text == text)
        return;
    f.appendedFrom = -1;
    f.text = text;
    notify(name);
}

void WindowModel::setIndex(const QString& name, int index) { assign(name, &Field::value, index); }

void WindowModel::setChecked(const QString& name, bool on) { setIndex(name, on ? 1 : 0); }

void WindowModel::setValue(const QString& name, int value)
{
    const Field& f = field(name);
    if (f.kind == Kind::Spin)
        value = std::clamp(value, f.minimum, f.maximum);
    setIndex(name, value);
}

template <typename T>
void WindowModel::assign(const QString& name, T Field::*member, const T& value)
{
    Field& f = mut(name);
    if (f.*member == value)
        return;
    f.*member = value;
    notify(name);
}

void WindowModel::setEnabled(const QString& name, bool on) { assign(name, &Field::enabled, on); }
void WindowModel::setVisible(const QString& name, bool on) { assign(name, &Field::visible, on); }
void WindowModel::setHint(const QString& name, const QString& hint) { assign(name, &Field::hint, hint); }
void WindowModel::setWidth(const QString& name, int width) { assign(name, &Field::width, width); }
void WindowModel::setLeft(const QString& name, int left) { assign(name, &Field::left, left); }

QStringList WindowModel::lines(const QString& name) const
{
    const QString& text = field(name).text;
    if (text.isEmpty())
        return {};
    QStringList out = text.split(u'\n');
    if (text.endsWith(u'\n'))
        out.removeLast();
    return out;
}

void WindowModel::setLines(const QString& name, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += u'\n';
    }
    setText(name, text);
}

void WindowModel::addLine(const QString& name, const QString& line)
{
    Field& f = mut(name);
    const qsizetype before = f.text.size();
    if (f.text.isEmpty() || f.text.endsWith(u'\n')) {
        f.text += line;
        f.text += u'\n';
    } else {
        f.text += u'\n';
        f.text += line;
    }
    f.appendedFrom = before;
    notify(name);
}

const Grid& WindowModel::grid(const QString& name) const
{
    auto it = grids_.find(name);
    if (it == grids_.end())
        throw std::logic_error("unknown grid: " + name.toStdString());
    return *it->second;
}

Grid& WindowModel::gridForWrite(const QString& name) { return const_cast<Grid&>(grid(name)); }

namespace {

const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");

QString flag(bool on) { return on ? kOne : kZero; }

bool parseFlag(const QString& text)
{
    if (text == kOne)
        return true;
    if (text == kZero)
        return false;
    throw std::invalid_argument("expected \"1\" or \"0\"");
}

int parseInt(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok)
        throw std::invalid_argument("expected a whole number");
    return v;
}

struct Key {
    QString field;
    QString prop; // empty for the value
};

Key splitKey(const QString& key)
{
    const qsizetype dot = key.indexOf(u'.');
    if (dot < 0)
        return {key, {}};
    return {key.left(dot), key.mid(dot + 1)};
}

bool hasValue(Kind kind) { return kind != Kind::Button && kind != Kind::Page; }

bool isNumeric(Kind kind) { return kind == Kind::List || kind == Kind::Pages || kind == Kind::Spin; }

// The field a key names; a value key must name a field that holds one.
const Field& field_of(const WindowModel& m, const Key& k, const QString& key)
{
    if (!m.has(k.field))
        throw std::invalid_argument("unknown field: " + key.toStdString());
    const Field& f = m.field(k.field);
    if (k.prop.isEmpty() && !hasValue(f.kind))
        throw std::invalid_argument("field has no value: " + key.toStdString());
    return f;
}

} // namespace

QString WindowModel::valueText(const QString& key) const
{
    const Key k = splitKey(key);
    const Field& f = field_of(*this, k, key);
    if (k.prop.isEmpty()) {
        if (isNumeric(f.kind))
            return QString::number(f.value);
        if (f.kind == Kind::Check)
            return flag(f.value != 0);
        return f.text;
    }
    if (k.prop == u"enabled")
        return flag(f.enabled);
    if (k.prop == u"visible")
        return flag(f.visible);
    if (k.prop == u"hint")
        return f.hint;
    if (k.prop == u"width")
        return QString::number(f.width);
    if (k.prop == u"left")
        return QString::number(f.left);
    throw std::invalid_argument("unknown property: " + key.toStdString());
}

void WindowModel::setValueText(const QString& key, const QString& text)
{
    const Key k = splitKey(key);
    const Field& f = field_of(*this, k, key);
    if (k.prop.isEmpty()) {
        if (isNumeric(f.kind))
            setValue(k.field, parseInt(text));
        else if (f.kind == Kind::Check)
            setChecked(k.field, parseFlag(text));
        else
            setText(k.field, text);
    } else if (k.prop == u"enabled") {
        setEnabled(k.field, parseFlag(text));
    } else if (k.prop == u"visible") {
        setVisible(k.field, parseFlag(text));
    } else if (k.prop == u"hint") {
        setHint(k.field, text);
    } else if (k.prop == u"width") {
        setWidth(k.field, parseInt(text));
    } else if (k.prop == u"left") {
        setLeft(k.field, parseInt(text));
    } else {
        throw std::invalid_argument("unknown property: " + key.toStdString());
    }
}

std::vector<std::pair<QString, QString>> WindowModel::snapshot() const
{
    std::vector<std::pair<QString, QString>> out;
    out.reserve(fields_.size());
    static const std::pair<Prop, const char*> props[] = {
        {PropEnabled, "enabled"}, {PropVisible, "visible"}, {PropHint, "hint"},
        {PropWidth, "width"},     {PropLeft, "left"},
    };
    for (const Field& f : fields_) {
        if (hasValue(f.kind))
            out.emplace_back(f.name, valueText(f.name));
        for (const auto& [bit, prop] : props) {
            if (f.reported & bit) {
                const QString key = f.name + u'.' + QLatin1String(prop);
                out.emplace_back(key, valueText(key));
            }
        }
    }
    return out;
}

void WindowModel::setFocus(const QString& name)
{
    field(name); // must exist
    focus_ = name;
    notify(kFocus);
}

void WindowModel::setSettings(const Settings& settings)
{
    settings_ = settings;
    notify(kSettings);
}

void WindowModel::listing_add(const QString& line)
{
    listing_.append(line);
    notify(kListing);
}

void WindowModel::listing_show()
{
    listingVisible_ = true;
    notify(kListing);
    effect(Effect::showListing());
}

void WindowModel::listing_set_last(const QString& line)
{
    if (listing_.isEmpty())
        return;
    listing_.last() = line;
    notify(kListing);
}

void WindowModel::listing_clear()
{
    listing_.clear();
    notify(kListing);
}

void WindowModel::listing_close()
{
    listingVisible_ = false;
    listing_.clear();
    notify(kListing);
}

// The host's work is the toolkit's, as the views' is (see notify).

void WindowModel::showMessage(Message::Kind kind, const QString& title, const QString& text)
{
    FpuFlagsKept calculation;
    host_->show(Message{kind, title, text});
}

bool WindowModel::ask(const QString& title, const QString& text, Message::Kind icon)
{
    FpuFlagsKept calculation;
    return host_->ask(Message{icon, title, text});
}

void WindowModel::beep()
{
    FpuFlagsKept calculation;
    host_->show(Message{Message::Kind::Beep, {}, {}});
}

void WindowModel::effect(const Effect& what)
{
    FpuFlagsKept calculation;
    host_->effect(what);
}

void WindowModel::pass()
{
    std::uint64_t every = 1;
    {
        FpuFlagsKept calculation;
        every = host_->processEvents();
    }
    // Counted from the end of the pass: a run nested in it has polled too.
    nextPass_ = polls_ + std::max<std::uint64_t>(every, 1);
}

void WindowModel::explain(std::function<Postup()> make)
{
    postupMaker_ = std::move(make);
    postup_ = {};
    drawnNow_.clear();
    ++postupSerial_;
    notify(kPostup);
}

void WindowModel::explainRefusal(const QString& message)
{
    postupMaker_ = nullptr;
    postup_ = {};
    drawnNow_.clear();
    postup_.add(PostupLine::Kind::Error, message);
    if (const QString advice = refusalAdvice_ ? refusalAdvice_(message) : QString(); !advice.isEmpty())
        postup_.add(PostupLine::Kind::Note, advice);
    ++postupSerial_;
    notify(kPostup);
}

const Postup& WindowModel::postup()
{
    if (postupMaker_) {
        auto make = std::move(postupMaker_);
        postupMaker_ = nullptr;
        // Not part of any calculation: its flags and faults stay its own,
        // and what was pending (a view's painting) is not its fault.
        FpuFlagsKept kept;
        fpu_clear();
        try {
            postup_ = make();
        } catch (...) {
            postup_ = {};
        }
    }
    return postup_;
}

void WindowModel::draw(const QString& page, std::function<QString()> make)
{
    sketches_[page] = {std::move(make), {}};
    drawnNow_ = page;
    notify(kSketch);
}

void WindowModel::undraw(const QString& page)
{
    if (sketches_.erase(page) == 0)
        return;
    if (drawnNow_ == page)
        drawnNow_.clear();
    notify(kSketch);
}

const QString& WindowModel::sketch(const QString& page)
{
    static const QString none;
    const auto it = sketches_.find(page);
    if (it == sketches_.end())
        return none;
    Drawing& d = it->second;
    if (d.make) {
        auto make = std::move(d.make);
        d.make = nullptr;
        FpuFlagsKept kept;
        fpu_clear();
        try {
            d.svg = make();
        } catch (...) {
            d.svg.clear();
        }
    }
    return d.svg;
}

} // namespace qvk
