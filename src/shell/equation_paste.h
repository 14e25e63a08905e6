#pragma once
// An equation pasted whole into a coefficient field of the quadratic or the
// cubic page fills the page (Ctrl+V, Shift+Insert, the context menu); any
// other text is pasted as usual.
#include "model/model.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace qvk::shell {

class EquationPaste : public QObject {
public:
    // Serves the fields of `window`, also pages built after this.
    EquationPaste(WindowModel& model, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the clipboard held an equation of the field's page.
    bool pasteInto(QWidget* field);

    WindowModel& model_;
    QPointer<QWidget> window_;
};

} // namespace qvk::shell
