#include "support/ApoioEscala.h"

#include "engine/Trocas.h"
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

void RegistroDaTroca(AmbienteTeste& a) {
    a.Servico(2, "Guarda");
    a.Servico(3, "Ronda");
    a.Militar("12", "Doze", 1, "Sd", QString(), Data(), Data(), "05/03/24 ");
    a.Militar("7", "Sete", 2, "Sd", QString(), Data(), Data(), "01/02/24 05/03/24 ");
    a.Militar("30", "Trinta", 3, "Sd", QString(), Data(), Data(), "01/03/24 ");
    for (const char* n : {"12", "7", "30"})
        a.Membro(2, n, 5, 5, "05/03/24", "13/05/09");
    a.Membro(3, "7", 2, 2);
    a.Membro(3, "30", 2, 2);
    a.Historico(D(5, 3, 2024), 2, "Guarda", "12 7 ");
    a.Historico(D(5, 3, 2024), 3, "Ronda", "7 ");
}

void CasosDeTroca() {
    QTest::addColumn<QString>("sai");
    QTest::addColumn<QString>("entra");
    QTest::addColumn<int>("computar");
    QTest::addColumn<QString>("historico");
    QTest::addColumn<QStringList>("usv");
    QTest::addColumn<QStringList>("sv2");
    QTest::addColumn<QStringList>("sv3");
    QTest::newRow("B") << "7"
                       << "30" << int(Computar::B) << "12 30 "
                       << QStringList{"05/03/24 ", "01/02/24 ", "01/03/24 05/03/24 "}
                       << QStringList{"12 5 5 05/03/24 13/05/09", "30 6 5 05/03/24 13/05/09",
                                      "7 4 5 10/05/23 13/05/09"}
                       << QStringList{"30 3 2 13/05/09 13/05/09", "7 1 2 13/05/09 13/05/09"};
    QTest::newRow("A e B") << "7"
                           << "30" << int(Computar::AeB) << "12 7 30 "
                           << QStringList{"05/03/24 ", "01/02/24 05/03/24 ", "01/03/24 05/03/24 "}
                           << QStringList{"12 5 5 05/03/24 13/05/09", "30 6 5 05/03/24 13/05/09",
                                          "7 5 5 05/03/24 13/05/09"}
                           << QStringList{"30 3 2 13/05/09 13/05/09", "7 2 2 13/05/09 13/05/09"};
    QTest::newRow("A = 0") << "0"
                           << "30" << int(Computar::B) << "12 7 30 "
                           << QStringList{"05/03/24 ", "01/02/24 05/03/24 ", "01/03/24 05/03/24 "}
                           << QStringList{"12 5 5 05/03/24 13/05/09", "30 6 5 05/03/24 13/05/09",
                                          "7 5 5 05/03/24 13/05/09"}
                           << QStringList{"30 3 2 13/05/09 13/05/09", "7 2 2 13/05/09 13/05/09"};
    QTest::newRow("B = 0") << "7"
                           << "0" << int(Computar::B) << "12 "
                           << QStringList{"05/03/24 ", "01/02/24 ", "01/03/24 "}
                           << QStringList{"12 5 5 05/03/24 13/05/09", "30 5 5 05/03/24 13/05/09",
                                          "7 4 5 10/05/23 13/05/09"}
                           << QStringList{"30 2 2 13/05/09 13/05/09", "7 1 2 13/05/09 13/05/09"};
}
