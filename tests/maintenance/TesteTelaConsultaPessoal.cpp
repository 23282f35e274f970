#include "base/CoresQt.h"
#include "maintenance/TFListaNumNomes.h"
#include "shell/TFAbaManutencao.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

void Cadastra(AmbienteTeste& a) {
    a.Militar("12", "JOSE SILVA", 1, "Cap");
    a.Militar("7", "SILVA DA SILVA", 2, "Cb");
    a.Militar("1234", "PEDRO", 3, "Sd");
    a.Militar("30", "ANA SOUZA", 4, "Cb");
}

const QStringList ListaCompleta{"12    Cap  JOSE SILVA", "7     Cb  SILVA DA SILVA",
                                "1234  Sd  PEDRO", "30    Cb  ANA SOUZA"};

// The lookup window on its own, shown and active.
struct Tela {
    Tela() {
        Cadastra(a);
        t = std::make_unique<TFListaNumNomes>(*a.sis);
        t->show();
        QVERIFY(QTest::qWaitForWindowActive(t.get()));
    }
    template <typename T = QWidget> T* C(const char* nome) const {
        return Controle<T>(t.get(), QLatin1String(nome));
    }
    QStringList Lista() const { return Itens(C<QListWidget>("ListBox1")); }
    void Clica(const char* nome) { QTest::mouseClick(C(nome), Qt::LeftButton); }
    void Digita(const char* campo, const QString& texto) {
        Clica(campo);
        C<QLineEdit>(campo)->selectAll();
        QTest::keyClicks(C(campo), texto);
    }
    // Opens the rank list with a click on its top line, which marks that rank,
    // then clicks the given ranks.
    void MarcaPostos(const QStringList& postos) {
        auto* l = C<QListWidget>("ListBox2");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        for (const QString& p : postos) {
            const QList<QListWidgetItem*> achados = l->findItems(p, Qt::MatchExactly);
            QCOMPARE(achados.size(), 1);
            l->scrollToItem(achados.first());
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              l->visualItemRect(achados.first()).center());
        }
    }
    QStringList Visiveis() const {
        QStringList v;
        for (const char* nome : {"Label4", "Edit5", "Label3", "Edit4", "Label2", "ListBox2"})
            if (C(nome)->isVisible())
                v << QLatin1String(nome);
        return v;
    }
    QStringList Selecionados() const {
        QStringList s;
        const auto* l = C<QListWidget>("ListBox2");
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->isSelected())
                s << l->item(i)->text();
        return s;
    }
    AmbienteTeste a;
    std::unique_ptr<TFListaNumNomes> t;
};

const QStringList Todos{"Label4", "Edit5", "Label3", "Edit4", "Label2", "ListBox2"};

} // namespace

