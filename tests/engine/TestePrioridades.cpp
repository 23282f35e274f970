#include "engine/Prioridades.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// Registers duty cod with Quant quant and the persons nums as its competitors
// (persons are created when new).
void Servico(AmbienteTeste& a, int cod, const QString& descr, int quant, const QStringList& nums) {
    a.Servico(cod, descr, quant);
    const QStringList existentes = a.Coluna("Basico", "Num");
    for (const QString& num : nums) {
        if (!existentes.contains(num))
            a.Militar(num, "MILITAR " + num);
        a.Membro(cod, num);
    }
}

QStringList Nums(const QString& prefixo, int quantos) {
    QStringList nums;
    for (int i = 1; i <= quantos; ++i)
        nums << prefixo + QString::number(i);
    return nums;
}

// Prio of each duty as the table Sv holds it, in slot order.
QList<int> Prioridades(AmbienteTeste& a) {
    QList<int> prios;
    for (const QString& p : a.Coluna("Sv", "Prio"))
        prios << p.toInt();
    return prios;
}

} // namespace

// The priority calculation between duties.
class TestePrioridades : public QObject {
    Q_OBJECT
private slots:
    // A with 10 competitors for 1 place, B with 4 for 2: B first.
    void mais_apertado_primeiro() {
        AmbienteTeste a;
        Servico(a, 1, "A", 1, Nums("A", 10));
        Servico(a, 2, "B", 2, Nums("B", 4));
        CalculaPrioridades(*a.sis);
        QCOMPARE(Prioridades(a), QList<int>({2, 1}));
        QCOMPARE(a.sis->VetSv[1].Prio, 2);
        QCOMPARE(a.sis->VetSv[2].Prio, 1);
    }

    // One of A's three competitors (Quant 1) is X; B has 5 for 2 places
    // (ratio 2.5). Counted, X makes A's ratio 3 and B goes first.
    void afastados_data() {
        QTest::addColumn<QString>("pr");
        QTest::addColumn<Data>("ini");
        QTest::addColumn<Data>("fim");
        QTest::addColumn<bool>("conta");
        // Today is 10/03/24.
        QTest::newRow("presente") << "" << Data() << Data() << true;
        QTest::newRow("R hoje no meio") << "R" << D(1, 3, 2024) << D(20, 3, 2024) << false;
        QTest::newRow("R começando hoje") << "R" << D(10, 3, 2024) << D(20, 3, 2024) << false;
        QTest::newRow("R terminando hoje") << "R" << D(1, 3, 2024) << D(10, 3, 2024) << false;
        QTest::newRow("R já terminado") << "R" << D(1, 3, 2024) << D(9, 3, 2024) << true;
        QTest::newRow("R ainda por vir") << "R" << D(11, 3, 2024) << D(20, 3, 2024) << true;
        QTest::newRow("P hoje no meio") << "P" << D(1, 3, 2024) << D(20, 3, 2024) << true;
    }
    void afastados() {
        QFETCH(QString, pr);
        QFETCH(Data, ini);
        QFETCH(Data, fim);
        QFETCH(bool, conta);
        AmbienteTeste a;
        a.Militar("X", "AUSENTE", 9999, "Sd", pr, ini, fim);
        Servico(a, 1, "A", 1, {"X", "A1", "A2"});
        Servico(a, 2, "B", 2, Nums("B", 5));
        CalculaPrioridades(*a.sis);
        QCOMPARE(Prioridades(a), conta ? QList<int>({2, 1}) : QList<int>({1, 2}));
    }

    // Slot 1 has no competitor (ratio 1000), slot 2 Quant 0, slot 3 ratio 2,
    // slot 4 ratio 1: the empty duty comes last among those with places, the
    // Quant-0 duty keeps its slot number.
    void sem_concorrentes_e_quant_zero() {
        AmbienteTeste a;
        a.Servico(1, "Vazio", 1);
        Servico(a, 2, "Zero", 0, Nums("Z", 3));
        Servico(a, 3, "C", 1, Nums("C", 2));
        Servico(a, 4, "D", 2, Nums("D", 2));
        CalculaPrioridades(*a.sis);
        QCOMPARE(Prioridades(a), QList<int>({4, 2, 3, 1}));
    }

    // Ratios 2, 2 and 1 in slots 1, 2, 3: the exchange sort gives 3, 2, 1.
    void empate_segue_a_troca() {
        AmbienteTeste a;
        Servico(a, 1, "Um", 1, Nums("U", 2));
        Servico(a, 2, "Dois", 2, Nums("D", 4));
        Servico(a, 3, "Tres", 1, Nums("T", 1));
        CalculaPrioridades(*a.sis);
        QCOMPARE(Prioridades(a), QList<int>({3, 2, 1}));
    }

    // The board: column j is duty slot j, rows the persons in stored order.
    // A second run gives the same board and priorities; a stale row left in a
    // working grid does not count as membership.
    void quadro_e_repeticao() {
        AmbienteTeste a;
        a.Militar("7", "SETE");
        a.Militar("12", "DOZE");
        a.Militar("3", "TRES");
        a.Servico(2, "Guarda", 1);
        a.Servico(5, "Ronda", 1);
        a.Membro(2, "3");
        a.Membro(2, "7");
        a.Membro(5, "12");
        a.Membro(5, "7");
        // Memory still holds a person the table no longer has.
        GradeTexto& g = a.sis->Grades.GradeSv[5];
        g.DefineCel(0, 1, "12");
        g.DefineCel(0, 2, "7");
        g.DefineCel(0, 3, "3");

        CalculaPrioridades(*a.sis);
        const GradeTexto& q = a.sis->SGQuadroEscalas;
        const auto linha = [&](int r) {
            QStringList l;
            for (int c : {0, 1, 2, 5})
                l << q.Cel(c, r);
            return l;
        };
        QCOMPARE(linha(0), QStringList({"", "", "Guarda", "Ronda"}));
        QCOMPARE(linha(1), QStringList({"7", "", "S", "S"}));
        QCOMPARE(linha(2), QStringList({"12", "", "", "S"}));
        QCOMPARE(linha(3), QStringList({"3", "", "S", ""}));
        QCOMPARE(linha(4), QStringList({"", "", "", ""}));
        QCOMPARE(a.sis->Grades.GradeSv[5].Cel(0, 3), QString());
        const QList<int> primeira = Prioridades(a);
        QCOMPARE(primeira, QList<int>({2, 5}));

        std::vector<QString> antes;
        for (int r = 0; r <= 1000; ++r)
            for (int c = 0; c <= 30; ++c)
                antes.push_back(q.Cel(c, r));
        CalculaPrioridades(*a.sis);
        std::vector<QString> depois;
        for (int r = 0; r <= 1000; ++r)
            for (int c = 0; c <= 30; ++c)
                depois.push_back(q.Cel(c, r));
        QVERIFY(antes == depois);
        QCOMPARE(Prioridades(a), primeira);
    }
};

REGISTRA_TESTE(TestePrioridades)
#include "TestePrioridades.moc"
