#include "base/Falha.h"
#include "maintenance/Afastamentos.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// The personnel table as stored: Num, PR, Ini, Fim of each row.
QStringList Janelas(AmbienteTeste& a) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Basico")))
        r << QStringList{l[0], l[3], l[4], l[5]}.join('|');
    return r;
}

// "sv num pt vm" of every row of the rotations of duties 1 and 2.
QStringList Contadores(AmbienteTeste& a) {
    QStringList r;
    for (int sv = 1; sv <= 2; ++sv)
        for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
            r << QStringLiteral("%1 %2").arg(sv).arg(l.mid(0, 3).join(' '));
    return r;
}

QString Mensagem(const std::function<void()>& operacao) {
    try {
        operacao();
    } catch (const Recusa& r) {
        return r.Mensagem();
    }
    return QString();
}

} // namespace

// The absence window and the return with the counters re-aligned.
class TesteAfastamentos : public QObject {
    Q_OBJECT
private slots:
    // Listed: a window, a kind, or only one date; the order is the slot order.
    void lista() {
        AmbienteTeste a;
        a.Militar("1", "Ana");
        a.Militar("2", "Bia", 9999, "Sd", "P", D(10, 3, 2010), D(20, 3, 2010));
        a.Militar("3", "Caio", 9999, "Sd", "R");
        a.Militar("4", "Davi", 9999, "Sd", QString(), Data(), D(1, 2, 2024));
        CarregaVetBas(*a.sis, Banco::Principal);
        QStringList linhas;
        for (const LinhaAfastado& l : MilitaresForaDaEscala(*a.sis))
            linhas << QStringList{l.Num, l.Nome, l.Ini, l.Fim, l.PR}.join('|');
        QCOMPARE(linhas,
                 QStringList({"2|Bia|10/03/10|20/03/10|P", "3|Caio| | |R", "4|Davi| |01/02/24|"}));
    }

    // Recorded in memory, written when the screen closes; recording again
    // replaces the window.
    void registra() {
        AmbienteTeste a;
        a.Militar("1", "Ana");
        a.Militar("2", "Bia");
        SessaoAfastamentos sessao(*a.sis);
        sessao.Abre();
        sessao.Registra("2", "1/3/10", "5/3/10", false);
        sessao.Registra("2", "10/03/10", "20/03/2010", true);
        QCOMPARE(Janelas(a), QStringList({"1|||", "2|||"}));
        sessao.Fecha();
        QCOMPARE(Janelas(a), QStringList({"1|||", "2|P|2010-03-10|2010-03-20"}));
    }

    void recusas_data() {
        QTest::addColumn<QString>("num");
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("fim");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("início") << "1"
                                << "32/03/10"
                                << "20/03/10"
                                << "32/03/10 >>> Data inválida";
        QTest::newRow("início vazio") << "1"
                                      << ""
                                      << "20/03/10"
                                      << " >>> Data inválida";
        QTest::newRow("fim") << "1"
                             << "10/03/10"
                             << "amanhã"
                             << "amanhã >>> Data inválida";
        QTest::newRow("fim antes do início")
            << "1"
            << "20/03/10"
            << "10/03/10"
            << "A Data Fim (10/03/10) é anterior à Data Início (20/03/10): nada foi registrado";
        QTest::newRow("não cadastrado") << "9"
                                        << "10/03/10"
                                        << "20/03/10"
                                        << "Número não cadastrado no Sistema";
    }
    // Refused with its message; nothing is recorded, nor written on closing.
    void recusas() {
        QFETCH(QString, num);
        QFETCH(QString, ini);
        QFETCH(QString, fim);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        a.Militar("1", "Ana");
        SessaoAfastamentos sessao(*a.sis);
        sessao.Abre();
        QCOMPARE(Mensagem([&] { sessao.Registra(num, ini, fim, true); }), mensagem);
        QVERIFY(MilitaresForaDaEscala(*a.sis).isEmpty());
        sessao.Fecha();
        QCOMPARE(Janelas(a), QStringList({"1|||"}));
    }

    // A personnel table that cannot be read whole is not rewritten from the
    // part that was read.
    void cadastro_ilegivel() {
        AmbienteTeste a;
        a.Militar("1", "Ana");
        a.Militar("2", "Bia", 9999, "Sd", QString(), Data(), Data(), "99/99/99 ");
        a.Militar("3", "Caio");
        const QList<QStringList> antes = a.Linhas("Basico");
        SessaoAfastamentos sessao(*a.sis);
        QVERIFY_THROWS_EXCEPTION(Falha, sessao.Abre());
        QVERIFY_THROWS_EXCEPTION(Recusa, sessao.Registra("1", "10/03/10", "20/03/10", true));
        sessao.Fecha();
        QCOMPARE(a.Linhas("Basico"), antes);
    }

