#include "base/Falha.h"
#include "model/GradeTexto.h"
#include "reports/Impressao.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

const TextosImpressao textos{"Primeira", "Segunda", "Fecho"};
const QString periodo = QStringLiteral("Período: 11/03/24  a  13/3/24");
const QString regra = QStringLiteral("_________________________________");

// A forecast listing: the blank first line (never printed) and n lines.
QStringList Listagem(int n) {
    QStringList l{"     "};
    for (int i = 1; i <= n; ++i)
        l << QStringLiteral("linha %1").arg(i);
    return l;
}

// The calls of each page, split at "NovaPagina".
QList<QStringList> Paginas(const ImpressoraFalsa& imp) {
    QList<QStringList> paginas{{}};
    for (const QString& c : imp.Chamadas) {
        if (c == QLatin1String("NovaPagina"))
            paginas.append(QStringList());
        else
            paginas.last() << c;
    }
    return paginas;
}

int LinhasDeEscala(const QStringList& pagina) {
    int n = 0;
    for (const QString& c : pagina)
        n += c.section(' ', 3).startsWith(QLatin1String("linha ")) ? 1 : 0;
    return n;
}

QStringList Textos(const QStringList& pagina) {
    QStringList t;
    for (const QString& c : pagina)
        if (c.startsWith(QLatin1String("Texto ")))
            t << c.section(' ', 3);
    return t;
}

const QStringList cabecalho{"Primeira", "Segunda", "Escala de Serviço", periodo};

} // namespace

// The prints drawn on the printer: positions, pages, headings.
class TesteImpressao : public QObject {
    Q_OBJECT
private slots:
    void arredonda_par_data() {
        QTest::addColumn<double>("valor");
        QTest::addColumn<int>("inteiro");
        QTest::newRow("0,5") << 0.5 << 0;
        QTest::newRow("1,5") << 1.5 << 2;
        QTest::newRow("2,5") << 2.5 << 2;
        QTest::newRow("2,4") << 2.4 << 2;
        QTest::newRow("2,6") << 2.6 << 3;
        QTest::newRow("187,5") << 187.5 << 188;
        QTest::newRow("-1,5") << -1.5 << -2;
        QTest::newRow("7") << 7.0 << 7;
    }
    void arredonda_par() {
        QFETCH(double, valor);
        QFETCH(int, inteiro);
        QCOMPARE(ArredondaPar(valor), inteiro);
    }

    // k = 2 on a page 4800 wide: roster lines at x 200, 100 apart, the header
    // at x 1900 from y 300, the font 80.
    void escala_na_escala_2() {
        ImpressoraFalsa imp;
        imp.Largura = 4800;
        imp.Altura = 6800;
        ImprimeEscala(imp, Listagem(2), textos, periodo, 50);
        QCOMPARE(imp.Chamadas, QStringList({"Orientacao Retrato", "Inicia", "Fonte Arial 80",
                                            "Texto 1900 300 Primeira", "Texto 1900 380 Segunda",
                                            "Texto 1900 460 Escala de Serviço",
                                            "Texto 1900 540 " + periodo, "Texto 200 700 linha 1",
                                            "Texto 200 800 linha 2", "Texto 1900 1300 " + regra,
                                            "Texto 1900 1400 Fecho", "Fim", "Orientacao Retrato"}));
    }

    void escala_k_arredondado_data() {
        QTest::addColumn<int>("largura");
        QTest::addColumn<QString>("fonte");
        QTest::newRow("3600 dá 2") << 3600 << "Fonte Arial 80"; // 1,5
        QTest::newRow("6000 dá 2") << 6000 << "Fonte Arial 80"; // 2,5
        QTest::newRow("2400 dá 1") << 2400 << "Fonte Arial 40";
        QTest::newRow("600 imprime em 1") << 600 << "Fonte Arial 40";
    }
    void escala_k_arredondado() {
        QFETCH(int, largura);
        QFETCH(QString, fonte);
        ImpressoraFalsa imp;
        imp.Largura = largura;
        imp.Altura = 20000;
        ImprimeEscala(imp, Listagem(1), textos, periodo, 50);
        QCOMPARE(imp.Chamadas.at(2), fonte);
    }

