#include "maintenance/PostosGraduacoes.h"
#include "maintenance/TFEditaTabelas.h"
#include "model/Sistema.h"
#include "reports/TFEscolherSv.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

// The correction dialog of an unknown rank: records the spelling and picks
// the first standard form.
struct CorrecaoFalsa : JanelaCorrigePstGrd {
    QStringList perguntadas;
    std::optional<int> Escolhe(const QString& forma, const QStringList&) override {
        perguntadas << forma;
        return 0;
    }
};

struct Tela {
    explicit Tela(AmbienteTeste& a) : amb(a), t(*a.sis) {
        a.Servico(1, "Of Dia");
        a.Servico(2, "Sgt Dia");
        a.Militar("1", "SILVA", 1, "Sd", "", Data(), Data(), "10/02/24 ");
        a.Militar("2", "BASILIO", 2, "Cb");
        a.Militar("3", "Silvio", 3);
        a.Militar("4", "ANA", 4, "Sd", "P", D(1, 4, 2024), D(10, 4, 2024));
        a.Militar("5", "BIA", 5, "Sd", "R", D(1, 3, 2024), D(20, 3, 2024));
        a.Membro(1, "1", 4, 2, "10/02/24");
        a.Membro(1, "4", 5, 3);
        a.Membro(1, "5", 6, 1);
        a.Membro(2, "2", 1, 1);
        t.DefineCorrecao(correcao);
        t.show();
        grade = Controle<QTableView>(&t, "DBGEditor");
    }
    ~Tela() {
        if (t.isVisible()) {
            Clica(&t, "Cancelar");
            t.done(0);
        }
    }
    // A click on the label of view n.
    void Opcao(int n) {
        static const char* rotulos[] = {"", "Label2", "Label1", "Label6", "Label3"};
        QTest::mouseClick(Controle(&t, rotulos[n]), Qt::LeftButton);
    }
    // Views 3 and 4 choose duty sv in the chooser.
    void OpcaoServico(int n, int sv) {
        TFEscolherSv* e = t.Escolha();
        QTimer::singleShot(0, e, [e, sv] {
            for (int k = 1; k <= 31; ++k)
                e->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(k))->setChecked(k == sv);
            e->findChild<QPushButton*>("Button6")->click();
        });
        Opcao(n);
    }
    QStringList Coluna(int c) const {
        QStringList valores;
        const QAbstractItemModel* m = grade->model();
        for (int r = 0; m && r < m->rowCount(); ++r)
            valores << m->index(r, c).data().toString();
        return valores;
    }
    // Types texto into a cell, as the grid's editor does.
    void Digita(int linha, int coluna, const QString& texto) {
        QVERIFY(grade->model()->flags(grade->model()->index(linha, coluna)) & Qt::ItemIsEditable);
        QVERIFY(grade->model()->setData(grade->model()->index(linha, coluna), texto));
    }
    AmbienteTeste& amb;
    CorrecaoFalsa correcao;
    TFEditaTabelas t;
    QTableView* grade = nullptr;
};

} // namespace

