#include "maintenance/TFCorrigePstGrd.h"
#include "maintenance/TFIncExcCol.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/CadastroDanificado.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using Linhas = QList<QStringList>;
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

const QString lembreteAntiguidade =
    QStringLiteral("Após inclusão de militares, você deve ordenar suas antiguidades\rUse o item "
                   "\"3. Ordenar Antiguidades\" da guia /Manutenção/");

// Duties 1 to 3, and one member of duty 1 with counters, present and
// registered: the minimum rule gives a newcomer to duty 1 his counters.
void TresServicos(AmbienteTeste& a) {
    a.Servico(1, "Of Dia");
    a.Servico(2, "Sgt Dia");
    a.Servico(3, "Guarda");
    a.Militar("50", "VELHO", 1, "Cap");
    a.Membro(1, "50", 4, 2, "01/03/24", "02/03/24");
}

// The collective personnel screen, shown offscreen and driven by its
// controls, with the real correction dialog.
struct Tela {
    explicit Tela(AmbienteTeste& a) : a(a), correcao(*a.sis), t(*a.sis, correcao) { t.show(); }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    AmbienteTeste& a;
    TFCorrigePstGrd correcao;
    TFIncExcCol t;

    template <typename T = QWidget> T* W(const char* nome) { return Controle<T>(&t, nome); }
    QTableWidget* Grade(const char* nome) { return W<QTableWidget>(nome); }
    void Clica(const QString& botao) { ::Clica(&t, botao); }

    void Digita(const char* grade, const Linhas& linhas) {
        QTableWidget* g = Grade(grade);
        for (int r = 0; r < linhas.size(); ++r)
            for (int c = 0; c < linhas[r].size(); ++c)
                g->setItem(r, c, new QTableWidgetItem(linhas[r][c]));
    }
    // The rows of a grid up to the first empty one, each cell as shown.
    Linhas Le(const char* grade) {
        QTableWidget* g = Grade(grade);
        Linhas linhas;
        for (int r = 0; r < g->rowCount(); ++r) {
            QStringList l;
            bool vazia = true;
            for (int c = 0; c < g->columnCount(); ++c) {
                l << (g->item(r, c) ? g->item(r, c)->text() : QString());
                vazia = vazia && l.last().isEmpty();
            }
            if (vazia)
                break;
            linhas << l;
        }
        return linhas;
    }
    // "Incluir militar", the rows typed into the work grid, "Incluir".
    void Inclui(const Linhas& linhas) {
        Clica("Incluir militar");
        Digita("SGPesPcp", linhas);
        Clica("BExecutar");
    }
    QListWidget* Lista() { return W<QListWidget>("ListBox6"); }
    void Seleciona(const QList<int>& linhas) {
        Lista()->clearSelection();
        for (const int r : linhas)
            Lista()->item(r)->setSelected(true);
    }
};

// The rows of a rotation as stored: number, counters and last dates.
QStringList Membros(AmbienteTeste& a, int sv) {
    QStringList linhas;
    for (const QStringList& l : a.Linhas(QStringLiteral("Sv%1").arg(sv)))
        linhas << l.join(' ');
    return linhas;
}

// Number, rank and name of every stored person.
QStringList Pessoas(AmbienteTeste& a) {
    QStringList pessoas;
    for (const QStringList& l : a.Linhas("Basico"))
        pessoas << l.mid(0, 3).join('|');
    return pessoas;
}

bool LargaBastante(const QTableWidget* g) {
    int largura = 0;
    for (int c = 0; c < g->columnCount(); ++c)
        largura += g->columnWidth(c);
    return g->viewport()->width() >= largura;
}

// Choosing an item of the correction dialog (none: it is closed), after
// noting the spelling it asked about.
std::function<void(QWidget*)> Corrige(QStringList& perguntas, std::optional<QString> forma) {
    return [&perguntas, forma](QWidget* w) {
        perguntas << Controle<QLabel>(w, "Label2")->text();
        if (!forma) {
            static_cast<QDialog*>(w)->close();
            return;
        }
        auto* combo = Controle<QComboBox>(w, "ComboBox1");
        const int item = combo->findText(*forma);
        combo->setCurrentIndex(item);
        emit combo->activated(item);
    };
}

} // namespace

