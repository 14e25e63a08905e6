#include "shell/graph_window.h"
#include "core/fpu.h"
#include "shell/widgets.h"
#include "shell/display_size.h"
#include "shell/geometry.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QScreen>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qvk::shell {

using equations::GraphMark;
using equations::GraphRange;
using equations::GraphScene;

namespace {

const QColor kCurve(0x1f, 0x4e, 0xb4);
const QColor kSolution(0xd0, 0x30, 0x20);
const QColor kGrid(0xe4, 0xe4, 0xe4);
const QColor kAxis(0x40, 0x40, 0x40);
const QColor kVertex(0xff, 0xc0, 0x20);
const QColor kInflection(0x30, 0xb0, 0x60);

struct Mapping {
    GraphRange r;
    QSizeF size;
    double sx() const { return size.width() / (r.xmax - r.xmin); }
    double sy() const { return size.height() / (r.ymax - r.ymin); }
    QPointF pixel(double x, double y) const { return {(x - r.xmin) * sx(), (r.ymax - y) * sy()}; }
};

// Keeps far-off points drawable: painters misbehave on huge coordinates.
QPointF clamp(QPointF p, const QSizeF& s)
{
    const double m = 10 * std::max(s.width(), s.height());
    return {std::clamp(p.x(), -m, m), std::clamp(p.y(), -m, m)};
}

} // namespace

GraphView::GraphView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("graf_plocha"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(scaled(320, display_factor()), scaled(240, display_factor()));
    setAccessibleName(QStringLiteral("Graf"));
    setCursor(Qt::OpenHandCursor);
}

// Grows with the display size, as the other windows do.
QSize GraphView::sizeHint() const { return {scaled(640, display_factor()), scaled(480, display_factor())}; }

void GraphView::setScene(const GraphScene& scene)
{
    scene_ = scene;
    stale_ = false;
    resetView();
}

void GraphView::clearScene()
{
    scene_.reset();
    stale_ = false;
    resetView();
}

void GraphView::setStale(bool stale)
{
    stale_ = stale;
    update();
}

void GraphView::resetView()
{
    FpuFlagsKept kept; // the calculators' flags are not the drawing's business
    fpu_clear();
    range_ = scene_ ? equations::initial_range(*scene_) : GraphRange{};
    range_ = equations::fit_to_view(range_, width(), height());
    fitted_ = true;
    update();
}

QPointF GraphView::toPixel(double x, double y) const { return Mapping{range_, size()}.pixel(x, y); }

QPointF GraphView::toPlane(const QPointF& p) const
{
    const Mapping m{range_, size()};
    return {range_.xmin + p.x() / m.sx(), range_.ymax - p.y() / m.sy()};
}

