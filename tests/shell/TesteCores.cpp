#include "base/Falha.h"
#include "shell/Cores.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

using Slots = std::array<int, 14>;

Slots Originais() {
    return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
}

QByteArray ArquivoCores(const Slots& numeros) {
    QByteArray bytes;
    for (int i = 1; i <= 13; ++i)
        bytes += QByteArray::number(numeros[i]) + "\r\n";
    return bytes;
}

} // namespace

// The colour slots: the swap between the two panels, the original colours and
// ArqCores.Txt.
class TesteCores : public QObject {
    Q_OBJECT
private slots:
    // A basic colour and a substitute exchange their palette numbers, in
    // either order; a second swap of the same pair undoes the first.
    void troca_entre_paineis_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("1 e 8") << "1"
                               << "8";
        QTest::newRow("8 e 1") << "8"
                               << "1";
        QTest::newRow("6 e 7, com brancos") << " 6"
                                            << "7 ";
        QTest::newRow("2 e 13") << "2"
                                << "13";
    }
    void troca_entre_paineis() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        AmbienteTeste amb;
        TrocaCores(*amb.sis, a, b);
        Slots esperado = Originais();
        std::swap(esperado[a.trimmed().toInt()], esperado[b.trimmed().toInt()]);
        QCOMPARE(amb.sis->SlotsCores, esperado);
        TrocaCores(*amb.sis, a, b);
        QCOMPARE(amb.sis->SlotsCores, Originais());
    }

    // Two slots of one panel, and numbers that name no slot, are refused with
    // the slots as they were.
    void troca_recusada_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("mensagem");
        const QString painel = QStringLiteral("Não é possível trocar cores dentro do mesmo painel");
        QTest::newRow("2 e 5") << "2"
                               << "5" << painel;
        QTest::newRow("9 e 12") << "9"
                                << "12" << painel;
        QTest::newRow("1 e 1") << "1"
                               << "1" << painel;
        QTest::newRow("13 e 7") << "13"
                                << "7" << painel;
        QTest::newRow("zero") << "0"
                              << "8"
                              << "\"0\" não é o número de uma cor de 1 a 13";
        QTest::newRow("14") << "1"
                            << "14"
                            << "\"14\" não é o número de uma cor de 1 a 13";
        QTest::newRow("texto") << "a"
                               << "8"
                               << "\"a\" não é o número de uma cor de 1 a 13";
        QTest::newRow("vazio") << "1"
                               << ""
                               << "\"\" não é o número de uma cor de 1 a 13";
        QTest::newRow("fração") << "1,5"
                                << "8"
                                << "\"1,5\" não é o número de uma cor de 1 a 13";
    }
    void troca_recusada() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, mensagem);
        AmbienteTeste amb;
        TrocaCores(*amb.sis, "3", "10");
        const Slots antes = amb.sis->SlotsCores;
        try {
            TrocaCores(*amb.sis, a, b);
            QFAIL("a troca foi aceita");
        } catch (const Recusa& r) {
            QCOMPARE(r.Mensagem(), mensagem);
        }
        QCOMPARE(amb.sis->SlotsCores, antes);
    }

    // The original colours after swaps; the file holds each slot's number,
    // slot 1 first, and the next start reads them back.
    void originais_e_arquivo() {
        AmbienteTeste amb;
        TrocaCores(*amb.sis, "1", "8");
        TrocaCores(*amb.sis, "5", "12");
        GravaCores(*amb.sis);
        Slots trocadas = Originais();
        std::swap(trocadas[1], trocadas[8]);
        std::swap(trocadas[5], trocadas[12]);
        QCOMPARE(amb.Bytes("ArqCores.Txt"), ArquivoCores(trocadas));
        amb.Reabre();
        CarregaCores(*amb.sis);
        QCOMPARE(amb.sis->SlotsCores, trocadas);

        CoresOriginais(*amb.sis);
        GravaCores(*amb.sis);
        QCOMPARE(amb.Bytes("ArqCores.Txt"), ArquivoCores(Originais()));
        QCOMPARE(amb.Bytes("ArqCores.Txt").left(6), QByteArray("1\r\n2\r\n"));
    }
};

REGISTRA_TESTE(TesteCores)
#include "TesteCores.moc"
