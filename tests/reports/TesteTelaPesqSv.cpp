#include "reports/TFEscolherSv.h"
#include "reports/TFPesqSv.h"
#include "shell/Inicio.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

// The search screen open on a small history.
struct Tela {
    Tela() {
        a.Servico(1, "Of Dia");
        a.Servico(2, "Guarda");
        a.Servico(5, "Ronda");
        a.Historico(D(31, 12, 2000), 1, "Of Dia", "12");
        a.Historico(D(11, 3, 2024), 1, "Of Dia", "12 345");
        a.Historico(D(16, 3, 2024), 2, "Guarda", "7 12 9", "Vm");
        a.Historico(D(17, 3, 2024), 5, "Ronda", "345 12", "Vm");
        a.Historico(D(18, 3, 2024), 2, "Guarda", "123", "Pt");
        a.Historico(D(19, 3, 2024), 1, "Of Dia", "412");
        CarregaVetSv(*a.sis, Banco::Principal);
        t = std::make_unique<TFPesqSv>(*a.sis);
        t->show();
        QVERIFY(QTest::qWaitForWindowActive(t.get()));
    }
    template <typename T = QWidget> T* C(const QString& nome) {
        T* w = t->findChild<T*>(nome);
        if (!w)
            qFatal("controle %s não encontrado", qPrintable(nome));
        return w;
    }
    QStringList Coluna(int coluna) {
        QStringList valores;
        auto* g = C<QTableWidget>("DBGPesqSv");
        for (int r = 0; r < g->rowCount(); ++r)
            valores << g->item(r, coluna)->text();
        return valores;
    }
    void Pesquisa() { QTest::mouseClick(C<QPushButton>("Button2"), Qt::LeftButton); }
    void Digita(const QString& campo, const QString& texto) {
        auto* e = C<QLineEdit>(campo);
        QTest::mouseClick(e, Qt::LeftButton);
        e->selectAll();
        QTest::keyClicks(e, texto);
    }
    AmbienteTeste a;
    std::unique_ptr<TFPesqSv> t;
};

} // namespace

// FPesqSv driven as the operator drives it.
class TesteTelaPesqSv : public QObject {
    Q_OBJECT
private slots:
    void ativacao_e_periodo_padrao() {
        Tela t;
        QCOMPARE(t.C<QLineEdit>("Edit1")->text(), QStringLiteral("01/01/01"));
        QCOMPARE(t.C<QLineEdit>("Edit2")->text(), QStringLiteral("31/12/99"));
        QVERIFY(t.C<QRadioButton>("RadioButton3")->isChecked());
        QCOMPARE(t.Coluna(0).size(), 6); // the whole history
        QCOMPARE(t.C<QTableWidget>("DBGPesqSv")->horizontalHeaderItem(4)->text(),
                 QStringLiteral("CodSv"));
        t.Pesquisa();
        QCOMPARE(t.Coluna(0),
                 QStringList({"11/03/24", "16/03/24", "17/03/24", "18/03/24", "19/03/24"}));
    }

    void pessoa_e_reinicio() {
        Tela t;
        t.Digita("Edit3", "12");
        t.Pesquisa();
        QCOMPARE(t.Coluna(3), QStringList({"12 345", "7 12 9", "345 12"}));
        QVERIFY(t.C<QLineEdit>("Edit3")->text().isEmpty());
        t.Pesquisa(); // by period only
        QCOMPARE(t.Coluna(0).size(), 5);
    }