// The personnel lookup window: its inputs, its searches and who opens it.
class TesteTelaConsultaPessoal : public QObject {
    Q_OBJECT
private slots:
    void ativacao() {
        Tela f;
        QCOMPARE(f.t->windowTitle(), QStringLiteral("Consulta Pessoal"));
        QCOMPARE(f.Lista(), ListaCompleta);
        QCOMPARE(f.C<QPushButton>("Button1")->text(),
                 QStringLiteral("Procurar Número(s), Nome ou Posto(s)"));
        QCOMPARE(f.C<QPushButton>("Button3")->text(),
                 QStringLiteral("Clicar aqui  para ver todos militares"));
        QCOMPARE(f.C<QPushButton>("Button2")->text(), QStringLiteral("Sair"));
        QCOMPARE(f.C<QLabel>("Label4")->text(), QStringLiteral("Número"));
        QCOMPARE(f.C<QLabel>("Label3")->text(), QStringLiteral("Nome"));
        QCOMPARE(f.C<QLabel>("Label2")->text(), QStringLiteral("Posto/Grd"));
        QCOMPARE(f.C("ListBox1")->toolTip(), QStringLiteral("Para selecionar Todos, dê 2 clics"));
        QCOMPARE(f.C<QListWidget>("ListBox1")->palette().color(QPalette::Base),
                 CorDoSlot(f.a.sis->SlotsCores, 6));
        QCOMPARE(Itens(f.C<QListWidget>("ListBox2")), f.a.sis->pasta.LePstGrd());
        QVERIFY(f.Selecionados().isEmpty());
        QCOMPARE(f.Visiveis(), Todos);
        for (const char* nome : {"ListBox1", "Image1", "Button2"})
            QVERIFY2(f.C(nome)->isVisible(), nome);
        const QStringList memo = f.C<QPlainTextEdit>("Memo1")->toPlainText().split('\n');
        QCOMPARE(memo.size(), 27);
        QCOMPARE(memo[1], QStringLiteral("          Como proceder neste formulário:"));
        QCOMPARE(memo[14], QStringLiteral("      botão [Clicar aqui para ver todos militares ]."));
        QCOMPARE(memo[18], QStringLiteral("                    ===  Nota: ===== "));
        QCOMPARE(memo[24], QStringLiteral("botão [ SAIR ]"));
        QVERIFY(memo[25].isEmpty() && memo[26].isEmpty());
        QVERIFY(f.a.dialogos.Textos.isEmpty());
    }

    // Where the operator clicks sets the search mode; the field keeps its text.
    void modos_data() {
        QTest::addColumn<QString>("onde");
        QTest::addColumn<QString>("legenda");
        QTest::addColumn<QStringList>("visiveis");
        QTest::newRow("nome") << "Edit4"
                              << "Procurar Nome" << QStringList{"Label3", "Edit4"};
        QTest::newRow("número") << "Edit5"
                                << "Procurar Numero(s)" << QStringList{"Label4", "Edit5"};
        QTest::newRow("posto") << "ListBox2"
                               << "Procurar Postos/Graduações" << QStringList{"Label2", "ListBox2"};
    }
    void modos() {
        QFETCH(QString, onde);
        QFETCH(QString, legenda);
        QFETCH(QStringList, visiveis);
        Tela f;
        f.C<QLineEdit>("Edit4")->setText("SILVA");
        f.C<QLineEdit>("Edit5")->setText("12");
        auto* postos = f.C<QListWidget>("ListBox2");
        QWidget* alvo = f.C(onde.toLatin1());
        QTest::mouseClick(alvo == postos ? postos->viewport() : alvo, Qt::LeftButton, {},
                          QPoint(5, 5));
        QCOMPARE(f.C<QPushButton>("Button1")->text(), legenda);
        QCOMPARE(f.Visiveis(), visiveis);
        QCOMPARE(f.C<QLineEdit>("Edit4")->text(), QStringLiteral("SILVA"));
        QCOMPARE(f.C<QLineEdit>("Edit5")->text(), QStringLiteral("12"));
        // The rank list opens to all its lines only for the rank search, and
        // shrinks when the mouse leaves it.
        const int linhas = postos->count();
        if (alvo == postos) {
            QVERIFY(postos->height() >= 13 * linhas + 5);
            QVERIFY(postos->visualItemRect(postos->item(linhas - 1)).bottom() <
                    postos->viewport()->height());
            QEvent saida(QEvent::Leave);
            QApplication::sendEvent(postos, &saida);
            QCOMPARE(postos->height(), 18);
        } else {
            QCOMPARE(postos->height(), 21);
        }
    }

