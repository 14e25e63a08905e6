// qvkalkor-batch: runs the calculators headless over JSON Lines.
#include "batch/protocol.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::ios::sync_with_stdio(false);
    while (const std::optional<QByteArray> next = qvk::batch::answer_next(std::cin)) {
        const QByteArray& reply = *next;
        if (reply.isEmpty())
            continue;
        std::cout.write(reply.constData(), reply.size());
        std::cout << '\n' << std::flush;
    }
    return 0;
}
