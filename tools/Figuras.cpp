// Renders the README's pictures offscreen, on a screen of 1366 x 768: the
// automatic roster tab after a forecast, the daily quantity table, "Escala
// Vermelha" and the personnel screen, each into a PNG of the given folder.
//   tarvolim-figuras docs/figuras

#include "calendar/TFSemExped.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "maintenance/TFIncExcInd.h"
#include "shell/Cores.h"
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
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>

namespace {

// A unit of a few duties and twenty-eight persons; the last roster date is Sunday
// 10/03/24 and the period runs to the end of March, weekends and Friday 29/03
// red.
void Registro(AmbienteTeste& a) {
    PeriodoDeMarco(a, {D(29, 3, 2024)});
    a.Servico(1, QStringLiteral("Of Dia"), 1, 2);
    a.Servico(2, QStringLiteral("Sgt Dia"), 1, 2);
    a.Servico(3, QStringLiteral("Cb Dia"), 1, 1);
    a.Servico(4, QStringLiteral("Guarda"), 3, 1);
    a.Servico(5, QStringLiteral("Plantão"), 1, 1, QStringLiteral("Vm"));
    const QStringList nomes = {"ALVES",    "BARROS",   "CAMPOS",   "DANTAS",   "ESTEVES", "FARIAS",
                               "GOMES",    "HOLANDA",  "IBIAPINA", "JATOBA",   "LACERDA", "MACEDO",
                               "NOGUEIRA", "OLIVEIRA", "PEIXOTO",  "QUEIROZ",  "RAMOS",   "SALES",
                               "TAVARES",  "VIANA",    "XAVIER",   "ZANETTI",  "AMARAL",  "BEZERRA",
                               "CORREIA",  "DUARTE",   "FONSECA",  "GUIMARAES"};
    // Of Dia: 6 lieutenants; Sgt Dia and Cb Dia: 5 each; Guarda: 12 privates,
    // the last 6 of whom also take the Plantão of the red days.
    for (int i = 1; i <= nomes.size(); ++i) {
        const QString num = QString::number(100 + i);
        const int sv = i <= 6 ? 1 : i <= 11 ? 2 : i <= 16 ? 3 : 4;
        const QString posto = QStringList{"Ten", "Sgt", "Cb", "Sd"}[sv - 1];
        a.Militar(num, nomes[i - 1], i, posto);
        a.Membro(sv, num, i % 3, i % 2);
        if (i >= 23)
            a.Membro(5, num, i % 3, 0);
    }
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

    AmbienteTeste a;
    a.dialogos.AceitaAvisos = true;
    Registro(a);
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
    QTest::keyClicks(edit1, QStringLiteral("17/03/24"));
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

    // "Escala Vermelha", including holidays typed in the grid.
    TFSemExped& semExped = *p.FSemExped;
    semExped.show();
    semExped.findChild<QAbstractButton*>(QStringLiteral("RadioButton1"))->click();
    auto* grade = semExped.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    grade->setItem(0, 0, new QTableWidgetItem(QStringLiteral("21/04/24")));
    grade->setItem(1, 0, new QTableWidgetItem(QStringLiteral("01/05/24")));
    QApplication::processEvents();
    Grava(&semExped, pasta, QStringLiteral("escala-vermelha.png"), saida);
    semExped.hide();

    // The personnel screen with a new number: its name and rank to fill.
    TFIncExcInd& pessoal = *p.FIncExcInd;
    pessoal.show();
    pessoal.activateWindow();
    if (!QTest::qWaitForWindowActive(&pessoal))
        qWarning("a tela de pessoal não ficou ativa");
    auto* numero = pessoal.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    numero->setFocus();
    QTest::keyClicks(numero, QStringLiteral("129"));
    QTest::keyClick(numero, Qt::Key_Tab);
    QTest::keyClicks(pessoal.focusWidget(), QStringLiteral("MOREIRA"));
    auto* posto = pessoal.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    posto->setCurrentIndex(qMax(0, posto->findText(QStringLiteral("Sd"))));
    QApplication::processEvents();
    Grava(&pessoal, pasta, QStringLiteral("pessoal.png"), saida);
    pessoal.hide();
    return 0;
}
