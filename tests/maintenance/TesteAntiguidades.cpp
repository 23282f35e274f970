#include "base/Falha.h"
#include "maintenance/Antiguidades.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

// "num antig" of every Basico row, in stored order.
QStringList Ordem(AmbienteTeste& a) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Basico")))
        r << l[0] + ' ' + l[7];
    return r;
}

// Persons 1, 2, ... with the given seniority numbers, in that stored order.
void Registra(AmbienteTeste& a, const QList<int>& antig) {
    for (int i = 0; i < antig.size(); ++i)
        a.Militar(QString::number(i + 1), QStringLiteral("Militar %1").arg(i + 1), antig[i]);
}

} // namespace

// The seniority ordering: sort, renumber, Basico rewritten in the new order.
class TesteAntiguidades : public QObject {
    Q_OBJECT
private slots:
    void ordena_data() {
        QTest::addColumn<QList<int>>("antig");
        QTest::addColumn<QStringList>("digitados"); // "row text", rows from 0
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("15 entre 10 e 20") << QList<int>{10, 20, 30, 9999} << QStringList{"3 15"}
                                          << QStringList{"1 10", "4 20", "2 30", "3 40"};
        QTest::newRow("novos ficam no fim") << QList<int>{9999, 10, 9999, 20} << QStringList{}
                                            << QStringList{"2 10", "4 20", "1 9999", "3 9999"};
        QTest::newRow("sem mudança renumera")
            << QList<int>{5, 17, 40} << QStringList{} << QStringList{"1 10", "2 20", "3 30"};
        QTest::newRow("todos 9999") << QList<int>{9999, 9999, 9999} << QStringList{}
                                    << QStringList{"1 10", "2 9999", "3 9999"};
        QTest::newRow("iguais na ordem da tabela")
            << QList<int>{30, 10, 20} << QStringList{"0 15", "2 15"}
            << QStringList{"2 10", "1 20", "3 30"};
    }
    void ordena() {
        QFETCH(QList<int>, antig);
        QFETCH(QStringList, digitados);
        QFETCH(QStringList, esperado);
        AmbienteTeste a;
        Registra(a, antig);
        OrdemAntiguidade o(*a.sis);
        o.Abre();
        for (const QString& d : digitados)
            o.DefineAntig(d.section(' ', 0, 0).toInt(), d.section(' ', 1));
        o.Ordena();
        QCOMPARE(Ordem(a), esperado);
        QStringList mostradas;
        for (const LinhaAntiguidade& l : o.Linhas())
            mostradas << l.Num + ' ' + l.Antig;
        QCOMPARE(mostradas, esperado);
        QCOMPARE(a.sis->VetBas[1].Num, esperado.first().section(' ', 0, 0));
    }

    // Every other field of a person is written back as it was.
    void mantem_os_dados() {
        AmbienteTeste a;
        a.Militar("7", "Bia", 20, "Cb", "P", D(1, 3, 2024), D(9, 3, 2024), "01/02/24 05/02/24 ");
        a.Militar("3", "Ana", 10, "Sgt");
        const QList<QStringList> antes = a.Linhas("Basico");
        OrdemAntiguidade o(*a.sis);
        o.Abre();
        o.Ordena();
        QList<QStringList> esperado = {antes[1], antes[0]};
        esperado[1][7] = "20";
        QCOMPARE(a.Linhas("Basico"), esperado);
    }

