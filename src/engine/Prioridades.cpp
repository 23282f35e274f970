#include "engine/Prioridades.h"

#include "model/Sistema.h"

#include <QHash>
#include <array>
#include <utility>

namespace {

// One entry of the priority table; an undefined slot stays empty.
struct EntradaPrioridade {
    int CodSv = 0;
    int Concorrentes = 0;
    int Quant = 0;
    double Razao = 0;
};

bool Afastado(const TipoVetBas& b, Data hoje) {
    return b.PR == QLatin1String("R") && hoje >= b.Ini && hoje <= b.Fim;
}

} // namespace

void MontaQuadroEscalas(Sistema& s) {
    GradeTexto& q = s.SGQuadroEscalas;
    q = GradeTexto(31, 1001);
    const QString sim = QStringLiteral("S");
    for (int j = 1; j <= 30; ++j) {
        const TipoVetSv& sv = s.VetSv[j];
        if (!sv.Definido())
            continue;
        q.DefineCel(j, 0, sv.Descr);
        RecarregaGrade(s, j);
    }
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a) {
        const QString& num = s.VetBas[a].Num;
        q.DefineCel(0, a, num);
        for (int j = 1; j <= 30; ++j)
            if (s.VetSv[j].Definido() && s.Grades.GradeSv[j].LinhaDe(num) > 0)
                q.DefineCel(j, a, sim);
    }
}

void CalculaPrioridades(Sistema& s) {
    CarregaVetBas(s, Banco::Principal);
    CarregaVetSv(s, Banco::Principal);
    MontaQuadroEscalas(s);

    std::array<EntradaPrioridade, 31> tabela{};
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Definido())
            tabela[k] = {s.VetSv[k].CodSv, 0, s.VetSv[k].Quant, 0};

    // How many records of each number count as competitors (a number may
    // stand in several records; each one counts).
    const Data hoje = s.relogio.Hoje();
    QHash<QString, int> disponiveis;
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        disponiveis[s.VetBas[a].Num] += Afastado(s.VetBas[a], hoje) ? 0 : 1;

    const GradeTexto& q = s.SGQuadroEscalas;
    for (int i = 1; i <= 30; ++i) {
        if (q.Cel(i, 0).isEmpty())
            continue;
        int conta = 0;
        for (int r = 1; r <= 1000 && !q.Cel(0, r).isEmpty(); ++r)
            if (q.Cel(i, r) == QLatin1String("S"))
                conta += disponiveis.value(q.Cel(0, r));
        tabela[i].Concorrentes = conta;
    }

    for (int k = 1; k <= 30; ++k) {
        if (!s.VetSv[k].Definido())
            continue;
        EntradaPrioridade& e = tabela[k];
        e.Razao = e.Concorrentes == 0 || e.Quant == 0
                      ? 1000.0
                      : static_cast<double>(e.Concorrentes) / static_cast<double>(e.Quant);
    }

    // Exchange sort; entries whose Quant is 0 keep their places.
    for (int i = 1; i <= 30; ++i) {
        if (tabela[i].Quant == 0)
            continue;
        for (int j = i + 1; j <= 30; ++j)
            if (tabela[j].Quant != 0 && tabela[i].Razao > tabela[j].Razao)
                std::swap(tabela[i], tabela[j]);
    }

    for (int p = 1; p <= 30; ++p)
        for (int k = 1; k <= 30; ++k)
            if (s.VetSv[k].Definido() && s.VetSv[k].CodSv == tabela[p].CodSv)
                s.VetSv[k].Prio = p;

    GravaVetSv(s, Banco::Principal);
}
