#include "app/Startup.h"
#include "widgets/ImageResources.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char* argv[])
{
    // Started before anything else: the "Step" lines count from here.
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    ImageResources::registerAll();
    const int rc = Startup::run(app, sinceStart);
    ImageResources::unregisterAll();
    return rc;
}