    void retorno_data() {
        QTest::addColumn<QString>("num");
        QTest::addColumn<QString>("pr");
        QTest::addColumn<QStringList>("membros"); // "sv num pt vm"
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QStringList>("esperado");
        // One duty: the lowest present counters, never below his own.
        QTest::newRow("um serviço") << "1"
                                    << "R" << QStringList{"1 1 3 1", "1 2 6 0", "1 3 8 2"}
                                    << QString() << QStringList{"1 1 6 1", "1 2 6 0", "1 3 8 2"};
        // Alone in his duty: nobody to compare with, he keeps his own.
        QTest::newRow("sozinho") << "1"
                                 << "R" << QStringList{"1 1 3 1"} << QString()
                                 << QStringList{"1 1 3 1"};
        // Two duties and nobody with the same two: the minimum of each rotation
        // (his own row included), here lower than his own counters.
        QTest::newRow("dois serviços")
            << "1"
            << "R" << QStringList{"1 1 9 9", "1 2 6 0", "2 1 9 9", "2 4 4 7"} << QString()
            << QStringList{"1 1 6 0", "1 2 6 0", "2 1 4 7", "2 4 4 7"};
        // Not absent: told so, and still re-aligned.
        QTest::newRow("não afastado")
            << "1"
            << "" << QStringList{"1 1 3 1", "1 2 6 0"} << "Militar não estava fora da escala"
            << QStringList{"1 1 6 1", "1 2 6 0"};
        // A number no person has: told so; his rotation rows are re-aligned.
        QTest::newRow("não cadastrado")
            << "77"
            << "" << QStringList{"1 77 3 1", "1 2 6 0"} << "Número não cadastrado no Sistema"
            << QStringList{"1 77 6 1", "1 2 6 0"};
        // An absent colleague does not weigh in the minimum.
        QTest::newRow("outro afastado")
            << "1"
            << "R" << QStringList{"1 1 3 1", "1 3 9 9", "1 2 6 0"} << QString()
            << QStringList{"1 1 6 1", "1 3 9 9", "1 2 6 0"};
    }
    void retorno() {
        QFETCH(QString, num);
        QFETCH(QString, pr);
        QFETCH(QStringList, membros);
        QFETCH(QString, aviso);
        QFETCH(QStringList, esperado);
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Sgt Dia");
        const Data ini = pr.isEmpty() ? Data() : D(1, 3, 2024);
        const Data fim = pr.isEmpty() ? Data() : D(20, 3, 2024);
        a.Militar("1", "Ana", 10, "Sd", pr, ini, fim);
        a.Militar("2", "Bia", 20);
        a.Militar("3", "Caio", 30, "Sd", "R", D(1, 3, 2024), D(30, 3, 2024));
        a.Militar("4", "Davi", 40);
        for (const QString& m : membros) {
            const QStringList c = m.split(' ');
            a.Membro(c[0].toInt(), c[1], c[2].toInt(), c[3].toInt());
        }
        if (!aviso.isEmpty())
            a.dialogos.EsperaAviso(aviso);

        VoltaParaEscala(*a.sis, num);

        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(Contadores(a), esperado);
        QCOMPARE(Janelas(a), QStringList({"1|||", "2|||", "3|R|2024-03-01|2024-03-30", "4|||"}));
        const QList<QVariantList> datas = a.Brutas("Basico", "Ini, Fim");
        for (const QVariant& v : datas.first())
            QVERIFY(v.isNull()); // no date, not the day 0
    }

    // The number is required: nothing is written.
    void retorno_sem_numero() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("1", "Ana", 10, "Sd", "R", D(1, 3, 2024), D(20, 3, 2024));
        a.Membro(1, "1", 3, 1);
        QCOMPARE(Mensagem([&] { VoltaParaEscala(*a.sis, QString()); }),
                 QStringLiteral("Campo número é obrigatório"));
        QCOMPARE(Janelas(a), QStringList({"1|R|2024-03-01|2024-03-20"}));
        QCOMPARE(Contadores(a), QStringList({"1 1 3 1"}));
    }
};

REGISTRA_TESTE(TesteAfastamentos)
#include "TesteAfastamentos.moc"
