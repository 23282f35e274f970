#include "maintenance/Antiguidades.h"

#include "base/Falha.h"
#include "model/Sistema.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int NaoOrdenado = 9999;

} // namespace

void OrdemAntiguidade::Abre() {
    modificado = ordenado = lido = false;
    registros.clear();
    linhas.clear();
    CarregaVetBas(sis, Banco::Principal);
    for (int a = 1; a <= 1000 && !sis.VetBas[a].Num.isEmpty(); ++a)
        registros.push_back(sis.VetBas[a]);
    std::stable_sort(registros.begin(), registros.end(),
                     [](const TipoVetBas& x, const TipoVetBas& y) { return x.Antig < y.Antig; });
    for (const TipoVetBas& b : registros)
        linhas.append({b.Num, b.PstGrd, b.Nome.left(15), QString::number(b.Antig).left(4)});
    lido = true;
}

void OrdemAntiguidade::DefineAntig(int i, const QString& texto) {
    if (i < 0 || i >= linhas.size() || linhas[i].Antig == texto)
        return;
    linhas[i].Antig = texto;
    modificado = true;
}

void OrdemAntiguidade::Ordena() {
    // Basico is rewritten from the rows: rows not read whole would lose persons.
    if (!lido)
        throw Recusa(
            QStringLiteral("A relação dos militares não pôde ser lida: nada foi gravado."));
    const qsizetype n = linhas.size();
    std::vector<int> antig(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        bool ok = false;
        const int valor = linhas[i].Antig.trimmed().toInt(&ok);
        if (!ok || valor < 0 || valor > NaoOrdenado)
            throw Recusa(QStringLiteral("Antiguidade inválida para o militar %1 (linha %2): "
                                        "\"%3\".\nDigite um número inteiro de 0 a 9999. Nada "
                                        "foi gravado.")
                             .arg(linhas[i].Num)
                             .arg(i + 1)
                             .arg(linhas[i].Antig));
        antig[static_cast<size_t>(i)] = valor;
    }
    std::vector<int> ordem(static_cast<size_t>(n));
    std::iota(ordem.begin(), ordem.end(), 0);
    std::stable_sort(ordem.begin(), ordem.end(), [&](int x, int y) {
        return antig[static_cast<size_t>(x)] < antig[static_cast<size_t>(y)];
    });

    // The first gets 10, each following one not at 9999 the next ten.
    for (int a = 1; a <= 1000; ++a)
        sis.VetBas[a] = RegistroVazio();
    int contador = 10;
    for (qsizetype p = 0; p < n; ++p) {
        const int i = ordem[static_cast<size_t>(p)];
        TipoVetBas b = registros[static_cast<size_t>(i)];
        if (p == 0)
            b.Antig = 10;
        else if (antig[static_cast<size_t>(i)] == NaoOrdenado)
            b.Antig = NaoOrdenado;
        else
            b.Antig = (contador += 10);
        sis.VetBas[static_cast<size_t>(p + 1)] = b;
    }
    GravaVetBas(sis, Banco::Principal);
    Abre();
    ordenado = true;
}

void OrdemAntiguidade::Fecha() {
    if (modificado && !ordenado &&
        sis.dialogos.Confirma(QStringLiteral("Deseja gravar as alterações feitas?   \r\r"
                                             "                     ")))
        Ordena();
}
