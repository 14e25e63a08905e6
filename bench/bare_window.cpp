// The yardstick of the start: a bare Qt window with 20 buttons.
#include <QApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Qt"));
    auto* grid = new QGridLayout(&window);
    for (int i = 0; i < 20; ++i)
        grid->addWidget(new QPushButton(QString::number(i + 1), &window), i / 4, i % 4);
    window.show();
    return app.exec();
}
