#include "calendar/TFSemExped.h"
#include "data/TFBackup.h"
#include "data/TFCopiaSeg.h"
#include "data/TFInicReinicSist.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAbaEscalarManual.h"
#include "engine/TFAbaTrocas.h"
#include "engine/TFEscVm.h"
#include "engine/TFEscVmEsp.h"
#include "engine/TFForaEscSgte.h"
#include "engine/TFObrigaEscSgte.h"
#include "engine/TFRetiraAlguem.h"
#include "maintenance/TFCarOrdAntig.h"
#include "maintenance/TFCorrigePstGrd.h"
#include "maintenance/TFEditaTabelas.h"
#include "maintenance/TFEditaTabelasPrimEscala.h"
#include "maintenance/TFIncExcAltSv.h"
#include "maintenance/TFIncExcCol.h"
#include "maintenance/TFIncExcInd.h"
#include "maintenance/TFListaNumNomes.h"
#include "maintenance/TFModelosPstGrd.h"
#include "maintenance/TFSaiEscTemp.h"
#include "maintenance/TFVoltaParaEsc.h"
#include "reports/TFImpressao.h"
#include "reports/TFPesqSv.h"
#include "reports/TFQuadroEscalas.h"
#include "reports/TFQuadroSv.h"
#include "reports/TFQuantMilSvDia.h"
#include "shell/Manual.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFAbaManutencao.h"
#include "shell/TFAbaPrimeiraUtilizacao.h"
#include "shell/TFAlteraCores.h"
#include "shell/TFAlterarFoto.h"
#include "shell/TFEscolherFoto.h"
#include "shell/TFManual.h"
#include "shell/TFPreencheCapa.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

namespace {

// A point of w's own surface, where no control lies.
std::optional<QPoint> PontoDoFundo(QWidget* w) {
    for (int y = 2; y < w->height(); y += 3)
        for (int x = 2; x < w->width(); x += 3)
            if (!w->childAt(x, y))
                return QPoint(x, y);
    return std::nullopt;
}

QListWidget* Lista(TFPrincipal& p) {
    return Controle<QListWidget>(p.FManual.get(), QStringLiteral("LBManual"));
}

// The manual shows section codigo: its first line selected, at the top (or as
// near it as the end of the list lets it).
void ConfereSecao(TFPrincipal& p, const QString& codigo) {
    QVERIFY(p.FManual->isVisible());
    QCOMPARE(p.FManual->SecaoAtual(), codigo);
    QListWidget* lista = Lista(p);
    QVERIFY(lista->isVisible());
    QVERIFY2(lista->currentItem(), qPrintable(codigo));
    QVERIFY(lista->currentItem()->text().startsWith(codigo));
    const QScrollBar* barra = lista->verticalScrollBar();
    if (barra->value() < barra->maximum())
        QCOMPARE(lista->indexAt(QPoint(2, 2)).row(), lista->currentRow());
    else
        QVERIFY(lista->viewport()->rect().intersects(lista->visualItemRect(lista->currentItem())));
}

using Tela = std::function<QWidget*(TFPrincipal&)>;

} // namespace

Q_DECLARE_METATYPE(Tela)

