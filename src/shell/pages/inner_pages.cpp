#include "shell/pages/inner_pages.h"
#include "shell/widgets.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace qvk::shell {

void add_pages(QTabWidget* pages, const WindowModel& model, const std::function<QWidget*(const QString&)>& make)
{
    const Field& set = model.field(pages->objectName());
    for (const QString& name : set.items) {
        QWidget* page = make ? make(name) : nullptr;
        if (!page)
            page = new QWidget;
        page->setObjectName(name);
        pages->addTab(page, model.field(name).caption);
    }
}

QTabWidget* fill_button_pages(QWidget* owner, const WindowModel& model, const char* set,
                              const std::function<QWidget*(const QString&)>& make)
{
    auto* pages = button_pages(owner, set);
    add_pages(pages, model, make);
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
    return pages;
}

} // namespace qvk::shell
