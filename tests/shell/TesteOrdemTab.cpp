#include "calendar/TFSemExped.h"
#include "data/TFBackup.h"
#include "data/TFCopiaSeg.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAviso.h"
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
#include "reports/TFEscolherSv.h"
#include "reports/TFQuadroEscalas.h"
#include "reports/TFQuadroSv.h"
#include "reports/TFQuantMilSvDia.h"
#include "shell/Inicio.h"
#include "shell/TFAlteraCores.h"
#include "shell/TFAlterarFoto.h"
#include "shell/TFEscolherFoto.h"
#include "shell/TFPreencheCapa.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <map>
#include <memory>

namespace {

template <typename Tela> std::unique_ptr<QWidget> Cria(Sistema& s) {
    return std::make_unique<Tela>(s);
}

CopiaSeguranca::Ambiente AmbienteCopia(Sistema& s) {
    return {s.dm, s.pasta, s.dialogos, s.relogio, s.NiveisCapa, nullptr, s.SlotsCores, {}, {}};
}

// The location screen with the backup ambient it works on.
struct AmbienteDaCopiaSeg {
    CopiaSeguranca::Ambiente amb;
};
struct TelaCopiaSeg : AmbienteDaCopiaSeg, TFCopiaSeg {
    explicit TelaCopiaSeg(Sistema& s)
        : AmbienteDaCopiaSeg{AmbienteCopia(s)}, TFCopiaSeg(AmbienteDaCopiaSeg::amb) {}
};

// The collective personnel screen, with a correction dialog that the Tab
// order never opens.
struct SemCorrecao {
    struct : JanelaCorrigePstGrd {
        std::optional<int> Escolhe(const QString&, const QStringList&) override {
            return std::nullopt;
        }
    } correcao;
};
struct PessoalColetivo : SemCorrecao, TFIncExcCol {
    explicit PessoalColetivo(Sistema& s) : TFIncExcCol(s, correcao) {}
};

// The screens, each created over the small register.
const std::map<QString, std::unique_ptr<QWidget> (*)(Sistema&)> Telas{
    {"FIncExcInd", Cria<TFIncExcInd>},
    {"FIncExcAltSv", Cria<TFIncExcAltSv>},
    {"FIncExcCol", Cria<PessoalColetivo>},
    {"FCarOrdAntig", Cria<TFCarOrdAntig>},
    {"FEditaTabelasPrimEscala", Cria<TFEditaTabelasPrimEscala>},
    {"FEditaTabelas", Cria<TFEditaTabelas>},
    {"FSaiEscTemp", Cria<TFSaiEscTemp>},
    {"FVoltaParaEsc", Cria<TFVoltaParaEsc>},
    {"FSemExped", Cria<TFSemExped>},
    {"FQuantMilSvDia", Cria<TFQuantMilSvDia>},
    {"FEscolherSv", Cria<TFEscolherSv>},
    {"FQuadroSv", Cria<TFQuadroSv>},
    {"FQuadroEscalas", Cria<TFQuadroEscalas>},
    {"FEscVm", Cria<TFEscVm>},
    {"FEscVmEsp", Cria<TFEscVmEsp>},
    {"FRetiraAlguem", Cria<TFRetiraAlguem>},
    {"FForaEscSgte", Cria<TFForaEscSgte>},
    {"FObrigaEscSgte", Cria<TFObrigaEscSgte>},
    {"FListaNumNomes", Cria<TFListaNumNomes>},
    {"FModelosPstGrd", Cria<TFModelosPstGrd>},
    {"FCorrigePstGrd", Cria<TFCorrigePstGrd>},
    {"FPreencheCapa", Cria<TFPreencheCapa>},
    {"FEscolherFoto", Cria<TFEscolherFoto>},
    {"FAlterarFoto", Cria<TFAlterarFoto>},
    {"FAlteraCores", Cria<TFAlteraCores>},
    {"FBackup",
     [](Sistema& s) -> std::unique_ptr<QWidget> {
         return std::make_unique<TFBackup>(AmbienteCopia(s));
     }},
    {"FCopiaSeg", Cria<TelaCopiaSeg>},
    {"FAviso", [](Sistema&) -> std::unique_ptr<QWidget> { return std::make_unique<TFAviso>(); }},
};

// A screen shown in the state where most of its controls are visible.
std::unique_ptr<QWidget> Tela(const QString& nome, AmbienteTeste& a) {
    if (nome == "FQuantMilSvDia")
        PreparaEscala(a, D(17, 3, 2024));
    std::unique_ptr<QWidget> t = Telas.at(nome)(*a.sis);
    t->show();
    if (nome == "FIncExcInd") {
        Controle<QLineEdit>(t.get(), "Edit1")->setText("77");
        QEvent saida(QEvent::Leave); // the name and rank fields appear
        QApplication::sendEvent(Controle(t.get(), "Edit1"), &saida);
    }
    if (nome == "FCopiaSeg")
        Clica(t.get(), "BAlterar"); // the chooser shown
    if (nome == "FEditaTabelas") {
        QTest::mouseClick(Controle(t.get(), "Label1"), Qt::LeftButton); // view 2
        Clica(t.get(), "Button8");                                      // the searches
    }
    if (nome == "FIncExcCol")
        Clica(t.get(), "Alterar dados"); // the list of persons and its button
    if (nome == "FIncExcAltSv" || nome == "FSemExped")
        Clica(t.get(), "RadioButton1"); // every field enabled; the entry grid shown
    return t;
}

} // namespace

// Tab visits the controls of every screen from top to bottom (left to right
// within a line).
class TesteOrdemTab : public QObject {
    Q_OBJECT
private slots:
    void telas_data() {
        QTest::addColumn<QString>("nome");
        for (const auto& [nome, cria] : Telas)
            QTest::newRow(qPrintable(nome)) << nome;
    }
    void telas() {
        QFETCH(QString, nome);
        AmbienteTeste a;
        a.dialogos.AceitaAvisos = true;
        RegistroPequeno(a);
        const std::unique_ptr<QWidget> t = Tela(nome, a);
        QVERIFY2(OrdemDoTab(t.get()).size() >= 1, qPrintable(nome));
        QCOMPARE(FocoForaDeOrdem(t.get()), QString());
    }

    // The tabs of the main window, with the automatic tab showing all its
    // buttons.
    void abas_data() {
        QTest::addColumn<QString>("aba");
        for (const char* aba : {"TabSheet7", "TabSheet3", "TabSheet2", "TabSheet1"})
            QTest::newRow(aba) << QString::fromLatin1(aba);
    }
    void abas() {
        QFETCH(QString, aba);
        AmbienteTeste a;
        RegistroPequeno(a);
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        TFPrincipal p(*a.sis, inicio);
        p.show();
        p.Atualiza();
        AbaAutomatica& estado = a.sis->Aba;
        estado.BPreverVisivel = estado.BEscalarVisivel = estado.BDesfazerVisivel =
            estado.BEscVmEspVisivel = true;
        p.AbaEscalar()->Sincroniza();
        p.Paginas()->setCurrentWidget(Controle(&p, aba));
        const QStringList ordem = OrdemDoTab(&p);
        QVERIFY(!ordem.isEmpty());
        QCOMPARE(FocoForaDeOrdem(&p), QString());
        if (aba == "TabSheet3")
            QCOMPARE(ordem.mid(ordem.indexOf("Edit1"), 7),
                     QStringList({"Edit1", "Button6", "BPrever", "BEscalar", "BDesfazer",
                                  "BEscVmEsp", "ListBox2"}));
    }
};

REGISTRA_TESTE(TesteOrdemTab)
#include "TesteOrdemTab.moc"
