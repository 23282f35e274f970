#include "base/Falha.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

// Start-up: data folder, lock, aliases and the main window.
class TesteInicio : public QObject {
    Q_OBJECT
private slots:
    void pasta_nova_recebe_a_instalacao() {
        QTemporaryDir dir;
        const QString pasta = dir.filePath("nova/Tarvolim2");
        Inicio inicio(pasta, dir.filePath("Aliases.ini"));
        inicio.Prepara(D(10, 3, 2024));
        QVERIFY(inicio.PastaForcada());
        QVERIFY(QFile::exists(pasta + "/Tarvolim.db"));
        QVERIFY(QFile::exists(pasta + "/Niveis.Txt"));
    }

    void segunda_execucao_recusada() {
        QTemporaryDir dir;
        Inicio primeira(dir.filePath("d"), dir.filePath("Aliases.ini"));
        primeira.Prepara(D(10, 3, 2024));
        Inicio segunda(dir.filePath("d"), dir.filePath("Aliases.ini"));
        try {
            segunda.Prepara(D(10, 3, 2024));
            QFAIL("a segunda execução não foi recusada");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("já está aberto"));
        }
    }

    // Aliases are made when missing and left alone when they exist, even when
    // line 6 of Niveis.Txt names another backup folder.
    void aliases() {
        AmbienteTeste a;
        const QString arquivo = a.dir.filePath("config/Aliases.ini");
        Aliases aliases(arquivo);
        aliases.Define("BackUpSv2", "/outro/Espelho");
        Inicio inicio(QString(), arquivo);
        // The main alias is missing: the default folder would be used, so point
        // it at the test folder first.
        aliases.Define("Tarvolim2", a.Pasta());
        inicio.Prepara(D(10, 3, 2024));
        QCOMPARE(inicio.PastaDados(), a.Pasta());
        inicio.PassosIniciais(*a.sis);
        QCOMPARE(aliases.Pasta("BackUpSv2"), QStringLiteral("/outro/Espelho"));
        QCOMPARE(aliases.Parametro("BackUpSv2"), QStringLiteral("Path=/outro/Espelho"));
        QCOMPARE(a.sis->dm.Pasta(Banco::Backup), QStringLiteral("/outro/Espelho"));

        QFile::remove(arquivo);
        Aliases(arquivo).Define("Tarvolim2", a.Pasta());
        inicio.PassosIniciais(*a.sis);
        QCOMPARE(Aliases(arquivo).Pasta("BackUpSv2"), a.PastaBackup());
    }

    // A Niveis.Txt written in UTF-8 is read as such, and the start says so.
    void niveis_em_utf8_avisado() {
        AmbienteTeste a;
        GravaBytes(a.sis->pasta.Caminho("Niveis.Txt"),
                   QStringLiteral("Organização\r\nU\r\nU\r\nU\r\nCapa1.bmp\r\n%1\r\n0\r\n\r\n"
                                  "Segurança\r\n")
                       .arg(a.PastaBackup())
                       .toUtf8());
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(D(10, 3, 2024));
        a.dialogos.EsperaAviso("O arquivo Niveis.Txt está gravado em UTF-8");
        inicio.PassosIniciais(*a.sis);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.sis->NiveisCapa.Organizacao(), QStringLiteral("Organização"));
        QCOMPARE(a.sis->NiveisCapa.Lema(), QStringLiteral("Segurança"));
    }

    void janela_principal_abas_e_capa() {
        AmbienteTeste a;
        Niveis n = a.sis->pasta.LeNiveis();
        n.Linhas[0] = "1ª Região";
        n.Linhas[1] = "Batalhão";
        n.Linhas[2] = "Companhia";
        n.Linhas[3] = "Pelotão";
        a.sis->pasta.GravaNiveis(n);
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        TFPrincipal p(*a.sis, inicio);
        QCOMPARE(p.windowTitle(), QStringLiteral("Página Principal da Aplicação"));
        QTabWidget* abas = p.Paginas();
        QStringList titulos;
        for (int i = 0; i < abas->count(); ++i)
            titulos << abas->tabText(i);
        QCOMPARE(titulos, QStringList({"Capa", "Escalar Automático", "Escalar Manual", "Trocas Sv",
                                       "Manutenção", "Consultas", "Primeira Utilização"}));
        QCOMPARE(abas->currentIndex(), 0);
        QCOMPARE(p.findChild<QLabel*>("Label20")->text(), QStringLiteral("1ª Região"));
        QCOMPARE(p.findChild<QLabel*>("Label16")->text(),
                 QStringLiteral("Batalhão\nCompanhia\nPelotão"));
        QCOMPARE(p.findChild<QLabel*>("Label21")->text(), QStringLiteral("Tarvolim 4.0"));
        QCOMPARE(p.findChild<QLabel*>("Label24")->text(),
                 QStringLiteral("Segurança em Nossas Fronteiras"));
        QCOMPARE(p.findChild<QLabel*>("Label25")->text(),
                 QStringLiteral("A Garantia da Paz no Brasil"));
        for (const char* img : {"Image2", "Image3", "Image4", "Image5", "Image6", "Image7"})
            QVERIFY2(!p.findChild<QLabel*>(img)->pixmap().isNull(), img);
        p.Atualiza();
        QVERIFY(!p.findChild<QLabel*>("Image1")->pixmap().isNull());
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    void outro_lema_deixa_brasil() {
        AmbienteTeste a;
        Niveis n = a.sis->pasta.LeNiveis();
        n.Linhas[8] = "Braço Forte";
        a.sis->pasta.GravaNiveis(n);
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        TFPrincipal p(*a.sis, inicio);
        QCOMPARE(p.findChild<QLabel*>("Label24")->text(), QStringLiteral("Braço Forte"));
        QCOMPARE(p.findChild<QLabel*>("Label25")->text(), QStringLiteral("Brasil"));
    }

    void arquivos_ausentes_dao_mensagem() {
        AmbienteTeste a;
        QFile::remove(a.sis->pasta.Caminho("Niveis.Txt"));
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        a.dialogos.EsperaAviso("Niveis.Txt");
        TFPrincipal p(*a.sis, inicio);
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(p.Paginas()->count(), 7);

        AmbienteTeste b;
        QFile::remove(b.sis->pasta.Caminho("Bandeira.bmp"));
        Inicio inicioB(b.Pasta(), b.dir.filePath("Aliases.ini"));
        inicioB.Prepara(b.relogio.Hoje());
        b.dialogos.EsperaAviso("Bandeira.bmp");
        TFPrincipal pb(*b.sis, inicioB);
        QVERIFY(b.dialogos.ScriptCumprido());
    }
};
REGISTRA_TESTE(TesteInicio)
#include "TesteInicio.moc"
