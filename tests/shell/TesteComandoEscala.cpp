#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "shell/ComandoEscala.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

namespace {

struct Execucao {
    int codigo = -1;
    QString saida;
    QStringList Secao(const QString& titulo) const {
        QStringList linhas = saida.split('\n');
        linhas.removeLast();
        const int i = linhas.indexOf(titulo);
        QStringList secao;
        for (int j = i + 1; j < linhas.size() && !linhas[j].startsWith('['); ++j)
            secao << linhas[j];
        return secao;
    }
};

Execucao Executa(const QString& pasta, const QStringList& argumentos) {
    Execucao e;
    QTextStream saida(&e.saida);
    e.codigo = ExecutaComandoEscala(QStringList{"--pasta-dados", pasta, "--hoje", "10/03/2024"} +
                                        argumentos,
                                    saida, pasta + "/../Aliases.ini");
    return e;
}

// A register the command works on: built, then released (the command locks
// the folder itself).
struct Pasta {
    explicit Pasta(int quantGuarda = 1) {
        RegistroPequeno(a, quantGuarda);
        a.sis.reset();
        caminho = a.Pasta();
    }
    AmbienteTeste a;
    QString caminho;
};

// What a case does to the register before the run.
enum Preparo {
    Nada,
    PeriodoLongo,    // the period runs to the end of 2025
    UltimaAntiga,    // the last roster date is 01/01/23
    EscalaEstragada, // Escala.Txt holds no date
    SemPeriodo,      // DataIniFim.Txt is gone
    HistRecusado,    // the database refuses every new history row
};

void Prepara(Pasta& p, Preparo preparo) {
    const QString pasta = p.caminho + QLatin1Char('/');
    switch (preparo) {
    case Nada:
        break;
    case PeriodoLongo:
        GravaBytes(pasta + "DataIniFim.Txt", "10/03/24\r\n31/12/25\r\n");
        break;
    case UltimaAntiga:
        GravaBytes(pasta + "Escala.Txt", "01/01/23\r\n");
        break;
    case EscalaEstragada:
        GravaBytes(pasta + "Escala.Txt", "xx\r\n");
        break;
    case SemPeriodo:
        QVERIFY(QFile::remove(pasta + "DataIniFim.Txt"));
        break;
    case HistRecusado: {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "gatilho");
            db.setDatabaseName(pasta + "Tarvolim.db");
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec("CREATE TRIGGER recusa BEFORE INSERT ON Hist "
                           "BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
        }
        QSqlDatabase::removeDatabase("gatilho");
        break;
    }
    }
}

} // namespace

// The headless roster command.
class TesteComandoEscala : public QObject {
    Q_OBJECT
private slots:
    // The same register and day give exactly the lists the tab shows.
    void mesmas_listas_que_a_aba() {
        AmbienteTeste a;
        RegistroPequeno(a, 4);
        a.Militar("9", "AUSENTE", 9, "Sd", "P", D(11, 3, 2024), D(12, 3, 2024));
        a.Membro(1, "9");
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        QStringList escala, erros, alertas;
        {
            a.dialogos.AceitaAvisos = true;
            TFPrincipal p(*a.sis, inicio);
            p.AbaEscalar()->Janelas().PausaMs = 0;
            p.show();
            p.Atualiza();
            p.Paginas()->setCurrentWidget(p.findChild<QWidget*>("TabSheet3"));
            auto* edit1 = p.AbaEscalar()->findChild<QLineEdit*>("Edit1");
            QTest::mouseClick(edit1, Qt::LeftButton);
            QTest::keyClicks(edit1, "15/03/24");
            RoteiroModal roteiro;
            roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
                .Quando("FAviso", [](QWidget* w) { Clica(w, "BSair"); });
            QTest::mouseClick(p.AbaEscalar()->findChild<QPushButton*>("Button6"), Qt::LeftButton);
            QVERIFY(roteiro.Cumprido());
            escala = Itens(Controle<QListWidget>(p.AbaEscalar(), "ListBox2"));
            erros = Itens(Controle<QListWidget>(p.AbaEscalar(), "ListBox5"));
            alertas = Itens(Controle<QListWidget>(p.AbaEscalar(), "ListBox6"));
        }
        Pasta b(4);
        b.a.sis = std::make_unique<Sistema>(b.caminho, b.a.PastaBackup(), b.a.relogio, b.a.dialogos,
                                            b.a.impressora);
        b.a.Militar("9", "AUSENTE", 9, "Sd", "P", D(11, 3, 2024), D(12, 3, 2024));
        b.a.Membro(1, "9");
        b.a.sis.reset();
        const Execucao e = Executa(b.caminho, {"verificar", "--ate", "15/03/24"});
        QCOMPARE(e.codigo, 0);
        QVERIFY(!escala.isEmpty());
        QVERIFY(!erros.isEmpty());
        QVERIFY(!alertas.isEmpty());
        QCOMPARE(e.Secao("[Escala]"), escala);
        QCOMPARE(e.Secao("[Erros]"), erros);
        QCOMPARE(e.Secao("[Alertas]"), alertas);
        QCOMPARE(e.Secao("[Mensagens]"), a.dialogos.Textos);
    }

