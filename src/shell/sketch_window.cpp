#include "shell/sketch_window.h"
#include "app/calculators.h"
#include "core/fpu.h"
#include "shell/geometry.h"
#include "shell/graph_window.h"
#include "shell/sketch_view.h"
#include "shell/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

namespace qvk::shell {

namespace {

const QString kPngFilter = QStringLiteral("Obrázek PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Obrázek SVG (*.svg)");

SketchWindow::Chosen choose_file(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Uložit obrázek"));
    dialog.setObjectName(QStringLiteral("uloz_obrazek"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({kPngFilter, kSvgFilter});
    dialog.selectNameFilter(kPngFilter);
    const auto suffixOf = [](const QString& filter) {
        return filter == kSvgFilter ? QStringLiteral("svg") : QStringLiteral("png");
    };
    dialog.setDefaultSuffix(suffixOf(kPngFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.setDirectory(save_folder(parent));
    dialog.selectFile(QStringLiteral("obrazek"));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter() == kSvgFilter};
}

} // namespace

SketchWindow::SketchWindow(WindowModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), chooser_(choose_file)
{
    setObjectName(QStringLiteral("Tobrazek"));
    setWindowTitle(QStringLiteral("Obrázek"));
    set_accessible(this, QStringLiteral("Obrázek"), QStringLiteral("Obrázek posledního výpočtu"));
    const double s = ui_scale(font());

    view_ = new SketchView(this);
    view_->setObjectName(QStringLiteral("obrazek_pohled"));
    view_->setMinimumSize(scaled(160, s), scaled(120, s));
    set_accessible(view_, QStringLiteral("Obrázek"));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("obrazek_popis"));
    title_->setWordWrap(true);
    set_accessible(title_, QStringLiteral("Popis obrázku"));

    copy_ = button(this, "obrazek_kopie", QStringLiteral("Kopírovat"),
                   QStringLiteral("Zkopíruje obrázek do schránky jako obrázek i jako SVG"));
    save_ = button(this, "obrazek_uloz", QStringLiteral("Uložit jako ..."),
                   QStringLiteral("Uloží obrázek do souboru PNG nebo SVG"));
    close_ = button(this, "obrazek_zavri", QStringLiteral("Zavřít"), QStringLiteral("Zavře okno obrázku (Esc)"));
    connect(copy_, &QPushButton::clicked, this, &SketchWindow::copy);
    connect(save_, &QPushButton::clicked, this, &SketchWindow::saveAs);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(title_);
    layout->addLayout(buttons);
    setTabOrder(copy_, save_);
    setTabOrder(save_, close_);
    resize(within_screen(QSize(scaled(560, s), scaled(480, s)), this));

    // The model may outlive the window.
    model_.observe([self = QPointer<SketchWindow>(this)](const QString& name) {
        if (self && name == WindowModel::kSketch)
            self->follow();
    });
    refresh();
}

QString SketchWindow::svg() const { return view_->sketch().svg(); }

void SketchWindow::follow()
{
    if (!isVisible() || pending_)
        return;
    // After the page has painted its results.
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        if (!model_.drawnNow().isEmpty())
            page_ = model_.drawnNow();
        refresh();
    });
}

void SketchWindow::refresh()
{
    FpuFlagsKept kept;
    fpu_clear();
    view_->setSketch(page_.isEmpty() ? QString() : model_.sketch(page_));
    const bool any = view_->hasSketch();
    copy_->setEnabled(any);
    save_->setEnabled(any);
    const QString title = view_->sketch().title();
    title_->setText(any ? title : QStringLiteral("Po výpočtu se zde zobrazí jeho obrázek."));
    setAccessibleDescription(title_->text());
}

void SketchWindow::open(const QWidget* main)
{
    FpuFlagsKept kept;
    fpu_clear();
    const app::Page* shown = app::page_on_show(model_);
    const QString own = shown ? QString::fromLatin1(shown->name) : QString();
    if (!own.isEmpty() && !model_.sketch(own).isEmpty())
        page_ = own;
    else if (!model_.drawnNow().isEmpty())
        page_ = model_.drawnNow();
    refresh();
    show_beside(this, main);
}

void SketchWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void SketchWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & ~Qt::KeypadModifier)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SketchWindow::savePng(const QString& path)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        FpuFlagsKept kept;
        ok = view_->sketch().image(kPngScale).save(&file, "PNG");
    }
    ok = ok && file.commit();
    if (!ok) {
        file.cancelWriting();
        model_.showMessage(Message::Kind::Error, kAppTitle, QStringLiteral("Obrázek se nepodařilo uložit do souboru\n") + path);
    }
    return ok;
}

bool SketchWindow::saveSvg(const QString& path)
{
    QSaveFile file(path);
    const QByteArray text = svg().toUtf8();
    bool ok = file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    ok = ok && file.commit();
    if (!ok) {
        file.cancelWriting();
        model_.showMessage(Message::Kind::Error, kAppTitle, QStringLiteral("Obrázek se nepodařilo uložit do souboru\n") + path);
    }
    return ok;
}

void SketchWindow::copy() const
{
    if (!view_->hasSketch())
        return;
    FpuFlagsKept kept;
    auto* data = new QMimeData;
    data->setImageData(view_->sketch().image(kPngScale));
    data->setData(QStringLiteral("image/svg+xml"), svg().toUtf8());
    QApplication::clipboard()->setMimeData(data);
}

void SketchWindow::saveAs()
{
    if (!view_->hasSketch())
        return;
    const Chosen chosen = chooser_ ? chooser_(this) : Chosen{};
    if (chosen.path.isEmpty())
        return;
    const GraphWindow::SaveTarget target = GraphWindow::saveTarget(chosen.path, chosen.svg);
    note_save_folder(this, target.path);
    if (target.svg)
        saveSvg(target.path);
    else
        savePng(target.path);
}

} // namespace qvk::shell
