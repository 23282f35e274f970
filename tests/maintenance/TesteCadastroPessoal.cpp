#include "maintenance/TFIncExcInd.h"
#include "reports/TFEscolherSv.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

Q_DECLARE_METATYPE(QList<int>)

namespace {

const QString lembreteAntiguidade =
    QStringLiteral("Após inclusão de militares, você deve ordenar suas antiguidades\rUse o item "
                   "\"3. Ordenar Antiguidades\" da guia /Manutenção/");

// What the chooser showed when "Escolher" opened it.
struct Escolha {
    QList<int> marcadas;
    bool nota = false;
};

// The personnel form, shown offscreen and driven by its controls.
struct Tela {
    explicit Tela(Sistema& s) : t(s) { t.show(); }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    TFIncExcInd t;

    template <typename T = QWidget> T* W(const char* nome) { return Controle<T>(&t, nome); }
    QLineEdit* Edit(int i) { return t.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i)); }
    void Clica(const char* botao) { W<QPushButton>(botao)->click(); }
    // The mouse leaves the number field: the person is looked up.
    void SaiDoNumero() {
        QEvent saida(QEvent::Leave);
        QApplication::sendEvent(Edit(1), &saida);
    }
    // "Escolher", leaving exactly the given boxes ticked before "Pronto".
    Escolha Escolhe(const QList<int>& caixas) {
        Escolha vista;
        TFEscolherSv* e = t.Escolha();
        QTimer::singleShot(0, e, [&] {
            for (int n = 1; n <= 31; ++n) {
                auto* caixa = e->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n));
                if (caixa->isChecked())
                    vista.marcadas << n;
                caixa->setChecked(caixas.contains(n));
            }
            vista.nota = e->findChild<QPlainTextEdit*>("Memo1")->isVisible();
            e->findChild<QPushButton*>("Button6")->click();
        });
        Clica("BEscolher");
        return vista;
    }
};

QStringList Membros(AmbienteTeste& a, int sv) {
    QStringList linhas;
    for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
        linhas << l.join(' ');
    return linhas;
}

} // namespace