// The table screen, driven by its labels, buttons and grid; stored rows read
// back through a connection of their own.
class TesteTelaEdicaoTabelas : public QObject {
    Q_OBJECT
private slots:
    // The searches of view 2 list their persons; their results cannot be
    // edited until view 2 is chosen again.
    void pesquisas_data() {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QStringList>("numeros");
        QTest::newRow("nome SIL") << "Edit2"
                                  << "SIL"
                                  << "Button3" << QStringList{"1", "2"};
        QTest::newRow("número") << "Edit1"
                                << "4"
                                << "Button2" << QStringList{"4"};
        QTest::newRow("número sem ninguém") << "Edit1"
                                            << "9"
                                            << "Button2" << QStringList{};
        QTest::newRow("P") << ""
                           << ""
                           << "Button4" << QStringList{"4"};
        QTest::newRow("R") << ""
                           << ""
                           << "Button5" << QStringList{"5"};
        QTest::newRow("P+R") << ""
                             << ""
                             << "Button6" << QStringList{"4", "5"};
        QTest::newRow("Ver Todos") << ""
                                   << ""
                                   << "Button7" << QStringList{"1", "2", "3", "4", "5"};
    }
    void pesquisas() {
        QFETCH(QString, campo);
        QFETCH(QString, texto);
        QFETCH(QString, botao);
        QFETCH(QStringList, numeros);
        AmbienteTeste a;
        Tela tela(a);
        tela.Opcao(2);
        QVERIFY(tela.grade->model()->flags(tela.grade->model()->index(0, 2)) & Qt::ItemIsEditable);
        QVERIFY(!Controle(&tela.t, "Edit1")->isVisible());
        Clica(&tela.t, "Button8");
        QVERIFY(!Controle(&tela.t, "Button8")->isVisible());
        QVERIFY(Controle(&tela.t, "Panel1")->isVisible());
        if (!campo.isEmpty())
            Controle<QLineEdit>(&tela.t, campo)->setText(texto);
        // The absence buttons are named inside their panel.
        const bool noPainel = QStringList({"Button4", "Button5", "Button6"}).contains(botao);
        Clica(noPainel ? Controle(&tela.t, "Panel1") : &tela.t, botao);
        QCOMPARE(tela.Coluna(0), numeros);
        if (!numeros.isEmpty())
            QVERIFY(!(tela.grade->model()->flags(tela.grade->model()->index(0, 2)) &
                      Qt::ItemIsEditable));
        tela.Opcao(2);
        QCOMPARE(tela.Coluna(0).size(), 5);
        QVERIFY(tela.grade->model()->flags(tela.grade->model()->index(0, 2)) & Qt::ItemIsEditable);
    }

    // View 4: the rotation beside the persons' data, dates as dd/mm/yy; its
    // note only the first time in the run, hidden by a click on it.
    void situacao_e_nota() {
        AmbienteTeste a;
        Tela tela(a);
        auto* memo = Controle<QPlainTextEdit>(&tela.t, "Memo1");
        QVERIFY(!memo->isVisible());
        tela.OpcaoServico(4, 1);
        QVERIFY(memo->isVisible());
        QVERIFY(memo->toPlainText().contains("Esta Grade não permite alterações."));
        QCOMPARE(Controle<QLabel>(&tela.t, "Label5")->text(), QStringLiteral("Of Dia"));
        QVERIFY(Controle(&tela.t, "BitBtn1")->isVisible());
        QCOMPARE(tela.Coluna(0), QStringList({"1", "4", "5"}));
        QCOMPARE(tela.Coluna(3), QStringList({"SILVA", "ANA", "BIA"}));
        QCOMPARE(tela.Coluna(7), QStringList({"", "01/04/24", "01/03/24"}));
        QVERIFY(
            !(tela.grade->model()->flags(tela.grade->model()->index(0, 4)) & Qt::ItemIsEditable));
        QTest::mouseClick(memo->viewport(), Qt::LeftButton);
        QVERIFY(!memo->isVisible());

        tela.Opcao(1);
        tela.OpcaoServico(4, 2);
        QVERIFY(!memo->isVisible());
        QCOMPARE(Controle<QLabel>(&tela.t, "Label5")->text(), QStringLiteral("Sgt Dia"));
        QCOMPARE(tela.Coluna(0), QStringList({"2"}));

        // Nothing chosen: the view stays.
        tela.OpcaoServico(4, 0);
        QCOMPARE(tela.Coluna(0), QStringList({"2"}));
    }

