#include "reports/TFQuadroEscalas.h"
#include "reports/TFQuadroSv.h"
#include "shell/Inicio.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Duties 1, 2 and 4, five persons, a history of March 2024.
void Registro(AmbienteTeste& a) {
    a.Servico(1, "Of Dia");
    a.Servico(2, "Guarda");
    a.Servico(4, "Plantao");
    for (const char* n : {"34", "12", "7", "50", "8"})
        a.Militar(n, "M");
    a.Membro(1, "12");
    a.Membro(1, "34");
    a.Membro(2, "7");
    a.Membro(2, "12");
    a.Membro(4, "8");
    a.Historico(D(11, 3, 2024), 1, "Of Dia", "12 34");
    a.Historico(D(12, 3, 2024), 2, "Guarda", "12", "Vm");
    a.Historico(D(13, 3, 2024), 1, "Of Dia", "12");
}

// The person numbers and the headings a grid shows.
// Column 0, the person numbers, shows in the row headings.
QStringList Coluna(const QTableWidget* g, int c) {
    QStringList v;
    for (int r = 0; r < g->rowCount(); ++r)
        v << g->item(r, c)->text();
    return v;
}
QStringList Titulos(const QTableWidget* g) {
    QStringList v;
    for (int c = 0; c < g->columnCount(); ++c)
        v << g->horizontalHeaderItem(c)->text();
    return v;
}

// Every heading and cell fits its column.
bool CabeNasColunas(const QTableWidget* g) {
    for (int c = 1; c < g->columnCount(); ++c) {
        const QHeaderView* h = g->horizontalHeader();
        int largura = h->fontMetrics().horizontalAdvance(g->horizontalHeaderItem(c)->text());
        for (int r = 0; r < g->rowCount(); ++r)
            largura = qMax(largura, g->fontMetrics().horizontalAdvance(g->item(r, c)->text()));
        if (largura > g->columnWidth(c))
            return false;
    }
    return true;
}

// The chooser ticks the duties and closes.
void Escolhe(RoteiroModal& roteiro, QList<int> servicos) {
    roteiro.Quando("FEscolherSv", [servicos](QWidget* w) {
        for (int n : servicos)
            w->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))->setChecked(true);
        Clica(w, "Pronto");
    });
}

template <typename Tela> struct Aberta {
    Aberta() {
        Registro(a);
        t = std::make_unique<Tela>(*a.sis);
        t->show();
        QVERIFY(QTest::qWaitForWindowActive(t.get()));
    }
    template <typename T = QWidget> T* C(const QString& nome) { return Controle<T>(t.get(), nome); }
    AmbienteTeste a;
    std::unique_ptr<Tela> t;
};

} // namespace

