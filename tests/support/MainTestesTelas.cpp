#include "support/Registro.h"

#include <QApplication>

// The screen tests: real widgets, offscreen unless a platform is asked for.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return ExecutaTestes();
}
