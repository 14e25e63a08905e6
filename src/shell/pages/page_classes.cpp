#include "shell/binding.h"
#include "equations/cubic.h"
#include "equations/quadratic.h"
#include "equations/system.h"
#include "numbers/angles.h"
#include "numbers/bases.h"
#include "numbers/divisors.h"
#include "numbers/fractions.h"
#include "numbers/primes.h"
#include "statistics/statistics.h"
#include "shell/geometry.h"
#include "shell/pages/angles_page.h"
#include "shell/pages/bases_page.h"
#include "shell/pages/cubic_page.h"
#include "shell/pages/fields.h"
#include "shell/pages/fractions_page.h"
#include "shell/pages/page_classes.h"
#include "shell/pages/plane_sheets.h"
#include "shell/pages/primes_page.h"
#include "shell/pages/quadratic_page.h"
#include "shell/pages/solid_sheets.h"
#include "shell/pages/statistics_page.h"
#include "shell/pages/system_page.h"
#include "shell/widgets.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace qvk::shell {

namespace {

template <typename P>
QWidget* build(const WindowModel& model, double scale)
{
    return new P(model, scale);
}

// A page of its descriptor's fields alone.
template <std::span<const declare::Entry> (*Fields)()>
QWidget* fields_page(const WindowModel& model, double scale)
{
    auto* page = new QWidget;
    build_fields(page, model, Fields(), scale);
    return page;
}

// The figure sheets share one class, laid out by the sheet's name.
template <const char* Name>
QWidget* sheet(const WindowModel& model, double scale)
{
    return new FigureSheet(Name, model, scale);
}

// The selector of a frame. Arrow keys and the wheel leaf through the items
// and keep the focus; an item chosen in the list, or Enter, goes on into the
// sheet.
class SelectorBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    bool leafing() const { return leafing_; }
    std::function<void()> entered;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier)) {
            if (entered)
                entered();
            return;
        }
        leafing_ = true;
        QComboBox::keyPressEvent(e);
        leafing_ = false;
    }
    void wheelEvent(QWheelEvent* e) override
    {
        leafing_ = true;
        QComboBox::wheelEvent(e);
        leafing_ = false;
    }

private:
    bool leafing_ = false;
};

constexpr char kRightTriangle[] = "trojuhelnik_p_desk";
constexpr char kTriangle[] = "trojuhelnik_desk";
constexpr char kSquare[] = "ctverec_desk";
constexpr char kRectangle[] = "obdelnik_desk";
constexpr char kParallelogram[] = "rovnobeznik_desk";
constexpr char kTrapezoid[] = "lichobeznik_desk";
constexpr char kPolygon[] = "n_uhelnik_desk";
constexpr char kCircle[] = "kruh_desk";

// The class of each calculator page, by its name in the calculator table.
struct PageClass {
    const char* page;
    QWidget* (*make)(const WindowModel&, double);
};

const PageClass kPageClasses[] = {
    {equations::kQuadraticPage, build<QuadraticPage>},
    {equations::kCubicPage, build<CubicPage>},
    {equations::kSystemPage, build<SystemPage>},
    {numbers::kPrimesPage, build<PrimesPage>},
    {numbers::kBasesPage, build<BasesPage>},
    {numbers::kFractionsPage, build<FractionsPage>},
    {numbers::kDivisorsPage, fields_page<numbers::divisors_fields>},
    {numbers::kAnglesPage, build<AnglesPage>},
    {statistics::kStatisticsPage, build<StatisticsPage>},
    {kRightTriangle, sheet<kRightTriangle>},
    {kTriangle, sheet<kTriangle>},
    {kSquare, sheet<kSquare>},
    {kRectangle, sheet<kRectangle>},
    {kParallelogram, sheet<kParallelogram>},
    {kTrapezoid, sheet<kTrapezoid>},
    {kPolygon, sheet<kPolygon>},
    {kCircle, sheet<kCircle>},
    {"krychle_desk", solid_sheet<stereometry::cube>},
    {"kvadr_desk", solid_sheet<stereometry::cuboid>},
    {"jehlan_desk", solid_sheet<stereometry::pyramid>},
    {"koule_desk", solid_sheet<stereometry::sphere>},
    {"kuzel_desk", solid_sheet<stereometry::cone>},
    {"valec_desk", solid_sheet<stereometry::cylinder>},
};

} // namespace

QStringList page_class_names()
{
    QStringList names;
    for (const PageClass& c : kPageClasses)
        names.append(QString::fromLatin1(c.page));
    return names;
}

QWidget* make_page(const app::Page& page, const WindowModel& model, double scale, const PageBuilt& built)
{
    QWidget* w = nullptr;
    if (page.holds && page.frame)
        w = new SelectorPage(page, model, scale, built);
    else if (page.holds)
        w = new ButtonPagesPage(page, model, scale, built);
    for (const PageClass& c : kPageClasses)
        if (!w && QLatin1String(c.page) == QLatin1String(page.name))
            w = c.make(model, scale);
    if (!w)
        w = new QWidget;
    w->setObjectName(QString::fromLatin1(page.name));
    return w;
}

namespace {

// Holds the place of a page not built yet: its name, so that the binding
// and the page set know it, and what it takes to build it.
class PendingPage : public QWidget {
public:
    PendingPage(const app::Page& page, const WindowModel& model, double scale, PageBuilt built)
        : page_(page), model_(model), scale_(scale), built_(std::move(built))
    {
        setObjectName(QString::fromLatin1(page.name));
    }

