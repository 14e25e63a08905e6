#include "shell/postup_view.h"
#include "core/fpu.h"
#include "shell/geometry.h"
#include "shell/postup_text.h"
#include "shell/sketch_view.h"
#include "shell/widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace qvk::shell {

namespace {

const QString kErrorIcon = QStringLiteral("qvk-postup:chyba");
const QString kPicture = QStringLiteral("qvk-postup:obrazek");
const QString kOpenPicture = QStringLiteral("qvk-postup:otevri-obrazek");

QString choose_pdf(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Uložit postup jako PDF"));
    dialog.setObjectName(QStringLiteral("uloz_postup"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QStringLiteral("Dokumenty PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(save_folder(parent));
    dialog.selectFile(QStringLiteral("postup"));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool choose_printer(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("tisk_postupu"));
    dialog.setWindowTitle(QStringLiteral("Tisk postupu"));
    return dialog.exec() == QDialog::Accepted;
}

// A long step goes on under its own start, as "text-indent: -1em" says
// (the toolkit reads that length in pixels only).
void hang_steps(QTextDocument* document)
{
    QTextCursor cursor(document);
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        QTextBlockFormat f = b.blockFormat();
        if (f.leftMargin() <= 0 || f.textIndent() != 0)
            continue;
        f.setTextIndent(-f.leftMargin() / 2);
        cursor.setPosition(b.position());
        cursor.setBlockFormat(f);
    }
}

} // namespace

PostupView::PostupView(WindowModel& model, double s, QWidget* parent)
    : QWidget(parent), model_(model), sketch_(std::make_unique<Sketch>()), chooser_(choose_pdf),
      printerSetup_(choose_printer)
{
    setObjectName(QStringLiteral("postup_panel"));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("postup_text"));
    text_->setOpenLinks(false);
    text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text_->setContextMenuPolicy(Qt::CustomContextMenu);
    text_->setTabChangesFocus(true);
    set_accessible(text_, QStringLiteral("Postup"), QStringLiteral("Postup řešení posledního výpočtu"));
    connect(text_, &QWidget::customContextMenuRequested, this, &PostupView::contextMenu);

    connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url == QUrl(kOpenPicture))
            emit pictureOpened();
    });

    copy_ = button(this, "postup_kopie", QStringLiteral("Kopírovat"),
                   QStringLiteral("Zkopíruje postup do schránky jako text i formátovaný text"));
    pdf_ = button(this, "postup_pdf", QStringLiteral("Uložit jako PDF ..."),
                  QStringLiteral("Uloží postup do souboru PDF"));
    print_ = button(this, "postup_tisk", QStringLiteral("Tisk ..."), QStringLiteral("Vytiskne postup"));
    connect(copy_, &QPushButton::clicked, this, &PostupView::copy);
    connect(pdf_, &QPushButton::clicked, this, &PostupView::saveAs);
    connect(print_, &QPushButton::clicked, this, &PostupView::print);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scaled(4, s));
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(pdf_);
    buttons->addWidget(print_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(scaled(2, s), scaled(4, s), scaled(4, s), scaled(4, s));
    layout->setSpacing(scaled(4, s));
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    setTabOrder(text_, copy_);
    setTabOrder(copy_, pdf_);
    setTabOrder(pdf_, print_);
    showNothing();
}

PostupView::~PostupView() = default;

void PostupView::showPostup(const Postup& postup)
{
    postup_ = postup;
    render();
}

void PostupView::showNothing()
{
    postup_ = {};
    render();
}

void PostupView::showSketch(const QString& svg)
{
    if (svg == sketch_->svg())
        return;
    *sketch_ = Sketch(svg);
    render();
}

QString PostupView::sketch() const { return sketch_->svg(); }

QRect PostupView::pictureRect() const { return picture_; }

