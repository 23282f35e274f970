#include "base/Falha.h"
#include "reports/Quadros.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <array>

namespace {

// The person numbers of a board, in row order.
QStringList Nums(const Quadro& q) {
    QStringList n;
    for (const Quadro::Linha& l : q.Linhas)
        n << l.Cel[0];
    return n;
}

// The cell of person num under the column headed `titulo`; "?" when the board
// has no such row or column.
QString Cel(const Quadro& q, const QString& num, const QString& titulo) {
    const int c = int(q.Cabecalho.indexOf(titulo));
    for (const Quadro::Linha& l : q.Linhas)
        if (l.Cel[0] == num && c >= 0)
            return l.Cel[c];
    return QStringLiteral("?");
}

QStringList Servicos(const Quadro& q) {
    return q.Cabecalho.mid(1, q.Servicos);
}

// A register of four duties and five persons, and a history of March 2024.
struct Contagem {
    Contagem() {
        a.Servico(1, "Of Dia");
        a.Servico(3, "Ronda");
        a.Servico(5, "Guarda");
        a.Servico(7, "Plantao");
        for (const char* n : {"34", "12", "7", "50"})
            a.Militar(n, QStringLiteral("Militar %1").arg(n));
        a.Membro(5, "12");
        a.Membro(5, "7");
        a.Membro(1, "12");
        a.Membro(1, "34");
        a.Membro(7, "7"); // nobody took duty 7
        a.Historico(D(11, 3, 2024), 3, "Ronda", "12 34");
        a.Historico(D(12, 3, 2024), 1, "Of Dia", "12");
        a.Historico(D(13, 3, 2024), 5, "Guarda", "12 12", "Vm");
        a.Historico(D(14, 3, 2024), 1, "Of Dia", "12", QString());
        a.Historico(D(15, 3, 2024), 3, "Ronda", "900"); // no longer registered
        a.Historico(D(1, 4, 2024), 7, "Plantao", "7");  // outside the period
        q.Edit1 = QStringLiteral("01/03/24");
        q.Edit2 = QStringLiteral("31/03/24");
    }
    void Conta(const QString& escala = QString()) {
        q.Escala = escala;
        ContaServicos(*a.sis, q);
    }
    // The duties marked by the chooser.
    void Escolhe(std::initializer_list<int> servicos) {
        LimpaSel(*a.sis);
        for (int n : servicos)
            a.sis->VetSv[n].Sel = QStringLiteral("S");
    }
    AmbienteTeste a;
    QuadroServicos q;
};

} // namespace

// The duty count board and the membership board: counting, packing, sorting,
// totals, narrowing and printing.
class TesteQuadros : public QObject {
    Q_OBJECT
private slots:
    void ativacao() {
        AmbienteTeste a(D(5, 7, 2026));
        QuadroServicos q;
        q.ExecutarHabilitado = false;
        AtivaQuadroServicos(*a.sis, q);
        QCOMPARE(q.Edit1, QStringLiteral("01/01/26"));
        QCOMPARE(q.Edit2, QStringLiteral("31/12/26"));
        QVERIFY(q.ExecutarHabilitado);
    }

    void contagem() {
        Contagem t;
        t.Conta();
        const Quadro& b = t.q.SGQuadroSv;
        // Duty 7, taken by nobody in the period, has no column; the columns
        // follow the duty numbers.
        QCOMPARE(Servicos(b), QStringList({"Of Dia", "Ronda", "Guarda"}));
        QCOMPARE(b.Cabecalho[19], QStringLiteral("SOMA"));
        QCOMPARE(b.Colunas(), 20);
        QCOMPARE(Nums(b), QStringList({"7", "12", "34", "50", "900"}));
        // 12 and 34 of one record each take one; 12 written twice counts once.
        QCOMPARE(Cel(b, "12", "Ronda"), QStringLiteral("1"));
        QCOMPARE(Cel(b, "34", "Ronda"), QStringLiteral("1"));
        QCOMPARE(Cel(b, "12", "Guarda"), QStringLiteral("1"));
        QCOMPARE(Cel(b, "12", "Of Dia"), QStringLiteral("2"));
        // "0" where the person competes and took none; empty where he does not.
        QCOMPARE(Cel(b, "7", "Guarda"), QStringLiteral("0"));
        QCOMPARE(Cel(b, "34", "Guarda"), QString());
        QCOMPARE(Cel(b, "34", "Of Dia"), QStringLiteral("0"));
        QCOMPARE(Cel(b, "7", "Ronda"), QString());
        // Totals; a registered person with no duty and a number no longer
        // registered have rows.
        QCOMPARE(Cel(b, "12", "SOMA"), QStringLiteral("4"));
        QCOMPARE(Cel(b, "34", "SOMA"), QStringLiteral("1"));
        QCOMPARE(Cel(b, "50", "SOMA"), QStringLiteral("0"));
        QCOMPARE(Cel(b, "900", "Ronda"), QStringLiteral("1"));
        QVERIFY(!t.q.ExecutarHabilitado);
        QVERIFY(!t.q.AuxVisivel);
        for (int n = 1; n <= 30; ++n)
            QCOMPARE(t.a.sis->VetSv[n].Sel, QStringLiteral("S"));
    }

