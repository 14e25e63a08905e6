#include "shell/tests/xcb/x_window.h"
#include <QStyle>
#include "app/assembly.h"
#include "shell/application.h"
#include "shell/config_binding.h"
#include "shell/thlavni.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

namespace qvk::shell::xcb_test {

namespace {

xcb_connection_t* connection()
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t native(const QWidget* w)
{
    // Never winId(): that would create the native window the test looks for.
    const QWindow* handle = w ? w->windowHandle() : nullptr;
    return handle && handle->handle() ? static_cast<xcb_window_t>(handle->winId()) : 0;
}

xcb_atom_t atom(const char* name)
{
    xcb_connection_t* c = connection();
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : 0;
    std::free(reply);
    return a;
}

QByteArray property(xcb_window_t window, const char* name, xcb_atom_t type)
{
    xcb_connection_t* c = connection();
    if (!c || !window)
        return {};
    const auto cookie = xcb_get_property(c, 0, window, atom(name), type, 0, 1 << 16);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QByteArray value;
    if (reply) {
        value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
        std::free(reply);
    }
    return value;
}

xcb_window_t root()
{
    xcb_connection_t* c = connection();
    return c ? xcb_setup_roots_iterator(xcb_get_setup(c)).data->root : 0;
}

bool xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    const bool ok = p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    EXPECT_TRUE(ok) << "xdotool " << args.join(u' ').toStdString() << ": " << p.readAllStandardError().toStdString();
    return ok;
}

} // namespace

// Asked of the server: Qt's idea of where the window is lags behind a window
// manager that has just placed it, and a click there may open the menu bar.
QPoint on_screen(const QWidget* w, QPoint local)
{
    const QPoint in_window = w->mapTo(w->window(), local);
    xcb_connection_t* c = connection();
    const xcb_window_t from = native(w->window());
    if (!c || !from)
        return w->mapToGlobal(local);
    const auto cookie = xcb_translate_coordinates(c, from, root(), static_cast<int16_t>(in_window.x()),
                                                  static_cast<int16_t>(in_window.y()));
    xcb_translate_coordinates_reply_t* r = xcb_translate_coordinates_reply(c, cookie, nullptr);
    const QPoint p = r ? QPoint(r->dst_x, r->dst_y) : w->mapToGlobal(local);
    std::free(r);
    return p;
}

QString wm_name(const QWidget* window)
{
    return QString::fromUtf8(property(native(window), "_NET_WM_NAME", atom("UTF8_STRING")));
}

bool is_managed(const QWidget* window)
{
    const xcb_window_t w = native(window);
    const QByteArray list = property(root(), "_NET_CLIENT_LIST", XCB_ATOM_WINDOW);
    const auto* ids = reinterpret_cast<const xcb_window_t*>(list.constData());
    for (qsizetype i = 0; w && i < list.size() / qsizetype(sizeof(xcb_window_t)); ++i)
        if (ids[i] == w)
            return true;
    return false;
}

QStringList allowed_actions(const QWidget* window)
{
    const QByteArray list = property(native(window), "_NET_WM_ALLOWED_ACTIONS", XCB_ATOM_ATOM);
    const auto* atoms = reinterpret_cast<const xcb_atom_t*>(list.constData());
    QStringList names;
    xcb_connection_t* c = connection();
    for (qsizetype i = 0; c && i < list.size() / qsizetype(sizeof(xcb_atom_t)); ++i) {
        xcb_get_atom_name_reply_t* r = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atoms[i]), nullptr);
        if (r) {
            names << QString::fromLatin1(xcb_get_atom_name_name(r), xcb_get_atom_name_name_length(r));
            std::free(r);
        }
    }
    return names;
}

QPoint frame_position(const QWidget* window) { return window->frameGeometry().topLeft(); }

bool activate(QWidget* window)
{
    if (!QTest::qWaitFor([window] { return is_managed(window); }, 5000))
        return false;
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(native(window))});
    return QTest::qWaitForWindowActive(window, 5000);
}

void settle()
{
    // A round trip: the events the server made before its reply are queued by then.
    if (xcb_connection_t* c = connection()) {
        xcb_get_input_focus_reply_t* r = xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr);
        std::free(r);
    }
    QTest::qWait(60);
    QCoreApplication::processEvents();
}

void type_text(const QString& text)
{
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("15"), QStringLiteral("--"), text});
    settle();
}

void press(const QStringList& keys)
{
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("15"), QStringLiteral("--")} +
            keys);
    settle();
}

bool screenshot(const QString& path)
{
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), QStringLiteral("root"), path}) == 0;
}

void whenShown(QWidget* window, std::function<void()> action)
{
    QPointer<QWidget> w(window);
    whenShown([w] { return w.data(); }, [action = std::move(action)](QWidget*) { action(); });
}

void whenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> action)
{
    // Owned by the application, which each test makes anew.
    auto* look = new QTimer(qApp);
    look->setInterval(20);
    QObject::connect(look, &QTimer::timeout, [look, find = std::move(find), action = std::move(action)] {
        QWidget* w = find();
        if (!w || !w->isVisible() || !is_managed(w))
            return;
        look->stop();
        action(w);
        look->deleteLater();
    });
    look->start();
}

BoxWatch::BoxWatch()
{
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        // Give the window manager the box before reading what it was told.
        (void)QTest::qWaitFor([box] { return is_managed(box); }, 2000);
        seen_.append({box->windowTitle(), wm_name(box), box->text()});
        QAbstractButton* b = box->button(QMessageBox::Ok);
        if (!b)
            b = box->button(QMessageBox::No);
        if (b)
            b->click();
        else
            box->reject();
    });
    timer_.start();
}

QString BoxWatch::describe() const
{
    QStringList lines;
    for (const Box& b : seen_)
        lines.append(b.title + u'|' + b.text);
    return lines.join(u'\n');
}

namespace {
int argc_ = 1;
char name_[] = "qvkalkor";
char* argv_[] = {name_, nullptr};
} // namespace

OnX11::OnX11()
{
    app_ = std::make_unique<QApplication>(argc_, argv_);
    setup_application(*app_);
}

OnX11::~OnX11() { app_.reset(); }

Program::Program() : Program(Options{}) {}

Program::Program(const Options& options)
{
    app::assemble(model, registry);
    window = std::make_unique<Thlavni>(model, registry);
    if (options.configuration) {
        const QString dir = options.programFolder.isEmpty() ? folder.path() : options.programFolder;
        where = config::Locations::forProgram(config::with_separator(dir));
        new ConfigBinding(*window, where, options.restart, options.displaySize);
    }
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get(), 5000));
    EXPECT_TRUE(activate(window.get()));
}

Program::~Program() { window.reset(); }

void Program::click(QWidget* w) const
{
    const QPoint p = on_screen(w, w->rect().center());
    // No --sync: it waits forever when the pointer is already there.
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
             QStringLiteral("1")});
    settle();
}

void Program::retype(const char* name, const QString& text) const
{
    click(find(name));
    press({QStringLiteral("ctrl+a"), QStringLiteral("BackSpace")});
    type_text(text);
}

bool fits(const QLineEdit* e)
{
    const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
    return e->fontMetrics().horizontalAdvance(e->text()) <= e->contentsRect().width() - 2 * frame - 4;
}

} // namespace qvk::shell::xcb_test
