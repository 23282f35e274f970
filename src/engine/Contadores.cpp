#include "engine/Contadores.h"

#include "model/Sistema.h"

void EqualizaContadores(Sistema& s) {
    if (!s.dialogos.Confirma(QStringLiteral(
            "   Este procedimento irá igualar todas as quantidades de\r\rserviços virtuais em "
            "todas as escalas. Isto pode ser necessário\r\rquando as escalas estiverem "
            "desequilibradas, com alguns militares \r\rtirando mais serviços que outros \r\r"
            "                     Deseja continuar?")))
        return;
    DMGeral::Transacao t(s.dm, Banco::Principal);
    t.Registra(QStringLiteral("Igualar contadores"), QStringLiteral("todas as escalas"));
    for (int n = 1; n <= 30; ++n)
        s.dm.IgualaRodizio(n);
    t.Confirma();
}

void NormalizaContadores(Sistema& s) {
    CarregaVetSv(s, Banco::Principal);
    CarregaVetBas(s, Banco::Principal);
    s.ListaSvAtual.clear();
    DMGeral::Transacao t(s.dm, Banco::Principal);
    t.Registra(QStringLiteral("Normalizar contadores"), QStringLiteral("todas as escalas"));
    for (int k = 1; k <= 30; ++k) {
        if (!s.VetSv[k].Definido())
            continue;
        GradeTexto& g = RecarregaGrade(s, k);
        const auto minimo = ContadoresIniciais(s, g, k, QString(), QString());
        for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r) {
            const QString& num = g.Cel(0, r);
            const int pt = SomaContador(g.Cel(1, r).toLongLong(), 3LL - minimo.Pt,
                                        QStringLiteral("Pt"), num, k);
            const int vm = SomaContador(g.Cel(2, r).toLongLong(), 3LL - minimo.Vm,
                                        QStringLiteral("Vm"), num, k);
            g.DefineCel(1, r, QString::number(pt < 0 ? 3 : pt));
            g.DefineCel(2, r, QString::number(vm < 0 ? 3 : vm));
        }
        GravaGradeSv(s, g, s.TabelaAtual, Banco::Principal);
    }
    t.Confirma();
}

void AjustaAfastados(Sistema& s) {
    // The personnel records come from the table: memory may hold a swap
    // listing's invented duty dates, which must not become permanent.
    CarregaVetBas(s, Banco::Principal);
    CarregaVetSv(s, Banco::Principal);
    QStringList ausentes;
    for (int a = 1; a <= 1000 && !s.VetBas[a].Num.isEmpty(); ++a)
        if (!s.VetBas[a].PR.isEmpty())
            ausentes << s.VetBas[a].Num;
    if (ausentes.isEmpty())
        return;
    // Duty by duty, each rotation read and written once: the same result as
    // person by person, since a person's changes touch only his own rows.
    // Neither the personnel nor the rows' numbers change meanwhile.
    const BaseContadores base(s, s.ListaSvAtual);
    DMGeral::Transacao trans(s.dm, Banco::Principal);
    for (int k = 1; k <= 30; ++k) {
        if (!s.VetSv[k].Definido())
            continue;
        GradeTexto& g = RecarregaGrade(s, k);
        QHash<QString, QList<int>> linhasDe;
        for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r)
            linhasDe[g.Cel(0, r)].append(r);
        std::optional<MinimoDosPresentes> minimo;
        const auto define = [&](int r, int pt, int vm) {
            if (minimo)
                minimo->DefineContadores(r, pt, vm);
            else {
                g.DefineCel(1, r, QString::number(pt));
                g.DefineCel(2, r, QString::number(vm));
            }
        };
        bool mudou = false;
        for (const QString& num : ausentes) {
            const QList<int> linhas = linhasDe.value(num);
            if (linhas.isEmpty())
                continue;
            if (!minimo && !base.PorIrmao())
                minimo.emplace(base, g);
            QList<std::pair<int, int>> antigos;
            for (int r : linhas) {
                antigos.append({g.Cel(1, r).toInt(), g.Cel(2, r).toInt()});
                define(r, 999, 999);
            }
            const auto entrada = minimo ? minimo->Entrada() : base.Entrada(g, k, num);
            for (qsizetype i = 0; i < linhas.size(); ++i) {
                const auto [pt, vm] = antigos[i];
                define(linhas[i], qMax(entrada.Pt, pt), qMax(entrada.Vm, vm));
                mudou = mudou || entrada.Pt > pt || entrada.Vm > vm;
            }
        }
        // A rotation that would be written as it stands is left alone; so is
        // one its load blocked (Bloqueio), unless a counter must change.
        if (mudou || (!g.Bloqueada.Ativo() && !GradeComoNaTabela(s, g, k)))
            GravaGradeSv(s, g, s.TabelaAtual, Banco::Principal);
    }
    trans.Confirma();
}
