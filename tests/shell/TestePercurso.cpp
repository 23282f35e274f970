#include "base/Relogio.h"
#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "maintenance/TFIncExcInd.h"
#include "model/Sistema.h"
#include "reports/TFEscolherSv.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/DialogosFalso.h"
#include "support/ImpressoraFalsa.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void Executa(TFPrincipal& p, const QString& item) {
    Controle<QLineEdit>(p.Paginas(), "Edit8")->setText(item);
    Controle<QPushButton>(p.Paginas(), "Button1")->click();
}

} // namespace

// A new user from an empty data folder to a committed week of roster, through
// the screens only: two duties, six persons, the roster period, the roster.
class TestePercurso : public QObject {
    Q_OBJECT
private slots:
    void da_pasta_vazia_a_escala_de_uma_semana() {
        QTemporaryDir dir;
        RelogioFixo relogio(D(10, 3, 2024)); // the last roster date starts as 09/03/24
        DialogosFalso dialogos;
        ImpressoraFalsa impressora;
        Inicio inicio(dir.filePath("dados"), dir.filePath("Aliases.ini"));
        inicio.Prepara(relogio.Hoje());
        Sistema s(inicio.PastaDados(), inicio.PastaBackupInicial(), relogio, dialogos, impressora);
        TFPrincipal p(s, inicio);
        p.AbaEscalar()->Janelas().PausaMs = 0;
        p.show();
        p.Atualiza();
        p.Paginas()->setCurrentWidget(p.findChild<QWidget*>("TabSheet2"));

        // 1. The duties.
        {
            RoteiroModal roteiro;
            roteiro.Quando("FIncExcAltSv", [](QWidget* w) {
                for (const QStringList& sv : {QStringList{"1", "Of Dia"}, {"2", "Sgt Dia"}}) {
                    Clica(w, "RadioButton1");
                    Controle<QLineEdit>(w, "Edit1")->setText(sv[0]);
                    Controle<QLineEdit>(w, "Edit2")->setText(sv[1]);
                    Controle<QLineEdit>(w, "Edit3")->setText("1");
                    Controle<QLineEdit>(w, "Edit7")->setText("1");
                    Clica(w, "Button1");
                }
                Clica(w, "Button3");
            });
            Executa(p, "1");
            QVERIFY(roteiro.Cumprido());
        }
        QCOMPARE(s.VetSv[2].Descr, QStringLiteral("Sgt Dia"));

        // 16. The persons, each with his duty.
        {
            dialogos.EsperaAviso("Após inclusão de militares");
            RoteiroModal roteiro;
            roteiro.Quando("FIncExcInd", [](QWidget* w) {
                auto* tela = static_cast<TFIncExcInd*>(w);
                for (int i = 1; i <= 6; ++i) {
                    Controle<QLineEdit>(w, "Edit1")->setText(QString::number(i));
                    QEvent saida(QEvent::Leave);
                    QApplication::sendEvent(Controle(w, "Edit1"), &saida);
                    Controle<QLineEdit>(w, "Edit2")->setText(QStringLiteral("MILITAR %1").arg(i));
                    Controle<QComboBox>(w, "ComboBox1")->setCurrentIndex(i);
                    Clica(w, "BIncluir");
                    Controle<QLineEdit>(w, "Edit1")->setText(QString::number(i));
                    const int servico = i <= 3 ? 1 : 2;
                    QTimer::singleShot(0, w, [tela, servico] {
                        QWidget* e = tela->Escolha();
                        Controle<QCheckBox>(e, QStringLiteral("CheckBox%1").arg(servico))
                            ->setChecked(true);
                        Clica(e, "Button6");
                    });
                    Clica(w, "BEscolher");
                    Clica(w, "BGravar");
                }
                Clica(w, "Button4");
            });
            Executa(p, "16");
            QVERIFY(roteiro.Cumprido());
            QVERIFY(dialogos.ScriptCumprido());
        }

        // 6. The roster period to the end of March, with its weekends.
        {
            dialogos.EsperaConfirma(false, "Você incluiu um novo período de 09/03/24 até 31/03/24");
            RoteiroModal roteiro;
            roteiro.Quando("FSemExped", [](QWidget* w) {
                Controle<QLineEdit>(w, "Edit1")->setText("31/03/24");
                Clica(w, "Button1");
                Clica(w, "Button2");
            });
            Executa(p, "6");
            QVERIFY(roteiro.Cumprido());
            QVERIFY(dialogos.ScriptCumprido());
        }

        // The roster of a week, from Sunday 10/03 to Saturday 16/03.
        p.Paginas()->setCurrentWidget(p.findChild<QWidget*>("TabSheet3"));
        auto* aba = p.AbaEscalar();
        auto* edit1 = Controle<QLineEdit>(aba, "Edit1");
        QTest::mouseClick(edit1, Qt::LeftButton);
        QTest::keyClicks(edit1, "16/03/24");
        {
            RoteiroModal roteiro;
            roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
                .Quando("FRetiraAlguem", [](QWidget* w) { Clica(w, "RadioButton2"); });
            QTest::mouseClick(Controle<QPushButton>(aba, "Button6"), Qt::LeftButton);
            QVERIFY(roteiro.Cumprido());
        }
        QVERIFY(s.ListBox5.isEmpty());
        QVERIFY(Controle(aba, "BEscalar")->isVisible());
        QTest::mouseClick(Controle<QPushButton>(aba, "BEscalar"), Qt::LeftButton);
        QVERIFY(dialogos.ScriptCumprido());

        QCOMPARE(s.pasta.LeUltimaEscala(), D(16, 3, 2024));
        FiltroHist todos;
        const auto historico = s.dm.ConsultaHist(todos);
        QCOMPARE(historico.size(), 14);
        QCOMPARE(historico.first().Dia, D(10, 3, 2024));
        QCOMPARE(historico.first().PtVm, QStringLiteral("Vm"));
        QCOMPARE(historico.last().Dia, D(16, 3, 2024));
        for (const LinhaHist& h : historico)
            QVERIFY(h.CodSv == 1 ? QStringList({"1 ", "2 ", "3 "}).contains(h.Num)
                                 : QStringList({"4 ", "5 ", "6 "}).contains(h.Num));
        int servicos = 0;
        for (int sv : {1, 2}) {
            auto c = s.dm.AbreTabela(Banco::Principal, QStringLiteral("Sv%1").arg(sv));
            while (c.Proximo())
                servicos += c.Inteiro("Pt") + c.Inteiro("Vm");
        }
        QCOMPARE(servicos, 14);
    }

