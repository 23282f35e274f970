// Renders the README's pictures offscreen from the example register, on a
// screen of 1366 x 768: the automatic roster tab after a forecast, the daily
// quantity table, "Escala Vermelha", the duty screen, the two personnel
// screens and the two query boards, each into a PNG of the given folder.
//   tarvolim-figuras docs/figuras

#include "calendar/TFSemExped.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "maintenance/TFIncExcAltSv.h"
#include "maintenance/TFIncExcCol.h"
#include "maintenance/TFIncExcInd.h"
#include "reports/TFQuadroEscalas.h"
#include "reports/TFQuadroSv.h"
#include "shell/Cores.h"
#include "shell/Exemplo.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/RoteiroModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>

namespace {

// The example register, as "tarvolim --exemplo" creates it, on a fixed Monday:
// the pictures come out the same on every run.
const Data hoje = D(30, 3, 2026);

void CriaRegistro(AmbienteTeste& a) {
    a.sis.reset();
    if (!QDir(a.Pasta()).removeRecursively())
        qFatal("não foi possível esvaziar %s", qPrintable(a.Pasta()));
    Exemplo::CriaExemplo(a.Pasta(), hoje);
    a.Reabre();
}

void Grava(QWidget* w, const QString& pasta, const QString& nome, QTextStream& saida) {
    const QString caminho = QDir(pasta).filePath(nome);
    if (!w->grab().save(caminho))
        qFatal("não foi possível gravar %s", qPrintable(caminho));
    saida << caminho << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    // A screen of 1366 x 768 for the offscreen platform.
    QTemporaryFile tela;
    tela.open();
    tela.write(R"({"screens": [{"name": "Tela", "x": 0, "y": 0, "width": 1366, "height": 768,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    tela.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + tela.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    const QString pasta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(pasta);
    QTextStream saida(stdout);

    AmbienteTeste a(hoje);
    a.dialogos.AceitaAvisos = true;
    CriaRegistro(a);
    CarregaCores(*a.sis);
    Inicio inicio(a.Pasta(), a.dir.filePath(QStringLiteral("Aliases.ini")));
    inicio.Prepara(a.relogio.Hoje());
    TFPrincipal p(*a.sis, inicio);
    p.AbaEscalar()->Janelas().PausaMs = 0;
    p.setGeometry(QApplication::primaryScreen()->availableGeometry());
    p.show();
    p.Atualiza();
    p.Paginas()->setCurrentWidget(p.findChild<QWidget*>(QStringLiteral("TabSheet3")));

    // "Escalar até:", "Verificar": the daily quantity table, then "Estou pronto
    // para escalar os serviços".
    auto* edit1 = p.AbaEscalar()->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QTest::mouseClick(edit1, Qt::LeftButton);
    QTest::keyClicks(edit1, (hoje + 6).Texto());
    RoteiroModal roteiro;
    roteiro
        .Quando(QStringLiteral("FQuantMilSvDia"),
                [&](QWidget* w) {
                    Grava(w, pasta, QStringLiteral("quantidades.png"), saida);
                    Clica(w, QStringLiteral("Continuar"));
                })
        .Quando(QStringLiteral("FRetiraAlguem"),
                [](QWidget* w) { Clica(w, QStringLiteral("RadioButton2")); });
    QTest::mouseClick(p.AbaEscalar()->findChild<QAbstractButton*>(QStringLiteral("Button6")),
                      Qt::LeftButton);
    if (!roteiro.Cumprido())
        qFatal("a verificação não seguiu o roteiro: %s; mensagens: %s",
               qPrintable(roteiro.Inesperadas.join(", ")),
               qPrintable(a.dialogos.Textos.join(" | ") + " / " + a.sis->ListBox5.join(" | ")));
    Grava(&p, pasta, QStringLiteral("escalar-automatico.png"), saida);

    // "Escala Vermelha", a local holiday typed in the grid.
    TFSemExped& semExped = *p.FSemExped;
    semExped.show();
    semExped.findChild<QAbstractButton*>(QStringLiteral("RadioButton1"))->click();
    auto* grade = semExped.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    grade->setItem(0, 0, new QTableWidgetItem(QStringLiteral("13/06/26")));
    QApplication::processEvents();
    Grava(&semExped, pasta, QStringLiteral("escala-vermelha.png"), saida);
    semExped.hide();

    // The duty screen altering duty 2: its record shown in the fields.
    TFIncExcAltSv& servicos = *p.FIncExcAltSv;
    servicos.show();
    servicos.findChild<QAbstractButton*>(QStringLiteral("RadioButton3"))->click();
    servicos.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("2"));
    QApplication::processEvents();
    Grava(&servicos, pasta, QStringLiteral("servicos.png"), saida);
    servicos.hide();

    // The personnel screen with a new number: its name and rank to fill.
    TFIncExcInd& pessoal = *p.FIncExcInd;
    pessoal.show();
    pessoal.activateWindow();
    if (!QTest::qWaitForWindowActive(&pessoal))
        qWarning("a tela de pessoal não ficou ativa");
    auto* numero = pessoal.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    numero->setFocus();
    QTest::keyClicks(numero, QStringLiteral("161"));
    QTest::keyClick(numero, Qt::Key_Tab);
    QTest::keyClicks(pessoal.focusWidget(), QStringLiteral("MOREIRA"));
    auto* posto = pessoal.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    posto->setCurrentIndex(qMax(0, posto->findText(QStringLiteral("Sd"))));
    QApplication::processEvents();
    Grava(&pessoal, pasta, QStringLiteral("pessoal.png"), saida);
    pessoal.hide();

    // The collective personnel screen choosing persons to alter.
    TFIncExcCol& coletivo = *p.FIncExcCol;
    coletivo.show();
    coletivo.findChild<QAbstractButton*>(QStringLiteral("RGPessoalItem2"))->click();
    auto* lista = coletivo.findChild<QListWidget*>(QStringLiteral("ListBox6"));
    for (int r = 2; r <= 4 && r < lista->count(); ++r)
        lista->item(r)->setSelected(true);
    QApplication::processEvents();
    Grava(&coletivo, pasta, QStringLiteral("pessoal-coletivo.png"), saida);
    coletivo.hide();

    // The duty count board over the month of history, a cell of the fourth
    // duty clicked; the membership board of every person.
    TFQuadroSv& quadro = *p.FQuadroSv;
    quadro.show();
    quadro.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText((hoje - 30).Texto());
    quadro.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(hoje.Texto());
    quadro.findChild<QAbstractButton*>(QStringLiteral("BExecutar"))->click();
    ClicaCelula(quadro.findChild<QTableWidget*>(QStringLiteral("SGQuadroSv")), 2, 4);
    QApplication::processEvents();
    Grava(&quadro, pasta, QStringLiteral("quadro-servicos.png"), saida);
    quadro.hide();
    TFQuadroEscalas& membros = *p.FQuadroEscalas;
    membros.show();
    QApplication::processEvents();
    Grava(&membros, pasta, QStringLiteral("quadro-escalas.png"), saida);
    membros.hide();
    return 0;
}
