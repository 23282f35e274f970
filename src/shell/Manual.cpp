#include "shell/Manual.h"

#include "model/Sistema.h"

namespace Manual {

int InicioDaSecao(const QStringList& linhas, const QString& codigo) {
    for (int i = 0; i < linhas.size(); ++i)
        if (linhas[i].left(3) == codigo)
            return i;
    return -1;
}

QStringList Linhas(Sistema& s) {
    return s.pasta.LeLinhas(QStringLiteral("Manual.Txt"));
}

void AvisoDeEntrada(Sistema& s) {
    const int restantes = s.pasta.LeEntradas();
    if (restantes < 1 || restantes > 3)
        return;
    s.dialogos.Aviso(QStringLiteral("AVISO ") + QString::number(4 - restantes) +
                     QStringLiteral(" de 3:\r\rTalvez você precise RECADASTRAR AS FOLGAS dos "
                                    "militares\rUse o item  4.  da Guia /Primeira Utilização/"));
    s.pasta.GravaEntradas(restantes - 1);
}

} // namespace Manual
