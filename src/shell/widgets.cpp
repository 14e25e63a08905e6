#include "shell/widgets.h"

#include <QHash>
#include <QTabBar>
#include <QKeyEvent>
#include <QTabWidget>

namespace qvk::shell {

QLabel* text_label(QWidget* parent, const QString& text)
{
    auto* l = new QLabel(text, parent);
    return l;
}

QLabel* caption_label(QWidget* parent, const WindowModel& model, const char* field)
{
    return text_label(parent, model.field(QString::fromUtf8(field)).caption);
}

QIcon picture(const QString& name) { return QIcon(QStringLiteral(":/pictures/%1.svg").arg(name)); }

bool runs_calculation(const QString& button)
{
    // The buttons with the pictures "vypocti", "preved" and "vypis".
    static const QStringList runs = {
        QStringLiteral("kub_vyres"),    QStringLiteral("kvreseni"),  QStringLiteral("sous_rov_vyres"),
        QStringLiteral("rozloz"),       QStringLiteral("zlomek"),    QStringLiteral("vyres_d2"),
        QStringLiteral("vyres_d3"),     QStringLiteral("stat_vyres"), QStringLiteral("dvecisla"),
        QStringLiteral("uhly_vypocet"), QStringLiteral("preved"),    QStringLiteral("preved_soustavy"),
        QStringLiteral("vypis")};
    return runs.contains(button);
}

QString group_run_button(const QString& field)
{
    static const QHash<QString, QString> groups = {
        {QStringLiteral("zadani_prv"), QStringLiteral("rozloz")},
        {QStringLiteral("xod"), QStringLiteral("vypis")},
        {QStringLiteral("xdo"), QStringLiteral("vypis")},
        {QStringLiteral("z1"), QStringLiteral("zlomek")},
        {QStringLiteral("z2"), QStringLiteral("zlomek")},
        {QStringLiteral("z3"), QStringLiteral("zlomek")},
        {QStringLiteral("z4"), QStringLiteral("zlomek")},
        {QStringLiteral("operace"), QStringLiteral("zlomek")},
        {QStringLiteral("cele"), QStringLiteral("zlomek")},
        {QStringLiteral("zadani_c"), QStringLiteral("preved")},
        {QStringLiteral("sous1"), QStringLiteral("preved_soustavy")},
        {QStringLiteral("sous2"), QStringLiteral("preved_soustavy")},
    };
    return groups.value(field);
}

QTabWidget* button_pages(QWidget* parent, const char* name)
{
    auto* pages = new QTabWidget(parent);
    pages->setObjectName(QString::fromUtf8(name));
    pages->setDocumentMode(true);
    pages->setUsesScrollButtons(false);
    pages->tabBar()->setExpanding(false);
    pages->tabBar()->setDrawBase(false);
    // Tabs as push buttons: raised when up, sunken for the page on show.
    pages->setStyleSheet(QStringLiteral(
        "QTabBar::tab { border: 1px solid palette(dark); border-radius: 3px; padding: 2px 4px;"
        " margin: 2px 1px 2px 0px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 palette(light), stop:1 palette(button)); color: palette(button-text); }"
        "QTabBar::tab:selected { background: palette(highlight); border-color: palette(shadow);"
        " color: palette(highlighted-text); }"
        "QTabBar::tab:hover:!selected { background: palette(light); }"
        "QTabWidget::pane { border: none; }"));
    return pages;
}

namespace {

// Sheets changed by their selector alone: the page keys of a tab widget
// (Ctrl+Tab, Ctrl+PgDown, ...) go on to the enclosing page set.
class SelectorPages : public QTabWidget {
public:
    using QTabWidget::QTabWidget;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool pageKey = (e->modifiers() & Qt::ControlModifier) &&
                             (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab ||
                              e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown);
        if (pageKey)
            e->ignore();
        else
            QTabWidget::keyPressEvent(e);
    }
};

} // namespace

QTabWidget* hidden_pages(QWidget* parent, const char* name)
{
    auto* pages = new SelectorPages(parent);
    pages->setObjectName(QString::fromUtf8(name));
    pages->tabBar()->hide();
    pages->setDocumentMode(true);
    return pages;
}

bool a11y_ids() { return qEnvironmentVariable("QVKALKOR_A11Y_IDS") == u"1"; }

void set_accessible(QWidget* w, const QString& name, const QString& hint)
{
    QString plain = name;
    plain.remove(u'&');
    w->setAccessibleName(a11y_ids() || plain.isEmpty() ? w->objectName() : plain);
    if (!hint.isEmpty()) {
        w->setToolTip(hint);
        w->setToolTipDuration(5000);
        w->setAccessibleDescription(hint);
    }
}

} // namespace qvk::shell