    // By keyboard: Tab to the name field and typing there chooses the name search.
    void pelo_teclado() {
        Tela f;
        QCOMPARE(f.t->focusWidget(), f.C("Edit5"));
        QTest::keyClick(f.t->windowHandle(), Qt::Key_Tab);
        QCOMPARE(f.t->focusWidget(), f.C("Edit4"));
        QCOMPARE(f.Visiveis(), Todos);
        for (const char c : QByteArray("PEDRO"))
            QTest::keyClick(f.t->windowHandle(), c);
        QCOMPARE(f.C<QPushButton>("Button1")->text(), QStringLiteral("Procurar Nome"));
        QCOMPARE(f.Visiveis(), QStringList({"Label3", "Edit4"}));
        QCOMPARE(f.C<QLineEdit>("Edit4")->text(), QStringLiteral("PEDRO"));
        QTest::keyClick(f.t->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(f.t->windowHandle(), Qt::Key_Space); // "Procurar Nome"
        QCOMPARE(f.Lista(), QStringList({"1234  Sd  PEDRO"}));
    }

    // 12,7 from the field; then the name field: only the name search runs,
    // though the hidden number field still holds numbers.
    void numero_e_nome() {
        Tela f;
        f.Digita("Edit5", "12,7");
        f.Clica("Button1");
        QCOMPARE(f.Lista(), QStringList({"12      Cap  JOSE SILVA", "7      Cb  SILVA DA SILVA"}));
        f.Digita("Edit4", "PEDRO");
        QVERIFY(f.C("Edit5")->isHidden());
        f.Clica("Button1");
        QCOMPARE(f.Lista(), QStringList({"1234  Sd  PEDRO"}));
        // A second number search reads the field again from its start.
        f.Digita("Edit5", "30");
        f.Clica("Button1");
        f.Clica("Button1");
        QCOMPARE(f.Lista(), QStringList({"30      Cb  ANA SOUZA"}));
        QVERIFY(f.a.dialogos.Textos.isEmpty());
    }

    // Two ranks (and the top one, which nobody holds): the persons of both in
    // record order; afterwards the three inputs come back, the fields empty and
    // the ranks still selected.
    void postos() {
        Tela f;
        f.MarcaPostos({"Cb", "Cap"});
        QCOMPARE(f.C<QPushButton>("Button1")->text(), QStringLiteral("Procurar Postos/Graduações"));
        f.C<QLineEdit>("Edit5")->setText("1234");
        f.Clica("Button1");
        QCOMPARE(f.Lista(), QStringList({"12      Cap  JOSE SILVA", "7      Cb  SILVA DA SILVA",
                                         "30      Cb  ANA SOUZA"}));
        QCOMPARE(f.Visiveis(), Todos);
        QVERIFY(f.C<QLineEdit>("Edit5")->text().isEmpty());
        QCOMPARE(f.C("ListBox2")->height(), 21);
        QCOMPARE(f.Selecionados(), QStringList({"Gen Ex", "Cap", "Cb"}));
        QCOMPARE(f.C<QPushButton>("Button1")->text(), QStringLiteral("Procurar Postos/Graduações"));
    }

    void nada_para_procurar() {
        Tela f;
        f.Clica("Edit4");
        f.a.dialogos.EsperaAviso(
            " Para consultar, você deve preencher um dos campos:\nNumero, Nome ou Posto");
        f.Clica("Button1");
        QVERIFY(f.a.dialogos.ScriptCumprido());
        QCOMPARE(f.Lista(), ListaCompleta);
    }

    // Coming back to the window replaces a search by the full list.
    void reativacao() {
        Tela f;
        f.Digita("Edit4", "PEDRO");
        f.Clica("Button1");
        QCOMPARE(f.Lista().size(), 1);
        QWidget outra;
        outra.show();
        outra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&outra));
        QCOMPARE(f.Lista().size(), 1);
        f.t->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.t.get()));
        QCOMPARE(f.Lista(), ListaCompleta);
        QVERIFY(f.C<QLineEdit>("Edit4")->text().isEmpty());
        QCOMPARE(f.Visiveis(), Todos);
    }

    // A double click selects every line; "Sair" keeps them for the caller.
    void duplo_clique_e_sair() {
        Tela f;
        auto* lista = f.C<QListWidget>("ListBox1");
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {},
                           lista->visualItemRect(lista->item(1)).center());
        QCOMPARE(lista->selectedItems().size(), 4);
        f.Clica("Button2");
        QVERIFY(!f.t->isVisible());
        QCOMPARE(f.t->LinhasSelecionadas(), ListaCompleta);
        QCOMPARE(f.t->NumerosSelecionados(), QStringList({"12", "7", "1234", "30"}));
    }

    // F1 on the main window and on a screen opened from it: the one lookup
    // window beside it, never two.
    void f1() {
        JanelaPrincipal j(Cadastra);
        j.Mostra("TabSheet2");
        TFListaNumNomes* consulta = j.p->FListaNumNomes.get();
        const auto abertas = [] {
            int n = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                n += qobject_cast<TFListaNumNomes*>(w) && w->isVisible();
            return n;
        };
        QTest::keyClick(j.p->AbaManutencao(), Qt::Key_F1);
        QVERIFY(consulta->isVisible());
        QCOMPARE(consulta->parentWidget(), j.p.get());
        QVERIFY(!consulta->isModal());
        QCOMPARE(Itens(Controle<QListWidget>(consulta, "ListBox1")), ListaCompleta);
        QTest::keyClick(j.p.get(), Qt::Key_F1);
        QCOMPARE(abertas(), 1);

        // On a modal screen of the menu: beside it, not blocked by it.
        bool vista = false;
        RoteiroModal roteiro;
        roteiro.Quando("FIncExcInd", [&](QWidget* tela) {
            QTest::keyClick(Controle(tela, "Edit1"), Qt::Key_F1);
            QVERIFY(QTest::qWaitForWindowActive(consulta));
            QTest::qWait(20);
            // A click that goes the platform's way (dropped on a blocked window).
            QWidget* nome = Controle(consulta, "Edit4");
            QTest::mouseClick(consulta->windowHandle(), Qt::LeftButton, {},
                              nome->mapTo(consulta, nome->rect().center()));
            vista = consulta->isVisible() && consulta->parentWidget() == tela &&
                    Controle<QPushButton>(consulta, "Button1")->text() == "Procurar Nome" &&
                    abertas() == 1;
            Controle<QPushButton>(tela, "Button4")->click();
        });
        j.p->AbaManutencao()->ExecutaItem(16);
        QTRY_VERIFY(roteiro.Cumprido());
        QVERIFY(vista);
        // It stays open after the screen closed; F1 on the main window moves it there.
        QTest::keyClick(j.p.get(), Qt::Key_F1);
        QVERIFY(consulta->isVisible());
        QCOMPARE(consulta->parentWidget(), j.p.get());
        QCOMPARE(abertas(), 1);

        // F1 on the lookup itself opens nothing more.
        QTest::keyClick(consulta, Qt::Key_F1);
        QVERIFY(abertas() <= 1);
        QVERIFY(j.a.dialogos.Textos.isEmpty());
    }

    // Shown modally by a caller while it is open beside the main window: the
    // same window, and the caller reads what was left selected.
    void modal() {
        JanelaPrincipal j(Cadastra);
        j.Mostra("TabSheet2");
        TFListaNumNomes* consulta = j.p->FListaNumNomes.get();
        consulta->MostraAoLado(j.p.get());
        RoteiroModal roteiro;
        roteiro.Quando("FListaNumNomes", [](QWidget* w) {
            auto* lista = Controle<QListWidget>(w, "ListBox1");
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                              lista->visualItemRect(lista->item(2)).center());
            QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                              lista->visualItemRect(lista->item(0)).center());
            Controle<QPushButton>(w, "Button2")->click();
        });
        consulta->MostraModal(j.p.get());
        QVERIFY(roteiro.Cumprido());
        QVERIFY(!consulta->isVisible());
        QCOMPARE(consulta->NumerosSelecionados(), QStringList({"12", "1234"}));
    }
};

REGISTRA_TESTE(TesteTelaConsultaPessoal)
#include "TesteTelaConsultaPessoal.moc"
