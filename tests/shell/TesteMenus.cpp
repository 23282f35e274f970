#include "base/CoresQt.h"
#include "base/Falha.h"
#include "calendar/TFSemExped.h"
#include "shell/Inicio.h"
#include "shell/TFAbaConsultas.h"
#include "shell/TFAbaManutencao.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

// The main window on a fresh installation, shown on the "Manutenção" tab.
struct Janela : JanelaPrincipal {
    explicit Janela(const QString& aba = QStringLiteral("TabSheet2")) {
        aba1 = p->AbaManutencao();
        Mostra(aba, false);
    }

    template <typename T = QWidget> T* Controle(const QString& nome) const {
        return ::Controle<T>(p.get(), nome);
    }
    bool Visivel(const QString& nome) const { return Controle(nome)->isVisible(); }
    void Executa(const QString& texto) {
        Controle<QLineEdit>("Edit8")->setText(texto);
        QTest::mouseClick(Controle<QPushButton>("Button1"), Qt::LeftButton);
    }
    void Clica(const QString& rotulo) { QTest::mouseClick(Controle(rotulo), Qt::LeftButton); }
    QStringList Lista() const { return Itens(Controle<QListWidget>("ListBox1")); }
    QColor CorLista() const {
        return Controle<QListWidget>("ListBox1")->palette().color(QPalette::Base);
    }

    TFAbaManutencao* aba1 = nullptr;
};

// A second connection to a database file: its data version moves when another
// connection commits a change.
class Espia {
public:
    explicit Espia(const QString& arquivo) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "espia");
        db.setDatabaseName(arquivo);
        QVERIFY(db.open());
    }
    ~Espia() { QSqlDatabase::removeDatabase("espia"); }
    qint64 Versao() const {
        QSqlQuery q(QSqlDatabase::database("espia"));
        if (!q.exec("PRAGMA data_version") || !q.next())
            return -1;
        return q.value(0).toLongLong();
    }
};

} // namespace

