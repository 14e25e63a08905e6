// qvkalkor-batch: runs the calculators headless over JSON Lines.
#include "batch/protocol.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        const QByteArray reply = qvk::batch::answer(QByteArray::fromStdString(line));
        if (reply.isEmpty())
            continue;
        std::cout.write(reply.constData(), reply.size());
        std::cout << '\n' << std::flush;
    }
    return 0;
}