    // Pages: the roster lines each carries, each page starting with the whole
    // header; the rule and the closing line on the last.
    void paginas_da_escala_data() {
        QTest::addColumn<int>("linhasPorPagina");
        QTest::addColumn<int>("linhas");
        QTest::addColumn<QList<int>>("porPagina");
        QTest::newRow("uma linha de lista") << 50 << 0 << QList<int>{0};
        QTest::newRow("L 50, 100 linhas") << 50 << 100 << QList<int>{49, 49, 2};
        QTest::newRow("L 2") << 2 << 3 << QList<int>{1, 1, 1, 0};
        QTest::newRow("exatamente L-1") << 50 << 49 << QList<int>{49, 0};
        QTest::newRow("L 50, 48 linhas") << 50 << 48 << QList<int>{48};
    }
    void paginas_da_escala() {
        QFETCH(int, linhasPorPagina);
        QFETCH(int, linhas);
        QFETCH(QList<int>, porPagina);
        ImpressoraFalsa imp;
        imp.Largura = 2400;
        imp.Altura = 3400;
        ImprimeEscala(imp, Listagem(linhas), textos, periodo, linhasPorPagina);
        const QList<QStringList> paginas = Paginas(imp);
        QCOMPARE(paginas.size(), porPagina.size());
        for (int i = 0; i < paginas.size(); ++i) {
            QCOMPARE(LinhasDeEscala(paginas[i]), porPagina[i]);
            QCOMPARE(Textos(paginas[i]).mid(0, 4), cabecalho);
        }
        QCOMPARE(Textos(paginas.last()).mid(Textos(paginas.last()).size() - 2),
                 QStringList({regra, "Fecho"}));
        QCOMPARE(imp.Chamadas.count("Fim"), 1);
    }

    // A page length the page cannot hold still breaks where the page is full.
    void pagina_cheia_antes_de_L() {
        ImpressoraFalsa imp;
        imp.Largura = 2400;
        imp.Altura = 1000; // room for 13 lines below the header
        ImprimeEscala(imp, Listagem(20), textos, periodo, 50);
        const QList<QStringList> paginas = Paginas(imp);
        QCOMPARE(paginas.size(), 2);
        QCOMPARE(LinhasDeEscala(paginas[0]) + LinhasDeEscala(paginas[1]), 20);
        for (const QString& c : imp.Chamadas)
            if (c.startsWith("Texto "))
                QVERIFY2(c.section(' ', 2, 2).toInt() + 40 <= 1000, qPrintable(c));
    }

