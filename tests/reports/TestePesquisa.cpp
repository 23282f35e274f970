#include "reports/PesquisaServicos.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

QStringList Nums(const PesquisaServicos& p) {
    QStringList n;
    for (const LinhaHist& h : p.Resultado)
        n << h.Num;
    return n;
}

struct Busca {
    Busca() { AtivaPesquisa(*a.sis, p); }
    AmbienteTeste a;
    PesquisaServicos p;
};

} // namespace

// The history search: the selection of "Pesquisar", its state and its lines.
class TestePesquisa : public QObject {
    Q_OBJECT
private slots:
    // The default period reads "31/12/99" as 2099: every record from 2001 to
    // 2099; the activation shows the whole history.
    void periodo_padrao() {
        Busca t;
        for (Data d : {D(31, 12, 2000), D(1, 1, 2001), D(31, 12, 2099), D(1, 1, 2100)})
            t.a.Historico(d, 1, "Of Dia", d.Texto());
        AtivaPesquisa(*t.a.sis, t.p);
        QCOMPARE(t.p.Edit1, QStringLiteral("01/01/01"));
        QCOMPARE(t.p.Edit2, QStringLiteral("31/12/99"));
        QCOMPARE(t.p.Resultado.size(), 4);
        ::Pesquisa(*t.a.sis, t.p);
        QCOMPARE(Nums(t.p), QStringList({"01/01/01", "31/12/99"}));
        const FiltroHist f = FiltroDaPesquisa(t.p);
        QCOMPARE(*f.Desde, D(1, 1, 2001));
        QCOMPARE(*f.Ate, D(31, 12, 2099));
    }

    // The person stands alone, first, in the middle or last; a quote or a %
    // typed is only a character.
    void pessoa_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QStringList>("achados");
        QTest::newRow("12") << "12" << QStringList{"12", "12 345", "7 12 9", "345 12"};
        QTest::newRow("345") << "345" << QStringList{"12 345", "345 12"};
        QTest::newRow("aspas") << "12\"" << QStringList{};
        QTest::newRow("por cento") << "%" << QStringList{};
        QTest::newRow("sublinhado") << "1_" << QStringList{};
        QTest::newRow("aspas simples") << "1' or '1'='1" << QStringList{};
    }
    void pessoa() {
        QFETCH(QString, numero);
        QFETCH(QStringList, achados);
        Busca t;
        for (const char* n : {"12", "12 345", "7 12 9", "345 12", "123", "412", "1 2"})
            t.a.Historico(D(11, 3, 2024), 1, "Of Dia", n);
        t.p.Edit3 = numero;
        ::Pesquisa(*t.a.sis, t.p);
        QCOMPARE(Nums(t.p), achados);
        QVERIFY(t.p.Edit3.isEmpty());
    }

    // Duties 2 and 5 on red days: the duty list "2,5" and the kind.
    void servicos_e_escala() {
        Busca t;
        t.a.Historico(D(11, 3, 2024), 2, "B", "1", "Vm");
        t.a.Historico(D(11, 3, 2024), 5, "E", "2", "Vm");
        t.a.Historico(D(11, 3, 2024), 2, "B", "3", "Pt");
        t.a.Historico(D(11, 3, 2024), 3, "C", "4", "Vm");
        PreparaEscolhaServicos(*t.a.sis);
        t.a.sis->VetSv[5].Sel = "S";
        t.a.sis->VetSv[2].Sel = "S";
        ServicosEscolhidos(*t.a.sis, t.p);
        QCOMPARE(t.p.ListaSv, QStringLiteral("2,5"));
        t.p.Escala = "Vm";
        ::Pesquisa(*t.a.sis, t.p);
        QCOMPARE(Nums(t.p), QStringList({"1", "2"}));
    }

    // After a search the person, the duties and the kind are empty, the dates
    // stay: the next search is by period only.
    void pesquisa_seguinte_so_pelo_periodo() {
        Busca t;
        t.a.Historico(D(11, 3, 2024), 2, "B", "1", "Vm");
        t.a.Historico(D(12, 3, 2024), 3, "C", "2", "Pt");
        t.p.Edit1 = "11/3/2024";
        QVERIFY(SaiData(*t.a.sis, t.p, true));
        t.p.Edit3 = "1";
        t.p.ListaSv = "2";
        t.p.Escala = "Vm";
        ::Pesquisa(*t.a.sis, t.p);
        QCOMPARE(Nums(t.p), QStringList{"1"});
        QVERIFY(t.p.Edit3.isEmpty());
        QVERIFY(t.p.ListaSv.isEmpty());
        QVERIFY(t.p.Escala.isEmpty());
        QCOMPARE(t.p.Edit1, QStringLiteral("11/03/24"));
        ::Pesquisa(*t.a.sis, t.p);
        QCOMPARE(Nums(t.p), QStringList({"1", "2"}));
    }

    // Leaving a field that is not a date keeps the last valid one and says so.
    void data_invalida() {
        Busca t;
        t.a.dialogos.EsperaAviso("32/01/24 >>> Data inválida");
        t.p.Edit2 = "32/01/24";
        QVERIFY(!SaiData(*t.a.sis, t.p, false));
        QCOMPARE(t.p.Edit2, QStringLiteral("31/12/99"));
        QCOMPARE(t.p.Fim, D(31, 12, 1999));
        QVERIFY(t.a.dialogos.ScriptCumprido());
        t.p.Edit1 = "31/1/24";
        EntraDataFim(t.p);
        QCOMPARE(t.p.Edit2, QStringLiteral("31/1/24"));
    }

    // The printed lines: the header, a blank line, then the rows (only the
    // selected ones when some are), each field cut with its separator.
    void linhas_impressas() {
        Busca t;
        t.a.Historico(D(11, 3, 2024), 1, "Of Dia", "12 345");
        t.a.Historico(D(12, 3, 2024), 2, "Guarda", "7", "Vm");
        t.a.Historico(D(13, 3, 2024), 1, "Sargento", "8");
        ::Pesquisa(*t.a.sis, t.p);
        const QString s(10, ' ');
        const QString cabecalho =
            "   Data                     Escala       Serviço        Numero          ";
        const QString l1 = "11/03/24" + s + s + "Pt  " + s + "Of Dia  " + s + "12 345" + s;
        const QString l2 = "12/03/24" + s + s + "Vm  " + s + "Guarda  " + s + "7" + s;
        const QString l3 = "13/03/24" + s + s + "Pt  " + s + "Sargento" + s + "8" + s;
        QCOMPARE(LinhasDaPesquisa(t.p, {}), QStringList({cabecalho, " ", l1, l2, l3}));
        QCOMPARE(LinhasDaPesquisa(t.p, {0, 2}), QStringList({cabecalho, " ", l1, l3}));
        t.p.Resultado.clear();
        QCOMPARE(LinhasDaPesquisa(t.p, {}), QStringList({cabecalho, " "}));
    }
};
REGISTRA_TESTE(TestePesquisa)
#include "TestePesquisa.moc"
