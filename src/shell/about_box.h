#pragma once
// The about box "O programu QVkalkor".
#include "model/model.h"

#include <QDialog>
#include <QLabel>
#include <QUrl>

#include <functional>

namespace qvk::shell {

// A text link: blue, red while the mouse is over it, a hand cursor.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent);
    QColor colour() const;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setColour(const QColor& colour);
};

class TOprog : public QDialog {
    Q_OBJECT
public:
    TOprog(WindowModel& model, double scale, QWidget* mainWindow);

    // Centres on the main window and shows the box modally.
    int show_about();

    // Opens an address through the desktop (replaceable for tests); false
    // when no program took it.
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { opener_ = std::move(opener); }

    static QString author();
    static QString mail();
    static QString web();
    static QUrl mailUrl();

    // Without a mail program: the box that offers the address to copy.
    static QString noMailText();

private:
    void writeMail();

    WindowModel& model_;
    UrlOpener opener_;
};

} // namespace qvk::shell
