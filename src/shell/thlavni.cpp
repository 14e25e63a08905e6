#include "shell/thlavni.h"
#include "app/menu.h"
#include "shell/about_box.h"
#include "shell/equation_paste.h"
#include "shell/geometry.h"
#include "shell/graph_window.h"
#include "shell/help_window.h"
#include "shell/listing_window.h"
#include "shell/pages/page_classes.h"
#include "shell/postup_view.h"
#include "shell/settings_dialog.h"
#include "shell/sketch_view.h"
#include "shell/sketch_window.h"
#include "shell/widgets.h"

#include "app/calculators.h"
#include "core/fpu.h"
#include "equations/graph.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QAbstractSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace qvk::shell {

namespace {

EdgeRect edges(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// The pages with a graph: the events that solve each and the scene of a solve.
struct GraphPage {
    const char* page;
    const char* solves[2];
    std::optional<equations::GraphScene> (*scene)(const WindowModel&);
};
// The scene of the last successful solve the page published.
template <typename Result, std::optional<equations::GraphScene> (*scene)(const Result&)>
std::optional<equations::GraphScene> scene_of(const WindowModel& m, const char* page)
{
    const Result* r = m.result<Result>(QLatin1String(page));
    return r ? scene(*r) : std::nullopt;
}
constexpr GraphPage kGraphPages[] = {
    {equations::kQuadraticPage, {"kvreseniClick", "rovniceChange"},
     [](const WindowModel& m) { return scene_of<equations::QuadraticResult, equations::quadratic_scene>(m, equations::kQuadraticPage); }},
    {equations::kCubicPage, {"kub_vyresClick", nullptr},
     [](const WindowModel& m) { return scene_of<equations::CubicResult, equations::cubic_scene>(m, equations::kCubicPage); }},
};

// The index of the page that `event` solves, or -1.
int solved_by(const QString& event)
{
    for (int i = 0; i < int(std::size(kGraphPages)); ++i)
        for (const char* e : kGraphPages[i].solves)
            if (e && event == QLatin1String(e))
                return i;
    return -1;
}

} // namespace

Thlavni::Thlavni(WindowModel& model, Registry& registry, QWidget* parent)
    : QMainWindow(parent), model_(model), registry_(registry), host_(this), binding_(model, registry, this),
      scale_(ui_scale(font()))
{
    setObjectName(QStringLiteral("hlavni"));
    setWindowTitle(QStringLiteral("QVkalkor - v" QVK_VERSION));
    setWindowIcon(picture(QStringLiteral("mainicon")));
    model_.setHost(&host_);
    host_.setEffectHandler([this](const Effect& what) { runEffect(what); });
    if (const QScreen* s = screen())
        workArea_ = edges(s->availableVirtualGeometry());

    // The pages stay where they are when the panel beside them shows.
    client_ = new QWidget(this);
    druh_ = new QTabWidget(client_);
    druh_->setObjectName(QString::fromLatin1(app::kTopSet));
    druh_->setUsesScrollButtons(false);
    // The pages not on show are built when first chosen, and bound then.
    thumbnails_ = new SketchThumbnails(model_, this);
    add_pages(druh_, model_, scale_, [this](QWidget* page) {
        binding_.bindTree(page);
        thumbnails_->attach(page);
    });
    druh_->setFixedSize(scaled(kClientWidth, scale_), scaled(kClientHeight, scale_));
    client_->setFixedSize(druh_->size());
    setCentralWidget(client_);
    buildMenu();
    binding_.bindTree(druh_);
    thumbnails_->attach(druh_);
    new EquationPaste(model_, this);

    // The client area below the menu has the fixed design size.
    setFixedSize(druh_->width(), druh_->height() + menuBar()->sizeHint().height());
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                    Qt::WindowCloseButtonHint) &
                   ~Qt::WindowMaximizeButtonHint);

    // Secondary windows are built when first asked for, the listing window
    // also when a calculation shows the listing.
    model_.observe([self = QPointer<Thlavni>(this)](const QString& name) {
        if (self && name == WindowModel::kListing && self->model_.listingVisible())
            self->listingWindow();
    });
    static_assert(std::extent_v<decltype(graphs_)> == std::size(kGraphPages));
    connect(&binding_, &Binding::handled, this, &Thlavni::followSolve);
    const QString graphSet = QString::fromLatin1(app::find_page(QLatin1String(kGraphPages[0].page))->set);
    model_.observe([self = QPointer<Thlavni>(this), graphSet](const QString& name) {
        if (self && (name == QLatin1String(app::kTopSet) || name == graphSet))
            self->followPage();
    });

    model_.observe([self = QPointer<Thlavni>(this)](const QString& name) {
        if (!self)
            return;
        if (name == WindowModel::kPostup) {
            const app::Page* page = app::page_on_show(self->model_);
            self->postupPage_ = page ? QString::fromLatin1(page->name) : QString();
            self->followPostup();
        } else if (self->postup_ && (name == WindowModel::kSketch ||
                                     (self->model_.has(name) && self->model_.field(name).kind == Kind::Pages))) {
            self->followPostup();
        }
    });

    // Menu keys take precedence over the keys of the focused field (Ctrl+X, Ctrl+K).
    qApp->installEventFilter(this);
}