void GraphView::render(QPainter& p, const QSizeF& size) const
{
    FpuFlagsKept kept; // the calculators' flags are not the drawing's business
    fpu_clear();
    const Mapping m{range_, size};
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    // Lines along the pixel grid of the device, so they stay sharp at any scale.
    const auto crisp = [dpr](double v, double width) {
        const double w = std::max(1.0, std::round(width * dpr));
        const double c = std::fmod(w, 2.0) == 1 ? std::floor(v * dpr) + 0.5 : std::round(v * dpr);
        return c / dpr;
    };
    // Grid and axes lie on the pixel grid: no smoothing needed, and none is cheaper.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(QPointF(), size), Qt::white);
    const QFontMetricsF fm(p.font());
    std::vector<QRectF> taken; // what a mark's label should not cover

    // Grid and tick labels.
    // Tick spacing grows with the display size, so the labels keep their room.
    const double factor = display_factor();
    const double xstep = equations::nice_step(range_.xmax - range_.xmin, std::max(2, int(size.width() / scaled(80, factor))));
    const double ystep = equations::nice_step(range_.ymax - range_.ymin, std::max(2, int(size.height() / scaled(60, factor))));
    const auto xt = equations::ticks(range_.xmin, range_.xmax, xstep);
    const auto yt = equations::ticks(range_.ymin, range_.ymax, ystep);
    p.setPen(QPen(kGrid, 1.0 / dpr));
    for (double x : xt) {
        const double px = crisp(m.pixel(x, 0).x(), 1.0 / dpr);
        p.drawLine(QPointF(px, 0), QPointF(px, size.height()));
    }
    for (double y : yt) {
        const double py = crisp(m.pixel(0, y).y(), 1.0 / dpr);
        p.drawLine(QPointF(0, py), QPointF(size.width(), py));
    }

    // Axes through the origin when it is in view, else along the edges.
    const double ax = crisp(std::clamp(m.pixel(0, 0).x(), 0.0, size.width() - 1), 1);
    const double ay = crisp(std::clamp(m.pixel(0, 0).y(), 0.0, size.height() - 1), 1);
    p.setPen(QPen(kAxis, 1));
    p.drawLine(QPointF(0, ay), QPointF(size.width(), ay));
    p.drawLine(QPointF(ax, 0), QPointF(ax, size.height()));
    taken.emplace_back(0, ay - 0.5, size.width(), 1);
    taken.emplace_back(ax - 0.5, 0, 1, size.height());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(kAxis);
    const auto onRootMark = [&](double px) {
        return scene_ && std::any_of(scene_->marks.begin(), scene_->marks.end(), [&](const GraphMark& mk) {
                   return mk.kind == GraphMark::Kind::Root && std::fabs(m.pixel(mk.x, 0).x() - px) < 3;
               });
    };
    const double below = ay + fm.ascent() + 3 > size.height() ? ay - 3 : ay + fm.ascent() + 3;
    for (double x : xt) {
        if (x == 0)
            continue;
        const QString t = equations::tick_label(x, xstep);
        const QPointF at(m.pixel(x, 0).x() - fm.horizontalAdvance(t) / 2, below);
        if (at.x() < 0 || at.x() + fm.horizontalAdvance(t) > size.width())
            continue; // no label cut by the edge
        if (onRootMark(m.pixel(x, 0).x()))
            continue; // the root's own label says it, and the curve would cross this one
        p.drawText(at, t);
        taken.emplace_back(at.x(), at.y() - fm.ascent(), fm.horizontalAdvance(t), fm.height());
    }
    for (double y : yt) {
        if (y == 0)
            continue;
        const QString t = equations::tick_label(y, ystep);
        const double w = fm.horizontalAdvance(t);
        const double left = ax + 4 + w > size.width() ? ax - 4 - w : ax + 4;
        const QPointF at(left, m.pixel(0, y).y() + fm.ascent() / 2 - 1);
        if (at.y() - fm.ascent() < 0 || at.y() + fm.descent() > size.height())
            continue;
        p.drawText(at, t);
        taken.emplace_back(at.x(), at.y() - fm.ascent(), w, fm.height());
    }

    // The corner: what failed, what has no point.
    QStringList corner;
    if (stale_ && scene_)
        corner << QStringLiteral("Výpočet selhal: graf posledního řešení");
    if (scene_)
        corner << scene_->corner;
    QRectF cornerBox;
    for (int i = 0; i < corner.size(); ++i)
        cornerBox |= QRectF(8, 6 + i * fm.height(), fm.horizontalAdvance(corner[i]), fm.height());
    if (!corner.isEmpty())
        taken.push_back(cornerBox.adjusted(-4, -3, 4, 3));

    if (!scene_)
        return;
    const GraphScene& s = *scene_;

    // The solution set on the x axis, ends open or closed.
    if (s.inequality) {
        p.setPen(QPen(kSolution, 5, Qt::SolidLine, Qt::FlatCap));
        for (const auto& piece : s.solution) {
            const double l = std::isfinite(piece.from) ? m.pixel(piece.from, 0).x() : -10;
            const double r = std::isfinite(piece.to) ? m.pixel(piece.to, 0).x() : size.width() + 10;
            const QPointF a = clamp({l, ay}, size), b = clamp({r, ay}, size);
            if (piece.from != piece.to)
                p.drawLine(a, b);
        }
    }

    // The curve, refined where it bends, cut at the edges.
    const auto curve = equations::curve_in_view(s, range_, size.width(), size.height());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCurve, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& line : curve)
        p.drawPolyline(line.data(), static_cast<int>(line.size()));

    // The page's results: the points first, so no label covers another's point.
    const bool opensUp = !s.coefficients.empty() && s.coefficients.front() > 0;
    // A vertex or an inflection point on a root (a double or triple root)
    // rings it, drawn first and larger.
    const auto onRoot = [&](const GraphMark& mk) {
        const QPointF q = m.pixel(mk.x, mk.y);
        return mk.kind != GraphMark::Kind::Root && std::any_of(s.marks.begin(), s.marks.end(), [&](const GraphMark& r) {
                   const QPointF d = m.pixel(r.x, r.y) - q;
                   return r.kind == GraphMark::Kind::Root && std::hypot(d.x(), d.y()) < 4;
               });
    };
    for (int roots = 0; roots < 2; ++roots) {
        for (const GraphMark& mk : s.marks) {
            if ((mk.kind == GraphMark::Kind::Root) != (roots == 1))
                continue;
            const QPointF q = m.pixel(mk.x, mk.y);
            const double r = onRoot(mk) ? 8 : 4;
            p.setPen(QPen(Qt::black, 1.5));
            p.setBrush(mk.kind == GraphMark::Kind::Root     ? QBrush(Qt::black)
                       : mk.kind == GraphMark::Kind::Vertex ? QBrush(kVertex)
                                                            : QBrush(kInflection));
            p.drawEllipse(q, r, r);
            taken.emplace_back(q.x() - r - 1, q.y() - r - 1, 2 * r + 2, 2 * r + 2);
        }
    }
    for (const GraphMark& mk : s.marks) {
        const QPointF q = m.pixel(mk.x, mk.y);
        const bool above = mk.kind == GraphMark::Kind::Vertex ? !opensUp : true;
        const QSizeF box(fm.horizontalAdvance(mk.label) + 4, fm.height() + 2);
        const QRectF at = equations::place_label(box, q, 8, curve, taken, size, above);
        taken.push_back(at);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawRect(at);
        p.setPen(Qt::black);
        p.drawText(QPointF(at.left() + 2, at.top() + 1 + fm.ascent()), mk.label);
    }

    // Open and closed ends over the root marks: the set decides.
    if (s.inequality) {
        for (const auto& piece : s.solution) {
            const std::pair<double, bool> ends[] = {{piece.from, piece.fromClosed}, {piece.to, piece.toClosed}};
            for (const auto& [x, closed] : ends) {
                if (!std::isfinite(x))
                    continue;
                p.setPen(QPen(kSolution, 2));
                p.setBrush(closed ? QBrush(kSolution) : QBrush(Qt::white));
                p.drawEllipse(clamp(QPointF(m.pixel(x, 0).x(), ay), size), 5, 5);
            }
        }
    }

    if (!corner.isEmpty()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 225));
        p.drawRect(cornerBox.adjusted(-4, -3, 4, 3));
        for (int i = 0; i < corner.size(); ++i) {
            p.setPen(stale_ && i == 0 ? kSolution : QColor(Qt::black));
            p.drawText(QPointF(8, 6 + i * fm.height() + fm.ascent()), corner[i]);
        }
    }
}