// The manual's sections, the background click of every screen and the
// start-up notice.
class TesteManual : public QObject {
    Q_OBJECT
private slots:
    void inicio_da_secao_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<int>("linha");
        QTest::newRow("primeira linha do código") << "009" << 2;
        QTest::newRow("código no meio de uma linha não conta") << "017" << 4;
        QTest::newRow("código ausente") << "030" << -1;
        QTest::newRow("só os três primeiros caracteres") << "00" << -1;
    }
    void inicio_da_secao() {
        QFETCH(QString, codigo);
        QFETCH(int, linha);
        const QStringList manual{"000 MANUAL",          "ver a seção 017 abaixo",
                                 "009 PESQUISA",        "0090 não é outra seção",
                                 "017 ESCALA VERMELHA", "009 de novo"};
        QCOMPARE(Manual::InicioDaSecao(manual, codigo), linha);
    }

    // A click on the background of each screen opens the manual at its section.
    void clique_no_fundo_data() {
        QTest::addColumn<Tela>("tela");
        QTest::addColumn<QString>("codigo");
        // A tab: its own widget, with the tab made current.
        const auto aba = [](const char* nome, QWidget* (*widget)(TFPrincipal&)) {
            return Tela([nome, widget](TFPrincipal& p) {
                p.Paginas()->setCurrentWidget(
                    p.Paginas()->findChild<QWidget*>(QLatin1String(nome)));
                return widget(p);
            });
        };
        QTest::newRow("Capa") << Tela([](TFPrincipal& p) {
            p.Paginas()->setCurrentIndex(0);
            return p.Paginas()->widget(0);
        }) << "001";
        QTest::newRow("Consultas")
            << aba("TabSheet1", [](TFPrincipal& p) -> QWidget* { return p.AbaConsultas(); })
            << "002";
        QTest::newRow("Escalar Automático")
            << aba("TabSheet3", [](TFPrincipal& p) -> QWidget* { return p.AbaEscalar(); }) << "003";
        QTest::newRow("Escalar Manual")
            << aba("TabSheet6", [](TFPrincipal& p) -> QWidget* { return p.AbaEscalarManual(); })
            << "004";
        QTest::newRow("Trocas Sv")
            << aba("TabSheet4", [](TFPrincipal& p) -> QWidget* { return p.AbaTrocas(); }) << "005";
        QTest::newRow("Manutenção")
            << aba("TabSheet2", [](TFPrincipal& p) -> QWidget* { return p.AbaManutencao(); })
            << "006";
        QTest::newRow("Primeira Utilização") << aba("TabSheet5", [](TFPrincipal& p) -> QWidget* {
            return p.AbaPrimeiraUtilizacao();
        }) << "033";
        QTest::newRow("pessoal") << Tela([](TFPrincipal& p) { return p.FIncExcInd.get(); })
                                 << "007";
        QTest::newRow("pessoal coletivo")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FIncExcCol.get(); }) << "008";
        QTest::newRow("pesquisa") << Tela([](TFPrincipal& p) { return p.FPesqSv.get(); }) << "009";
        QTest::newRow("retirar") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.AbaEscalar()->Janelas().FRetiraAlguem->Retirada();
        }) << "010";
        QTest::newRow("decisão") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.AbaEscalar()->Janelas().FRetiraAlguem.get();
        }) << "011";
        QTest::newRow("Escala Vermelha")
            << Tela([](TFPrincipal& p) { return p.FSemExped.get(); }) << "017";
        QTest::newRow("serviços") << Tela([](TFPrincipal& p) { return p.FIncExcAltSv.get(); })
                                  << "018";
        QTest::newRow("impressão")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.AbaEscalar()->Impressao(); })
            << "025";
        QTest::newRow("quantidades") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.AbaEscalar()->Janelas().FQuantMilSvDia.get();
        }) << "027";
        QTest::newRow("forçar") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.AbaEscalar()->Janelas().FRetiraAlguem->Forcada();
        }) << "036";
        QTest::newRow("escolha Vm") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.AbaEscalar()->Janelas().FEscVm.get();
        }) << "038";
        QTest::newRow("quadro de escalas")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FQuadroEscalas.get(); }) << "012";
        QTest::newRow("afastamento")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FSaiEscTemp.get(); }) << "014";
        QTest::newRow("quadro de serviços")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FQuadroSv.get(); }) << "015";
        QTest::newRow("consulta pessoal")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FListaNumNomes.get(); }) << "016";
        QTest::newRow("modelos de postos")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FModelosPstGrd.get(); }) << "020";
        QTest::newRow("correção de posto")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FCorrigePstGrd.get(); }) << "021";
        QTest::newRow("antiguidade")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FCarOrdAntig.get(); }) << "028";
        QTest::newRow("reinício") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.FInicReinicSist.get();
        }) << "029";
        QTest::newRow("cópia de segurança")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FBackup.get(); }) << "022";
        QTest::newRow("local da cópia")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FBackup->CopiaSeg(); }) << "024";
        QTest::newRow("folgas iniciais")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FEditaTabelasPrimEscala.get(); })
            << "034";
        QTest::newRow("edição das tabelas")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FEditaTabelas.get(); }) << "013";
        QTest::newRow("retorno") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.FVoltaParaEsc.get();
        }) << "037";
        QTest::newRow("capa") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.FPreencheCapa.get();
        }) << "019";
        QTest::newRow("escolher foto")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FPreencheCapa->EscolherFoto(); })
            << "031";
        QTest::newRow("incluir foto")
            << Tela([](TFPrincipal& p) -> QWidget* { return p.FPreencheCapa->AlterarFoto(); })
            << "032";
        QTest::newRow("cores") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.FAlteraCores.get();
        }) << "026";
        QTest::newRow("escolha Vm especial") << Tela([](TFPrincipal& p) -> QWidget* {
            return p.AbaEscalar()->Janelas().FEscVmEsp.get();
        }) << "038";
    }
    void clique_no_fundo() {
        QFETCH(Tela, tela);
        QFETCH(QString, codigo);
        // Notices a screen gives on an empty register are not the point here.
        JanelaPrincipal j({}, true);
        j.Mostra(QStringLiteral("TabSheet7"));
        QWidget* w = tela(*j.p);
        if (w->isWindow())
            w->show(); // not modal: the test goes on while it is open
        QVERIFY(QTest::qWaitForWindowExposed(w->window()));
        QVERIFY(!j.p->FManual->isVisible());
        const auto ponto = PontoDoFundo(w);
        QVERIFY(ponto);
        QTest::mouseClick(w, Qt::LeftButton, {}, *ponto);
        ConfereSecao(*j.p, codigo);
        w->window()->hide();
    }

    // Clicks on controls are theirs: a menu line runs its item, a button its
    // action, and the manual stays closed.
    void clique_num_controle() {
        JanelaPrincipal j;
        j.Mostra(QStringLiteral("TabSheet2"));
        int executados = 0;
        j.p->AbaManutencao()->DefineAcao(3, [&] { ++executados; });
        QTest::mouseClick(Controle(j.p.get(), QStringLiteral("Label29")), Qt::LeftButton);
        QCOMPARE(executados, 1);
        j.a.dialogos.EsperaAviso(QStringLiteral("Digitar o número do item desejado"));
        QTest::mouseClick(Controle(j.p.get(), QStringLiteral("Button1")), Qt::LeftButton);
        QVERIFY(!j.p->FManual->isVisible());
    }

    // "Ajuda" of the table screen opens its own section and shows
    // "Pesquisar" again.
    void ajuda_das_tabelas() {
        JanelaPrincipal j;
        j.Mostra(QStringLiteral("TabSheet2"));
        QWidget* t = j.p->FEditaTabelas.get();
        t->show(); // not modal: the test goes on while it is open
        QVERIFY(QTest::qWaitForWindowExposed(t));
        QTest::mouseClick(Controle(t, QStringLiteral("Label1")), Qt::LeftButton);
        Clica(t, QStringLiteral("Button8"));
        QVERIFY(!Controle(t, QStringLiteral("Button8"))->isVisible());
        Clica(t, QStringLiteral("Button9"));
        ConfereSecao(*j.p, QStringLiteral("023"));
        QVERIFY(Controle(t, QStringLiteral("Button8"))->isVisible());
        t->hide();
    }

    // Captions and pictures are background too, except a caption that acts as
    // a button: "Trocas Sv"'s first step opens the step, not the manual.
    void legendas_e_figuras() {
        JanelaPrincipal j;
        j.Mostra(QStringLiteral("TabSheet7"));
        QTest::mouseClick(Controle(j.p.get(), QStringLiteral("Image1")), Qt::LeftButton);
        ConfereSecao(*j.p, QStringLiteral("001"));
        j.p->Paginas()->setCurrentWidget(j.p->findChild<QWidget*>(QStringLiteral("TabSheet5")));
        QTest::mouseClick(Controle(j.p.get(), QStringLiteral("Label31")), Qt::LeftButton);
        ConfereSecao(*j.p, QStringLiteral("033"));

        j.p->FManual->hide();
        j.p->Paginas()->setCurrentWidget(j.p->findChild<QWidget*>(QStringLiteral("TabSheet4")));
        QTest::mouseClick(Controle(j.p.get(), QStringLiteral("Label32")), Qt::LeftButton);
        QVERIFY(!j.p->FManual->isVisible());
        QVERIFY(Controle(j.p.get(), QStringLiteral("ComboBox1"))->isVisible());
    }

    // One window: opened from a second screen it moves to the second section;
    // a code without a section shows the first line, nothing selected; item 17
    // opens "035".
    void mesma_janela_e_codigo_ausente() {
        JanelaPrincipal j;
        j.Mostra(QStringLiteral("TabSheet2"));
        TFManual* manual = j.p->FManual.get();
        manual->Abre(QStringLiteral("009"));
        ConfereSecao(*j.p, QStringLiteral("009"));
        manual->Abre(QStringLiteral("017"));
        ConfereSecao(*j.p, QStringLiteral("017"));
        const QWidgetList janelas = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(janelas.begin(), janelas.end(),
                               [](QWidget* w) { return w->objectName() == "FManual"; }),
                 1);

        manual->Abre(QStringLiteral("030"));
        QListWidget* lista = Lista(*j.p);
        QVERIFY(lista->isVisible());
        QCOMPARE(lista->currentRow(), -1);
        QCOMPARE(lista->indexAt(QPoint(2, 2)).row(), 0);
        QCOMPARE(lista->count(), j.a.sis->pasta.LeLinhas(QStringLiteral("Manual.Txt")).size());

        j.p->AbaManutencao()->ExecutaItem(17);
        ConfereSecao(*j.p, QStringLiteral("035"));
    }

    // The file is read at each opening: an edit shows next time; without the
    // file the operator is told and the list stays hidden.
    void arquivo_relido_e_ausente() {
        JanelaPrincipal j;
        j.Mostra(QStringLiteral("TabSheet2"));
        const QString arquivo = QDir(j.a.Pasta()).filePath(QStringLiteral("Manual.Txt"));
        GravaBytes(arquivo, "000 X\r\n040 NOVA\r\n");
        j.p->FManual->Abre(QStringLiteral("040"));
        ConfereSecao(*j.p, QStringLiteral("040"));
        QVERIFY(QFile::remove(arquivo));
        j.a.dialogos.EsperaAviso(QStringLiteral("Manual.Txt"));
        j.p->FManual->Abre(QStringLiteral("040"));
        QVERIFY(!Lista(*j.p)->isVisible());
    }

    // The notices left in Entradas.Txt, counted down at each start.
    void aviso_de_entrada_data() {
        QTest::addColumn<QByteArray>("entradas");
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QByteArray>("depois");
        QTest::newRow("3") << QByteArray("3\r\n") << "AVISO 1 de 3:" << QByteArray("2\r\n");
        QTest::newRow("2") << QByteArray("2\r\n") << "AVISO 2 de 3:" << QByteArray("1\r\n");
        QTest::newRow("1") << QByteArray("1\r\n") << "AVISO 3 de 3:" << QByteArray("0\r\n");
        QTest::newRow("0") << QByteArray("0\n") << "" << QByteArray("0\n");
        QTest::newRow("4") << QByteArray("4\r\n") << "" << QByteArray("4\r\n");
    }
    void aviso_de_entrada() {
        QFETCH(QByteArray, entradas);
        QFETCH(QString, aviso);
        QFETCH(QByteArray, depois);
        AmbienteTeste a;
        GravaBytes(QDir(a.Pasta()).filePath(QStringLiteral("Entradas.Txt")), entradas);
        if (!aviso.isEmpty())
            a.dialogos.EsperaAviso(aviso);
        Manual::AvisoDeEntrada(*a.sis);
        if (!aviso.isEmpty())
            QCOMPARE(a.dialogos.Textos.last(),
                     aviso + "\r\rTalvez você precise RECADASTRAR AS FOLGAS dos militares\r"
                             "Use o item  4.  da Guia /Primeira Utilização/");
        QCOMPARE(a.Bytes(QStringLiteral("Entradas.Txt")), depois);
    }

    // The main window's start shows the notice.
    void aviso_na_partida() {
        JanelaPrincipal j([](AmbienteTeste& a) {
            GravaBytes(QDir(a.Pasta()).filePath(QStringLiteral("Entradas.Txt")), "2\r\n");
            a.dialogos.EsperaAviso(QStringLiteral("AVISO 2 de 3:"));
        });
        QCOMPARE(j.a.Bytes(QStringLiteral("Entradas.Txt")), QByteArray("1\r\n"));
    }
};

REGISTRA_TESTE(TesteManual)
#include "TesteManual.moc"
