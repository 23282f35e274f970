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

    void recusas_data() {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("data inválida")
            << QStringList{"verificar", "--ate", "32/03/24"} << 2 << "32/03/24 >>> Data inválida";
        QTest::newRow("depois do período") << QStringList{"verificar", "--ate", "02/04/24"} << 2
                                           << "A data atual vai até o dia 31/03/24";
        QTest::newRow("não depois da última")
            << QStringList{"verificar", "--ate", "10/03/24"} << 2
            << "O dia final deve ser posterior à última escalação (10/03/24)";
        QTest::newRow("comando desconhecido") << QStringList{"apagar"} << 2 << "Uso:";
        QTest::newRow("sem dia") << QStringList{"escalar"} << 2 << "--ate";
        QTest::newRow("serviço 31")
            << QStringList{"verificar", "--ate", "13/03/24", "--vermelha-nao", "2,31"} << 2
            << "--vermelha-nao";
        QTest::newRow("dez dias sem --sim") << QStringList{"desfazer", "--a-partir-de", "01/02/24"}
                                            << 2 << "retroceder a escala mais de 10 dias";
    }
    void recusas() {
        QFETCH(QStringList, argumentos);
        QFETCH(int, codigo);
        QFETCH(QString, mensagem);
        Pasta p;
        const Execucao e = Executa(p.caminho, argumentos);
        QCOMPARE(e.codigo, codigo);
        QVERIFY2(e.Secao("[Mensagens]").join('\n').contains(mensagem), qPrintable(e.saida));
    }

    // --help prints the usage and succeeds.
    void ajuda() {
        Pasta p;
        const Execucao e = Executa(p.caminho, {"--help"});
        QCOMPARE(e.codigo, 0);
        QVERIFY2(e.saida.startsWith("Uso: tarvolim-escala"), qPrintable(e.saida));
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
