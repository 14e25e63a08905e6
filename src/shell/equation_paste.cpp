#include "shell/equation_paste.h"
#include "equations/equation_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace qvk::shell {

EquationPaste::EquationPaste(WindowModel& model, QWidget* window) : QObject(window), model_(model), window_(window)
{
    // On the application, so pages built later are served as well.
    qApp->installEventFilter(this);
}

bool EquationPaste::pasteInto(QWidget* field)
{
    return equations::paste_equation(model_, field->objectName(), QGuiApplication::clipboard()->text());
}

bool EquationPaste::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ContextMenu)
        return false;
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || !window_ || field->window() != window_ || !equations::takes_pasted_equation(field->objectName()))
        return false;
    if (type == QEvent::KeyPress) {
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        // Anything else goes to the field as an ordinary paste.
        return pasteInto(field);
    }
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit)
        return false;
    QMenu* menu = edit->createStandardContextMenu();
    // The toolkit's item, by its name where it has one, else by its text.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* a : menu->actions()) {
        const QString text = a->text();
        if (a->objectName() != u"edit-paste" &&
            !(text.startsWith(pasteText) && (text.size() == pasteText.size() || text[pasteText.size()] == u'\t')))
            continue;
        disconnect(a, &QAction::triggered, nullptr, nullptr);
        connect(a, &QAction::triggered, edit, [this, edit] {
            if (!pasteInto(edit))
                edit->paste();
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
}

} // namespace qvk::shell
