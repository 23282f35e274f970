#include "shell/ComandoEscala.h"
#include "shell/Inicio.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tarvolim"));
    QTextStream saida(stdout);
    saida.setEncoding(QStringConverter::Utf8);
    return ExecutaComandoEscala(app.arguments().mid(1), saida, Inicio::ArquivoAliasesPadrao());
}
