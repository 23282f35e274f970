#include "support/ApoioEscala.h"

#include "reports/QuantidadesDiarias.h"

#include <QTest>

void PreparaEscala(AmbienteTeste& a, Data fim, bool faseVermelha) {
    Sistema& s = *a.sis;
    CarregaVetSv(s, Banco::Principal);
    s.UltimaEscala = s.pasta.LeUltimaEscala();
    s.Aba.Edit1 = fim.Texto();
    TabelaQuantidades& t = s.Quantidades;
    t.UltimaEscala = s.UltimaEscala;
    t.FimPeriodo = fim;
    for (int k = 1; k <= 30; ++k) {
        t.Participa[k] = s.VetSv[k].Definido();
        if (t.Participa[k])
            s.VetSv[k].Sel = QStringLiteral("S");
    }
    t.TabelaConstruida = 1;
    t.Tocada = false;
    t.FaseVermelha = faseVermelha;
    AtivaTabelaQuantidades(s);
    QVERIFY(!FechaTabelaQuantidades(s));
    t.FaseVermelha = false;
}

void PeriodoDeMarco(AmbienteTeste& a, const QList<Data>& feriados) {
    Sistema& s = *a.sis;
    s.pasta.GravaUltimaEscala(D(10, 3, 2024));
    s.pasta.GravaDataIniFim(D(10, 3, 2024), D(31, 3, 2024));
    QStringList vermelhos;
    for (Data d = D(9, 3, 2024); d <= D(31, 3, 2024); ++d)
        if (d.DiaDaSemana() == 1 || d.DiaDaSemana() == 7 || feriados.contains(d))
            vermelhos << d.Texto();
    s.pasta.GravaLinhas("SemExped.Txt", vermelhos);
}

void RegistroPequeno(AmbienteTeste& a, int quantGuarda, int folga) {
    PeriodoDeMarco(a);
    a.Servico(1, "Of Dia", 1, folga);
    a.Servico(2, "Guarda", quantGuarda, folga);
    for (int i = 1; i <= 6; ++i) {
        a.Militar(QString::number(i), QStringLiteral("M%1").arg(i), i);
        a.Membro(i <= 3 ? 1 : 2, QString::number(i));
    }
}

QString Escalado(const Sistema& s, Data dia, int sv) {
    for (int i = 1; i <= MaxHist && !s.VetHist[i].Descr.isEmpty(); ++i)
        if (s.VetHist[i].Dia == dia && s.VetHist[i].CodSv == sv)
            return s.VetHist[i].Num;
    return QStringLiteral("?");
}

QStringList Rodizio(AmbienteTeste& a, int sv) {
    QStringList linhas;
    for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
        linhas << l.join(' ');
    linhas.sort();
    return linhas;
}

void RegistroTresMilitares(AmbienteTeste& a) {
    a.sis->pasta.GravaUltimaEscala(D(10, 3, 2024));
    a.Servico(1, "Of Dia", 1, 0);
    for (int i = 1; i <= 3; ++i) {
        a.Militar(QString::number(i), QStringLiteral("M%1").arg(i), i);
        a.Membro(1, QString::number(i));
    }
}
