#include "shell/settings_dialog.h"
#include "app/config/configuration.h"
#include "shell/geometry.h"
#include "shell/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace qvk::shell {

void centre_on(QWidget* window, const QWidget* on)
{
    if (!on)
        return;
    const QRect frame = on->frameGeometry();
    QRect mine = window->frameGeometry();
    mine.moveCenter(frame.center());
    window->move(mine.topLeft());
}

namespace {

// Qt's own box drops a keystroke that leaves the range ("5" then "0" for 50
// places); here every number may be typed and is brought into the range when
// the box is left.
class ClampingSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& text, int& pos) const override
    {
        const QValidator::State own = QSpinBox::validate(text, pos);
        if (own != QValidator::Invalid)
            return own;
        bool number = false;
        text.trimmed().toLongLong(&number);
        return number ? QValidator::Intermediate : QValidator::Invalid;
    }
    void fixup(QString& text) const override
    {
        bool number = false;
        const qlonglong v = text.trimmed().toLongLong(&number);
        if (!number)
            text = QString::number(minimum());
        else
            text = QString::number(std::clamp<qlonglong>(v, minimum(), maximum()));
    }
};

QSpinBox* spin(QWidget* parent, const char* name, int minimum, int maximum)
{
    auto* s = make<ClampingSpinBox>(parent, name);
    s->setRange(minimum, maximum);
    // A value typed out of range goes to the nearer bound when the box is left.
    s->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    s->setKeyboardTracking(false);
    return s;
}

QLabel* right_label(QWidget* parent, const QString& text)
{
    QLabel* l = text_label(parent, text);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

Tnastaveni::Tnastaveni(WindowModel& model, double s, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      model_(model)
{
    setObjectName(QStringLiteral("Tnastaveni"));
    setWindowTitle(QStringLiteral("Nastavení"));
    setModal(true);
    setFixedSize(scaled(234, s), scaled(203, s));

    auto* rounding = make<QGroupBox>(this, "GroupBox1");
    rounding->setTitle(QStringLiteral(" Zaokrouhlování "));
    place(rounding, 3, 4, 228, 70, s);
    place(right_label(rounding, QStringLiteral("na")), 0, 20, 86, 20, s);
    zao_spin_ = spin(rounding, "zao_spin", 2, 12);
    set_accessible(zao_spin_, QStringLiteral("Počet desetinných míst"),
                   QStringLiteral("Zadání počtu desetinných míst pro zaokrouhlování všech výpočtů"));
    place(zao_spin_, 88, 18, 32, 22, s);
    place(text_label(rounding, QStringLiteral("desetinných míst")), 123, 20, 104, 20, s);
    place(right_label(rounding, QStringLiteral("úhl. vteřiny  na")), 0, 44, 86, 20, s);
    zao_uv_spin_ = spin(rounding, "zao_uv_spin", 0, 5);
    set_accessible(zao_uv_spin_, QStringLiteral("Počet desetinných míst úhlových vteřin"));
    place(zao_uv_spin_, 88, 42, 32, 22, s);
    place(text_label(rounding, QStringLiteral("desetinných míst")), 123, 44, 104, 20, s);

    auto* listings = make<QGroupBox>(this, "GroupBox2");
    listings->setTitle(QStringLiteral(" Výpisy  "));
    place(listings, 3, 78, 228, 62, s);
    vypis_res_ = make<QCheckBox>(listings, "vypis_res");
    vypis_res_->setText(QStringLiteral("Řešení výpočtů"));
    set_accessible(vypis_res_, vypis_res_->text());
    place(vypis_res_, 10, 18, 204, 20, s);
    vypis_ano_ = make<QCheckBox>(listings, "vypis_ano");
    vypis_ano_->setText(QStringLiteral("Výpočet soustavy rovnic"));
    set_accessible(vypis_ano_, vypis_ano_->text());
    place(vypis_ano_, 10, 38, 204, 20, s);

    auto* sizeLabel = text_label(this, QStringLiteral("Velikost zobrazení"));
    place(sizeLabel, 13, 146, 124, 20, s);
    velikost_ = make<QComboBox>(this, "velikost_zobrazeni");
    for (const int size : config::kDisplaySizes)
        velikost_->addItem(QStringLiteral("%1 %").arg(size), size);
    sizeLabel->setBuddy(velikost_);
    set_accessible(velikost_, sizeLabel->text(),
                   QStringLiteral("Zvětší okna programu, písmo i obrázky; projeví se po novém spuštění"));
    place(velikost_, 140, 144, 76, 22, s);

    auto* ok = make<QPushButton>(this, "ok_button");
    ok->setText(QStringLiteral("&OK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    set_accessible(ok, ok->text(), QStringLiteral("Nastaví současnou konfiguraci"));
    place(ok, 40, 173, 75, 25, s);
    auto* cancel = make<QPushButton>(this, "zrus_button");
    cancel->setText(QStringLiteral("&Zrušit"));
    cancel->setAutoDefault(false);
    set_accessible(cancel, cancel->text(), QStringLiteral("Ponechá předešlou konfiguraci"));
    place(cancel, 122, 173, 75, 25, s);
    connect(ok, &QPushButton::clicked, this, &Tnastaveni::accept);
    connect(cancel, &QPushButton::clicked, this, &Tnastaveni::reject);
}

void Tnastaveni::load()
{
    const Settings& st = model_.settings();
    for (const SettingsField& f : kSettingsFields) {
        if (f.number)
            findChild<QSpinBox*>(QString::fromLatin1(f.widget))->setValue(st.*f.number);
        else
            findChild<QCheckBox*>(QString::fromLatin1(f.widget))->setChecked(st.*f.on);
    }
    velikost_->setCurrentIndex(std::max(0, velikost_->findData(displaySize_)));
}

int Tnastaveni::open_settings()
{
    load();
    centre_on(this, parentWidget());
    return exec();
}

void Tnastaveni::accept()
{
    // A value still being typed counts as the box is left.
    zao_spin_->interpretText();
    zao_uv_spin_->interpretText();
    Settings st = model_.settings();
    for (const SettingsField& f : kSettingsFields) {
        if (f.number)
            st.*f.number = findChild<QSpinBox*>(QString::fromLatin1(f.widget))->value();
        else
            st.*f.on = findChild<QCheckBox*>(QString::fromLatin1(f.widget))->isChecked();
    }
    model_.setSettings(st);
    if (!st.vypis_rovnic && !st.vypis_reseni)
        model_.listing_close();
    QDialog::accept();
    // After the dialog has gone: the choice may offer a new start.
    if (const int size = velikost_->currentData().toInt(); size != displaySize_) {
        displaySize_ = size;
        emit displaySizeChosen(size);
    }
}

} // namespace qvk::shell