// The collective personnel screen: many persons registered, removed and
// altered at once, the rows it turns down, and the rank check.
class TesteTelaPessoalColetivo : public QObject {
    Q_OBJECT
private slots:
    // At activation only the operations show; each shows its own controls and
    // the list of duties beside them.
    void controles() {
        AmbienteTeste a;
        TresServicos(a);
        Tela f(a);
        QCOMPARE(f.t.windowTitle(), QStringLiteral("Inclusão/Exclusão Coletiva"));
        QCOMPARE(f.W<QGroupBox>("RGPessoal")->title(), QStringLiteral("Cadastro de Pessoal"));
        const QStringList trabalho = {"SGPesPcp", "SGPesAux", "BExecutar", "ListBox6",
                                      "Button5",  "Button6",  "Button7",   "BExecDenovo"};
        const auto visiveis = [&] {
            QStringList v;
            for (const QString& nome : trabalho)
                if (Controle(&f.t, nome)->isVisible())
                    v << nome;
            return v;
        };
        QCOMPARE(visiveis(), QStringList());
        for (QRadioButton* b : f.t.findChildren<QRadioButton*>())
            QVERIFY(!b->isChecked());
        QStringList titulos;
        for (int c = 0; c < 5; ++c)
            titulos << f.Grade("SGPesAux")->horizontalHeaderItem(c)->text();
        QCOMPARE(titulos, QStringList({"Número", "Pst/Grd", "Nome", "Serviços", "Observações"}));
        QCOMPARE(f.Grade("SGPesPcp")->rowCount(), 500);
        QCOMPARE(f.Grade("SGPesPcp")->columnCount(), 4);
        QCOMPARE(f.W<QPushButton>("BExecutar")->text(), QStringLiteral("Incluir"));
        QCOMPARE(f.W<QPushButton>("Button5")->text(), QStringLiteral("Agrupar Selecionados"));
        QCOMPARE(f.W<QPushButton>("BExecDenovo")->text(), QStringLiteral("Executar de Novo"));

        f.Clica("Incluir militar");
        QCOMPARE(visiveis(), QStringList({"SGPesPcp", "BExecutar"}));
        f.Clica("Excluir militar");
        QCOMPARE(visiveis(), QStringList({"ListBox6", "Button6"}));
        const QString cabecalho = "Numero" + QString(65, ' ') + "Posto" + QString(25, ' ') +
                                  "Nome" + QString(30, ' ') + "Serviços";
        QCOMPARE(Itens(f.Lista()),
                 QStringList({cabecalho, "50" + QString(38, '_') + "Cap" + QString(12, '_') +
                                             "VELHO" + QString(20, '_') + "1,"}));
        QCoreApplication::processEvents();
        QVERIFY(f.Lista()->viewport()->width() >=
                f.Lista()->fontMetrics().horizontalAdvance(Itens(f.Lista()).last()));
        f.Clica("Alterar dados");
        QCOMPARE(visiveis(), QStringList({"ListBox6", "Button5"}));
        // The grids are as wide as their columns, and these as their texts.
        f.Clica("Incluir militar");
        QCoreApplication::processEvents();
        QVERIFY(LargaBastante(f.Grade("SGPesPcp")));
        f.Clica("BExecutar");
        QCOMPARE(visiveis(), QStringList({"SGPesAux", "BExecDenovo"}));
        QCoreApplication::processEvents();
        QVERIFY(LargaBastante(f.Grade("SGPesAux")));
        QVERIFY(f.Grade("SGPesAux")->columnWidth(4) >=
                f.Grade("SGPesAux")
                    ->fontMetrics()
                    .horizontalAdvance("Campos Número, Posto e Nome são obrigatórios"));
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    // Each row is registered with its duties and the entry counters, or
    // turned down into the rejection grid with its reason; nothing of a
    // rejected row is written.
    void inclusao_data() {
        QTest::addColumn<Linhas>("linhas");
        QTest::addColumn<QStringList>("pessoas");  // stored after VELHO
        QTest::addColumn<QStringList>("servicos"); // stored rotations 1, 2 and 3, by "|"
        QTest::addColumn<Linhas>("recusadas");
        QTest::addColumn<QString>("fimDaLista"); // the end of the last person's line
        const QString v1 = "50 4 2 01/03/24 02/03/24";
        const QString nunca = " 13/05/09 13/05/09";
        QTest::newRow("lista fora de ordem, número repetido")
            << Linhas{{"1", "Sd", "A", "2,1"}, {"1", "Cb", "B", "3"}} << QStringList{"1|Sd|A"}
            << QStringList{v1 + "|1 4 2" + nunca, "1 0 0" + nunca, ""}
            << Linhas{{"1", "Cb", "B", "3", "já incluído no Sistema"}}
            << "A" + QString(24, '_') + "1,2,";
        QTest::newRow("serviços inexistentes")
            << Linhas{{"5", "Sd", "C", "9"},
                      {"6", "Sd", "D", "1,31"},
                      {"7", "Sd", "E", "x"},
                      {"8", "Sd", "F", "0"},
                      {"9", "Cb", "G", "2"}}
            << QStringList{"9|Cb|G"} << QStringList{v1, "9 0 0" + nunca, ""}
            << Linhas{{"5", "Sd", "C", "9", "um dos serviços não existente"},
                      {"6", "Sd", "D", "1,31", "um dos serviços não existente"},
                      {"7", "Sd", "E", "x", "um dos serviços não existente"},
                      {"8", "Sd", "F", "0", "um dos serviços não existente"}}
            << "G" + QString(24, '_') + "2,";
        QTest::newRow("sem serviço, campos em falta, número longo")
            << Linhas{{"10", "Sd", "H", ""},
                      {"11", "", "I", "1"},
                      {"", "Sd", "J", "1"},
                      {"12345", "Sd", "K", "1"},
                      {"1 2", "Sd", "L", "1"}}
            << QStringList{"10|Sd|H"} << QStringList{v1, "", ""}
            << Linhas{{"11", "", "I", "1", "Campos Número, Posto e Nome são obrigatórios"},
                      {"", "Sd", "J", "1", "Campos Número, Posto e Nome são obrigatórios"},
                      {"12345", "Sd", "K", "1", "Número deve ter até 4 dígitos"},
                      {"1 2", "Sd", "L", "1", "Número não pode conter espaços: \"1 2\""}}
            << "_H" + QString(24, '_');
        // The rows are read up to the first without number and name.
        QTest::newRow("linha vazia encerra")
            << Linhas{{"13", "Sd", "M", "3"}, {"", "", "", ""}, {"14", "Sd", "N", "3"}}
            << QStringList{"13|Sd|M"} << QStringList{v1, "", "13 0 0" + nunca} << Linhas{}
            << "M" + QString(24, '_') + "3,";
    }
    void inclusao() {
        QFETCH(Linhas, linhas);
        QFETCH(QStringList, pessoas);
        QFETCH(QStringList, servicos);
        QFETCH(Linhas, recusadas);
        QFETCH(QString, fimDaLista);
        AmbienteTeste a;
        TresServicos(a);
        Tela f(a);
        f.Inclui(linhas);
        QCOMPARE(Pessoas(a), QStringList{"50|Cap|VELHO"} + pessoas);
        for (int sv = 1; sv <= 3; ++sv)
            QCOMPARE(Membros(a, sv).join('|'), servicos[sv - 1]);
        QCOMPARE(f.Le("SGPesAux"), recusadas);
        QVERIFY(f.W("SGPesAux")->isVisible() && f.W("BExecDenovo")->isVisible());
        QVERIFY(f.W("SGPesPcp")->isHidden());
        QCOMPARE(f.Le("SGPesPcp"), Linhas{});
        QCOMPARE(a.Coluna("Basico", "Antig").mid(1), QStringList(pessoas.size(), "9999"));
        // The list shows the duties of the persons registered.
        f.Clica("Excluir militar");
        QVERIFY2(Itens(f.Lista()).last().endsWith(fimDaLista), qPrintable(Itens(f.Lista()).last()));
        QVERIFY(a.dialogos.Textos.isEmpty());
        a.dialogos.EsperaAviso(lembreteAntiguidade);
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    // A number still in the history: Yes registers it, No turns the row down
    // holding its number only.
    void historico_data() {
        QTest::addColumn<bool>("sim");
        QTest::newRow("sim") << true;
        QTest::newRow("não") << false;
    }
    void historico() {
        QFETCH(bool, sim);
        AmbienteTeste a;
        TresServicos(a);
        a.Historico(D(1, 3, 2024), 1, "Of Dia", "3 7 30");
        Tela f(a);
        a.dialogos.EsperaConfirma(sim, "Ainda há o número 7 no Arquivo Histórico. Incluir mesmo "
                                       "assim ?");
        f.Inclui({{"7", "Sd", "COSTA", "1"}, {"8", "Sd", "DIAS", "1"}});
        QCOMPARE(a.Coluna("Basico", "Num"),
                 sim ? QStringList({"50", "7", "8"}) : QStringList({"50", "8"}));
        const Linhas recusadas =
            sim ? Linhas{} : Linhas{{"7", "", "", "", "ainda há esse número em Histórico "}};
        QCOMPARE(f.Le("SGPesAux"), recusadas);
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"3 7 30"}));
        a.dialogos.EsperaAviso(lembreteAntiguidade);
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    // A known spelling, even one longer than a stored rank or with a slash,
    // becomes its standard form without a question. An unknown one is asked once: the
    // choice is taken for every person who wrote it and taught to the models;
    // closing the dialog without a choice keeps the typed rank (cut) and
    // teaches nothing.
    void postos_data() {
        QTest::addColumn<std::optional<QString>>("escolha");
        QTest::addColumn<QString>("guardado");
        QTest::newRow("escolhido") << std::optional<QString>("Sd") << "Sd";
        QTest::newRow("fechado") << std::optional<QString>() << "Soldadi";
    }
    void postos() {
        QFETCH(std::optional<QString>, escolha);
        QFETCH(QString, guardado);
        AmbienteTeste a;
        TresServicos(a);
        const QByteArray modelos = a.Bytes("ModelosPstGrd.Txt");
        Tela f(a);
        QStringList perguntas;
        RoteiroModal roteiro;
        roteiro.Quando("FCorrigePstGrd", Corrige(perguntas, escolha));
        f.Inclui({{"1", "SD", "A", ""},
                  {"2", "Cap Frag", "B", ""},
                  {"3", "Soldadinho", "C", ""},
                  {"5", "S/Ten", "E", ""}});
        if (escolha) {
            QTest::qWait(20); // the script sees the dialog closed before a second one
            f.Inclui({{"4", "Soldadinho", "D", ""}});
        }
        QVERIFY(roteiro.Cumprido());
        QCOMPARE(perguntas, QStringList({"Soldadinho"}));
        QStringList esperado = {"50|Cap|VELHO", "1|Sd|A", "2|CF|B", "3|" + guardado + "|C",
                                "5|ST|E"};
        if (escolha)
            esperado << "4|Sd|D";
        QCOMPARE(Pessoas(a), esperado);
        a.dialogos.EsperaAviso(lembreteAntiguidade);
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
        // The models as the file keeps them: the spelling in the first empty
        // cell of the row of "Sd", or the file untouched.
        if (!escolha) {
            QCOMPARE(a.Bytes("ModelosPstGrd.Txt"), modelos);
            return;
        }
        const ModelosPstGrd m = a.sis->pasta.LeModelosPstGrd();
        int sd = 1;
        while (m.Cells[0][sd] != "Sd")
            ++sd;
        int k = 1;
        while (!m.Cells[k][sd].isEmpty() && m.Cells[k][sd] != "Soldadinho")
            ++k;
        QCOMPARE(m.Cells[k][sd], QStringLiteral("Soldadinho"));
        QCOMPARE(m.Cells[k + 1][sd], QString());
    }

