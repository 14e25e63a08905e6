#pragma once
// The picture of the last calculation in a window of its own, scaled to fit,
// following new calculations while it is open; copied and saved as PNG or SVG.
#include "model/model.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace qvk::shell {

class SketchView;

class SketchWindow : public QWidget {
    Q_OBJECT
public:
    explicit SketchWindow(WindowModel& model, QWidget* parent = nullptr);

    SketchView* view() const { return view_; }
    // The picture on show (the model's text); empty when there is none.
    QString svg() const;
    // The page whose picture it holds.
    const QString& page() const { return page_; }

    // Shows the picture of the page on show when it has one, else of the
    // last calculation that drew, beside `main`.
    void open(const QWidget* main);

    // PNG at kPngScale pixels per drawing unit on white; SVG as the model
    // wrote it, byte for byte. A failure is reported in a message box.
    static constexpr double kPngScale = 4;
    bool savePng(const QString& path);
    bool saveSvg(const QString& path);
    // The image and the SVG text (image/svg+xml) on the clipboard.
    void copy() const;
    // "Uložit jako ...": asks for the file and its type.
    void saveAs();

    // Replaceable for tests: the file chosen (empty for Cancel) and whether
    // the SVG type was chosen.
    struct Chosen {
        QString path;
        bool svg = false;
    };
    using FileChooser = std::function<Chosen(QWidget* parent)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void follow();
    void refresh();

    WindowModel& model_;
    SketchView* view_ = nullptr;
    QLabel* title_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QString page_;
    bool pending_ = false;
    FileChooser chooser_;
};

} // namespace qvk::shell
