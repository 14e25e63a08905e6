#include "app/config/configuration.h"
#include "app/config/ini_file.h"
#include "core/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>

#include <algorithm>

namespace qvk::config {

namespace {

const QString kSettings = QStringLiteral("nastaveni");
const QString kPosition = QStringLiteral("poloha");
const QString kSaveAtExit = QStringLiteral("saveconf_end");
const QString kTitle = kAppTitle;
const QString kNotDeleted = QStringLiteral("Konfiguraci se nepodařilo odstranit");

// Page sets restored from the file: key, page set.
struct PageKey {
    const char* key;
    const char* pages;
};
constexpr PageKey kPageKeys[] = {
    {"hlavni", "druh"}, {"rovnice", "rov1"}, {"cisla", "cisla1"}, {"d2", "d2_page"}, {"d3", "d3_page"},
};

bool file_exists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

bool folder_exists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

// The solid selector lists the cone and the cylinder the other way round.
int solid_item_of_page(int page)
{
    switch (page) {
    case 4: return 5;
    case 5: return 4;
    default: return page;
    }
}

} // namespace

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

void Configuration::run_if_registered(const QString& event)
{
    if (registry_.contains(event))
        run_handler(model_, registry_, event);
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

    for (const PageKey& pk : kPageKeys) {
        const QString pages = QString::fromLatin1(pk.pages);
        const int stored = ini.readInteger(kSettings, QString::fromLatin1(pk.key), 0);
        const bool inRange = stored >= 0 && stored < model_.field(pages).items.size();
        model_.setIndex(pages, inRange ? stored : -1);
    }
    model_.setIndex(QStringLiteral("d2_vyber"), model_.index(QStringLiteral("d2_page")));
    const int solid = model_.index(QStringLiteral("d3_page"));
    model_.setIndex(QStringLiteral("d3_vyber"), solid < 0 ? -1 : solid_item_of_page(solid));

    int left = ini.readInteger(kPosition, QStringLiteral("left"), centredLeft);
    int top = ini.readInteger(kPosition, QStringLiteral("top"), centredTop);
    platform_.moveWindow(QPoint(left, top));

    model_.setValue(QStringLiteral("pocet_rovnic"), ini.readInteger(kSettings, QStringLiteral("pocet_rovnic"), 2));
    Settings s = model_.settings();
    s.vypis_rovnic = ini.readBool(kSettings, QStringLiteral("vypis_rovnic"), true);
    s.vypis_reseni = ini.readBool(kSettings, QStringLiteral("vypis_reseni"), true);
    s.zaokrouhleni = ini.readInteger(kSettings, QStringLiteral("zaokrouhleni"), 2);
    s.zaokrouhleni_uh_vt = ini.readInteger(kSettings, QStringLiteral("zaokrouhleni_uh_vt"), 0);
    model_.setSettings(s);
    model_.setChecked(kSaveAtExit, ini.readBool(kSettings, QStringLiteral("ukladat_konf"), true));

    run_if_registered(QStringLiteral("pocet_rovnicChange"));

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

    run_if_registered(QStringLiteral("d2_vyberChange"));
    run_if_registered(QStringLiteral("d3_vyberChange"));

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
    for (const PageKey& pk : kPageKeys)
        ini.writeInteger(kSettings, QString::fromLatin1(pk.key), model_.index(QString::fromLatin1(pk.pages)));
    const QPoint pos = platform_.windowPosition();
    ini.writeInteger(kPosition, QStringLiteral("left"), pos.x());
    ini.writeInteger(kPosition, QStringLiteral("top"), pos.y());
    const Settings& s = model_.settings();
    ini.writeInteger(kSettings, QStringLiteral("pocet_rovnic"), model_.value(QStringLiteral("pocet_rovnic")));
    ini.writeBool(kSettings, QStringLiteral("vypis_reseni"), s.vypis_reseni);
    ini.writeBool(kSettings, QStringLiteral("vypis_rovnic"), s.vypis_rovnic);
    ini.writeInteger(kSettings, QStringLiteral("zaokrouhleni"), s.zaokrouhleni);
    ini.writeInteger(kSettings, QStringLiteral("zaokrouhleni_uh_vt"), s.zaokrouhleni_uh_vt);
    ini.writeBool(kSettings, QStringLiteral("ukladat_konf"), model_.checked(kSaveAtExit));
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