    void linhas_por_pagina_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("linhas"); // 0: refused
        QTest::newRow("50") << "50" << 50;
        QTest::newRow("com brancos") << " 30 " << 30;
        QTest::newRow("2") << "2" << 2;
        QTest::newRow("1") << "1" << 0;
        QTest::newRow("texto") << "cinquenta" << 0;
        QTest::newRow("vazio") << "" << 0;
    }
    void linhas_por_pagina() {
        QFETCH(QString, texto);
        QFETCH(int, linhas);
        try {
            QCOMPARE(LinhasPorPagina(texto), linhas);
            QVERIFY(linhas != 0);
        } catch (const Recusa& r) {
            QCOMPARE(linhas, 0);
            if (texto == "cinquenta")
                QVERIFY(r.Mensagem().contains("\"cinquenta\""));
        }
    }

    // The period: the day after the last roster date to "Escalar até:" as
    // typed; a committed listing keeps the period it was forecast for.
    void periodo_da_escala() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.UltimaEscala = D(10, 3, 2024);
        s.Aba.Edit1 = "13/3/24";
        QCOMPARE(PeriodoDaEscala(s), QStringLiteral("Período: 11/03/24  a  13/3/24"));
        s.Aba.InicioListagem = D(11, 3, 2024);
        s.Aba.FimListagem = "13/3/24";
        s.ListBox2 = Listagem(3);
        s.UltimaEscala = D(13, 3, 2024); // committed
        s.Aba.Edit1.clear();
        QCOMPARE(PeriodoDaEscala(s), QStringLiteral("Período: 11/03/24  a  13/3/24"));
        s.ListBox2.clear(); // a new roster
        QCOMPARE(PeriodoDaEscala(s), QStringLiteral("Período: 14/03/24  a  "));
    }

    // "Erros", "Alertas", "Mensagens": k not rounded, each position rounded
    // half to even; the orientation is left as it is.
    void lista() {
        ImpressoraFalsa imp;
        imp.Largura = 3000; // k = 1,25
        ImprimeLista(imp, "Erros", {"um", "dois"});
        QCOMPARE(imp.Chamadas, QStringList({"Inicia", "Fonte Arial 50", "Texto 1188 188 Erros",
                                            "Texto 125 288 um", "Texto 125 350 dois", "Fim"}));
        imp.Chamadas.clear();
        ImprimeLista(imp, "Alertas", {});
        QCOMPARE(imp.Chamadas,
                 QStringList({"Inicia", "Fonte Arial 50", "Texto 1188 188 Alertas", "Fim"}));
    }

    // A long list goes on over pages, each with the title.
    void lista_em_paginas() {
        ImpressoraFalsa imp;
        QStringList linhas;
        for (int i = 1; i <= 150; ++i)
            linhas << QStringLiteral("linha %1").arg(i);
        ImprimeLista(imp, "Mensagens", linhas);
        const QList<QStringList> paginas = Paginas(imp);
        QCOMPARE(paginas.size(), 3);
        int total = 0;
        for (const QStringList& p : paginas) {
            QCOMPARE(Textos(p).first(), QStringLiteral("Mensagens"));
            total += LinhasDeEscala(p);
            for (const QString& c : p)
                if (c.startsWith("Texto "))
                    QVERIFY(c.section(' ', 2, 2).toInt() + 40 <= imp.Altura);
        }
        QCOMPARE(total, 150);
    }

    // "Grade": landscape, at most six day columns, portrait again at the end.
    void grade() {
        GradeTexto g(11, 31);
        g.DefineCel(0, 0, ".");
        for (int c = 1; c <= 7; ++c)
            g.DefineCel(c, 0, QStringLiteral("dia %1").arg(c));
        g.DefineCel(0, 1, "Of Dia");
        g.DefineCel(0, 2, "Guarda");
        for (int c = 1; c <= 7; ++c) {
            g.DefineCel(c, 1, QStringLiteral("%1").arg(c));
            g.DefineCel(c, 2, c == 2 ? QString() : "Sem Sv");
        }
        ImpressoraFalsa imp;
        imp.Largura = 4800; // k = 2, read in portrait
        imp.Altura = 6800;
        ImprimeGrade(imp, g);
        QCOMPARE(imp.Chamadas.mid(0, 9),
                 QStringList({"Orientacao Paisagem", "Inicia", "Fonte Arial 80",
                              "Texto 1900 300 Escala de Serviços", "Texto 800 460 dia 1",
                              "Texto 200 560 Of Dia", "Texto 800 560 1", "Texto 200 660 Guarda",
                              "Texto 800 660 Sem Sv"}));
        // Column 2 stops at its empty cell; column 7 is not printed.
        QCOMPARE(imp.Chamadas.mid(9, 3),
                 QStringList({"Texto 800 820 dia 2", "Texto 200 920 Of Dia", "Texto 800 920 2"}));
        QVERIFY(imp.Textos().contains("dia 6"));
        QVERIFY(!imp.Textos().contains("dia 7"));
        QVERIFY(!imp.Textos().contains("7"));
        QCOMPARE(imp.Chamadas.mid(imp.Chamadas.size() - 2),
                 QStringList({"Fim", "Orientacao Retrato"}));
    }

    // A grid longer than the landscape page: the next page repeats the title
    // and the day whose rows go on.
    void grade_em_paginas() {
        GradeTexto g(11, 31);
        g.DefineCel(1, 0, "11/03/24");
        g.DefineCel(2, 0, "12/03/24");
        for (int r = 1; r <= 30; ++r) {
            g.DefineCel(0, r, QStringLiteral("Sv %1").arg(r));
            g.DefineCel(1, r, QStringLiteral("n%1").arg(r));
            g.DefineCel(2, r, QStringLiteral("n%1").arg(r));
        }
        ImpressoraFalsa imp; // landscape: 3400 wide, 2400 high
        ImprimeGrade(imp, g);
        const QList<QStringList> paginas = Paginas(imp);
        QCOMPARE(paginas.size(), 2);
        QCOMPARE(Textos(paginas[1]).mid(0, 2), QStringList({"Escala de Serviços", "12/03/24"}));
        int celulas = 0;
        for (const QString& c : imp.Chamadas)
            if (c.startsWith("Texto ")) {
                celulas += c.section(' ', 3).startsWith('n') ? 1 : 0;
                QVERIFY(c.section(' ', 2, 2).toInt() + 40 <= 2400);
            }
        QCOMPARE(celulas, 60);
    }

    void impressao_txt_ida_e_volta() {
        AmbienteTeste a;
        QCOMPARE(LeTextosImpressao(a.sis->pasta).PrimLin,
                 QStringLiteral("Nome da Organização Militar"));
        GravaTextosImpressao(a.sis->pasta, {"A", "", "C"});
        const TextosImpressao t = LeTextosImpressao(a.sis->pasta);
        QCOMPARE(QStringList({t.PrimLin, t.SegLin, t.UltimaLin}), QStringList({"A", "", "C"}));
        QFile::remove(a.sis->pasta.Caminho("Impressao.Txt"));
        QVERIFY_THROWS_EXCEPTION(Falha, LeTextosImpressao(a.sis->pasta));
    }
};
REGISTRA_TESTE(TesteImpressao)
#include "TesteImpressao.moc"
