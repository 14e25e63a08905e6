#include "shell/widgets.h"

#include <QTabBar>
#include <QTabWidget>

namespace qvk::shell {

QLabel* text_label(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    return l;
}

QIcon picture(const QString& name) { return QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)); }

namespace {

struct ButtonPictures {
    const char* picture;
    std::initializer_list<const char*> buttons;
};

const ButtonPictures kButtonPictures[] = {
    {"novy", {"vymaz_2d", "vymaz_3d", "vymaz_stat", "uhly_vymaz"}},
    {"vypocti",
     {"kub_vyres", "kvreseni", "sous_rov_vyres", "rozloz", "zlomek", "vyres_d2", "vyres_d3", "stat_vyres",
      "dvecisla"}},
    {"preved", {"uhly_vypocet", "preved", "preved_soustavy"}},
    {"ukoncit", {"stat_prerus", "prerus"}},
    {"vypis", {"vypis"}},
};

} // namespace

QString button_picture(const QString& button)
{
    for (const ButtonPictures& entry : kButtonPictures)
        for (const char* name : entry.buttons)
            if (button == QLatin1String(name))
                return QString::fromLatin1(entry.picture);
    return {};
}

bool runs_calculation(const QString& button)
{
    const QString p = button_picture(button);
    return p == u"vypocti" || p == u"preved" || p == u"vypis";
}

QTabWidget* button_pages(QWidget* parent, const char* name)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QString::fromUtf8(name));
    pages->setDocumentMode(true);
    pages->setUsesScrollButtons(false);
    pages->tabBar()->setExpanding(false);
    pages->tabBar()->setDrawBase(false);
    // Tabs as push buttons: raised when up, sunken for the page on show.
    pages->setStyleSheet(QStringLiteral(
        "QTabBar::tab { border: 1px solid palette(dark); border-radius: 3px; padding: 2px 4px;"
        " margin: 2px 1px 2px 0px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 palette(light), stop:1 palette(button)); color: palette(button-text); }"
        "QTabBar::tab:selected { background: palette(highlight); border-color: palette(shadow);"
        " color: palette(highlighted-text); }"
        "QTabBar::tab:hover:!selected { background: palette(light); }"
        "QTabWidget::pane { border: none; }"));
    return pages;
}

QTabWidget* hidden_pages(QWidget* parent, const char* name)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QString::fromUtf8(name));
    pages->tabBar()->hide();
    pages->setDocumentMode(true);
    return pages;
}

bool a11y_ids() { return qEnvironmentVariable("QVKALKOR_A11Y_IDS") == u"1"; }

void set_accessible(QWidget* w, const QString& name, const QString& hint)
{
    QString plain = name;
    plain.remove(u'&');
    w->setAccessibleName(a11y_ids() || plain.isEmpty() ? w->objectName() : plain);
    if (!hint.isEmpty()) {
        w->setToolTip(hint);
        w->setToolTipDuration(5000);
        w->setAccessibleDescription(hint);
    }
}

} // namespace qvk::shell
