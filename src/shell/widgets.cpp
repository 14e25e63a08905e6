#include "shell/widgets.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>

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

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    set_accessible(b, caption, hint);
    return b;
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

namespace {

constexpr const char* kSaveFolder = "qvkSaveFolder";

// The main window: the outermost window above `w`.
const QWidget* outermost(const QWidget* w)
{
    while (w && w->parentWidget())
        w = w->parentWidget();
    return w;
}

} // namespace

QString save_folder(const QWidget* w)
{
    const QWidget* main = outermost(w);
    const QString last = main ? main->property(kSaveFolder).toString() : QString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void note_save_folder(QWidget* w, const QString& savedFile)
{
    if (auto* main = const_cast<QWidget*>(outermost(w)))
        main->setProperty(kSaveFolder, QFileInfo(savedFile).absolutePath());
}

// --- fitting a text into its field

namespace {

// The "…" over the end of a cut text, in the field's colours.
class CutMark : public QWidget {
public:
    explicit CutMark(QWidget* field, bool edit) : QWidget(field), edit_(edit)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(QStringLiteral("…"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QPalette::ColorRole back = edit_ ? QPalette::Base : parentWidget()->backgroundRole();
        const QPalette::ColorRole fore = edit_ ? QPalette::Text : parentWidget()->foregroundRole();
        p.fillRect(rect(), palette().brush(back));
        p.setPen(palette().color(fore));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("…"));
    }

private:
    bool edit_;
};

} // namespace

TextFit::TextFit(QWidget* field) : QObject(field), field_(field), parent_(field->parentWidget())
{
    setObjectName(QStringLiteral("qvk_text_fit"));
    own_ = field->font();
    own_.setResolveMask(field->testAttribute(Qt::WA_SetFont) ? own_.resolveMask() : 0);
    if (auto* l = qobject_cast<QLabel*>(field))
        alignment_ = l->alignment();
    hint_ = field->toolTip();
    mark_ = new CutMark(field, qobject_cast<QLineEdit*>(field) != nullptr);
    mark_->setObjectName(field->objectName() + QStringLiteral("_vypusteno"));
    mark_->hide();
    field->installEventFilter(this);
    if (parent_)
        parent_->installEventFilter(this);
    if (auto* e = qobject_cast<QLineEdit*>(field))
        connect(e, &QLineEdit::textChanged, this, &TextFit::refit);
}

TextFit* TextFit::install(QWidget* field)
{
    if (TextFit* f = of(field))
        return f;
    auto* f = new TextFit(field);
    f->refit();
    return f;
}

TextFit* TextFit::of(const QWidget* field)
{
    return field ? field->findChild<TextFit*>(QStringLiteral("qvk_text_fit"), Qt::FindDirectChildrenOnly) : nullptr;
}

QString TextFit::text() const
{
    if (auto* e = qobject_cast<const QLineEdit*>(field_))
        return e->displayText();
    if (auto* l = qobject_cast<const QLabel*>(field_))
        return l->text();
    return {};
}

int TextFit::room() const
{
    if (auto* e = qobject_cast<const QLineEdit*>(field_)) {
        const QMargins m = e->textMargins();
        const int frame = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
        // QLineEdit keeps two pixels free on either side of the text.
        return e->contentsRect().width() - m.left() - m.right() - 2 * frame - 4;
    }
    if (auto* l = qobject_cast<const QLabel*>(field_))
        return l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
    return field_->width();
}

int TextFit::textWidth(const QFont& font) const
{
    return static_cast<int>(std::ceil(QFontMetricsF(font, field_).horizontalAdvance(text())));
}

void TextFit::setHint(const QString& hint)
{
    hint_ = hint;
    const QString tip = cut_ ? (hint_.isEmpty() ? text() : hint_ + u'\n' + text()) : hint_;
    if (field_->toolTip() != tip)
        field_->setToolTip(tip);
}

void TextFit::refit()
{
    pending_ = false;
    fitting_ = true;
    // The font the field has of its own: its page's, with what was set on it.
    const QFont natural = own_.resolve(parent_ ? parent_->font() : QApplication::font(field_));
    QFont font = natural;
    auto* label = qobject_cast<QLabel*>(field_);
    const bool typing = field_->hasFocus() && qobject_cast<QLineEdit*>(field_) &&
                        !static_cast<QLineEdit*>(field_)->isReadOnly();
    const bool oneLine = !label || (!label->wordWrap() && !Qt::mightBeRichText(label->text()) &&
                                    label->pixmap().isNull());
    const int room = this->room();
    bool cut = false;
    if (!typing && oneLine && room > 0 && textWidth(natural) > room) {
        const bool points = natural.pointSizeF() > 0;
        const double size = points ? natural.pointSizeF() : natural.pixelSize();
        const double smallest = size * kSmallest;
        // The size that should fit, then down in small steps until it does.
        double s = std::max(smallest, std::floor(size * room / textWidth(natural) * 4) / 4);
        for (;;) {
            if (points)
                font.setPointSizeF(s);
            else
                font.setPixelSize(std::max(1, static_cast<int>(s)));
            if (textWidth(font) <= room || s <= smallest)
                break;
            s = std::max(smallest, s - (points ? 0.25 : 1.0));
        }
        cut = textWidth(font) > room;
    }
    shrunk_ = font != natural;
    if (field_->font() != font || field_->testAttribute(Qt::WA_SetFont) != (shrunk_ || own_.resolveMask() != 0))
        field_->setFont(shrunk_ ? font : own_);
    if (label) {
        // A cut text is read from its start.
        const Qt::Alignment a = cut ? (Qt::AlignLeft | (alignment_ & Qt::AlignVertical_Mask)) : alignment_;
        if (label->alignment() != a)
            label->setAlignment(a);
    }
    setCut(cut);
    fitting_ = false;
}

void TextFit::setCut(bool cut)
{
    cut_ = cut;
    if (cut) {
        // Over the end of the room, where the text runs out of the field.
        const QFontMetrics fm(field_->font());
        const int w = fm.horizontalAdvance(QStringLiteral("…")) + 4;
        const QRect inner = field_->contentsRect();
        const int frame = qobject_cast<QLineEdit*>(field_)
                              ? field_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field_)
                              : 0;
        mark_->setFont(field_->font());
        mark_->setGeometry(inner.right() - frame - w + 1, inner.top() + frame, w, inner.height() - 2 * frame);
    }
    // While the user moves through the text, the end is in view.
    const bool show = cut && !field_->hasFocus();
    if (mark_->isVisibleTo(field_) != show)
        mark_->setVisible(show);
    setHint(hint_);
}

void TextFit::refitLater()
{
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &TextFit::refit, Qt::QueuedConnection);
}

bool TextFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent_) {
        if (event->type() == QEvent::FontChange)
            refitLater();
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::StyleChange:
        refit();
        break;
    case QEvent::FontChange:
    case QEvent::ApplicationFontChange:
        if (!fitting_)
            refitLater();
        break;
    case QEvent::ParentChange:
        if (parent_)
            parent_->removeEventFilter(this);
        parent_ = field_->parentWidget();
        if (parent_)
            parent_->installEventFilter(this);
        refitLater();
        break;
    default:
        break;
    }
    return false;
}

} // namespace qvk::shell
