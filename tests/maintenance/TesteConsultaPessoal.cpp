#include "base/Falha.h"
#include "maintenance/ConsultaPessoal.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QFile>
#include <QTest>

namespace {

// Five persons, in this record order.
struct Cadastro {
    Cadastro() {
        a.Militar("12", "JOSE SILVA", 1, "Cap");
        a.Militar("7", "SILVA DA SILVA", 2, "Sgt");
        a.Militar("1234", "PEDRO", 3, "Sd");
        a.Militar("30", "Ana Souza", 4, "Sgt");
        a.Militar("45", "MARIA", 5, "Cb");
        c.Ativa();
    }
    AmbienteTeste a;
    ConsultaPessoal c{*a.sis};
};

} // namespace

// The personnel lookup's listings and searches.
class TesteConsultaPessoal : public QObject {
    Q_OBJECT
private slots:
    void formas_das_linhas() {
        Cadastro t;
        const QStringList lista = t.c.ListaCompleta();
        QCOMPARE(lista.first(), QStringLiteral("12    Cap  JOSE SILVA"));
        QCOMPARE(lista[2], QStringLiteral("1234  Sd  PEDRO"));
        const QStringList busca = t.c.ProcuraNumeros("12,1234");
        QCOMPARE(busca, QStringList({"12      Cap  JOSE SILVA", "1234      Sd  PEDRO"}));
        // A caller takes the number from the first six characters of either form.
        for (const QString& linha : lista + busca + QStringList{"7      Sgt  SILVA DA SILVA"})
            QCOMPARE(NumeroDaLinha(linha), linha.section(' ', 0, 0));
    }

    void numeros_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QStringList>("numeros");
        QTest::newRow("12,7") << "12,7" << QStringList{"12", "7"};
        QTest::newRow("ordem das entradas") << "45,12" << QStringList{"45", "12"};
        QTest::newRow("branco depois da vírgula") << "12, 7" << QStringList{"12"};
        QTest::newRow("branco antes da vírgula") << "12 ,7" << QStringList{"7"};
        QTest::newRow("cinco dígitos") << "12345" << QStringList{"1234"};
        QTest::newRow("vírgula no fim") << "12," << QStringList{"12"};
        QTest::newRow("repetido") << "7,7" << QStringList{"7", "7"};
        QTest::newRow("desconhecido") << "99,,30" << QStringList{"30"};
        QTest::newRow("parte de um número") << "123" << QStringList{};
        QTest::newRow("vazio") << "" << QStringList{};
    }
    void numeros() {
        QFETCH(QString, campo);
        QFETCH(QStringList, numeros);
        Cadastro t;
        QStringList achados;
        for (const QString& linha : t.c.ProcuraNumeros(campo))
            achados << NumeroDaLinha(linha);
        QCOMPARE(achados, numeros);
    }

    void nomes_data() {
        QTest::addColumn<QString>("parte");
        QTest::addColumn<QStringList>("numeros");
        QTest::newRow("duas vezes no nome") << "SILVA" << QStringList{"12", "7"};
        QTest::newRow("minúsculas não acham maiúsculas") << "silva" << QStringList{};
        QTest::newRow("maiúsculas não acham minúsculas") << "SOUZA" << QStringList{};
        QTest::newRow("no meio") << "ouz" << QStringList{"30"};
        QTest::newRow("vazio acha todos") << "" << QStringList{"12", "7", "1234", "30", "45"};
    }
    void nomes() {
        QFETCH(QString, parte);
        QFETCH(QStringList, numeros);
        Cadastro t;
        QStringList achados;
        for (const QString& linha : t.c.ProcuraNome(parte)) {
            achados << NumeroDaLinha(linha);
            QVERIFY(t.c.ListaCompleta().contains(linha)); // list form
        }
        QCOMPARE(achados, numeros);
    }

    // Two ranks: the persons of both in record order, each once; a rank is
    // matched whole.
    void postos() {
        Cadastro t;
        QCOMPARE(t.c.ProcuraPostos({"Sgt", "Cap"}),
                 QStringList({"12      Cap  JOSE SILVA", "7      Sgt  SILVA DA SILVA",
                              "30      Sgt  Ana Souza"}));
        QCOMPARE(t.c.ProcuraPostos({"Sg"}), QStringList());
    }

    // The inputs shown decide which searches run; the last one gives the
    // lines. Hidden fields count only for the refusal.
    void procura_data() {
        QTest::addColumn<QString>("numeros");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QStringList>("postos");
        QTest::addColumn<QString>("mostrados"); // N number, M name, P ranks
        QTest::addColumn<QStringList>("achados");
        QTest::newRow("nome, número escondido")
            << "12,7"
            << "PEDRO" << QStringList{} << "M" << QStringList{"1234"};
        QTest::newRow("número, nome escondido")
            << "45"
            << "PEDRO" << QStringList{} << "N" << QStringList{"45"};
        QTest::newRow("postos") << ""
                                << "" << QStringList{"Cb"} << "P" << QStringList{"45"};
        QTest::newRow("os três: vale o posto")
            << "12"
            << "PEDRO" << QStringList{"Cb"} << "NMP" << QStringList{"45"};
        QTest::newRow("só o nome escondido preenchido")
            << ""
            << "PEDRO" << QStringList{} << "N" << QStringList{};
    }
    void procura() {
        QFETCH(QString, numeros);
        QFETCH(QString, nome);
        QFETCH(QStringList, postos);
        QFETCH(QString, mostrados);
        QFETCH(QStringList, achados);
        Cadastro t;
        PesquisaPessoal p{numeros,
                          nome,
                          postos,
                          mostrados.contains('N'),
                          mostrados.contains('M'),
                          mostrados.contains('P')};
        QStringList nums;
        for (const QString& linha : t.c.Procura(p))
            nums << NumeroDaLinha(linha);
        QCOMPARE(nums, achados);
    }

    void procura_sem_nada() {
        Cadastro t;
        try {
            t.c.Procura(PesquisaPessoal{});
            QFAIL("a search without anything to search for ran");
        } catch (const Recusa& r) {
            QCOMPARE(r.Mensagem(), QStringLiteral(" Para consultar, você deve preencher um dos "
                                                  "campos:\nNumero, Nome ou Posto"));
        }
    }

    // The listing stops at the first record without a name; the activation
    // takes the ranks of PstGrd.Txt and the persons of Basico as they are now.
    void ativacao() {
        Cadastro t;
        QCOMPARE(t.c.ListaCompleta().size(), 5);
        t.a.Militar("50", "");
        t.a.Militar("60", "DEPOIS");
        QCOMPARE(t.c.ListaCompleta().size(), 5);
        QCOMPARE(t.c.Ativa(), t.a.sis->pasta.LePstGrd());
        QCOMPARE(t.c.ListaCompleta().size(), 5);
        QVERIFY(t.c.ProcuraNumeros("60").isEmpty());
    }

    // Without PstGrd.Txt the activation stops before it reloads the persons.
    void ativacao_sem_postos() {
        Cadastro t;
        t.a.Militar("50", "NOVO");
        QVERIFY(QFile::remove(t.a.sis->pasta.Caminho("PstGrd.Txt")));
        QVERIFY_THROWS_EXCEPTION(Falha, t.c.Ativa());
        QCOMPARE(t.c.ListaCompleta().size(), 5);
    }
};

REGISTRA_TESTE(TesteConsultaPessoal)
#include "TesteConsultaPessoal.moc"
