#include "engine/Contadores.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// Num, Pt and Vm of each row of a rotation table.
QStringList Contadores(AmbienteTeste& a, int sv) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
        r << l.mid(0, 3).join(' ');
    return r;
}

QStringList Datas(AmbienteTeste& a, int sv) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
        r << l.mid(3).join(' ');
    return r;
}

} // namespace

// Maintenance item 20 and the counter normalisation.
class TesteContadores : public QObject {
    Q_OBJECT
private slots:
    void equaliza_data() {
        QTest::addColumn<bool>("sim");
        QTest::newRow("não") << false;
        QTest::newRow("sim") << true;
    }
    // Yes sets Pt and Vm to 3 on every row of all 30 tables, the table of an
    // undefined duty included; No changes nothing. Dates are kept.
    void equaliza() {
        QFETCH(bool, sim);
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Sgt Dia");
        a.Membro(1, "1", 7, 2, "01/03/24", "02/03/24");
        a.Membro(1, "2", 0, 9);
        a.Membro(2, "1", 4, 4);
        a.Membro(30, "5", 12, 1); // a table left behind by a removed duty
        QList<QList<QStringList>> antes;
        for (int n = 1; n <= 30; ++n)
            antes << a.Linhas(QStringLiteral("Sv%1").arg(n));

        a.dialogos.EsperaConfirma(sim, "Deseja continuar?");
        EqualizaContadores(*a.sis);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos.first(),
                 QStringLiteral(
                     "   Este procedimento irá igualar todas as quantidades de\r\rserviços "
                     "virtuais em todas as escalas. Isto pode ser necessário\r\rquando as "
                     "escalas estiverem desequilibradas, com alguns militares \r\rtirando mais "
                     "serviços que outros \r\r                     Deseja continuar?"));

        for (int n = 1; n <= 30; ++n) {
            QList<QStringList> esperado = antes[n - 1];
            if (sim)
                for (QStringList& l : esperado) {
                    l[1] = "3";
                    l[2] = "3";
                }
            QCOMPARE(a.Linhas(QStringLiteral("Sv%1").arg(n)), esperado);
        }
    }

    // 5, 9, 7 become 3, 7, 5; the members away today are not counted: the one
    // with 2 ends at 0, the one with 1 would end below 0 and gets 3. A member
    // whose absence is only planned, or over, counts.
    void normaliza() {
        AmbienteTeste a; // today 10/03/24
        a.Servico(1, "Of Dia");
        a.Servico(3, "Guarda");
        a.Militar("1", "UM");
        a.Militar("2", "DOIS");
        a.Militar("3", "TRES", 9999, "Sd", "P", D(1, 3, 2024), D(20, 3, 2024));
        a.Militar("4", "QUATRO", 9999, "Sd", "R", D(1, 3, 2024), D(20, 3, 2024));
        a.Militar("5", "CINCO", 9999, "Sd", "R", D(10, 3, 2024), D(10, 3, 2024));
        a.Militar("6", "SEIS", 9999, "Sd", "R", D(1, 2, 2024), D(9, 3, 2024));
        a.Membro(1, "1", 5, 6, "01/03/24", "02/03/24");
        a.Membro(1, "2", 9, 4);
        a.Membro(1, "3", 7, 10);
        a.Membro(1, "4", 2, 5);
        a.Membro(1, "5", 1, 2);
        a.Membro(3, "1", 12, 0);
        a.Membro(3, "6", 10, 8);
        a.Membro(2, "1", 40, 40); // no duty 2: left alone
        a.sis->ListaSvAtual = "1,3";
        const QStringList datas = Datas(a, 1);

        NormalizaContadores(*a.sis);

        QCOMPARE(Contadores(a, 1), QStringList({"1 3 5", "2 7 3", "3 5 9", "4 0 4", "5 3 1"}));
        QCOMPARE(Contadores(a, 3), QStringList({"1 5 3", "6 3 11"}));
        QCOMPARE(Contadores(a, 2), QStringList({"1 40 40"}));
        QCOMPARE(Datas(a, 1), datas);
        QVERIFY(a.sis->ListaSvAtual.isEmpty());
    }

    // Each person with an absence code, in personnel order, enters each of
    // his rotations at no less than the lowest counters of the members
    // present today, counted as they stand after the persons before him: "2"
    // (planned, present) is raised first, so "3" and "5" start from it; every
    // row of "3" is raised; "4" (absence over) counts as present. A counter of
    // 999 or more counts as none; a rotation without absent members stays.
    void ajusta_afastados() {
        AmbienteTeste a; // today 10/03/24
        for (int k = 1; k <= 3; ++k)
            a.Servico(k, QStringLiteral("Serv%1").arg(k));
        a.Militar("1", "UM");
        a.Militar("2", "DOIS", 9999, "Sd", "P", D(15, 3, 2024), D(20, 3, 2024));
        a.Militar("3", "TRES", 9999, "Sd", "R", D(1, 3, 2024), D(20, 3, 2024));
        a.Militar("4", "QUATRO", 9999, "Sd", "R", D(1, 2, 2024), D(9, 3, 2024));
        a.Militar("5", "CINCO", 9999, "Sd", "R", D(10, 3, 2024), D(10, 3, 2024));
        a.Membro(1, "1", 5, 5, "01/03/24", "02/03/24");
        a.Membro(1, "2", 1, 7);
        a.Membro(1, "3", 0, 0);
        a.Membro(1, "4", 6, 2);
        a.Membro(1, "3", 9, 1);
        a.Membro(1, "5", 2, 3);
        a.Membro(2, "3", 1, 1);
        a.Membro(2, "1", 1000, 4);
        a.Membro(3, "1", 5, 5);
        const QStringList datas = Datas(a, 1);

        AjustaAfastados(*a.sis);

        QCOMPARE(Contadores(a, 1),
                 QStringList({"1 5 5", "2 5 7", "3 5 2", "4 6 5", "3 9 2", "5 5 5"}));
        QCOMPARE(Contadores(a, 2), QStringList({"3 1 4", "1 1000 4"}));
        QCOMPARE(Contadores(a, 3), QStringList({"1 5 5"}));
        QCOMPARE(Datas(a, 1), datas);
    }
};

REGISTRA_TESTE(TesteContadores)
#include "TesteContadores.moc"
