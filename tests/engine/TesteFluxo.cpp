#include "base/Tenta.h"
#include "engine/FluxoEscala.h"
#include "engine/Instrucoes.h"
#include "engine/JanelasSemTela.h"
#include "engine/Previsao.h"
#include "engine/PrevisaoVermelha.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QTest>

namespace {
// The workflow on the small register, as the tab drives it: reset, the day,
// "Verificar".
ResultadoVerificacao Verifica(AmbienteTeste& a, JanelasSemTela& janelas, const QString& dia) {
    Sistema& s = *a.sis;
    s.Aba.Edit1 = dia;
    return Verificar(s, janelas);
}
// What the tab shows of the workflow's state.
QString Estado(const Sistema& s) {
    return QStringLiteral("escala %1, erros %2, Desfazer %3, Escala Vm %4")
        .arg(s.ListBox2.size())
        .arg(s.ListBox5.size())
        .arg(s.Aba.BDesfazerVisivel ? "sim" : "não")
        .arg(s.Aba.BEscVmEspVisivel ? "sim" : "não");
}

// The windows answered without a screen, noting for each window that opens
// whether the tab had been told to show the state it opens over.
struct JanelasQueAnotam : JanelasSemTela {
    explicit JanelasQueAnotam(Sistema& s) : JanelasSemTela(s), sistema(s) {}
    void EstadoMudou() override { mostrado = Estado(sistema); }
    void Anota(const QString& janela) {
        estados << Estado(sistema);
        abertas << janela + (mostrado == estados.last() ? ": mostrado" : ": não mostrado");
    }
    void MostraAviso() override {
        Anota("aviso");
        JanelasSemTela::MostraAviso();
    }
    void MostraDecisao() override {
        Anota("decisão");
        JanelasSemTela::MostraDecisao();
    }
    void MostraEscolhaVm() override {
        Anota("escolha");
        JanelasSemTela::MostraEscolhaVm();
    }
    void MostraQuantidades(bool modal) override {
        if (modal)
            Anota("quantidades");
        JanelasSemTela::MostraQuantidades(modal);
    }
    Sistema& sistema;
    QString mostrado;
    QStringList abertas;
    QStringList estados;
};

void Prepara(AmbienteTeste& a) {
    RegistroPequeno(a);
    Sistema& s = *a.sis;
    CarregaVetSv(s, Banco::Principal);
    s.UltimaEscala = s.pasta.LeUltimaEscala();
    ReiniciaEscala(s);
}
} // namespace

// The verification workflow of the automatic tab.
class TesteFluxo : public QObject {
    Q_OBJECT
private slots:
    // The first verification of a run raises the absent persons' counters
    // and writes them at once; later ones do not.
    void afastados_ajustados_uma_vez() {
        AmbienteTeste a;
        Prepara(a);
        a.Militar("7", "AFASTADO", 7, "Sd", "P", D(20, 3, 2024), D(25, 3, 2024));
        a.sis->dm.SubstituiLinhas(Banco::Principal, "Sv1",
                                  {{"1", 5, 4, "13/05/09", "13/05/09"},
                                   {"2", 6, 4, "13/05/09", "13/05/09"},
                                   {"3", 5, 5, "13/05/09", "13/05/09"},
                                   {"7", 1, 9, "13/05/09", "13/05/09"}});
        // Memory holds an invented duty date (a swap listing's); it must not reach the table.
        CarregaVetBas(*a.sis, Banco::Principal);
        a.sis->VetBas[1].USv[10] = D(1, 1, 2024);
        JanelasSemTela janelas(*a.sis);
        QCOMPARE(Verifica(a, janelas, "13/03/24"), ResultadoVerificacao::Prevista);
        QCOMPARE(a.Linhas("Basico").first()[6], QString());
        QStringList linha7;
        for (const QStringList& l : a.Linhas("Sv1"))
            if (l[0] == "7")
                linha7 = l;
        QCOMPARE(linha7.mid(1, 2), QStringList({"5", "9"}));
        QVERIFY(a.sis->AfastadosAjustados);
        a.sis->dm.SubstituiLinhas(
            Banco::Principal, "Sv1",
            {{"1", 5, 4, "13/05/09", "13/05/09"}, {"7", 0, 0, "13/05/09", "13/05/09"}});
        ReiniciaEscala(*a.sis);
        Verifica(a, janelas, "13/03/24");
        QCOMPARE(a.Linhas("Sv1").last().mid(1, 2), QStringList({"0", "0"}));
    }