void GraphView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    render(p, size());
}

void GraphView::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (!fitted_ || !scene_) {
        resetView();
        return;
    }
    update();
}

void GraphView::wheelEvent(QWheelEvent* e)
{
    FpuFlagsKept kept; // the calculators' flags are not the drawing's business
    fpu_clear();
    const double steps = e->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    const double f = std::pow(0.8, steps);
    const QPointF c = toPlane(e->position());
    const double w = (range_.xmax - range_.xmin) * f, h = (range_.ymax - range_.ymin) * f;
    if (w < 1e-9 || h < 1e-9 || w > 1e9 || h > 1e9)
        return;
    range_.xmin = c.x() - (c.x() - range_.xmin) * f;
    range_.xmax = range_.xmin + w;
    range_.ymax = c.y() + (range_.ymax - c.y()) * f;
    range_.ymin = range_.ymax - h;
    e->accept();
    update();
}

void GraphView::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        drag_ = e->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void GraphView::mouseMoveEvent(QMouseEvent* e)
{
    FpuFlagsKept kept; // the calculators' flags are not the drawing's business
    fpu_clear();
    if (!drag_)
        return;
    const QPointF a = toPlane(*drag_), b = toPlane(e->position());
    range_.xmin += a.x() - b.x();
    range_.xmax += a.x() - b.x();
    range_.ymin += a.y() - b.y();
    range_.ymax += a.y() - b.y();
    drag_ = e->position();
    update();
}

