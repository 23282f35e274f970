#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

// Sibling summaries and the counters a person enters a duty with.
class TesteIrmaos : public QObject {
    Q_OBJECT
private slots:
    void regra_do_minimo_data() {
        QTest::addColumn<QString>("prTerceiro"); // absence of the member with 5 / 3
        QTest::addColumn<int>("fimAusencia");    // days from today to his Fim
        QTest::addColumn<int>("pt");
        QTest::addColumn<int>("vm");
        QTest::newRow("todos presentes") << "" << 0 << 4 << 1;
        QTest::newRow("R com a janela em curso") << "R" << 2 << 4 << 1;
        QTest::newRow("R com a janela encerrada") << "R" << -1 << 4 << 1;
        QTest::newRow("P conta") << "P" << 2 << 4 << 1;
    }
    void regra_do_minimo() {
        QFETCH(QString, prTerceiro);
        QFETCH(int, fimAusencia);
        QFETCH(int, pt);
        QFETCH(int, vm);
        AmbienteTeste a;
        const Data hoje = a.relogio.Hoje();
        a.Servico(1, "Of Dia");
        a.Militar("1", "UM");
        a.Militar("2", "DOIS");
        a.Militar("3", "TRES", 9999, "Sd", prTerceiro, prTerceiro.isEmpty() ? Data() : hoje - 5,
                  prTerceiro.isEmpty() ? Data() : hoje + fimAusencia);
        a.Membro(1, "1", 4, 2);
        a.Membro(1, "2", 7, 1);
        a.Membro(1, "3", 5, 3);
        Sistema& s = *a.sis;
        MontaIrmaos(s);
        const auto c = ContadoresIniciais(s, s.Grades.GradeSv[1], 1, "1", "9");
        QCOMPARE(c.Pt, pt);
        QCOMPARE(c.Vm, vm);
    }

    // The member in an absence in effect does not lower the minimum.
    void ausente_nao_conta() {
        AmbienteTeste a;
        const Data hoje = a.relogio.Hoje();
        a.Servico(1, "Of Dia");
        a.Militar("1", "UM");
        a.Militar("2", "DOIS", 9999, "Sd", "R", hoje - 1, hoje + 3);
        a.Membro(1, "1", 6, 5);
        a.Membro(1, "2", 2, 1);
        Sistema& s = *a.sis;
        MontaIrmaos(s);
        auto c = ContadoresIniciais(s, s.Grades.GradeSv[1], 1, "", "");
        QCOMPARE(c.Pt, 6);
        QCOMPARE(c.Vm, 5);
    }

    void minimo_sem_membros_ou_999() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Sgt Dia");
        a.Militar("1", "UM");
        a.Membro(2, "1", 999, 1200);
        a.Membro(2, "44", 1, 1); // not registered: not counted
        Sistema& s = *a.sis;
        MontaIrmaos(s);
        auto c = ContadoresIniciais(s, s.Grades.GradeSv[1], 1, "1", "9");
        QCOMPARE(c.Pt, 0);
        QCOMPARE(c.Vm, 0);
        c = ContadoresIniciais(s, s.Grades.GradeSv[2], 2, "2", "9");
        QCOMPARE(c.Pt, 0);
        QCOMPARE(c.Vm, 0);
    }

    void regra_dos_irmaos() {
        AmbienteTeste a;
        for (int k : {2, 5})
            a.Servico(k, QStringLiteral("Sv %1").arg(k));
        a.Militar("1", "UM");
        a.Militar("2", "DOIS");
        a.Militar("3", "SO NO 2");
        a.Membro(2, "1", 8, 4);
        a.Membro(5, "1", 6, 2);
        a.Membro(2, "2", 3, 1); // smaller total: gives the counters
        a.Membro(5, "2", 5, 2);
        a.Membro(2, "3", 0, 0); // competes for 2 only: not a sibling
        Sistema& s = *a.sis;
        MontaIrmaos(s);
        QCOMPARE(s.VetIrmaos[2].ListaSv, QStringLiteral("2,5"));
        QCOMPARE(s.VetIrmaos[2].Chave(), QStringLiteral("011003008"));
        auto c = ContadoresIniciais(s, s.Grades.GradeSv[2], 2, "2,5", "9");
        QCOMPARE(c.Pt, 3);
        QCOMPARE(c.Vm, 1);
        c = ContadoresIniciais(s, s.Grades.GradeSv[5], 5, "2,5", "9");
        QCOMPARE(c.Pt, 5);
        QCOMPARE(c.Vm, 2);
        // A list of one duty always takes the minimum rule.
        c = ContadoresIniciais(s, s.Grades.GradeSv[2], 2, "2", "9");
        QCOMPARE(c.Pt, 0);
    }

    void irmaos_chaves_iguais_e_retorno() {
        AmbienteTeste a;
        for (int k : {1, 3})
            a.Servico(k, QStringLiteral("Sv %1").arg(k));
        a.Militar("1", "UM");
        a.Militar("2", "DOIS");
        a.Militar("9", "VOLTA", 9999, "Sd", "R", a.relogio.Hoje() - 9, a.relogio.Hoje() + 9);
        a.Membro(1, "1", 2, 1);
        a.Membro(3, "1", 1, 1);
        a.Membro(1, "2", 1, 1); // the same totals as 1, other distribution
        a.Membro(3, "2", 2, 1);
        a.Membro(1, "9", 9, 9); // heavier than both: keeps his own
        a.Membro(3, "9", 8, 7);
        Sistema& s = *a.sis;
        MontaIrmaos(s);
        QCOMPARE(s.VetIrmaos[1].Chave(), s.VetIrmaos[2].Chave());
        auto c = ContadoresIniciais(s, s.Grades.GradeSv[1], 1, "1,3", "5");
        QCOMPARE(c.Pt, 2); // the lower slot (person 1) wins the tie
        QCOMPARE(c.Vm, 1);
        c = ContadoresIniciais(s, s.Grades.GradeSv[3], 3, "1,3", "9");
        QCOMPARE(c.Pt, 8);
        QCOMPARE(c.Vm, 7);
    }

    // An undo can take a counter below 0: the summaries count it as 0.
    void contador_negativo() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("1", "UM");
        a.Membro(1, "1", -2, 1005);
        Sistema& s = *a.sis;
        MontaIrmaos(s);
        QCOMPARE(s.VetIrmaos[1].Sv[1].Pt, QStringLiteral("000"));
        QCOMPARE(s.VetIrmaos[1].Sv[1].Vm, QStringLiteral("005"));
        QCOMPARE(s.VetIrmaos[1].Total.PtVm, QStringLiteral("005"));
        QCOMPARE(TresDigitos(7), QStringLiteral("007"));
    }

    void lista_do_militar() {
        AmbienteTeste a;
        for (int k : {2, 4, 9})
            a.Servico(k, QStringLiteral("Sv %1").arg(k));
        a.Membro(9, "7");
        a.Membro(2, "7");
        a.Membro(4, "8");
        QCOMPARE(ListaSvDoMilitar(*a.sis, "7"), QStringLiteral("2,9"));
        QCOMPARE(ListaSvDoMilitar(*a.sis, "1"), QString());
    }
};
REGISTRA_TESTE(TesteIrmaos)
#include "TesteIrmaos.moc"
