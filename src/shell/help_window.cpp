#include "shell/help_window.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QAction>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qvk::shell {

QUrl HelpWindow::topicUrl(const QString& topic)
{
    const QString page = topic == u"index" ? QStringLiteral("index.htm") : topic;
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

HelpWindow::HelpWindow(double s, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("napoveda_okno"));
    setWindowTitle(QStringLiteral("QVkalkor - nápověda"));
    setWindowIcon(picture(QStringLiteral("mainicon")));
    resize(within_screen(QSize(scaled(560, s), scaled(480, s)), this));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("napoveda_text"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    set_accessible(browser_, QStringLiteral("Nápověda"));

    auto* back = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Zpět"), this);
    back->setObjectName(QStringLiteral("napoveda_zpet"));
    set_accessible(back, back->text());
    auto* home = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Obsah"), this);
    home->setObjectName(QStringLiteral("napoveda_obsah"));
    set_accessible(home, home->text());
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(home, &QPushButton::clicked, this, [this] { showTopic(QStringLiteral("index")); });

    // Esc closes it, as it closes a dialog.
    auto* escape = new QAction(this);
    escape->setObjectName(QStringLiteral("napoveda_zavrit"));
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    escape->setShortcutContext(Qt::WindowShortcut);
    addAction(escape);
    connect(escape, &QAction::triggered, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpWindow::showTopic(const QString& topic)
{
    browser_->setSource(topicUrl(topic));
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::source() const { return browser_->source(); }

} // namespace qvk::shell
