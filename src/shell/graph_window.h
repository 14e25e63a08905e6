#pragma once
// The graph of the equation on the page: its own window beside the main one,
// following the page's solves. The scene comes from the equations layer; this
// only draws it and moves the view.
#include "equations/graph.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace qvk::shell {

// Shows a secondary window beside `main` (right, else left) where the screen
// has room, the first time; then raises and activates it.
void show_beside(QWidget* window, const QWidget* main);

class GraphView : public QWidget {
    Q_OBJECT
public:
    explicit GraphView(QWidget* parent = nullptr);

    void setScene(const equations::GraphScene& scene); // resets the view
    void clearScene();
    void setStale(bool stale);
    bool stale() const { return stale_; }
    const std::optional<equations::GraphScene>& scene() const { return scene_; }
    equations::GraphRange range() const { return range_; }
    void resetView();

    // Draws the view into any paint device of that size (screen, image, SVG).
    void render(QPainter& p, const QSizeF& size) const;
    // Where a point of the plane is in the widget, and back.
    QPointF toPixel(double x, double y) const;
    QPointF toPlane(const QPointF& pixel) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    std::optional<equations::GraphScene> scene_;
    equations::GraphRange range_;
    bool stale_ = false;
    bool fitted_ = false;
    std::optional<QPointF> drag_;
};

class GraphWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphWindow(QWidget* parent = nullptr);

    GraphView* view() const { return view_; }
    // A solved page, or nothing when the solve failed (the last graph stays, marked).
    void showScene(const std::optional<equations::GraphScene>& scene);
    // Another page's graph: its last good scene (none: an empty view), marked
    // when the page's last solve failed.
    void showPage(const std::optional<equations::GraphScene>& scene, bool failed);

    // Shows the window beside `main` (right, else left) where the screen has room.
    void showBeside(const QWidget* main);

    bool exportPng(const QString& path) const;
    bool exportSvg(const QString& path) const;
    void copyToClipboard() const;

    // What a save writes: a name without an extension gets the one of the
    // type chosen; a name ending in ".png" or ".svg" is saved as that.
    struct SaveTarget {
        QString path;
        bool svg = false;
    };
    static SaveTarget saveTarget(const QString& chosen, bool svgChosen);

private:
    void updateDescription();
    void saveAs(bool svg);

    GraphView* view_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace qvk::shell
