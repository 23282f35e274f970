#include "data/Reinicio.h"
#include "engine/Contadores.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioComando.h"
#include "support/ApoioCopia.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

// The change log as the file holds it: operation | arguments | changes.
QStringList Registro(AmbienteTeste& a) {
    QStringList linhas;
    for (const QVariantList& l :
         a.Consulta("SELECT Operacao, Argumentos, Alteracoes FROM RegistroAlteracoes ORDER BY "
                    "rowid"))
        linhas << l[0].toString() + " | " + l[1].toString() + " | " + l[2].toString();
    return linhas;
}

// Every new history row is refused by the database from now on.
void RecusaHistorico(AmbienteTeste& a) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "gatilho");
        db.setDatabaseName(a.Pasta() + "/Tarvolim.db");
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("CREATE TRIGGER recusa BEFORE INSERT ON Hist "
                       "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
    }
    QSqlDatabase::removeDatabase("gatilho");
}

} // namespace

// The change log: one entry per operation that changed the register, written
// with it, kept through a reset; "tarvolim-escala registro" prints it.
class TesteRegistroAlteracoes : public QObject {
    Q_OBJECT
private slots:
    void operacoes_registradas() {
        AmbienteTeste a;
        RegistroPequeno(a, 1);
        QVERIFY(Registro(a).isEmpty());

        QCOMPARE(ExecutaComando(a, {"escalar", "--ate", "13/03/24"}).codigo, 0);
        QStringList r = Registro(a);
        QCOMPARE(r.size(), 1);
        QVERIFY2(r[0].startsWith("Escalar | de 11/03/24 a 13/03/24 | "), qPrintable(r[0]));
        QVERIFY2(r[0].contains("Hist: 6; Sv1: 3; Sv2: 3"), qPrintable(r[0]));
        QVERIFY2(r[0].contains("Escala.Txt (arquivo)"), qPrintable(r[0]));

        QCOMPARE(ExecutaComando(a, {"desfazer", "--a-partir-de", "13/03/24"}).codigo, 0);
        r = Registro(a);
        QCOMPARE(r.size(), 2);
        QVERIFY2(r[1].startsWith("Desfazer escalação | a partir de 13/03/24 | "), qPrintable(r[1]));
        QVERIFY2(r[1].contains("Hist: 2"), qPrintable(r[1]));

        // A commit the database stops halfway leaves no entry.
        RecusaHistorico(a);
        QCOMPARE(ExecutaComando(a, {"escalar", "--ate", "14/03/24"}).codigo, 3);
        QCOMPARE(Registro(a), r);

        // A reset that empties every table keeps the log and records itself.
        a.dialogos.EsperaAviso("A aplicação será encerrada");
        Reinicio::ReiniciaSistema(a.sis->dm, a.sis->pasta, a.dialogos,
                                  Reinicio::LePrimeiroDia("01/04/24", 2024), {true, true});
        r = Registro(a);
        QCOMPARE(r.size(), 3);
        QVERIFY2(r[2].startsWith("Reiniciar o sistema | primeiro dia 01/04/24; cadastro "
                                 "eliminado; histórico eliminado | "),
                 qPrintable(r[2]));
        QVERIFY(a.Linhas("Hist").isEmpty());
    }

    // A restore records itself; the log is not part of the backup, so the
    // entries made after the backup stay.
    void recuperacao_registrada() {
        ApoioCopia c;
        RegistroCopia(c.a);
        c.Salva();
        c.a.dialogos.EsperaConfirma(true, "igualar");
        EqualizaContadores(*c.a.sis);
        c.a.dialogos.EsperaAviso("A aplicação será encerrada");
        QVERIFY(CopiaSeguranca::Recupera(c.amb));
        const QStringList r = Registro(c.a);
        QCOMPARE(r.size(), 2);
        QVERIFY2(r[0].startsWith("Igualar contadores | "), qPrintable(r[0]));
        QVERIFY2(r[1].startsWith("Recuperar cópia de segurança | de " + c.B() + " | "),
                 qPrintable(r[1]));
        QVERIFY2(r[1].contains("Sv1: "), qPrintable(r[1]));
    }

    void troca_registrada() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        QCOMPARE(ExecutaComando(
                     a, {"trocar", "--servico", "2", "--dia", "05/03/24", "--a", "7", "--b", "30"})
                     .codigo,
                 0);
        const QStringList r = Registro(a);
        QCOMPARE(r.size(), 1);
        QVERIFY2(r[0].startsWith("Troca de serviço | serviço 2 ("), qPrintable(r[0]));
        QVERIFY2(r[0].contains("dia 05/03/24: sai 7, entra 30; computado para B"),
                 qPrintable(r[0]));
        QVERIFY2(r[0].contains("Hist: 1"), qPrintable(r[0]));
    }

    void comando_registro_data() {
        QTest::addColumn<QStringList>("periodo");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("entradas");
        const QString hoje = QDate::currentDate().toString("dd/MM/yy");
        QTest::newRow("tudo") << QStringList{} << 0 << 2;
        QTest::newRow("de hoje") << QStringList{"--de", hoje} << 0 << 2;
        QTest::newRow("até ontem")
            << QStringList{"--ate", QDate::currentDate().addDays(-1).toString("dd/MM/yy")} << 0
            << 0;
        QTest::newRow("data inválida") << QStringList{"--de", "32/01/24"} << 2 << 0;
        QTest::newRow("fim antes do início")
            << QStringList{"--de", "10/03/24", "--ate", "01/03/24"} << 2 << 0;
    }
    void comando_registro() {
        QFETCH(QStringList, periodo);
        QFETCH(int, codigo);
        QFETCH(int, entradas);
        AmbienteTeste a;
        RegistroPequeno(a, 1);
        QCOMPARE(ExecutaComando(a, {"escalar", "--ate", "13/03/24"}).codigo, 0);
        QCOMPARE(ExecutaComando(a, {"desfazer", "--a-partir-de", "12/03/24"}).codigo, 0);
        const Execucao e = ExecutaComando(a, QStringList{"registro"} + periodo);
        QCOMPARE(e.codigo, codigo);
        const QStringList linhas = e.Secao("[Registro]");
        QCOMPARE(linhas.size(), entradas);
        if (entradas > 0) {
            QVERIFY2(linhas[0].contains(" | Escalar | de 11/03/24 a 13/03/24 | "),
                     qPrintable(linhas[0]));
            QVERIFY(linhas[1].contains(" | Desfazer escalação | a partir de 12/03/24 | "));
        }
    }
};

REGISTRA_TESTE(TesteRegistroAlteracoes)
#include "TesteRegistroAlteracoes.moc"
