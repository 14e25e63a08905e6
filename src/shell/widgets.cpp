#include "shell/widgets.h"

namespace qvk::shell {

QLabel* text_label(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    return l;
}

QIcon picture(const QString& name) { return QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)); }

} // namespace qvk::shell
