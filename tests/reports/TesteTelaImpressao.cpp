#include "base/ImpressoraQt.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "reports/Impressao.h"
#include "reports/TFImpressao.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

namespace {

// The main window on "Escalar Automático" with a forecast listing to print.
struct Aba : JanelaPrincipal {
    Aba() : JanelaPrincipal([](AmbienteTeste& a) { RegistroPequeno(a); }, true) {
        Mostra(QStringLiteral("TabSheet3"));
        a.sis->ListBox2 = {"     ", "linha 1", "linha 2"};
        a.sis->Aba.Edit1 = "13/03/24";
        p->AbaEscalar()->Sincroniza();
        a.dialogos.Textos.clear();
    }
    QRadioButton* Radio(const char* nome) {
        return p->AbaEscalar()->findChild<QRadioButton*>(QLatin1String(nome));
    }
    QStringList Impressao() { return a.sis->pasta.LeLinhas("Impressao.Txt"); }
};

void Escreve(QWidget* janela, const char* campo, const QString& texto) {
    auto* e = janela->findChild<QLineEdit*>(QLatin1String(campo));
    e->selectAll();
    e->insert(texto);
}

} // namespace

// The print form and the print choices of the automatic tab.
class TesteTelaImpressao : public QObject {
    Q_OBJECT
private slots:
    // "Escala" opens the form with the lines of Impressao.Txt; "Imprimir"
    // prints, closes and writes the lines back; "Escala" is unchecked again.
    void escala_pelo_formulario() {
        Aba t;
        QStringList campos;
        RoteiroModal roteiro;
        roteiro.Quando("FImpressao", [&campos](QWidget* w) {
            for (const char* c : {"EPrimLin", "ESegLin", "EUltimaLin", "ELinMax"})
                campos << w->findChild<QLineEdit*>(QLatin1String(c))->text();
            Escreve(w, "EPrimLin", "1º Batalhão");
            Clica(w, "BImprimir");
        });
        ClicaIndicador(t.Radio("RadioButton3"));
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(campos, QStringList({"Nome da Organização Militar", "Escala de Serviço Diária",
                                      "Encarregado da Escala", "50"}));
        const QStringList textos = t.a.impressora.Textos();
        QCOMPARE(textos,
                 QStringList({"1º Batalhão", "Escala de Serviço Diária", "Escala de Serviço",
                              "Período: 11/03/24  a  13/03/24", "linha 1", "linha 2",
                              "_________________________________", "Encarregado da Escala"}));
        QCOMPARE(t.Impressao().first(), QStringLiteral("1º Batalhão"));
        QVERIFY(!t.Radio("RadioButton3")->isChecked());
        QVERIFY(t.a.dialogos.Textos.isEmpty());
    }

    // Closed without printing: the lines typed are kept, and offered again.
    void fechar_sem_imprimir_grava() {
        Aba t;
        RoteiroModal roteiro;
        roteiro.Quando("FImpressao", [](QWidget* w) {
            Escreve(w, "EUltimaLin", "Cap Fulano");
            QTest::keyClick(w, Qt::Key_Escape);
        });
        ClicaIndicador(t.Radio("RadioButton3"));
        QVERIFY(roteiro.Cumprido());
        QVERIFY(t.a.impressora.Chamadas.isEmpty());
        QCOMPARE(t.Impressao().value(2), QStringLiteral("Cap Fulano"));
        QString ultima;
        RoteiroModal segunda;
        segunda.Quando("FImpressao", [&ultima](QWidget* w) {
            ultima = w->findChild<QLineEdit*>("EUltimaLin")->text();
            w->close();
        });
        ClicaIndicador(t.Radio("RadioButton3"));
        QVERIFY(segunda.Cumprido());
        QCOMPARE(ultima, QStringLiteral("Cap Fulano"));
    }

    // A page length that is not a whole number prints nothing and leaves the
    // form open; the length typed stays for the next print.
    void linhas_invalidas() {
        Aba t;
        RoteiroModal roteiro;
        bool aberta = false;
        roteiro.Quando("FImpressao", [&aberta](QWidget* w) {
            Escreve(w, "ELinMax", "x");
            Clica(w, "BImprimir");
            aberta = w->isVisible();
            Escreve(w, "ELinMax", "2");
            Clica(w, "BImprimir");
        });
        ClicaIndicador(t.Radio("RadioButton3"));
        QVERIFY(roteiro.Cumprido());
        QVERIFY(aberta);
        QCOMPARE(t.a.dialogos.Textos.size(), 1);
        QVERIFY(t.a.dialogos.Textos[0].contains("\"x\""));
        QCOMPARE(t.a.impressora.Paginas(), 3); // a line a page, then the closing
        QString linhas;
        RoteiroModal segunda;
        segunda.Quando("FImpressao", [&linhas](QWidget* w) {
            linhas = w->findChild<QLineEdit*>("ELinMax")->text();
            w->close();
        });
        ClicaIndicador(t.Radio("RadioButton3"));
        QCOMPARE(linhas, QStringLiteral("2"));
    }

