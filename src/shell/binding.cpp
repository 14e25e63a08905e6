#include "shell/binding.h"
#include "shell/grid_view.h"
#include "shell/widgets.h"

#include <QAction>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextCursor>

namespace qvk::shell {

namespace {

struct Updating {
    int& depth;
    explicit Updating(int& d) : depth(d) { ++depth; }
    ~Updating() { --depth; }
};

QString plain_caption(QString caption) { return caption.remove(u'&'); }

} // namespace

Binding::Binding(WindowModel& model, const Registry& registry, QObject* parent)
    : QObject(parent), model_(model), registry_(registry)
{
    // The model may outlive the window.
    model_.observe([self = QPointer<Binding>(this)](const QString& name) {
        if (!self)
            return;
        if (name == WindowModel::kFocus) {
            if (QWidget* w = self->widgets_.value(self->model_.focusRequest()))
                w->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (self->widgets_.contains(name))
            self->show(name);
        if (self->actions_.contains(name))
            self->showAction(name);
    });
}

QString Binding::accessibleNameFor(const Field& field)
{
    if (qEnvironmentVariable("QVKALKOR_A11Y_IDS") == u"1")
        return field.name;
    const QString caption = plain_caption(field.caption);
    return caption.isEmpty() ? field.name : caption;
}

void Binding::bindTree(QWidget* root)
{
    if (model_.has(root->objectName()))
        bind(root);
    const auto children = root->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (model_.has(w->objectName()))
            bind(w);
    // Grids show the model's grid of their name themselves.
    for (PubStrGridView* g : root->findChildren<PubStrGridView*>())
        if (model_.hasGrid(g->objectName()))
            g->attach(model_, registry_);
}

void Binding::bind(QWidget* w)
{
    const QString name = w->objectName();
    if (widgets_.contains(name))
        return;
    widgets_.insert(name, w);
    const Field& f = model_.field(name);
    w->setAccessibleName(accessibleNameFor(f));
    w->setToolTipDuration(5000);

    Updating guard(updating_);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (f.maxLength > 0)
            e->setMaxLength(f.maxLength);
        e->setReadOnly(f.readOnly);
        if (f.readOnly) {
            QPalette p = e->palette();
            p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
            p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
            e->setPalette(p);
            e->setFocusPolicy(Qt::TabFocus);
        }
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->addItems(f.items);
    } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
        s->setRange(f.minimum, f.maximum);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (!f.caption.isEmpty() && b->text().isEmpty())
            b->setText(f.caption);
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        t->setReadOnly(f.readOnly);
    }
    w->installEventFilter(this);
    connectUser(w, name);
    show(name);
}

void Binding::bindAction(QAction* a)
{
    const QString name = a->objectName();
    if (actions_.contains(name) || !model_.has(name))
        return;
    actions_.insert(name, a);
    const Field& f = model_.field(name);
    if (f.kind == Kind::Check)
        a->setCheckable(true);
    connect(a, &QAction::triggered, this, [this, a, name](bool checked) {
        if (updating_)
            return;
        if (a->isCheckable())
            model_.setChecked(name, checked);
        fire(name + QStringLiteral("Click"));
    });
    showAction(name);
}

void Binding::showAction(const QString& name)
{
    QAction* a = actions_.value(name);
    if (!a)
        return;
    const Field& f = model_.field(name);
    Updating guard(updating_);
    if (!a->isSeparator() && !f.caption.isEmpty() && a->text() != f.caption)
        a->setText(f.caption);
    if (a->isEnabled() != f.enabled)
        a->setEnabled(f.enabled);
    if (a->isVisible() != f.visible)
        a->setVisible(f.visible);
    if (a->toolTip() != f.hint && !f.hint.isEmpty())
        a->setToolTip(f.hint);
    if (a->isCheckable() && a->isChecked() != (f.value != 0))
        a->setChecked(f.value != 0);
}

void Binding::fire(const QString& event)
{
    run_handler(model_, registry_, event);
}