    // "Preta" leaves out the red records, "Vermelha" the black ones; a record
    // without a kind counts under every filter.
    void filtros_data() {
        QTest::addColumn<QString>("escala");
        QTest::addColumn<QString>("ofDia");
        QTest::addColumn<QString>("guarda");
        QTest::newRow("Ambas") << QString() << "2"
                               << "1";
        QTest::newRow("Preta") << "Pt"
                               << "2"
                               << "?"; // no black "Guarda"
        QTest::newRow("Vermelha") << "Vm"
                                  << "1"
                                  << "1";
    }
    void filtros() {
        QFETCH(QString, escala);
        QFETCH(QString, ofDia);
        QFETCH(QString, guarda);
        Contagem t;
        t.Conta(escala);
        QCOMPARE(Cel(t.q.SGQuadroSv, "12", "Of Dia"), ofDia);
        QCOMPARE(Cel(t.q.SGQuadroSv, "12", "Guarda"), guarda);
        if (escala == "Vm") // no red "Ronda" in the period
            QVERIFY(!Servicos(t.q.SGQuadroSv).contains("Ronda"));
    }

    void data_invalida() {
        Contagem t;
        t.Conta();
        t.q.Edit2 = QStringLiteral("32/03/24");
        try {
            t.Conta();
            QFAIL("a data inválida foi aceita");
        } catch (const Recusa& r) {
            QCOMPARE(r.Mensagem(), QStringLiteral("32/03/24 >>> Data inválida"));
        }
        QCOMPARE(Nums(t.q.SGQuadroSv).size(), 5);
        QVERIFY(!t.q.ExecutarHabilitado);
    }

    // Two persons, then one duty: only those of the two with a value under it.
    void separa_militares_e_servico() {
        Contagem t;
        t.Conta();
        SeparaPorMilitares(t.q, {"34", "7"});
        const Quadro& aux = t.q.SGQuadroSvAux;
        QVERIFY(t.q.AuxVisivel);
        QCOMPARE(Nums(aux), QStringList({"7", "34"}));
        QCOMPARE(Servicos(aux), QStringList({"Of Dia", "Ronda", "Guarda"}));
        QCOMPARE(Cel(aux, "34", "SOMA"), QStringLiteral("1"));

        t.Escolhe({5});
        SeparaPorServicos(*t.a.sis, t.q);
        QCOMPARE(Servicos(aux), QStringList({"Guarda"}));
        QCOMPARE(Nums(aux), QStringList({"7"}));
        QCOMPARE(Cel(aux, "7", "Guarda"), QStringLiteral("0"));
        QCOMPARE(aux.Cabecalho[19], QStringLiteral("SOMA"));

        // The duty chosen stays for the next narrowing by persons.
        SeparaPorMilitares(t.q, {});
        QCOMPARE(Nums(aux), QStringList({"7", "12", "34", "50", "900"}));
        QCOMPARE(Servicos(aux), QStringList({"Guarda"}));

        VoltaPesquisa(t.q);
        QVERIFY(!t.q.AuxVisivel);
        for (const Quadro::Linha& l : t.q.SGQuadroSv.Linhas)
            QVERIFY(l.Marca);
        t.Escolhe({1, 3});
        SeparaPorServicos(*t.a.sis, t.q);
        QCOMPARE(Nums(aux), QStringList({"12", "34", "900"}));
        QCOMPARE(Cel(aux, "12", "SOMA"), QStringLiteral("3"));
    }

