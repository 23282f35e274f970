#include "support/AmbienteTeste.h"
#include "support/ApoioComando.h"
#include "support/ApoioEscala.h"
#include "support/CasosManual.h"
#include "support/Registro.h"

#include <QTest>

namespace {

QStringList Argumentos(const QString& ate, const QStringList& celulas) {
    QStringList argumentos{"manual", "--ate", ate};
    for (const QString& c : celulas)
        argumentos << "--celula" << c;
    return argumentos;
}

} // namespace

// "tarvolim-escala manual": the "Escalar Manual" tab without a screen.
class TesteComandoManual : public QObject {
    Q_OBJECT
private slots:
    // The cases the tab's test runs, with the same results.
    void casos_data() {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < CasosManual().size(); ++i)
            QTest::newRow(CasosManual()[i].nome) << i;
    }
    void casos() {
        QFETCH(int, indice);
        const CasoManual& caso = CasosManual()[indice];
        AmbienteTeste a;
        caso.registro(a);
        const Execucao e = ExecutaComando(a, Argumentos(caso.ate, caso.celulas));
        QCOMPARE(e.codigo, caso.recusado ? 2 : 0);
        if (!caso.grade.isEmpty())
            QCOMPARE(e.Secao("[Grade]"), caso.grade);
        QCOMPARE(e.Secao("[Verificacao]"), caso.verificacao);
        QCOMPARE(e.Secao("[Mensagens]"), caso.mensagens);
        QVERIFY(a.Coluna("Hist", "Dia").isEmpty()); // without --escalar nothing is written
    }

    void escalar_grava() {
        AmbienteTeste a;
        RegistroPequeno(a);
        const Execucao e = ExecutaComando(
            a, Argumentos("12/03/24", CelulasDaGrade({{"1", "2"}, {"4 ", "5"}})) << "--escalar");
        QCOMPARE(e.codigo, 0);
        QVERIFY(e.Secao("[Mensagens]").isEmpty());
        QCOMPARE(e.Secao("[Grade]"),
                 QStringList({". | 11/03/24 | 12/03/24", "Of Dia | 1 | 2", "Guarda | 4  | 5"}));
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"1", "2", "4 ", "5"}));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(12, 3, 2024));
        QCOMPARE(Rodizio(a, 2).first(), QStringLiteral("4 1 0 11/03/24 13/05/09"));
    }

    void historico_cheio_nada_gravado() {
        AmbienteTeste a;
        RegistroPequeno(a);
        QList<QVariantList> linhas;
        for (int i = 0; i < 9999; ++i)
            linhas << QVariantList{D(1, 1, 2024).ParaQDate(), 1, "Of Dia", "1", "Pt"};
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Hist", linhas);
        const Execucao e = ExecutaComando(
            a, Argumentos("12/03/24", CelulasDaGrade({{"1", "2"}, {"4", "5"}})) << "--escalar");
        QCOMPARE(e.codigo, 2);
        QVERIFY(e.Secao("[Mensagens]").join('\n').contains("O Arquivo Histórico não comporta"));
        QCOMPARE(a.sis->dm.ContaLinhas(Banco::Principal, "Hist"), qint64(9999));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(10, 3, 2024));
        QCOMPARE(Rodizio(a, 1).first(), QStringLiteral("1 0 0 13/05/09 13/05/09"));
    }

    void recusas_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem dia") << QStringList{"manual"} << "--ate";
        QTest::newRow("célula mal escrita")
            << QStringList{"manual", "--ate", "12/03/24", "--celula", "1-11/03/24-1"}
            << "Célula inválida em --celula: \"1-11/03/24-1\"";
        QTest::newRow("serviço fora da grade")
            << QStringList{"manual", "--ate", "12/03/24", "--celula", "9:11/03/24:1"}
            << "A grade não tem o serviço 9 no dia 11/03/24.";
        QTest::newRow("dia fora da grade")
            << QStringList{"manual", "--ate", "12/03/24", "--celula", "1:13/03/24:1"}
            << "A grade não tem o serviço 1 no dia 13/03/24.";
        QTest::newRow("escalar sem grade")
            << QStringList{"manual", "--ate", "10/03/24", "--escalar"}
            << "Preencher primeiro a Grade de Serviços";
    }
    void recusas() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroPequeno(a);
        const Execucao e = ExecutaComando(a, argumentos);
        QCOMPARE(e.codigo, 2);
        QVERIFY2(e.Secao("[Mensagens]").join('\n').contains(mensagem), qPrintable(e.saida));
    }
};
REGISTRA_TESTE(TesteComandoManual)
#include "TesteComandoManual.moc"
