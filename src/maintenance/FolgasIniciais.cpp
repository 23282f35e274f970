#include "maintenance/FolgasIniciais.h"

#include "base/Falha.h"
#include "engine/Contadores.h"
#include "model/Sistema.h"

#include <vector>

void FolgasIniciais::Abre() {
    servico = 0;
    linhas.clear();
    NormalizaContadores(sis);
    CarregaVetBas(sis, Banco::Principal);
}

QString FolgasIniciais::Descricao() const {
    return servico == 0 ? QString() : sis.VetSv[servico].Descr;
}

void FolgasIniciais::Escolhe() {
    servico = 0;
    linhas.clear();
    CarregaVetBas(sis, Banco::Principal);
    for (int k = 1; k <= 30 && servico == 0; ++k)
        if (sis.VetSv[k].Definido() && sis.VetSv[k].Sel == QLatin1String("S"))
            servico = k;
    if (servico == 0)
        return;
    const GradeTexto& g = RecarregaGrade(sis, servico);
    for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r) {
        const QString num = g.Cel(0, r);
        const int a = SlotDe(sis, num);
        linhas.append({num, a == 0 ? QString() : num + QStringLiteral("  ") + sis.VetBas[a].Nome,
                       g.Cel(1, r), g.Cel(2, r), g.Cel(3, r), g.Cel(4, r)});
    }
}

void FolgasIniciais::DefineData(int i, bool preta, const QString& texto) {
    if (i < 0 || i >= linhas.size())
        return;
    (preta ? linhas[i].USvPt : linhas[i].USvVm) = texto;
}

void FolgasIniciais::Grava() {
    if (servico == 0)
        return;
    // Every row is read before anything changes.
    std::vector<std::pair<Data, Data>> datas;
    for (int i = 0; i < linhas.size(); ++i) {
        const LinhaFolga& l = linhas[i];
        const auto le = [&](const QString& texto) {
            if (texto.trimmed().isEmpty())
                throw Recusa(QStringLiteral("Militar %1 (linha %2): data em branco >>> Data "
                                            "inválida")
                                 .arg(l.Num)
                                 .arg(i + 1));
            const std::optional<Data> d = sis.LeData(texto.trimmed());
            if (!d)
                throw Recusa(texto + QStringLiteral(" >>> Data inválida"));
            return *d;
        };
        const Data pt = le(l.USvPt);
        datas.emplace_back(pt, le(l.USvVm));
    }

    CarregaVetBas(sis, Banco::Principal);
    GradeTexto& g = RecarregaGrade(sis, servico);
    if (g.PrimeiraVazia() - 1 != linhas.size())
        throw Falha(QStringLiteral("A escala do serviço %1 mudou enquanto o quadro estava aberto: "
                                   "nada foi gravado. Selecione o serviço de novo.")
                        .arg(servico));
    const Data nunca = DataNunca();
    for (int i = 0; i < linhas.size(); ++i) {
        const int r = i + 1;
        const auto [pt, vm] = datas[static_cast<size_t>(i)];
        g.DefineCel(3, r, pt.Texto());
        g.DefineCel(4, r, vm.Texto());
        const int a = SlotDe(sis, g.Cel(0, r));
        if (a == 0)
            continue;
        TipoVetBas& b = sis.VetBas[a];
        for (int k = 1; k <= 10; ++k)
            if (b.USv[k] < nunca)
                b.USv[k] = nunca;
        OrdenaUSv(sis, a);
        b.USv[1] = pt;
        b.USv[2] = vm;
        OrdenaUSv(sis, a);
    }
    DMGeral::Transacao t(sis.dm, Banco::Principal);
    t.Registra(QStringLiteral("Folgas iniciais"), QStringLiteral("serviço %1").arg(servico));
    GravaVetBas(sis, Banco::Principal);
    GravaGradeSv(sis, g, sis.TabelaAtual, Banco::Principal);
    t.Confirma();
    RecarregaGrade(sis, servico);
    linhas.clear();
}
