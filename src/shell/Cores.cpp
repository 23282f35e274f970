#include "shell/Cores.h"

#include "base/Falha.h"
#include "model/Sistema.h"

void CarregaCores(Sistema& s) {
    const QString nome = QStringLiteral("ArqCores.Txt");
    const QStringList linhas = s.pasta.LeLinhas(nome);
    std::array<int, 14> numeros = s.SlotsCores;
    for (int i = 1; i <= 13; ++i) {
        const int n = s.pasta.ConverteInteiro(linhas.value(i - 1), nome);
        if (n < 1 || n > 13)
            throw Falha(QStringLiteral("\"%1\" não é uma cor de 1 a 13 (arquivo %2)")
                            .arg(linhas.value(i - 1), nome));
        numeros[i] = n;
    }
    s.SlotsCores = numeros;
}
