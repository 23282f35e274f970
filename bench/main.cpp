#include "Medidas.h"
#include "RegistroMaximo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
std::vector<Medida>& Medidas() {
    static std::vector<Medida> lista;
    return lista;
}
} // namespace

bool RegistraMedida(Medida medida) {
    Medidas().push_back(std::move(medida));
    return true;
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    constexpr int execucoes = 7;
    std::printf("Registro máximo: 30 serviços, 1000 militares, 500 por escala, 10000 registros "
                "no histórico.\nMediana de %d execuções.\n\n",
                execucoes);
    // An argument runs only the measures whose name contains it.
    const QString filtro = app.arguments().value(1);
    RegistroMaximo registro;
    bool acimaDaMeta = false;
    for (const Medida& m : Medidas()) {
        if (!m.nome.contains(filtro))
            continue;
        std::vector<double> tempos;
        for (int i = 0; i < execucoes; ++i) {
            if (m.preparar)
                m.preparar(registro);
            QElapsedTimer relogio;
            relogio.start();
            m.medir(registro);
            tempos.push_back(static_cast<double>(relogio.nsecsElapsed()) / 1e6);
        }
        std::sort(tempos.begin(), tempos.end());
        const double mediana = tempos[tempos.size() / 2];
        const bool acima = m.metaMs > 0 && mediana > m.metaMs;
        acimaDaMeta = acimaDaMeta || acima;
        std::printf("%-55s %10.3f ms", qPrintable(m.nome), mediana);
        if (m.metaMs > 0)
            std::printf("   (meta: < %g ms%s)", m.metaMs, acima ? ", ACIMA" : "");
        std::printf("\n");
    }
    return acimaDaMeta ? 1 : 0;
}