    void escalar_grava() {
        Pasta p;
        const Execucao e = Executa(p.caminho, {"escalar", "--ate", "13/03/24"});
        QCOMPARE(e.codigo, 0);
        QCOMPARE(e.Secao("[Escala]").mid(2, 2),
                 QStringList({"     Of Dia:  3-M3  ", "     Guarda:  6-M6  "}));
        p.a.sis = std::make_unique<Sistema>(p.caminho, p.a.PastaBackup(), p.a.relogio, p.a.dialogos,
                                            p.a.impressora);
        QCOMPARE(p.a.sis->pasta.LeUltimaEscala(), D(13, 3, 2024));
        QCOMPARE(p.a.Coluna("Hist", "Dia").size(), 6);
    }

    void escalar_com_vagas_nao_grava() {
        Pasta p(4);
        const Execucao e = Executa(p.caminho, {"escalar", "--ate", "13/03/24"});
        QCOMPARE(e.codigo, 1);
        QVERIFY(!e.Secao("[Erros]").isEmpty());
        p.a.sis = std::make_unique<Sistema>(p.caminho, p.a.PastaBackup(), p.a.relogio, p.a.dialogos,
                                            p.a.impressora);
        QVERIFY(p.a.Coluna("Hist", "Dia").isEmpty());
        QCOMPARE(p.a.sis->pasta.LeUltimaEscala(), D(10, 3, 2024));
    }

    // --explicar adds, after [Mensagens], each error line followed by the
    // members of that rotation and what kept each out; the other sections
    // stay as they are without it.
    void explicar() {
        Pasta p(4);
        const Execucao sem = Executa(p.caminho, {"verificar", "--ate", "13/03/24"});
        const Execucao com = Executa(p.caminho, {"verificar", "--ate", "13/03/24", "--explicar"});
        QCOMPARE(com.codigo, sem.codigo);
        QVERIFY(!sem.saida.contains("[Explicacao]"));
        QVERIFY(com.saida.startsWith(sem.saida));
        const QStringList erros = com.Secao("[Erros]");
        const QStringList explicacao = com.Secao("[Explicacao]");
        QVERIFY(!erros.isEmpty());
        QCOMPARE(explicacao.filter(QRegularExpression("^\\*")), erros);
        QCOMPARE(explicacao.value(0), erros.value(0));
        // The guard's three members, each kept out by his duty of that day.
        QCOMPARE(explicacao.mid(1, 3).filter("já está escalado neste dia").size(), 3);
        QVERIFY(explicacao.value(1).startsWith("  1. "));
    }

