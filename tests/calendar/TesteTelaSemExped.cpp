#include "calendar/TFSemExped.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

const QString semExped = QStringLiteral("SemExped.Txt");
const QString periodo = QStringLiteral("DataIniFim.Txt");

// The red-day screen over an installation whose last roster date is Thursday
// 07/03/24 and whose period ends on Friday 08/03/24.
struct Tela {
    explicit Tela(const QStringList& vermelhos = {}) {
        a.sis->UltimaEscala = D(7, 3, 2024);
        a.sis->pasta.GravaUltimaEscala(D(7, 3, 2024));
        a.sis->pasta.GravaDataIniFim(D(7, 3, 2024), D(8, 3, 2024));
        a.sis->pasta.GravaLinhas(semExped, vermelhos);
        t = std::make_unique<TFSemExped>(*a.sis);
        t->show();
    }
    template <typename T = QWidget> T* c(const char* nome) const {
        return Controle<T>(t.get(), nome);
    }
    void Clica(const char* nome) const { c<QAbstractButton>(nome)->click(); }
    QStringList Vermelhos() const { return a.sis->pasta.LeLinhas(semExped); }
    void Digita(int linha, const QString& texto) const {
        c<QTableWidget>("StringGrid1")->setItem(linha, 0, new QTableWidgetItem(texto));
    }
    QStringList Listados() const { return Itens(c<QListWidget>("ListBox1")); }

    AmbienteTeste a;
    std::unique_ptr<TFSemExped> t;
};

QStringList Datas(Data inicio, int quantos) {
    QStringList datas;
    for (int i = 0; i < quantos; ++i)
        datas << (inicio + i).Texto();
    return datas;
}

QString PerguntaSair(const QString& ini, const QString& fim) {
    return "       Você incluiu um novo período de " + ini + " até " + fim +
           ".\n\nO Sistema gravou os sábados e domingos, mas os demais dias sem expediente "
           "também devem ser incluídos. Use a opção __Incluir dia na Escala Vermelha\n\n"
           "             Incluir agora = YES                   Não Incluir = NO";
}

} // namespace

