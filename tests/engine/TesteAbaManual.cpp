#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAbaEscalarManual.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/CasosManual.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

namespace {

// The main window on a register, shown on "Escalar Manual".
struct Aba : JanelaPrincipal {
    explicit Aba(const std::function<void(AmbienteTeste&)>& registro)
        : JanelaPrincipal(registro, true) {
        Mostra(QStringLiteral("TabSheet6"));
        aba = p->AbaEscalarManual();
        a.dialogos.Textos.clear();
    }
    template <typename T = QWidget> T* C(const QString& nome) { return Controle<T>(aba, nome); }
    // A click in "Escalar até:", the day, "Preparar Grade" (the daily
    // quantities as they come).
    void Prepara(const QString& ate) {
        QTest::mouseClick(C<QLineEdit>("Edit6"), Qt::LeftButton);
        QTest::keyClicks(C<QLineEdit>("Edit6"), ate);
        RoteiroModal roteiro;
        roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); });
        QTest::mouseClick(C<QPushButton>("Button10"), Qt::LeftButton);
        preparada = roteiro.Cumprido() || !C("Button11")->isVisible();
    }
    // A click on the cell of the duty on the day, then the numbers typed in
    // Edit7 over its text.
    void Digita(const QString& celula) {
        const QStringList partes = celula.split(':');
        auto* g = C<QTableWidget>("SGGradeSv");
        int linha = -1, coluna = -1;
        for (int r = 1; r < g->rowCount(); ++r)
            if (a.sis->Manual.SGGradeSv.Cel(10, r) == partes[0])
                linha = r;
        for (int c = 1; c < g->columnCount(); ++c)
            if (g->item(0, c)->text() == partes[1])
                coluna = c;
        QVERIFY2(linha > 0 && coluna > 0, qPrintable(celula));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                          g->visualItemRect(g->item(linha, coluna)).center());
        auto* edit7 = C<QLineEdit>("Edit7");
        QCOMPARE(edit7->text(), g->item(linha, coluna)->text());
        edit7->selectAll();
        QTest::keyClicks(edit7, partes.mid(2).join(':'));
        QCOMPARE(g->item(linha, coluna)->text(), partes.mid(2).join(':'));
    }
    void Clique(const QString& botao) { QTest::mouseClick(C<QPushButton>(botao), Qt::LeftButton); }
    QStringList Grade() {
        auto* g = C<QTableWidget>("SGGradeSv");
        int dias = 0;
        while (dias < 6 && !g->item(0, dias + 1)->text().isEmpty())
            ++dias;
        QStringList linhas;
        for (int r = 0; r < g->rowCount(); ++r) {
            QStringList celulas;
            for (int c = 0; c <= dias; ++c)
                celulas << g->item(r, c)->text();
            linhas << celulas.join(" | ");
        }
        return linhas;
    }
    QStringList Mensagens() {
        QStringList linhas;
        auto* l = C<QListWidget>("ListBox4");
        for (int i = 0; i < l->count(); ++i)
            linhas << l->item(i)->text();
        return linhas;
    }
    // Prepared, every cell typed and verified.
    void Verifica(const QString& ate, const QStringList& celulas) {
        Prepara(ate);
        for (const QString& c : celulas)
            Digita(c);
        Clique("Button11");
    }
    TFAbaEscalarManual* aba = nullptr;
    bool preparada = false;
};

const QStringList dois{CelulasDaGrade({{"1", "2"}, {"4", "5"}})};

} // namespace

// The "Escalar Manual" tab driven as the operator drives it.
class TesteAbaManual : public QObject {
    Q_OBJECT
private slots:
    void casos_data() {
        QTest::addColumn<int>("indice");
        for (int i = 0; i < CasosManual().size(); ++i)
            QTest::newRow(CasosManual()[i].nome) << i;
    }
    void casos() {
        QFETCH(int, indice);
        const CasoManual& caso = CasosManual()[indice];
        Aba t(caso.registro);
        t.Prepara(caso.ate);
        if (!caso.recusado || t.C("Button11")->isVisible()) {
            for (const QString& c : caso.celulas)
                t.Digita(c);
            t.Clique("Button11");
        }
        if (!caso.grade.isEmpty())
            QCOMPARE(t.Grade(), caso.grade);
        QCOMPARE(t.Mensagens(), caso.verificacao);
        QCOMPARE(t.a.dialogos.Textos, caso.mensagens);
        QCOMPARE(t.C("Button12")->isVisible(), !caso.recusado);
    }

