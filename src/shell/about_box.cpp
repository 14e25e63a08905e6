#include "shell/about_box.h"
#include "shell/geometry.h"
#include "shell/settings_dialog.h"
#include "shell/widgets.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QUrlQuery>

namespace qvk::shell {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setColour(Qt::blue);
}

QColor LinkLabel::colour() const { return palette().color(QPalette::WindowText); }

void LinkLabel::setColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void LinkLabel::enterEvent(QEnterEvent* event)
{
    setColour(Qt::red);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event)
{
    setColour(Qt::blue);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    // Keyboard users follow a link with Space.
    if (event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

QString TOprog::author() { return QStringLiteral(QVK_AUTHOR); }
QString TOprog::mail() { return QStringLiteral(QVK_MAIL); }
QString TOprog::web() { return QStringLiteral(QVK_WEB); }

QUrl TOprog::mailUrl()
{
    QUrl url(QStringLiteral("mailto:") + mail());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("QVkalkor " QVK_VERSION));
    url.setQuery(query);
    return url;
}

TOprog::TOprog(WindowModel& model, double s, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      model_(model), opener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("TOprog"));
    setWindowTitle(QStringLiteral("O programu QVkalkor"));
    setModal(true);
    setFixedSize(scaled(212, s), scaled(179, s));

    auto* icon = make<QLabel>(this, "ikonka");
    place(icon, 10, 10, 33, 33, s);
    icon->setPixmap(picture(QStringLiteral("mainicon")).pixmap(icon->size()));
    set_accessible(icon, QStringLiteral("Ikona programu"));

    auto* name = make<QLabel>(this, "nazev1");
    name->setText(QStringLiteral("QVkalkor"));
    QFont big(QStringLiteral("serif"));
    big.setStyleHint(QFont::Serif);
    big.setBold(true);
    big.setPixelSize(scaled(22, s));
    name->setFont(big);
    place(name, 52, 6, 150, 30, s);

    auto* version = make<QLabel>(this, "nazev2");
    version->setText(QStringLiteral("verze " QVK_VERSION " (14.3.2004)"));
    place(version, 52, 36, 150, 18, s);

    auto* about = make<QLabel>(this, "popis1");
    about->setText(QStringLiteral("Vyřeší za Vás domácí úkoly z matematiky"));
    about->setWordWrap(true);
    place(about, 10, 56, 192, 34, s);

    auto* authorLink = new LinkLabel(author(), this);
    authorLink->setObjectName(QStringLiteral("autor"));
    QFont bold = authorLink->font();
    bold.setBold(true);
    authorLink->setFont(bold);
    set_accessible(authorLink, author(), mail());
    place(authorLink, 10, 90, 192, 18, s);

    auto* thanks = make<QLabel>(this, "Label1");
    thanks->setText(QStringLiteral("Poděkování"));
    place(thanks, 10, 109, 70, 18, s);
    auto* beta = new LinkLabel(QStringLiteral("betatesterům"), this);
    beta->setObjectName(QStringLiteral("betatester"));
    set_accessible(beta, beta->text());
    place(beta, 82, 109, 110, 18, s);

    auto* ok = make<QPushButton>(this, "okbutton");
    ok->setText(QStringLiteral("&Zavřít"));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    set_accessible(ok, ok->text());
    place(ok, 122, 150, 80, 25, s);

    auto* webLink = new LinkLabel(web(), this);
    webLink->setObjectName(QStringLiteral("web"));
    set_accessible(webLink, web(),
                   QStringLiteral("Na mých webových stránkách si můžete stáhnout aktuální verze mých programů"));
    place(webLink, 10, 128, 192, 18, s);
    webLink->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    connect(authorLink, &LinkLabel::clicked, this, &TOprog::writeMail);
    connect(webLink, &LinkLabel::clicked, this, [this] { opener_(QUrl(web())); });
    // The modal box would block the help window: it goes first.
    connect(beta, &LinkLabel::clicked, this, [this] {
        accept();
        model_.effect(Effect::help(QStringLiteral("beta.htm")));
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setTabOrder(ok, authorLink);
    setTabOrder(authorLink, beta);
    setTabOrder(beta, webLink);
}

QString TOprog::noMailText()
{
    return QStringLiteral("Není nainstalován žádný poštovní program.\n"
                          "Napište prosím na adresu ") +
           mail();
}

void TOprog::writeMail()
{
    if (opener_(mailUrl()))
        return;
    QMessageBox box(QMessageBox::Information, kAppTitle, noMailText(), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* copy = box.addButton(QStringLiteral("&Kopírovat adresu"), QMessageBox::ActionRole);
    copy->setObjectName(QStringLiteral("kopirovat_adresu"));
    box.setDefaultButton(copy);
    box.exec();
    if (box.clickedButton() == copy)
        QGuiApplication::clipboard()->setText(mail());
}

int TOprog::show_about()
{
    centre_on(this, parentWidget());
    return exec();
}

} // namespace qvk::shell
