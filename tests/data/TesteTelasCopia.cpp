#include "data/TFBackup.h"
#include "data/TFCopiaSeg.h"
#include "engine/TFAbaEscalarManual.h"
#include "shell/TFAbaManutencao.h"
#include "shell/TFManual.h"
#include "support/ApoioCopia.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString Encerrada =
    QStringLiteral("                                     Aviso:\n\nA aplicação será encerrada. "
                   "Reinicie em seguida.");

// FBackup shown offscreen over ApoioCopia's register and roots.
struct Tela {
    Tela() : t(c.amb) {
        RegistroCopia(c.a);
        t.show();
        QApplication::processEvents();
    }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    QString Texto(const char* nome) { return Controle<QLabel>(&t, nome)->text(); }
    QString Botao(const char* nome) { return Controle<QPushButton>(&t, nome)->text(); }
    QString X() const { return QDir::toNativeSeparators(CopiaSeguranca::RaizAtual(c.amb)); }
    ApoioCopia c;
    TFBackup t;
};

} // namespace

// The backup and location screens driven by their controls, and item 14 of
// the main window.
class TesteTelasCopia : public QObject {
    Q_OBJECT
private slots:
    // The captions name the root of the backup; the location screen shows it
    // and, after "Alterar", the roots present.
    void legendas() {
        Tela f;
        QCOMPARE(f.t.windowTitle(), QStringLiteral("Cópia de Segurança"));
        QCOMPARE(f.Texto("Label1"), QStringLiteral("Cópia de Segurança"));
        QCOMPARE(f.X(), QDir::toNativeSeparators(f.c.RaizDosDados()));
        QCOMPARE(f.Texto("Label2"), "   Atualmente realizada em: " + f.X());
        QCOMPARE(f.Botao("BSalvar"), "Salvar em   " + f.X());
        QCOMPARE(f.Botao("BRecuperar"), "Recuperar de   " + f.X());
        QCOMPARE(f.Botao("Button1"), QStringLiteral("Alterar local da cópia"));
        QCOMPARE(f.Botao("BSair"), QStringLiteral("Sair"));

        TFCopiaSeg* s = f.t.CopiaSeg();
        RoteiroModal roteiro;
        roteiro.Quando("FCopiaSeg", [&](QWidget* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("FCopiaSeg"));
            QCOMPARE(Controle<QLabel>(w, "Label3")->text(),
                     QStringLiteral("Para alterar o local da cópia, clicar no botão"));
            QCOMPARE(Controle<QLabel>(w, "Label4")->text(),
                     QStringLiteral("[ Alterar ] e depois selecionar a letra do novo local"));
            QCOMPARE(Controle<QLabel>(w, "Label1")->text(), QStringLiteral("Local Atual"));
            auto* eDrive = Controle<QLineEdit>(w, "EDrive");
            QCOMPARE(eDrive->text(), f.X());
            QVERIFY(eDrive->isReadOnly());
            QVERIFY(!Controle(w, "Panel2")->isVisible());
            QVERIFY(!Controle(w, "CBDrive")->isVisible());
            Clica(w, "BAlterar");
            QVERIFY(Controle(w, "Panel2")->isVisible());
            QCOMPARE(Controle<QLabel>(w, "Label2")->text(), QStringLiteral("Mudar para:"));
            auto* cb = Controle<QComboBox>(w, "CBDrive");
            QVERIFY(cb->isVisible());
            QCOMPARE(cb->count(), 2);
            QCOMPARE(cb->itemText(0), f.X());
            QCOMPARE(cb->itemText(1), QDir::toNativeSeparators(f.c.outra.path()));
            QCOMPARE(cb->currentIndex(), 0);
            QCOMPARE(Controle<QPushButton>(w, "Button1")->text(), QStringLiteral("Sair"));
            Clica(w, "Button1");
        });
        Clica(&f.t, "Button1");
        QVERIFY(roteiro.Cumprido());
        QVERIFY(!s->isVisible());
        QVERIFY(f.t.isVisible());
        QVERIFY(!f.t.EncerraPrograma());
        QVERIFY(f.c.a.dialogos.Textos.isEmpty());
    }

    // "Salvar em" writes the backup; "Recuperar de" without one says so and
    // the screen stays; with one, the screen closes before the notice and the
    // program is to end.
    void salvar_e_recuperar() {
        Tela f;
        f.c.a.dialogos.EsperaAviso("   Recuperação não realizada porque no local não há");
        Clica(&f.t, "BRecuperar");
        QVERIFY(f.t.isVisible());
        QVERIFY(!f.t.EncerraPrograma());

        f.c.a.dialogos.EsperaAviso("Cópia realizada com sucesso no drive " + f.X());
        Clica(&f.t, "BSalvar");
        QVERIFY(f.c.a.dialogos.ScriptCumprido());
        QCOMPARE(f.c.Estado(Banco::Backup), f.c.Estado(Banco::Principal));
        const QStringList copia = f.c.Estado(Banco::Principal);
        AlteraDepoisDaCopia(f.c.a);

        int recuperados = 0;
        connect(&f.t, &TFBackup::CadastroRecuperado, this, [&] { ++recuperados; });
        f.c.a.dialogos.EsperaAviso(Encerrada);
        f.c.a.dialogos.AntesDoAviso = [&] {
            QVERIFY(!f.t.isVisible());
            QCOMPARE(recuperados, 1);
        };
        Clica(&f.t, "BRecuperar");
        QVERIFY(f.c.a.dialogos.ScriptCumprido());
        QVERIFY(f.t.EncerraPrograma());
        QVERIFY(f.t.Recuperou());
        QCOMPARE(f.c.Estado(Banco::Principal), copia);
    }

    // Closing the location screen on another root moves the backup there and
    // ends the program; on the same root nothing changes.
    void alterar_local_data() {
        QTest::addColumn<bool>("outra");
        QTest::newRow("outra raiz") << true;
        QTest::newRow("a mesma raiz") << false;
    }
    void alterar_local() {
        QFETCH(bool, outra);
        Tela f;
        const QByteArray niveis = f.c.a.Bytes("Niveis.Txt");
        const QString nova = QDir(f.c.outra.path()).filePath("SisTarvolim/Tarvolim2/Espelho");
        RoteiroModal roteiro;
        roteiro.Quando("FCopiaSeg", [&](QWidget* w) {
            Clica(w, "BAlterar");
            Controle<QComboBox>(w, "CBDrive")->setCurrentIndex(outra ? 1 : 0);
            Clica(w, "Button1");
        });
        if (outra)
            f.c.a.dialogos.EsperaAviso("reconheça \no novo local da cópia de segurança")
                .EsperaAviso("Volte à opção 14.");
        Clica(&f.t, "Button1");
        QVERIFY(roteiro.Cumprido());
        QVERIFY(f.c.a.dialogos.ScriptCumprido());
        QCOMPARE(f.t.EncerraPrograma(), outra);
        QCOMPARE(f.t.isVisible(), !outra);
        if (!outra) {
            QCOMPARE(f.c.a.Bytes("Niveis.Txt"), niveis);
            QCOMPARE(f.c.aliases.Pasta(QLatin1String(Aliases::Backup)), f.c.B());
            QCOMPARE(f.Botao("BSalvar"), "Salvar em   " + f.X());
            return;
        }
        QCOMPARE(f.c.a.sis->pasta.LeLinhas("Niveis.Txt").value(5), nova);
        QCOMPARE(f.c.aliases.Pasta(QLatin1String(Aliases::Backup)), nova);
        QVERIFY(QFileInfo(nova).isDir());
    }

    // Item 14: a backup of duties 1 and 3 restored after duty 5 was added; the
    // main window shows the restored register before the notice, then closes.
    void item14_recupera() {
        JanelaPrincipal j([](AmbienteTeste& a) { RegistroCopia(a); });
        j.Mostra(QStringLiteral("TabSheet2"));
        RoteiroModal salvar;
        salvar.Quando("FBackup", [](QWidget* w) {
            Clica(w, "BSalvar");
            Clica(w, "BSair");
        });
        j.a.dialogos.EsperaAviso("Cópia realizada com sucesso no drive ");
        j.p->AbaManutencao()->ExecutaItem(14);
        QVERIFY(salvar.Cumprido());
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QVERIFY(j.p->isVisible());

        AlteraDepoisDaCopia(j.a);
        j.p->Atualiza();
        QCOMPARE(j.a.sis->VetSv[5].Descr, QStringLiteral("Ronda"));
        QCOMPARE(Controle<QLabel>(j.p.get(), "LUltimaEscala")->text(), QStringLiteral("06/03/24"));

        RoteiroModal recuperar;
        recuperar.Quando("FBackup", [&j](QWidget* w) {
            j.p->FManual->Abre(QStringLiteral("022"));
            Clica(w, "BRecuperar");
        });
        j.a.dialogos.EsperaAviso(Encerrada);
        j.a.dialogos.AntesDoAviso = [&j] {
            QVERIFY(j.p->isVisible());
            QVERIFY(!j.p->FBackup->isVisible());
            QVERIFY(j.a.sis->VetSv[5].Descr.isEmpty());
            QCOMPARE(j.a.sis->VetSv[3].Descr, QStringLiteral("Gda"));
            QCOMPARE(Controle<QLabel>(j.p.get(), "LUltimaEscala")->text(),
                     QStringLiteral("05/03/24"));
        };
        j.p->AbaManutencao()->ExecutaItem(14);
        QVERIFY(recuperar.Cumprido());
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QVERIFY(!j.p->isVisible());
        QVERIFY(!j.p->FManual->isVisible());
        QCOMPARE(j.a.Coluna("Sv", "CodSv"), QStringList({"1", "3"}));
        QCOMPARE(j.a.Coluna("Basico", "Num"), QStringList({"1", "2", "3"}));
        QCOMPARE(j.a.Linhas("Sv5"), QList<QStringList>());
        QCOMPARE(j.a.Bytes("Escala.Txt"), QByteArray("05/03/24\r\n"));
    }
};

REGISTRA_TESTE(TesteTelasCopia)
#include "TesteTelasCopia.moc"
