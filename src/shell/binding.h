#pragma once
// Binds the widgets of a window to the window model by objectName: the model
// is shown in the widgets, and user actions update the model and run the
// handler of the event (<name>Click, <name>Change, <name>KeyUp).
#include "model/model.h"
#include "model/registry.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QAction;

namespace qvk::shell {

class Binding : public QObject {
    Q_OBJECT
public:
    Binding(WindowModel& model, const Registry& registry, QObject* parent = nullptr);

    // Binds every descendant of `root` whose objectName is a model field.
    void bindTree(QWidget* root);
    void bind(QWidget* widget);
    QWidget* widget(const QString& name) const { return widgets_.value(name); }
    // Binds a menu item by objectName: text, checked, visible, enabled;
    // choosing it fires <name>Click.
    void bindAction(QAction* action);
    QAction* action(const QString& name) const { return actions_.value(name); }

    // A QLabel with this property set shows the picture its field names.
    static constexpr const char* kPictureProperty = "qvkPicture";
    // The width and left edge that calculators set are design pixels: a
    // widget with this property (a double) is sized and placed at that many
    // times as many real pixels, otherwise at as many.
    static constexpr const char* kDesignScaleProperty = "qvkDesignScale";

    // Runs a handler as a user action would; false when the event has none
    // (a change or key release that no calculator listens to).
    bool fire(const QString& event);

    // Puts the focus on the first field of a page that can be typed into or
    // chosen in (at start and after a page change).
    void focusFirstInput(QWidget* page);

    WindowModel& model() const { return model_; }
    const Registry& registry() const { return registry_; }

    // The accessible name a widget gets: its widget name when QVKALKOR_A11Y_IDS=1.
    static QString accessibleNameFor(const Field& field);

signals:
    // After each handler run, whatever its outcome.
    void handled(const QString& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& name);
    void showAction(const QString& name);
    void connectUser(QWidget* w, const QString& name);
    // Enter in a field: clicks the calculate button of its group, or the one of its page.
    bool runCalculation(QWidget* field);

    WindowModel& model_;
    const Registry& registry_;
    QHash<QString, QPointer<QWidget>> widgets_;
    QHash<QString, QPointer<QAction>> actions_;
    QHash<QString, qsizetype> shownLength_; // text areas: length of the text shown
    int updating_ = 0; // > 0 while the model is being shown in the widgets
};

} // namespace qvk::shell