    // Every window of the workflow opens after the tab was told what to
    // show: the forecast and its errors before the decision or the notice,
    // "Escala Vm" already hidden.
    void estado_mostrado_antes_das_janelas_data() {
        QTest::addColumn<int>("quantGuarda");
        QTest::addColumn<QString>("janela");
        QTest::newRow("decisão") << 1 << "decisão";
        QTest::newRow("aviso") << 4 << "aviso";
    }
    void estado_mostrado_antes_das_janelas() {
        QFETCH(int, quantGuarda);
        QFETCH(QString, janela);
        AmbienteTeste a;
        RegistroPequeno(a, quantGuarda);
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        s.UltimaEscala = s.pasta.LeUltimaEscala();
        ReiniciaEscala(s);
        JanelasQueAnotam janelas(s);
        s.Aba.Edit1 = "13/03/24";
        QCOMPARE(Verificar(s, janelas), ResultadoVerificacao::Prevista);
        QCOMPARE(janelas.abertas, QStringList({"quantidades: mostrado", janela + ": mostrado"}));
        const QString escala = QStringLiteral("escala %1, ").arg(s.ListBox2.size());
        QVERIFY(s.ListBox2.size() > 2);
        QCOMPARE(
            janelas.estados.last(),
            escala +
                QStringLiteral("erros %1, Desfazer sim, Escala Vm não").arg(s.ListBox5.size()));
        QCOMPARE(s.ListBox5.isEmpty(), janela == "decisão");
        if (janela == "aviso") {
            // The next verification opens the red choices over the lists it
            // emptied.
            janelas.abertas.clear();
            QCOMPARE(Verificar(s, janelas), ResultadoVerificacao::Reiniciada);
            QCOMPARE(janelas.abertas, QStringList({"escolha: mostrado"}));
            QVERIFY(janelas.estados.last().startsWith("escala 0, erros 0"));
        }
    }

    // Right after a reset the red phase runs (and shows the table for the
    // first time); a second verification runs only the complete forecast.
    void segunda_verificacao_sem_fase_vermelha() {
        AmbienteTeste a;
        Prepara(a);
        JanelasSemTela janelas(*a.sis);
        Verifica(a, janelas, "13/03/24");
        QCOMPARE(janelas.quantidades, 2);
        QVERIFY(!a.sis->MontarVermelhaAntes);
        Verifica(a, janelas, "13/03/24");
        QCOMPARE(janelas.quantidades, 3);
        QCOMPARE(janelas.decisoes, 2);
    }

    // The period and day checks run in the red-phase preparation and again in
    // the verification, whose refusal the edge shows; the red phase is then
    // no longer pending.
    void mensagens_duas_vezes_data() {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("depois do período")
            << "02/04/24"
            << "Antes de escalar, você deve alongar a data de preparação do Sistema\n\n"
               "                         A data atual vai até o dia 31/03/24\n\n"
               "              Para ampliá-la, use o item 6. da aba /Manutenção/";
        QTest::newRow("não é data") << "3/13/24"
                                    << "3/13/24 >>> Data inválida";
    }
    void mensagens_duas_vezes() {
        QFETCH(QString, dia);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        Prepara(a);
        a.dialogos.EsperaAviso(mensagem).EsperaAviso(mensagem);
        JanelasSemTela janelas(*a.sis);
        QVERIFY(!Tenta(a.dialogos, [&] { Verifica(a, janelas, dia); }));
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(a.dialogos.Textos, QStringList({mensagem, mensagem}));
        QVERIFY(!a.sis->MontarVermelhaAntes);
        QVERIFY(a.sis->Aba.Edit1Habilitado);
        QVERIFY(a.sis->ListBox2.isEmpty());
    }

