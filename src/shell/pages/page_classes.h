#pragma once
// The pages of the calculator table as widgets: every page gets the class
// named for it in page_classes.cpp, a page that holds a page set one of the
// two classes below.
#include "app/calculators.h"
#include "model/model.h"

#include <QWidget>

#include <functional>

class QTabWidget;

namespace qvk::shell {

// Told of each page built after its page set (the binding binds it).
using PageBuilt = std::function<void(QWidget* page)>;

// The widget of one page of the table, named after it. With `built`, the
// page sets inside it build their pages as add_pages does.
QWidget* make_page(const app::Page& page, const WindowModel& model, double scale, const PageBuilt& built = {});
// Adds the pages of the model page set named like `pages` (empty pages where
// the table has no class yet). With `built`, only the page on show is built
// now; each other one when it is first chosen, in place of a stand-in of its
// name, and then `built` is told of it.
void add_pages(QTabWidget* pages, const WindowModel& model, double scale, const PageBuilt& built = {});
// The page at `index` of a page set, built now if it was not yet.
QWidget* build_page(QTabWidget* pages, int index);
// Builds every page not built yet under `root`.
void build_all_pages(QWidget* root);
// The pages that have a class of their own.
QStringList page_class_names();

// A top page holding a page set drawn as buttons ("Rovnice", "Čísla").
class ButtonPagesPage : public QWidget {
    Q_OBJECT
public:
    ButtonPagesPage(const app::Page& page, const WindowModel& model, double scale, const PageBuilt& built = {},
                    QWidget* parent = nullptr);
};

// A top page holding a selector frame ("Planimetrie", "Stereometrie"): the
// selector with its picture, the clear and compute buttons and the sheets in
// a page set without tabs.
class SelectorPage : public QWidget {
    Q_OBJECT
public:
    SelectorPage(const app::Page& page, const WindowModel& model, double scale, const PageBuilt& built = {},
                 QWidget* parent = nullptr);
    QTabWidget* sheets() const { return sheets_; }

private:
    // Tab runs selector, the fields of the sheet on show, compute, clear.
    void orderTabs();
    void enterSheet();

    QWidget* selector_ = nullptr;
    QWidget* clear_ = nullptr;
    QWidget* compute_ = nullptr;
    QTabWidget* sheets_ = nullptr;
    QWidget* first_ = nullptr; // the sheet's first field
};

} // namespace qvk::shell
