#include "support/Registro.h"

#include <QCoreApplication>

// The core tests: no widget, no display.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return ExecutaTestes();
}
