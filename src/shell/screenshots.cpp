// Renders every page, sheet, dialog and secondary window to PNG files (offscreen).
#include "app/assembly.h"
#include "app/calculators.h"
#include "app/navigation.h"
#include "shell/about_box.h"
#include "shell/application.h"
#include "shell/help_window.h"
#include "shell/listing_window.h"
#include "shell/settings_dialog.h"
#include "shell/thlavni.h"

#include <QApplication>
#include <QDir>

namespace {

bool save(QWidget* w, const QDir& dir, const QString& name)
{
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