    void recusa_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("vazio") << "";
        QTest::newRow("letras") << "abc";
        QTest::newRow("misto") << "1a";
        QTest::newRow("negativo") << "-5";
        QTest::newRow("grande") << "10000";
    }
    // A number that cannot be compared is refused before anything is written.
    void recusa() {
        QFETCH(QString, texto);
        AmbienteTeste a;
        Registra(a, {10, 20, 30});
        const QList<QStringList> antes = a.Linhas("Basico");
        OrdemAntiguidade o(*a.sis);
        o.Abre();
        o.DefineAntig(0, "25");
        o.DefineAntig(2, texto);
        try {
            o.Ordena();
            QFAIL("ordenou");
        } catch (const Recusa& r) {
            QVERIFY2(r.Mensagem().contains("militar 3 (linha 3)"), qPrintable(r.Mensagem()));
            QVERIFY(r.Mensagem().contains('"' + texto + '"'));
        }
        QCOMPARE(a.Linhas("Basico"), antes);
    }

    // More persons than the old work array held: every one is ordered and
    // written.
    void mais_de_500() {
        AmbienteTeste a;
        QList<QVariantList> linhas;
        for (int i = 1; i <= 700; ++i)
            linhas.append({QString::number(i), "Sd", QStringLiteral("M%1").arg(i), "", QVariant(),
                           QVariant(), "", i == 1 ? 9999 : 700 - i});
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Basico", linhas);
        OrdemAntiguidade o(*a.sis);
        o.Abre();
        QCOMPARE(o.Linhas().size(), 700);
        o.Ordena();
        const QStringList ordem = Ordem(a);
        QCOMPARE(ordem.size(), 700);
        QCOMPARE(ordem[0], QStringLiteral("700 10"));
        QCOMPARE(ordem[1], QStringLiteral("699 20"));
        QCOMPARE(ordem[698], QStringLiteral("2 6990"));
        QCOMPARE(ordem[699], QStringLiteral("1 9999"));
    }

    // A personnel table that cannot be read whole is not rewritten from the
    // part that was read.
    void cadastro_ilegivel() {
        AmbienteTeste a;
        a.Militar("1", "Ana", 20);
        a.Militar("2", "Bia", 10, "Sd", QString(), Data(), Data(), "01/03/24 99/99/99 ");
        a.Militar("3", "Caio", 30);
        const QList<QStringList> antes = a.Linhas("Basico");
        OrdemAntiguidade o(*a.sis);
        QVERIFY_THROWS_EXCEPTION(Falha, o.Abre());
        QVERIFY_THROWS_EXCEPTION(Recusa, o.Ordena());
        o.Fecha();
        QCOMPARE(a.Linhas("Basico"), antes);
    }

    void fecha_data() {
        QTest::addColumn<bool>("digita");
        QTest::addColumn<bool>("ordenaAntes");
        QTest::addColumn<bool>("sim");
        QTest::addColumn<bool>("pergunta");
        QTest::addColumn<QStringList>("esperado");
        const QStringList antes = {"1 10", "2 20", "3 9999"};
        const QStringList ordenado = {"1 10", "3 20", "2 30"};
        QTest::newRow("digitou, sim") << true << false << true << true << ordenado;
        QTest::newRow("digitou, não") << true << false << false << true << antes;
        QTest::newRow("já ordenou") << true << true << false << false << ordenado;
        QTest::newRow("nada digitado") << false << false << false << false << antes;
    }
    // Closing after typed numbers not yet ordered asks whether to record them.
    void fecha() {
        QFETCH(bool, digita);
        QFETCH(bool, ordenaAntes);
        QFETCH(bool, sim);
        QFETCH(bool, pergunta);
        QFETCH(QStringList, esperado);
        AmbienteTeste a;
        Registra(a, {10, 20, 9999});
        OrdemAntiguidade o(*a.sis);
        o.Abre();
        if (digita)
            o.DefineAntig(2, "15");
        if (ordenaAntes)
            o.Ordena();
        if (pergunta)
            a.dialogos.EsperaConfirma(sim, "Deseja gravar as alterações feitas?   \r\r"
                                           "                     ");
        o.Fecha();
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos.size(), pergunta ? 1 : 0);
        QCOMPARE(Ordem(a), esperado);
    }
};

REGISTRA_TESTE(TesteAntiguidades)
#include "TesteAntiguidades.moc"
