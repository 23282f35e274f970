#include "base/Falha.h"
#include "engine/Trocas.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QTest>

namespace {

const Data terca = D(5, 3, 2024);

QString Entrada(AmbienteTeste& a, int sv) {
    CarregaVetSv(*a.sis, Banco::Principal);
    return ListaDeServicos(*a.sis).at(sv - 1);
}

Troca Pedido(AmbienteTeste& a, const QString& sai, const QString& entra,
             Computar computar = Computar::B) {
    return Troca{sai, entra, Entrada(a, 2), QStringLiteral("05/03/24"), computar};
}

// Every table a swap may write, read back from the file.
QList<QList<QStringList>> Tabelas(AmbienteTeste& a) {
    return {a.Linhas("Hist"), a.Linhas("Basico"), a.Linhas("Sv2"), a.Linhas("Sv3")};
}

} // namespace

// "Trocas Sv": a swap agreed between two persons recorded in the history, the
// last-duty dates and the counters.
class TesteTrocas : public QObject {
    Q_OBJECT
private slots:
    void lista_de_servicos() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        CarregaVetSv(*a.sis, Banco::Principal);
        const QStringList lista = ListaDeServicos(*a.sis);
        QCOMPARE(lista.size(), 30);
        QCOMPARE(lista.at(0), QStringLiteral("0   "));
        QCOMPARE(lista.at(1), QStringLiteral("2   Guarda"));
        QCOMPARE(ServicoDaEntrada(lista.at(1)), 2);
        QCOMPARE(ServicoDaEntrada(QStringLiteral("12   Sgt Dia")), 12);
        QCOMPARE(ServicoDaEntrada(QString()), 0);
    }

    // The four swaps of a black day: the entry of duty 2, the last-duty dates
    // and the rotation rows "Num Pt Vm USvPt USvVm" of duties 2 and 3.
    void troca_data() { CasosDeTroca(); }
    void troca() {
        QFETCH(QString, sai);
        QFETCH(QString, entra);
        QFETCH(int, computar);
        AmbienteTeste a;
        RegistroDaTroca(a);
        QVERIFY(ExecutaTroca(*a.sis, Pedido(a, sai, entra, Computar(computar))));
        QTEST(a.Coluna("Hist", "Num").at(0), "historico");
        QCOMPARE(a.Coluna("Hist", "Num").at(1), QStringLiteral("7 "));
        QTEST(a.Coluna("Basico", "USv"), "usv");
        QTEST(Rodizio(a, 2), "sv2");
        QTEST(Rodizio(a, 3), "sv3");
    }

    // On a red day the Vm counters and last red duties move.
    void dia_vermelho() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        a.sis->pasta.GravaLinhas(QStringLiteral("SemExped.Txt"), {QStringLiteral("05/03/24")});
        QVERIFY(ExecutaTroca(*a.sis, Pedido(a, "7", "30")));
        QCOMPARE(Rodizio(a, 2), QStringList({"12 5 5 05/03/24 13/05/09", "30 5 6 05/03/24 05/03/24",
                                             "7 5 4 05/03/24 10/05/23"}));
    }

    // A is not in the day's entry: the operator is asked first; No leaves
    // every table as it was, Yes records the rest of the swap.
    void a_fora_da_escala_pergunta() {
        for (const bool sim : {false, true}) {
            AmbienteTeste a;
            RegistroDaTroca(a);
            const auto antes = Tabelas(a);
            a.dialogos.EsperaConfirma(sim, "O militar 99 não consta da escala de Guarda do dia "
                                           "05/03/24");
            QCOMPARE(ExecutaTroca(*a.sis, Pedido(a, "99", "30")), sim);
            if (!sim) {
                QCOMPARE(Tabelas(a), antes);
                continue;
            }
            QCOMPARE(a.Coluna("Hist", "Num").at(0), QStringLiteral("12 7 "));
            QCOMPARE(a.Coluna("Basico", "USv").at(2), QStringLiteral("01/03/24 05/03/24 "));
        }
    }

    // Refusals before anything is written.
    void recusas_data() {
        QTest::addColumn<QString>("sai");
        QTest::addColumn<QString>("entra");
        QTest::addColumn<int>("servico");
        QTest::addColumn<QString>("dia");
        QTest::addColumn<int>("computar");
        QTest::addColumn<QString>("mensagem");
        const int b = int(Computar::B);
        QTest::newRow("dia") << "7"
                             << "30" << 2 << "32/03/24" << b << "32/03/24 >>> Data inválida";
        QTest::newRow("sem A") << ""
                               << "30" << 2 << "05/03/24" << b
                               << "Você deve preencher todos os campos";
        QTest::newRow("sem B") << "7"
                               << " " << 2 << "05/03/24" << b
                               << "Você deve preencher todos os campos";
        QTest::newRow("sem serviço")
            << "7"
            << "30" << 0 << "05/03/24" << b << "Você deve selecionar um serviço";
        QTest::newRow("posição vazia")
            << "7"
            << "30" << 1 << "05/03/24" << b << "O serviço escolhido não está cadastrado";
        QTest::newRow("A igual a B")
            << "7"
            << "7" << 2 << "05/03/24" << b << "Os militares A e B devem ser diferentes";
        QTest::newRow("dois zeros")
            << "0"
            << "0" << 2 << "05/03/24" << b << "Os militares A e B devem ser diferentes";
        QTest::newRow("número com branco")
            << "7"
            << "3 0" << 2 << "05/03/24" << b << "Número não pode conter espaços: \"3 0\"";
        QTest::newRow("nenhuma opção") << "7"
                                       << "30" << 2 << "05/03/24" << int(Computar::Nenhum)
                                       << "Escolha para quem computar o serviço: B ou A e B";
    }
    void recusas() {
        QFETCH(QString, sai);
        QFETCH(QString, entra);
        QFETCH(int, servico);
        QFETCH(QString, dia);
        QFETCH(int, computar);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroDaTroca(a);
        const auto antes = Tabelas(a);
        Troca t{sai, entra, servico ? Entrada(a, servico) : QString(), dia, Computar(computar)};
        try {
            ExecutaTroca(*a.sis, t);
            QFAIL("a troca não foi recusada");
        } catch (const Recusa& r) {
            QCOMPARE(r.Mensagem(), mensagem);
        }
        QCOMPARE(Tabelas(a), antes);
    }

    // An entry that cannot hold one more number refuses the swap.
    void historico_cheio_recusa() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        QString cheio;
        while (cheio.size() + 5 <= 136)
            cheio += QStringLiteral("9999 ");
        a.Historico(terca + 1, 2, "Guarda", cheio);
        const auto antes = Tabelas(a);
        Troca t = Pedido(a, "0", "30");
        t.Dia = QStringLiteral("06/03/24");
        QVERIFY_THROWS_EXCEPTION(Recusa, ExecutaTroca(*a.sis, t));
        QCOMPARE(Tabelas(a), antes);
    }

    // "Listar": the candidates go to ListBox3; an empty slot is refused.
    void candidatos() {
        AmbienteTeste a;
        RegistroDaTroca(a);
        ListaCandidatosDaTroca(*a.sis, Entrada(a, 2), QStringLiteral("12/03/24"));
        QCOMPARE(a.sis->ListBox3.size(), 3);
        for (const QString& l : a.sis->ListBox3)
            QVERIFY(l.endsWith(QStringLiteral("   ")));
        QVERIFY_THROWS_EXCEPTION(
            Recusa, ListaCandidatosDaTroca(*a.sis, Entrada(a, 1), QStringLiteral("12/03/24")));
        QVERIFY_THROWS_EXCEPTION(
            Recusa, ListaCandidatosDaTroca(*a.sis, Entrada(a, 2), QStringLiteral("x")));
    }
};

REGISTRA_TESTE(TesteTrocas)
#include "TesteTrocas.moc"
