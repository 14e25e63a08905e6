#pragma once
// The figure sheets of the page "Planimetrie": one class draws any of them
// from its layout (captions, fields and unit marks on a grid).
#include "model/model.h"

#include <QWidget>

namespace qvk::shell {

class FigureSheet : public QWidget {
    Q_OBJECT
public:
    // `name` is the sheet's page name in the calculator table.
    FigureSheet(const char* name, const WindowModel& model, double scale, QWidget* parent = nullptr);
};

} // namespace qvk::shell
