// The page "Prvočísla" with the desktop's event pump: a long factorization
// stays responsive and its Stop button ends it.
#include "app/assembly.h"
#include "shell/binding.h"
#include "shell/gui_host.h"
#include "shell/pages/primes_page.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct Window {
    qvk::WindowModel model;
    qvk::Registry registry;
    qvk::shell::GuiHost host;
    qvk::shell::PrimesPage page{1.0};
    qvk::shell::Binding binding{model, registry};

    QStringList boxes; // texts of message boxes, closed as they appear
    QTimer watchdog;

    Window()
    {
        // A box would wait for a user forever: note it and close it instead.
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes.append(box->text());
                box->reject();
            }
        });
        watchdog.start(20);
        qvk::app::assemble(model, registry);
        host.setOwner(&page);
        model.setHost(&host);
        binding.bindTree(&page);
        page.show();
    }
    ~Window() { model.setHost(nullptr); }

    template <typename W>
    W* widget(const char* name) const
    {
        return page.findChild<W*>(QString::fromUtf8(name));
    }
};

TEST(PrimesPage, StopEndsALongFactorization)
{
    Window w;
    w.model.setText(QStringLiteral("zadani_prv"), QStringLiteral("9223372036854775783"));
    auto* rozloz = w.widget<QPushButton>("rozloz");
    auto* prerus = w.widget<QPushButton>("prerus");
    ASSERT_TRUE(rozloz && prerus);
    EXPECT_EQ(prerus->text(), QStringLiteral("&Ukončit"));
    EXPECT_FALSE(prerus->isEnabled());

    bool lockedWhileRunning = false;
    QTimer::singleShot(50, prerus, [&] {
        lockedWhileRunning = prerus->isEnabled() && !rozloz->isEnabled();
        QTest::mouseClick(prerus, Qt::LeftButton);
    });
    // Runs the whole factorization inside the click; only the pump lets the timer in.
    QTest::mouseClick(rozloz, Qt::LeftButton);

    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    EXPECT_TRUE(lockedWhileRunning);
    EXPECT_EQ(w.widget<QLabel>("stav")->text(), QStringLiteral("Výpočet nedokončen"));
    EXPECT_EQ(w.model.text(QStringLiteral("rozklad")), QString());
    EXPECT_FALSE(prerus->isEnabled());
    EXPECT_TRUE(rozloz->isEnabled());
    EXPECT_TRUE(w.widget<QPushButton>("vypis")->isEnabled());
}

TEST(PrimesPage, StopDuringAListingRewritesTheEnd)
{
    Window w;
    w.model.setText(QStringLiteral("xod"), QStringLiteral("9223372036854775780"));
    w.model.setText(QStringLiteral("xdo"), QStringLiteral("9223372036854775807"));
    auto* prerus = w.widget<QPushButton>("prerus");
    QTimer::singleShot(50, prerus, [&] { QTest::mouseClick(prerus, Qt::LeftButton); });
    QTest::mouseClick(w.widget<QPushButton>("vypis"), Qt::LeftButton);

    EXPECT_TRUE(w.boxes.isEmpty()) << w.boxes.join(u'|').toStdString();
    // 9223372036854775783 is prime: its test is the one the stop breaks off.
    EXPECT_EQ(w.model.text(QStringLiteral("xdo")), QStringLiteral("9223372036854775782"));
    EXPECT_EQ(w.model.text(QStringLiteral("rozklad")), QStringLiteral("--------------------\nPočet : 0\n"));
    EXPECT_FALSE(prerus->isEnabled());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
