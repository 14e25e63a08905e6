#include "shell/binding.h"
#include "app/calculators.h"
#include "shell/grid_view.h"
#include "shell/widgets.h"

#include <QAction>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
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
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>

#include <type_traits>

namespace qvk::shell {

namespace {

struct Updating {
    int& depth;
    explicit Updating(int& d) : depth(d) { ++depth; }
    ~Updating() { --depth; }
};

QString plain_caption(QString caption) { return caption.remove(u'&'); }

// A field the user types into or chooses in, as the first stop on a page.
bool is_input(const QWidget* w)
{
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return !e->isReadOnly();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w))
        return !t->isReadOnly();
    return !qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QTabBar*>(w);
}

// Sets a text area to `now` by editing what it shows, so that the caret, the
// view and the undo history stay with the text that stays.
void edit_to(QPlainTextEdit* t, const QString& now)
{
    const QString old = t->toPlainText();
    QTextCursor edit(t->document());
    edit.beginEditBlock();
    // Characters only taken out (the usual clean-up): delete just those.
    QList<std::pair<qsizetype, qsizetype>> cuts; // [from, to) in the old text
    qsizetype j = 0;
    for (qsizetype i = 0; i < old.size(); ++i) {
        if (j < now.size() && old[i] == now[j]) {
            ++j;
        } else if (!cuts.isEmpty() && cuts.last().second == i) {
            cuts.last().second = i + 1;
        } else {
            cuts.append({i, i + 1});
        }
    }
    // The line at the top of the view, followed through the edit.
    QTextCursor top = t->cursorForPosition(QPoint(0, 0));
    const bool followTop = t->lineWrapMode() == QPlainTextEdit::NoWrap;
    if (j == now.size()) {
        for (auto it = cuts.crbegin(); it != cuts.crend(); ++it) {
            edit.setPosition(static_cast<int>(it->first));
            edit.setPosition(static_cast<int>(it->second), QTextCursor::KeepAnchor);
            edit.removeSelectedText();
        }
    } else {
        qsizetype head = 0;
        const qsizetype shorter = std::min(old.size(), now.size());
        while (head < shorter && old[head] == now[head])
            ++head;
        qsizetype tail = 0;
        while (tail < shorter - head && old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
            ++tail;
        edit.setPosition(static_cast<int>(head));
        edit.setPosition(static_cast<int>(old.size() - tail), QTextCursor::KeepAnchor);
        edit.insertText(now.mid(head, now.size() - head - tail));
    }
    edit.endEditBlock();
    if (followTop)
        t->verticalScrollBar()->setValue(top.block().blockNumber());
}

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
    // The model knows where the focus is, so that a run can give it back.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        QString name;
        for (QWidget* w = now; w && name.isEmpty(); w = w->isWindow() ? nullptr : w->parentWidget())
            if (widgets_.value(w->objectName()) == w)
                name = w->objectName();
        model_.noteFocused(name);
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
    // A page built later takes the place of the stand-in of its name.
    if (widgets_.value(name))
        return;
    widgets_.insert(name, w);
    const Field& f = model_.field(name);
    if (w->accessibleName().isEmpty()) // a page may name a picture-only button itself
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
        TextFit::install(e);
    } else if (auto* l = qobject_cast<QLabel*>(w); l && f.kind == Kind::Label && !l->property(kPictureProperty).toBool()) {
        TextFit::install(l);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->addItems(f.items);
    } else if (auto* s = qobject_cast<QSpinBox*>(w)) {
        s->setRange(f.minimum, f.maximum);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        if (!f.caption.isEmpty() && b->text().isEmpty())
            b->setText(f.caption);
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        t->setReadOnly(f.readOnly);
        // Values are one a line: Tab moves on as in any other field.
        t->setTabChangesFocus(true);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        // A page chosen on its tab is ready to be typed into.
        connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] {
            if (!tabs->tabBar()->isHidden())
                focusFirstInput(tabs->currentWidget());
        });
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

bool Binding::fire(const QString& event)
{
    const bool ran = run_handler(model_, registry_, event);
    emit handled(event);
    return ran;
}