// FQuadroSv and FQuadroEscalas driven as the operator drives them.
class TesteTelaQuadros : public QObject {
    Q_OBJECT
private slots:
    void quadro_dos_servicos() {
        Aberta<TFQuadroSv> t;
        auto* edit1 = t.C<QLineEdit>("Edit1");
        auto* edit2 = t.C<QLineEdit>("Edit2");
        auto* executar = t.C<QPushButton>("BExecutar");
        QCOMPARE(edit1->text(), QStringLiteral("01/01/24"));
        QCOMPARE(edit2->text(), QStringLiteral("31/12/24"));
        QVERIFY(t.C<QRadioButton>("RadioButton3")->isChecked());
        // Typing the start also replaces the end.
        QTest::mouseClick(edit1, Qt::LeftButton);
        edit1->selectAll();
        QTest::keyClicks(edit1, "01/03/24");
        QCOMPARE(edit2->text(), QStringLiteral("01/03/24"));
        edit2->setText("31/03/24");

        QTest::mouseClick(executar, Qt::LeftButton);
        auto* g = t.C<QTableWidget>("SGQuadroSv");
        QVERIFY(g->isVisible());
        QVERIFY(!t.C<QTableWidget>("SGQuadroSvAux")->isVisible());
        QCOMPARE(Titulos(g).mid(0, 3), QStringList({"", "Of Dia", "Guarda"}));
        QCOMPARE(Titulos(g).value(19), QStringLiteral("SOMA"));
        QCOMPARE(Coluna(g, 0), QStringList({"7", "8", "12", "34", "50"}));
        QCOMPARE(Coluna(g, 1), QStringList({"", "", "2", "1", ""}));
        QCOMPARE(Coluna(g, 2), QStringList({"0", "", "1", "", ""}));
        QCOMPARE(Coluna(g, 19), QStringList({"0", "0", "3", "1", "0"}));
        QVERIFY(CabeNasColunas(g));
        QCOMPARE(g->verticalHeaderItem(2)->text(), QStringLiteral("12"));
        // Disabled until a period or kind control is clicked.
        QVERIFY(!executar->isEnabled());
        ClicaIndicador(t.C<QRadioButton>("RadioButton2"));
        QVERIFY(executar->isEnabled());
        QTest::mouseClick(executar, Qt::LeftButton);
        QCOMPARE(Coluna(g, 1), QStringList({"0", "", "1", "", ""}));
        QCOMPARE(Titulos(g).value(1), QStringLiteral("Guarda"));
        QVERIFY(!executar->isEnabled());
        QTest::mouseClick(edit2, Qt::LeftButton);
        QVERIFY(executar->isEnabled());

        // A click on a cell writes its column's heading over the heading row.
        ClicaCelula(g, 2, 1);
        QCOMPARE(static_cast<GradeQuadro*>(g)->TituloSobreposto(), QStringLiteral("Guarda"));
    }

    void data_invalida() {
        Aberta<TFQuadroSv> t;
        t.C<QLineEdit>("Edit1")->setText("32/01/24");
        t.a.dialogos.EsperaAviso("32/01/24 >>> Data inválida");
        QTest::mouseClick(t.C<QPushButton>("BExecutar"), Qt::LeftButton);
        QVERIFY(t.a.dialogos.ScriptCumprido());
        QCOMPARE(t.C<QTableWidget>("SGQuadroSv")->rowCount(), 0);
        QVERIFY(t.C<QPushButton>("BExecutar")->isEnabled());
    }

    // Two persons (chosen in the lookup that a click on the panel opens), then
    // one duty; "Voltar Pesquisa"; the narrowed board printed in landscape.
    void separar_e_imprimir() {
        Aberta<TFQuadroSv> t;
        t.C<QLineEdit>("Edit1")->setText("01/03/24");
        t.C<QLineEdit>("Edit2")->setText("31/03/24");
        QTest::mouseClick(t.C<QPushButton>("BExecutar"), Qt::LeftButton);
        QWidget* chamador = nullptr;
        t.t->DefineConsulta([&](QWidget* w) {
            chamador = w;
            return QStringList{"34", "7"};
        });
        QTest::mouseClick(t.C<QLabel>("Label5"), Qt::LeftButton);
        QCOMPARE(chamador, t.t.get());
        auto* aux = t.C<QTableWidget>("SGQuadroSvAux");
        QVERIFY(aux->isVisible());
        QVERIFY(!t.C<QTableWidget>("SGQuadroSv")->isVisible());
        QCOMPARE(Coluna(aux, 0), QStringList({"7", "34"}));

        RoteiroModal roteiro;
        Escolhe(roteiro, {2});
        QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(Coluna(aux, 0), QStringList({"7"}));
        QCOMPARE(Titulos(aux).mid(0, 2), QStringList({"", "Guarda"}));

        QTest::mouseClick(t.C<QPushButton>("Button2"), Qt::LeftButton);
        const QStringList& c = t.a.impressora.Chamadas;
        QCOMPARE(c.first(), QStringLiteral("Orientacao Paisagem"));
        QCOMPARE(t.a.impressora.Textos(), QStringList({"Guarda", "SOMA", "7", "0", "0"}));
        QCOMPARE(c.last(), QStringLiteral("Orientacao Retrato"));

        QTest::mouseClick(t.C<QPushButton>("Button4"), Qt::LeftButton);
        QVERIFY(!aux->isVisible());
        QCOMPARE(Coluna(t.C<QTableWidget>("SGQuadroSv"), 0).size(), 5);
    }