    void preparar_grade() {
        Aba t([](AmbienteTeste& a) { RegistroPequeno(a); });
        QVERIFY(t.C("Button10")->isVisible());
        QVERIFY(!t.C("Button11")->isVisible());
        QVERIFY(!t.C("SGGradeSv")->isVisible());
        QCOMPARE(t.C<QLabel>("Label53")->text(), QStringLiteral("10/03/24"));
        t.Prepara("12/03/24");
        QVERIFY(t.preparada);
        QVERIFY(!t.C("Button10")->isVisible());
        QVERIFY(t.C("Button11")->isVisible());
        QVERIFY(t.C("SGGradeSv")->isVisible());
        QVERIFY(t.C("Edit7")->isVisible());
        QVERIFY(!t.C("Button12")->isVisible());
        QVERIFY(!t.C("ListBox4")->isVisible());
        QCOMPARE(t.Grade(),
                 QStringList({". | 11/03/24 | 12/03/24", "Of Dia |  | ", "Guarda |  | "}));
        QCOMPARE(t.a.sis->Manual.SGGradeSv.Cel(10, 2), QStringLiteral("2"));
    }

    void preparar_recusas_data() {
        QTest::addColumn<QString>("ate");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("vazio") << ""
                               << "Você deve informar a data final da escala";
        QTest::newRow("nao_data") << "32/03/24"
                                  << "32/03/24 >>> Data inválida";
        QTest::newRow("alem_do_periodo")
            << "01/04/24"
            << "Antes de escalar, você deve alongar a data de preparação do Sistema\n\n      "
               "       A data atual vai até o dia 31/03/24\n\nPara ampliá-la, use o item 6. da "
               "aba /Manutenção/";
    }
    void preparar_recusas() {
        QFETCH(QString, ate);
        QFETCH(QString, mensagem);
        Aba t([](AmbienteTeste& a) { RegistroPequeno(a); });
        t.Prepara(ate);
        QCOMPARE(t.a.dialogos.Textos, QStringList{mensagem});
        QVERIFY(t.C("Button10")->isVisible());
        QVERIFY(!t.C("Button11")->isVisible());
    }

    void escalar_grava_tudo() {
        Aba t([](AmbienteTeste& a) { RegistroPequeno(a); });
        t.Verifica("12/03/24", dois);
        QVERIFY(t.C("Button12")->isVisible());
        QVERIFY(t.C("Button14")->isVisible());
        t.Clique("Button12");
        QVERIFY(t.a.dialogos.Textos.isEmpty());
        QCOMPARE(t.a.Linhas("Hist"),
                 QList<QStringList>({{"2024-03-11", "1", "Of Dia", "1", "Pt"},
                                     {"2024-03-12", "1", "Of Dia", "2", "Pt"},
                                     {"2024-03-11", "2", "Guarda", "4", "Pt"},
                                     {"2024-03-12", "2", "Guarda", "5", "Pt"}}));
        QCOMPARE(Rodizio(t.a, 1), QStringList({"1 1 0 11/03/24 13/05/09", "2 1 0 12/03/24 13/05/09",
                                               "3 0 0 13/05/09 13/05/09"}));
        QCOMPARE(t.a.Coluna("Basico", "USv").mid(0, 2), QStringList({"11/03/24 ", "12/03/24 "}));
        QCOMPARE(t.a.sis->pasta.LeUltimaEscala(), D(12, 3, 2024));
        QCOMPARE(t.C<QLabel>("Label53")->text(), QStringLiteral("12/03/24"));
        QCOMPARE(t.p->findChild<QLabel*>("LUltimaEscala")->text(), QStringLiteral("12/03/24"));
        QVERIFY(t.C<QLineEdit>("Edit6")->text().isEmpty());
        QVERIFY(t.C("Button10")->isVisible());
        QVERIFY(!t.C("Button11")->isVisible());
        QVERIFY(!t.C("Button12")->isVisible());
        QVERIFY(!t.C("Button14")->isVisible());
        QCOMPARE(t.Grade().at(1), QStringLiteral("Of Dia | 1 | 2")); // stays shown
    }

    // The person away in effect is neither recorded nor counted; the planned
    // one is.
    void afastados_na_escala() {
        for (const char* pr : {"R", "P"}) {
            Aba t([pr](AmbienteTeste& a) {
                RegistroPequeno(a);
                a.Militar("7", "M7", 7, "Sd", pr, D(11, 3, 2024), D(12, 3, 2024));
                a.Membro(1, "7");
            });
            t.Verifica("12/03/24", CelulasDaGrade({{"7", "2"}, {"4", "5"}}));
            t.Clique("Button12");
            const bool real = QLatin1String(pr) == QLatin1String("R");
            QCOMPARE(Rodizio(t.a, 1).last(), real ? QStringLiteral("7 0 0 13/05/09 13/05/09")
                                                  : QStringLiteral("7 1 0 11/03/24 13/05/09"));
            QCOMPARE(t.a.Coluna("Hist", "Num").first(), QStringLiteral("7")); // as typed
        }
    }