// The individual personnel form: registering, removing, and the duties of a
// person.
class TesteCadastroPessoal : public QObject {
    Q_OBJECT
private slots:
    void legendas_e_consulta_do_numero() {
        AmbienteTeste a;
        a.Militar("12", "ALVES", 5, "Cap");
        Tela f(*a.sis);
        QCOMPARE(f.t.windowTitle(), QStringLiteral("Inclusão/Exclusão de um Militar "));
        QCOMPARE(f.W<QPushButton>("BIncluir")->text(), QStringLiteral("Incluir "));
        QCOMPARE(f.W<QLabel>("Label5")->text(), QStringLiteral("Inclusão/Exclusão no Sistema"));
        QCOMPARE(f.W<QLabel>("Label6")->text(), QStringLiteral("Inclusão/Exclusão em Serviços"));
        QCOMPARE(f.W<QLabel>("Label3")->text(), QStringLiteral("Pst/Grd"));
        QVERIFY(!f.W("BGravar")->isEnabled());
        auto* combo = f.W<QComboBox>("ComboBox1");
        QStringList postos;
        for (int i = 0; i < combo->count(); ++i)
            postos << combo->itemText(i);
        QCOMPARE(postos, a.sis->pasta.LePstGrd());
        for (const char* nome : {"Label7", "Label4", "ComboBox1", "Edit2"})
            QVERIFY2(f.W(nome)->isHidden(), nome);

        f.Edit(1)->setText("12");
        f.SaiDoNumero();
        QCOMPARE(f.W<QLabel>("Label7")->text(), QStringLiteral("ALVES"));
        QCOMPARE(f.W<QLabel>("Label4")->text(), QStringLiteral("Cap"));
        QVERIFY(f.W("Label7")->isVisible() && f.W("Label4")->isVisible());
        QVERIFY(f.W("ComboBox1")->isHidden() && f.W("Edit2")->isHidden());

        f.Edit(1)->setText("99");
        f.SaiDoNumero();
        QVERIFY(f.W("Label7")->isHidden() && f.W("Label4")->isHidden());
        QVERIFY(f.W("ComboBox1")->isVisible() && f.W("Edit2")->isVisible());

        QTest::mouseClick(f.Edit(1), Qt::LeftButton);
        for (const char* nome : {"Label7", "Label4", "ComboBox1", "Edit2"})
            QVERIFY2(f.W(nome)->isHidden(), nome);
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    // By keyboard alone: the number, Tab (the name and rank appear and the
    // focus goes on to the name), the name, the rank, "Incluir ". After
    // "Número já existente no Sistema" the next number starts afresh.
    void so_pelo_teclado() {
        AmbienteTeste a;
        a.Militar("12", "ALVES", 5, "Cap");
        Tela f(*a.sis);
        QWindow* janela = f.t.windowHandle();
        const auto digita = [janela](const QByteArray& texto) {
            for (const char c : texto)
                QTest::keyClick(janela, c);
        };
        const auto tecla = [janela](Qt::Key k, int vezes = 1) {
            for (int i = 0; i < vezes; ++i)
                QTest::keyClick(janela, k);
        };
        auto* combo = f.W<QComboBox>("ComboBox1");
        QCOMPARE(f.t.focusWidget(), f.Edit(1));
        digita("21");
        tecla(Qt::Key_Tab);
        QVERIFY(f.Edit(2)->isVisible() && combo->isVisible());
        QCOMPARE(f.t.focusWidget(), f.Edit(2));
        digita("SILVA");
        tecla(Qt::Key_Tab);
        QCOMPARE(f.t.focusWidget(), combo);
        tecla(Qt::Key_Down);
        const QString posto = combo->currentText();
        QVERIFY(!posto.isEmpty());
        tecla(Qt::Key_Tab);
        QCOMPARE(f.t.focusWidget(), f.W("BIncluir"));
        tecla(Qt::Key_Space);
        QCOMPARE(a.Linhas("Basico").last().mid(0, 3), QStringList({"21", posto.left(7), "SILVA"}));
        QCOMPARE(f.t.focusWidget(), f.Edit(1));

        // Enter looks a number up too; a new one with a rank chosen, then
        // changed into a registered one before "Incluir ".
        tecla(Qt::Key_Backspace, 2);
        digita("33");
        tecla(Qt::Key_Return);
        QCOMPARE(f.t.focusWidget(), f.Edit(2));
        digita("COSTA");
        tecla(Qt::Key_Tab);
        tecla(Qt::Key_Down);
        tecla(Qt::Key_Backtab, 2);
        QCOMPARE(f.t.focusWidget(), f.Edit(1));
        tecla(Qt::Key_Backspace, 2);
        digita("12");
        tecla(Qt::Key_Tab);
        QCOMPARE(f.W<QLabel>("Label7")->text(), QStringLiteral("ALVES"));
        QCOMPARE(f.t.focusWidget(), f.W("BIncluir"));
        a.dialogos.EsperaAviso("Número já existente no Sistema");
        tecla(Qt::Key_Space);
        QVERIFY(a.dialogos.ScriptCumprido());
        tecla(Qt::Key_Backtab);
        QCOMPARE(f.t.focusWidget(), f.Edit(1));
        tecla(Qt::Key_Backspace, 2);
        digita("34");
        tecla(Qt::Key_Tab);
        QCOMPARE(f.t.focusWidget(), f.Edit(2));
        QCOMPARE(f.Edit(2)->text(), QString());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"12", "21"}));
        a.dialogos.EsperaAviso("Após inclusão");
    }

    void inclusao() {
        AmbienteTeste a;
        a.Militar("12", "ALVES");
        Tela f(*a.sis);
        f.Edit(1)->setText("7");
        f.Edit(2)->setText("BARBOSA DOS SANTOS");
        f.W<QComboBox>("ComboBox1")->addItem("Subtenente");
        f.W<QComboBox>("ComboBox1")->setCurrentText("Subtenente");
        f.Clica("BIncluir");
        QVERIFY(a.dialogos.Textos.isEmpty());
        QCOMPARE(a.Linhas("Basico").last(),
                 QStringList({"7", "Subtene", "BARBOSA DOS SAN", "", "", "", "", "9999"}));
        // As stored: no absence code and no last duties are '', no dates NULL.
        QCOMPARE(a.Consulta("SELECT Num FROM Basico WHERE PR = '' AND USv = '' AND Ini IS NULL "
                            "AND Fim IS NULL ORDER BY rowid"),
                 QList<QVariantList>({{"12"}, {"7"}}));
        QCOMPARE(f.Edit(2)->text(), QString());
        QCOMPARE(f.W<QComboBox>("ComboBox1")->currentIndex(), -1);
        a.dialogos.EsperaAviso("Após inclusão");
        f.Clica("Button4");
        QCOMPARE(a.dialogos.Textos, QStringList({lembreteAntiguidade}));
    }

    // A number still in the history is registered only after a Yes.
    void inclusao_com_historico_data() {
        QTest::addColumn<bool>("sim");
        QTest::newRow("sim") << true;
        QTest::newRow("não") << false;
    }
    void inclusao_com_historico() {
        QFETCH(bool, sim);
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "3 7 30");
        Tela f(*a.sis);
        f.Edit(1)->setText("7");
        f.Edit(2)->setText("COSTA");
        f.W<QComboBox>("ComboBox1")->setCurrentIndex(0);
        a.dialogos.EsperaConfirma(sim, "Ainda há este Número");
        f.Clica("BIncluir");
        QCOMPARE(a.dialogos.Textos.first(),
                 QStringLiteral("Ainda há este Número no Arquivo Histórico. Gravar ?"));
        QCOMPARE(a.Coluna("Basico", "Num"), sim ? QStringList({"7"}) : QStringList());
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"3 7 30"}));
        if (sim)
            a.dialogos.EsperaAviso("Após inclusão");
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    // Refusals of "Incluir ": each shows its message before anything else and
    // leaves Basico as it was.
    void inclusao_recusada_data() {
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("posto");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("nomeMostrado");
        QTest::newRow("cinco caracteres") << "12345"
                                          << "COSTA" << 0 << "Número deve ter até 4 dígitos"
                                          << "COSTA";
        QTest::newRow("vazio") << ""
                               << "COSTA" << 0 << "Campo Número é obrigatório"
                               << "COSTA";
        QTest::newRow("com espaço") << "1 2"
                                    << "COSTA" << 0 << "Número não pode conter espaços: \"1 2\""
                                    << "COSTA";
        QTest::newRow("x") << "x"
                           << "COSTA" << 0
                           << "O número \"x\" é reservado pelo sistema e não pode ser usado"
                           << "COSTA";
        QTest::newRow("já existente") << "12"
                                      << "COSTA" << 0 << "Número já existente no Sistema"
                                      << "ALVES";
        QTest::newRow("sem nome") << "8"
                                  << "" << 0 << "Campos Nome e Posto devem ser preenchidos"
                                  << "";
        QTest::newRow("sem posto") << "8"
                                   << "COSTA" << -1 << "Campos Nome e Posto devem ser preenchidos"
                                   << "COSTA";
    }
    void inclusao_recusada() {
        QFETCH(QString, numero);
        QFETCH(QString, nome);
        QFETCH(int, posto);
        QFETCH(QString, mensagem);
        QFETCH(QString, nomeMostrado);
        AmbienteTeste a;
        a.Militar("12", "ALVES");
        // A history row that every number-like pattern would find.
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "1 12345 x 1 2");
        const auto basico = a.Linhas("Basico");
        Tela f(*a.sis);
        f.Edit(1)->setText(numero);
        f.Edit(2)->setText(nome);
        f.W<QComboBox>("ComboBox1")->setCurrentIndex(posto);
        a.dialogos.EsperaAviso(mensagem);
        f.Clica("BIncluir");
        QCOMPARE(a.dialogos.Textos, QStringList({mensagem}));
        QCOMPARE(a.Linhas("Basico"), basico);
        QCOMPARE(f.Edit(2)->text(), nomeMostrado);
        a.dialogos.Limpa();
        f.Clica("Button4");
        QVERIFY(a.dialogos.Textos.isEmpty()); // nothing included: no reminder
    }

    void inclusao_com_cadastro_cheio() {
        AmbienteTeste a;
        QList<QVariantList> linhas;
        for (int i = 1; i <= 1000; ++i)
            linhas.append({QString::number(i), "Sd", QStringLiteral("M%1").arg(i), "", QVariant(),
                           QVariant(), "", i});
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Basico", linhas);
        Tela f(*a.sis);
        f.Edit(1)->setText("1001");
        f.Edit(2)->setText("COSTA");
        f.W<QComboBox>("ComboBox1")->setCurrentIndex(0);
        a.dialogos.EsperaAviso("já tem 1000 militares");
        f.Clica("BIncluir");
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.Coluna("Basico", "Num").size(), 1000);
    }

    // A new member gets the entry counters (the smallest Pt and Vm of the present
    // members) and "13/05/09" as his last duties.
    void entrada_num_servico() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Guarda");
        for (const char* num : {"1", "2", "3", "4", "20"})
            a.Militar(num, "NOME");
        a.Membro(1, "1", 4, 2, "01/03/24", "02/03/24");
        a.Membro(1, "2", 7, 1);
        a.Membro(1, "3", 5, 3);
        a.Membro(2, "4", 9, 9);
        Tela f(*a.sis);
        f.Edit(1)->setText("20");
        const Escolha primeira = f.Escolhe({1});
        QVERIFY(primeira.marcadas.isEmpty());
        QVERIFY(primeira.nota);
        QVERIFY(f.W("BGravar")->isEnabled());
        f.Clica("BGravar");
        QVERIFY(a.dialogos.Textos.isEmpty());
        QCOMPARE(Membros(a, 1),
                 QStringList({"1 4 2 01/03/24 02/03/24", "2 7 1 13/05/09 13/05/09",
                              "3 5 3 13/05/09 13/05/09", "20 4 1 13/05/09 13/05/09"}));
        QCOMPARE(Membros(a, 2), QStringList({"4 9 9 13/05/09 13/05/09"}));
        QCOMPARE(a.sis->ListaSvAtual, QStringLiteral("1"));
        QCOMPARE(f.Edit(1)->text(), QString());
        // The scratch grids hold the rotation in black and red order.
        QCOMPARE(a.sis->Grades.GradeSvPt[1].Cel(0, 1), QStringLiteral("20"));
        QCOMPARE(a.sis->Grades.GradeSvVm[1].Cel(0, 1), QStringLiteral("2"));

        // The next choice starts from his duties; the note shows only once.
        f.Edit(1)->setText("20");
        const Escolha segunda = f.Escolhe({1});
        QCOMPARE(segunda.marcadas, QList<int>({1}));
        QVERIFY(!segunda.nota);
        a.dialogos.EsperaAviso("Você escolheu Serviço mas não gravou o registro");
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    // The chosen duties are the person's duties: nothing is written, even with
    // "Selecionar Todos" (undefined duties are no duties).
    void gravar_sem_mudanca_data() {
        QTest::addColumn<QList<int>>("caixas");
        QTest::newRow("mesmas caixas") << QList<int>({1, 3});
        QTest::newRow("selecionar todos") << QList<int>({31});
        QTest::newRow("caixa de serviço indefinido") << QList<int>({1, 3, 17});
    }
    void gravar_sem_mudanca() {
        QFETCH(QList<int>, caixas);
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(3, "Guarda");
        a.Militar("12", "ALVES");
        a.Militar("13", "BRAGA");
        a.Membro(1, "12", 9, 8);
        a.Membro(1, "13", 1, 1);
        a.Membro(3, "12", 6, 5);
        Tela f(*a.sis);
        f.Edit(1)->setText("12");
        QCOMPARE(f.Escolhe(caixas).marcadas, QList<int>({1, 3}));
        f.Clica("BGravar");
        QVERIFY(a.dialogos.Textos.isEmpty());
        QCOMPARE(Membros(a, 1),
                 QStringList({"12 9 8 13/05/09 13/05/09", "13 1 1 13/05/09 13/05/09"}));
        QCOMPARE(Membros(a, 3), QStringList({"12 6 5 13/05/09 13/05/09"}));
        QCOMPARE(a.sis->ListaSvAtual, QStringLiteral("1,3"));
    }

    // Adding a duty gives the entry counters in every ticked duty, the old ones
    // too; an unticked duty loses the person.
    void mudanca_de_servicos() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Guarda");
        a.Servico(3, "Ronda");
        for (const char* num : {"12", "13", "14", "15"})
            a.Militar(num, "NOME");
        a.Membro(1, "12", 9, 8, "01/03/24", "02/03/24");
        a.Membro(1, "13", 3, 2);
        a.Membro(1, "14", 5, 1);
        a.Membro(2, "15", 2, 4);
        a.Membro(3, "13", 1, 1);
        a.Membro(3, "12", 7, 7);
        Tela f(*a.sis);
        f.Edit(1)->setText("12");
        f.Escolhe({1, 2});
        f.Clica("BGravar");
        QVERIFY(a.dialogos.Textos.isEmpty());
        QCOMPARE(Membros(a, 1), QStringList({"12 3 1 01/03/24 02/03/24", "13 3 2 13/05/09 13/05/09",
                                             "14 5 1 13/05/09 13/05/09"}));
        QCOMPARE(Membros(a, 2),
                 QStringList({"15 2 4 13/05/09 13/05/09", "12 2 4 13/05/09 13/05/09"}));
        QCOMPARE(Membros(a, 3), QStringList({"13 1 1 13/05/09 13/05/09"}));
        QCOMPARE(a.sis->ListaSvAtual, QStringLiteral("1,2"));
    }

    void rodizio_cheio_recusa_a_entrada() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(2, "Guarda");
        a.Militar("12", "ALVES");
        a.Membro(2, "12", 3, 3);
        QList<QVariantList> linhas;
        for (int i = 1; i <= 500; ++i)
            linhas.append({QStringLiteral("m%1").arg(i), 1, 1, "13/05/09", "13/05/09"});
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv1", linhas);
        Tela f(*a.sis);
        f.Edit(1)->setText("12");
        f.Escolhe({1});
        a.dialogos.EsperaAviso("A escala do serviço 1 (Of Dia) já tem 500 militares");
        f.Clica("BGravar");
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.Linhas("Sv1").size(), 500);
        QCOMPARE(Membros(a, 2), QStringList({"12 3 3 13/05/09 13/05/09"}));
    }

    // Removing a person takes him out of every rotation and out of Basico; his
    // history stays.
    void exclusao() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Servico(3, "Guarda");
        a.Militar("12", "ALVES");
        a.Militar("13", "BRAGA");
        a.Membro(1, "13", 2, 2);
        a.Membro(1, "12", 4, 4);
        a.Membro(3, "12", 1, 1);
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "12");
        Tela f(*a.sis);
        f.Edit(1)->setText("12");
        f.Clica("BExcluir");
        QVERIFY(a.dialogos.Textos.isEmpty());
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"13"}));
        QCOMPARE(Membros(a, 1), QStringList({"13 2 2 13/05/09 13/05/09"}));
        QVERIFY(a.Linhas("Sv3").isEmpty());
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"12"}));
        QCOMPARE(f.Edit(1)->text(), QString());
    }

    // The refusals of "Excluir" and "Gravar"; nothing is written.
    void excluir_e_gravar_recusados_data() {
        QTest::addColumn<QString>("botao");
        QTest::addColumn<QString>("numero");
        QTest::addColumn<QString>("mensagem");
        QTest::addColumn<QString>("numeroDepois");
        QTest::newRow("excluir vazio") << "BExcluir"
                                       << ""
                                       << "Campo Número é obrigatório"
                                       << "";
        QTest::newRow("excluir não encontrado") << "BExcluir"
                                                << "77"
                                                << "Número não encontrado"
                                                << "";
        QTest::newRow("gravar vazio") << "BGravar"
                                      << ""
                                      << "Campo Número é obrigatório"
                                      << "";
        QTest::newRow("gravar não cadastrado") << "BGravar"
                                               << "77"
                                               << "Militar não está cadastrado no Sistema"
                                               << "77";
    }
    void excluir_e_gravar_recusados() {
        QFETCH(QString, botao);
        QFETCH(QString, numero);
        QFETCH(QString, mensagem);
        QFETCH(QString, numeroDepois);
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("12", "ALVES");
        a.Membro(1, "12", 4, 4);
        a.Membro(1, "77", 1, 1); // a rotation row without a personnel record
        const auto basico = a.Linhas("Basico");
        const auto sv1 = a.Linhas("Sv1");
        Tela f(*a.sis);
        f.Edit(1)->setText(numero);
        if (botao == "BGravar")
            f.Escolhe({});
        a.dialogos.EsperaAviso(mensagem);
        f.Clica(qPrintable(botao));
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos.last(), mensagem);
        QCOMPARE(a.Linhas("Basico"), basico);
        QCOMPARE(a.Linhas("Sv1"), sv1);
        QCOMPARE(f.Edit(1)->text(), numeroDepois);
        if (mensagem.startsWith("Militar"))
            QVERIFY(!f.W("BGravar")->isEnabled());
        a.dialogos.AceitaAvisos = true; // the reminder of a choice not recorded
    }

    // A choice not recorded is pointed out when the number changes and when the
    // form closes.
    void lembretes_da_escolha() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("12", "ALVES");
        Tela f(*a.sis);
        f.Edit(1)->setText("12");
        f.Escolhe({1});
        a.dialogos.EsperaAviso("Você não gravou o registro anterior");
        f.Edit(1)->setText("1");
        f.Edit(1)->setText(""); // warned once only
        QCOMPARE(a.dialogos.Textos, QStringList({"Você não gravou o registro anterior"}));
        f.Edit(1)->setText("12");
        f.Escolhe({1});
        a.dialogos.EsperaAviso("Você escolheu Serviço mas não gravou o registro");
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos.last(),
                 QStringLiteral("Você escolheu Serviço mas não gravou o registro"));
        QVERIFY(a.Linhas("Sv1").isEmpty());
    }
};

REGISTRA_TESTE(TesteCadastroPessoal)
#include "TesteCadastroPessoal.moc"
