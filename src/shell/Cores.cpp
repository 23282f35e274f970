#include "shell/Cores.h"

#include "base/Falha.h"
#include "model/Sistema.h"

#include <utility>

namespace {

const QString ArquivoCores = QStringLiteral("ArqCores.Txt");

int NumeroDoSlot(const QString& texto) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 13)
        throw Recusa(QStringLiteral("\"%1\" não é o número de uma cor de 1 a 13").arg(texto));
    return n;
}

} // namespace

void CarregaCores(Sistema& s) {
    const QStringList linhas = s.pasta.LeLinhas(ArquivoCores);
    std::array<int, 14> numeros = s.SlotsCores;
    for (int i = 1; i <= 13; ++i) {
        const int n = s.pasta.ConverteInteiro(linhas.value(i - 1), ArquivoCores);
        if (n < 1 || n > 13)
            throw Falha(QStringLiteral("\"%1\" não é uma cor de 1 a 13 (arquivo %2)")
                            .arg(linhas.value(i - 1), ArquivoCores));
        numeros[i] = n;
    }
    s.SlotsCores = numeros;
}

void GravaCores(const Sistema& s) {
    QStringList linhas;
    for (int i = 1; i <= 13; ++i)
        linhas.append(QString::number(s.SlotsCores[i]));
    s.pasta.GravaLinhas(ArquivoCores, linhas);
}

void TrocaCores(Sistema& s, const QString& a, const QString& b) {
    const int x = NumeroDoSlot(a);
    const int y = NumeroDoSlot(b);
    if ((x <= 6) == (y <= 6))
        throw Recusa(QStringLiteral("Não é possível trocar cores dentro do mesmo painel"));
    std::swap(s.SlotsCores[x], s.SlotsCores[y]);
}

void CoresOriginais(Sistema& s) {
    for (int i = 0; i <= 13; ++i)
        s.SlotsCores[i] = i;
}
