#include "app/startup.h"

#include <QApplication>

int runKelvora(int& argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