void GraphView::mouseReleaseEvent(QMouseEvent*)
{
    drag_.reset();
    setCursor(Qt::OpenHandCursor);
}

void GraphView::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Home || e->key() == Qt::Key_0) {
        resetView();
        return;
    }
    QWidget::keyPressEvent(e);
}

GraphWindow::GraphWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Tgraf"));
    setWindowTitle(QStringLiteral("Graf"));
    view_ = new GraphView(this);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("graf_popis"));
    status_->setWordWrap(true);
    auto* png = new QPushButton(QStringLiteral("Uložit PNG ..."), this);
    png->setObjectName(QStringLiteral("graf_png"));
    auto* svg = new QPushButton(QStringLiteral("Uložit SVG ..."), this);
    svg->setObjectName(QStringLiteral("graf_svg"));
    auto* copy = new QPushButton(QStringLiteral("Kopírovat"), this);
    copy->setObjectName(QStringLiteral("graf_kopie"));
    auto* reset = new QPushButton(QStringLiteral("Výchozí pohled"), this);
    reset->setObjectName(QStringLiteral("graf_vychozi"));
    reset->setToolTip(QStringLiteral("Home"));
    connect(png, &QPushButton::clicked, this, [this] { saveAs(false); });
    connect(svg, &QPushButton::clicked, this, [this] { saveAs(true); });
    connect(copy, &QPushButton::clicked, this, [this] { copyToClipboard(); });
    connect(reset, &QPushButton::clicked, view_, &GraphView::resetView);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(png);
    buttons->addWidget(svg);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    updateDescription();
}

void GraphWindow::showScene(const std::optional<equations::GraphScene>& scene)
{
    if (scene)
        view_->setScene(*scene);
    else
        view_->setStale(true);
    updateDescription();
}

void GraphWindow::showPage(const std::optional<equations::GraphScene>& scene, bool failed)
{
    if (scene)
        view_->setScene(*scene);
    else
        view_->clearScene();
    view_->setStale(failed && scene);
    updateDescription();
}

void GraphWindow::updateDescription()
{
    QString d = view_->scene() ? view_->scene()->description : QStringLiteral("Graf zatím nebyl vykreslen");
    if (view_->scene() && view_->stale())
        d = QStringLiteral("Výpočet selhal, zobrazen graf posledního řešení: ") + d;
    status_->setText(d);
    view_->setAccessibleDescription(d);
    setAccessibleDescription(d);
}

