#include "shell/sketch_view.h"
#include "app/calculators.h"
#include "core/fpu.h"
#include "shell/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace qvk::shell {

namespace {

const QString kShape = QStringLiteral("shape");

// `size` as large as fits into `area`, centred.
QRectF fitted(QSizeF size, const QRectF& area)
{
    if (size.width() <= 0 || size.height() <= 0 || area.isEmpty())
        return {};
    size.scale(area.size(), Qt::KeepAspectRatio);
    return QRectF(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QString unescaped(QString s)
{
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

// Every line width and dash of the document times `k`.
QString thickened(const QString& svg, double k)
{
    static const QRegularExpression number(QStringLiteral("(stroke-width|stroke-dasharray)=\"([^\"]*)\""));
    static const QRegularExpression value(QStringLiteral("[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
    QString out;
    qsizetype from = 0;
    for (auto it = number.globalMatch(svg); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(svg).mid(from, m.capturedStart(2) - from);
        QString values = m.captured(2);
        QString scaled;
        qsizetype at = 0;
        for (auto v = value.globalMatch(values); v.hasNext();) {
            const QRegularExpressionMatch n = v.next();
            scaled += QStringView(values).mid(at, n.capturedStart() - at);
            scaled += QString::number(n.captured().toDouble() * k, 'g', 6);
            at = n.capturedEnd();
        }
        scaled += QStringView(values).mid(at);
        out += scaled;
        from = m.capturedEnd(2);
    }
    out += QStringView(svg).mid(from);
    return out;
}

} // namespace

Sketch::Sketch(const QString& svg) : svg_(svg)
{
    if (svg.isEmpty())
        return;
    auto r = std::make_shared<QSvgRenderer>(svg.toUtf8());
    if (r->isValid() && !r->viewBoxF().isEmpty())
        renderer_ = std::move(r);
}

QSizeF Sketch::size() const { return renderer_ ? renderer_->viewBoxF().size() : QSizeF(); }

QString Sketch::title() const
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    return unescaped(title.match(svg_).captured(1)).trimmed();
}

void Sketch::render(QPainter& p, const QRectF& area) const
{
    const QRectF into = fitted(size(), area);
    if (renderer_ && !into.isEmpty())
        renderer_->render(&p, into);
}

QImage Sketch::image(double scale) const
{
    if (!renderer_)
        return {};
    QSizeF pixels = size() * scale;
    if (pixels.width() > kLargest || pixels.height() > kLargest)
        pixels.scale(kLargest, kLargest, Qt::KeepAspectRatio);
    QImage image(pixels.toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    render(p, QRectF(QPointF(), QSizeF(image.size())));
    p.end();
    return image;
}

QImage Sketch::thumbnail(const QString& svg, QSize pixels, qreal dpr)
{
    QSvgRenderer plain(svg.toUtf8());
    if (!plain.isValid() || !plain.elementExists(kShape) || pixels.isEmpty())
        return {};
    // A point or a line still has a size to fit.
    const QRectF bounds = plain.transformForElement(kShape).mapRect(plain.boundsOnElement(kShape)).adjusted(-1, -1, 1, 1);
    if (!std::isfinite(bounds.width()) || !std::isfinite(bounds.height()))
        return {};
    const QSizeF room = QSizeF(pixels) * dpr;
    double k = std::min(room.width() / bounds.width(), room.height() / bounds.height());
    // The outline (two units wide) comes to about one and a half pixels;
    // half of the widest line is left as margin.
    const double thicker = std::max(1.0, 1.5 * dpr / (2 * k));
    const double margin = 2 * thicker * k / 2 + dpr;
    k = std::min((room.width() - 2 * margin) / bounds.width(), (room.height() - 2 * margin) / bounds.height());
    if (!(k > 0))
        return {};
    QSvgRenderer r(thicker > 1 ? thickened(svg, thicker).toUtf8() : svg.toUtf8());
    if (!r.isValid() || !r.elementExists(kShape))
        return {};
    QImage image(room.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = r.transformForElement(kShape).mapRect(r.boundsOnElement(kShape));
    r.render(&p, kShape, fitted(inner.size(), QRectF(QPointF(), room).adjusted(margin, margin, -margin, -margin)));
    p.end();
    image.setDevicePixelRatio(dpr);
    return image;
}

SketchView::SketchView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SketchView::setSketch(const QString& svg)
{
    if (svg == sketch_.svg())
        return;
    sketch_ = Sketch(svg);
    setAccessibleDescription(sketch_.title());
    update();
}

void SketchView::paintEvent(QPaintEvent*)
{
    // The toolkit's painting is no part of a calculation.
    FpuFlagsKept kept;
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int m = kMargin;
    sketch_.render(p, QRectF(rect()).adjusted(m, m, -m, -m));
}

SketchThumbnails::SketchThumbnails(WindowModel& model, QObject* parent) : QObject(parent), model_(model)
{
    // The model may outlive the window.
    model_.observe([self = QPointer<SketchThumbnails>(this)](const QString& name) {
        if (!self)
            return;
        if (name == WindowModel::kSketch ||
            (self->model_.has(name) && self->model_.field(name).kind == Kind::Pages))
            self->refresh();
    });
}

void SketchThumbnails::attach(QWidget* root)
{
    const auto watch = [this](QLabel* label, const QString& frameSet, const QString& page) {
        for (const Watched& w : std::as_const(watched_))
            if (w.label == label)
                return;
        watched_.append({label, frameSet, page});
        label->installEventFilter(this);
    };
    const auto labels = root->findChildren<QLabel*>();
    for (const app::Page& p : app::page_table()) {
        const QString frameIcon = p.frame ? QString::fromLatin1(p.frame->icon) : QString();
        const QString own = p.holds ? QString() : QString::fromLatin1(p.name) + QLatin1String(kOwnSuffix);
        for (QLabel* l : labels) {
            if (!frameIcon.isEmpty() && l->objectName() == frameIcon)
                watch(l, QString::fromLatin1(p.holds), {});
            if (!own.isEmpty() && l->objectName() == own) {
                watch(l, {}, QString::fromLatin1(p.name));
                if (!ownPictures_.contains(QString::fromLatin1(p.name)))
                    ownPictures_.append(QString::fromLatin1(p.name));
            }
        }
    }
}

QString SketchThumbnails::pageOf(const QLabel* label) const
{
    for (const Watched& w : watched_) {
        if (w.label != label)
            continue;
        if (!w.page.isEmpty())
            return w.page;
        const QList<const app::Page*> sheets = app::pages_of(w.frameSet);
        const int index = model_.index(w.frameSet);
        if (index < 0 || index >= sheets.size())
            return {};
        const QString sheet = QString::fromLatin1(sheets[index]->name);
        // A sheet with a picture of its own shows it there.
        return ownPictures_.contains(sheet) ? QString() : sheet;
    }
    return {};
}

QString SketchThumbnails::drawnPage(const QLabel* label) const
{
    const QString page = pageOf(label);
    return !page.isEmpty() && model_.drawn(page) ? page : QString();
}

bool SketchThumbnails::showsSketch(const QLabel* label) const { return !picture(label).isNull(); }

QPixmap SketchThumbnails::picture(const QLabel* label) const
{
    const QString page = drawnPage(label);
    if (page.isEmpty()) {
        shown_.remove(label);
        return {};
    }
    // Neither the picture's making nor its drawing is part of a calculation.
    FpuFlagsKept kept;
    fpu_clear();
    const QString& svg = model_.sketch(page);
    Shown& s = shown_[label];
    const QSize size = label->contentsRect().size();
    const qreal dpr = label->devicePixelRatioF();
    if (s.svg != svg || s.size != size || s.dpr != dpr)
        s = {svg, size, dpr, svg.isEmpty() ? QPixmap() : QPixmap::fromImage(Sketch::thumbnail(svg, size, dpr))};
    return s.pixmap;
}

void SketchThumbnails::refresh()
{
    watched_.removeIf([](const Watched& w) { return w.label.isNull(); });
    for (const Watched& w : std::as_const(watched_))
        w.label->update();
}

bool SketchThumbnails::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    auto* label = qobject_cast<QLabel*>(watched);
    const QPixmap pixmap = label ? picture(label) : QPixmap();
    if (pixmap.isNull())
        return false; // the generic picture
    QPainter p(label);
    const QRect r = label->contentsRect();
    const QSizeF logical = QSizeF(pixmap.size()) / pixmap.devicePixelRatio();
    FpuFlagsKept kept;
    p.drawPixmap(QPointF(r.x() + (r.width() - logical.width()) / 2, r.y() + (r.height() - logical.height()) / 2),
                 pixmap);
    return true;
}

} // namespace qvk::shell
