#pragma once
// A calculation's picture (the model's SVG document) on the screen: small in
// place of a sheet's picture, larger in the "Postup" panel and in its own
// window. The document is drawn as it is; only its size changes.
#include "model/model.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QSvgRenderer;

namespace qvk::shell {

// One document, read once.
class Sketch {
public:
    Sketch() = default;
    explicit Sketch(const QString& svg);

    bool isNull() const { return !renderer_; }
    const QString& svg() const { return svg_; }
    // The drawing's size in its own units; its title (what it shows).
    QSizeF size() const;
    QString title() const;

    // The whole picture in `area`, as large as fits, its aspect kept, centred.
    void render(QPainter& p, const QRectF& area) const;
    // On white, `scale` pixels per drawing unit (at most kLargest pixels a side).
    QImage image(double scale) const;
    static constexpr int kLargest = 4096;

    // The shape alone (no words) at a size of a few lines: lines thickened
    // so that they stay visible, the aspect kept, centred in `pixels`.
    static QImage thumbnail(const QString& svg, QSize pixels, qreal dpr);

private:
    QString svg_;
    std::shared_ptr<QSvgRenderer> renderer_;
};

// The picture scaled to the widget, on the colour of paper.
class SketchView : public QWidget {
    Q_OBJECT
public:
    explicit SketchView(QWidget* parent = nullptr);

    void setSketch(const QString& svg);
    const Sketch& sketch() const { return sketch_; }
    bool hasSketch() const { return !sketch_.isNull(); }
    // Room around the picture, in pixels.
    static constexpr int kMargin = 4;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Sketch sketch_;
};

// The sheets' pictures follow their calculations: a selector's picture shows
// the solved figure of the sheet on show, a sheet's own picture its solid;
// cleared, the generic picture is back. The labels keep the picture the
// binding gives them and are only painted over.
class SketchThumbnails : public QObject {
    Q_OBJECT
public:
    SketchThumbnails(WindowModel& model, QObject* parent = nullptr);

    // Watches the pictures under `root` (a page as it is built).
    void attach(QWidget* root);
    // The page whose picture `label` shows now; empty when none is drawn.
    QString drawnPage(const QLabel* label) const;
    // The label paints a calculation's picture now.
    bool showsSketch(const QLabel* label) const;

    static constexpr const char* kOwnSuffix = "_obrazek";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString pageOf(const QLabel* label) const;
    // The label's picture at its size, made when it changed; null: none.
    QPixmap picture(const QLabel* label) const;
    void refresh();

    WindowModel& model_;
    struct Watched {
        QPointer<QLabel> label;
        QString frameSet; // a selector's picture: its page set; else empty
        QString page;     // a sheet's own picture: its page
    };
    QList<Watched> watched_;
    QStringList ownPictures_; // pages with a picture of their own
    struct Shown {
        QString svg;
        QSize size;
        qreal dpr = 0;
        QPixmap pixmap;
    };
    mutable QHash<const QLabel*, Shown> shown_;
};

} // namespace qvk::shell