void Binding::connectUser(QWidget* w, const QString& name)
{
    auto changed = [this, name] { fire(name + QStringLiteral("Change")); };
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        connect(e, &QLineEdit::textEdited, this, [this, name, changed](const QString& text) {
            model_.setText(name, text);
            changed();
        });
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        connect(t, &QPlainTextEdit::textChanged, this, [this, t, name, changed] {
            if (updating_)
                return;
            model_.setText(name, t->toPlainText());
            shownLength_[name] = model_.text(name).size();
            changed();
        });
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        connect(c, &QComboBox::activated, this, [this, name, changed](int index) {
            model_.setIndex(name, index);
            changed();
        });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        connect(tabs, &QTabWidget::currentChanged, this, [this, name, changed](int index) {
            if (updating_)
                return;
            model_.setIndex(name, index);
            changed();
        });
    } else if (auto* stack = qobject_cast<QStackedWidget*>(w)) {
        connect(stack, &QStackedWidget::currentChanged, this, [this, name, changed](int index) {
            if (updating_)
                return;
            model_.setIndex(name, index);
            changed();
        });
    } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
        connect(s, &QSpinBox::valueChanged, this, [this, name, changed](int value) {
            if (updating_)
                return;
            model_.setValue(name, value);
            changed();
        });
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const bool checkable = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        connect(b, &QAbstractButton::clicked, this, [this, b, name, checkable] {
            if (checkable)
                model_.setChecked(name, b->isChecked());
            fire(name + QStringLiteral("Click"));
        });
    }
}

bool Binding::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !widgets_.contains(w->objectName()))
        return QObject::eventFilter(watched, event);
    const QString name = w->objectName();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const KeyFilter* filter = registry_.keyFilter(name);
        const QString text = key->text();
        if (filter && text.size() == 1 && text[0].isPrint()) {
            const std::optional<QChar> kept = (*filter)(model_, text[0]);
            if (!kept)
                return true;
            if (*kept != text[0]) {
                QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(*kept));
                QCoreApplication::sendEvent(w, &replaced);
                return true;
            }
        }
    } else if (event->type() == QEvent::KeyRelease) {
        const QString keyUp = name + QStringLiteral("KeyUp");
        if (registry_.contains(keyUp))
            fire(keyUp);
    }
    return QObject::eventFilter(watched, event);
}

void Binding::show(const QString& name)
{
    QWidget* w = widgets_.value(name);
    if (!w)
        return;
    const Field& f = model_.field(name);
    Updating guard(updating_);
    if (w->isEnabled() != f.enabled)
        w->setEnabled(f.enabled);
    // The pages of a page set are shown by their page set alone; a window
    // shows itself.
    if (!w->isWindow() && f.kind != Kind::Page && w->isVisibleTo(w->parentWidget()) != f.visible)
        w->setVisible(f.visible);
    if (w->toolTip() != f.hint) {
        w->setToolTip(f.hint);
        w->setAccessibleDescription(f.hint);
    }
    if (f.reported & PropWidth)
        w->resize(f.width, w->height());
    if (f.reported & PropLeft)
        w->move(f.left, w->y());

    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != f.text)
            e->setText(f.text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->property(kPictureProperty).toBool()) {
            // The name of the picture shown, so that it is loaded only when it changes.
            static constexpr const char* kShown = "qvkPictureName";
            if (l->property(kShown).toString() != f.text) {
                l->setProperty(kShown, f.text);
                l->setPixmap(f.text.isEmpty() ? QPixmap() : picture(f.text).pixmap(l->size()));
            }
        } else if (l->text() != f.text && f.kind == Kind::Label) {
            l->setText(f.text);
        }
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        // Long runs add a line at a time: append instead of redrawing all.
        qsizetype& shown = shownLength_[name];
        if (f.appendedFrom >= 0 && f.appendedFrom == shown) {
            QTextCursor cursor(t->document());
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(f.text.mid(f.appendedFrom));
        } else if (t->toPlainText() != f.text) {
            t->setPlainText(f.text);
        }
        shown = f.text.size();
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->currentIndex() != f.value)
            c->setCurrentIndex(f.value);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        if (tabs->currentIndex() != f.value)
            tabs->setCurrentIndex(f.value);
    } else if (auto* stack = qobject_cast<QStackedWidget*>(w)) {
        if (stack->currentIndex() != f.value)
            stack->setCurrentIndex(f.value);
    } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
        if (s->value() != f.value)
            s->setValue(f.value);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (b->isCheckable() && b->isChecked() != (f.value != 0))
            b->setChecked(f.value != 0);
    }
}

} // namespace qvk::shell