void PostupView::addPicture(QTextDocument* document)
{
    picture_ = {};
    if (sketch_->isNull())
        return;
    // As wide as the text beside the scroll bar that the picture brings.
    const QScrollBar* bar = text_->verticalScrollBar();
    const int margin = static_cast<int>(document->documentMargin());
    const int width = text_->viewport()->width() - (bar->isVisible() ? 0 : bar->sizeHint().width()) - 2 * margin - 2;
    const QSizeF size = sketch_->size();
    if (width <= 0 || size.isEmpty())
        return;
    const int height = static_cast<int>(std::ceil(width * size.height() / size.width()));
    const qreal dpr = devicePixelRatioF();
    QImage image((QSizeF(width, height) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(text_->palette().color(QPalette::Base));
    {
        FpuFlagsKept kept;
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        sketch_->render(p, QRectF(QPointF(), QSizeF(image.size())));
    }
    image.setDevicePixelRatio(dpr);
    document->addResource(QTextDocument::ImageResource, QUrl(kPicture), image);
    // In a block of its own before the first line; a click opens its window.
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::Start);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.movePosition(QTextCursor::Start);
    QTextBlockFormat block;
    block.setBottomMargin(margin);
    cursor.setBlockFormat(block);
    QTextImageFormat f;
    f.setName(kPicture);
    f.setWidth(width);
    f.setHeight(height);
    f.setAnchor(true);
    f.setAnchorHref(kOpenPicture);
    f.setToolTip(QStringLiteral("Otevře obrázek ve vlastním okně"));
    cursor.insertImage(f);
    picture_ = QRect(margin, margin, width, height);
}

void PostupView::render()
{
    const bool any = !postup_.empty();
    for (QPushButton* b : {copy_, pdf_, print_})
        b->setEnabled(any);
    if (!any) {
        text_->setHtml(QStringLiteral("<p style=\"color: gray\"><i>Po výpočtu se zde zobrazí jeho postup.</i></p>"));
        return;
    }
    addErrorIcon(text_->document());
    text_->setHtml(postup_html(postup_, kErrorIcon));
    hang_steps(text_->document());
    addPicture(text_->document());
}

void PostupView::addErrorIcon(QTextDocument* document) const
{
    const int side = QFontMetrics(document->defaultFont()).height();
    const QPixmap icon = style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(QSize(side, side), devicePixelRatioF());
    document->addResource(QTextDocument::ImageResource, QUrl(kErrorIcon), icon);
}

void PostupView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The icon follows the font.
    if (event->type() == QEvent::FontChange && text_)
        render();
}

QString PostupView::plainText() const { return postup_.plain().join(u'\n'); }

QString PostupView::html() const { return postup_html(postup_); }

void PostupView::copy() const
{
    if (postup_.empty())
        return;
    auto* data = new QMimeData;
    data->setText(plainText());
    data->setHtml(html());
    QApplication::clipboard()->setMimeData(data);
}

void PostupView::printOn(QPagedPaintDevice* device) const
{
    QTextDocument document;
    QFont font = QApplication::font();
    font.setPointSizeF(11); // a page of a notebook, whatever the window's size
    document.setDefaultFont(font);
    addErrorIcon(&document);
    document.setHtml(postup_html(postup_, kErrorIcon));
    hang_steps(&document);
    document.print(device);
}

QString PostupView::withPdfSuffix(const QString& path)
{
    if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(u'.'))
        return path + QStringLiteral(".pdf");
    return path;
}

bool PostupView::savePdf(const QString& path)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter pdf(&file);
        pdf.setTitle(postup_.empty() ? QStringLiteral("Postup") : postup_.lines.front().text);
        pdf.setCreator(kAppTitle);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        printOn(&pdf);
    }
    ok = ok && file.error() == QFileDevice::NoError && file.commit();
    if (!ok) {
        file.cancelWriting();
        model_.showMessage(Message::Kind::Error, kAppTitle,
                           QStringLiteral("Postup se nepodařilo uložit do souboru\n") + path);
    }
    return ok;
}

void PostupView::saveAs()
{
    if (postup_.empty())
        return;
    const QString chosen = chooser_ ? chooser_(this) : QString();
    if (chosen.isEmpty())
        return;
    note_save_folder(this, chosen);
    savePdf(withPdfSuffix(chosen));
}

void PostupView::print()
{
    if (postup_.empty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(postup_.lines.front().text);
    printer.setCreator(kAppTitle);
    if (printerSetup_ && printerSetup_(printer, this))
        printOn(&printer);
}

void PostupView::contextMenu(const QPoint& at)
{
    QMenu* menu = text_->createStandardContextMenu(at);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    for (QPushButton* b : {copy_, pdf_, print_}) {
        QAction* a = menu->addAction(b == copy_ ? QStringLiteral("Kopírovat celý postup") : b->text());
        a->setEnabled(b->isEnabled());
        connect(a, &QAction::triggered, b, &QPushButton::click);
    }
    menu->popup(text_->viewport()->mapToGlobal(at));
}

} // namespace qvk::shell