// The red-day screen driven as the operator does.
class TesteTelaSemExped : public QObject {
    Q_OBJECT
private slots:
    void controles_e_ativacao() {
        Tela t;
        QCOMPARE(t.t->windowTitle(), QStringLiteral("Escala Vermelha"));
        QVERIFY(!(t.t->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(t.c<QLabel>("Label1")->text(), QStringLiteral("Dia Inicial"));
        QCOMPARE(t.c<QLabel>("Label3")->text(), QStringLiteral("Dia Final"));
        QCOMPARE(t.c<QLabel>("Label2")->text(), QStringLiteral("Feriados"));
        QCOMPARE(t.c<QLineEdit>("Edit2")->text(), QStringLiteral("07/03/24"));
        QVERIFY(!t.c("Edit2")->isEnabled());
        QCOMPARE(t.c<QLineEdit>("Edit1")->text(), QStringLiteral("08/03/24"));
        const QList<std::pair<const char*, QString>> botoes{
            {"Button1", "Incluir Automático"},
            {"Button2", "Sair"},
            {"Button3", "Incluir"},
            {"Button4", "Excluir"},
            {"RadioButton1", "Incluir dia  na Escala Vermelha"},
            {"RadioButton2", "Excluir dia da Escala Vermelha"},
            {"RadioButton3", "Listar dias de Escala Vermelha"}};
        for (const auto& [nome, texto] : botoes)
            QCOMPARE(t.c<QAbstractButton>(nome)->text(), texto);
        QCOMPARE(
            t.c<QPlainTextEdit>("Memo1")->toPlainText().split('\n'),
            QStringList({"  - Inclusão automá-", "tica de  Sábados  e", "Domingos.", "",
                         "  - Os   demais   dias", "de Escala  Vermelha", "(feriados  e dias sem",
                         "expediente) deverão", "ser incluídos usando", "o painel ao lado."}));
        QCOMPARE(t.c<QPlainTextEdit>("Memo2")->toPlainText().split('\n'),
                 QStringList({"   - Inclusão / Exclusão Manual de dias de ",
                              " Escala  Vermelha  ( feriados  e dias  sem ", " expediente) "}));
        const auto* grade = t.c<QTableWidget>("StringGrid1");
        QCOMPARE(grade->columnCount(), 1);
        QCOMPARE(grade->rowCount(), 20);
        QCOMPARE(t.c<QListWidget>("ListBox1")->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
        for (const char* nome : {"Button3", "Button4", "StringGrid1", "ListBox1"})
            QVERIFY2(t.c(nome)->isHidden(), nome);

        // What each choice shows.
        t.Clica("RadioButton1");
        QVERIFY(t.c("StringGrid1")->isVisible() && t.c("Button3")->isVisible());
        QVERIFY(t.c("ListBox1")->isHidden());
        t.Clica("RadioButton2");
        QVERIFY(t.c("ListBox1")->isVisible() && t.c("Button4")->isVisible());
        QVERIFY(t.c("StringGrid1")->isHidden() && t.c("Button3")->isHidden());
        t.Clica("RadioButton3");
        QVERIFY(t.c("ListBox1")->isVisible());
        QVERIFY(t.c("Button4")->isHidden() && t.c("Button3")->isHidden());

        // Neither Esc nor a close request leaves the screen.
        QTest::keyClick(t.t.get(), Qt::Key_Escape);
        t.t->close();
        QVERIFY(t.t->isVisible());
        t.Clica("Button2");
        QVERIFY(!t.t->isVisible());
        QVERIFY(t.a.dialogos.ScriptCumprido());
    }

    // From a period ending on Friday to Monday: the weekend between, and the
    // question on the way out (Yes stays, No leaves).
    void extensao_sexta_a_segunda_e_sair() {
        Tela t;
        t.c<QLineEdit>("Edit1")->setText("11/03/24");
        t.Clica("Button1");
        QCOMPARE(t.Vermelhos(), QStringList({"09/03/24", "10/03/24"}));
        QCOMPARE(t.a.sis->pasta.LeLinhas(periodo), QStringList({"07/03/24", "11/03/24"}));
        QCOMPARE(t.t->Estado().ExtensaoPendente, QStringLiteral("S"));
        // Pressed again: the same weekend is not written twice.
        t.Clica("Button1");
        QCOMPARE(t.Vermelhos(), QStringList({"09/03/24", "10/03/24"}));
        t.Clica("RadioButton3");
        QCOMPARE(t.Listados(), QStringList({"09/03/24", "10/03/24"}));

        t.a.dialogos.EsperaConfirma(true, PerguntaSair("07/03/24", "11/03/24"));
        t.Clica("Button2");
        QVERIFY(t.t->isVisible());
        t.a.dialogos.EsperaConfirma(false);
        t.Clica("Button2");
        QVERIFY(!t.t->isVisible());
        QVERIFY(t.a.dialogos.ScriptCumprido());
        QCOMPARE(t.a.dialogos.Textos.first(), PerguntaSair("07/03/24", "11/03/24"));

        // A new activation starts without a pending extension.
        t.t->show();
        QCOMPARE(t.t->Estado().ExtensaoPendente, QStringLiteral("N"));
        QCOMPARE(t.c<QLineEdit>("Edit1")->text(), QStringLiteral("11/03/24"));
    }

    void sair_depois_da_inclusao_manual() {
        Tela t;
        t.c<QLineEdit>("Edit1")->setText("11/03/24");
        t.Clica("Button1");
        t.Clica("RadioButton1");
        t.Digita(0, "29/03/24");
        t.Clica("Button3");
        QCOMPARE(t.t->Estado().ExtensaoPendente, QStringLiteral("N"));
        t.Clica("Button2");
        QVERIFY(!t.t->isVisible());
        QVERIFY(t.a.dialogos.Textos.isEmpty());
    }

    // Typed twice, or typed although listed: one line each. Bad cells are
    // announced one by one and skipped.
    void inclusao_sem_repetidos_e_celulas_invalidas() {
        Tela t({"09/03/24", "10/03/24"});
        t.Clica("RadioButton1");
        t.Digita(0, "29/03/24");
        t.Digita(2, "abc");
        t.Digita(3, "29/3/2024");
        t.Digita(5, "09/03/24");
        t.Digita(19, "32/03/24");
        t.a.dialogos.EsperaAviso("abc >>> Data inválida").EsperaAviso("32/03/24 >>> Data inválida");
        t.Clica("Button3");
        QVERIFY(t.a.dialogos.ScriptCumprido());
        QCOMPARE(t.a.dialogos.Textos,
                 QStringList({"abc >>> Data inválida", "32/03/24 >>> Data inválida"}));
        QCOMPARE(t.Vermelhos(), QStringList({"09/03/24", "10/03/24", "29/03/24"}));
        const auto* grade = t.c<QTableWidget>("StringGrid1");
        QVERIFY(grade->isHidden() && t.c("Button3")->isHidden());
        for (int r = 0; r < 20; ++r)
            QVERIFY(!grade->item(r, 0) || grade->item(r, 0)->text().isEmpty());
    }

    void inclusao_sem_datas_nada_muda() {
        Tela t({"10/03/24", "09/03/24"});
        const QByteArray antes = t.a.Bytes(semExped);
        t.Clica("RadioButton1");
        t.Digita(4, "xx");
        t.a.dialogos.EsperaAviso("xx >>> Data inválida")
            .EsperaAviso("    Para incluir datas na Escala Vermelha você deverá \nprimeiramente "
                         "digitá-las na grade ");
        t.Clica("Button3");
        QVERIFY(t.a.dialogos.ScriptCumprido());
        QCOMPARE(t.a.dialogos.Textos.last(),
                 QStringLiteral("    Para incluir datas na Escala Vermelha você deverá "
                                "\nprimeiramente digitá-las na grade "));
        QCOMPARE(t.a.Bytes(semExped), antes);
        QVERIFY(t.c("StringGrid1")->isVisible());
    }

    // 120 red days: the listing shows the earliest 100; an inclusion keeps all.
    void listagem_limitada_a_100() {
        QStringList datas = Datas(D(1, 3, 2024), 120);
        std::reverse(datas.begin(), datas.end());
        Tela t(datas);
        t.Clica("RadioButton3");
        QCOMPARE(t.Listados(), Datas(D(1, 3, 2024), 100));

        t.Clica("RadioButton1");
        t.Digita(0, "01/01/25");
        t.Clica("Button3");
        QCOMPARE(t.Vermelhos(), Datas(D(1, 3, 2024), 120) << "01/01/25");
    }

    void exclusao_dos_escolhidos() {
        Tela t(Datas(D(11, 3, 2024), 10));
        t.Clica("RadioButton2");
        auto* lista = t.c<QListWidget>("ListBox1");
        QCOMPARE(lista->count(), 10);
        t.a.dialogos.EsperaAviso(
            "    Para excluir datas da Escala Vermelha você deverá \nprimeiramente "
            "selecioná-las na lista ");
        t.Clica("Button4");
        QVERIFY(t.a.dialogos.ScriptCumprido());
        QCOMPARE(t.Vermelhos(), Datas(D(11, 3, 2024), 10));

        for (int i : {1, 4, 7})
            lista->item(i)->setSelected(true);
        t.Clica("Button4");
        QStringList restantes = Datas(D(11, 3, 2024), 10);
        for (const char* tirada : {"18/03/24", "15/03/24", "12/03/24"})
            restantes.removeOne(tirada);
        QCOMPARE(t.Vermelhos(), restantes);
        QCOMPARE(t.Listados(), restantes);
        QVERIFY(t.a.dialogos.ScriptCumprido());
    }

    // A field that is not a date stops the extension (Edit1 first); nothing is
    // written and "Sair" closes at once.
    void datas_invalidas_data() {
        QTest::addColumn<QString>("fim");
        QTest::addColumn<QString>("inicio");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("fim inexistente") << "31/02/24"
                                         << "07/03/24"
                                         << "31/02/24 >>> Data inválida";
        QTest::newRow("fim vazio") << ""
                                   << "07/03/24"
                                   << " >>> Data inválida";
        QTest::newRow("inicio") << "11/03/24"
                                << "7-3-24"
                                << "7-3-24 >>> Data inválida";
        QTest::newRow("os dois") << "11/3/2o24"
                                 << "x"
                                 << "11/3/2o24 >>> Data inválida";
    }
    void datas_invalidas() {
        QFETCH(QString, fim);
        QFETCH(QString, inicio);
        QFETCH(QString, mensagem);
        Tela t({"02/03/24"});
        const QByteArray vermelhos = t.a.Bytes(semExped);
        const QByteArray dias = t.a.Bytes(periodo);
        t.c<QLineEdit>("Edit1")->setText(fim);
        t.c<QLineEdit>("Edit2")->setText(inicio);
        t.a.dialogos.EsperaAviso(mensagem);
        t.Clica("Button1");
        QCOMPARE(t.a.dialogos.Textos, QStringList({mensagem}));
        QCOMPARE(t.a.Bytes(semExped), vermelhos);
        QCOMPARE(t.a.Bytes(periodo), dias);
        t.Clica("Button2");
        QVERIFY(!t.t->isVisible());
        QVERIFY(t.a.dialogos.ScriptCumprido());
    }

    // The national holidays of the period, beside the automatic inclusion; the
    // list shown follows.
    void feriados_nacionais() {
        Tela t({"09/03/24"});
        t.a.sis->pasta.GravaDataIniFim(D(7, 3, 2024), D(30, 4, 2024));
        t.Clica("RadioButton3");
        t.a.dialogos.EsperaAviso("Feriados incluídos na Escala Vermelha (2)");
        t.Clica("BFeriadosNacionais");
        QVERIFY2(t.a.dialogos.ScriptCumprido(), qPrintable(t.a.dialogos.Textos.join(" | ")));
        const QStringList esperados{"09/03/24", "29/03/24", "21/04/24"};
        QCOMPARE(t.Vermelhos(), esperados);
        QCOMPARE(t.Listados(), esperados);
        QCOMPARE(t.c<QPushButton>("BFeriadosNacionais")->text(),
                 QStringLiteral("Incluir Feriados Nacionais"));
    }
};

REGISTRA_TESTE(TesteTelaSemExped)
#include "TesteTelaSemExped.moc"