Thlavni::~Thlavni()
{
    qApp->removeEventFilter(this);
    emit destroying();
    for (const QString& event : std::as_const(commands_))
        registry_.remove(event);
    model_.setHost(nullptr);
}

void Thlavni::buildMenu()
{
    menu_ = build_main_menu(this);
    for (QAction* a : menu_.actions)
        binding_.bindAction(a);
    addCommand(QStringLiteral("nastav"), [this] { settingsDialog()->open_settings(); });
    addCommand(QStringLiteral("Konec1"), [this] { close(); });
    addCommand(QStringLiteral("oprog_button"), [this] { aboutBox()->show_about(); });
    connect(menu_.application, &QMenu::aboutToShow, this, &Thlavni::applicationMenuAboutToShow);
    addCommand(QString::fromLatin1(kPostupItem), [this] { setPostupShown(model_.checked(QString::fromLatin1(kPostupItem))); });

    // The graph is the shell's own: no field of the page, no handler.
    graphAction_ = new QAction(QStringLiteral("Graf"), this);
    graphAction_->setObjectName(QStringLiteral("graf"));
    graphAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    graphAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(graphAction_);
    menu_.application->addAction(graphAction_);
    connect(graphAction_, &QAction::triggered, this, &Thlavni::showGraph);
    connect(menu_.application, &QMenu::aboutToShow, this, [this] { graphAction_->setEnabled(graphPage() >= 0); });

    // So is the picture of a calculation, beside "Postup".
    sketchAction_ = new QAction(QStringLiteral("Obrázek"), this);
    sketchAction_->setObjectName(QStringLiteral("obrazek"));
    sketchAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    sketchAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(sketchAction_);
    const QList<QAction*> items = menu_.application->actions();
    const int postup = static_cast<int>(items.indexOf(binding_.action(QString::fromLatin1(kPostupItem))));
    menu_.application->insertAction(items.value(postup + 1), sketchAction_);
    connect(sketchAction_, &QAction::triggered, this, &Thlavni::showSketch);
}

SketchWindow* Thlavni::sketchWindow()
{
    if (!sketch_)
        sketch_ = new SketchWindow(model_, this);
    return sketch_;
}

void Thlavni::showSketch() { sketchWindow()->open(this); }

int Thlavni::graphPage() const
{
    const app::Page* page = app::page_on_show(model_);
    for (int i = 0; page && i < int(std::size(kGraphPages)); ++i)
        if (qstrcmp(page->name, kGraphPages[i].page) == 0)
            return i;
    return -1;
}

void Thlavni::showGraphOf(int page)
{
    graphOf_ = page;
    graphWindow()->showPage(graphs_[page].good, graphs_[page].failed);
}

void Thlavni::showGraph()
{
    FpuFlagsKept kept;
    fpu_clear();
    const int page = graphPage();
    if (page < 0)
        return;
    if (page != graphOf_)
        showGraphOf(page);
    graphWindow()->showBeside(this);
}

void Thlavni::followPage()
{
    FpuFlagsKept kept;
    fpu_clear();
    const int page = graphPage();
    // Off the equation pages the window keeps what it shows.
    if (page >= 0 && page != graphOf_ && graph_ && graph_->isVisible())
        showGraphOf(page);
}

