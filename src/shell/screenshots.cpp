// Renders every page, sheet, dialog and secondary window to PNG files (offscreen).
// qvkalkor-screenshots [folder [display size in per cent]]
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/config/configuration.h"
#include "app/navigation.h"
#include "shell/about_box.h"
#include "shell/application.h"
#include "shell/display_size.h"
#include "shell/help_window.h"
#include "shell/graph_window.h"
#include "shell/listing_window.h"
#include "shell/settings_dialog.h"
#include "shell/sketch_window.h"
#include "shell/thlavni.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>

#include <map>

namespace {

bool save(QWidget* w, const QDir& dir, const QString& name)
{
    // Item views lay out their rows, and then their scroll bars, a few
    // event rounds after a change.
    for (int round = 0; round < 4; ++round)
        QApplication::processEvents();
    const bool ok = w->grab().save(dir.filePath(name + QStringLiteral(".png")));
    if (!ok)
        qWarning("cannot write %s", qPrintable(name));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int size = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100;
    if (qvk::config::valid_display_size(size) != size) {
        qWarning("display size %d: not one of 100, 125, 150, 200", size);
        return 2;
    }
    // As the program applies it, but without fitting a screen: offscreen has none worth fitting.
    qvk::shell::apply_display_size(app, size);
    qvk::shell::setup_application(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screenshots"));
    QDir().mkpath(out.path());
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::app::assemble(model, registry);
    qvk::shell::Thlavni window(model, registry);
    window.show();
    bool ok = true;

    // Every page that holds no other: "<top>" or "<top>-<inner>".
    for (const qvk::app::Page& page : qvk::app::page_table()) {
        if (page.holds)
            continue;
        const qvk::app::Page* holder = qvk::app::holder_of(page);
        const QString name = QString::fromLatin1(page.name);
        qvk::app::show_page(model, registry, name);
        ok &= save(&window, out, holder ? QString::fromLatin1(holder->name) + u'-' + name : name);
    }

    // A quadratic run with its listing.
    qvk::app::show_page(model, registry, qvk::app::PageEquations, 0);
    window.binding().fire(QStringLiteral("kvreseniClick"));
    ok &= save(&window, out, QStringLiteral("rov-kr-vyreseno"));
    ok &= save(window.listingWindow(), out, QStringLiteral("Tvypis_reseni"));

    // The graph of that quadratic, then of its inequality "< 0".
    window.showGraph();
    window.graphWindow()->resize(800 * size / 100, 600 * size / 100);
    QApplication::processEvents();
    window.graphWindow()->view()->resetView();
    ok &= save(window.graphWindow(), out, QStringLiteral("Tgraf"));
    model.setIndex(QStringLiteral("rovnice"), 2);
    window.binding().fire(QStringLiteral("kvreseniClick"));
    ok &= save(window.graphWindow(), out, QStringLiteral("Tgraf-nerovnice"));

    // The cubic with the longest texts: a complex pair at 12 places.
    qvk::app::show_page(model, registry, QStringLiteral("kub"));
    window.binding().fire(QStringLiteral("kub_vyresClick"));
    ok &= save(&window, out, QStringLiteral("rov-kub-vyreseno"));
    // Its graph (one real root, the complex pair in the corner), then a cubic with three real roots.
    window.showGraph();
    ok &= save(window.graphWindow(), out, QStringLiteral("Tgraf-kubicka-komplexni"));
    model.setText(QStringLiteral("kub_a"), QStringLiteral("1"));
    model.setText(QStringLiteral("kub_b"), QStringLiteral("0"));
    model.setText(QStringLiteral("kub_c"), QStringLiteral("-7"));
    model.setText(QStringLiteral("kub_d"), QStringLiteral("6"));
    window.binding().fire(QStringLiteral("kub_vyresClick"));
    ok &= save(window.graphWindow(), out, QStringLiteral("Tgraf-kubicka"));
    const qvk::Settings before = model.settings();
    qvk::Settings twelve = before;
    twelve.zaokrouhleni = 12;
    model.setSettings(twelve);
    model.setText(QStringLiteral("kub_a"), QStringLiteral("3"));
    model.setText(QStringLiteral("kub_b"), QStringLiteral("-9998"));
    model.setText(QStringLiteral("kub_c"), QStringLiteral("-7777"));
    model.setText(QStringLiteral("kub_d"), QStringLiteral("-9999"));
    window.binding().fire(QStringLiteral("kub_vyresClick"));
    ok &= save(&window, out, QStringLiteral("rov-kub-12-mist"));
    model.setSettings(before);

    // The linear system solved, then the largest system: both grids scroll.
    qvk::app::show_page(model, registry, QStringLiteral("sr"));
    window.binding().fire(QStringLiteral("sous_rov_vyresClick"));
    ok &= save(&window, out, QStringLiteral("rov-sr-2-vyreseno"));
    model.setValue(QStringLiteral("pocet_rovnic"), 26);
    window.binding().fire(QStringLiteral("pocet_rovnicChange"));
    ok &= save(&window, out, QStringLiteral("rov-sr-26"));
    model.setValue(QStringLiteral("pocet_rovnic"), 2);
    window.binding().fire(QStringLiteral("pocet_rovnicChange"));
    model.listing_close();

    // The number pages with their longest results.
    const auto shot = [&](int inner, std::initializer_list<std::pair<const char*, const char*>> fields,
                          const char* event, const char* name) {
        qvk::app::show_page(model, registry, qvk::app::PageNumbers, inner);
        for (const auto& [field, value] : fields)
            model.setValueText(QString::fromUtf8(field), QString::fromUtf8(value));
        window.binding().fire(QString::fromUtf8(event));
        ok &= save(&window, out, QString::fromUtf8(name));
    };
    shot(1, {{"cislo1", "111111111111111111111111111111111111111111111111111111111111111"}, {"sous1", "2"},
             {"sous2", "10"}},
         "preved_soustavyClick", "cisla-TabSheet1-prevedeno");
    shot(2, {{"z1", "-999"}, {"z2", "9998"}, {"z3", "-998"}, {"z4", "9999"}, {"cele", "1"},
             {"zadani_c", "999999999999"}},
         "zlomekClick", "cisla-zlm-vypocteno");
    window.binding().fire(QStringLiteral("prevedClick"));
    ok &= save(&window, out, QStringLiteral("cisla-zlm-vypocteno"));
    shot(3, {{"zadani_a", "999999999,999999998"}}, "dvecislaClick", "cisla-nsnnsd-vypocteno");
    shot(4, {{"uhly_stupne", ""}, {"uhly_st", "-99999"}, {"uhly_min", "-99999"}, {"uhly_vt", "-99999"}},
         "uhly_vypocetClick", "cisla-uhly-prevedeno");

    // The worked solution beside the pages, on every page after its first
    // calculate button (a refusal shows as one); the quadratic as it starts.
    model.setIndex(QStringLiteral("rovnice"), 0);
    model.listing_close();
    window.setPostupShown(true);
    // The solution is drawn after the page, its scroll bar a few rounds later.
    const auto drawn = [] {
        for (int round = 0; round < 4; ++round)
            QApplication::processEvents();
    };
    // A figure or solid is shown solved from a typical set of values.
    const std::map<QString, std::vector<std::pair<const char*, const char*>>> sample = {
        {QStringLiteral("trojuhelnik_p_desk"), {{"tp_a", "3"}, {"tp_b", "4"}}},
        {QStringLiteral("trojuhelnik_desk"), {{"troj_a", "3"}, {"troj_b", "5"}, {"troj_c", "7"}}},
        {QStringLiteral("ctverec_desk"), {{"ctv_u", "10"}}},
        {QStringLiteral("obdelnik_desk"), {{"obd_a", "3"}, {"obd_b", "4"}}},
        {QStringLiteral("rovnobeznik_desk"), {{"rov_a", "4"}, {"rov_b", "2"}, {"rov_alfa", "30"}}},
        {QStringLiteral("lichobeznik_desk"), {{"lic_a", "8"}, {"lic_c", "4"}, {"lic_v", "3"}, {"lic_alfa", "45"}}},
        {QStringLiteral("n_uhelnik_desk"), {{"uhe_n", "6"}, {"uhe_a", "1"}}},
        {QStringLiteral("kruh_desk"), {{"kru_r", "5"}}},
        {QStringLiteral("krychle_desk"), {{"kry_a", "3"}}},
        {QStringLiteral("kvadr_desk"), {{"kva_a", "1"}, {"kva_b", "2"}, {"kva_c", "2"}}},
        {QStringLiteral("jehlan_desk"), {{"jeh_n", "4"}, {"jeh_a", "6"}, {"jeh_v", "4"}}},
        {QStringLiteral("koule_desk"), {{"kou_r", "3"}}},
        {QStringLiteral("valec_desk"), {{"val_r", "3"}, {"val_v", "4"}}},
        {QStringLiteral("kuzel_desk"), {{"kuz_r", "3"}, {"kuz_v", "4"}}},
    };
    {
        qvk::RecordingHost quiet; // no message box waits for an answer
        model.setHost(&quiet);
        for (const qvk::app::Page& page : qvk::app::page_table()) {
            if (page.holds || !page.declare)
                continue;
            const QString name = QString::fromLatin1(page.name);
            qvk::app::show_page(model, registry, name);
            QApplication::processEvents();
            const qvk::app::Page* holder = qvk::app::holder_of(page);
            QString button = holder && holder->frame ? QString::fromLatin1(holder->frame->compute) : QString();
            if (QWidget* shown = button.isEmpty() ? window.findChild<QWidget*>(name) : nullptr)
                for (const QAbstractButton* b : shown->findChildren<QAbstractButton*>())
                    if (model.has(b->objectName()) && model.field(b->objectName()).calculates) {
                        button = b->objectName();
                        break;
                    }
            if (button.isEmpty())
                continue;
            if (const auto it = sample.find(name); it != sample.end())
                for (const auto& [field, value] : it->second)
                    model.setValueText(QString::fromUtf8(field), QString::fromUtf8(value));
            window.binding().fire(button + QStringLiteral("Click"));
            drawn();
            ok &= save(&window, out, QStringLiteral("postup-") + name);
            // Its picture in the picture's window.
            if (model.drawn(name)) {
                window.showSketch();
                window.sketchWindow()->resize(560 * size / 100, 480 * size / 100);
                ok &= save(window.sketchWindow(), out, QStringLiteral("obrazek-") + name);
                window.sketchWindow()->hide();
            }
        }
        model.setHost(&window.host());
        model.listing_close();
    }
    window.setPostupShown(false);

    window.settingsDialog()->setDisplaySize(size);
    window.settingsDialog()->load();
    window.settingsDialog()->show();
    ok &= save(window.settingsDialog(), out, QStringLiteral("Tnastaveni"));
    window.settingsDialog()->hide();
    window.aboutBox()->show();
    ok &= save(window.aboutBox(), out, QStringLiteral("TOprog"));
    window.aboutBox()->hide();
    window.helpWindow()->showTopic(QStringLiteral("index"));
    ok &= save(window.helpWindow(), out, QStringLiteral("napoveda-index"));
    window.helpWindow()->showTopic(QStringLiteral("vypocet.htm#kv_rov"));
    ok &= save(window.helpWindow(), out, QStringLiteral("napoveda-vypocet"));
    window.helpWindow()->showTopic(QStringLiteral("beta.htm"));
    ok &= save(window.helpWindow(), out, QStringLiteral("napoveda-beta"));
    return ok ? 0 : 1;
}
