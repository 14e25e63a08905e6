#pragma once
// The solution listing window "Výpis řešení": shows the model's listing.
#include "model/model.h"

#include <QDialog>
#include <QPointer>

#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace qvk::shell {

class Tvypis_reseni : public QDialog {
    Q_OBJECT
public:
    Tvypis_reseni(WindowModel& model, double scale, QWidget* mainWindow);

    // Asks for the file name to save to; empty for Cancel.
    using FileChooser = std::function<QString(QWidget* parent)>;
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // Places the window against the right edge of the main window.
    void attach();
    // Writes the listing to `path` (CR LF line ends, replaced only when
    // complete); a failure reaches the error display and the file stays.
    bool saveTo(const QString& path);
    void save();

    // The text area, with every line of the listing written so far.
    QPlainTextEdit* text();

    // The save dialog's name rule: "txt" added to a name without an extension.
    static QString withDefaultSuffix(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void sync();
    void showText();

    WindowModel& model_;
    QPointer<QWidget> main_;
    QPlainTextEdit* text_ = nullptr;
    QStringList shown_;
    bool textPending_ = false;
    FileChooser chooser_;
};

} // namespace qvk::shell
