#pragma once
// The "Postup" panel beside the pages: the worked solution of the last
// calculation, to read, copy, save as PDF and print.
#include "model/model.h"

#include <QWidget>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class QTextBrowser;
class QTextDocument;

namespace qvk::shell {

class Sketch;

class PostupView : public QWidget {
    Q_OBJECT
public:
    // The panel's width in design pixels.
    static constexpr int kWidth = 320;

    PostupView(WindowModel& model, double scale, QWidget* parent = nullptr);
    ~PostupView() override;

    // Shows a worked solution, or the hint that none belongs to the page.
    void showPostup(const Postup& postup);
    void showNothing();
    bool hasPostup() const { return !postup_.empty(); }

    // The lines as copying gives them, one a line.
    QString plainText() const;
    // The rich text as copying gives it (without pictures).
    QString html() const;
    QTextBrowser* browser() const { return text_; }

    // The calculation's picture above the text, as wide as the text (empty:
    // none); a click on it asks for the picture's window.
    void showSketch(const QString& svg);
    QString sketch() const;
    // Where the picture is in the text's viewport (before scrolling); empty: none.
    QRect pictureRect() const;

    // Plain and rich text on the clipboard.
    void copy() const;
    // Lays the solution out on the pages of `device` (a printer, a PDF).
    void printOn(QPagedPaintDevice* device) const;
    // Writes it as a PDF file, replaced only when complete; a failure is
    // reported in a message box and the old file stays.
    bool savePdf(const QString& path);
    // "Uložit jako PDF ...": asks for the file.
    void saveAs();
    // "Tisk ...": asks for the printer.
    void print();

    // Replaceable for tests: the file to save to (empty for Cancel), and
    // the printer's setup (false for Cancel).
    using FileChooser = std::function<QString(QWidget* parent)>;
    using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setPrinterSetup(PrinterSetup setup) { printerSetup_ = std::move(setup); }

    // A PDF name ends in ".pdf".
    static QString withPdfSuffix(const QString& path);

signals:
    void pictureOpened();

protected:
    void changeEvent(QEvent* event) override;

private:
    void render();
    void contextMenu(const QPoint& at);
    // The icon of the error display, at the height of a line.
    void addErrorIcon(QTextDocument* document) const;
    void addPicture(QTextDocument* document);

    WindowModel& model_;
    QTextBrowser* text_ = nullptr;
    std::unique_ptr<Sketch> sketch_;
    QRect picture_;
    QPushButton* copy_ = nullptr;
    QPushButton* pdf_ = nullptr;
    QPushButton* print_ = nullptr;
    Postup postup_;
    FileChooser chooser_;
    PrinterSetup printerSetup_;
};

} // namespace qvk::shell
