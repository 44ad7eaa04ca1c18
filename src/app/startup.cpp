#include "app/startup.h"

#include <QApplication>
#include <QtPlugin>

Q_IMPORT_PLUGIN(WindowsModernStylePlugin)

int runKelvora(int& argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}
