#pragma once
// Small helpers for building pages.
#include "model/model.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>

class QPushButton;
class QTabWidget;

namespace qvk::shell {

// A widget named after its model field; the binding fills in the rest.
template <typename W>
W* make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

// A caption with no field behind it.
QLabel* text_label(QWidget* parent, const QString& text);
// The caption the model holds for a field, as a label beside it.
QLabel* caption_label(QWidget* parent, const WindowModel& model, const char* field);

// A named picture of the program's resources (":/pictures/<name>.svg").
QIcon picture(const QString& name);

// A page set whose page tabs are drawn as a row of buttons.
QTabWidget* button_pages(QWidget* parent, const char* name);
// A page set without tabs: only the program changes its page.
QTabWidget* hidden_pages(QWidget* parent, const char* name);

// Accessible name and description of a widget that has no model field (the
// secondary windows); the widget name instead when QVKALKOR_A11Y_IDS=1.
void set_accessible(QWidget* w, const QString& name, const QString& hint = {});
bool a11y_ids();

// A button of a secondary window, named and described; Enter in the window
// does not press it.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint);

// Keeps the whole text of a one-line field readable (a line edit or a plain
// label): a text wider than the field is drawn in a smaller font, down to
// kSmallest of the field's own; a text that does not fit even then ends in a
// visible "…" and is shown whole in the hint. Follows the text, the field's
// size and the fonts of the field, its page and the application. An edit the
// user is typing in keeps its own font, as any edit does.
class TextFit : public QObject {
    Q_OBJECT
public:
    static constexpr double kSmallest = 0.7;

    // Fits `field` from now on (once; later calls give the same fit).
    static TextFit* install(QWidget* field);
    static TextFit* of(const QWidget* field);

    // The hint shown on the field; the whole text is added while it is cut.
    void setHint(const QString& hint);
    void refit();

    // Shown in a smaller font than its own.
    bool shrunk() const { return shrunk_; }
    // Does not fit even in the smallest font: cut, with the "…" shown.
    bool cut() const { return cut_; }
    // The room the field has for its text and the width `font` gives the text.
    int room() const;
    int textWidth(const QFont& font) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TextFit(QWidget* field);
    QString text() const;
    void refitLater();
    void setCut(bool cut);

    QWidget* field_;
    QPointer<QWidget> parent_;
    QWidget* mark_ = nullptr; // the "…"
    QString hint_;
    QFont own_;              // the font set on the field before it was fitted
    Qt::Alignment alignment_;
    bool shrunk_ = false;
    bool cut_ = false;
    bool fitting_ = false;
    bool pending_ = false;
};

// The folder a save dialog of the program opens in: the last folder saved to
// from any window of `w`'s main window in this run, at first the user's
// documents folder.
QString save_folder(const QWidget* w);
void note_save_folder(QWidget* w, const QString& savedFile);

} // namespace qvk::shell