void Thlavni::followSolve(const QString& event)
{
    FpuFlagsKept kept;
    fpu_clear();
    const unsigned errors = host_.errorsShown();
    const bool failed = errors != errorsSeen_;
    errorsSeen_ = errors;
    const int page = solved_by(event);
    if (page < 0)
        return;
    const auto scene = failed ? std::nullopt : kGraphPages[page].scene(model_);
    PageGraph& g = graphs_[page];
    g.failed = !scene;
    if (scene)
        g.good = scene;
    if (graphOf_ == page)
        graphWindow()->showScene(scene);
}

bool Thlavni::postupShown() const { return postup_ && !postup_->isHidden(); }

PostupView* Thlavni::postupView()
{
    if (!postup_) {
        postup_ = new PostupView(model_, scale_, client_);
        postup_->setGeometry(druh_->width(), 0, scaled(PostupView::kWidth, scale_), druh_->height());
        postup_->hide();
        connect(postup_, &PostupView::pictureOpened, this, &Thlavni::showSketch);
    }
    return postup_;
}

void Thlavni::setPostupShown(bool shown)
{
    const QString item = QString::fromLatin1(kPostupItem);
    if (shown == postupShown()) {
        model_.setChecked(item, shown);
        return;
    }
    const int before = width();
    if (shown) {
        PostupView* view = postupView();
        client_->setFixedSize(druh_->width() + view->width(), druh_->height());
        view->show();
    } else {
        postup_->hide();
        client_->setFixedSize(druh_->size());
    }
    const QRect frame = frameGeometry();
    setFixedSize(client_->width(), height());
    // Widened by the panel, the window stays on the screen; the pages move
    // only when it would not.
    const int right = frame.left() + frame.width() + width() - before;
    if (shown && isVisible() && workArea_.right > workArea_.left && right > workArea_.right)
        place(QPoint(std::max(workArea_.left, frame.left() - (right - workArea_.right)), placedPosition().y()));
    model_.setChecked(item, shown);
    followPostup();
    emit postupShownChanged(shown);
}

void Thlavni::followPostup()
{
    if (!postupShown() || postupPending_)
        return;
    // After the page's own fields have painted.
    postupPending_ = true;
    QTimer::singleShot(0, this, [this] {
        postupPending_ = false;
        drawPostup();
    });
}

void Thlavni::drawPostup()
{
    if (!postupShown())
        return;
    const app::Page* page = app::page_on_show(model_);
    const bool own = page && model_.postupSerial() != 0 && postupPage_ == QLatin1String(page->name);
    const std::uint64_t drawn = own ? model_.postupSerial() : 0;
    // The toolkit's painting leaves its own flags: the exact work must not
    // take them for a fault of its own.
    FpuFlagsKept kept;
    fpu_clear();
    const QString& drew = model_.drawnNow();
    postup_->showSketch(own && drew == postupPage_ ? model_.sketch(drew) : QString());
    if (drawn == postupDrawn_ && (drawn != 0 || !postup_->hasPostup()))
        return;
    postupDrawn_ = drawn;
    if (own)
        postup_->showPostup(model_.postup());
    else
        postup_->showNothing();
}

namespace {

template <typename W, typename... Args>
W* built(W*& window, Args&&... args)
{
    if (!window)
        window = new W(std::forward<Args>(args)...);
    return window;
}

} // namespace

Tvypis_reseni* Thlavni::listingWindow() { return built(listing_, model_, scale_, this); }

Tnastaveni* Thlavni::settingsDialog()
{
    if (settings_)
        return settings_;
    emit settingsDialogBuilt(built(settings_, model_, scale_, this));
    return settings_;
}

TOprog* Thlavni::aboutBox() { return built(about_, model_, scale_, this); }

HelpWindow* Thlavni::helpWindow() { return built(help_, scale_, this); }

GraphWindow* Thlavni::graphWindow() { return built(graph_, this); }

void Thlavni::setProgramStarter(ProgramFinder find, ProgramStarter start)
{
    find_ = std::move(find);
    start_ = std::move(start);
}

void Thlavni::addCommand(const QString& item, std::function<void()> work)
{
    const QString event = item + QStringLiteral("Click");
    if (registry_.contains(event))
        throw std::logic_error("a second handler for the event \"" + event.toStdString() + '"');
    registry_.add(event, [work = std::move(work)](WindowModel&) {
        // A dialog's event loop is the toolkit's work, not the calculation's.
        FpuFlagsKept toolkit;
        work();
    });
    commands_.append(event);
}