// The view as a picture at the screen's density.
static QImage render_image(const GraphView& view)
{
    const qreal dpr = view.devicePixelRatioF();
    QImage image((QSizeF(view.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    QPainter p(&image);
    view.render(p, view.size());
    p.end();
    return image;
}

bool GraphWindow::exportPng(const QString& path) const { return render_image(*view_).save(path, "PNG"); }

bool GraphWindow::exportSvg(const QString& path) const
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(view_->size());
    svg.setViewBox(QRect(QPoint(), view_->size()));
    svg.setTitle(QStringLiteral("Graf"));
    svg.setDescription(status_->text());
    QPainter p;
    if (!p.begin(&svg))
        return false;
    view_->render(p, view_->size());
    return p.end();
}

void GraphWindow::copyToClipboard() const { QApplication::clipboard()->setImage(render_image(*view_)); }

GraphWindow::SaveTarget GraphWindow::saveTarget(const QString& chosen, bool svgChosen)
{
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix == u"png" || suffix == u"svg")
        return {chosen, suffix == u"svg"};
    if (suffix.isEmpty() && !chosen.endsWith(u'.'))
        return {chosen + (svgChosen ? QStringLiteral(".svg") : QStringLiteral(".png")), svgChosen};
    return {chosen, svgChosen};
}

void GraphWindow::saveAs(bool svg)
{
    const QString pngFilter = QStringLiteral("Obrázek PNG (*.png)");
    const QString svgFilter = QStringLiteral("Obrázek SVG (*.svg)");
    QFileDialog dialog(this, QStringLiteral("Uložit graf"));
    dialog.setObjectName(QStringLiteral("uloz_graf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({pngFilter, svgFilter});
    dialog.selectNameFilter(svg ? svgFilter : pngFilter);
    const auto suffixOf = [svgFilter](const QString& filter) {
        return filter == svgFilter ? QStringLiteral("svg") : QStringLiteral("png");
    };
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.setDirectory(save_folder(this));
    dialog.selectFile(QStringLiteral("graf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const SaveTarget target = saveTarget(dialog.selectedFiles().constFirst(), dialog.selectedNameFilter() == svgFilter);
    note_save_folder(this, target.path);
    if (!(target.svg ? exportSvg(target.path) : exportPng(target.path)))
        status_->setText(QStringLiteral("Graf se nepodařilo uložit: ") + target.path);
}

void show_beside(QWidget* window, const QWidget* main)
{
    if (!window->isVisible() && main && main->screen()) {
        if (window->layout())
            window->layout()->activate();
        if (!window->testAttribute(Qt::WA_Resized))
            window->adjustSize(); // the size the first show would give it
        // Frames as the window manager draws them; the main window's frame
        // stands for this one's, which is not drawn yet.
        const QRect mainFrame = main->frameGeometry();
        const QRect inner = main->geometry();
        const QMargins frame(inner.left() - mainFrame.left(), inner.top() - mainFrame.top(),
                             mainFrame.right() - inner.right(), mainFrame.bottom() - inner.bottom());
        const QRect room = main->screen()->availableGeometry();
        const QSize outer = window->size().grownBy(frame);
        const int top = std::clamp(mainFrame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height()));
        // The program's other windows on show (the listing beside the main window).
        QList<QRect> taken;
        for (const QWidget* w : main->findChildren<QWidget*>())
            if (w != window && w->isWindow() && w->isVisible())
                taken.append(w->frameGeometry());
        const auto freeAt = [&](const QRect& r) {
            return room.contains(r) && std::none_of(taken.cbegin(), taken.cend(), [&](const QRect& t) { return t.intersects(r); });
        };
        // Right of it, else left of it; without room on either side, against
        // the screen edge on the wider side, over as little of it as may be.
        const QRect right(QPoint(mainFrame.right() + 1, top), outer);
        const QRect left(QPoint(mainFrame.left() - outer.width(), top), outer);
        if (freeAt(right))
            window->move(right.topLeft());
        else if (freeAt(left))
            window->move(left.topLeft());
        else if (room.contains(right)) // over the listing rather than the main window
            window->move(right.topLeft());
        else if (room.contains(left))
            window->move(left.topLeft());
        else if (room.right() - mainFrame.right() >= mainFrame.left() - room.left())
            window->move(std::max(room.left(), room.right() + 1 - outer.width()), top);
        else
            window->move(room.left(), top);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void GraphWindow::showBeside(const QWidget* main) { show_beside(this, main); }

} // namespace qvk::shell