    void quadro_das_escalas() {
        Aberta<TFQuadroEscalas> t;
        QCOMPARE(t.t->windowTitle(), QStringLiteral("FQuadroEscalas"));
        QVERIFY(!t.C<QPushButton>("BPesquisaInicial")->isVisible());
        auto* g = t.C<QTableWidget>("SGQuadroEscalas");
        QCOMPARE(Titulos(g), QStringList({"", "Of Dia", "Guarda", "Plantao"}));
        QCOMPARE(Coluna(g, 0), QStringList({"7", "8", "12", "34", "50"}));
        QCOMPARE(Coluna(g, 2), QStringList({"S", "", "S", "", ""}));
        QVERIFY(CabeNasColunas(g));

        RoteiroModal roteiro;
        Escolhe(roteiro, {1, 4});
        // The chooser has a "Button6" of its own.
        QTest::mouseClick(Controle<QPushButton>(t.C("Panel1"), "Button6"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        auto* aux = t.C<QTableWidget>("SGQuadroEscalasAux");
        QVERIFY(aux->isVisible());
        QCOMPARE(Titulos(aux), QStringList({"", "Of Dia", "Plantao"}));
        QCOMPARE(Coluna(aux, 0), QStringList({"8", "12", "34"}));
        ClicaCelula(aux, 0, 2);
        QCOMPARE(static_cast<GradeQuadro*>(aux)->TituloSobreposto(), QStringLiteral("Plantao"));

        QTest::mouseClick(t.C<QPushButton>("Button3"), Qt::LeftButton);
        QCOMPARE(t.a.impressora.Textos(),
                 QStringList({"Of Dia", "Plantao", "8", "S", "12", "S", "34", "S"}));

        QTest::mouseClick(t.C<QPushButton>("Button4"), Qt::LeftButton);
        QVERIFY(g->isVisible());
        QCOMPARE(Coluna(g, 0).size(), 5);
        t.t->DefineConsulta([](QWidget*) { return QStringList{"50", "12"}; });
        QTest::mouseClick(t.C<QPushButton>("Button1"), Qt::LeftButton);
        QCOMPARE(Coluna(g, 0), QStringList({"12", "50"}));
        QTest::mouseClick(t.C<QPushButton>("Button4"), Qt::LeftButton);
        QCOMPARE(Coluna(g, 0), QStringList({"12", "50"}));
    }

    // Items 2 and 3 of "Consultas" open the two boards.
    void itens_2_e_3_de_consultas() {
        AmbienteTeste a;
        Registro(a);
        Inicio inicio(a.Pasta(), a.dir.filePath("Aliases.ini"));
        inicio.Prepara(a.relogio.Hoje());
        a.dialogos.AceitaAvisos = true;
        TFPrincipal p(*a.sis, inicio);
        QString periodo;
        int membros = -1;
        RoteiroModal roteiro;
        roteiro
            .Quando("FQuadroSv",
                    [&](QWidget* w) {
                        periodo = Controle<QLineEdit>(w, "Edit1")->text();
                        Clica(w, "Sair");
                    })
            .Quando("FQuadroEscalas", [&](QWidget* w) {
                membros = Controle<QTableWidget>(w, "SGQuadroEscalas")->rowCount();
                Clica(w, "Sair");
            });
        p.AbaConsultas()->ExecutaItem(2);
        p.AbaConsultas()->ExecutaItem(3);
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(periodo, QStringLiteral("01/01/24"));
        QCOMPARE(membros, 5);
    }
};
REGISTRA_TESTE(TesteTelaQuadros)
#include "TesteTelaQuadros.moc"
