#include "support/ApoioComando.h"

#include "shell/ComandoEscala.h"

#include <QTextStream>

QStringList Execucao::Secao(const QString& titulo) const {
    QStringList linhas = saida.split('\n');
    linhas.removeLast();
    const int i = linhas.indexOf(titulo);
    QStringList secao;
    for (int j = i + 1; i >= 0 && j < linhas.size() && !linhas[j].startsWith('['); ++j)
        secao << linhas[j];
    return secao;
}

Execucao ExecutaComando(AmbienteTeste& a, const QStringList& argumentos) {
    a.sis.reset();
    Execucao e;
    QTextStream saida(&e.saida);
    e.codigo = ExecutaComandoEscala(
        QStringList{"--pasta-dados", a.Pasta(), "--hoje", "10/03/2024"} + argumentos, saida,
        a.dir.filePath("Aliases.ini"));
    a.sis =
        std::make_unique<Sistema>(a.Pasta(), a.PastaBackup(), a.relogio, a.dialogos, a.impressora);
    return e;
}