    // An end day not after the last roster date is refused once, before
    // anything else of the click: the red phase stays pending, no counter is
    // adjusted, and the next verification with a good day runs in full.
    void dia_nao_posterior_recusado_uma_vez_data() {
        QTest::addColumn<QString>("dia");
        QTest::newRow("a última") << "10/03/24";
        QTest::newRow("antes da última") << "09/03/24";
    }
    void dia_nao_posterior_recusado_uma_vez() {
        QFETCH(QString, dia);
        AmbienteTeste a;
        Prepara(a);
        const QString mensagem =
            QStringLiteral("O dia final deve ser posterior à última escalação (10/03/24)");
        a.dialogos.EsperaAviso(mensagem);
        JanelasSemTela janelas(*a.sis);
        QVERIFY(!Tenta(a.dialogos, [&] { Verifica(a, janelas, dia); }));
        QCOMPARE(a.dialogos.Textos, QStringList({mensagem}));
        const Sistema& s = *a.sis;
        QVERIFY(s.MontarVermelhaAntes);
        QVERIFY(!s.AfastadosAjustados);
        QVERIFY(s.Aba.Edit1Habilitado);
        QVERIFY(s.Aba.BEscVmEspVisivel);
        QCOMPARE(janelas.quantidades, 0);
        QVERIFY(s.ListBox2.isEmpty());
        QCOMPARE(Verifica(a, janelas, "13/03/24"), ResultadoVerificacao::Prevista);
        QCOMPARE(janelas.quantidades, 2); // the red phase's table, then the black one
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    // A commit the store refuses: nothing written, the forecast discarded,
    // and the operator told to verify again.
    void escalar_falho_descarta() {
        AmbienteTeste a;
        Prepara(a);
        JanelasSemTela janelas(*a.sis);
        janelas.aoDecidir = [&] { ProntoParaEscalar(*a.sis); };
        QCOMPARE(Verifica(a, janelas, "13/03/24"), ResultadoVerificacao::Prevista);
        Sistema& s = *a.sis;
        QVERIFY(s.Aba.BEscalarVisivel);
        s.dm.AoGravar = [](const char* passo) {
            if (QLatin1String(passo) == QLatin1String("arquivos preparados"))
                throw Falha(QStringLiteral("disco cheio"));
        };
        try {
            EscalaOuDescarta(s);
            QFAIL("a gravação falha");
        } catch (const Recusa&) {
            QFAIL("uma falha do armazenamento não é uma recusa");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().startsWith("A escala não foi gravada; nada foi alterado.\n"
                                            "disco cheio"));
            QVERIFY(f.Mensagem().contains("verifique de novo"));
        }
        s.dm.AoGravar = nullptr;
        QVERIFY(a.Coluna("Hist", "Dia").isEmpty());
        QCOMPARE(s.pasta.LeUltimaEscala(), D(10, 3, 2024));
        QVERIFY(s.ListBox2.isEmpty());
        QVERIFY(!s.Aba.BEscalarVisivel);
        QVERIFY(s.Aba.Button6Visivel);
        QVERIFY(s.MontarVermelhaAntes);
    }

    // Forced entries can be used again at each verification; "Prever" alone
    // does not free them.
    void forcados_a_cada_verificacao() {
        AmbienteTeste a;
        Prepara(a);
        Sistema& s = *a.sis;
        s.VetTemQueSer[1] = {"1", 1, D(11, 3, 2024), "N"};
        JanelasSemTela janelas(s);
        Verifica(a, janelas, "13/03/24");
        QCOMPARE(s.VetTemQueSer[1].Usado, QStringLiteral("S"));
        // The duties of Monday 11/03 are lines 2 and 3 (their order is drawn).
        const QString forcado = QStringLiteral("     Of Dia:  1-M1  ");
        QVERIFY(s.ListBox2.mid(2, 2).contains(forcado));
        Prever(s, janelas);
        QVERIFY(!s.ListBox2.mid(2, 2).contains(forcado));
        Verifica(a, janelas, "13/03/24");
        QVERIFY(s.ListBox2.mid(2, 2).contains(forcado));
    }

    // After a forecast with unfilled slots the next verification shows the red
    // choices and asks for one more; the one after that uses them.
    void reinicio_apos_escolha_vermelha() {
        AmbienteTeste a;
        RegistroPequeno(a, 4);
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        s.UltimaEscala = s.pasta.LeUltimaEscala();
        ReiniciaEscala(s);
        JanelasSemTela janelas(s);
        Verifica(a, janelas, "13/03/24");
        QCOMPARE(janelas.avisos, 1);
        janelas.aoEscolherVm = [](GradeTexto& g) { MarcaEscolhaVm(g, 2, 2); };
        QCOMPARE(Verifica(a, janelas, "13/03/24"), ResultadoVerificacao::Reiniciada);
        QCOMPARE(janelas.escolhasVm, 1);
        QVERIFY(s.Aba.Edit1Habilitado);
        QVERIFY(s.MontarVermelhaAntes);
        QCOMPARE(Verifica(a, janelas, "13/03/24"), ResultadoVerificacao::Prevista);
        QCOMPARE(s.SGEscVm.Cel(2, 2), QStringLiteral("X")); // the choice stayed
        QCOMPARE(janelas.avisos, 2);
    }
};
REGISTRA_TESTE(TesteFluxo)
#include "TesteFluxo.moc"