// The "Manutenção" and "Consultas" tabs and the items the shell carries out.
class TesteMenus : public QObject {
    Q_OBJECT
private slots:
    void linhas_dos_itens_data() {
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("pagina"); // 0: never visible
        QTest::addColumn<QString>("dica");
        const QString chegada = "Militar recém chegado: inclusão ou deixando a OM: exclusão";
        QTest::newRow("1") << "Label13"
                           << "1. Criar/Alterar os diferentes Serviços (Of Dia, Sgt Dia, Plantão, "
                              "etc)"
                           << 1 << "";
        QTest::newRow("2")
            << "Label2"
            << "2. Inclusão/Exclusão/Alteração de militares no Sistema e/ou nos Serviços;" << 1
            << chegada;
        QTest::newRow("3") << "Label29"
                           << "3. Ordenar Antiguidade" << 1 << "";
        QTest::newRow("4") << "Label60"
                           << "4. Reorganizar as \"Folgas\" dos militares" << 1 << "";
        QTest::newRow("5") << "Label17"
                           << "5. Reiniciar o Sistema" << 1
                           << "Irá limpar todos os arquivos do sistema";
        QTest::newRow("6") << "Label8"
                           << "6. Alongar período de escalação e cadastrar Escalas Vermelhas  "
                              "(dias sem expediente);"
                           << 1 << "";
        QTest::newRow("7")
            << "Label12"
            << "7. Excluir do Histórico registros anteriores a determinado dia (exclusive);" << 1
            << "Elimina registros antigos liberando espaço no Banco de Dados";
        QTest::newRow("8") << "Label35"
                           << "8. Desfazer escalação a partir de determinado dia (inclusive);" << 1
                           << "";
        QTest::newRow("9") << "Label14"
                           << "9. Quadro Modelo com as formas de escrita dos Postos e Graduações."
                           << 1 << "";
        QTest::newRow("10") << "Label4"
                            << "10. Retirar militar de todas as escalas temporariamente (férias, "
                               "dispensa, baixa hospitalar, etc);"
                            << 1 << "";
        QTest::newRow("11") << "Label5"
                            << "11. Retornar militar para todas as escalas (retorno de férias, de "
                               "dispensa, alta hospitalar, etc);"
                            << 1 << "";
        QTest::newRow("12") << "Label38"
                            << "12. Consulta e Alteração dos Arquivos do Sistema (de Pessoal  e "
                               "dos Serviços);   "
                            << 1 << "";
        QTest::newRow("13") << "Label15"
                            << "13. Preenchimento da Capa do Sistema" << 1 << "";
        QTest::newRow("14") << "Label18"
                            << "14. Cópia de Segurança" << 1 << "";
        QTest::newRow("15") << "Label61"
                            << "15. Mais ....." << 1 << "";
        QTest::newRow("16")
            << "Label1"
            << "16. Inclusão/Exclusão (individual) de militar no Sistema e/ou em Serviços;  " << 2
            << chegada;
        QTest::newRow("17") << "Label63"
                            << "17. Perguntas mais  frequentes" << 2 << "";
        QTest::newRow("18") << "Label10"
                            << "18. Relação dos militares CADASTRADOS no SISTEMA mas que não "
                               "estão em nehuma escala;"
                            << 2 << "";
        QTest::newRow("19") << "Label11"
                            << "19. Relação dos militares NÃO CADASTRADOS no SISTEMA mas que "
                               "estão em alguma escala;"
                            << 2 << "";
        QTest::newRow("20") << "Label6"
                            << "20. Reequilibrar Escalas (caso não haja equilíbrio entre as "
                               "quantidades de serviços dos militares);"
                            << 2 << "";
        QTest::newRow("21") << "Label22"
                            << "21. Alterar as cores dos Formulários e Grades" << 2 << "";
        QTest::newRow("22") << "Label28"
                            << "22. Manual do Sistema" << 2 << "";
        QTest::newRow("23") << "Label62"
                            << "23. Voltar ..." << 2 << "";
        QTest::newRow("17 oculto") << "Label3"
                                   << "17. Cálculo automático das prioridades entre os serviços;"
                                   << 0 << "Para atualização manual, usar a opção 7.";
    }
    void linhas_dos_itens() {
        QFETCH(QString, rotulo);
        QFETCH(QString, texto);
        QFETCH(int, pagina);
        QFETCH(QString, dica);
        Janela j;
        auto* l = j.Controle<QLabel>(rotulo);
        QCOMPARE(l->text(), texto);
        QCOMPARE(l->toolTip(), dica);
        for (int mostrada : {1, 2}) {
            j.aba1->MostraPagina(mostrada);
            QCOMPARE(l->isVisible(), pagina == mostrada);
        }
        QCOMPARE(j.Controle<QPushButton>("Button1")->text(), QStringLiteral("Executar Item"));
    }