    void servicos_2_e_5_vermelhos() {
        Tela t;
        RoteiroModal roteiro;
        roteiro.Quando("FEscolherSv", [](QWidget* w) {
            w->findChild<QCheckBox*>("CheckBox2")->setChecked(true);
            w->findChild<QCheckBox*>("CheckBox5")->setChecked(true);
            Clica(w, "Pronto");
        });
        QTest::mouseClick(t.C<QPushButton>("Button3"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(t.t->Estado().ListaSv, QStringLiteral("2,5"));
        ClicaIndicador(t.C<QRadioButton>("RadioButton2"));
        t.Pesquisa();
        QCOMPARE(t.Coluna(3), QStringList({"7 12 9", "345 12"}));
        QVERIFY(t.C<QRadioButton>("RadioButton3")->isChecked());
        QVERIFY(t.t->Estado().ListaSv.isEmpty());
        t.Pesquisa();
        QCOMPARE(t.Coluna(0).size(), 5);
    }

    void datas() {
        Tela t;
        t.Digita("Edit1", "16/03/2024");
        QTest::mouseClick(t.C<QLineEdit>("Edit2"), Qt::LeftButton);
        QCOMPARE(t.C<QLineEdit>("Edit2")->text(), QStringLiteral("16/03/2024"));
        t.C<QLineEdit>("Edit2")->selectAll();
        QTest::keyClicks(t.C<QLineEdit>("Edit2"), "17/03/24");
        t.Pesquisa();
        QCOMPARE(t.Coluna(0), QStringList({"16/03/24", "17/03/24"}));
        QCOMPARE(t.C<QLineEdit>("Edit1")->text(), QStringLiteral("16/03/24"));

        t.a.dialogos.EsperaAviso("32/03/24 >>> Data inválida");
        t.Digita("Edit2", "32/03/24");
        QTest::mouseClick(t.C<QLineEdit>("Edit3"), Qt::LeftButton);
        QVERIFY(t.a.dialogos.ScriptCumprido());
        QCOMPARE(t.C<QLineEdit>("Edit2")->text(), QStringLiteral("17/03/24"));
        t.Pesquisa();
        QCOMPARE(t.Coluna(0).size(), 2);
    }

    // Ctrl+click chooses rows: only they are printed; without a choice every row.
    void imprimir_linhas_escolhidas() {
        Tela t;
        auto* g = t.C<QTableWidget>("DBGPesqSv");
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(4, 0)).center()); // moves, chooses nothing
        for (int r : {1, 3, 5})
            QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              g->visualItemRect(g->item(r, 0)).center());
        QCOMPARE(g->selectionModel()->selectedRows().size(), 3);
        t.a.dialogos.EsperaConfirma(true, "Para imprimir apenas algumas linhas");
        QTest::mouseClick(t.C<QPushButton>("BImprimir"), Qt::LeftButton);
        const QStringList& linhas = t.a.impressora.Chamadas;
        QCOMPARE(linhas.size(), 7); // Inicia, the header, the blank, 3 rows, Fim
        QVERIFY(linhas[1].startsWith("Linha    Data"));
        QCOMPARE(linhas[2], QStringLiteral("Linha  "));
        QVERIFY(linhas[3].startsWith("Linha 11/03/24"));
        QVERIFY(linhas[4].startsWith("Linha 17/03/24"));
        QVERIFY(linhas[5].startsWith("Linha 19/03/24"));
        QCOMPARE(g->font().pixelSize(), 14);

        t.a.impressora.Chamadas.clear();
        t.a.dialogos.EsperaConfirma(false);
        QTest::mouseClick(t.C<QPushButton>("BImprimir"), Qt::LeftButton);
        QVERIFY(t.a.impressora.Chamadas.isEmpty());

        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(0, 0)).center()); // clears the choice
        t.a.dialogos.EsperaConfirma(true);
        QTest::mouseClick(t.C<QPushButton>("BImprimir"), Qt::LeftButton);
        QCOMPARE(t.a.impressora.Chamadas.size(), 2 + 2 + 6);
        QVERIFY(t.a.dialogos.ScriptCumprido());
    }

    void navegador() {
        Tela t;
        auto* g = t.C<QTableWidget>("DBGPesqSv");
        QTest::mouseClick(t.C<QWidget>("Ultimo"), Qt::LeftButton);
        QCOMPARE(g->currentRow(), 5);
        QTest::mouseClick(t.C<QWidget>("Anterior"), Qt::LeftButton);
        QCOMPARE(g->currentRow(), 4);
        QTest::mouseClick(t.C<QWidget>("Primeiro"), Qt::LeftButton);
        QCOMPARE(g->currentRow(), 0);
        QTest::mouseClick(t.C<QWidget>("Proximo"), Qt::LeftButton);
        QCOMPARE(g->currentRow(), 1);
        QVERIFY(g->selectionModel()->selectedRows().isEmpty());
    }

    // Item 1 of "Consultas" opens the search; closing drops the result.
    void item_1_de_consultas() {
        AmbienteTeste a;
        a.Historico(D(11, 3, 2024), 1, "Of Dia", "12");
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        a.dialogos.AceitaAvisos = true;
        TFPrincipal p(*a.sis, inicio);
        int linhas = -1;
        RoteiroModal roteiro;
        roteiro.Quando("FPesqSv", [&linhas](QWidget* w) {
            linhas = w->findChild<QTableWidget*>("DBGPesqSv")->rowCount();
            Clica(w, "Sair");
        });
        p.AbaConsultas()->ExecutaItem(1);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(linhas, 1);
        QCOMPARE(p.FPesqSv->findChild<QTableWidget*>("DBGPesqSv")->rowCount(), 0);
    }
};
REGISTRA_TESTE(TesteTelaPesqSv)
#include "TesteTelaPesqSv.moc"