    // The items of the menu that run routines of the roster engine.
    void itens_do_motor() {
        QTemporaryDir dir;
        RelogioFixo relogio(D(10, 3, 2024));
        DialogosFalso dialogos;
        ImpressoraFalsa impressora;
        Inicio inicio(dir.filePath("dados"), dir.filePath("Aliases.ini"));
        inicio.Prepara(relogio.Hoje());
        Sistema s(inicio.PastaDados(), inicio.PastaBackupInicial(), relogio, dialogos, impressora);
        s.dm.SubstituiLinhas(Banco::Principal, "Sv",
                             {{1, "A", QDate(2000, 1, 1), QDate(2050, 1, 1), 1, 31, 1, "PV"},
                              {2, "B", QDate(2000, 1, 1), QDate(2050, 1, 1), 1, 31, 1, "PV"}});
        s.dm.SubstituiLinhas(Banco::Principal, "Sv2", {{"7", 5, 5, "13/05/09", "13/05/09"}});
        s.dm.SubstituiLinhas(Banco::Principal, "Basico",
                             {{"7", "Sd", "SETE", "", QVariant(), QVariant(), "", 1}});
        TFPrincipal p(s, inicio);
        p.show();
        p.Atualiza();
        p.Paginas()->setCurrentWidget(p.findChild<QWidget*>("TabSheet2"));

        Executa(p, "17"); // duty 1 has no competitor: duty 2 comes first
        auto sv = s.dm.AbreTabela(Banco::Principal, "Sv");
        QStringList prioridades;
        while (sv.Proximo())
            prioridades << sv.Texto("Prio");
        QCOMPARE(prioridades, QStringList({"2", "1"}));

        dialogos.EsperaConfirma(false, "igualar todas as quantidades");
        Executa(p, "20");
        dialogos.EsperaConfirma(true, "igualar todas as quantidades");
        Executa(p, "20");
        auto sv2 = s.dm.AbreTabela(Banco::Principal, "Sv2");
        QVERIFY(sv2.Proximo());
        QCOMPARE(sv2.Inteiro("Pt"), 3);

        dialogos.EsperaAviso("CUIDADO !").EsperaPergunta(std::nullopt, "Desfazer Escalas");
        Executa(p, "8");
        QVERIFY(dialogos.ScriptCumprido());
    }
};
REGISTRA_TESTE(TestePercurso)
#include "TestePercurso.moc"
