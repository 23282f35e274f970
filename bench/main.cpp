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
    if (app.arguments().value(1) == QLatin1String("--piso")) {
        ExecutaPiso(app.arguments().value(2));
        return 0;
    }
    // --registro DIR: the register is created in DIR and kept, to run the
    // command on it by hand or under a profiler.
    if (app.arguments().value(1) == QLatin1String("--registro")) {
        RegistroMaximo registro(app.arguments().value(2));
        return 0;
    }
    QStandardPaths::setTestModeEnabled(true);
    constexpr int execucoes = 7;
    std::printf("Registro máximo: 30 serviços, 1000 militares (79 afastados ou a se afastar), 500 "
                "por escala, %d registros no histórico.\nMediana de %d execuções.\n\n",
                RegistroMaximo::LinhasHistorico, execucoes);
    // An argument runs only the measures whose name contains it.
    const QString filtro = app.arguments().value(1);
    // The operations inside this process first, then the whole runs: the floor
    // before the measures whose aim is a multiple of it.
    std::vector<Medida> medidas;
    bool comPiso = false;
    for (const Medida& m : Medidas())
        if (m.nome.contains(filtro) && !m.piso) {
            medidas.push_back(m);
            comPiso = comPiso || m.metaPiso > 0;
        }
    std::stable_partition(medidas.begin(), medidas.end(),
                          [](const Medida& m) { return m.metaPiso == 0; });
    for (const Medida& m : Medidas())
        if (m.piso && (comPiso || m.nome.contains(filtro)))
            medidas.insert(std::find_if(medidas.begin(), medidas.end(),
                                        [](const Medida& n) { return n.metaPiso > 0; }),
                           m);
    RegistroMaximo registro;
    bool acimaDaMeta = false;
    double piso = 0;
    for (const Medida& m : medidas) {
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
        if (m.piso)
            piso = mediana;
        const double meta = m.metaPiso > 0 ? m.metaPiso * piso : m.metaMs;
        const bool acima = meta > 0 && mediana > meta;
        acimaDaMeta = acimaDaMeta || acima;
        std::printf("%-55s %10.3f ms", qPrintable(m.nome), mediana);
        if (m.metaPiso > 0)
            std::printf("   (%.2f× o piso; meta: < %g×%s)", mediana / piso, m.metaPiso,
                        acima ? ", ACIMA" : "");
        else if (meta > 0)
            std::printf("   (meta: < %g ms%s)", meta, acima ? ", ACIMA" : "");
        std::printf("\n");
    }
    return acimaDaMeta ? 1 : 0;
}