void Binding::connectUser(QWidget* w, const QString& name)
{
    auto changed = [this, name] { fire(name + QStringLiteral("Change")); };
    // Tabs and stacks alike.
    auto pageSet = [this, name, changed](auto* pages) {
        using Pages = std::remove_pointer_t<decltype(pages)>;
        connect(pages, &Pages::currentChanged, this, [this, name, changed](int index) {
            if (updating_)
                return;
            model_.setIndex(name, index);
            changed();
        });
    };
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // Every change, not only typed ones: automation and voice control set
        // the text through the accessibility interface, and the calculation
        // must read what the field shows.
        connect(e, &QLineEdit::textChanged, this, [this, name, changed](const QString& text) {
            if (updating_)
                return;
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
            // Picking the item already chosen changes nothing.
            if (index == model_.index(name))
                return;
            model_.setIndex(name, index);
            changed();
        });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        pageSet(tabs);
        // With no page selected, a click on the tab that looks current selects it too.
        connect(tabs, &QTabWidget::tabBarClicked, this, [this, tabs, name, changed](int index) {
            if (updating_ || index < 0 || model_.index(name) >= 0 || index != tabs->currentIndex())
                return;
            model_.setIndex(name, index);
            changed();
        });
    } else if (auto* stack = qobject_cast<QStackedWidget*>(w)) {
        pageSet(stack);
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
        const QString text = key->text();
        // Alt+letter is an accelerator; one that nothing answers (its button
        // disabled) must not type the letter.
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::AltModifier) && !(mods & Qt::ControlModifier) && !text.isEmpty() && text[0].isPrint())
            return true;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(mods & ~Qt::KeypadModifier) && runCalculation(w))
            return true;
        if (text.size() == 1 && text[0].isPrint()) {
            const std::optional<QChar> kept = registry_.filterKey(model_, name, text[0]);
            if (!kept)
                return true;
            if (*kept != text[0]) {
                QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(*kept));
                QCoreApplication::sendEvent(w, &replaced);
                return true;
            }
        }
    } else if (event->type() == QEvent::KeyRelease) {
        fire(name + QStringLiteral("KeyUp")); // nothing runs without a handler
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
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->text() != f.text) {
            e->setText(f.text);
            // Read from its start, unless the user is typing in it.
            if (e->isReadOnly() || !e->hasFocus())
                e->setCursorPosition(0);
        }
    }
    // A text that does not fit is read whole in the hint.
    if (TextFit* fit = TextFit::of(w))
        fit->setHint(f.hint);
    else if (w->toolTip() != f.hint)
        w->setToolTip(f.hint);
    if (w->accessibleDescription() != f.hint)
        w->setAccessibleDescription(f.hint);
    if (f.reported & (PropWidth | PropLeft)) {
        const QVariant scale = w->property(kDesignScaleProperty);
        const auto real = [&](int v) { return scale.isValid() ? qRound(v * scale.toDouble()) : v; };
        if (f.reported & PropWidth)
            w->resize(real(f.width), w->height());
        if (f.reported & PropLeft)
            w->move(real(f.left), w->y());
    }

    if (qobject_cast<QLineEdit*>(w)) {
        // Shown above, with its hint.
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
            if (TextFit* fit = TextFit::of(l))
                fit->refit();
        }
    } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
        // Long runs add a line at a time: append instead of redrawing all.
        qsizetype& shown = shownLength_[name];
        if (f.appendedFrom >= 0 && f.appendedFrom == shown) {
            QTextCursor cursor(t->document());
            cursor.movePosition(QTextCursor::End);
            cursor.insertText(f.text.mid(f.appendedFrom));
            // As a memo does: the line just added is in view.
            t->moveCursor(QTextCursor::End);
            t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum());
        } else if (t->toPlainText() != f.text) {
            edit_to(t, f.text);
        }
        shown = f.text.size();
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        if (c->currentIndex() != f.value)
            c->setCurrentIndex(f.value);
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        // No page (an index outside the set): the sheet stays empty.
        if (f.value >= 0 && tabs->currentIndex() != f.value)
            tabs->setCurrentIndex(f.value);
        if (QWidget* sheet = tabs->currentWidget(); sheet && sheet->isHidden() == (f.value >= 0))
            sheet->setVisible(f.value >= 0);
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

void Binding::focusFirstInput(QWidget* page)
{
    if (!page || !page->isVisibleTo(page->window()))
        return;
    // In tab order, the first field of the page as it is shown now.
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w))
            continue;
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page->window()) &&
            !w->focusProxy() && is_input(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool Binding::runCalculation(QWidget* field)
{
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->interpretText(); // the value typed counts, as when the field is left
    // A field of one group on a page of several calculations.
    if (const QString own = app::run_button_of(model_, field->objectName()); !own.isEmpty()) {
        auto* b = qobject_cast<QAbstractButton*>(widgets_.value(own));
        if (b && b->isEnabled())
            b->click();
        return b != nullptr;
    }
    auto* e = qobject_cast<QLineEdit*>(field);
    if (!e || e->isReadOnly())
        return false;
    // The nearest page around the field that has calculate buttons; Enter
    // means something only when it has just one.
    for (QWidget* page = field->parentWidget(); page && !page->isWindow(); page = page->parentWidget()) {
        if (!qobject_cast<QStackedWidget*>(page->parentWidget()))
            continue;
        QList<QAbstractButton*> runs;
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
            if (app::runs_calculation(model_, b->objectName()))
                runs.append(b);
        if (runs.isEmpty())
            continue;
        if (runs.size() != 1)
            return false;
        if (runs.first()->isEnabled())
            runs.first()->click();
        return true;
    }
    return false;
}

} // namespace qvk::shell