    // Every refusal of the operator exits with 2, every error of the store or
    // of a file with 3; the message is shown once.
    void codigos_data() {
        QTest::addColumn<int>("preparo");
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("data inválida") << int(Nada) << QStringList{"verificar", "--ate", "32/03/24"}
                                       << 2 << "32/03/24 >>> Data inválida";
        QTest::newRow("depois do período")
            << int(Nada) << QStringList{"verificar", "--ate", "02/04/24"} << 2
            << "A data atual vai até o dia 31/03/24";
        QTest::newRow("não depois da última")
            << int(Nada) << QStringList{"verificar", "--ate", "10/03/24"} << 2
            << "O dia final deve ser posterior à última escalação (10/03/24)";
        QTest::newRow("comando desconhecido") << int(Nada) << QStringList{"apagar"} << 2 << "Uso:";
        QTest::newRow("sem dia") << int(Nada) << QStringList{"escalar"} << 2
                                 << "Falta o dia final (--ate).";
        QTest::newRow("serviço 31")
            << int(Nada) << QStringList{"verificar", "--ate", "13/03/24", "--vermelha-nao", "2,31"}
            << 2 << "Serviço inválido em --vermelha-nao: \"31\" (de 1 a 30).";
        QTest::newRow("dez dias sem --sim")
            << int(Nada) << QStringList{"desfazer", "--a-partir-de", "01/02/24"} << 2
            << "retroceder a escala mais de 10 dias";
        QTest::newRow("desfazer de dia inválido")
            << int(Nada) << QStringList{"desfazer", "--a-partir-de", "31/02/24"} << 2
            << "31/02/24 >>> Data inválida";
        QTest::newRow("opção desconhecida")
            << int(Nada) << QStringList{"verificar", "--ate", "13/03/24", "--depressa"} << 2
            << "Opção desconhecida: --depressa.";
        QTest::newRow("opção curta desconhecida")
            << int(Nada) << QStringList{"-x", "verificar", "--ate", "13/03/24"} << 2
            << "Opção desconhecida: -x.";
        QTest::newRow("falta o valor") << int(Nada) << QStringList{"verificar", "--ate"} << 2
                                       << "Falta o valor depois de --ate.";
        QTest::newRow("falta o valor antes de outra opção")
            << int(Nada) << QStringList{"verificar", "--ate", "--sim"} << 2
            << "Falta o valor depois de --ate.";
        QTest::newRow("--ate duas vezes")
            << int(Nada) << QStringList{"escalar", "--ate", "13/03/24", "--ate=14/03/24"} << 2
            << "A opção --ate foi dada mais de uma vez.";
        QTest::newRow("marca com valor")
            << int(Nada) << QStringList{"desfazer", "--a-partir-de", "12/03/24", "--sim=não"} << 2
            << "A opção --sim não leva valor.";
        QTest::newRow("item vazio em --vermelha-nao")
            << int(Nada) << QStringList{"verificar", "--ate", "13/03/24", "--vermelha-nao", "1,,2"}
            << 2 << "Item vazio em --vermelha-nao: \"1,,2\"";
        QTest::newRow("--vermelha-nao vazia")
            << int(Nada) << QStringList{"verificar", "--ate", "13/03/24", "--vermelha-nao", ""} << 2
            << "Item vazio em --vermelha-nao";
        QTest::newRow("--vermelha-nao de serviço inexistente")
            << int(Nada) << QStringList{"escalar", "--ate", "13/03/24", "--vermelha-nao", "1,7"}
            << 2 << "O serviço 7 de --vermelha-nao não existe no cadastro.";
        QTest::newRow("mais de 366 dias")
            << int(PeriodoLongo) << QStringList{"verificar", "--ate", "01/06/25"} << 2
            << "tem 448 dias; escale no máximo 366 dias de cada vez.";
        QTest::newRow("última escalação antiga")
            << int(UltimaAntiga) << QStringList{"escalar", "--ate", "13/03/24"} << 2
            << "escale no máximo 366 dias de cada vez.";
        QTest::newRow("Escala.Txt estragado")
            << int(EscalaEstragada) << QStringList{"verificar", "--ate", "13/03/24"} << 3
            << "\"xx\" não é uma data válida (arquivo Escala.Txt)";
        QTest::newRow("DataIniFim.Txt ausente")
            << int(SemPeriodo) << QStringList{"verificar", "--ate", "13/03/24"} << 3
            << "Arquivo não encontrado: DataIniFim.Txt";
        QTest::newRow("gravação recusada pelo banco")
            << int(HistRecusado) << QStringList{"escalar", "--ate", "13/03/24"} << 3
            << "A escala não foi gravada; nada foi alterado.";
    }
    void codigos() {
        QFETCH(int, preparo);
        QFETCH(QStringList, argumentos);
        QFETCH(int, codigo);
        QFETCH(QString, mensagem);
        Pasta p;
        Prepara(p, Preparo(preparo));
        const QByteArray escalaAntes = BytesDoArquivo(p.caminho + "/Escala.Txt");
        const Execucao e = Executa(p.caminho, argumentos);
        QCOMPARE(e.codigo, codigo);
        const QString mensagens = e.Secao("[Mensagens]").join('\n');
        QVERIFY2(mensagens.contains(mensagem), qPrintable(e.saida));
        // The period and day checks keep their second showing, by the red
        // phase's preparation; every other message is shown once.
        const bool duasVezes = QStringList({"data inválida", "depois do período"})
                                   .contains(QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(mensagens.count(mensagem), duasVezes ? 2 : 1);
        // Nothing of the roster was written.
        QCOMPARE(BytesDoArquivo(p.caminho + "/Escala.Txt"), escalaAntes);
        QVERIFY(p.a.Coluna("Hist", "Dia").isEmpty());
    }

    // A failed commit is told and the forecast discarded, as on the tab.
    void gravacao_recusada_descarta_a_previsao() {
        Pasta p;
        Prepara(p, HistRecusado);
        const Execucao e = Executa(p.caminho, {"escalar", "--ate", "13/03/24"});
        QCOMPARE(e.codigo, 3);
        QVERIFY2(e.Secao("[Mensagens]")
                     .join('\n')
                     .contains("Clique em \"Escalar até:\" e verifique de novo."),
                 qPrintable(e.saida));
        // The lists printed are the forecast that was not written.
        QVERIFY(e.Secao("[Escala]").contains("     Of Dia:  3-M3  "));
    }

    // The data folder given must be a register or a folder to install into.
    void pasta_de_dados_recusada() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("outra")));
        GravaBytes(dir.filePath("outra/notas.txt"), "uma nota\n");
        for (const QString& pasta : {dir.filePath("outra"), QString()}) {
            Execucao e;
            QTextStream saida(&e.saida);
            e.codigo = ExecutaComandoEscala(
                {"--pasta-dados", pasta, "--hoje", "10/03/2024", "verificar", "--ate", "13/03/24"},
                saida, dir.filePath("Aliases.ini"));
            QCOMPARE(e.codigo, 2);
            QVERIFY2(e.Secao("[Mensagens]")
                         .join('\n')
                         .contains(pasta.isEmpty() ? "A pasta de dados (--pasta-dados) está vazia."
                                                   : "não guarda um cadastro do Tarvolim"),
                     qPrintable(e.saida));
        }
        // Nothing was written: neither into the folder nor the aliases.
        QCOMPARE(QDir(dir.filePath("outra"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"notas.txt"}));
        QVERIFY(!QFile::exists(dir.filePath("Aliases.ini")));
    }

    // The lists of a committed roster are those of its verification: the
    // alerts too, though choosing to commit empties them on the tab.
    void escalar_mostra_os_alertas() {
        Pasta p;
        p.a.sis = std::make_unique<Sistema>(p.caminho, p.a.PastaBackup(), p.a.relogio, p.a.dialogos,
                                            p.a.impressora);
        p.a.Militar("8", "VOLTOU", 8, "Sd", "R", D(1, 3, 2024), D(11, 3, 2024));
        p.a.Membro(1, "8");
        p.a.Militar("9", "SAIRA", 9, "Sd", "P", D(11, 3, 2024), D(12, 3, 2024));
        p.a.Membro(1, "9");
        p.a.sis.reset();
        const Execucao e = Executa(p.caminho, {"escalar", "--ate", "13/03/24"});
        QCOMPARE(e.codigo, 0);
        const QString alertas = e.Secao("[Alertas]").join('\n');
        QVERIFY2(alertas.contains("- Nº:  8  deve se apresentar pronto em  "), qPrintable(e.saida));
        QVERIFY2(alertas.contains("- Nº:  9  PREVISTO sair da escala de: 11/03/24 a 12/03/24"),
                 qPrintable(e.saida));
        QVERIFY(!e.Secao("[Escala]").isEmpty());
        p.a.sis = std::make_unique<Sistema>(p.caminho, p.a.PastaBackup(), p.a.relogio, p.a.dialogos,
                                            p.a.impressora);
        QCOMPARE(p.a.sis->pasta.LeUltimaEscala(), D(13, 3, 2024));
    }

    // --help prints the usage and succeeds.
    void ajuda() {
        Pasta p;
        const Execucao e = Executa(p.caminho, {"--help"});
        QCOMPARE(e.codigo, 0);
        QVERIFY2(e.saida.startsWith("Uso: tarvolim-escala"), qPrintable(e.saida));
        QVERIFY(e.saida.contains("Opções:"));
        QVERIFY(e.saida.contains("Códigos de saída: 0 feito"));
        const Execucao v = Executa(p.caminho, {"--version"});
        QCOMPARE(v.codigo, 0);
        QVERIFY2(v.saida.startsWith("tarvolim-escala (Tarvolim) versão "), qPrintable(v.saida));
    }

    void historico_no_periodo() {
        Pasta p;
        p.a.sis = std::make_unique<Sistema>(p.caminho, p.a.PastaBackup(), p.a.relogio, p.a.dialogos,
                                            p.a.impressora);
        p.a.Historico(D(12, 3, 2024), 1, "Of Dia", "1");
        p.a.sis.reset();
        const Execucao e = Executa(p.caminho, {"verificar", "--ate", "13/03/24"});
        QCOMPARE(e.codigo, 2);
        QVERIFY(
            e.Secao("[Mensagens]").contains("O Serviço de Of Dia já foi escalado no dia 12/03/24"));
    }

    void desfazer() {
        Pasta p;
        QCOMPARE(Executa(p.caminho, {"escalar", "--ate", "13/03/24"}).codigo, 0);
        const Execucao e = Executa(p.caminho, {"desfazer", "--a-partir-de", "12/03/24"});
        QCOMPARE(e.codigo, 0);
        QVERIFY(e.Secao("[Mensagens]").first().contains("CUIDADO !"));
        p.a.sis = std::make_unique<Sistema>(p.caminho, p.a.PastaBackup(), p.a.relogio, p.a.dialogos,
                                            p.a.impressora);
        QCOMPARE(p.a.sis->pasta.LeUltimaEscala(), D(11, 3, 2024));
        p.a.sis.reset();
        QCOMPARE(Executa(p.caminho, {"desfazer", "--a-partir-de", "01/02/24", "--sim"}).codigo, 0);
    }

    void pasta_nova_com_a_instalacao() {
        QTemporaryDir dir;
        const Execucao e = Executa(dir.filePath("nova"), {"verificar", "--ate", "15/03/24"});
        QCOMPARE(e.codigo, 2); // the period ends the day before today
        QVERIFY(e.saida.contains("A data atual vai até o dia 09/03/24"));
        QVERIFY(QFile::exists(dir.filePath("nova/Tarvolim.db")));
    }

    // The program itself: exit code and UTF-8 output.
    void programa() {
        Pasta p;
        QProcess processo;
        processo.start(QCoreApplication::applicationDirPath() + "/tarvolim-escala",
                       {"--pasta-dados", p.caminho, "--hoje", "10/03/2024", "verificar", "--ate",
                        "13/03/24", "--vermelha-nao", "1"});
        QVERIFY(processo.waitForFinished(60000));
        QCOMPARE(processo.exitCode(), 0);
        const QString saida = QString::fromUtf8(processo.readAllStandardOutput());
        QVERIFY(saida.startsWith("[Escala]\n"));
        QVERIFY(saida.contains("     Of Dia:  3-M3  "));
    }
};
REGISTRA_TESTE(TesteComandoEscala)
#include "TesteComandoEscala.moc"
