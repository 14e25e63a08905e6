#include "shell/listing_window.h"
#include "core/errors.h"
#include "model/registry.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace qvk::shell {

namespace {

QString choose_file(QWidget* parent)
{
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("uloz_do_textu"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The pattern stays, its detail is not shown.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QStringLiteral("Textové soubory (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setDirectory(save_folder(parent));
    dialog.selectFile(QStringLiteral("vypis_reseni"));
    dialog.setSizeGripEnabled(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

Tvypis_reseni::Tvypis_reseni(WindowModel& model, double s, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                              Qt::WindowTitleHint),
      model_(model), main_(mainWindow), chooser_(choose_file)
{
    setObjectName(QStringLiteral("Tvypis_reseni"));
    setWindowTitle(QStringLiteral("Výpis řešení"));
    setModal(false);
    setFixedSize(scaled(222, s), scaled(252, s));

    text_ = make<QPlainTextEdit>(this, "reseni");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    set_accessible(text_, QStringLiteral("Výpis řešení"), QStringLiteral("Výpis postupného řešení soustavy rovnic v matici"));
    place(text_, 4, 4, 214, 184, s);

    auto* clear = make<QPushButton>(this, "vymaz");
    clear->setIcon(picture(QStringLiteral("novy")));
    set_accessible(clear, QStringLiteral("Vymazat"), QStringLiteral("Vymaže dosud výpočítané soustavy rovnic"));
    place(clear, 4, 194, 30, 26, s);
    clear->setIconSize(clear->size() * 2 / 3);

    auto* saveButton = make<QPushButton>(this, "uloz_reseni");
    saveButton->setText(QStringLiteral("Uložit"));
    saveButton->setIcon(picture(QStringLiteral("uloz")));
    set_accessible(saveButton, saveButton->text(), QStringLiteral("Uloží obsah výpisu do textového souboru"));
    place(saveButton, 38, 194, 86, 26, s);

    auto* close = make<QPushButton>(this, "BitBtn2");
    close->setText(QStringLiteral("&Zavřít"));
    close->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    set_accessible(close, close->text(),
                   QStringLiteral("Zavře okno výpisu a zároveň vymaže dosud vypočítané rovnice"));
    place(close, 128, 194, 90, 26, s);

    auto* attachButton = make<QPushButton>(this, "priraz");
    attachButton->setText(QStringLiteral("Přirazit k hlavnímu oknu QVkalkoru"));
    set_accessible(attachButton, attachButton->text(),
                   QStringLiteral("Přirazí okno Výpisu k hlavnímu oknu programu Kalkor"));
    place(attachButton, 4, 224, 214, 24, s);

    // A dialog's buttons take Enter by default; here no key may clear or
    // close the listing behind the user's back.
    for (QPushButton* b : {clear, saveButton, close, attachButton})
        b->setAutoDefault(false);

    connect(clear, &QPushButton::clicked, this, [this] { model_.listing_clear(); });
    connect(saveButton, &QPushButton::clicked, this, &Tvypis_reseni::save);
    connect(close, &QPushButton::clicked, this, [this] { model_.listing_close(); });
    connect(attachButton, &QPushButton::clicked, this, &Tvypis_reseni::attach);

    model_.observe([self = QPointer<Tvypis_reseni>(this)](const QString& name) {
        if (self && name == WindowModel::kListing)
            self->sync();
    });
    attach();
    sync();
}

void Tvypis_reseni::attach()
{
    if (!main_)
        return;
    const QRect frame = main_->frameGeometry();
    move(frame.x() + frame.width(), frame.y());
}

void Tvypis_reseni::sync()
{
    // A solve writes its lines one by one; the text area takes them in one
    // go once the handler is done, which lays each line out once instead of
    // once per line.
    if (!textPending_) {
        textPending_ = true;
        QMetaObject::invokeMethod(this, &Tvypis_reseni::showText, Qt::QueuedConnection);
    }

    if (model_.listingVisible() && !isVisible()) {
        show();
        raise();
    } else if (!model_.listingVisible() && isVisible()) {
        hide();
    }
}

QPlainTextEdit* Tvypis_reseni::text()
{
    showText();
    return text_;
}

void Tvypis_reseni::showText()
{
    if (!textPending_)
        return;
    textPending_ = false;
    // The shown copy grows by its own appends: sharing the model's list would
    // make each new line copy the whole listing.
    const QStringList& lines = model_.listing();
    const qsizetype shown = shown_.size();
    // (A document of one empty line takes the next line into that one.)
    const bool grew = lines.size() > shown && shown > 0 && lines.at(shown - 1) == shown_.constLast() &&
                      !text_->document()->isEmpty();
    const bool lastReplaced = lines.size() == shown && shown > 0 && lines.constLast() != shown_.constLast() &&
                              std::equal(lines.cbegin(), lines.cend() - 1, shown_.cbegin());
    if (grew) {
        const QStringList added = lines.mid(shown);
        text_->appendPlainText(added.join(u'\n'));
        shown_.append(added);
    } else if (lastReplaced) {
        QTextCursor cursor(text_->document()->lastBlock());
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(lines.constLast());
        shown_.last() = lines.constLast();
    } else if (lines != shown_) {
        text_->setPlainText(lines.join(u'\n'));
        shown_ = QStringList(lines.cbegin(), lines.cend()); // a list of its own, not shared
    } else {
        return;
    }
    // The newest lines in view, read from the left edge.
    QTextCursor last(text_->document()->lastBlock());
    text_->setTextCursor(last);
    text_->ensureCursorVisible();
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

void Tvypis_reseni::showEvent(QShowEvent* event)
{
    // Every time the window appears, beside the main window.
    if (!event->spontaneous())
        attach();
    QDialog::showEvent(event);
}

void Tvypis_reseni::closeEvent(QCloseEvent* event)
{
    event->accept();
    model_.listing_close();
}

// Escape: the text stays and so does the window; only the close button and
// the close box close it.
void Tvypis_reseni::reject() {}

QString Tvypis_reseni::withDefaultSuffix(const QString& path)
{
    if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(u'.'))
        return path + QStringLiteral(".txt");
    return path;
}

bool Tvypis_reseni::saveTo(const QString& path)
{
    QByteArray data;
    for (const QString& line : model_.listing()) {
        data += line.toUtf8();
        data += "\r\n";
    }
    // The old file is replaced only once the new one is complete. Unbuffered,
    // so that a short write (a full disk) is seen here and not lost in a flush.
    QSaveFile file(path);
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(data) == data.size() &&
                    file.commit();
    if (!ok) {
        file.cancelWriting();
        run_guarded(model_, [&] { throw Exception(QStringLiteral("Cannot create file %1").arg(path)); });
    }
    return ok;
}

void Tvypis_reseni::save()
{
    const QString chosen = chooser_ ? chooser_(this) : QString();
    if (chosen.isEmpty())
        return;
    note_save_folder(this, chosen);
    saveTo(withDefaultSuffix(chosen));
}

} // namespace qvk::shell
