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
    for (int n = 1; n <= 30; ++n)
        s.dm.IgualaRodizio(n);
    t.Confirma();
}

void NormalizaContadores(Sistema& s) {
    CarregaVetSv(s, Banco::Principal);
    CarregaVetBas(s, Banco::Principal);
    s.ListaSvAtual.clear();
    DMGeral::Transacao t(s.dm, Banco::Principal);
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
