#include "base/CoresQt.h"
#include "maintenance/PostosGraduacoes.h"
#include "maintenance/TFCorrigePstGrd.h"
#include "maintenance/TFListaNumNomes.h"
#include "maintenance/TFModelosPstGrd.h"
#include "shell/TFAbaManutencao.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// Picks item `item` of the correction dialog's list (none: closes it), after
// noting what it offered.
struct Escolha {
    QString rotulo;
    QStringList oferecidas;
};
std::function<void(QWidget*)> Escolhe(Escolha& vista, std::optional<int> item) {
    return [&vista, item](QWidget* w) {
        auto* combo = Controle<QComboBox>(w, "ComboBox1");
        vista.rotulo =
            Controle<QLabel>(w, "Label1")->text() + Controle<QLabel>(w, "Label2")->text();
        for (int i = 0; i < combo->count(); ++i)
            vista.oferecidas << combo->itemText(i);
        if (!item) {
            static_cast<QDialog*>(w)->close();
            return;
        }
        combo->setCurrentIndex(*item);
        emit combo->activated(*item);
    };
}

} // namespace

// The rank models screen, reached from the maintenance menu, and the
// correction dialog.
class TesteTelasPostos : public QObject {
    Q_OBJECT
private slots:
    // Item 9: the table as the file holds it; what the operator types, and a
    // standard form emptied, are written on "Sair", and PstGrd.Txt follows:
    // the correction dialog and the lookup offer only the rank left above the gap.
    void modelos_pelo_menu() {
        JanelaPrincipal j;
        j.Mostra("TabSheet2");
        const ModelosPstGrd arquivo = j.a.sis->pasta.LeModelosPstGrd();
        RoteiroModal roteiro;
        roteiro.Quando("FModelosPstGrd", [&](QWidget* w) {
            QCOMPARE(w->windowTitle(),
                     QStringLiteral("Modelos de escrita  dos Postos e Graduações"));
            QCOMPARE(Controle<QLabel>(w, "Label1")->text(),
                     QStringLiteral("Quadro Modelo de Postos e Graduações"));
            auto* g = Controle<QTableWidget>(w, "SGModelos");
            QCOMPARE(g->columnCount(), 11);
            QCOMPARE(g->rowCount(), 25);
            QCOMPARE(g->columnWidth(4), 62);
            QCOMPARE(g->rowHeight(7), 16);
            QCOMPARE(g->item(1, 0)->text(), arquivo.Cells[0][1]);
            QCOMPARE(g->item(0, 1)->text(), arquivo.Cells[1][0]);
            QCOMPARE(g->item(24, 10)->text(), arquivo.Cells[10][24]);
            QCOMPARE(g->palette().color(QPalette::Base), CorDoSlot(j.a.sis->SlotsCores, 3));
            g->item(2, 0)->setText(QString());
            // The cell editor takes the keys only once the screen is active.
            QVERIFY(QTest::qWaitForWindowActive(w));
            ClicaCelula(g, 3, 5);
            // Typing opens the cell's editor; the rest goes to it.
            QTest::keyClick(g, 'C');
            // The editor, found without relying on which window is active.
            auto* editor = g->viewport()->findChild<QLineEdit*>();
            QVERIFY(editor);
            QTest::keyClicks(editor, "APITAO");
            Controle<QPushButton>(w, "Button1")->click();
        });
        j.p->AbaManutencao()->ExecutaItem(9);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(j.a.sis->pasta.LePstGrd(), QStringList({arquivo.Cells[0][1]}));
        const QStringList linhas = j.a.sis->pasta.LeLinhas("ModelosPstGrd.Txt");
        QCOMPARE(linhas.size(), 275);
        QCOMPARE(linhas[25 * 5 + 3], QStringLiteral("CAPITAO"));
        QCOMPARE(linhas[3], arquivo.Cells[0][3]);

        LeModelosPstGrd(*j.a.sis);
        Escolha vista;
        roteiro.Quando("FCorrigePstGrd", Escolhe(vista, 0));
        QVERIFY(CorrigePstGrd(*j.a.sis, *j.p->FCorrigePstGrd, "GENERAL"));
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(vista.oferecidas, QStringList({arquivo.Cells[0][1]}));

        j.p->FListaNumNomes->MostraAoLado(j.p.get());
        QCOMPARE(Itens(Controle<QListWidget>(j.p->FListaNumNomes.get(), "ListBox2")),
                 QStringList({arquivo.Cells[0][1]}));
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    // Closed without having read the table, the screen does not write one.
    void modelos_sem_arquivo() {
        AmbienteTeste a;
        QVERIFY(QFile::remove(a.sis->pasta.Caminho("ModelosPstGrd.Txt")));
        const QByteArray postos = a.Bytes("PstGrd.Txt");
        TFModelosPstGrd t(*a.sis);
        a.dialogos.EsperaAviso("ModelosPstGrd.Txt");
        t.show();
        QVERIFY(a.dialogos.ScriptCumprido());
        t.close();
        QVERIFY(!QFile::exists(a.sis->pasta.Caminho("ModelosPstGrd.Txt")));
        QCOMPARE(a.Bytes("PstGrd.Txt"), postos);
    }

    // Three ranks in rows 1 to 3: exactly three forms; the second gives row 2
    // and sets the flag. Closing without a choice changes neither.
    void correcao() {
        AmbienteTeste a;
        Sistema& s = *a.sis;
        s.SGModelos = ModelosPstGrd{};
        s.SGModelos.Cells[0][1] = "Cel";
        s.SGModelos.Cells[0][2] = "Maj";
        s.SGModelos.Cells[0][3] = "Cap";
        s.SGModelos.Cells[0][5] = "Sd";
        TFCorrigePstGrd dialogo(s);
        QCOMPARE(dialogo.windowTitle(), QStringLiteral("Correção de Posto ou Graduação"));
        QCOMPARE(Controle<QLabel>(&dialogo, "Label3")->text(), QStringLiteral("Corrigir"));
        QCOMPARE(Controle<QComboBox>(&dialogo, "ComboBox1")->maxVisibleItems(), 25);

        Escolha fechada;
        RoteiroModal roteiro;
        roteiro.Quando("FCorrigePstGrd", Escolhe(fechada, std::nullopt));
        QVERIFY(!CorrigePstGrd(s, dialogo, "MAJOR"));
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(fechada.rotulo, QStringLiteral("Não reconheço MAJOR"));
        QVERIFY(!s.CorrecaoPstGrd.ModelosAlterados);
        QCOMPARE(s.CorrecaoPstGrd.Linha, 0);

        QTest::qWait(20); // the script sees the dialog closed before it opens again
        Escolha vista;
        roteiro.Quando("FCorrigePstGrd", Escolhe(vista, 1));
        QVERIFY(CorrigePstGrd(s, dialogo, "MAJOR"));
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(vista.oferecidas, QStringList({"Cel", "Maj", "Cap"}));
        QCOMPARE(s.CorrecaoPstGrd.Forma, QStringLiteral("Maj"));
        QCOMPARE(s.CorrecaoPstGrd.Linha, 2);
        QVERIFY(s.CorrecaoPstGrd.ModelosAlterados);
        QVERIFY(a.dialogos.Textos.isEmpty());
    }
};

REGISTRA_TESTE(TesteTelasPostos)
#include "TesteTelasPostos.moc"