    void sem_impressao_txt() {
        Aba t;
        QFile::remove(t.a.sis->pasta.Caminho("Impressao.Txt"));
        RoteiroModal roteiro; // no form opens
        ClicaIndicador(t.Radio("RadioButton3"));
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(t.a.dialogos.Textos.size(), 1);
        QVERIFY(t.a.dialogos.Textos[0].contains("Impressao.Txt"));
        QVERIFY(!QFile::exists(t.a.sis->pasta.Caminho("Impressao.Txt")));
        QVERIFY(!t.Radio("RadioButton3")->isChecked());
    }

    // "Erros" and "Alertas" print their lists when they become checked; the
    // forecast unchecks "Escala" and "Erros".
    void erros_e_alertas() {
        Aba t;
        t.a.sis->ListBox5 = {"erro 1"};
        t.a.sis->ListBox6 = {"alerta 1", "alerta 2"};
        ClicaIndicador(t.Radio("RadioButton4"));
        QCOMPARE(t.a.impressora.Textos(), QStringList({"Erros", "erro 1"}));
        ClicaIndicador(t.Radio("RadioButton4"));
        QCOMPARE(t.a.impressora.Textos().size(), 2); // already checked: nothing
        ClicaIndicador(t.Radio("RadioButton7"));
        QCOMPARE(t.a.impressora.Textos().mid(2), QStringList({"Alertas", "alerta 1", "alerta 2"}));
        QVERIFY(t.Radio("RadioButton7")->isChecked());
        QVERIFY(!t.Radio("RadioButton4")->isChecked());

        ClicaIndicador(t.Radio("RadioButton4"));
        QVERIFY(t.Radio("RadioButton4")->isChecked());
        auto* edit1 = t.p->AbaEscalar()->findChild<QLineEdit*>("Edit1");
        QTest::mouseClick(edit1, Qt::LeftButton);
        edit1->selectAll();
        QTest::keyClicks(edit1, "13/03/24");
        RoteiroModal roteiro;
        roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
            .Quando("FRetiraAlguem", [](QWidget* w) { Clica(w, "RadioButton3"); });
        QTest::mouseClick(t.p->AbaEscalar()->findChild<QWidget*>("Button6"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        QVERIFY(!t.Radio("RadioButton4")->isChecked());
    }

    // A print that fails is told, and the choice can be made again.
    void impressora_falha() {
        Aba t;
        t.a.impressora.Falhar = true;
        ClicaIndicador(t.Radio("RadioButton7"));
        QCOMPARE(t.a.dialogos.Textos, QStringList{"Impressora indisponível"});
        QVERIFY(!t.Radio("RadioButton7")->isChecked());
    }

    // Without a printer the roster becomes a PDF in Impressoes/, which holds
    // the header.
    void pdf_de_verdade() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("há uma impressora padrão nesta máquina");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) ausente: rode make test");
        AmbienteTeste a;
        const QString pasta = a.dir.filePath("Impressoes");
        ImpressoraQt impressora(pasta, a.dialogos);
        a.dialogos.EsperaAviso("A impressão foi gravada em");
        ImprimeEscala(impressora, {"     ", "     Of Dia:  3-M3  "},
                      {"Primeira Linha", "Segunda Linha", "Fecho"},
                      "Período: 11/03/24  a  13/03/24", 50);
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(QFile::exists(impressora.UltimoPdf()));
        QCOMPARE(QFileInfo(impressora.UltimoPdf()).absolutePath(), QDir(pasta).absolutePath());
        QProcess processo;
        processo.start(pdftotext, {impressora.UltimoPdf(), "-"});
        QVERIFY(processo.waitForFinished(30000));
        const QString texto = QString::fromUtf8(processo.readAllStandardOutput());
        for (const char* trecho : {"Primeira Linha", "Segunda Linha", "Escala de Serviço",
                                   "Período: 11/03/24 a 13/03/24", "Of Dia: 3-M3", "Fecho"})
            QVERIFY2(texto.simplified().contains(QString::fromUtf8(trecho)), qPrintable(texto));
    }
};
REGISTRA_TESTE(TesteTelaImpressao)
#include "TesteTelaImpressao.moc"