    void paginas() {
        Janela j;
        auto pagina1 = [&] {
            return j.Visivel("Label13") && j.Visivel("Label61") && !j.Visivel("Label1") &&
                   !j.Visivel("Label62") && !j.Visivel("ListBox1");
        };
        auto pagina2 = [&] {
            return !j.Visivel("Label13") && !j.Visivel("Label61") && j.Visivel("Label1") &&
                   j.Visivel("Label62") && j.Visivel("ListBox1");
        };
        QVERIFY(pagina1());
        j.Executa("15");
        QVERIFY(pagina2());
        QCOMPARE(j.Controle<QLineEdit>("Edit8")->text(), QStringLiteral("15"));
        j.Executa("23");
        QVERIFY(pagina1());
        j.Clica("Label61");
        QVERIFY(pagina2());
        j.Clica("Label62");
        QVERIFY(pagina1());

        // Coming back to the tab always shows page 1.
        j.Clica("Label61");
        j.p->Paginas()->setCurrentIndex(0);
        j.p->Paginas()->setCurrentWidget(j.Controle("TabSheet2"));
        QVERIFY(pagina1());
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    // A typed number runs the item as its line's click, whichever page shows;
    // 17 runs the priority calculation instead of line 17.
    void executar_item() {
        Janela j;
        QList<int> executados;
        for (int n = 1; n <= TFAbaManutencao::NumItens; ++n)
            if (n != 15 && n != 23)
                j.aba1->DefineAcao(n, [&executados, n] { executados << n; });
        j.aba1->DefineAcaoPrioridades([&executados] { executados << 0; });

        j.Executa("17");
        QCOMPARE(executados, QList<int>({0}));
        j.Executa("15");
        j.Clica("Label63");
        QCOMPARE(executados, QList<int>({0, 17}));
        QVERIFY(!j.Visivel("Label3"));

        // Page 2 visible: item 3 of page 1 still runs; an item that does not
        // close the list keeps it, one that does hides it first.
        j.Executa("3");
        j.Executa("20");
        QVERIFY(j.Visivel("ListBox1"));
        j.Executa(" 16 ");
        QVERIFY(!j.Visivel("ListBox1"));
        QCOMPARE(executados, QList<int>({0, 17, 3, 20, 16}));
        QCOMPARE(j.Controle<QLineEdit>("Edit8")->text(), QStringLiteral(" 16 "));

        // An item with nothing attached does nothing, not even hiding the list.
        j.aba1->DefineAcao(16, nullptr);
        j.Executa("23");
        j.Executa("15");
        j.Executa("16");
        QVERIFY(j.Visivel("ListBox1"));
        QCOMPARE(executados, QList<int>({0, 17, 3, 20, 16}));
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    void executar_item_recusado_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazio")
            << ""
            << "Digitar o número do item desejado\r ou clicar ao longo da linha do item";
        QTest::newRow("letras") << "abc"
                                << "\"abc\"";
        QTest::newRow("número e letra") << "7a"
                                        << "\"7a\"";
        QTest::newRow("fração") << "1.5"
                                << "\"1.5\"";
        QTest::newRow("só brancos") << "  "
                                    << "\"  \"";
        // A number outside 1..23 is said so too.
        QTest::newRow("zero")
            << "0"
            << "\"0\" não é um número de item válido.\nDigite um número de 1 a 23.";
        QTest::newRow("24")
            << "24"
            << "\"24\" não é um número de item válido.\nDigite um número de 1 a 23.";
        QTest::newRow("negativo") << "-3"
                                  << "\"-3\"";
    }
    void executar_item_recusado() {
        QFETCH(QString, texto);
        QFETCH(QString, mensagem);
        Janela j;
        int executados = 0;
        for (int n = 1; n <= TFAbaManutencao::NumItens; ++n)
            j.aba1->DefineAcao(n, [&executados] { ++executados; });
        j.aba1->DefineAcaoPrioridades([&executados] { ++executados; });
        if (!mensagem.isEmpty())
            j.a.dialogos.EsperaAviso(mensagem);
        j.Executa(texto);
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QCOMPARE(j.a.dialogos.Textos.size(), 1);
        if (texto.isEmpty() || mensagem.contains('\n'))
            QCOMPARE(j.a.dialogos.Textos.first(), mensagem);
        QCOMPARE(executados, 0);
        QVERIFY(j.Visivel("Label13"));
        QCOMPARE(j.Controle<QLineEdit>("Edit8")->text(), texto);
    }

    // Item 7 keeps the records of the day given, however its date is written.
    void apaga_historico_data() {
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QStringList>("ficam");
        const QStringList desde10 = {"2024-03-10", "2024-03-11"};
        QTest::newRow("dd/mm/aa") << "10/03/24" << desde10;
        QTest::newRow("dd/mm/aaaa") << "10/03/2024" << desde10;
        QTest::newRow("d/m/aa") << "10/3/24" << desde10;
        QTest::newRow("ano 99 é 1999")
            << "01/01/99" << QStringList{"2024-03-09", "2024-03-10", "2024-03-11"};
    }
    void apaga_historico() {
        QFETCH(QString, resposta);
        QFETCH(QStringList, ficam);
        Janela j;
        j.a.Historico(D(1, 1, 1998), 1, "Of Dia", "12");
        j.a.Historico(D(9, 3, 2024), 1, "Of Dia", "12");
        j.a.Historico(D(10, 3, 2024), 1, "Of Dia", "12 7");
        j.a.Historico(D(11, 3, 2024), 2, "Sgt Dia", "7");
        j.Executa("15"); // the item runs from page 2 too, and closes the list
        j.a.dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(resposta, "Apagar registros antigos");
        j.Executa("7");
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QCOMPARE(j.a.dialogos.Textos,
                 QStringList({"                                                 CUIDADO !\n\n"
                              "Esta opção irá eliminar os dados do Arquivo Histórico anteriores "
                              "a  determinada Data\nSe você tiver dúvidas, melhor clicar em "
                              "CANCEL",
                              "Apagar registros antigos | Primeiro dia que permacecerá no "
                              "Histórico (dd/mm/aa): "}));
        QCOMPARE(j.a.Coluna("Hist", "Dia"), ficam);
        QVERIFY(!j.Visivel("ListBox1"));
    }

    void apaga_historico_recusado_data() {
        QTest::addColumn<bool>("cancela");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<QString>("mensagem"); // empty: none
        QTest::newRow("cancelar") << true << ""
                                  << "";
        QTest::newRow("vazia") << false << ""
                               << "";
        QTest::newRow("dia inexistente") << false << "31/02/24"
                                         << "31/02/24 >>> Data inválida";
        QTest::newRow("texto") << false << "ontem"
                               << "ontem >>> Data inválida";
        QTest::newRow("ano de 3 dígitos") << false << "10/03/202"
                                          << "10/03/202 >>> Data inválida";
    }
    void apaga_historico_recusado() {
        QFETCH(bool, cancela);
        QFETCH(QString, resposta);
        QFETCH(QString, mensagem);
        Janela j;
        j.a.Historico(D(9, 3, 2020), 1, "Of Dia", "12");
        j.a.Historico(D(9, 3, 2024), 1, "Of Dia", "12");
        j.a.dialogos.EsperaAviso("CUIDADO !")
            .EsperaPergunta(cancela ? std::nullopt : std::optional<QString>(resposta));
        if (!mensagem.isEmpty())
            j.a.dialogos.EsperaAviso(mensagem);
        j.Clica("Label12");
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QCOMPARE(j.a.dialogos.Textos.size(), mensagem.isEmpty() ? 2 : 3);
        if (!mensagem.isEmpty())
            QCOMPARE(j.a.dialogos.Textos.last(), mensagem);
        QCOMPARE(j.a.Coluna("Hist", "Dia"), QStringList({"2020-03-09", "2024-03-09"}));
    }

    void fora_das_escalas() {
        Janela j;
        j.a.Servico(1, "Of Dia");
        j.a.Servico(2, "Sgt Dia");
        for (const char* num : {"12", "7", "45", "30"})
            j.a.Militar(num, QStringLiteral("MIL %1").arg(num));
        j.a.Membro(1, "12");
        j.a.Membro(2, "45");
        j.a.Membro(2, "12");
        j.a.Membro(5, "30"); // rotation of a duty that is not defined
        j.Executa("18");
        QCOMPARE(j.Lista(), QStringList({"30", "7"}));
        QVERIFY(j.Visivel("ListBox1"));
        QCOMPARE(j.CorLista(), CorDoSlot(j.a.sis->SlotsCores, 6));

        j.a.Membro(1, "7");
        j.a.Membro(2, "30");
        j.Clica("Label61");
        j.Clica("Label10");
        QCOMPARE(j.Lista(), QStringList({"  Não há Registros"}));
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    void nao_cadastrados() {
        Janela j;
        j.a.Servico(1, "Of Dia");
        j.a.Servico(2, "Sgt Dia");
        j.a.Militar("12", "FULANO");
        j.a.Militar("45", "BELTRANO");
        j.a.Membro(1, "77", 1, 1);
        j.a.Membro(1, "12", 2, 0, "05/03/24");
        j.a.Membro(2, "12", 4, 5, "01/03/24", "02/03/24");
        j.a.Membro(2, "77", 3, 3);
        j.a.Membro(2, "45", 6, 2);
        // A row left in memory by an earlier load is not taken for the table's.
        j.a.sis->Grades.GradeSv[2].DefineCel(0, 4, "99");
        j.Executa("19");
        QCOMPARE(j.Lista(), QStringList({"77", "77"}));
        QCOMPARE(j.CorLista(), CorDaPaleta(3));
        QCOMPARE(j.a.Linhas("Sv1"), QList<QStringList>({{"12", "2", "0", "05/03/24", "13/05/09"}}));
        QCOMPARE(j.a.Linhas("Sv2"), QList<QStringList>({{"12", "4", "5", "01/03/24", "02/03/24"},
                                                        {"45", "6", "2", "13/05/09", "13/05/09"}}));

        // Nothing to report: the line alone, and no table is written.
        {
            const Espia espia(j.a.sis->dm.Arquivo(Banco::Principal));
            const qint64 antes = espia.Versao();
            j.Executa("19");
            QCOMPARE(j.Lista(), QStringList({" Não há Registros"}));
            QCOMPARE(espia.Versao(), antes);
            // The spy does see a write.
            j.a.Militar("88", "CICRANO");
            QVERIFY(espia.Versao() != antes);
        }
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    void aviso_do_manual() {
        Janela j;
        j.a.dialogos.EsperaAviso("               Para obter o Manual do Sistema:");
        j.Executa("22");
        QVERIFY(j.a.dialogos.ScriptCumprido());
        const QString texto = j.a.dialogos.Textos.first();
        QVERIFY(texto.contains("https://tarvolim.org/manual"));
        QVERIFY(texto.endsWith("\n2. na tela :  clicar em qualquer local do painel que estiver "
                               "aberto no momento"));
    }

    // After the backup screen: the last roster date on the automatic tab and
    // the roster period in the red-day screen's fields.
    void depois_da_copia() {
        Janela j;
        j.a.sis->pasta.GravaUltimaEscala(D(5, 3, 2024));
        j.a.sis->pasta.GravaDataIniFim(D(6, 3, 2024), D(30, 6, 2024));
        j.aba1->AtualizaDepoisDaCopia();
        QCOMPARE(j.a.sis->UltimaEscala, D(5, 3, 2024));
        QCOMPARE(j.Controle<QLabel>("LUltimaEscala")->text(), QStringLiteral("05/03/24"));
        QCOMPARE(::Controle<QLineEdit>(j.p->FSemExped.get(), "Edit2")->text(),
                 QStringLiteral("06/03/24"));
        QCOMPARE(::Controle<QLineEdit>(j.p->FSemExped.get(), "Edit1")->text(),
                 QStringLiteral("30/06/24"));

        j.a.sis->pasta.GravaLinhas("Escala.Txt", {"amanhã"});
        j.a.dialogos.EsperaAviso("amanhã");
        j.aba1->AtualizaDepoisDaCopia();
        QVERIFY(j.a.dialogos.ScriptCumprido());
        QCOMPARE(::Controle<QLineEdit>(j.p->FSemExped.get(), "Edit1")->text(),
                 QStringLiteral("30/06/24"));
    }

    void consultas_data() {
        QTest::addColumn<QString>("rotulo");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("item");
        QTest::newRow("1") << "Label33"
                           << "1.  Consultas ao Arquivo Histórico dos Serviços" << 1;
        QTest::newRow("2")
            << "Label34"
            << "2.  Quantidades de Serviços tirados pelos militares em determinado tempo " << 2;
        QTest::newRow("3") << "Label9"
                           << "3.  Relações dos militares que concorrem a cada um dos Serviços."
                           << 3;
        QTest::newRow("4") << "LabelRegistro"
                           << "4.  Registro das alterações do cadastro (escalações, trocas, "
                              "reinícios...)"
                           << 4;
    }
    void consultas() {
        QFETCH(QString, rotulo);
        QFETCH(QString, texto);
        QFETCH(int, item);
        Janela j(QStringLiteral("TabSheet1"));
        QCOMPARE(j.Controle<QLabel>(rotulo)->text(), texto);
        QList<int> executados;
        for (int n = 1; n <= TFAbaConsultas::NumItens; ++n)
            j.p->AbaConsultas()->DefineAcao(n, [&executados, n] { executados << n; });
        j.Clica(rotulo);
        QCOMPARE(executados, QList<int>({item}));
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    // A failing action is shown and the tab stays usable.
    void acao_que_falha() {
        Janela j;
        j.aba1->DefineAcao(3, [] { throw Falha("tabela trancada"); });
        j.a.dialogos.EsperaAviso("tabela trancada");
        j.Clica("Label29");
        QVERIFY(j.a.dialogos.ScriptCumprido());
        j.Executa("15");
        QVERIFY(j.Visivel("Label1"));
    }
};

REGISTRA_TESTE(TesteMenus)
#include "TesteMenus.moc"
