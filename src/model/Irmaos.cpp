#include "model/Irmaos.h"

#include "model/Grades.h"
#include "model/Historico.h"
#include "model/Pessoal.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <QSet>

QString TresDigitos(long long valor) {
    return Direita(QStringLiteral("000") + QString::number(valor), 3);
}

namespace {

int ValorCelula(const QString& texto) {
    return qMax(0, texto.trimmed().toInt());
}

void Acrescenta(QString& total, long long valor) {
    total = TresDigitos(total.toLongLong() + valor);
}

} // namespace

void MontaIrmaos(Sistema& s) {
    CarregaVetSv(s, Banco::Principal);
    CarregaGrades(s, Banco::Principal);
    CarregaVetBas(s, Banco::Principal);
    std::fill(s.VetIrmaos.begin(), s.VetIrmaos.end(), TipoVetIrmaos());
    std::fill(s.VetIrmaosR.begin(), s.VetIrmaosR.end(), TipoVetIrmaos());

    for (int i = 1; i <= 1000; ++i) {
        const TipoVetBas& b = s.VetBas[i];
        if (b.Num.isEmpty())
            continue;
        TipoVetIrmaos& resumo = b.PR == QLatin1String("R") ? s.VetIrmaosR[i] : s.VetIrmaos[i];
        QStringList lista;
        for (int k = 1; k <= 30; ++k) {
            const GradeTexto& g = s.Grades.GradeSv[k];
            if (g.Cel(0, 1).isEmpty())
                continue;
            const int r = g.LinhaDe(b.Num);
            if (r == 0)
                continue;
            const int pt = ValorCelula(g.Cel(1, r));
            const int vm = ValorCelula(g.Cel(2, r));
            resumo.Num = b.Num;
            resumo.Sv[k] = {TresDigitos(pt + vm), TresDigitos(vm), TresDigitos(pt)};
            Acrescenta(resumo.Total.PtVm, pt + vm);
            Acrescenta(resumo.Total.Vm, vm);
            Acrescenta(resumo.Total.Pt, pt);
            lista << QString::number(k);
        }
        resumo.ListaSv = lista.join(',');
    }
}

ContadoresEntrada ContadoresIniciais(Sistema& s, GradeTexto& g, int sv, const QString& lista,
                                     const QString& num) {
    if (lista.size() >= 3) {
        int irmao = 0;
        for (int i = 1; i <= 1000; ++i)
            if (!s.VetIrmaos[i].Num.isEmpty() && s.VetIrmaos[i].ListaSv == lista &&
                (irmao == 0 || s.VetIrmaos[i].Chave() < s.VetIrmaos[irmao].Chave()))
                irmao = i;
        if (irmao != 0) {
            int proprio = 0;
            for (int i = 1; i <= 1000 && proprio == 0; ++i)
                if (!num.isEmpty() && s.VetIrmaosR[i].Num == num)
                    proprio = i;
            const QString chaveIrmao = s.VetIrmaos[irmao].Chave();
            const QString chavePropria =
                proprio != 0 ? s.VetIrmaosR[proprio].Chave() : QStringLiteral("0");
            const TipoTotSv& origem = chavePropria > chaveIrmao ? s.VetIrmaosR[proprio].Sv[sv]
                                                                : s.VetIrmaos[irmao].Sv[sv];
            return {origem.Pt.toInt(), origem.Vm.toInt()};
        }
    }

    // Minimum rule over the members registered and not away today.
    QSet<QString> presentes, cadastrados;
    const Data hoje = s.relogio.Hoje();
    for (int a = 1; a <= 1000; ++a) {
        const TipoVetBas& b = s.VetBas[a];
        if (b.Num.isEmpty() || cadastrados.contains(b.Num))
            continue;
        cadastrados.insert(b.Num); // the first record of a number decides
        if (!(b.PR == QLatin1String("R") && b.Ini <= hoje && hoje <= b.Fim))
            presentes.insert(b.Num);
    }
    int minPt = 999, minVm = 999;
    for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r) {
        if (!presentes.contains(g.Cel(0, r)))
            continue;
        for (int c : {1, 2})
            if (g.Cel(c, r).isEmpty())
                g.DefineCel(c, r, QStringLiteral("0"));
        minPt = qMin(minPt, g.Cel(1, r).toInt());
        minVm = qMin(minVm, g.Cel(2, r).toInt());
    }
    return {minPt == 999 ? 0 : minPt, minVm == 999 ? 0 : minVm};
}

QString ListaSvNasGrades(const Sistema& s, const QString& num) {
    QStringList lista;
    for (int k = 1; k <= 30; ++k)
        if (s.VetSv[k].Definido() && s.Grades.GradeSv[k].LinhaDe(num) != 0)
            lista << QString::number(k);
    return lista.join(',');
}

QString ListaSvDoMilitar(Sistema& s, const QString& num) {
    CarregaVetSv(s, Banco::Principal);
    // CarregaGrades clears each grid first, so that rows left over from a
    // longer rotation do not count.
    CarregaGrades(s, Banco::Principal);
    return ListaSvNasGrades(s, num);
}
