#include "shell/thlavni.h"
#include "shell/geometry.h"
#include "shell/pages/quadratic_page.h"
#include "shell/widgets.h"

#include <QTabWidget>

namespace qvk::shell {

Thlavni::Thlavni(WindowModel& model, const Registry& registry, QWidget* parent)
    : QMainWindow(parent), model_(model), registry_(registry), host_(this), binding_(model, registry, this),
      scale_(ui_scale(font()))
{
    setObjectName(QStringLiteral("hlavni"));
    setWindowTitle(QStringLiteral("QVkalkor - v2.4.1"));
    setWindowIcon(picture(QStringLiteral("mainicon")));
    model_.setHost(&host_);

    auto* druh = new QTabWidget(this);
    druh->setObjectName(QStringLiteral("druh"));
    const Field& top = model_.field(QStringLiteral("druh"));
    for (const QString& pageName : top.items) {
        QWidget* page = pageName == u"rov" ? buildEquations() : new QWidget;
        page->setObjectName(pageName);
        druh->addTab(page, model_.field(pageName).caption);
    }
    setCentralWidget(druh);
    binding_.bindTree(this);

    setFixedSize(scaled(kClientWidth, scale_), scaled(kClientHeight, scale_));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowMaximizeButtonHint);
}

Thlavni::~Thlavni() { model_.setHost(nullptr); }

QWidget* Thlavni::buildEquations()
{
    auto* page = new QWidget;
    auto* inner = new QTabWidget(page);
    inner->setObjectName(QStringLiteral("rov1"));
    inner->setDocumentMode(true);
    const Field& set = model_.field(QStringLiteral("rov1"));
    for (const QString& pageName : set.items) {
        QWidget* p = pageName == u"kr" ? new QuadraticPage(scale_) : new QWidget;
        p->setObjectName(pageName);
        inner->addTab(p, model_.field(pageName).caption);
    }
    inner->setGeometry(0, 0, scaled(kClientWidth - 8, scale_), scaled(kClientHeight - 30, scale_));
    return page;
}

} // namespace qvk::shell
