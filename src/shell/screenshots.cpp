// Renders every page, sheet, dialog and secondary window to PNG files (offscreen).
#include "app/assembly.h"
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

    const auto pages = [&](const char* set) { return model.field(QString::fromUtf8(set)).items; };
    const QStringList top = pages("druh");
    for (int t = 0; t < top.size(); ++t) {
        QStringList inner;
        if (t == qvk::app::PageEquations)
            inner = pages("rov1");
        else if (t == qvk::app::PageNumbers)
            inner = pages("cisla1");
        else if (t == qvk::app::PagePlane)
            inner = pages("d2_page");
        else if (t == qvk::app::PageSolids)
            inner = pages("d3_page");
        if (inner.isEmpty()) {
            qvk::app::show_page(model, registry, t, 0);
            ok &= save(&window, out, top[t]);
        }
        for (int i = 0; i < inner.size(); ++i) {
            qvk::app::show_page(model, registry, t, i);
            ok &= save(&window, out, top[t] + u'-' + inner[i]);
        }
    }

    // A quadratic run with its listing.
    qvk::app::show_page(model, registry, qvk::app::PageEquations, 0);
    window.binding().fire(QStringLiteral("kvreseniClick"));
    ok &= save(&window, out, QStringLiteral("rov-kr-vyreseno"));
    ok &= save(window.listingWindow(), out, QStringLiteral("Tvypis_reseni"));

    // The cubic with the longest texts: a complex pair at 12 places.
    qvk::app::show_page(model, registry, qvk::app::PageEquations, 1);
    window.binding().fire(QStringLiteral("kub_vyresClick"));
    ok &= save(&window, out, QStringLiteral("rov-kub-vyreseno"));
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
    qvk::app::show_page(model, registry, qvk::app::PageEquations, 2);
    window.binding().fire(QStringLiteral("sous_rov_vyresClick"));
    ok &= save(&window, out, QStringLiteral("rov-sr-2-vyreseno"));
    model.setValue(QStringLiteral("pocet_rovnic"), 26);
    window.binding().fire(QStringLiteral("pocet_rovnicChange"));
    ok &= save(&window, out, QStringLiteral("rov-sr-26"));
    model.setValue(QStringLiteral("pocet_rovnic"), 2);
    window.binding().fire(QStringLiteral("pocet_rovnicChange"));
    model.listing_close();

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