    // Puts the page in its place in `pages` (at `index`) and goes.
    QWidget* build(QTabWidget* pages, int index)
    {
        QWidget* w = make_page(page_, model_, scale_, built_);
        {
            // The page set stays on the same page: nobody is told of a change.
            const QSignalBlocker quiet(pages);
            const bool current = pages->currentIndex() == index;
            pages->insertTab(index, w, pages->tabText(index));
            pages->setTabToolTip(index, pages->tabToolTip(index + 1));
            pages->setTabEnabled(index, pages->isTabEnabled(index + 1));
            pages->setTabVisible(index, pages->isTabVisible(index + 1));
            if (current)
                pages->setCurrentIndex(index);
            pages->removeTab(index + 1);
        }
        const PageBuilt built = built_;
        delete this;
        if (built)
            built(w);
        return w;
    }

private:
    const app::Page& page_;
    const WindowModel& model_;
    double scale_;
    PageBuilt built_;
};

} // namespace

void add_pages(QTabWidget* pages, const WindowModel& model, double scale, const PageBuilt& built)
{
    const QList<const app::Page*> list = app::pages_of(pages->objectName());
    if (!built) {
        for (const app::Page* page : list)
            pages->addTab(make_page(*page, model, scale), model.field(QString::fromLatin1(page->name)).caption);
        return;
    }
    // The page on show is the model's; the others wait until they are chosen.
    const int shown = model.index(pages->objectName());
    for (int i = 0; i < list.size(); ++i) {
        const app::Page& page = *list[i];
        QWidget* w = i == shown ? make_page(page, model, scale, built) : new PendingPage(page, model, scale, built);
        pages->addTab(w, model.field(QString::fromLatin1(page.name)).caption);
    }
    // Before the binding hears of the change, so that it meets the page itself.
    QObject::connect(pages, &QTabWidget::currentChanged, pages, [pages](int index) { build_page(pages, index); });
}

QWidget* build_page(QTabWidget* pages, int index)
{
    QWidget* w = pages->widget(index);
    if (auto* pending = dynamic_cast<PendingPage*>(w))
        return pending->build(pages, index);
    return w;
}

void build_all_pages(QWidget* root)
{
    // Each page built may hold page sets of its own: look again until none waits.
    for (bool more = true; more;) {
        more = false;
        for (QTabWidget* pages : root->findChildren<QTabWidget*>()) {
            for (int i = 0; i < pages->count(); ++i) {
                if (dynamic_cast<PendingPage*>(pages->widget(i))) {
                    build_page(pages, i);
                    more = true;
                }
            }
        }
    }
}

ButtonPagesPage::ButtonPagesPage(const app::Page& page, const WindowModel& model, double s, const PageBuilt& built,
                                 QWidget* parent)
    : QWidget(parent)
{
    auto* pages = button_pages(this, page.holds);
    add_pages(pages, model, s, built);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages);
}

SelectorPage::SelectorPage(const app::Page& page, const WindowModel& model, double s, const PageBuilt& built,
                           QWidget* parent)
    : QWidget(parent)
{
    const app::Frame& f = *page.frame;
    auto* selector = make<SelectorBox>(this, f.selector);
    selector_ = selector;
    place(selector, 6, 8, 168, 22, s);
    selector->entered = [this] { enterSheet(); };
    connect(selector, &QComboBox::activated, this, [this, selector] {
        // Once the binding has shown the chosen sheet.
        if (!selector->leafing())
            QMetaObject::invokeMethod(this, &SelectorPage::enterSheet, Qt::QueuedConnection);
    });
    auto* icon = make<QLabel>(this, f.icon);
    icon->setProperty(Binding::kPictureProperty, true);
    icon->setAlignment(Qt::AlignCenter);
    place(icon, 182, 3, 33, 33, s);

    auto* clear = make<QPushButton>(this, f.clear);
    clear->setIcon(picture(QStringLiteral("novy")));
    set_accessible(clear, QStringLiteral("Vymazat"));
    place(clear, 228, 6, 30, 26, s);
    clear->setIconSize(clear->size() * 2 / 3);
    auto* compute = make<QPushButton>(this, f.compute);
    compute->setIcon(picture(QStringLiteral("vypocti")));
    place(compute, 264, 6, 96, 26, s);
    clear_ = clear;
    compute_ = compute;

    sheets_ = hidden_pages(this, page.holds);
    add_pages(sheets_, model, s, built);
    place(sheets_, 0, 38, kClientWidth - 6, kClientHeight - 38 - 48, s);
    connect(sheets_, &QTabWidget::currentChanged, this, &SelectorPage::orderTabs);
    orderTabs();
}

void SelectorPage::orderTabs()
{
    QWidget* sheet = sheets_->currentWidget();
    if (!sheet)
        return;
    // The fields in the sheet's own order.
    QList<QWidget*> fields;
    for (QWidget* w = sheet->nextInFocusChain(); w && w != sheet; w = w->nextInFocusChain())
        if (sheet->isAncestorOf(w) && !w->isHidden() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !fields.contains(w))
            fields.append(w);
    first_ = fields.isEmpty() ? nullptr : fields.first();
    QWidget* previous = selector_;
    for (QWidget* w : fields) {
        QWidget::setTabOrder(previous, w);
        previous = w;
    }
    QWidget::setTabOrder(previous, compute_);
    QWidget::setTabOrder(compute_, clear_);
}

void SelectorPage::enterSheet()
{
    if (first_ && first_->isVisible())
        first_->setFocus(Qt::TabFocusReason);
}

} // namespace qvk::shell