    // Two rows selected: only their lines, under the heading, in landscape;
    // none selected: every row.
    void impressao() {
        AmbienteTeste a;
        Tela tela(a);
        tela.OpcaoServico(4, 1);
        QItemSelectionModel* selecao = tela.grade->selectionModel();
        selecao->select(tela.grade->model()->index(0, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selecao->select(tela.grade->model()->index(2, 0),
                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        Clica(&tela.t, "BitBtn1");
        const QStringList esperadas = {
            "Orientacao Paisagem",
            "Inicia",
            "Fonte Arial 40",
            "Texto 950 150 Situacao da Escala de: Of Dia",
            "Texto 100 230 Num",
            "Texto 250 230 Nome",
            "Texto 850 230 PR",
            "Texto 950 230 Início",
            "Texto 1200 230 Fim",
            "Texto 1450 230 Pt",
            "Texto 1550 230 Vm",
            "Texto 1650 230 Últimos Serviços",
            "Texto 100 310 1",
            "Texto 250 310 SILVA",
            "Texto 850 310 ",
            "Texto 950 310 ",
            "Texto 1200 310 ",
            "Texto 1450 310 4",
            "Texto 1550 310 2",
            "Texto 1650 310 10/02/24 ",
            "Texto 100 360 5",
            "Texto 250 360 BIA",
            "Texto 850 360 R",
            "Texto 950 360 01/03/24",
            "Texto 1200 360 20/03/24",
            "Texto 1450 360 6",
            "Texto 1550 360 1",
            "Texto 1650 360 ",
            "Fim",
            "Orientacao Retrato",
        };
        QCOMPARE(a.impressora.Chamadas, esperadas);

        a.impressora.Chamadas.clear();
        selecao->clearSelection();
        Clica(&tela.t, "BitBtn1");
        QCOMPARE(a.impressora.Chamadas.filter(QRegularExpression("^Texto 100 ")),
                 QStringList({"Texto 100 230 Num", "Texto 100 310 1", "Texto 100 360 4",
                              "Texto 100 410 5"}));
    }

    // Closing brings every rank to its standard form; a spelling the models
    // do not know is asked and learnt.
    void postos_ao_fechar() {
        AmbienteTeste a;
        {
            Tela tela(a);
            tela.Opcao(2);
            tela.Digita(0, 1, "sd");
            tela.Digita(1, 1, "Xyz");
            Clica(&tela.t, "Gravar");
            QCOMPARE(a.Coluna("Basico", "PstGrd"), QStringList({"sd", "Xyz", "Sd", "Sd", "Sd"}));
            Clica(&tela.t, "Button1");
            QVERIFY(!tela.t.isVisible());
            QCOMPARE(tela.correcao.perguntadas, QStringList({"Xyz"}));
        }
        QCOMPARE(a.Coluna("Basico", "PstGrd"), QStringList({"Sd", "Gen Ex", "Sd", "Sd", "Sd"}));
        QVERIFY(QString::fromLatin1(a.Bytes("ModelosPstGrd.Txt")).contains("Xyz"));
    }

    // A value the register cannot take is refused when posted: the message
    // names it, the stored rows stay as they were, the typed value waits
    // until "Cancelar".
    void recusas_data() {
        QTest::addColumn<int>("opcao");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("tabela");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("número repetido") << 2 << 0 << "2"
                                         << "Basico"
                                         << "O número 2 já está na linha 2 da tabela Basico.";
        QTest::newRow("número vazio") << 2 << 0 << ""
                                      << "Basico"
                                      << "O número do militar não pode ficar em branco";
        QTest::newRow("data inválida") << 2 << 5 << "32/13/24"
                                       << "Basico"
                                       << "32/13/24 >>> Data inválida";
        QTest::newRow("afastamento") << 2 << 3 << "X"
                                     << "Basico"
                                     << "\"X\" não é um afastamento";
        QTest::newRow("últimos serviços") << 2 << 6 << "10/02/24 ontem"
                                          << "Basico"
                                          << "ontem >>> Data inválida";
        QTest::newRow("código 31") << 1 << 0 << "31"
                                   << "Sv"
                                   << "31 não é um código de serviço: os códigos vão de 1 a 30";
        QTest::newRow("código repetido") << 1 << 0 << "2"
                                         << "Sv"
                                         << "O código de serviço 2 já está na linha 2";
        QTest::newRow("início inválido") << 1 << 2 << "32/13/24"
                                         << "Sv"
                                         << "32/13/24 >>> Data inválida";
        QTest::newRow("quantidade") << 1 << 4 << "dois"
                                    << "Sv"
                                    << "\"dois\" não é um número inteiro (campo Quant";
        QTest::newRow("rodízio repetido") << 3 << 0 << "5"
                                          << "Sv1"
                                          << "O número 5 já está na linha 3 da tabela Sv1.";
        QTest::newRow("rodízio data") << 3 << 3 << "32/13/24"
                                      << "Sv1"
                                      << "32/13/24 >>> Data inválida";
    }
    void recusas() {
        QFETCH(int, opcao);
        QFETCH(int, coluna);
        QFETCH(QString, texto);
        QFETCH(QString, tabela);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        Tela tela(a);
        if (opcao == 3)
            tela.OpcaoServico(3, 1);
        else
            tela.Opcao(opcao);
        const QList<QVariantList> antes = a.Brutas(tabela);
        const QString mostrado = tela.Coluna(coluna).first();
        tela.Digita(0, coluna, texto);
        a.dialogos.EsperaAviso(mensagem);
        Clica(&tela.t, "Gravar");
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.Brutas(tabela), antes);
        QCOMPARE(tela.Coluna(coluna).first(), texto);
        // Leaving the row posts too: refused, the grid goes back to it.
        a.dialogos.EsperaAviso(mensagem);
        Clica(&tela.t, "Proximo");
        QTRY_VERIFY(a.dialogos.ScriptCumprido());
        QTRY_COMPARE(tela.grade->currentIndex().row(), 0);
        QCOMPARE(a.Brutas(tabela), antes);
        Clica(&tela.t, "Cancelar");
        QCOMPARE(tela.Coluna(coluna).first(), mostrado);
    }

    // What is posted is stored as the store keeps it (ISO dates, '' for an
    // empty text, whole numbers), and what reads the table next sees it.
    void gravacao() {
        AmbienteTeste a;
        Tela tela(a);
        tela.Opcao(1);
        QCOMPARE(tela.Coluna(2), QStringList({"01/01/00", "01/01/00"}));
        tela.Digita(0, 1, "Plantonista");
        tela.Digita(0, 2, "5/6/24");
        tela.Digita(0, 5, " 7");
        Clica(&tela.t, "Gravar");
        QCOMPARE(a.Brutas("Sv", "CodSv, Descr, Ini, Prio").first(),
                 QVariantList({1, "Plantoni", "2024-06-05", 7}));
        QCOMPARE(tela.Coluna(2).first(), QStringLiteral("05/06/24"));
        CarregaVetSv(*a.sis, Banco::Principal);
        QCOMPARE(a.sis->VetSv[1].Descr, QStringLiteral("Plantoni"));

        // An emptied text is '', an emptied date NULL; leaving the row posts.
        tela.Opcao(2);
        tela.grade->selectionModel()->setCurrentIndex(tela.grade->model()->index(3, 2),
                                                      QItemSelectionModel::NoUpdate);
        tela.Digita(3, 2, "");
        tela.Digita(3, 4, "");
        tela.Digita(3, 6, "1/2/24  3/2/24");
        Clica(&tela.t, "Primeiro");
        QTRY_COMPARE(a.Linhas("Basico").at(3).at(6), QStringLiteral("01/02/24 03/02/24 "));
        const QVariantList ana = a.Brutas("Basico", "Nome, Ini").at(3);
        QVERIFY(!ana[0].isNull() && ana[0].toString().isEmpty());
        QVERIFY(ana[1].isNull());

        tela.OpcaoServico(3, 1);
        QCOMPARE(Controle<QLabel>(&tela.t, "Label5")->text(), QStringLiteral("Plantoni"));
        tela.Digita(1, 1, "9");
        tela.Digita(1, 4, "1/3/24");
        Clica(&tela.t, "Gravar");
        QCOMPARE(a.Linhas("Sv1").at(1), QStringList({"4", "9", "3", "13/05/09", "01/03/24"}));
    }

    // Ctrl+Delete deletes the current row once confirmed.
    void apaga() {
        AmbienteTeste a;
        Tela tela(a);
        tela.OpcaoServico(3, 1);
        tela.grade->setFocus();
        tela.grade->selectionModel()->setCurrentIndex(tela.grade->model()->index(1, 0),
                                                      QItemSelectionModel::NoUpdate);
        a.dialogos.EsperaConfirma(false, "Apagar a linha 2");
        QTest::keyClick(tela.grade, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(a.Coluna("Sv1", "Num"), QStringList({"1", "4", "5"}));
        a.dialogos.EsperaConfirma(true, "Apagar a linha 2");
        QTest::keyClick(tela.grade, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(a.Coluna("Sv1", "Num"), QStringList({"1", "5"}));
        QCOMPARE(tela.Coluna(0), QStringList({"1", "5"}));
    }
};

REGISTRA_TESTE(TesteTelaEdicaoTabelas)
#include "TesteTelaEdicaoTabelas.moc"
