#include "app/config/configuration.h"
#include "app/calculators.h"
#include "app/config/ini_file.h"
#include "core/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>

#include <algorithm>
#include <iterator>

namespace qvk::config {

namespace {

const QString kSettings = QStringLiteral("nastaveni");
const QString kPosition = QStringLiteral("poloha");
const QString kSaveAtExit = QStringLiteral("saveconf_end");
const QString kTitle = kAppTitle;
const QString kNotDeleted = QStringLiteral("Konfiguraci se nepodařilo odstranit");
const QString kDisplaySizeKey = QStringLiteral("velikost_zobrazeni");
const QString kPostupKey = QStringLiteral("zobrazit_postup");

// Page sets restored from the file: key, page set.
struct PageKey {
    QString key;
    QString pages;
};

QList<PageKey> page_keys()
{
    QList<PageKey> keys{{QString::fromLatin1(app::kTopKey), QString::fromLatin1(app::kTopSet)}};
    for (const app::Page& p : app::page_table())
        if (p.holds)
            keys.append({QString::fromLatin1(p.key), QString::fromLatin1(p.holds)});
    return keys;
}

// What the pages of the calculator table name, in table order.
template <typename Name>
QStringList named_by_pages(Name name)
{
    QStringList names;
    for (const app::Page& p : app::page_table())
        if (const QString n = name(p); !n.isEmpty())
            names.append(n);
    return names;
}

QString text(const char* name) { return name ? QString::fromLatin1(name) : QString(); }

// The calculators' fields kept under their own names.
QStringList kept_fields()
{
    return named_by_pages([](const app::Page& p) { return text(p.kept); });
}

// The calculators' own handlers that apply what was loaded.
QStringList loaded_handlers()
{
    return named_by_pages([](const app::Page& p) { return text(p.loaded); });
}

// The selectors' change handlers: sheet and picture agree with the restored page.
QStringList selector_changes()
{
    return named_by_pages([](const app::Page& p) { return p.frame ? app::selector_change(*p.frame) : QString(); });
}

bool file_exists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

bool folder_exists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

int display_size_in(const IniFile& ini)
{
    return valid_display_size(ini.readInteger(kSettings, kDisplaySizeKey, kDisplaySizes[0]));
}

} // namespace

int valid_display_size(int percent)
{
    return std::ranges::find(kDisplaySizes, percent) != std::end(kDisplaySizes) ? percent : kDisplaySizes[0];
}

int stored_display_size(const Locations& locations)
{
    const QString path = file_exists(locations.markerFile()) ? locations.multiUserFile() : locations.normalFile();
    return path.isEmpty() ? kDisplaySizes[0] : display_size_in(IniFile::load(path));
}

Configuration::Configuration(WindowModel& model, const Registry& registry, WindowPlatform& platform,
                             Locations locations, Clock clock)
    : model_(model), registry_(registry), platform_(platform), locations_(std::move(locations)),
      clock_(std::move(clock))
{
    multiUser_ = file_exists(locations_.markerFile());
}

QString Configuration::configuration_path() const
{
    return multiUser_ ? locations_.multiUserFile() : locations_.normalFile();
}

void Configuration::load_configuration()
{
    if (activated_)
        return;
    const QSize screen = platform_.screenSize();
    const QSize window = platform_.windowSize();
    const int centredLeft = screen.width() / 2 - window.width() / 2;
    const int centredTop = screen.height() / 2 - window.height() / 2;

    multiUser_ = file_exists(locations_.markerFile());
    const QString path = configuration_path();
    const IniFile ini = path.isEmpty() ? IniFile() : IniFile::load(path);

    for (const PageKey& pk : page_keys()) {
        const int stored = ini.readInteger(kSettings, pk.key, 0);
        const bool inRange = stored >= 0 && stored < model_.field(pk.pages).items.size();
        model_.setIndex(pk.pages, inRange ? stored : -1);
    }
    for (const app::Page& p : app::page_table())
        if (p.frame)
            model_.setIndex(QString::fromLatin1(p.frame->selector),
                            app::item_of_page(QString::fromLatin1(p.holds), model_.index(QString::fromLatin1(p.holds))));

    int left = ini.readInteger(kPosition, QStringLiteral("left"), centredLeft);
    int top = ini.readInteger(kPosition, QStringLiteral("top"), centredTop);
    platform_.moveWindow(QPoint(left, top));

    // A missing key keeps the field's declared value.
    for (const QString& field : kept_fields())
        model_.setValue(field, ini.readInteger(kSettings, field, model_.value(field)));
    Settings s = model_.settings();
    const Settings defaults;
    for (const SettingsField& f : kSettingsFields) {
        const QString key = QString::fromLatin1(f.name);
        if (f.number)
            s.*f.number = ini.readInteger(kSettings, key, defaults.*f.number);
        else
            s.*f.on = ini.readBool(kSettings, key, defaults.*f.on);
    }
    model_.setSettings(s);
    model_.setChecked(kSaveAtExit, ini.readBool(kSettings, QStringLiteral("ukladat_konf"), true));
    displaySize_ = display_size_in(ini);
    postupShown_ = ini.readBool(kSettings, kPostupKey, false);

    for (const QString& event : loaded_handlers())
        run_required(model_, registry_, event);

    // Kept on the whole screen; widened in 64 bits so that extreme stored
    // values cannot overflow.
    const qint64 w = window.width();
    const qint64 h = window.height();
    if (screen.width() < qint64(left) + w)
        left = screen.width() - window.width();
    if (screen.height() < qint64(top) + h)
        top = screen.height() - window.height();
    left = std::max(left, 0);
    top = std::max(top, 0);
    platform_.moveWindow(QPoint(left, top));

    for (const QString& event : selector_changes())
        run_required(model_, registry_, event);

    const bool newFile = !file_exists(configuration_path());
    if (multiUser_ && !folder_exists(locations_.userConfigFolder())) {
        const QString title = QStringLiteral("QVkalkor - 1.spuštění");
        const QString folder = locations_.userConfigFolder();
        if (!folder.isEmpty() && QDir().mkpath(folder)) // a new account has no configuration folder yet
            model_.showMessage(Message::Kind::Information, title,
                               QStringLiteral("Konfigurační soubor : ") + locations_.multiUserFile());
        else
            model_.showMessage(Message::Kind::Error, title,
                               QStringLiteral("Adresář pro uložení konfigurace se nepodařilo vytvořit\n(") +
                                   locations_.userFolder + QStringLiteral("QVkalkor)"));
    } else if (multiUser_ && newFile) {
        model_.showMessage(Message::Kind::Information, QStringLiteral("QVvýpočet - 1.spuštění"),
                           QStringLiteral("Konfigurační soubor : ") + locations_.multiUserFile());
    }

    save_configuration();
    activated_ = true;
}

void Configuration::save_configuration()
{
    const QString path = configuration_path();
    if (path.isEmpty())
        return;
    // Whatever else the file holds is kept.
    IniFile ini = IniFile::load(path);
    for (const PageKey& pk : page_keys())
        ini.writeInteger(kSettings, pk.key, model_.index(pk.pages));
    const QPoint pos = platform_.windowPosition();
    ini.writeInteger(kPosition, QStringLiteral("left"), pos.x());
    ini.writeInteger(kPosition, QStringLiteral("top"), pos.y());
    const Settings& s = model_.settings();
    for (const QString& field : kept_fields())
        ini.writeInteger(kSettings, field, model_.value(field));
    for (const SettingsField& f : kSettingsFields) {
        const QString key = QString::fromLatin1(f.name);
        if (f.number)
            ini.writeInteger(kSettings, key, s.*f.number);
        else
            ini.writeBool(kSettings, key, s.*f.on);
    }
    ini.writeBool(kSettings, QStringLiteral("ukladat_konf"), model_.checked(kSaveAtExit));
    // The plain size needs no key: files of older copies stay as they were.
    if (displaySize_ != kDisplaySizes[0] || ini.value(kSettings, kDisplaySizeKey))
        ini.writeInteger(kSettings, kDisplaySizeKey, displaySize_);
    if (postupShown_ || ini.value(kSettings, kPostupKey))
        ini.writeBool(kSettings, kPostupKey, postupShown_);
    ini.save(path); // a failure is silent and leaves the old file
}

void Configuration::delete_configuration()
{
    if (!model_.ask(kTitle, QStringLiteral("Opravdu odstranit konfiguraci ?"), Message::Kind::Warning))
        return;
    QString error;
    if (!multiUser_) {
        QFile::remove(locations_.normalFile());
        if (file_exists(locations_.normalFile()))
            error = kNotDeleted;
    } else {
        const QString file = locations_.multiUserFile();
        const QString folder = locations_.userConfigFolder();
        if (!file.isEmpty())
            QFile::remove(file);
        if (!folder.isEmpty())
            QDir().rmdir(folder);
        if (file_exists(file))
            error = kNotDeleted;
        else if (folder_exists(folder))
            error = QStringLiteral("Adresář ") + locations_.userFolder + QStringLiteral("QVkalkor se smazat nepodařilo");
    }
    if (!error.isEmpty())
        model_.showMessage(Message::Kind::Error, kTitle, error);
    else
        model_.showMessage(Message::Kind::Information, kTitle, QStringLiteral("Konfigurace úspěšné odstraněna"));
    model_.setChecked(kSaveAtExit, false);
}

void Configuration::toggle_save_at_exit() { model_.setChecked(kSaveAtExit, !model_.checked(kSaveAtExit)); }

void Configuration::multi_user_on()
{
    if (!model_.ask(kTitle, QStringLiteral("Opravdu chcete zapnout víceuživatelský režim ?"),
                    Message::Kind::Question))
        return;
    const QDateTime now = clock_();
    const QLocale locale = QLocale::system();
    const QString stamp = locale.toString(now.date(), QLocale::ShortFormat) + QStringLiteral(" - ") +
                          locale.toString(now.time(), QLocale::LongFormat);
    const QByteArray bytes = stamp.toLocal8Bit();
    QFile marker(locations_.markerFile());
    const bool written = marker.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         marker.write(bytes) == bytes.size() && marker.flush();
    marker.close();
    if (!written) {
        model_.showMessage(Message::Kind::Error, kTitle, QStringLiteral("Víceuživatelský režim se nepodařilo nastavit"));
        return;
    }
    multiUser_ = true;
    QFile::remove(locations_.normalFile());
    model_.showMessage(Message::Kind::Information, kTitle, QStringLiteral("Víceuživatelský režim byl úspěšné nastaven"));
    platform_.restartProgram();
    platform_.endInstance();
}

void Configuration::multi_user_off()
{
    if (!model_.ask(kTitle, QStringLiteral("Opravdu chcete vypnout víceuživatelský režim ?"), Message::Kind::Warning))
        return;
    if (!QFile::remove(locations_.markerFile())) {
        model_.showMessage(Message::Kind::Error, kTitle, QStringLiteral("Víceuživatelský režim se nepodařilo zrušit"));
        return;
    }
    multiUser_ = false;
    model_.showMessage(Message::Kind::Information, kTitle, QStringLiteral("Víceuživatelský režim byl úspěšné zrušen"));
    platform_.restartProgram();
    platform_.endInstance();
}

void Configuration::choose_display_size(int percent)
{
    const int chosen = valid_display_size(percent);
    const bool changed = chosen != displaySize_;
    displaySize_ = chosen;
    if (!changed || chosen == platform_.displaySizeShown())
        return;
    if (!model_.ask(kTitle,
                    QStringLiteral("Nová velikost zobrazení se projeví po novém spuštění programu.\n"
                                   "Spustit program znovu nyní ?"),
                    Message::Kind::Question))
        return;
    save_configuration();
    platform_.restartProgram();
    platform_.endInstance();
}

void Configuration::prepare_menu()
{
    const QString on = QStringLiteral("moreuser_on");
    const QString off = QStringLiteral("moreuser_off");
    const QString line = QStringLiteral("N3");
    const QString del = QStringLiteral("delete_konf");
    model_.setVisible(on, false);
    model_.setVisible(off, false);
    model_.setVisible(line, false);
    model_.setVisible(del, false);
    // Once hidden, "Uložit konfiguraci" stays hidden for the rest of the run.
    if (multiUser_ && !folder_exists(locations_.userConfigFolder()))
        model_.setVisible(QStringLiteral("uloz_konf"), false);
    const bool normalExists = file_exists(locations_.normalFile());
    if ((!multiUser_ && normalExists) || (multiUser_ && file_exists(locations_.multiUserFile())))
        model_.setVisible(del, true);
    const bool writable = folder_writable(locations_.programFolder);
    if (file_exists(locations_.markerFile())) {
        if (writable) {
            model_.setVisible(off, true);
            model_.setVisible(line, true);
        }
        if (normalExists)
            model_.setVisible(del, true);
    } else if (writable) {
        model_.setVisible(on, true);
        model_.setVisible(line, true);
    }
}

void Configuration::save_at_exit()
{
    if (model_.checked(kSaveAtExit))
        save_configuration();
}

void legacy_cleanup(const QString& programFolder)
{
    const QString folder = with_separator(programFolder);
    const QString ini = folder + QStringLiteral("kalkor.ini");
    const QString exe = folder + QStringLiteral("kalkor.exe");
    const QString chm = folder + QStringLiteral("kalkor.chm");
    if (!file_exists(ini) && !file_exists(exe) && !file_exists(chm))
        return;
    QFile::rename(ini, folder + QStringLiteral("qvkalkor.ini")); // never over an existing file
    QFile::remove(exe);
    QFile::remove(chm);
}

bool start_program_again()
{
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

} // namespace qvk::config