    // Changing a cell after "Verificar" hides "Escalar": the working model holds
    // what was verified, not the changed cell.
    void celula_mudada_esconde_escalar() {
        Aba t([](AmbienteTeste& a) { RegistroPequeno(a); });
        t.Verifica("12/03/24", dois);
        QVERIFY(t.C("Button12")->isVisible());
        t.Digita("1:12/03/24:3");
        QVERIFY(!t.C("Button12")->isVisible());
        QVERIFY(t.C("Button14")->isVisible());
        t.Clique("Button11");
        QVERIFY(t.C("Button12")->isVisible());
        t.Clique("Button12");
        QCOMPARE(t.a.Coluna("Hist", "Num").at(1), QStringLiteral("3"));
        QCOMPARE(Rodizio(t.a, 1).at(2), QStringLiteral("3 1 0 12/03/24 13/05/09"));
        QCOMPARE(Rodizio(t.a, 1).at(1), QStringLiteral("2 0 0 13/05/09 13/05/09"));
    }

    // The history has room for 10000 entries: a commit that needs more is
    // refused before anything is written.
    void historico_cheio_recusa() {
        Aba t([](AmbienteTeste& a) {
            RegistroPequeno(a);
            QList<QVariantList> linhas;
            for (int i = 0; i < 9998; ++i)
                linhas << QVariantList{D(1, 1, 2024).ParaQDate(), 1, "Of Dia", "1", "Pt"};
            a.sis->dm.SubstituiLinhas(Banco::Principal, "Hist", linhas);
        });
        t.Verifica("12/03/24", dois);
        t.Clique("Button12");
        QCOMPARE(t.a.dialogos.Textos.size(), 1);
        QVERIFY(t.a.dialogos.Textos[0].startsWith(
            "O Arquivo Histórico não comporta esta escalação: ela precisa de 4 registros e só "
            "há lugar para 2"));
        QVERIFY(t.a.dialogos.Textos[0].contains("item 7"));
        QCOMPARE(t.a.sis->dm.ContaLinhas(Banco::Principal, "Hist"), 9998);
        QCOMPARE(t.a.sis->pasta.LeUltimaEscala(), D(10, 3, 2024));
        QCOMPARE(Rodizio(t.a, 1).first(), QStringLiteral("1 0 0 13/05/09 13/05/09"));
        QVERIFY(t.C("Button12")->isVisible());
    }

    void desfazer_esvazia() {
        Aba t([](AmbienteTeste& a) { RegistroPequeno(a); });
        t.Verifica("12/03/24", CelulasDaGrade({{"1", "1"}, {"4", "5"}}));
        QVERIFY(!t.Mensagens().isEmpty());
        t.Clique("Button14");
        QVERIFY(t.C("Button10")->isVisible());
        QVERIFY(!t.C("Button11")->isVisible());
        QVERIFY(!t.C("Button12")->isVisible());
        QVERIFY(!t.C("Button14")->isVisible());
        QVERIFY(!t.C("ListBox4")->isVisible());
        QVERIFY(!t.C("Edit7")->isVisible());
        QCOMPARE(t.Grade().first(), QStringLiteral("")); // row 0 emptied too
        QVERIFY(t.a.Coluna("Hist", "Dia").isEmpty());
        QCOMPARE(t.a.sis->Operacao, QStringLiteral("Desfazer"));
    }

    void ja_escalado_volta_a_preparar() {
        Aba t([](AmbienteTeste& a) {
            RegistroPequeno(a);
            a.Historico(D(12, 3, 2024), 2, "Guarda", "6");
        });
        t.Verifica("12/03/24", dois);
        QCOMPARE(t.a.dialogos.Textos,
                 QStringList{"O Serviço de Guarda já foi escalado no dia 12/03/24"});
        QVERIFY(t.C("Button10")->isVisible());
        QVERIFY(!t.C("Button11")->isVisible());
        QVERIFY(!t.C("Button12")->isVisible());
    }

    // "Grade" and "Mensagens" print when they become checked; "Verificar"
    // unchecks them.
    void imprimir_grade_e_mensagens() {
        Aba t([](AmbienteTeste& a) { RegistroPequeno(a); });
        t.Verifica("12/03/24", CelulasDaGrade({{"1", "1"}, {"4", "5"}}));
        ImpressoraFalsa& imp = t.a.impressora;
        ClicaIndicador(t.C<QRadioButton>("RadioButton5"));
        QVERIFY(imp.Chamadas.contains("Orientacao Paisagem"));
        QVERIFY(imp.Textos().contains("Escala de Serviços"));
        QVERIFY(imp.Textos().contains("Of Dia"));
        imp.Chamadas.clear();
        ClicaIndicador(t.C<QRadioButton>("RadioButton5"));
        QVERIFY(imp.Chamadas.isEmpty()); // already checked
        ClicaIndicador(t.C<QRadioButton>("RadioButton6"));
        QCOMPARE(imp.Textos(),
                 QStringList({"Mensagens", "1 não terá folga de 48 Hs no dia 12/03/24"}));
        t.Clique("Button11");
        QVERIFY(!t.C<QRadioButton>("RadioButton5")->isChecked());
        QVERIFY(!t.C<QRadioButton>("RadioButton6")->isChecked());
    }
};
REGISTRA_TESTE(TesteAbaManual)
#include "TesteAbaManual.moc"