void Thlavni::runEffect(const Effect& what)
{
    switch (what.kind) {
    case Effect::Kind::Help: {
        const QUrl url = HelpWindow::topicUrl(what.topic);
        if (!QFile::exists(u':' + url.path()))
            throw std::logic_error("no help page for the topic \"" + what.topic.toStdString() + '"');
        helpWindow()->showTopic(what.topic);
        return;
    }
    case Effect::Kind::StartCalculator:
        if (start_desktop_calculator(find_, start_).isEmpty())
            model_.showMessage(Message::Kind::Information, kAppTitle, no_calculator_text());
        return;
    case Effect::Kind::ShowListing:
        listingWindow()->show();
        listing_->raise();
        return;
    }
    throw std::logic_error("an effect outside the set");
}

bool Thlavni::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        activateFirstTime();
    } else if (e->type() == QEvent::Show && !activated_) {
        // Without a window manager (or with focus-stealing prevention) the
        // window may never be activated: the first show counts as well, once
        // the window has been placed on the screen.
        QTimer::singleShot(0, this, [this] { activateFirstTime(); });
    }
    return QMainWindow::event(e);
}

void Thlavni::activateFirstTime()
{
    if (activated_)
        return;
    activated_ = true;
    emit firstActivated();
    // Ready for typing, not on the tab bar.
    binding_.focusFirstInput(druh_->currentWidget());
}

void Thlavni::closeEvent(QCloseEvent* e)
{
    app::close_request(model_);
    e->accept();
}

void Thlavni::place(QPoint topLeft)
{
    placing_ = topLeft;
    placingSince_.start();
    // The point is the frame's corner, as placedPosition() reads it. Once the
    // window manager has told the frame, move() places the frame; before, it
    // would place the client area there and every start would creep up and
    // left, so the window manager is asked for the frame's place.
    QWindow* handle = windowHandle();
    const bool frameKnown = frameGeometry().topLeft() != geometry().topLeft();
    if (handle && !frameKnown)
        handle->setFramePosition(topLeft);
    else
        move(topLeft);
}

void Thlavni::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    // Only moves the user makes snap. The window manager reports the
    // program's own move later, possibly in steps; a move it never completes
    // stops counting as the program's after a second.
    if (placing_) {
        const bool arrived = pos() == *placing_;
        if (arrived || placingSince_.hasExpired(1000))
            placing_.reset();
        if (arrived || placing_)
            return;
    }
    if (snapping_ || !isVisible() || isMinimized() || workArea_.right <= workArea_.left)
        return;
    const QRect frame = frameGeometry();
    const EdgeRect proposed = edges(frame);
    const EdgeRect snapped = snap_to_work_area(proposed, workArea_, frame.width(), frame.height());
    if (snapped.left == proposed.left && snapped.top == proposed.top)
        return;
    snapping_ = true;
    move(snapped.left, snapped.top);
    snapping_ = false;
}

bool Thlavni::leftToField(QWidget* w, const QKeySequence& pressed) const
{
    // A menu item that cannot act now (nothing to restore) leaves its key
    // to the field's own meaning (the field's undo).
    for (QAction* a : menu_.actions)
        if (a->shortcut() == pressed && !a->isEnabled())
            return true;
    // Ctrl+X cuts selected text, as everywhere on the desktop.
    if (pressed != QKeySequence(Qt::CTRL | Qt::Key_X))
        return false;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        w = spin->findChild<QLineEdit*>();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return !e->isReadOnly() && e->hasSelectedText();
    if (auto* t = qobject_cast<QPlainTextEdit*>(w))
        return !t->isReadOnly() && t->textCursor().hasSelection();
    return false;
}

bool Thlavni::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) {
            const auto* key = static_cast<QKeyEvent*>(e);
            const QKeySequence pressed(key->keyCombination());
            for (const QKeySequence& k : menu_.shortcuts) {
                if (k == pressed && !leftToField(w, pressed)) {
                    // Not taken by the field: the menu item gets the key.
                    e->ignore();
                    return true;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

} // namespace qvk::shell