    // More than 18 duties in the period: every one has its column, "SOMA"
    // comes after them and adds them all.
    void mais_de_dezoito_servicos() {
        AmbienteTeste a;
        a.Militar("1", "Um");
        for (int n = 1; n <= 30; ++n) {
            a.Servico(n, QStringLiteral("Sv%1").arg(n));
            a.Historico(D(11, 3, 2024), n, QStringLiteral("Sv%1").arg(n), "1");
        }
        QuadroServicos q;
        q.Edit1 = QStringLiteral("01/03/24");
        q.Edit2 = QStringLiteral("31/03/24");
        ContaServicos(*a.sis, q);
        QCOMPARE(q.SGQuadroSv.Servicos, 30);
        QCOMPARE(q.SGQuadroSv.Cabecalho[30], QStringLiteral("Sv30"));
        QCOMPARE(q.SGQuadroSv.Cabecalho[31], QStringLiteral("SOMA"));
        QCOMPARE(Cel(q.SGQuadroSv, "1", "SOMA"), QStringLiteral("30"));
    }

    // 700 persons stored out of order, each in one of 30 rosters: every row in
    // number order, by value and not by text.
    void setecentos_militares() {
        AmbienteTeste a;
        for (int n = 1; n <= 30; ++n)
            a.Servico(n, QStringLiteral("Sv%1").arg(n));
        QList<int> nums;
        for (int i = 1; i <= 700; ++i)
            nums << i * 3;
        QRandomGenerator gerador(7);
        std::shuffle(nums.begin(), nums.end(), gerador);
        // Written table by table: the builder's one row at a time would take long.
        QList<QVariantList> basico, hist;
        std::array<QList<QVariantList>, 31> rotacoes;
        const QDate dia = D(11, 3, 2024).ParaQDate();
        for (int n : nums) {
            const QString num = QString::number(n);
            const int sv = n % 30 + 1;
            basico.append({num, "Sd", "M", "", QVariant(), QVariant(), "", 9999});
            rotacoes[static_cast<size_t>(sv)].append({num, 0, 0, "13/05/09", "13/05/09"});
            hist.append({dia, sv, QStringLiteral("Sv%1").arg(sv), num, "Pt"});
        }
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Basico", basico);
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Hist", hist);
        for (int sv = 1; sv <= 30; ++sv)
            a.sis->dm.SubstituiLinhas(Banco::Principal, QStringLiteral("Sv%1").arg(sv),
                                      rotacoes[static_cast<size_t>(sv)]);
        QuadroServicos q;
        q.Edit1 = QStringLiteral("01/03/24");
        q.Edit2 = QStringLiteral("31/03/24");
        ContaServicos(*a.sis, q);
        QStringList esperado;
        for (int i = 1; i <= 700; ++i)
            esperado << QString::number(i * 3);
        QCOMPARE(Nums(q.SGQuadroSv), esperado);
        QCOMPARE(Cel(q.SGQuadroSv, "2100", "SOMA"), QStringLiteral("1"));

        QuadroEscalas e;
        PreencheQuadroEscalas(*a.sis, e);
        QCOMPARE(Nums(e.SGQuadroEscalas), esperado);
        QCOMPARE(Cel(e.SGQuadroEscalas, "9", "Sv10"), QStringLiteral("S"));
        QCOMPARE(Cel(e.SGQuadroEscalas, "9", "Sv11"), QString());
    }

    // A number that is not an integer goes after the others.
    void numero_nao_inteiro() {
        AmbienteTeste a;
        for (const char* n : {"B2", "10", "A1", "9"})
            a.Militar(n, "M");
        QuadroEscalas e;
        PreencheQuadroEscalas(*a.sis, e);
        QCOMPARE(Nums(e.SGQuadroEscalas), QStringList({"9", "10", "A1", "B2"}));
    }

    // Duties 1, 2 and 4 defined: three columns in that order; the person in no
    // roster has a row but never survives "Serviços".
    void membros() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Guarda");
        a.Servico(4, "Ronda");
        for (const char* n : {"30", "20", "10", "40"})
            a.Militar(n, "M");
        a.Membro(1, "10");
        a.Membro(2, "20");
        a.Membro(2, "10");
        a.Membro(4, "30");
        QuadroEscalas e;
        PreencheQuadroEscalas(*a.sis, e);
        const Quadro& b = e.SGQuadroEscalas;
        QCOMPARE(Servicos(b), QStringList({"Of Dia", "Guarda", "Ronda"}));
        QCOMPARE(b.Colunas(), 4);
        QCOMPARE(Nums(b), QStringList({"10", "20", "30", "40"}));
        QCOMPARE(b.Linhas[0].Cel, QStringList({"10", "S", "S", ""}));
        QCOMPARE(b.Linhas[3].Cel, QStringList({"40", "", "", ""}));
        QVERIFY(!b.Linhas[3].Marca);

