#include "engine/Trocas.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioComando.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QTest>

namespace {

QStringList Trocar(const QString& sai, const QString& entra, const QStringList& mais = {}) {
    return QStringList{"trocar", "--servico", "2", "--dia", "05/03/24", "--a", sai, "--b", entra} +
           mais;
}

QList<QList<QStringList>> Tabelas(AmbienteTeste& a) {
    return {a.Linhas("Hist"), a.Linhas("Basico"), a.Linhas("Sv2"), a.Linhas("Sv3")};
}

} // namespace

// "tarvolim-escala candidatos" and "trocar": the "Trocas Sv" tab without a
// screen, each after a program start.
class TesteComandoTrocas : public QObject {
    Q_OBJECT
private slots:
    void troca_data() { CasosDeTroca(); }
    void troca() {
        QFETCH(QString, sai);
        QFETCH(QString, entra);
        QFETCH(int, computar);
        AmbienteTeste a;
        RegistroDaTroca(a);
        const QString para = Computar(computar) == Computar::AeB ? "A e B" : "B";
        const Execucao e = ExecutaComando(a, Trocar(sai, entra, {"--computar", para}));
        QCOMPARE(e.codigo, 0);
        QVERIFY(e.Secao("[Mensagens]").isEmpty());
        QTEST(a.Coluna("Hist", "Num").at(0), "historico");
        QTEST(a.Coluna("Basico", "USv"), "usv");
        QTEST(Rodizio(a, 2), "sv2");
        QTEST(Rodizio(a, 3), "sv3");
    }

    // A not in the day's entry: without --sim the question is answered No
    // (exit 2, nothing written); with --sim the swap goes on.
    void a_fora_da_escala() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        const auto antes = Tabelas(a);
        Execucao e = ExecutaComando(a, Trocar("99", "30"));
        QCOMPARE(e.codigo, 2);
        QCOMPARE(e.Secao("[Mensagens]").size(), 1);
        QVERIFY(e.Secao("[Mensagens]").at(0).startsWith("O militar 99 não consta da escala"));
        QCOMPARE(Tabelas(a), antes);
        e = ExecutaComando(a, Trocar("99", "30", {"--sim"}));
        QCOMPARE(e.codigo, 0);
        QCOMPARE(a.Coluna("Basico", "USv").at(2), QStringLiteral("01/03/24 05/03/24 "));
    }

    void candidatos() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        const Execucao e = ExecutaComando(a, {"candidatos", "--servico", "2", "--dia", "12/03/24"});
        QCOMPARE(e.codigo, 0);
        QCOMPARE(e.Secao("[Candidatos]").size(), 3);
        QVERIFY(e.Secao("[Mensagens]").isEmpty());
    }

    // Refusals: exit 2 and the tables as they were.
    void recusas_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("serviço vazio")
            << QStringList{"candidatos", "--servico", "1", "--dia", "12/03/24"}
            << "O serviço escolhido não está cadastrado";
        QTest::newRow("serviço fora")
            << QStringList{"candidatos", "--servico", "31", "--dia", "12/03/24"}
            << "Serviço inválido em --servico: \"31\" (de 1 a 30).";
        QTest::newRow("dia") << QStringList{"candidatos", "--servico", "2", "--dia", "x"}
                             << "x >>> Data inválida";
        QTest::newRow("sem dia") << QStringList{"trocar", "--servico", "2", "--a", "7", "--b", "30"}
                                 << "Falta o dia (--dia).";
        QTest::newRow("sem B") << QStringList{"trocar",   "--servico", "2", "--dia",
                                              "05/03/24", "--a",       "7"}
                               << "Faltam os militares (--a e --b).";
        QTest::newRow("computar") << Trocar("7", "30", {"--computar", "A"})
                                  << "--computar deve ser B ou \"A e B\": \"A\".";
        QTest::newRow("iguais") << Trocar("7", "7") << "Os militares A e B devem ser diferentes";
    }
    void recusas() {
        QFETCH(QStringList, argumentos);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroDaTroca(a);
        const auto antes = Tabelas(a);
        const Execucao e = ExecutaComando(a, argumentos);
        QCOMPARE(e.codigo, 2);
        QVERIFY2(e.Secao("[Mensagens]").value(0).startsWith(mensagem), qPrintable(e.saida));
        QCOMPARE(Tabelas(a), antes);
    }
};

REGISTRA_TESTE(TesteComandoTrocas)
#include "TesteComandoTrocas.moc"
