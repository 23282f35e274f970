#include "base/Falha.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Fills rows 1.. of a grid: each row Num, Pt, Vm, USvPt, USvVm.
void Preenche(GradeTexto& g, const QList<QStringList>& linhas) {
    LimpaGrade(g);
    for (int r = 0; r < linhas.size(); ++r)
        for (int c = 0; c < 5; ++c)
            g.DefineCel(c, r + 1, linhas[r][c]);
}

QStringList Numeros(const GradeTexto& g) {
    QStringList nums;
    for (int r = 1; r <= 500 && !g.Cel(0, r).isEmpty(); ++r)
        nums << g.Cel(0, r);
    return nums;
}

// The exchange sort as written, with the text keys, for comparison.
QStringList OrdemDeReferencia(Sistema& s, GradeTexto g, bool pretas) {
    const MapaAntiguidade mapa(s);
    const int m = g.PrimeiraVazia() - 1;
    QStringList chaves{QString()};
    for (int r = 1; r <= m; ++r)
        chaves << ChaveOrdemTexto(s, g, r, pretas, mapa);
    for (int a = 1; a <= m; ++a)
        for (int b = a + 1; b <= m; ++b)
            if (chaves[a] > chaves[b]) {
                chaves.swapItemsAt(a, b);
                g.TrocaLinhas(a, b);
            }
    return Numeros(g);
}

} // namespace