        auto escolhe = [&](std::initializer_list<int> servicos) {
            LimpaSel(*a.sis);
            for (int n : servicos)
                a.sis->VetSv[n].Sel = QStringLiteral("S");
            SeparaPorServicos(*a.sis, e);
        };
        escolhe({2});
        QVERIFY(e.AuxVisivel);
        QCOMPARE(Servicos(e.SGQuadroEscalasAux), QStringList({"Guarda"}));
        QCOMPARE(Nums(e.SGQuadroEscalasAux), QStringList({"10", "20"}));
        QCOMPARE(Cel(e.SGQuadroEscalasAux, "20", "Guarda"), QStringLiteral("S"));
        escolhe({1, 4});
        QCOMPARE(Servicos(e.SGQuadroEscalasAux), QStringList({"Of Dia", "Ronda"}));
        QCOMPARE(Nums(e.SGQuadroEscalasAux), QStringList({"10", "30"}));
        escolhe({1, 2, 4});
        QVERIFY(!Nums(e.SGQuadroEscalasAux).contains("40"));

        PreencheQuadroEscalas(*a.sis, e, {"40", "20"});
        QVERIFY(!e.AuxVisivel);
        QCOMPARE(Nums(e.SGQuadroEscalas), QStringList({"20", "40"}));
        escolhe({2});
        VoltaPesquisa(e);
        QCOMPARE(Nums(e.Visivel()), QStringList({"20", "40"}));
        PreencheQuadroEscalas(*a.sis, e, {});
        QVERIFY(e.SGQuadroEscalas.Linhas.empty());
    }

    // On a portrait page 4800 wide, k is 2: landscape, headings on one line at
    // column x 260 + 100 - 80, rows 100 apart, then portrait again.
    void impressao() {
        Contagem t;
        t.Conta();
        t.a.impressora.Largura = 4800;
        t.a.impressora.Altura = 6800;
        ImprimeQuadro(t.a.impressora, t.q.SGQuadroSv);
        const QStringList& c = t.a.impressora.Chamadas;
        QCOMPARE(c.value(0), QStringLiteral("Orientacao Paisagem"));
        QCOMPARE(c.value(1), QStringLiteral("Inicia"));
        QCOMPARE(c.value(2), QStringLiteral("Fonte Arial 80"));
        QCOMPARE(c.value(3), QStringLiteral("Texto 280 100 Of Dia"));
        QCOMPARE(c.value(4), QStringLiteral("Texto 540 100 Ronda"));
        QCOMPARE(c.value(5), QStringLiteral("Texto 800 100 Guarda"));
        QCOMPARE(c.value(6), QStringLiteral("Texto 4960 100 SOMA"));
        // Row "7": its number, "0" under "Guarda", the total.
        QCOMPARE(c.mid(7, 3),
                 QStringList({"Texto 100 260 7", "Texto 880 260 0", "Texto 5040 260 0"}));
        QVERIFY(c.contains("Texto 100 660 900"));
        QCOMPARE(c.mid(c.size() - 2), QStringList({"Fim", "Orientacao Retrato"}));
        QCOMPARE(t.a.impressora.Paginas(), 1);
    }

    // A full landscape page goes on on a new one under the headings; columns
    // after the 19th print on pages of their own with the numbers again.
    void impressao_em_paginas() {
        Quadro q = Quadro::Vazio(32);
        for (int c = 1; c <= 31; ++c)
            q.Cabecalho[c] = QStringLiteral("C%1").arg(c);
        q.Servicos = 30;
        for (int r = 1; r <= 60; ++r) {
            Quadro::Linha& l = q.NovaLinha(QString::number(r));
            for (int c = 1; c <= 31; ++c)
                l.Cel[c] = QStringLiteral("%1").arg(c);
        }
        ImpressoraFalsa imp; // 2400 x 3400: landscape pages 2400 high
        ImprimeQuadro(imp, q);
        // (2400 - 130 - 40) / 50 + 1 = 45 rows a page: 45 + 15, twice.
        QCOMPARE(imp.Paginas(), 4);
        const QStringList textos = imp.Textos();
        QCOMPARE(textos.count("C1"), 2);
        QCOMPARE(textos.count("C19"), 2);
        QCOMPARE(textos.count("C20"), 2);
        QCOMPARE(textos.count("60"), 2); // the number once on each band
        QVERIFY(imp.Chamadas.contains("Texto 140 50 C20"));
        QVERIFY(imp.Chamadas.contains("Texto 1610 130 31"));
        QVERIFY(!imp.Chamadas.filter(QRegularExpression("^Texto \\d+ 2330 ")).isEmpty());
    }
};
REGISTRA_TESTE(TesteQuadros)
#include "TesteQuadros.moc"
