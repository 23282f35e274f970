#include "model/Irmaos.h"

#include "model/Grades.h"
#include "model/Historico.h"
#include "model/Pessoal.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <QSet>

QString TresDigitos(long long valor) {
    if (valor < 0)
        return Direita(QStringLiteral("000") + QString::number(valor), 3);
    const int m = static_cast<int>(valor % 1000); // the last three digits
    const QChar digitos[3] = {QChar(u'0' + m / 100), QChar(u'0' + m / 10 % 10),
                              QChar(u'0' + m % 10)};
    return QString(digitos, 3);
}

namespace {

long long ValorCelula(const QString& texto) {
    return qMax(0LL, texto.trimmed().toLongLong());
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
            // In 64 bits: the sums keep their last three digits, never wrap.
            const long long pt = ValorCelula(g.Cel(1, r));
            const long long vm = ValorCelula(g.Cel(2, r));
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
    return BaseContadores(s, lista).Entrada(g, sv, num);
}

BaseContadores::BaseContadores(const Sistema& s, const QString& lista) : sis(s) {
    if (lista.size() >= 3) {
        QString menor;
        for (int i = 1; i <= 1000; ++i) {
            const TipoVetIrmaos& v = s.VetIrmaos[i];
            if (v.Num.isEmpty() || v.ListaSv != lista)
                continue;
            QString chave = v.Chave();
            if (irmao == 0 || chave < menor) {
                irmao = i;
                menor = std::move(chave);
            }
        }
    }
    if (irmao != 0) {
        for (int i = 1; i <= 1000; ++i) {
            const QString& n = s.VetIrmaosR[i].Num;
            if (!n.isEmpty() && !proprios.contains(n))
                proprios.insert(n, i); // the first slot of a number decides
        }
        return;
    }
    // The minimum rule counts the members registered and not away today.
    QSet<QString> cadastrados;
    const Data hoje = s.relogio.Hoje();
    for (int a = 1; a <= 1000; ++a) {
        const TipoVetBas& b = s.VetBas[a];
        if (b.Num.isEmpty() || cadastrados.contains(b.Num))
            continue;
        cadastrados.insert(b.Num); // the first record of a number decides
        if (!(b.PR == QLatin1String("R") && b.Ini <= hoje && hoje <= b.Fim))
            presentes.insert(b.Num);
    }
}

ContadoresEntrada BaseContadores::Entrada(GradeTexto& g, int sv, const QString& num) const {
    if (irmao != 0) {
        const int proprio = num.isEmpty() ? 0 : proprios.value(num, 0);
        const QString chaveIrmao = sis.VetIrmaos[irmao].Chave();
        const QString chavePropria =
            proprio != 0 ? sis.VetIrmaosR[proprio].Chave() : QStringLiteral("0");
        const TipoTotSv& origem = chavePropria > chaveIrmao ? sis.VetIrmaosR[proprio].Sv[sv]
                                                            : sis.VetIrmaos[irmao].Sv[sv];
        return {origem.Pt.toInt(), origem.Vm.toInt()};
    }
    return MinimoDosPresentes(*this, g).Entrada();
}

MinimoDosPresentes::MinimoDosPresentes(const BaseContadores& base, GradeTexto& g)
    : grade(g), presentes(501) {
    for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r) {
        if (!base.Presente(g.Cel(0, r)))
            continue;
        for (int c : {1, 2})
            if (g.Cel(c, r).isEmpty())
                g.DefineCel(c, r, QStringLiteral("0"));
        const int pt = g.Cel(1, r).toInt(), vm = g.Cel(2, r).toInt();
        presentes[static_cast<size_t>(r)] = std::pair{pt, vm};
        pts.insert(pt);
        vms.insert(vm);
    }
}

ContadoresEntrada MinimoDosPresentes::Entrada() const {
    const auto menor = [](const std::multiset<int>& v) {
        return v.empty() || *v.begin() >= 999 ? 0 : *v.begin();
    };
    return {menor(pts), menor(vms)};
}

void MinimoDosPresentes::DefineContadores(int r, int pt, int vm) {
    grade.DefineCel(1, r, QString::number(pt));
    grade.DefineCel(2, r, QString::number(vm));
    auto& valores = presentes[static_cast<size_t>(r)];
    if (!valores)
        return;
    pts.erase(pts.find(valores->first));
    vms.erase(vms.find(valores->second));
    valores = std::pair{pt, vm};
    pts.insert(pt);
    vms.insert(vm);
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