    // Two selected persons leave Basico and every rotation; the list is
    // rebuilt and its first person can be removed in turn. Their history
    // stays.
    void exclusao() {
        AmbienteTeste a;
        TresServicos(a);
        for (const char* num : {"1", "2", "3"})
            a.Militar(num, QStringLiteral("M%1").arg(num));
        a.Membro(1, "1", 4, 2);
        a.Membro(2, "1");
        a.Membro(2, "2");
        a.Membro(3, "3");
        a.Historico(D(1, 3, 2024), 2, "Sgt Dia", "1");
        Tela f(a);
        f.Clica("Excluir militar");
        QCOMPARE(f.Lista()->count(), 5);
        f.Seleciona({2, 3}); // persons 1 and 2
        f.Clica("Button6");
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"50", "3"}));
        QCOMPARE(a.Coluna("Sv1", "Num"), QStringList({"50"}));
        QCOMPARE(a.Coluna("Sv2", "Num"), QStringList());
        QCOMPARE(a.Coluna("Sv3", "Num"), QStringList({"3"}));
        QCOMPARE(f.Lista()->count(), 3);
        QVERIFY(Itens(f.Lista())[2].startsWith("3_"));

        f.Seleciona({1});
        f.Clica("Button6");
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"3"}));
        QCOMPARE(a.Coluna("Sv1", "Num"), QStringList());
        QCOMPARE(Itens(f.Lista()).mid(1),
                 QStringList({"3" + QString(39, '_') + "Sd" + QString(13, '_') + "M3" +
                              QString(23, '_') + "3,"}));
        QCOMPARE(a.Coluna("Hist", "Num"), QStringList({"1"}));
        // The heading is not a person.
        f.Lista()->clearSelection();
        QTest::mouseClick(f.Lista()->viewport(), Qt::LeftButton, {},
                          f.Lista()->visualItemRect(f.Lista()->item(0)).center());
        QCOMPARE(f.Lista()->selectedItems().size(), 0);
        f.Clica("Button4");
        QVERIFY(a.dialogos.Textos.isEmpty());
    }

    // The selected persons come into the work grid; altering only a name
    // keeps the counters, altering the duties gives the entry counters in
    // every duty of the new list and takes the person out of the others.
    void alteracao() {
        AmbienteTeste a;
        TresServicos(a);
        a.Militar("1", "ALVES", 2, "Sd");
        a.Militar("2", "BRITO", 3, "Cb");
        a.Membro(1, "1", 6, 5);
        a.Membro(2, "1", 8, 7);
        a.Membro(2, "2", 3, 1);
        Tela f(a);
        f.Clica("Alterar dados");
        f.Seleciona({3, 2});
        f.Clica("Button5");
        QVERIFY(f.W("SGPesPcp")->isVisible() && f.W("Button7")->isVisible());
        QVERIFY(f.W("ListBox6")->isHidden());
        QCOMPARE(f.Le("SGPesPcp"),
                 Linhas({{"1", "Sd", "ALVES", "1,2"}, {"2", "Cb", "BRITO", "2"}}));

        // The number is not edited here.
        a.dialogos.EsperaAviso("Não é permitido alterar o número");
        ClicaCelula(f.Grade("SGPesPcp"), 0, 0);
        QVERIFY(a.dialogos.ScriptCumprido());
        a.dialogos.Limpa();
        QTest::keyClick(f.Grade("SGPesPcp"), Qt::Key_F2);
        QVERIFY(!f.Grade("SGPesPcp")->viewport()->findChild<QLineEdit*>());

        f.Digita("SGPesPcp", {{"1", "Sd", "ALVES SOUZA", "1,2"}, {"2", "3º Sgt", "BRITO", "3,1"}});
        f.Clica("Button7");
        QCOMPARE(f.Le("SGPesAux"), Linhas{});
        QCOMPARE(Pessoas(a), QStringList({"50|Cap|VELHO", "1|Sd|ALVES SOUZA", "2|3º Sgt|BRITO"}));
        const QString nunca = " 13/05/09 13/05/09";
        QCOMPARE(Membros(a, 1),
                 QStringList({"50 4 2 01/03/24 02/03/24", "1 6 5" + nunca, "2 4 2" + nunca}));
        QCOMPARE(Membros(a, 2), QStringList({"1 8 7" + nunca}));
        QCOMPARE(Membros(a, 3), QStringList({"2 0 0" + nunca}));
        QCOMPARE(f.Le("SGPesPcp"), Linhas{});
        f.Clica("Button4");
        QVERIFY(a.dialogos.Textos.isEmpty()); // no inclusion: no reminder
    }

    // An inclusion that cannot end writes nothing: without the rank models it
    // does not start; with a personnel table that cannot be saved as held,
    // the rotations already written for the new person are undone with it.
    // The rows stay in the work grid for another try.
    void inclusao_sem_gravar_data() {
        QTest::addColumn<QString>("dano");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("sem modelos de postos") << "modelos"
                                               << "ModelosPstGrd.Txt";
        QTest::newRow("pessoal danificado") << "número vazio no pessoal"
                                            << "A tabela Basico não foi gravada";
    }
    void inclusao_sem_gravar() {
        QFETCH(QString, dano);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroPequeno(a);
        if (dano == "modelos")
            QVERIFY(QFile::remove(a.sis->pasta.Caminho("ModelosPstGrd.Txt")));
        else
            DanificaValores(a, dano);
        const auto tabelas = [&a] {
            return QList<QList<QVariantList>>{a.Brutas("Basico"), a.Brutas("Sv1"), a.Brutas("Sv2")};
        };
        const auto antes = tabelas();
        a.dialogos.AceitaAvisos = true; // the load's notice of the damaged row
        Tela f(a);
        const Linhas linhas = {{"77", "Sd", "NOVO", "1,2"}};
        f.Inclui(linhas);
        QVERIFY2(a.dialogos.Textos.join('\n').contains(mensagem),
                 qPrintable(a.dialogos.Textos.join('\n')));
        QCOMPARE(tabelas(), antes);
        QCOMPARE(f.Le("SGPesPcp"), linhas);
        QVERIFY(f.W("SGPesPcp")->isVisible() && f.W("BExecutar")->isVisible());
        a.dialogos.Limpa();
        f.Clica("Button4");
        QVERIFY(a.dialogos.Textos.isEmpty()); // nobody included: no reminder
    }

    // The rejected rows, corrected in the rejection grid, run again through
    // the same operation; what is still wrong is turned down again.
    void executar_de_novo_data() {
        QTest::addColumn<bool>("inclusao");
        QTest::newRow("inclusão") << true;
        QTest::newRow("alteração") << false;
    }
    void executar_de_novo() {
        QFETCH(bool, inclusao);
        AmbienteTeste a;
        TresServicos(a);
        Tela f(a);
        if (inclusao) {
            f.Inclui({{"1", "Sd", "A", "9"}, {"2", "Sd", "B", "1,5"}});
        } else {
            a.Militar("1", "A", 2, "Sd");
            a.Militar("2", "B", 3, "Sd");
            f.Clica("Alterar dados");
            f.Seleciona({2, 3});
            f.Clica("Button5");
            f.Digita("SGPesPcp", {{"1", "Sd", "A", "9"}, {"2", "Sd", "B", "1,5"}});
            f.Clica("Button7");
        }
        QCOMPARE(f.Le("SGPesAux").size(), 2);
        f.Digita("SGPesAux", {{"1", "Sd", "A", "2"}});
        f.Clica("BExecDenovo");
        QCOMPARE(f.Le("SGPesAux"),
                 Linhas({{"2", "Sd", "B", "1,5", "um dos serviços não existente"}}));
        QCOMPARE(f.Le("SGPesPcp"), Linhas{});
        QCOMPARE(a.Coluna("Sv2", "Num"), QStringList({"1"}));
        QCOMPARE(a.Coluna("Sv1", "Num"), QStringList({"50"}));
        QCOMPARE(a.Coluna("Basico", "Num"), QStringList({"50", "1", "2"}).mid(0, inclusao ? 2 : 3));
        if (inclusao)
            a.dialogos.EsperaAviso(lembreteAntiguidade);
        f.Clica("Button4");
        QVERIFY(a.dialogos.ScriptCumprido());
    }
};

REGISTRA_TESTE(TesteTelaPessoalColetivo)
#include "TesteTelaPessoalColetivo.moc"