// Rotation grids: selection, loading, saving and the rotation order.
class TesteGrades : public QObject {
    Q_OBJECT
private slots:
    void seleciona_grade() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        QCOMPARE(SelecionaGrade(s, 4, "Base"), &s.Grades.GradeSv[4]);
        QCOMPARE(s.TabelaAtual, QStringLiteral("Sv4.DB"));
        QCOMPARE(SelecionaGrade(s, 31, "Base"), nullptr);
        QCOMPARE(s.TabelaAtual, QStringLiteral("Sv4.DB"));
        QCOMPARE(SelecionaGrade(s, 3, "Outro"), nullptr);
        QCOMPARE(s.TabelaAtual, QStringLiteral("Sv3.DB"));
        QCOMPARE(SelecionaGrade(s, 3, "Vm"), &s.Grades.GradeSvVm[3]);
    }

    void gravacao_pula_vazias_e_x() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        GradeTexto& g = s.Grades.GradeSv[2];
        Preenche(g, {{"12", "1", "2", "01/03/24", "02/03/24"},
                     {"", "", "", "0", "0"},
                     {"7", "3", "4", "13/05/09", "13/05/09"}});
        GravaGradeSv(s, g, "Sv2.DB", Banco::Principal);
        QCOMPARE(a.Coluna("Sv2", "Num"), QStringList({"12", "7"}));
        g.DefineCel(0, 1, "x");
        GravaGradeSv(s, g, "Sv2.DB", Banco::Principal);
        QCOMPARE(a.Linhas("Sv2"), QList<QStringList>({{"7", "3", "4", "13/05/09", "13/05/09"}}));
        // A counter that is not a number refuses the save; the table stays.
        g.DefineCel(1, 3, "três");
        QVERIFY_THROWS_EXCEPTION(Falha, GravaGradeSv(s, g, "Sv2.DB", Banco::Principal));
        QCOMPARE(a.Coluna("Sv2", "Num"), QStringList({"7"}));
    }

    void carga_nao_limpa_o_resto() {
        AmbienteTeste a;
        a.Membro(1, "5", 4, 1);
        Sistema& s = *a.sis;
        GradeTexto& g = s.Grades.GradeSv[1];
        Preenche(g, {{"1", "0", "0", "0", "0"}, {"2", "0", "0", "0", "0"}});
        CarregaGradeSv(s, g, "Sv1.DB", Banco::Principal);
        QCOMPARE(Numeros(g), QStringList({"5", "2"}));
        QCOMPARE(g.Cel(1, 1), QStringLiteral("4"));
    }

    // A grid that holds its last load unchanged is not loaded again; any
    // change to the grid, to the table or to the database loads it again.
    void carga_repetida() {
        AmbienteTeste a;
        a.Membro(1, "5", 4, 1);
        a.Membro(1, "6", 2, 2);
        Sistema& s = *a.sis;
        GradeTexto& g = s.Grades.GradeSv[1];
        const auto carrega = [&] {
            CarregaGrade(s, g, 1, Banco::Principal);
            return Numeros(g);
        };
        QCOMPARE(carrega(), QStringList({"5", "6"}));
        g.TrocaLinhas(1, 2);
        QCOMPARE(carrega(), QStringList({"5", "6"}));
        g.DefineCel(1, 1, "9");
        carrega();
        QCOMPARE(g.Cel(1, 1), QStringLiteral("4"));
        s.dm.SubstituiLinhas(Banco::Principal, "Sv1", {{"7", 0, 0, "13/05/09", "13/05/09"}});
        QCOMPARE(carrega(), QStringList({"7"}));
        QCOMPARE(g.Cel(0, 2), QString());
        // The same rows written again leave the grid as loaded.
        const auto versao = g.Versao();
        s.dm.SubstituiLinhas(Banco::Principal, "Sv1", {{"7", 0, 0, "13/05/09", "13/05/09"}});
        carrega();
        QCOMPARE(g.Versao(), versao);
        s.dm.Esquece();
        QCOMPARE(carrega(), QStringList({"7"}));
    }

    void rodizio_acima_da_capacidade() {
        AmbienteTeste a;
        QList<QVariantList> linhas;
        for (int i = 1; i <= 501; ++i)
            linhas << QVariantList{QString::number(i), 0, 0, "13/05/09", "13/05/09"};
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv1", linhas);
        Sistema& s = *a.sis;
        GradeTexto& g = s.Grades.GradeSv[1];
        QVERIFY_THROWS_EXCEPTION(Falha, CarregaGradeSv(s, g, "Sv1.DB", Banco::Principal));
        QVERIFY_THROWS_EXCEPTION(Falha, GravaGradeSv(s, g, "Sv1.DB", Banco::Principal));
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Sv1"), 501);
    }

    void ordem_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("dataDe7");
        QTest::addColumn<QStringList>("ordem");
        // (Num, counter, last date, Antig) = (12, 4, 20/05/09, 30), (7, 4, d, 10), (9, 3, 01/06/09,
        // 50)
        QTest::newRow("contador, depois data") << "Pt"
                                               << "15/05/09" << QStringList{"9", "7", "12"};
        QTest::newRow("datas iguais: maior Antig") << "Pt"
                                                   << "20/05/09" << QStringList{"9", "12", "7"};
        QTest::newRow("vermelha usa Vm e USvVm") << "Vm"
                                                 << "15/05/09" << QStringList{"7", "12", "9"};
    }
    void ordem() {
        QFETCH(QString, tipo);
        QFETCH(QString, dataDe7);
        QFETCH(QStringList, ordem);
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetBas[1] = RegistroVazio();
        s.VetBas[1].Num = "12";
        s.VetBas[1].Antig = 30;
        s.VetBas[2] = s.VetBas[1];
        s.VetBas[2].Num = "7";
        s.VetBas[2].Antig = 10;
        s.VetBas[3] = s.VetBas[1];
        s.VetBas[3].Num = "9";
        s.VetBas[3].Antig = 50;
        GradeTexto& g = s.Grades.GradeSv[1];
        // Red counters and dates put 7 first, then 12, then 9.
        Preenche(g, {{"12", "4", "1", "20/05/09", "20/05/09"},
                     {"7", "4", "1", dataDe7, "15/05/09"},
                     {"9", "3", "2", "01/06/09", "01/06/09"}});
        OrdenaGrade(s, g, tipo);
        QCOMPARE(Numeros(g), ordem);
        QCOMPARE(g.LinhaDe(ordem[1]), 2); // the index follows the rows
    }

    // Equal keys keep the exchange sort's own order, which is not a stable
    // sort's; the fast paths must give exactly what the plain sort gives.
    void ordem_identica_a_troca_simples_data() {
        QTest::addColumn<int>("linhas");
        QTest::addColumn<int>("valores");
        QTest::addColumn<bool>("quaseOrdenada");
        QTest::newRow("500 ao acaso, muitos empates") << 500 << 3 << false;
        QTest::newRow("200 ao acaso") << 200 << 40 << false;
        QTest::newRow("quase ordenada") << 500 << 4 << true;
        QTest::newRow("pequena") << 7 << 2 << false;
    }
    void ordem_identica_a_troca_simples() {
        QFETCH(int, linhas);
        QFETCH(int, valores);
        QFETCH(bool, quaseOrdenada);
        AmbienteTeste a;
        Sistema& s = *a.sis;
        for (int i = 1; i <= 600; ++i) {
            s.VetBas[i] = RegistroVazio();
            s.VetBas[i].Num = QString::number(i);
            s.VetBas[i].Antig = i % 7 == 0 ? 9999 : 1 + i % 5;
        }
        QRandomGenerator aleatorio(linhas * 31 + valores);
        for (int rodada = 0; rodada < 5; ++rodada) {
            GradeTexto& g = s.Grades.GradeSv[1];
            QList<QStringList> dados;
            for (int r = 1; r <= linhas; ++r)
                dados << QStringList{
                    QString::number(1 + aleatorio.bounded(600)),
                    QString::number(aleatorio.bounded(valores)), "0",
                    D(13 + static_cast<int>(aleatorio.bounded(3)), 5, 2009).Texto(), "13/05/09"};
            Preenche(g, dados);
            if (quaseOrdenada) {
                OrdenaGrade(s, g, "Pt");
                for (int k = 0; k < 3; ++k) {
                    const int r = 1 + static_cast<int>(aleatorio.bounded(linhas));
                    g.DefineCel(1, r, QString::number(g.Cel(1, r).toInt() + 1));
                }
            }
            const QStringList esperado = OrdemDeReferencia(s, g, true);
            OrdenaGrade(s, g, "Pt");
            QCOMPARE(Numeros(g), esperado);
        }
    }

    // Keys too long to pack (huge counters, odd seniority) take the text path.
    void chaves_longas_e_negativas() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetBas[1] = RegistroVazio();
        s.VetBas[1].Num = "1";
        s.VetBas[1].Antig = -50000;
        GradeTexto& g = s.Grades.GradeSv[1];
        Preenche(g, {{"1", "123456789", "0", "13/05/09", "13/05/09"},
                     {"2", "-300", "0", "13/05/09", "13/05/09"},
                     {"3", "5", "0", "13/05/09", "13/05/09"},
                     {"1", "5", "0", "14/05/09", "13/05/09"}});
        const QStringList esperado = OrdemDeReferencia(s, g, true);
        OrdenaGrade(s, g, "Pt");
        QCOMPARE(Numeros(g), esperado);
    }

    // A number without a personnel record counts as not yet ordered (9999).
    void numero_sem_cadastro() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.VetBas[1] = RegistroVazio();
        s.VetBas[1].Num = "1";
        s.VetBas[1].Antig = 9998;
        GradeTexto& g = s.Grades.GradeSv[1];
        Preenche(
            g, {{"1", "3", "0", "13/05/09", "13/05/09"}, {"77", "3", "0", "13/05/09", "13/05/09"}});
        const MapaAntiguidade mapa(s);
        QCOMPARE(ChaveOrdemTexto(s, g, 2, true, mapa), QStringLiteral("103100001"));
        OrdenaGrade(s, g, "Pt");
        QCOMPARE(Numeros(g), QStringList({"77", "1"}));
    }

    void data_invalida_na_ordem() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        GradeTexto& g = s.Grades.GradeSv[1];
        Preenche(g, {{"1", "3", "0", "13/05/09", "x"}, {"2", "3", "0", "nunca", "x"}});
        QVERIFY_THROWS_EXCEPTION(Falha, OrdenaGrade(s, g, "Pt"));
    }

    void milnagrade() {
        AmbienteTeste a;
        a.Servico(3, "Sgt Dia");
        a.Membro(3, "12");
        a.Membro(3, "7");
        QVERIFY(MilNaGrade(*a.sis, "7", 3));
        QVERIFY(!MilNaGrade(*a.sis, "1", 3));
    }
};
REGISTRA_TESTE(TesteGrades)
#include "TesteGrades.moc"
